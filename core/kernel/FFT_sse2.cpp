// The stages of the transform with SSE2 vectors: one sample per vector.
// Every x86-64 processor has SSE2, and the 32-bit x86 builds require it.
#include "kernel/simd_sse2.h"

#include "kernel/FFT_paths.h"
#include "kernel/FFT_stages.h"

void TransformLineSSE2(Complex* line, int N, const Complex* table, double direction)
{
    TransformLine<__m128d>(line, TwiddleTable{table, N, direction});
}

void ColumnStagesSSE2(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<__m128d>(panel, width, TwiddleTable{table, N, direction});
}
