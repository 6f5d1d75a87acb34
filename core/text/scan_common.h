// Reading the common sample line fast: one or two plain decimals separated
// by spaces or tabs, ending in a newline. Such a line is read as ScanSample
// reads it, with far fewer steps: the digit runs are found sixteen bytes at
// a time (32 with AVX2), sixteen digits are converted in one go (with AVX2,
// all the digits of a number at once, its point left out), and each number is
// rounded by one Eisel-Lemire step (on fast_float's table; its
// compute_float outside the exponents EiselLemireBits takes) or, for fewer
// than 16 digits where both factors are exact, one double operation; a
// plain integer of up to 19 digits is converted to double as it stands.
// A number of more than 19 digits is taken when its first 19 significant
// ones decide its value. The sign, short digit runs and the choice of
// rounding are handled without branches on the value, which random data
// would make coin tosses. Everything else (hexadecimal, inf and nan,
// partial numbers such as "1e+", digit runs that reach past 31 bytes, other
// white space, undecided roundings) is left to ScanSample.
//
// Multi-byte loads are taken as little-endian words (swapped on a big-endian
// processor), so every processor finds the same digits.
//
// Included by scan_common.cpp, built for the build's baseline (SSE2 on
// x86), and on x86-64 by scan_common_avx2.cpp, built with AVX2, BMI1 and
// BMI2: the same reader on the instructions each has. Everything here
// is local to the source that includes it.
#pragma once

#include "text/scan.h"

#include "text/digits.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__AVX2__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
#error "scan_common.h needs double arithmetic that rounds once (on 32-bit x86: -msse2 -mfpmath=sse)"
#endif

namespace {

using Binary64 = fast_float::binary_format<double>;

// A number may start this far into the line at most; with its sign, 32
// bytes of digit search and a five-digit exponent it ends well before
// CommonLineReach.
constexpr std::ptrdiff_t LatestNumberStart = 64;
// Significant digits that a 64-bit mantissa holds exactly.
constexpr int MaxMantissaDigits = 19;
// The distance from the point to the end of a number's digits, and so
// JoinedDigitsValue's, where it has no point.
constexpr int NoPoint = 33;
// Exponent digits read here; longer exponents go to ScanSample.
constexpr int MaxExponentDigits = 5;

constexpr std::uint64_t PowersOfTen[] = {1u,
                                         10u,
                                         100u,
                                         1000u,
                                         10000u,
                                         100000u,
                                         1000000u,
                                         10000000u,
                                         100000000u,
                                         1000000000u,
                                         10000000000u,
                                         100000000000u,
                                         1000000000000u,
                                         10000000000000u,
                                         100000000000000u,
                                         1000000000000000u,
                                         10000000000000000u,
                                         100000000000000000u,
                                         1000000000000000000u,
                                         10000000000000000000u};

bool IsDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

#if defined(__SSE2__)

#if !defined(__AVX2__)
// Bit i set where p[i] is a decimal digit, for p[0..15]: less 128 + '0',
// the digits are the bytes from -128 to -119, and one signed comparison
// finds them.
unsigned SixteenDigitFlags(const char* p)
{
    const __m128i values = _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), _mm_set1_epi8(-80));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpgt_epi8(_mm_set1_epi8(-118), values)));
}
#endif

// The value of the count (0 to 16) digits that end at last (exclusive).
// Reads the sixteen bytes before last; those before the digits count as 0.
std::uint64_t DigitsBeforeValue(const char* last, int count)
{
    // Sixteen bytes from LastBytes + count are 0xff in their last count.
    alignas(16) static constexpr unsigned char LastBytes[32] = {
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff};
    const __m128i taken = _mm_loadu_si128(reinterpret_cast<const __m128i*>(LastBytes + count));
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(last - 16));
    const __m128i digits = _mm_and_si128(_mm_sub_epi8(bytes, _mm_set1_epi8('0')), taken);
    // Joined as in EightDigitsValue: pairs in 16-bit lanes, fours in 32-bit
    // lanes, then the two halves of eight.
    const __m128i tens = _mm_mullo_epi16(_mm_and_si128(digits, _mm_set1_epi16(0xff)), _mm_set1_epi16(10));
    const __m128i pairs = _mm_add_epi16(tens, _mm_srli_epi16(digits, 8));
    const __m128i fours = _mm_madd_epi16(pairs, _mm_set1_epi32(100 | 1 << 16));
    const __m128i fourPairs = _mm_packs_epi32(fours, fours);
    const __m128i eights = _mm_madd_epi16(fourPairs, _mm_set1_epi32(10000 | 1 << 16));
    const auto high = static_cast<std::uint32_t>(_mm_cvtsi128_si32(eights));
    const auto low = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(eights, 4)));
    return std::uint64_t(high) * 100000000 + low;
}

