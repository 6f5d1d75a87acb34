// The stages of the transform on each instruction set, each built from its
// own source with its own compiler options: the portable path in every
// build, SSE2 in x86 builds (SPEK_SSE2_PATH), AVX2 and AVX-512 in x86-64
// builds (SPEK_WIDE_PATHS). FFT.cpp chooses among them at run time. The
// twiddle tables follow the same choice: SinCosMultiples (kernel/sincos.h)
// runs on two lanes on the portable and SSE2 paths, on four lanes of AVX2
// on the AVX2 and AVX-512 paths.
#pragma once

#include "kernel/FFT.h"

void TransformLinePortable(Complex* line, int N, const Complex* table, double direction);
void ColumnStagesPortable(Complex* panel, int N, int width, const Complex* table, double direction);
void SinCosMultiplesPortable(double step, int count, double* sines, double* cosines, int stride);
#if defined(SPEK_SSE2_PATH)
void TransformLineSSE2(Complex* line, int N, const Complex* table, double direction);
void ColumnStagesSSE2(Complex* panel, int N, int width, const Complex* table, double direction);
#endif
#if defined(SPEK_WIDE_PATHS)
void TransformLineAVX2(Complex* line, int N, const Complex* table, double direction);
void ColumnStagesAVX2(Complex* panel, int N, int width, const Complex* table, double direction);
void SinCosMultiplesAVX2(double step, int count, double* sines, double* cosines, int stride);
void TransformLineAVX512(Complex* line, int N, const Complex* table, double direction);
void ColumnStagesAVX512(Complex* panel, int N, int width, const Complex* table, double direction);
// Whether the processor has AVX2 (avx2) or AVX-512 (avx512f).
bool ProcessorHasAVX2();
bool ProcessorHasAVX512();
#endif
