// The stages of the transform with 512-bit AVX-512 vectors: four samples per
// vector. Built with -mavx512f and run only where the processor has it.
#include "kernel/simd_avx512.h"

#include "kernel/FFT_paths.h"
#include "kernel/FFT_stages.h"

// Each entry point ends with VZEROUPPER itself, for the reason FFT_avx2.cpp
// gives.

void TransformLineAVX512(Complex* line, int N, const Complex* table, double direction)
{
    TransformLine<__m512d>(line, TwiddleTable{table, N, direction});
    _mm256_zeroupper();
}

void ColumnStagesAVX512(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<__m512d>(panel, width, TwiddleTable{table, N, direction});
    _mm256_zeroupper();
}

bool ProcessorHasAVX512()
{
    return __builtin_cpu_supports("avx512f");
}