#else

// The eight bytes at p as a word, p[0] in the lowest byte.
std::uint64_t LoadLowByteFirst(const char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = ByteSwapped(word);
    return word;
}

// The value of eight digit values (0 to 9), the first in the lowest byte:
// neighbouring bytes are joined into pairs, pairs into fours, fours into
// the eight, each step one multiplication that leaves no lane overflowing.
std::uint64_t EightDigitsValue(std::uint64_t digits)
{
    const std::uint64_t pairs = (digits * 10 + (digits >> 8)) & 0x00ff00ff00ff00ffu;
    const std::uint64_t fours = (pairs * (100 << 16 | 1) >> 16) & 0x0000ffff0000ffffu;
    return (fours * (std::uint64_t(10000) << 32 | 1)) >> 32;
}

// Bit i set where byte i of word is a decimal digit, for the eight bytes:
// each byte without its top bit is compared with '0' and '9' by an addition
// that sets the top bit when it reaches the bound, and cannot carry into the
// next byte; the top bits are then gathered into the lowest eight bits.
unsigned EightDigitFlags(std::uint64_t word)
{
    constexpr std::uint64_t TopBits = 0x8080808080808080u;
    const std::uint64_t low7 = word & ~TopBits;
    const std::uint64_t atLeastZero = low7 + 0x5050505050505050u; // 0x80 - '0'
    const std::uint64_t aboveNine = low7 + 0x4646464646464646u;   // 0x80 - '9' - 1
    const std::uint64_t digits = atLeastZero & ~aboveNine & ~word & TopBits;
    return static_cast<unsigned>(((digits >> 7) * 0x0102040810204080u) >> 56);
}

unsigned SixteenDigitFlags(const char* p)
{
    return EightDigitFlags(LoadLowByteFirst(p)) | EightDigitFlags(LoadLowByteFirst(p + 8)) << 8;
}

// The value of the count (0 to 8) digits that end at last (exclusive).
std::uint64_t EightDigitsBeforeValue(const char* last, int count)
{
    const std::uint64_t taken = count == 0 ? 0 : ~std::uint64_t(0) << (64 - 8 * count);
    return EightDigitsValue((LoadLowByteFirst(last - 8) ^ 0x3030303030303030u) & taken);
}

std::uint64_t DigitsBeforeValue(const char* last, int count)
{
    const int low = count < 8 ? count : 8;
    return EightDigitsBeforeValue(last - 8, count - low) * 100000000 + EightDigitsBeforeValue(last, low);
}

#endif

#if defined(__AVX2__)

// Bit i set where p[i] is a decimal digit, for p[0..31]: less 128 + '0',
// the digits are the bytes from -128 to -119.
std::uint64_t ThirtyTwoDigitFlags(const char* p)
{
    const __m256i values =
        _mm256_sub_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), _mm256_set1_epi8(-80));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(_mm256_set1_epi8(-118), values)));
}

// The masks of JoinedDigitsValue, in one table so that one address reaches
// both: from ShiftMasks + offset, 32 bytes that are 0xff where offset + i
// lies below 64; from KeptDigitMasks + count, 32 bytes that keep the low four
// bits (the value of a digit character) of the last count bytes.
constexpr int ShiftMasks = 0;
constexpr int KeptDigitMasks = 96;
constexpr int JoinedMaskBytes = 160;

constexpr std::array<unsigned char, JoinedMaskBytes> MakeJoinedMasks()
{
    std::array<unsigned char, JoinedMaskBytes> masks{};
    for (int i = 0; i < 64; ++i)
        masks[ShiftMasks + i] = 0xff;
    for (int i = 32; i < 64; ++i)
        masks[KeptDigitMasks + i] = 0x0f;
    return masks;
}

alignas(32) constexpr std::array<unsigned char, JoinedMaskBytes> JoinedMasks = MakeJoinedMasks();

__m256i JoinedMask(int offset)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(JoinedMasks.data() + offset));
}

