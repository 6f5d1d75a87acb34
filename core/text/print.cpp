// Printing numbers as text, with the exact behaviour of glibc's
// printf("%18.16lf"), written out here so that every build (Linux on every
// processor, Windows) prints the same bytes.
#include "text/print.h"

#include "base/double_bits.h"
// Digits are printed eight at a time as one word stored in explicit byte
// order (digits.h), and the fraction's sixteen with SSE2 on x86.
#include "text/digits.h"
#if defined(__SSE2__)
#include "text/text_sse2.h"
#endif

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// ---- "%18.16lf" ------------------------------------------------------------
//
// glibc prints the exact binary value rounded to 16 decimals, ties to even.
// Below 2^64 that is done here in integers: the integer digits directly, the
// fraction as fractionBits * 10^16 / 2^shift in 128 bits. Larger values
// have no fraction bits and go to std::to_chars, which is exact too.
//
// The common case, a value from 2^-12 up to 2^26 in magnitude, takes one
// 64-bit product for the fraction, and two 64-bit words (one SSE2 vector on
// x86) for its sixteen digits. What only other values need is kept out of
// line ([[gnu::noinline]]), so that the common case saves no registers for
// it: that alone makes it a third faster.

constexpr int FractionDigits = 16;
constexpr int FieldWidth = 18;
constexpr std::uint64_t FractionScale = 10000000000000000u; // 10^16
// Lines of values below this in magnitude (67108864: integer parts of at
// most eight digits) take a path of their own (PrintFixed16Line).
constexpr double LineLimit = 0x1p26;

struct DigitPairs {
    char text[200];
};

constexpr DigitPairs MakeDigitPairs()
{
    DigitPairs pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs.text[2 * i] = static_cast<char>('0' + i / 10);
        pairs.text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}

constexpr DigitPairs Pairs = MakeDigitPairs();

// Writes the sixteen digits of value (below 10^16), leading zeros
// included, and returns their end.
char* WriteSixteenDigits(char* out, std::uint64_t value)
{
#if defined(__SSE2__)
    StoreSixteenDigitsSSE2(out, value);
#else
    StoreSixteenDigits(out, value);
#endif
    return out + 16;
}

// Writes value (below 10^8) without leading zeros ("0" for zero). Stores
// eight bytes at out, of which only the digits count: the leading zeros
// are the low zero bytes of the word, shifted out.
char* WriteShortUnsigned(char* out, std::uint32_t value)
{
    const std::uint64_t digits = EightDigitValues(value);
    const int leadingZeros = digits == 0 ? 7 : std::countr_zero(digits) / 8;
    StoreLowByteFirst(out, (digits + EightZeroCharacters) >> (8 * leadingZeros));
    return out + 8 - leadingZeros;
}

// Writes value in decimal without leading zeros ("0" for zero).
[[gnu::noinline]] char* WriteUnsigned(char* out, std::uint64_t value)
{
    char digits[20];
    char* start = digits + sizeof digits;
    while (value >= 100) {
        start -= 2;
        std::memcpy(start, Pairs.text + 2 * (value % 100), 2);
        value /= 100;
    }
    if (value >= 10) {
        start -= 2;
        std::memcpy(start, Pairs.text + 2 * value, 2);
    } else {
        *--start = static_cast<char>('0' + value);
    }
    const std::size_t length = static_cast<std::size_t>(digits + sizeof digits - start);
    std::memcpy(out, start, length);
    return out + length;
}

// A 128-bit product as two halves.
struct Product128 {
    std::uint64_t high;
    std::uint64_t low;
};

// RoundedFraction: the 16 fraction digits of fractionBits * 2^-shift
// (fractionBits < 2^53, shift > 0), rounded half to even; 10^16 means the
// fraction rounds up to 1.
#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 UInt128;

// 64 x 64 -> 128 bit product as two halves.
Product128 Multiply64(std::uint64_t a, std::uint64_t b)
{
    const UInt128 product = static_cast<UInt128>(a) * b;
    return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
}

