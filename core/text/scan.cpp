// Reading numbers as text, with the exact behaviour of glibc's
// sscanf("%lf %lf") and sscanf("%d %d %d"), written out here so that every
// build (Linux on every processor, Windows) reads the same values.
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
//
// Decimal digits go to fast_float (header-only, so it is compiled with this
// file's flags): its Eisel-Lemire step rounds the at most 19 significant
// digits that fit a 64-bit integer in integer arithmetic, and its from_chars
// handles the rare longer or harder inputs exactly. Digits are read eight at
// a time where the caller says that the bytes are there to be read; fast_float
// loads each eight as a little-endian word, swapping the bytes on a
// big-endian processor.
#include "text/scan.h"

#include "base/double_bits.h"

#include <fast_float/fast_float.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>

// fast_float's floating-point fast path relies on each double operation
// rounding once, to double. x87 arithmetic (FLT_EVAL_METHOD 2) rounds twice.
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
#error "scan.cpp needs double arithmetic that rounds once (on 32-bit x86: -msse2 -mfpmath=sse)"
#endif

namespace {

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

using Binary64 = fast_float::binary_format<double>;

// A decimal number as read: value = mantissa * 10^exponent when it has at
// most 19 significant digits (mantissa is then exact).
struct DecimalNumber {
    std::uint64_t mantissa;
    int exponent;
    int significantDigits;
};

// Appends the decimal digits at p to *mantissa (modulo 2^64) and returns
// their end. Takes eight digits at a time while those bytes lie before
// readableEnd.
const char* ReadDigits(const char* p, const char* readableEnd, std::uint64_t* mantissa)
{
    std::uint64_t value = *mantissa;
    while (readableEnd - p >= 8 && fast_float::is_made_of_eight_digits_fast(p)) {
        value = value * 100000000 + fast_float::parse_eight_digits_unrolled(p);
        p += 8;
    }
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

// Rounds mantissa * 10^exponent in 64-bit integer arithmetic (Eisel-Lemire).
// Returns false in the rare cases that this cannot decide.
bool RoundExactly(std::uint64_t mantissa, int exponent, double* value)
{
    const fast_float::adjusted_mantissa rounded = fast_float::compute_float<Binary64>(exponent, mantissa);
    if (rounded.power2 < 0)
        return false;
    fast_float::to_float(false, rounded, *value);
    return true;
}

// For a number with more than 19 significant digits whose first 19, w,
// decide its value: it lies in [w, w + 1) * 10^q, and both ends round to
// the same double. Returns false when they do not. first is the start of
// the number's text.
bool RoundByLeadingDigits(const char* first, const DecimalNumber& number, double* value)
{
    std::uint64_t leading = 0;
    for (int taken = 0; taken < 19; ++first) {
        if (IsDigit(*first) && (leading != 0 || *first != '0')) {
            leading = leading * 10 + static_cast<unsigned>(DigitValue(*first));
            ++taken;
        }
    }
    const int exponent = number.exponent + (number.significantDigits - 19);
    double above;
    return RoundExactly(leading, exponent, value) && RoundExactly(leading + 1, exponent, &above) &&
           std::bit_cast<std::uint64_t>(*value) == std::bit_cast<std::uint64_t>(above);
}

// Value of the decimal text [first, last) (no sign) holding number,
// correctly rounded; infinity above the range of double and zero below it,
// as glibc gives them.
double ConvertDecimal(const char* first, const char* last, const DecimalNumber& number)
{
    if (number.significantDigits == 0)
        return 0.0;
    double value = 0.0;
    if (number.significantDigits > 19 && RoundByLeadingDigits(first, number, &value))
        return value;
    if (number.significantDigits <= 19) {
        // Both factors exact: one correctly rounded operation (Clinger).
        if (number.mantissa <= Binary64::max_mantissa_fast_path() &&
            number.exponent >= Binary64::min_exponent_fast_path() &&
            number.exponent <= Binary64::max_exponent_fast_path()) {
            const double mantissa = static_cast<double>(number.mantissa);
            const double scale = Binary64::exact_power_of_ten(number.exponent < 0 ? -number.exponent : number.exponent);
            return number.exponent < 0 ? mantissa / scale : mantissa * scale;
        }
        if (RoundExactly(number.mantissa, number.exponent, &value))
            return value;
    }
    fast_float::from_chars(first, last, value);
    return value;
}

// Scans a decimal number (after its sign) the way the scanner does, stores
// its value and returns the end of the consumed text, or nullptr when the
// text has no digit before any exponent.
const char* ScanDecimal(const char* s, const char* readableEnd, bool negative, double* value)
{
    std::uint64_t mantissa = 0;
    const char* integerEnd = ReadDigits(s, readableEnd, &mantissa);
    const char* fraction = integerEnd;
    const char* fractionEnd = integerEnd;
    if (*integerEnd == '.') {
        fraction = integerEnd + 1;
        fractionEnd = ReadDigits(fraction, readableEnd, &mantissa);
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
    const DecimalNumber number{mantissa, exponent - fractionDigits, integerDigits + fractionDigits - leadingZeros};
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
// nullptr when it does not convert. Bytes up to readableEnd may be read.
const char* ScanDouble(const char* p, const char* readableEnd, double* value)
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
    return ScanDecimal(p, readableEnd, negative, value);
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

} // namespace

int ScanSample(const char* line, const char* readableEnd, double* re, double* im)
{
    const char* p = SkipSpace(line);
    if (*p == '\0')
        return -1;
    double value;
    p = ScanDouble(p, readableEnd, &value);
    if (p == nullptr)
        return 0;
    *re = value;
    p = SkipSpace(p);
    if (*p == '\0' || ScanDouble(p, readableEnd, &value) == nullptr)
        return 1;
    *im = value;
    return 2;
}

int ScanSample(const char* line, double* re, double* im)
{
    return ScanSample(line, line + std::strlen(line) + 1, re, im);
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
