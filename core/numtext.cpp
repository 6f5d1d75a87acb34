// Reading and printing numbers as text, with the exact behaviour of glibc's
// sscanf("%lf %lf"), sscanf("%d %d %d") and printf("%18.16lf"), written out
// here so that every build (Linux x86-64 and i686, Windows) gives the same
// bytes.
//
// How glibc reads one "%lf": it skips white space, then copies characters
// into a buffer as long as they may continue a number (sign, "nan", "inf" or
// "infinity", "0x", digits, one '.', one exponent letter once a digit was
// seen, a sign right after it), pushes back the first character that may
// not, and hands the buffer to strtod. The characters copied are used up
// even where strtod then takes fewer of them ("1e" reads as 1 and the 'e' is
// gone), and the conversion fails when the buffer holds no digit, or is just
// "0x". Only "nan" is copied, never a "(...)" after it, so a NaN read has
// the default bits (with the sign bit set for "-nan").
#include "numtext.h"

#include <bit>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstring>
#include <system_error>

// The decimal fast path below relies on each double operation rounding once,
// to double. x87 arithmetic (FLT_EVAL_METHOD 2) rounds twice.
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
#error "numtext.cpp needs SSE2 double arithmetic: build with -msse2 -mfpmath=sse"
#endif

namespace {

constexpr std::uint64_t SignBit = 0x8000000000000000u;
constexpr std::uint64_t InfinityBits = 0x7ff0000000000000u;
constexpr std::uint64_t DefaultNanBits = 0x7ff8000000000000u;
constexpr std::uint64_t TwoToThe53 = std::uint64_t(1) << 53;

// Exponents beyond this only say "far out of range"; clamping keeps the
// arithmetic on them in int without changing any result.
constexpr int ExponentClamp = 100000;

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

int DigitValue(char c)
{
    return c - '0';
}

// Value of a hexadecimal digit, or -1.
int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// True when c is the ASCII letter lower in either case.
bool IsLetter(char c, char lower)
{
    return static_cast<char>(c | 0x20) == lower;
}

const char* SkipSpace(const char* p)
{
    while (IsSpace(*p))
        ++p;
    return p;
}

double WithSign(std::uint64_t bits, bool negative)
{
    return std::bit_cast<double>(negative ? bits | SignBit : bits);
}

// Reads the decimal digits of an exponent, clamped, and returns their end.
const char* ReadExponentDigits(const char* p, int* exponent)
{
    int value = 0;
    for (; IsDigit(*p); ++p)
        if (value < ExponentClamp)
            value = value * 10 + DigitValue(*p);
    *exponent = value;
    return p;
}

// Reads an exponent "[+-]digits" at p (just past the exponent letter).
// Returns the end of the text the scanner consumes (the sign even without
// digits); *hasDigits tells whether strtod would use it.
const char* ReadExponent(const char* p, int* exponent, bool* hasDigits)
{
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const char* end = ReadExponentDigits(p, exponent);
    *hasDigits = end != p;
    if (negative)
        *exponent = -*exponent;
    return end;
}

// ---- Decimal to double -------------------------------------------------

constexpr double ExactPowersOfTen[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

constexpr std::uint64_t PowersOfTen[] = {
    1u,
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
};

// A decimal number as read: value = mantissa * 10^exponent when it has at
// most 19 significant digits (mantissa is then exact); in any case
// 10^(order-1) <= value < 10^order.
struct DecimalNumber {
    std::uint64_t mantissa;
    int exponent;
    int significantDigits;
    int order;
};

// Appends the decimal digits at p to *mantissa (modulo 2^64) and returns
// their end.
const char* ReadDigits(const char* p, std::uint64_t* mantissa)
{
    std::uint64_t value = *mantissa;
    for (; IsDigit(*p); ++p)
        value = value * 10 + static_cast<unsigned>(DigitValue(*p));
    *mantissa = value;
    return p;
}

// Number of leading zero digits in [first, last), across a '.'.
int CountLeadingZeros(const char* first, const char* last)
{
    int zeros = 0;
    for (; first != last && (*first == '0' || *first == '.'); ++first)
        zeros += *first == '0' ? 1 : 0;
    return zeros;
}

// Moves trailing zeros of the mantissa (not zero) into the exponent, in
// steps of 8, 4, 2 and 1 digits.
void DropTrailingZeros(std::uint64_t* mantissa, int* exponent)
{
    while (*mantissa % 100000000 == 0) {
        *mantissa /= 100000000;
        *exponent += 8;
    }
    for (int digits = 4; digits > 0; digits /= 2) {
        const std::uint64_t scale = PowersOfTen[digits];
        if (*mantissa % scale == 0) {
            *mantissa /= scale;
            *exponent += digits;
        }
    }
}

// Converts mantissa * 10^exponent (mantissa exact and not zero) with one
// correctly rounded double operation where that gives the exact result;
// returns false otherwise.
//
// std::from_chars (fast_float inside libstdc++) has a floating-point fast
// path for such inputs: at most 19 significant digits whose integer is
// <= 2^53, exponent in [-22, 22] (counted as here, trailing zeros kept),
// and in some versions larger exponents while the integer times
// 10^(exponent-22) stays <= 2^53. The system library may be built for x87,
// where that path rounds twice. Every one of those inputs is handled here
// first, in this file's SSE2 arithmetic (with its trailing zeros dropped,
// each still falls in one of the three cases below), so from_chars only
// ever gets inputs it converts with integer arithmetic.
bool ConvertByFastPath(std::uint64_t mantissa, int exponent, double* value)
{
    if (mantissa > TwoToThe53 || exponent < -22 || exponent > 22)
        DropTrailingZeros(&mantissa, &exponent);
    if (mantissa > TwoToThe53)
        return false;
    if (exponent >= 0 && exponent <= 22) {
        *value = static_cast<double>(mantissa) * ExactPowersOfTen[exponent];
        return true;
    }
    if (exponent < 0 && exponent >= -22) {
        *value = static_cast<double>(mantissa) / ExactPowersOfTen[-exponent];
        return true;
    }
    if (exponent > 22 && exponent <= 22 + 15 && mantissa <= TwoToThe53 / PowersOfTen[exponent - 22]) {
        *value = static_cast<double>(mantissa * PowersOfTen[exponent - 22]) * 1e22;
        return true;
    }
    return false;
}

// Value of the decimal text [first, last) (no sign) holding number.
// from_chars leaves the value alone when the result overflows or underflows
// to zero; glibc then gives infinity or zero.
double ConvertDecimal(const char* first, const char* last, const DecimalNumber& number)
{
    if (number.significantDigits == 0)
        return 0.0;
    double value;
    if (number.significantDigits <= 19 && ConvertByFastPath(number.mantissa, number.exponent, &value))
        return value;
    const std::from_chars_result result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        return number.order > 0 ? std::bit_cast<double>(InfinityBits) : 0.0;
    return value;
}

// Scans a decimal number (after its sign) the way the scanner does, stores
// its value and returns the end of the consumed text, or nullptr when the
// text has no digit before any exponent.
const char* ScanDecimal(const char* s, bool negative, double* value)
{
    std::uint64_t mantissa = 0;
    const char* integerEnd = ReadDigits(s, &mantissa);
    const char* fraction = integerEnd;
    const char* fractionEnd = integerEnd;
    if (*integerEnd == '.') {
        fraction = integerEnd + 1;
        fractionEnd = ReadDigits(fraction, &mantissa);
    }
    const int integerDigits = static_cast<int>(integerEnd - s);
    const int fractionDigits = static_cast<int>(fractionEnd - fraction);
    if (integerDigits + fractionDigits == 0)
        return nullptr;
    const char* end = fractionEnd;
    const char* numberEnd = fractionEnd;
    int exponent = 0;
    if (IsLetter(*end, 'e')) {
        bool hasDigits;
        end = ReadExponent(end + 1, &exponent, &hasDigits);
        if (hasDigits)
            numberEnd = end;
        else
            exponent = 0;
    }
    const int leadingZeros = CountLeadingZeros(s, fractionEnd);
    const DecimalNumber number{mantissa, exponent - fractionDigits, integerDigits + fractionDigits - leadingZeros,
                               exponent + integerDigits - leadingZeros};
    const double magnitude = ConvertDecimal(s, numberEnd, number);
    *value = negative ? -magnitude : magnitude;
    return end;
}

// ---- Hexadecimal to double ---------------------------------------------

// The leading hexadecimal digits of a number: value = mantissa * 2^exponent,
// plus something below the last bit of mantissa when sticky is set.
struct HexDigits {
    std::uint64_t mantissa;
    int exponent;
    bool sticky;
};

void AddHexDigit(HexDigits* digits, int digit, bool inFraction)
{
    if (digits->mantissa == 0 && digit == 0) {
        digits->exponent -= inFraction ? 4 : 0;
    } else if (digits->mantissa >> 60 == 0) {
        digits->mantissa = digits->mantissa << 4 | static_cast<unsigned>(digit);
        digits->exponent -= inFraction ? 4 : 0;
    } else {
        digits->sticky = digits->sticky || digit != 0;
        digits->exponent += inFraction ? 0 : 4;
    }
}

// Rounds mantissa * 2^exponent (with sticky bits below) to the nearest
// double, ties to even, with subnormals and overflow to infinity.
//
// Like glibc's strtod for hexadecimal input, a subnormal result does not
// see the first bit after the leading 53: glibc takes 53 bits, a round bit
// and "more bits", then shifts for the subnormal and keeps only the bits
// below the old round bit as "more bits". So 0x1.00000000000018p-1023
// (halfway plus a quarter) rounds down, as an exact tie would.
std::uint64_t RoundToDoubleBits(std::uint64_t mantissa, int exponent, bool sticky)
{
    const int leadingZeros = std::countl_zero(mantissa);
    mantissa <<= leadingZeros;
    exponent -= leadingZeros;
    const int binaryExponent = exponent + 63; // value in [2^e, 2^(e+1))
    if (binaryExponent > 1023)
        return InfinityBits;
    if (binaryExponent < -1022)
        mantissa &= ~(std::uint64_t(1) << 10); // the 54th bit, see above
    const int shift = binaryExponent >= -1022 ? 11 : 11 + (-1022 - binaryExponent);
    if (shift > 64)
        return 0;
    const std::uint64_t kept = shift == 64 ? 0 : mantissa >> shift;
    const std::uint64_t rest = shift == 64 ? mantissa : mantissa & ((std::uint64_t(1) << shift) - 1);
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    const bool roundUp = rest > half || (rest == half && (sticky || (kept & 1) != 0));
    const std::uint64_t rounded = kept + (roundUp ? 1 : 0);
    if (binaryExponent < -1022)
        return rounded; // a carry into bit 52 makes it the smallest normal
    // The implicit bit adds one to the exponent field; a carry out of the
    // largest finite value gives exactly the bits of infinity.
    return (static_cast<std::uint64_t>(binaryExponent + 1022) << 52) + rounded;
}

// Scans what follows the "0x" of a hexadecimal number, stores its value and
// returns the end of the consumed text, or nullptr when nothing follows the
// "0x" (the scanner rejects a bare prefix).
const char* ScanHexadecimal(const char* s, bool negative, double* value)
{
    HexDigits digits{0, 0, false};
    bool gotDigit = false;
    bool gotDot = false;
    const char* p = s;
    for (;; ++p) {
        const int digit = HexDigitValue(*p);
        if (digit >= 0) {
            AddHexDigit(&digits, digit, gotDot);
            gotDigit = true;
        } else if (*p == '.' && !gotDot) {
            gotDot = true;
        } else {
            break;
        }
    }
    if (p == s)
        return nullptr;
    if (gotDigit && IsLetter(*p, 'p')) {
        int exponent;
        bool hasDigits;
        p = ReadExponent(p + 1, &exponent, &hasDigits);
        if (hasDigits)
            digits.exponent += exponent;
    }
    const std::uint64_t bits =
        digits.mantissa == 0 ? 0 : RoundToDoubleBits(digits.mantissa, digits.exponent, digits.sticky);
    *value = WithSign(bits, negative);
    return p;
}

// ---- One "%lf" conversion ------------------------------------------------

// "nan" in any case; what follows it is left for the next conversion.
const char* ScanNan(const char* s, bool negative, double* value)
{
    if (!IsLetter(s[1], 'a') || !IsLetter(s[2], 'n'))
        return nullptr;
    *value = WithSign(DefaultNanBits, negative);
    return s + 3;
}

// "inf" or "infinity" in any case; "infi" to "infinit" fail.
const char* ScanInfinity(const char* s, bool negative, double* value)
{
    if (!IsLetter(s[1], 'n') || !IsLetter(s[2], 'f'))
        return nullptr;
    const char* end = s + 3;
    if (IsLetter(*end, 'i')) {
        for (const char* rest = "nity"; *rest != '\0'; ++rest)
            if (!IsLetter(*++end, *rest))
                return nullptr;
        ++end;
    }
    *value = WithSign(InfinityBits, negative);
    return end;
}

// One "%lf" conversion at p (white space already skipped, not at the end):
// stores the value and returns where the next conversion starts, or returns
// nullptr when it does not convert.
const char* ScanDouble(const char* p, double* value)
{
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') {
        ++p;
        if (*p == '\0')
            return nullptr;
    }
    if (IsLetter(*p, 'n'))
        return ScanNan(p, negative, value);
    if (IsLetter(*p, 'i'))
        return ScanInfinity(p, negative, value);
    if (p[0] == '0' && IsLetter(p[1], 'x'))
        return ScanHexadecimal(p + 2, negative, value);
    return ScanDecimal(p, negative, value);
}

// ---- "%d" ------------------------------------------------------------------

// One "%d" conversion at p (white space already skipped): stores the value
// and returns the end of its digits, or nullptr when there is no digit or
// the value is outside the range of int.
const char* ScanInt(const char* p, int* value)
{
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (!IsDigit(*p))
        return nullptr;
    const std::uint64_t limit = negative ? std::uint64_t(INT_MAX) + 1 : INT_MAX;
    std::uint64_t magnitude = 0;
    for (; IsDigit(*p); ++p)
        if (magnitude <= limit)
            magnitude = magnitude * 10 + static_cast<unsigned>(DigitValue(*p));
    if (magnitude > limit)
        return nullptr;
    *value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
    return p;
}

// ---- "%18.16lf" ------------------------------------------------------------
//
// glibc prints the exact binary value rounded to 16 decimals, ties to even.
// Below 2^64 that is done here in integers: the integer digits directly, the
// fraction as fractionBits * 10^16 / 2^shift in 128 bits. Larger values
// have no fraction bits and go to std::to_chars, which is exact too.

constexpr int FractionDigits = 16;
constexpr int FieldWidth = 18;
constexpr std::uint64_t FractionScale = 10000000000000000u; // 10^16

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

// Writes value as exactly eight digits.
char* WriteEightDigits(char* out, std::uint32_t value)
{
    const std::uint32_t high = value / 10000;
    const std::uint32_t low = value % 10000;
    std::memcpy(out, Pairs.text + 2 * (high / 100), 2);
    std::memcpy(out + 2, Pairs.text + 2 * (high % 100), 2);
    std::memcpy(out + 4, Pairs.text + 2 * (low / 100), 2);
    std::memcpy(out + 6, Pairs.text + 2 * (low % 100), 2);
    return out + 8;
}

// Writes value in decimal without leading zeros ("0" for zero).
char* WriteUnsigned(char* out, std::uint64_t value)
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

// The 16 fraction digits of fractionBits * 2^-shift (fractionBits < 2^53,
// shift > 0), rounded half to even; 10^16 means the fraction rounds up to 1.
#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 UInt128;

std::uint64_t RoundedFraction(std::uint64_t fractionBits, int shift)
{
    if (shift > 107) // fractionBits * 10^16 < 2^107: below half a unit
        return 0;
    const UInt128 product = static_cast<UInt128>(fractionBits) * FractionScale;
    const std::uint64_t kept = static_cast<std::uint64_t>(product >> shift);
    const UInt128 rest = product & ((static_cast<UInt128>(1) << shift) - 1);
    const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
    const bool roundUp = rest > half || (rest == half && (kept & 1) != 0);
    return kept + (roundUp ? 1 : 0);
}
#else
// 64 x 64 -> 128 bit product as two halves.
void Multiply64(std::uint64_t a, std::uint64_t b, std::uint64_t* high, std::uint64_t* low)
{
    const std::uint64_t aLow = a & 0xffffffffu, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xffffffffu, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xffffffffu) + (highLow & 0xffffffffu);
    *low = (middle << 32) | (lowLow & 0xffffffffu);
    *high = aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);
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

