#include "FFT.h"

#include "FFT_paths.h"
#include "FFT_stages.h"
#include "pages.h"
#include "sincos.h"

#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstddef>
#include <utility>

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
// The angle is formed by one double multiplication; SinCos rounds both
// values correctly, so every build gets the same bits.
void FillTwiddles(int N, Complex* table)
{
    const double pi = 3.141592653589793;
    const double h = pi / N;
    for (int k = 0; k < N; ++k)
        SinCos(static_cast<double>(k) * h, &table[k].im, &table[k].re);
}

// Exchanges the rows of width samples at i and at the bit-reversed index of
// i, once per pair (from the lower index). The reversed index j is counted
// along with i: adding one to i adds one to j from the top bit down.
void BitReverse(int N, Complex* rows, int width)
{
    for (int i = 1, j = 0; i < N; ++i) {
        int bit = N >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j |= bit;
        if (i < j)
            std::swap_ranges(rows + static_cast<std::ptrdiff_t>(i) * width,
                             rows + static_cast<std::ptrdiff_t>(i + 1) * width,
                             rows + static_cast<std::ptrdiff_t>(j) * width);
    }
}

int ReverseBits(int value, int bits)
{
    int reversed = 0;
    for (int bit = 0; bit < bits; ++bit) {
        reversed = (reversed << 1) | (value & 1);
        value >>= 1;
    }
    return reversed;
}

// The same exchanges as BitReverse for long lines, in an order that stays
// within a few cache-sized tiles at a time. An index is split into high,
// middle and low bits (TileBits each at both ends); its partner has the low
// bits reversed on top, the middle bits reversed in the middle and the high
// bits reversed at the bottom. All indices with middle bits m pair with the
// indices with middle bits reverse(m), so the two tiles are exchanged
// together; within a tile that is its own partner, each pair is exchanged
// once from its lower index. The pairs are disjoint, so the order of the
// exchanges does not change the result.
constexpr int TileBits = 3;

void BitReverseByTiles(int N, Complex* line)
{
    int logN = 0;
    while ((1 << logN) < N)
        ++logN;
    const int middleBits = logN - 2 * TileBits;
    const int highShift = logN - TileBits;
    int reversedEnd[1 << TileBits];
    for (int value = 0; value < (1 << TileBits); ++value)
        reversedEnd[value] = ReverseBits(value, TileBits);
    for (int m = 0; m < (1 << middleBits); ++m) {
        const int partner = ReverseBits(m, middleBits);
        if (partner < m)
            continue;
        for (int high = 0; high < (1 << TileBits); ++high) {
            for (int low = 0; low < (1 << TileBits); ++low) {
                const int i = (high << highShift) | (m << TileBits) | low;
                const int j = (reversedEnd[low] << highShift) | (partner << TileBits) | reversedEnd[high];
                if (partner != m || i < j)
                    std::swap(line[i], line[j]);
            }
        }
    }
}

// The SSE2 path: every x86-64 processor has it, and the 32-bit builds
// require it.
void LineStagesSSE2(Complex* line, int N, const Complex* table, double direction)
{
    AllLineStages<__m128d>(line, N, table, direction);
}

void ColumnStagesSSE2(Complex* panel, int N, int width, const Complex* table, double direction)
{
    ColumnStages<__m128d>(panel, N, width, table, direction);
}

struct PathStages {
    void (*line)(Complex* line, int N, const Complex* table, double direction);
    void (*columns)(Complex* panel, int N, int width, const Complex* table, double direction);
};

const PathStages Paths[FFTPathCount] = {
    {LineStagesSSE2, ColumnStagesSSE2},
#if defined(SPEK_WIDE_PATHS)
    {LineStagesAVX2, ColumnStagesAVX2},
    {LineStagesAVX512, ColumnStagesAVX512},
#else
    {nullptr, nullptr},
    {nullptr, nullptr},
#endif
};

bool ProcessorHas(int path)
{
#if defined(SPEK_WIDE_PATHS)
    if (path == AVX2Path)
        return __builtin_cpu_supports("avx2");
    if (path == AVX512Path)
        return __builtin_cpu_supports("avx512f");
#endif
    return path == SSE2Path;
}

int WidestPath()
{
    int widest = SSE2Path;
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

int PaddedLength(int n)
{
    if (n > MaxPaddedLength)
        return 0;
    int N = 1;
    while (N < n)
        N *= 2;
    return N;
}

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
    if (N >= (1 << (2 * TileBits + 2)))
        BitReverseByTiles(N, line);
    else if (N > 2)
        BitReverse(N, line, 1);
    Stages().line(line, N, table, static_cast<double>(direction));
}

void FFTColumns(int N, const Complex* table, Complex* panel, int width, int direction)
{
    if (width == 1)
        return FFT(N, table, panel, direction);
    if (N > 2)
        BitReverse(N, panel, width);
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

void ClearFFT(Complex* table)
{
    std::free(table);
}
