// The stages of the transform with 512-bit AVX-512 vectors: four samples per
// vector. Built with -mavx512f and run only where the processor has it.
#include "kernel/simd_avx512.h"

#include "kernel/FFT_paths.h"
#include "kernel/FFT_stages.h"

// Each entry point ends with VZEROUPPER itself. The compiler's own does not
// cover every way out (the last wide instructions can be the inline
// assembly of AddInOrder), and with the upper halves left dirty the SSE
// code that runs next, such as the printing of the results, was measured
// four times slower.

void TransformLineAVX512(Complex* line, int N, const Complex* table, double direction)
{
    TransformLine<__m512d>(line, N, table, direction);
    _mm256_zeroupper();
}

void ColumnStagesAVX512(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<__m512d>(panel, N, width, table, direction);
    _mm256_zeroupper();
}

bool ProcessorHasAVX512()
{
    return __builtin_cpu_supports("avx512f");
}
