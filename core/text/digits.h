// Decimal digits as text for printing (print.cpp), in plain C++ for every
// processor. Each digit is placed in a 64-bit word by arithmetic, and the
// word is stored with its bytes in an explicit order (lowest byte first), so
// the same text comes out on little- and big-endian machines alike.
//
// print.cpp prints sixteen fraction digits with StoreSixteenDigits, or on
// x86 with StoreSixteenDigitsSSE2 (text_sse2.h), and the fractions of a
// whole line from groups of four digits (StoreFourDigitGroups), on x86 from
// halves of eight (CharactersOfEightsSSE2); the tests hold each against a
// conversion digit by digit.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// word with its bytes in the opposite order.
inline std::uint64_t ByteSwapped(std::uint64_t word)
{
    word = (word & 0x00ff00ff00ff00ffu) << 8 | ((word >> 8) & 0x00ff00ff00ff00ffu);
    word = (word & 0x0000ffff0000ffffu) << 16 | ((word >> 16) & 0x0000ffff0000ffffu);
    return word << 32 | word >> 32;
}

// Stores the eight bytes of word at out, its lowest byte first: as it lies
// in memory on a little-endian processor, swapped on a big-endian one (one
// byte-reversed store where the processor has it).
inline void StoreLowByteFirst(char* out, std::uint64_t word)
{
    static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);
    if constexpr (std::endian::native == std::endian::big)
        word = ByteSwapped(word);
    std::memcpy(out, &word, sizeof word);
}

// The digits of two numbers below 10^4, one in each 32-bit half of halves,
// as byte values: four digits per half, the first digit in the lowest byte
// of its half. Each half is split into two pairs in 16-bit lanes, each
// pair into two digits in bytes. Multiplying by 10486 / 2^20 divides any
// number below 10^4 by 100, and by 103 / 2^10 any number below 100 by 10,
// rounded down; no lane overflows into the next, and the masks drop what a
// shift brings in from the lane above.
inline std::uint64_t DigitValuesOfHalves(std::uint64_t halves)
{
    const std::uint64_t highPairs = ((halves * 10486) >> 20) & 0x0000007f0000007fu;
    const std::uint64_t pairs = highPairs | (halves - highPairs * 100) << 16;
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000f000f000f000fu;
    return tens | (pairs - tens * 10) << 8;
}

// Two numbers below 10^4 as the halves DigitValuesOfHalves takes.
inline std::uint64_t Halves(std::uint32_t first, std::uint32_t second)
{
    return first | std::uint64_t{second} << 32;
}

// The eight digits of value (below 10^8) as byte values, the first digit
// in the lowest byte: its two halves of four digits.
inline std::uint64_t EightDigitValues(std::uint32_t value)
{
    return DigitValuesOfHalves(Halves(value / 10000, value % 10000));
}

// Adding this to digit values makes them the characters '0' to '9'.
constexpr std::uint64_t EightZeroCharacters = 0x3030303030303030u;

// Writes the sixteen digits of value (below 10^16), leading zeros
// included, to out[0..15]: each half of eight digits as one word.
inline void StoreSixteenDigits(char* out, std::uint64_t value)
{
    const auto high = static_cast<std::uint32_t>(value / 100000000);
    const auto low = static_cast<std::uint32_t>(value % 100000000);
    StoreLowByteFirst(out, EightDigitValues(high) + EightZeroCharacters);
    StoreLowByteFirst(out + 8, EightDigitValues(low) + EightZeroCharacters);
}

// Four numbers below 10^4: sixteen digits in groups of four, the first
// group first.
struct FourDigitGroups {
    std::uint32_t first, second, third, fourth;
};

// Writes the sixteen digits of groups, leading zeros included, to
// out[0..15].
inline void StoreFourDigitGroups(char* out, const FourDigitGroups& groups)
{
    StoreLowByteFirst(out, DigitValuesOfHalves(Halves(groups.first, groups.second)) + EightZeroCharacters);
    StoreLowByteFirst(out + 8, DigitValuesOfHalves(Halves(groups.third, groups.fourth)) + EightZeroCharacters);
}

} // namespace
