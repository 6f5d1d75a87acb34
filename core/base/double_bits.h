// The fields of a double's 64 bits (IEEE binary64), for the code that reads,
// prints and computes doubles bit by bit.
#pragma once

#include <cstdint>

inline constexpr std::uint64_t SignBit = 0x8000000000000000u;
inline constexpr std::uint64_t FractionField = (std::uint64_t{1} << 52) - 1;
// The leading 1 of every normal double's significand, which its bits leave out.
inline constexpr std::uint64_t ImplicitBit = std::uint64_t{1} << 52;
inline constexpr int ExponentBias = 1023;
inline constexpr std::uint64_t InfinityBits = 0x7ff0000000000000u;
// The NaN an invalid operation gives, and what "nan" reads as.
inline constexpr std::uint64_t DefaultNanBits = 0x7ff8000000000000u;

// The biased exponent field: 0 for zeros and subnormals, 2047 for
// infinities and NaNs.
constexpr int BiasedExponent(std::uint64_t bits)
{
    return static_cast<int>(bits >> 52) & 0x7ff;
}