// The bytes of whereSet where the top bit of mask is set, else those of
// whereClear: one VPBLENDVB. Written out, as the compiler turns the
// intrinsic into a comparison with zero first.
__m256i BlendBytes(__m256i whereClear, __m256i whereSet, __m256i mask)
{
    __m256i blended;
    __asm__("vpblendvb %3, %2, %1, %0" : "=x"(blended) : "x"(whereClear), "xm"(whereSet), "x"(mask));
    return blended;
}

// Sixteen 16-bit lanes, even and odd ones of one value each, for the
// joining steps below.
struct alignas(32) JoiningFactors {
    std::int16_t lanes[16];
};

constexpr JoiningFactors RepeatedFactors(int even, int odd)
{
    JoiningFactors factors{};
    for (int i = 0; i < 16; ++i)
        factors.lanes[i] = static_cast<std::int16_t>(i % 2 == 0 ? even : odd);
    return factors;
}

// Neighbouring digit values (bytes 0 to 9) joined into pairs in 16-bit
// lanes, pairs into fours in 32-bit lanes, and fours, packed, into eights:
// in each half, the eights of its two halves of sixteen, twice. Written
// out, as g++ loads each factor into a register for every number instead
// of taking it from memory.
__m256i JoinedEights(__m256i digits)
{
    static constexpr JoiningFactors Pairs = RepeatedFactors(10 | 1 << 8, 10 | 1 << 8);
    static constexpr JoiningFactors Fours = RepeatedFactors(100, 1);
    static constexpr JoiningFactors Eights = RepeatedFactors(10000, 1);
    __m256i eights;
    __asm__("vpmaddubsw %1, %2, %0\n\t"
            "vpmaddwd %3, %0, %0\n\t"
            "vpackusdw %0, %0, %0\n\t"
            "vpmaddwd %4, %0, %0"
            : "=&x"(eights)
            : "m"(Pairs), "x"(digits), "m"(Fours), "m"(Eights));
    return eights;
}

// The value of the last count (at most 31) digits before last, where a
// point lies pointFromLast (1 to 32) bytes before last and does not count,
// or pointFromLast is NoPoint where no point lies among them. The value must
// be below 10^19; leading zeros may make count longer than 19. Reads the 33
// bytes before last.
//
// The 32 bytes before last are taken with those at or before the point
// (byte i where i < 33 - pointFromLast) replaced by the byte before each, so
// that the digits run on without the point; only the last count of them
// are kept, as digit values. Neighbouring digits are then joined into
// pairs, pairs into fours and fours into eights, one instruction each for
// all 32. Below 10^19, the first eight of the 32 are zeros and the next
// eight below 1000: the value is those eight times 10^16 and the last
// sixteen, joined from their eights.
[[gnu::always_inline]] inline std::uint64_t JoinedDigitsValue(const char* last, int pointFromLast, int count)
{
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(last - 32));
    const __m256i bytesBefore = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(last - 33));
    const __m256i joined = BlendBytes(bytes, bytesBefore, JoinedMask(ShiftMasks + pointFromLast + 31));
    const __m256i digits = _mm256_and_si256(joined, JoinedMask(KeptDigitMasks + count));
    const __m256i eights = JoinedEights(digits);
    const __m128i lowEights = _mm256_extracti128_si256(eights, 1);
    const auto high = static_cast<std::uint32_t>(_mm256_extract_epi32(eights, 1));
    const auto middle = static_cast<std::uint32_t>(_mm_cvtsi128_si32(lowEights));
    const auto low = static_cast<std::uint32_t>(_mm_extract_epi32(lowEights, 1));
    return high * 10000000000000000u + std::uint64_t{middle} * 100000000 + low;
}

#else

// Bit i set where p[i] is a decimal digit, for p[0..31].
std::uint64_t ThirtyTwoDigitFlags(const char* p)
{
    return SixteenDigitFlags(p) | std::uint64_t{SixteenDigitFlags(p + 16)} << 16;
}

#endif

// The four bytes at p as a word, p[0] in the lowest byte.
std::uint32_t LoadFourLowByteFirst(const char* p)
{
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = static_cast<std::uint32_t>(ByteSwapped(word) >> 32);
    return word;
}