std::uint64_t RoundedFraction(std::uint64_t fractionBits, int shift)
{
    if (shift > 107) // fractionBits * 10^16 < 2^107: below half a unit
        return 0;
    std::uint64_t high, low;
    Multiply64(fractionBits, FractionScale, &high, &low);
    const std::uint64_t kept = shift < 64    ? (high << (64 - shift)) | (low >> shift)
                               : shift == 64 ? high
                                             : high >> (shift - 64);
    const bool roundBit = BitAt(high, low, shift - 1);
    const bool roundUp = roundBit && (AnyBitBelow(high, low, shift - 1) || (kept & 1) != 0);
    return kept + (roundUp ? 1 : 0);
}
#endif

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

// |value| < 2^64: integer and rounded fraction in 64-bit integers.
char* PrintBelowTwoToThe64(char* out, bool negative, std::uint64_t mantissa, int exponent)
{
    // value = mantissa * 2^(exponent - 52)
    const int shift = 52 - exponent;
    std::uint64_t integer = 0;
    std::uint64_t fraction = 0;
    if (shift <= 0) {
        integer = mantissa << -shift;
    } else {
        integer = shift < 64 ? mantissa >> shift : 0;
        const std::uint64_t fractionBits = shift < 64 ? mantissa & ((std::uint64_t(1) << shift) - 1) : mantissa;
        fraction = RoundedFraction(fractionBits, shift);
        if (fraction == FractionScale) {
            fraction = 0;
            ++integer;
        }
    }
    if (negative)
        *out++ = '-';
    out = WriteUnsigned(out, integer);
    *out++ = '.';
    out = WriteEightDigits(out, static_cast<std::uint32_t>(fraction / 100000000));
    return WriteEightDigits(out, static_cast<std::uint32_t>(fraction % 100000000));
}

} // namespace

