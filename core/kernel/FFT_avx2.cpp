// The stages of the transform with 256-bit AVX vectors: two samples per
// vector. Built with -mavx2 and run only where the processor has AVX2.
#include "kernel/simd_avx2.h"

#include "kernel/FFT_paths.h"
#include "kernel/FFT_stages.h"

// Each entry point ends with VZEROUPPER itself. The compiler's own does not
// cover every way out (the last wide instructions can be the inline
// assembly of AddInOrder), and with the upper halves left dirty the SSE
// code that runs next, such as the printing of the results, was measured
// four times slower.

void TransformLineAVX2(Complex* line, int N, const Complex* table, double direction)
{
    TransformLine<__m256d>(line, TwiddleTable{table, N, direction});
    _mm256_zeroupper();
}

void ColumnStagesAVX2(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<__m256d>(panel, width, TwiddleTable{table, N, direction});
    _mm256_zeroupper();
}

bool ProcessorHasAVX2()
{
    return __builtin_cpu_supports("avx2");
}