// The value of the count (0 to 4) digits at first, without a branch on the
// count, which varies from number to number: the four bytes that end with
// them, those before them masked out (LastBytes[count] keeps the last count
// bytes of a word whose first byte is the lowest), joined into pairs and
// the pairs into one number (as in EightDigitsValue).
std::uint64_t FewDigitsValue(const char* first, int count)
{
    static constexpr std::uint32_t LastBytes[5] = {0, 0xff000000u, 0xffff0000u, 0xffffff00u, 0xffffffffu};
    const std::uint32_t digits = (LoadFourLowByteFirst(first + count - 4) ^ 0x30303030u) & LastBytes[count];
    const std::uint32_t pairs = (digits * 10 + (digits >> 8)) & 0x00ff00ffu;
    return ((pairs * (1 + (100u << 16))) >> 16) & 0xffffu;
}

// The value of the count (at most 19) digits at first: a few at a time
// when they are few, else the last sixteen at once.
[[gnu::always_inline]] inline std::uint64_t DigitsValue(const char* first, int count)
{
    if (count <= 4)
        return FewDigitsValue(first, count);
    if (count <= 16)
        return DigitsBeforeValue(first + count, count);
    return FewDigitsValue(first, count - 16) * PowersOfTen[16] + DigitsBeforeValue(first + count, 16);
}

// The value of the count (1 to 19) digits at first as a double, rounded to
// the nearest. Up to four digits, from a 32-bit integer: the conversion of
// a 64-bit one tests for values from 2^63 up.
[[gnu::always_inline]] inline double IntegerMagnitude(const char* first, int count)
{
    if (count <= 4)
        return static_cast<double>(static_cast<std::int32_t>(FewDigitsValue(first, count)));
    return static_cast<double>(DigitsValue(first, count));
}

// Decimal places (q = -places) for which EiselLemireBits rounds: there no
// rounding ties occur (the tie test of compute_float starts at 10^-4), and
// w * 10^q for w from 1 to 2^64 is a normal, finite double.
constexpr int EiselLemireFewestPlaces = 5;
constexpr int EiselLemireMostPlaces = 27;

constexpr int MantissaBits = Binary64::mantissa_explicit_bits();

// The low bits of the product's high word that the mantissa taken leaves
// out: the product has its top bit at 63 or 62, and the mantissa is taken
// with one bit more than a double holds (54 bits), which then rounds half
// up.
int DroppedBits(std::uint64_t productHigh)
{
    return static_cast<int>(productHigh >> 63) + 64 - MantissaBits - 3;
}

// For each number of decimal places that EiselLemireBits takes, indexed
// by it: the library's 128-bit power of five of 10^-places, and the binary
// exponent field of w * 10^-places less one for w from 2^63 up, before the
// rounding (one more where the product's top bit is set, one less for each
// leading zero of w). Arrays side by side, so that one base address and the
// number of places reach all three.
struct EiselLemirePowers {
    std::uint64_t high[EiselLemireMostPlaces + 1];
    std::uint64_t low[EiselLemireMostPlaces + 1];
    int exponentField[EiselLemireMostPlaces + 1];
};

EiselLemirePowers MakeEiselLemirePowers()
{
    using fast_float::powers;
    EiselLemirePowers table{};
    for (int places = EiselLemireFewestPlaces; places <= EiselLemireMostPlaces; ++places) {
        const int index = 2 * (-places - powers::smallest_power_of_five);
        table.high[places] = powers::power_of_five_128[index];
        table.low[places] = powers::power_of_five_128[index + 1];
        table.exponentField[places] = fast_float::detail::power(-places) - Binary64::minimum_exponent() - 1;
    }
    return table;
}

// Made when the program starts where the compiler cannot read the
// library's table at compile time.
const EiselLemirePowers EiselLemireTable = MakeEiselLemirePowers();