int ScanSample(const char* line, double* re, double* im)
{
    const char* p = SkipSpace(line);
    if (*p == '\0')
        return -1;
    double value;
    p = ScanDouble(p, &value);
    if (p == nullptr)
        return 0;
    *re = value;
    p = SkipSpace(p);
    if (*p == '\0' || ScanDouble(p, &value) == nullptr)
        return 1;
    *im = value;
    return 2;
}

int ScanExtents(const char* line, int count, int* extents)
{
    const char* p = line;
    for (int i = 0; i < count; ++i) {
        p = SkipSpace(p);
        if (*p == '\0')
            return i == 0 ? -1 : i;
        p = ScanInt(p, &extents[i]);
        if (p == nullptr)
            return i;
    }
    return count;
}

char* PrintFixed16(char* out, double value)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits & SignBit) != 0;
    const int biasedExponent = static_cast<int>(bits >> 52) & 0x7ff;
    const std::uint64_t fractionField = bits & ((std::uint64_t(1) << 52) - 1);
    if (biasedExponent == 0x7ff)
        return PrintNonFinite(out, negative, fractionField != 0);
    if (biasedExponent >= 1023 + 64) // only integer digits: exact and rare
        return std::to_chars(out, out + MaxFixed16Length, value, std::chars_format::fixed, FractionDigits).ptr;
    if (biasedExponent == 0)
        return PrintBelowTwoToThe64(out, negative, fractionField, -1022);
    return PrintBelowTwoToThe64(out, negative, fractionField | (std::uint64_t(1) << 52), biasedExponent - 1023);
}
