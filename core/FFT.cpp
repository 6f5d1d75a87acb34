#include "FFT.h"

#include "sincos.h"

#include <cfloat>
#include <cstdint>
#include <cstdlib>
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
    return static_cast<Complex*>(std::malloc(static_cast<std::size_t>(count) * sizeof(Complex)));
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

// Exchanges the samples at i and at the bit-reversed index of i, once per
// pair (from the lower index); 0 and N-1 are fixed points.
void BitReverse(int N, Complex* line)
{
    for (int i = 1; i < N - 1; ++i) {
        int j = 0;
        for (int b = 1, c = N / 2; b <= i; b *= 2, c /= 2) {
            if (i & b)
                j |= c;
        }
        if (i < j)
            std::swap(line[i], line[j]);
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
constexpr int TileBits = 5;

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

// Butterflies within one stage are independent of each other, so they may
// run in any order: every butterfly still combines the same two samples with
// the same twiddle and gives the same bits. The stages therefore run block
// by block (all short stages within one cache-sized block before the next
// block) and each stage group by group, which walks memory in order instead
// of sweeping the whole line once per twiddle.
constexpr int CacheBlockLength = 1 << 12;

// Butterflies (p, p + m) with the twiddle of index k * (N / m), d applied:
// exp(d * pi * i * k / m). The complex product is always formed in full,
// even for the twiddle 1 + 0i, so signed zeros, infinities and NaNs travel
// the same way through every butterfly.
void Butterfly(Complex* line, int p, int m, const Complex& twiddle, double direction)
{
    const double wRe = twiddle.re;
    const double wIm = twiddle.im * direction;
    const Complex a = line[p];
    const Complex b = line[p + m];
    const double tRe = b.re * wRe - b.im * wIm;
    const double tIm = b.re * wIm + b.im * wRe;
    line[p + m] = Complex{a.re - tRe, a.im - tIm};
    line[p] = Complex{a.re + tRe, a.im + tIm};
}

// The stage of half-span m over samples [start, start + length), a multiple
// of 2m: group after group of 2m samples, twiddle index k ascending within.
void StageOverRange(int N, int m, const Complex* table, Complex* line, int start, int length, double direction)
{
    const int step = N / m;
    for (int group = start; group < start + length; group += 2 * m) {
        for (int k = 0; k < m; ++k)
            Butterfly(line, group + k, m, table[k * step], direction);
    }
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
        BitReverse(N, line);
    const double d = static_cast<double>(direction);
    const int block = N < CacheBlockLength ? N : CacheBlockLength;
    for (int start = 0; start < N; start += block) {
        for (int m = 1; m < block; m *= 2)
            StageOverRange(N, m, table, line, start, block, d);
    }
    for (int m = block; m < N; m *= 2)
        StageOverRange(N, m, table, line, 0, N, d);
}

void ClearFFT(Complex* table)
{
    std::free(table);
}