[[gnu::noinline]] std::uint64_t RoundedFraction(std::uint64_t fractionBits, int shift)
{
    if (shift > 107) // fractionBits * 10^16 < 2^107: below half a unit
        return 0;
    const UInt128 product = static_cast<UInt128>(fractionBits) * FractionScale;
    const std::uint64_t kept = static_cast<std::uint64_t>(product >> shift);
    const UInt128 rest = product & ((static_cast<UInt128>(1) << shift) - 1);
    const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
    // Up when above half, or at half with kept odd: ties to even.
    return kept + (rest + (kept & 1) > half ? 1 : 0);
}
#else
// 64 x 64 -> 128 bit product as two halves.
Product128 Multiply64(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t aLow = a & 0xffffffffu, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xffffffffu, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xffffffffu) + (highLow & 0xffffffffu);
    return {aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & 0xffffffffu)};
}

// Bit number bit of the 128-bit value (high, low).
bool BitAt(std::uint64_t high, std::uint64_t low, int bit)
{
    return ((bit < 64 ? low >> bit : high >> (bit - 64)) & 1) != 0;
}

// True when any bit below number bit of (high, low) is set.
bool AnyBitBelow(std::uint64_t high, std::uint64_t low, int bit)
{
    if (bit <= 64)
        return bit == 64 ? low != 0 : (low & ((std::uint64_t(1) << bit) - 1)) != 0;
    return low != 0 || (high & ((std::uint64_t(1) << (bit - 64)) - 1)) != 0;
}

[[gnu::noinline]] std::uint64_t RoundedFraction(std::uint64_t fractionBits, int shift)
{
    if (shift > 107) // fractionBits * 10^16 < 2^107: below half a unit
        return 0;
    const auto [high, low] = Multiply64(fractionBits, FractionScale);
    const std::uint64_t kept = shift < 64 ? (high << (64 - shift)) | (low >> shift)
                               : shift == 64 ? high
                                             : high >> (shift - 64);
    const bool roundBit = BitAt(high, low, shift - 1);
    const bool roundUp = roundBit && (AnyBitBelow(high, low, shift - 1) || (kept & 1) != 0);
    return kept + (roundUp ? 1 : 0);
}
#endif

// The 16 fraction digits of fraction * 2^-64, rounded half to even; 10^16
// means the fraction rounds up to 1. The same as RoundedFraction with
// shift 64, in fewer steps.
std::uint64_t RoundedFraction64(std::uint64_t fraction)
{
    const auto [kept, rest] = Multiply64(fraction, FractionScale);
    // Up when rest is half or more (its top bit) and either above half (more
    // bits) or kept odd; in arithmetic, since the rounding is a coin toss
    // that a branch would mispredict half the time.
    const auto aboveHalf = static_cast<std::uint64_t>((rest << 1) != 0);
    return kept + ((rest >> 63) & (aboveHalf | (kept & 1)));
}

char* WriteRightAligned(char* out, const char* text)
{
    const std::size_t length = std::strlen(text);
    std::memset(out, ' ', FieldWidth - length);
    std::memcpy(out + FieldWidth - length, text, length);
    return out + FieldWidth;
}

char* PrintNonFinite(char* out, bool negative, bool isNan)
{
    if (isNan)
        return WriteRightAligned(out, negative ? "-nan" : "nan");
    return WriteRightAligned(out, negative ? "-inf" : "inf");
}

// The integer part and the 16 fraction digits of a value; a fraction that
// rounds up to 1 is carried into the integer.
struct FixedParts {
    std::uint64_t integer;
    std::uint64_t fraction;
};

FixedParts WithCarry(std::uint64_t integer, std::uint64_t fraction)
{
    if (fraction == FractionScale)
        return {integer + 1, 0};
    return {integer, fraction};
}

// mantissa * 2^-shift for shift from 1 to 64: the fraction bits fit one
// 64-bit word, left-aligned.
FixedParts PartsOfShortFraction(std::uint64_t mantissa, int shift)
{
    return WithCarry(mantissa >> (shift - 1) >> 1, RoundedFraction64(mantissa << (64 - shift)));
}

// Writes '-' for a negative value. The sign is stored either way and kept
// only for a negative value: random signs cost no mispredicted branch.
char* WriteSign(char* out, bool negative)
{
    *out = '-';
    return out + (negative ? 1 : 0);
}

// |value| < 2^-55, zero included: below half of the 16th decimal (5e-17),
// so it prints as zero, with the sign of the value.
char* PrintZero(char* out, bool negative)
{
    out = WriteSign(out, negative);
    std::memcpy(out, "0.0000000000000000", 18);
    return out + 18;
}

