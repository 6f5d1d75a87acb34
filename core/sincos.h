// Sine and cosine that give the same bits on every platform and compiler.
#pragma once

// Stores sin(x) and cos(x), each correctly rounded to the nearest double, for
// 0 <= x <= 4 (every twiddle angle k*pi/N lies in [0, pi)). Uses only IEEE
// double additions, subtractions, multiplications and divisions in a fixed
// order, so the result does not depend on the maths library or the CPU.
void SinCos(double x, double* sine, double* cosine);