// The bits of w * 10^-places rounded as fast_float's compute_float rounds it,
// for w from 1 up and places from EiselLemireFewestPlaces to
// EiselLemireMostPlaces (the tools' own output has 16), where the result is
// always a normal double: one Eisel-Lemire step with the library's powers of
// five. compute_float takes the second 64-bit product of w and the power only
// where the first leaves the bits below the rounding all ones, which it does
// for half of all decimals just below a double (every number that printing a
// double rounded down): a branch that no predictor can learn. Here both
// products are always taken. Where compute_float takes only the first, the
// carry from the second reaches no bit that the rounding keeps, so the result
// is the same. The rounded mantissa (2^52 to 2^53, its implicit bit included)
// is added to the exponent field less one: its implicit bit makes up the one,
// and a mantissa rounded up to 2^53 carries into the next exponent. Stores
// the product's high word in *productHighOut.
[[gnu::always_inline]] inline std::uint64_t EiselLemireBits(int places, std::uint64_t w, std::uint64_t* productHighOut)
{
    const auto index = static_cast<std::size_t>(places);
    const int leadingZeros = std::countl_zero(w);
    w <<= leadingZeros;
    const fast_float::value128 product = fast_float::full_multiplication(w, EiselLemireTable.high[index]);
    const std::uint64_t lowerPart = fast_float::full_multiplication(w, EiselLemireTable.low[index]).high;
    const std::uint64_t productHigh = product.high + static_cast<std::uint64_t>(product.low + lowerPart < lowerPart);
    *productHighOut = productHigh;
    const int upperBit = static_cast<int>(productHigh >> 63);
    // 54 bits, rounded half up to 53 (an even one rounds down either way).
    const std::uint64_t taken = productHigh >> DroppedBits(productHigh);
    const std::uint64_t mantissa = (taken + 1) >> 1;
    return (static_cast<std::uint64_t>(EiselLemireTable.exponentField[index] + upperBit - leadingZeros)
            << MantissaBits) +
           mantissa;
}

// mantissa * 10^exponent correctly rounded, as ScanSample gives it: by one
// double operation where both factors are exact (Clinger), else by
// Eisel-Lemire. Returns false where that cannot decide. Numbers of 16 or
// more digits take Eisel-Lemire always (fewer are below 2^53, more may or
// may not be): a choice by the value would be a coin toss for the branch
// predictor. Where productHigh is given and an Eisel-Lemire step is made,
// stores there the high word of its product (else leaves it alone).
[[gnu::always_inline]] inline bool RoundDecimal(std::uint64_t mantissa, int exponent, int digitCount, double* value,
                                                std::uint64_t* productHigh = nullptr)
{
    if (digitCount < 16 && mantissa <= Binary64::max_mantissa_fast_path() &&
        exponent >= Binary64::min_exponent_fast_path() && exponent <= Binary64::max_exponent_fast_path()) {
        const double scaled = static_cast<double>(mantissa);
        const double scale = Binary64::exact_power_of_ten(exponent < 0 ? -exponent : exponent);
        *value = exponent < 0 ? scaled / scale : scaled * scale;
        return true;
    }
    if (-exponent >= EiselLemireFewestPlaces && -exponent <= EiselLemireMostPlaces && mantissa != 0) {
        std::uint64_t unused;
        *value =
            std::bit_cast<double>(EiselLemireBits(-exponent, mantissa, productHigh != nullptr ? productHigh : &unused));
        return true;
    }
    const fast_float::adjusted_mantissa rounded = fast_float::compute_float<Binary64>(exponent, mantissa);
    if (rounded.power2 < 0)
        return false;
    // The double's bits put together as fast_float's to_float does, but in
    // a register: through memory, the value would wait for a store.
    *value = std::bit_cast<double>(rounded.mantissa | static_cast<std::uint64_t>(rounded.power2) << MantissaBits);
    return true;
}

// The value of all the digits of a number of at most 19 digits at p:
// integerDigits, the point, then fractionDigits that end at end, the point
// left out.
[[gnu::always_inline]] inline std::uint64_t AllDigitsValue([[maybe_unused]] const char* p, int integerDigits,
                                                           int fractionDigits, const char* end)
{
#if defined(__AVX2__)
    return JoinedDigitsValue(end, 1 + fractionDigits, integerDigits + fractionDigits);
#else
    return DigitsValue(p, integerDigits) * PowersOfTen[fractionDigits] +
           DigitsValue(end - fractionDigits, fractionDigits);
#endif
}

// A decimal as mantissa * 10^exponent, whether digits were left out of the
// mantissa, and whether it was read at all. LeadingDigits returns it by
// value, in two registers, so that nothing of it has to live in memory.
struct KeptDigits {
    std::uint64_t mantissa;
    int exponent;
    bool truncated;
    bool read;
};

#if defined(__AVX2__)

// The leading zeros of the digits from p to end, the point (if any) not
// counted. Out of line: only numbers of more than 19 digits that start with
// a zero or a point ask for it.
[[gnu::noinline]] int LeadingZeros(const char* p, const char* end)
{
    int zeros = 0;
    for (; p < end && (*p == '0' || *p == '.'); ++p)
        zeros += *p == '0';
    return zeros;
}