// The sign, an integer part below 10^8 and the 16 fraction digits.
char* WriteShortFixed(char* out, bool negative, const FixedParts& parts)
{
    out = WriteSign(out, negative);
    if (parts.integer < 10)
        *out++ = static_cast<char>('0' + parts.integer);
    else
        out = WriteShortUnsigned(out, static_cast<std::uint32_t>(parts.integer));
    *out++ = '.';
    return WriteSixteenDigits(out, parts.fraction);
}

// 2^-12 <= |value| < 2^26, the common case: value = mantissa * 2^-shift
// with shift from 27 to 64, and the integer has at most eight digits.
// Calls nothing out of line.
char* PrintCommon(char* out, bool negative, std::uint64_t mantissa, int shift)
{
    return WriteShortFixed(out, negative, PartsOfShortFraction(mantissa, shift));
}

// |value| < 2^64: integer and rounded fraction in 64-bit integers.
char* PrintBelowTwoToThe64(char* out, bool negative, std::uint64_t mantissa, int exponent)
{
    // value = mantissa * 2^(exponent - 52)
    const int shift = 52 - exponent;
    const FixedParts parts = shift <= 0    ? FixedParts{mantissa << -shift, 0}
                             : shift <= 64 ? PartsOfShortFraction(mantissa, shift)
                                           : WithCarry(0, RoundedFraction(mantissa, shift));
    if (parts.integer < 100000000)
        return WriteShortFixed(out, negative, parts);
    out = WriteSign(out, negative);
    out = WriteUnsigned(out, parts.integer);
    *out++ = '.';
    return WriteSixteenDigits(out, parts.fraction);
}

// Every value but the common case: zero and the smallest values, values
// of 2^26 and up, and those that are not numbers. Out of line, so that the
// common case saves only the one register it needs itself.
[[gnu::noinline]] char* PrintUncommon(char* out, double value)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits & SignBit) != 0;
    const int biasedExponent = BiasedExponent(bits);
    const std::uint64_t fractionField = bits & FractionField;
    if (biasedExponent == 0x7ff)
        return PrintNonFinite(out, negative, fractionField != 0);
    if (biasedExponent >= ExponentBias + 64) // only integer digits: exact and rare
        return std::to_chars(out, out + MaxFixed16Length, value, std::chars_format::fixed, FractionDigits).ptr;
    if (biasedExponent < ExponentBias - 55)
        return PrintZero(out, negative);
    return PrintBelowTwoToThe64(out, negative, fractionField | ImplicitBit, biasedExponent - ExponentBias);
}

// ---- A sample line ------------------------------------------------------
//
// Lines of two values below 2^26 in magnitude, zero and the smallest values
// included, are printed in one pass: the integer parts from tables of the
// texts below 10^4 (and of thousands), and the 32 fraction digits of the
// line together (in one vector on x86). Other lines, and the few whose
// rounding is not decided here, are printed value by value, out of line.
//
// A fraction comes in units of 2^-63, rounded down: exact from 2^-11 up,
// and short of the value by less than 2^-63 below. Its sixteen digits come
// in two halves of eight, from two products by 10^8 each of whose high
// word is a half and low word the rest: together exactly the digits of the
// fraction in units of 2^-63 times 10^16, and a last rest that rounds the
// last half. A rounding that carries out of the last half (the digits end
// in eight nines and round up) is left to the value-by-value path.

// The last rest (in units of 2^-64 of the last digit) from which the line
// is left to the value-by-value path: 1/2 - 2^-9 to 1/2, that is, rest - 1
// from 2^63 - 2^55 up to 2^63 - 1: its top nine bits 0xff. The digits
// come from a fraction short of the value by less than 2^-63, that is, by
// less than 10^16 * 2^-63 (0.0011) of the last digit; so where the rest is
// 1/2 - 2^-9 or below, the value is below half a digit too, and where it is
// above 1/2 the value is above half a digit. In between the value may be
// at half a digit or above it, and an exact tie rounds to even.
bool IsUndecidedRest(std::uint64_t rest)
{
    return (rest - 1) >> 55 == 0xff;
}

// The 16 fraction digits of a value as two numbers of eight digits.
struct EightDigitHalves {
    std::uint32_t high;
    std::uint32_t low;
};

