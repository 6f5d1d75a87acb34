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

// One stage of half-span m: every twiddle is read once and serves all the
// butterflies (p, p + m) that use it. The complex product is always formed
// in full, even for the twiddle 1 + 0i, so signed zeros, infinities and NaNs
// travel the same way through every butterfly.
void ButterflyStage(int N, int m, const Complex* table, Complex* line, double direction)
{
    const int step = N / m;
    for (int k = 0; k < m; ++k) {
        const double wRe = table[k * step].re;
        const double wIm = table[k * step].im * direction;
        for (int p = k; p < N; p += 2 * m) {
            const Complex a = line[p];
            const Complex b = line[p + m];
            const double tRe = b.re * wRe - b.im * wIm;
            const double tIm = b.re * wIm + b.im * wRe;
            line[p + m] = Complex{a.re - tRe, a.im - tIm};
            line[p] = Complex{a.re + tRe, a.im + tIm};
        }
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
    for (int m = 1; m < N; m *= 2)
        ButterflyStage(N, m, table, line, static_cast<double>(direction));
}

void ClearFFT(Complex* table)
{
    std::free(table);
}
