// The stages of the transform with the compiler's own two-double vectors:
// one sample per vector, on every processor.
#include "kernel/simd_portable.h"

#include "kernel/FFT_paths.h"
#include "kernel/FFT_stages.h"

void TransformLinePortable(Complex* line, int N, const Complex* table, double direction)
{
    TransformLine<Pair>(line, TwiddleTable{table, N, direction});
}

void ColumnStagesPortable(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<Pair>(panel, width, TwiddleTable{table, N, direction});
}