// The 16 fraction digits of fraction * 2^-63 (the fraction of a value,
// rounded down), rounded half up, as two halves; the low half is 10^8 when
// the rounding carries out of it, and when it is not decided by these
// digits (IsUndecidedRest): without a branch, as random values fall
// anywhere.
EightDigitHalves FractionHalves(std::uint64_t fraction)
{
    // fraction * 2 * 10^8: the first half and the rest in units of 2^-64.
    const Product128 first = Multiply64(fraction, 200000000);
    const Product128 second = Multiply64(first.low, 100000000);
    const std::uint64_t low = IsUndecidedRest(second.low) ? 100000000 : second.high + (second.low >> 63);
    return {static_cast<std::uint32_t>(first.high), static_cast<std::uint32_t>(low)};
}

// A line of two values with |value| < 2^26, split exactly into signs,
// integer parts and fractions.
struct CommonLine {
    std::uint64_t integers;      // the first value's in the low 32 bits, the second's above
    std::uint64_t firstFraction; // fractions in units of 2^-63, rounded down
    std::uint64_t secondFraction;
    unsigned negatives; // bit 0 for the first value, bit 1 for the second
};

// Splits a line of two values below LineLimit; false (line left alone)
// unless both are. On x86-64 both values are split in one vector.
#if defined(__SSE2__) && (defined(__x86_64__) || defined(_M_X64))
bool SplitCommonLine(double first, double second, CommonLine* line)
{
    constexpr auto limitHighWord = static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(LineLimit) >> 32);
    static_assert(std::bit_cast<std::uint64_t>(LineLimit) << 32 == 0);
    return SplitPairSSE2(first, second, limitHighWord, &line->integers, &line->firstFraction, &line->secondFraction,
                         &line->negatives);
}
#else
// |value| < LineLimit; false for a NaN.
bool IsCommon(double value)
{
    return std::fabs(value) < LineLimit;
}

std::uint32_t IntegerPart(double magnitude)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(magnitude));
}

// The fraction of magnitude (below LineLimit) in units of 2^-63, rounded
// down. magnitude - integer is exact: below 1 the integer is 0, and from 1
// up magnitude < 2 * integer. Times 2^63 it is exact too (a power of two),
// below 2^63, and the conversion drops only what lies below 2^-63.
std::uint64_t FractionBits(double magnitude, std::uint32_t integer)
{
    const double fraction = magnitude - static_cast<double>(integer);
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(fraction * 0x1p63));
}

bool SplitCommonLine(double first, double second, CommonLine* line)
{
    if (!IsCommon(first) || !IsCommon(second))
        return false;
    const double firstMagnitude = std::fabs(first);
    const double secondMagnitude = std::fabs(second);
    const std::uint32_t firstInteger = IntegerPart(firstMagnitude);
    const std::uint32_t secondInteger = IntegerPart(secondMagnitude);
    line->integers = firstInteger | std::uint64_t{secondInteger} << 32;
    line->firstFraction = FractionBits(firstMagnitude, firstInteger);
    line->secondFraction = FractionBits(secondMagnitude, secondInteger);
    line->negatives = (std::signbit(first) ? 1u : 0u) | (std::signbit(second) ? 2u : 0u);
    return true;
}
#endif

// The fraction digits of a line as text to store, from the halves of both
// values; false when a low half is 10^8 (the rounding carried out of it,
// or is not decided). On x86 they are made in two vectors, and the carry
// is looked for there too.
#if defined(__SSE2__)
using LineFractions = SixteenCharacterPairSSE2;

bool LineFractionsOf(const EightDigitHalves& first, const EightDigitHalves& second, LineFractions* fractions)
{
    return CharactersOfEightsSSE2(first.high, first.low, second.high, second.low, fractions);
}

void StoreLineFractions(char* first, char* second, const LineFractions& fractions)
{
    StoreSixteenCharacterPairSSE2(first, second, fractions);
}
#else
struct LineFractions {
    FourDigitGroups first;
    FourDigitGroups second;
};

FourDigitGroups GroupsOfHalves(const EightDigitHalves& halves)
{
    return {halves.high / 10000, halves.high % 10000, halves.low / 10000, halves.low % 10000};
}

bool LineFractionsOf(const EightDigitHalves& first, const EightDigitHalves& second, LineFractions* fractions)
{
    *fractions = {GroupsOfHalves(first), GroupsOfHalves(second)};
    return first.low != 100000000 && second.low != 100000000;
}

void StoreLineFractions(char* first, char* second, const LineFractions& fractions)
{
    StoreFourDigitGroups(first, fractions.first);
    StoreFourDigitGroups(second, fractions.second);
}
#endif

