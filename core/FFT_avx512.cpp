// The stages of the transform with 512-bit AVX-512 vectors: four samples per
// vector. Built with -mavx512f and run only where the processor has it.
#include "FFT_paths.h"
#include "FFT_stages.h"

void TransformLineAVX512(Complex* line, int N, const Complex* table, double direction)
{
    TransformLine<__m512d>(line, N, table, direction);
}

void ColumnStagesAVX512(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<__m512d>(panel, N, width, table, direction);
}
