// The stages of the transform with 256-bit AVX vectors: two samples per
// vector. Built with -mavx2 and run only where the processor has AVX2.
#include "FFT_paths.h"
#include "FFT_stages.h"

void TransformLineAVX2(Complex* line, int N, const Complex* table, double direction)
{
    TransformLine<__m256d>(line, N, table, direction);
}

void ColumnStagesAVX2(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<__m256d>(panel, N, width, table, direction);
}