// The text of an integer followed by the point, without leading zeros
// ("0." to "9999.") or with them ("000." to "999."), or as the thousands of
// a larger integer: without leading zeros nor point, and nothing for 0.
// With its length, in the byte after the text.
struct alignas(8) PointedInteger {
    char text[5];
    std::uint8_t length;
    std::uint8_t zeros[2]; // so that the entry read as one word holds nothing else
};

template <int Count>
struct PointedIntegers {
    PointedInteger entries[Count];
};

enum class IntegerForm { Short, Padded, Thousands };

template <int Count>
constexpr PointedIntegers<Count> MakePointedIntegers(IntegerForm form)
{
    PointedIntegers<Count> integers{};
    for (int value = 0; value < Count; ++value) {
        PointedInteger& entry = integers.entries[value];
        int largestPower = form == IntegerForm::Padded ? 100 : value >= 1 || form == IntegerForm::Short ? 1 : 0;
        while (largestPower > 0 && value / largestPower >= 10)
            largestPower *= 10;
        int length = 0;
        for (int power = largestPower; power > 0; power /= 10)
            entry.text[length++] = static_cast<char>('0' + value / power % 10);
        if (form != IntegerForm::Thousands)
            entry.text[length++] = '.';
        entry.length = static_cast<std::uint8_t>(length);
    }
    return integers;
}

// Below 10^4 an integer part takes one entry of ShortIntegers. Above, the
// thousands come first, then the rest with leading zeros (PaddedIntegers).
constexpr PointedIntegers<10000> ShortIntegers = MakePointedIntegers<10000>(IntegerForm::Short);
constexpr PointedIntegers<1000> PaddedIntegers = MakePointedIntegers<1000>(IntegerForm::Padded);
constexpr PointedIntegers<1000> Thousands = MakePointedIntegers<1000>(IntegerForm::Thousands);
// Indexed by whether the thousands before the integer are written.
constexpr const PointedInteger* UnitTexts[2] = {ShortIntegers.entries, PaddedIntegers.entries};

// Copies entry's eight bytes to out, of which only its text counts; returns
// the end of its text. The entry is read as one word, text and length
// together.
char* CopyPointedInteger(char* out, const PointedInteger& entry)
{
    std::uint64_t word;
    std::memcpy(&word, &entry, sizeof word);
    std::memcpy(out, &word, sizeof word);
    // The bytes after the length are zeros.
    if constexpr (std::endian::native == std::endian::little)
        return out + (word >> 40);
    else
        return out + ((word >> 16) & 0xff);
}

// Writes the integer part (below 10^4) and the point of a value; returns
// where its fraction goes.
char* WriteShortIntegerPart(char* out, std::uint32_t integer)
{
    return CopyPointedInteger(out, ShortIntegers.entries[integer]);
}

// Writes the integer part (below 10^6) and the point of a value; returns
// where its fraction goes: the thousands (nothing when there are none),
// then the rest, with leading zeros when there are thousands. Without a
// branch, since a line's values may have integer parts of either size.
char* WriteMediumIntegerPart(char* out, std::uint32_t integer)
{
    const std::uint32_t thousands = integer / 1000;
    const std::uint32_t units = integer % 1000;
    out = CopyPointedInteger(out, Thousands.entries[thousands]);
    return CopyPointedInteger(out, UnitTexts[integer >= 1000 ? 1 : 0][units]);
}

// Writes the integer part (below 10^8) and the point of a value; returns
// where its fraction goes.
char* WriteLongIntegerPart(char* out, std::uint32_t integer)
{
    out = WriteShortUnsigned(out, integer);
    *out = '.';
    return out + 1;
}

// Writes "first\tsecond\n" for a line of two values below 2^26 and their
// fraction digits, the integer parts with writeIntegerPart. Each store may
// write past its own text into what a later one writes.
template <typename IntegerPartWriter>
[[gnu::always_inline]] inline char* WriteCommonLineWith(char* out, const CommonLine& line,
                                                        const LineFractions& fractions,
                                                        IntegerPartWriter writeIntegerPart)
{
    const auto firstInteger = static_cast<std::uint32_t>(line.integers);
    const auto secondInteger = static_cast<std::uint32_t>(line.integers >> 32);
    char* const firstFraction = writeIntegerPart(WriteSign(out, (line.negatives & 1) != 0), firstInteger);
    firstFraction[FractionDigits] = '\t';
    char* const secondStart = WriteSign(firstFraction + FractionDigits + 1, (line.negatives >> 1) != 0);
    char* const secondFraction = writeIntegerPart(secondStart, secondInteger);
    StoreLineFractions(firstFraction, secondFraction, fractions);
    secondFraction[FractionDigits] = '\n';
    return secondFraction + FractionDigits + 1;
}