// The digits of the number at p (integerDigits, then the point and
// fractionDigits where there is a point, ending at end, before any
// exponent; fromPoint bytes from the point to end, or NoPoint) as
// mantissa * 10^exponent: all of them, or the first 19 significant ones of
// a longer number, which then lies in [w, w + 1) times their power of ten.
// Not read when the digits left out would not all be the fraction's. All of
// them are converted in one go, with or without leading zeros, whatever the
// length: only a number of more than 19 digits looks for the leading zeros
// of the first 19, and only where it starts with a zero or a point.
[[gnu::always_inline]] inline bool KeepDigits(const char* p, int integerDigits, int fractionDigits, int fromPoint,
                                              const char* end, KeptDigits* kept)
{
    const int digitCount = integerDigits + fractionDigits;
    int leftOut = 0;
    if (digitCount > MaxMantissaDigits) {
        const bool leadingZeros = *p == '0' || *p == '.';
        leftOut = std::max(digitCount - (leadingZeros ? LeadingZeros(p, end) : 0) - MaxMantissaDigits, 0);
        if (leftOut > fractionDigits)
            return false;
    }
    const int pointFromLast = fromPoint - leftOut;
    *kept = KeptDigits{JoinedDigitsValue(end - leftOut, pointFromLast, digitCount - leftOut), leftOut - fractionDigits,
                       leftOut > 0, true};
    return true;
}

#else

// The first 19 significant digits of a number of more than 19 digits, from
// p to end (before any exponent). Without an integer part (or with just
// "0") the fraction's leading zeros are skipped; other leading zeros and
// more than 19 integer digits are left to ScanSample (not read).
[[gnu::noinline]] KeptDigits LeadingDigits(const char* p, int integerDigits, const char* end)
{
    const bool noInteger = integerDigits == 0 || (integerDigits == 1 && *p == '0');
    if (integerDigits > MaxMantissaDigits || (*p == '0' && !noInteger))
        return KeptDigits{0, 0, false, false};
    const char* first = p;
    int integerKept = integerDigits;
    if (noInteger) {
        first = p + integerDigits + 1;
        while (first < end && *first == '0')
            ++first;
        integerKept = 0;
    }
    const int fractionDigits = static_cast<int>(end - (p + integerDigits + 1));
    const int significant = static_cast<int>(end - first) - (integerKept > 0);
    const int kept = significant < MaxMantissaDigits ? significant : MaxMantissaDigits;
    const int fractionKept = kept - integerKept;
    const char* fraction = integerKept > 0 ? p + integerDigits + 1 : first;
    return KeptDigits{DigitsValue(first, integerKept) * PowersOfTen[fractionKept] + DigitsValue(fraction, fractionKept),
                      -fractionDigits + (significant - kept), significant > kept, true};
}

// The digits of the number at p (integerDigits, then the point and
// fractionDigits where there is a point, ending at end, before any
// exponent) as mantissa * 10^exponent: all of them, or the first 19
// significant ones of a longer number, which then lies in [w, w + 1) times
// their power of ten. With an integer part that starts with 1 to 9 and has
// at most 19 digits, they are those of the integer part and the fraction's
// first, taken the same way as all the digits of a shorter number: no
// branch on the length, which varies at random (the tools' own output has
// 20 digits from 1000 up). LeadingDigits finds them after the leading zeros
// of a fraction.
[[gnu::always_inline]] inline bool KeepDigits(const char* p, int integerDigits, int fractionDigits,
                                              [[maybe_unused]] int fromPoint, const char* end, KeptDigits* kept)
{
    if (integerDigits + fractionDigits > MaxMantissaDigits &&
        (*p == '0' || *p == '.' || integerDigits > MaxMantissaDigits)) {
        *kept = LeadingDigits(p, integerDigits, end);
        return kept->read;
    }
    const int fractionKept = std::min(fractionDigits, MaxMantissaDigits - integerDigits);
    *kept = KeptDigits{AllDigitsValue(p, integerDigits, fractionKept, p + integerDigits + 1 + fractionKept),
                       -fractionKept, fractionKept < fractionDigits, true};
    return true;
}

#endif

