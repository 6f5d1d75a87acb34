// A complex sample, and the padded extents of the data the tools hold.
#pragma once

#include <bit>

// One sample: the real part, then the imaginary part. Lines, twiddle tables
// and sample blocks are contiguous arrays of them.
struct Complex {
    double re;
    double im;
};

static_assert(sizeof(Complex) == 16, "a sample is two adjacent doubles");

// Largest padded extent: 2^30, the largest power of two an int holds.
inline constexpr int MaxPaddedLength = 1 << 30;

// The padded length for a requested length n: 1 for n < 2, otherwise the
// smallest power of two >= n; 0 for n above MaxPaddedLength.
constexpr int PaddedLength(int n)
{
    if (n > MaxPaddedLength)
        return 0;
    return n < 2 ? 1 : static_cast<int>(std::bit_ceil(static_cast<unsigned>(n)));
}
