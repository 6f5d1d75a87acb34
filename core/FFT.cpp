#include "FFT.h"

#include "sincos.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

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
    if (N > 2)
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