// True when (w + 1) * 10^q is seen to round as w * 10^q does, where
// EiselLemireBits rounded w with the product productHigh (0 where it did
// not round it). One more unit of w, shifted as far (unless w + 1 is a
// power of two), makes a product larger by at most 2^leadingZeros in its
// high word, less than 2^dropped: the mantissa taken grows by one at most,
// and not at all where the dropped bits have room for that. Nor does the
// rounding change where the mantissa taken is odd (its last bit rounds up
// either way), unless one more would carry out of its top. Numbers printed
// from a double and cut short lie just below it: their mantissa taken is
// odd.
bool NextRoundsAlike(std::uint64_t w, std::uint64_t productHigh)
{
    const int leadingZeros = std::countl_zero(w);
    if (productHigh == 0 || std::countl_zero(w + 1) != leadingZeros)
        return false;
    const int dropped = DroppedBits(productHigh);
    const std::uint64_t droppedBits = productHigh & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t taken = productHigh >> dropped;
    return droppedBits + (std::uint64_t{1} << leadingZeros) < std::uint64_t{1} << dropped ||
           ((taken & 1) != 0 && taken != (std::uint64_t{1} << (MantissaBits + 2)) - 1);
}

// True when mantissa * 10^exponent rounds to the same double as value:
// where it does for the end of [w, w + 1) too, every number in it does.
[[gnu::noinline]] bool RoundsAlike(std::uint64_t mantissa, int exponent, double value)
{
    double other;
    return RoundDecimal(mantissa, exponent, MaxMantissaDigits, &other) &&
           std::bit_cast<std::uint64_t>(other) == std::bit_cast<std::uint64_t>(value);
}

// *magnitude for a number whose digits after the first 19 were left out:
// mantissa * 10^exponent rounded, where every number in [mantissa,
// mantissa + 1) times 10^exponent rounds the same. Out of line, for the
// long numbers only.
[[gnu::noinline]] bool RoundTruncated(std::uint64_t mantissa, int exponent, double* magnitude)
{
    std::uint64_t productHigh = 0;
    return RoundDecimal(mantissa, exponent, MaxMantissaDigits, magnitude, &productHigh) &&
           (NextRoundsAlike(mantissa, productHigh) || RoundsAlike(mantissa + 1, exponent, *magnitude));
}

// magnitude with the sign bit set where negative, without a branch: signs
// come at random.
double WithSign(double magnitude, bool negative)
{
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) | std::uint64_t{negative} << 63);
}

// Reads "[+-]digits[.digits][(e|E)[+-]digits]" at p, shorter than 31 bytes
// after the sign and before the exponent, with at least one digit, at most
// 19 or a first 19 (without leading zeros) that decide the value, and at
// most five exponent digits.
// Stores the value and returns the end of the number, or nullptr for any
// other form. Reads up to 33 bytes from p and 32 before it.
[[gnu::always_inline]] inline const char* ScanCommonNumber(const char* p, double* value)
{
    // The digits are classified from the sign on, so that finding them does
    // not wait for the test of the sign. The flags then start after it: the
    // first 31 of them count, and a run that reaches the 31st is refused.
    const char first = *p;
    const bool negative = first == '-';
    const int signLength = first == '-' || first == '+' ? 1 : 0;
    const std::uint64_t nonDigits = ~ThirtyTwoDigitFlags(p) >> signLength;
    p += signLength;
    const int integerDigits = std::countr_zero(nonDigits);
    const char* end = p + integerDigits;
    int fractionDigits = 0;
    int fromPoint = NoPoint;
    if (*end == '.') {
        const std::uint64_t fractionNonDigits = nonDigits >> (integerDigits + 1);
        // The top 32 bits of nonDigits are set, and integerDigits is at
        // most 31: the fraction's run ends somewhere.
        if (fractionNonDigits == 0)
            __builtin_unreachable();
        fractionDigits = std::countr_zero(fractionNonDigits);
        fromPoint = 1 + fractionDigits;
        end += fromPoint;
        // The common decimal: at most 19 digits, enough of them after the
        // point for one Eisel-Lemire step, and no exponent after them.
        const int digitCount = integerDigits + fractionDigits;
        if (digitCount <= MaxMantissaDigits && fractionDigits >= EiselLemireFewestPlaces &&
            static_cast<unsigned char>(*end) <= ' ') {
            const std::uint64_t mantissa = AllDigitsValue(p, integerDigits, fractionDigits, end);
            if (mantissa != 0) {
                std::uint64_t unused;
                *value = WithSign(std::bit_cast<double>(EiselLemireBits(fractionDigits, mantissa, &unused)), negative);
                return end;
            }
        }
        // At least one digit, and a run that ends before the end of the 31
        // flags (a run that reaches it may go on beyond them).
        if (static_cast<unsigned>(digitCount - 1) >= 29)
            return nullptr;
    } else if (static_cast<unsigned>(integerDigits - 1) < MaxMantissaDigits &&
               static_cast<unsigned char>(*end) <= ' ') {
        // An integer of 1 to 19 digits, followed by a blank or the line's
        // end (no point, exponent or x), fits a 64-bit word, and converting
        // that to double rounds it to the nearest (ties to even), as
        // reading it must.
        *value = WithSign(IntegerMagnitude(p, integerDigits), negative);
        return end;
    } else if (static_cast<unsigned>(integerDigits - 1) >= 30) { // as above, without a point
        return nullptr;
    }
    const int digitCount = integerDigits + fractionDigits;
    KeptDigits digitsKept;
    if (!KeepDigits(p, integerDigits, fractionDigits, fromPoint, end, &digitsKept))
        return nullptr;
    const std::uint64_t mantissa = digitsKept.mantissa;
    int exponent = digitsKept.exponent;
    // Blanks, newlines and carriage returns, the bytes up to the space,
    // are neither an exponent nor the x of hexadecimal.
    if (static_cast<unsigned char>(*end) > ' ') {
        char after = static_cast<char>(*end | 0x20);
        if (after == 'e') {
            const char* e = end + 1;
            const bool negativeExponent = *e == '-';
            if (*e == '-' || *e == '+')
                ++e;
            const char* const exponentDigits = e;
            int written = 0;
            for (; IsDigit(*e) && e - exponentDigits < MaxExponentDigits; ++e)
                written = written * 10 + (*e - '0');
            if (e == exponentDigits || IsDigit(*e))
                return nullptr;
            exponent += negativeExponent ? -written : written;
            end = e;
            after = static_cast<char>(*end | 0x20);
        }
        if (after == 'x') // "0x" would be hexadecimal
            return nullptr;
    }
    double magnitude;
    if (!(digitsKept.truncated ? RoundTruncated(mantissa, exponent, &magnitude)
                               : RoundDecimal(mantissa, exponent, digitCount, &magnitude)))
        return nullptr;
    *value = WithSign(magnitude, negative);
    return end;
}

