// Radix-2 transform kernel shared by spekline, spekplane and spekcube.
//
// SetUpFFT pads a requested length to a power of two and builds the twiddle
// table for it; FFT transforms one contiguous line in place with that table;
// ClearFFT releases a table. The kernel keeps no state between calls.
#pragma once

#include "base/samples.h"

// Returns the padded length for n (1 for n < 2, otherwise the smallest power
// of two >= n) and stores a new twiddle table in *table. Returns 0 with
// *table == nullptr when the table cannot be allocated, and also for n above
// MaxPaddedLength, whose padded length does not fit an int.
//
// For N >= 2, entry k holds (cos(k*h), sin(k*h)) with h = pi/N: half a turn
// in N steps. For N == 1 the single entry is 1 + 0i.
int SetUpFFT(int n, Complex** table);

// Replaces line[0..N-1] by sum_j line[j] * exp(direction * 2*pi*i * j*k / N),
// unscaled. N and table must come from the same SetUpFFT call; direction is
// +1 or -1.
void FFT(int N, const Complex* table, Complex* line, int direction);

// Transforms width columns of N samples each, interleaved in panel: sample
// i of column j at panel[i * width + j]; width is a power of two. Each column gets exactly the bits
// FFT gives it as a line of its own.
void FFTColumns(int N, const Complex* table, Complex* panel, int width, int direction);

// The instruction sets the kernel can run on: the portable path (the
// compiler's own vectors) in every build, the x86 ones in x86 builds. Every
// path gives the same bits; FFT runs on the widest one that the build and
// the processor have, unless UseFFTPath chose another (tests and benchmarks
// compare them).
enum FFTPath { PortablePath, SSE2Path, AVX2Path, AVX512Path, FFTPathCount };

// Whether this build and this processor can run path.
bool FFTPathAvailable(int path);

// Makes every later transform run on path, or on the widest available one
// when path is not available.
void UseFFTPath(int path);

// Releases a table made by SetUpFFT; a null pointer is ignored.
void ClearFFT(Complex* table);
