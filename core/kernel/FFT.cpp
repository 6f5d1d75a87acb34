// The kernel's entry points, SetUpFFT, FFT and ClearFFT, and the choice of
// the instruction set (the path) that the transforms run on.
#include "kernel/FFT.h"

#include "base/pages.h"
#include "kernel/FFT_paths.h"
#include "kernel/sincos.h"

#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstddef>

// Every double operation must round to double at once, as SSE2 does; the
// x87 unit's wider intermediate results would change the last bits. 32-bit
// x86 builds therefore need -msse2 -mfpmath=sse.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not use excess precision");

namespace {

// Allocates count samples, or returns null when the byte count does not
// even fit the size type (a 32-bit build cannot express 16 * 2^28).
Complex* AllocateLine(int count)
{
    if (static_cast<std::uintmax_t>(count) > SIZE_MAX / sizeof(Complex))
        return nullptr;
    const std::size_t bytes = static_cast<std::size_t>(count) * sizeof(Complex);
    void* line = std::malloc(bytes);
    AdviseHugePages(line, bytes);
    return static_cast<Complex*>(line);
}

// Entry k = (cos(k*h), sin(k*h)) with h = pi/N: half a turn in N steps.
// The angle is formed by one double multiplication; both values are
// rounded correctly (SinCos, several entries at a time), so every build
// gets the same bits.
void FillTwiddles(int N, Complex* table)
{
    const double pi = 3.141592653589793;
    SinCosMultiples(pi / N, N, &table[0].im, &table[0].re, 2);
}

struct PathStages {
    void (*line)(Complex* line, int N, const Complex* table, double direction);
    void (*columns)(Complex* panel, int N, int width, const Complex* table, double direction);
    void (*sinCosMultiples)(double step, int count, double* sines, double* cosines, int stride);
};

// The AVX-512 path builds its tables with AVX2, which every processor with
// AVX-512 has.
const PathStages Paths[FFTPathCount] = {
    {TransformLinePortable, ColumnStagesPortable, SinCosMultiplesPortable},
#if defined(SPEK_SSE2_PATH)
    {TransformLineSSE2, ColumnStagesSSE2, SinCosMultiplesPortable},
#else
    {nullptr, nullptr, nullptr},
#endif
#if defined(SPEK_WIDE_PATHS)
    {TransformLineAVX2, ColumnStagesAVX2, SinCosMultiplesAVX2},
    {TransformLineAVX512, ColumnStagesAVX512, SinCosMultiplesAVX2},
#else
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
#endif
};

// The paths a build has run on every processor it runs on, but for the
// wide ones, which ask the processor.
bool ProcessorHas(int path)
{
#if defined(SPEK_WIDE_PATHS)
    if (path == AVX2Path)
        return ProcessorHasAVX2();
    if (path == AVX512Path)
        return ProcessorHasAVX512();
#endif
    return path == PortablePath || path == SSE2Path;
}

int WidestPath()
{
    int widest = PortablePath;
    for (int path = 0; path < FFTPathCount; ++path) {
        if (FFTPathAvailable(path))
            widest = path;
    }
    return widest;
}

// The path FFT runs on; chosen at the first transform unless set before.
int CurrentPath = -1;

const PathStages& Stages()
{
    if (CurrentPath < 0)
        CurrentPath = WidestPath();
    return Paths[CurrentPath];
}

} // namespace

int SetUpFFT(int n, Complex** table)
{
    if (n < 2) {
        *table = AllocateLine(1);
        if (*table == nullptr)
            return 0;
        (*table)[0] = Complex{1.0, 0.0};
        return 1;
    }
    const int N = PaddedLength(n);
    if (N == 0) {
        *table = nullptr;
        return 0;
    }
    *table = AllocateLine(N);
    if (*table == nullptr)
        return 0;
    FillTwiddles(N, *table);
    return N;
}

void FFT(int N, const Complex* table, Complex* line, int direction)
{
    Stages().line(line, N, table, static_cast<double>(direction));
}

void FFTColumns(int N, const Complex* table, Complex* panel, int width, int direction)
{
    if (width == 1)
        return FFT(N, table, panel, direction);
    Stages().columns(panel, N, width, table, static_cast<double>(direction));
}

bool FFTPathAvailable(int path)
{
    return path >= 0 && path < FFTPathCount && Paths[path].line != nullptr && ProcessorHas(path);
}

void UseFFTPath(int path)
{
    CurrentPath = FFTPathAvailable(path) ? path : WidestPath();
}

// The twiddle tables are built on the path the transforms run on, so that
// the tests and benchmarks that choose a path (UseFFTPath) choose both.
void SinCosMultiples(double step, int count, double* sines, double* cosines, int stride)
{
    Stages().sinCosMultiples(step, count, sines, cosines, stride);
}

void ClearFFT(Complex* table)
{
    std::free(table);
}
