// SinCosMultiples four arguments at a time, one per lane of a 256-bit AVX
// vector. Built with -mavx2 and run only where the processor has AVX2 (on
// the AVX2 and AVX-512 paths); each lane does the same double operations
// as the two-lane code, so the bits are the same.
#include "kernel/sincos_lanes.h"

#include "kernel/FFT_paths.h"

void SinCosMultiplesAVX2(double step, int count, double* sines, double* cosines, int stride)
{
    SinCosMultiplesInLanes<Quad>(step, count, sines, cosines, stride);
    // The SSE code that runs next must not find the upper halves dirty.
    _mm256_zeroupper();
}
