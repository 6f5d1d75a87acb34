// Sine and cosine that give the same bits on every platform and compiler.
#pragma once

// Stores sin(x) and cos(x), each correctly rounded to the nearest double, for
// 0 <= x <= 4 (every twiddle angle k*pi/N lies in [0, pi)). Uses only IEEE
// double additions, subtractions, multiplications and divisions in a fixed
// order, so the result does not depend on the maths library or the CPU.
void SinCos(double x, double* sine, double* cosine);

// Stores sin(k * step) and cos(k * step) at sines[k * stride] and
// cosines[k * stride] for k = 0 .. count - 1, the argument formed by one
// double multiplication: the same bits as SinCos of each, several at a time.
// Runs on the path the transforms run on (kernel/FFT.h, UseFFTPath): four
// at a time on the AVX2 and AVX-512 paths, two on the others.
void SinCosMultiples(double step, int count, double* sines, double* cosines, int stride);