// The first byte from p on that is not a blank, or the latest start of a
// number in the line. A number usually comes at once: one test of its
// first byte finds it.
const char* SkipBlanks(const char* p, const char* line)
{
    if (static_cast<unsigned char>(*p) > ' ')
        return p;
    const char* const limit = line + LatestNumberStart;
    while (p < limit && IsBlank(*p))
        ++p;
    return p;
}

// The end of the line when p is at its newline (LF or CR LF), else nullptr.
const char* AfterNewline(const char* p)
{
    if (p[0] == '\n')
        return p + 1;
    return p[0] == '\r' && p[1] == '\n' ? p + 2 : nullptr;
}

// ScanCommonSampleLine, built into the loop over lines that calls it.
[[gnu::always_inline]] inline const char* ScanLine(const char* line, int* count, double* re, double* im)
{
    const char* p = ScanCommonNumber(SkipBlanks(line, line), re);
    if (p == nullptr)
        return nullptr;
    *count = 1;
    if (!IsBlank(*p))
        return AfterNewline(p);
    const char* const second = SkipBlanks(p + 1, line);
    p = ScanCommonNumber(second, im);
    if (p == nullptr) // one number and blanks, or not a common line
        return AfterNewline(second);
    *count = 2;
    if (*p == '\n')
        return p + 1;
    const void* newline = std::memchr(p, '\n', static_cast<std::size_t>(line + CommonLineReach - p));
    return newline != nullptr ? static_cast<const char*>(newline) + 1 : nullptr;
}

// ScanCommonSampleLines: reads common sample lines from *line on, for as
// long as there is one and it starts at lastStart at the latest.
inline int ScanLines(const char** line, const char* lastStart, Complex* samples, int count, const char** lastLine)
{
    const char* next = *line;
    const char* last = *lastLine;
    int read = 0;
    for (; read < count && next <= lastStart; ++read) {
        int numbers = 0;
        double re = 0.0;
        double im = 0.0;
        const char* const end = ScanLine(next, &numbers, &re, &im);
        if (end == nullptr)
            break;
        samples[read] = Complex{re, numbers == 2 ? im : 0.0};
        last = next;
        next = end;
    }
    *line = next;
    *lastLine = last;
    return read;
}

} // namespace