// Writes a line of two values below 2^26 and their fraction digits when an
// integer part is 10^6 or more: out of line, so that the lines of smaller
// values (most of what the transforms print) save no registers for it.
char* WriteLongLineOf(char* out, const CommonLine& line, const LineFractions& fractions)
{
    return WriteCommonLineWith(out, line, fractions, WriteLongIntegerPart);
}

// The call takes everything in registers (the two vectors of fraction
// characters on x86), so that it can end the caller.
#if defined(__SSE2__)
[[gnu::noinline]] char* WriteLongLine(char* out, std::uint64_t integers, unsigned negatives, __m128i firstFraction,
                                      __m128i secondFraction)
{
    return WriteLongLineOf(out, {integers, 0, 0, negatives}, {firstFraction, secondFraction});
}

char* WriteLongLine(char* out, const CommonLine& line, const LineFractions& fractions)
{
    return WriteLongLine(out, line.integers, line.negatives, fractions.first, fractions.second);
}
#else
[[gnu::noinline]] char* WriteLongLine(char* out, const CommonLine& line, const LineFractions& fractions)
{
    return WriteLongLineOf(out, line, fractions);
}
#endif

// Writes a line of two values below 2^26 and their fraction digits. Integer
// parts below 10^4 take one table entry, below 10^6 two.
[[gnu::always_inline]] inline char* WriteCommonLine(char* out, const CommonLine& line, const LineFractions& fractions)
{
    const auto firstInteger = static_cast<std::uint32_t>(line.integers);
    const auto secondInteger = static_cast<std::uint32_t>(line.integers >> 32);
    if (firstInteger < 10000 && secondInteger < 10000)
        return WriteCommonLineWith(out, line, fractions, WriteShortIntegerPart);
    if (firstInteger < 1000000 && secondInteger < 1000000)
        return WriteCommonLineWith(out, line, fractions, WriteMediumIntegerPart);
    return WriteLongLine(out, line, fractions);
}

// Any line: each value printed on its own. The sample is passed by its
// address, so that the loop over lines does not keep its two values apart
// for this rare call.
[[gnu::noinline]] char* PrintLineValueByValue(char* out, const Complex& sample)
{
    out = PrintFixed16(out, sample.re);
    *out++ = '\t';
    out = PrintFixed16(out, sample.im);
    *out++ = '\n';
    return out;
}

} // namespace

char* PrintFixed16(char* out, double value)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = BiasedExponent(bits);
    if (biasedExponent >= ExponentBias - 12 && biasedExponent < ExponentBias + 26)
        return PrintCommon(out, (bits & SignBit) != 0, (bits & FractionField) | ImplicitBit,
                           ExponentBias + 52 - biasedExponent);
    return PrintUncommon(out, value);
}

namespace {

[[gnu::always_inline]] inline char* PrintLine(char* out, const Complex& sample)
{
    CommonLine line;
    LineFractions fractions;
    if (SplitCommonLine(sample.re, sample.im, &line) &&
        LineFractionsOf(FractionHalves(line.firstFraction), FractionHalves(line.secondFraction), &fractions))
        return WriteCommonLine(out, line, fractions);
    return PrintLineValueByValue(out, sample);
}

} // namespace

char* PrintFixed16Line(char* out, double first, double second)
{
    return PrintLine(out, Complex{first, second});
}

// The loop over lines holds the line printer itself: no call per line, and
// its constants are loaded once. It prints as many lines at a time as have
// room before limit at their longest, then looks again while lines are left.
char* PrintFixed16Lines(char* out, const char* limit, const Complex* samples, int count, int* printed)
{
    int done = 0;
    while (done < count) {
        const auto room = static_cast<std::size_t>(limit - out) / MaxFixed16LineLength;
        const int lines = room < static_cast<std::size_t>(count - done) ? static_cast<int>(room) : count - done;
        if (lines == 0)
            break;
        for (int i = done; i < done + lines; ++i)
            out = PrintLine(out, samples[i]);
        done += lines;
    }
    *printed = done;
    return out;
}
