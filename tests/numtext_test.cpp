// Tests for reading and printing numbers (text/scan, text/print): fixed cases that hold on every platform, each digit
// conversion of the build against plain division, and, where the C library
// is glibc, comparisons with glibc's own sscanf and snprintf on all short
// strings over a few alphabets and on many random lines and values.
#include "text/print.h"
#include "text/scan.h"
#include "text/digits.h"
#if defined(__SSE2__)
#include "text/text_sse2.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// Bits of values; U is what ScanSample finds when it left a value alone.
constexpr std::uint64_t U = 0x5555555555555555u, One = 0x3ff0000000000000u, Two = 0x4000000000000000u,
                        Five = 0x4014000000000000u, Half = 0x3fe0000000000000u, Inf = 0x7ff0000000000000u,
                        MinusInf = 0xfff0000000000000u, Nan = 0x7ff8000000000000u, MinusNan = 0xfff8000000000000u,
                        MinusZero = 0x8000000000000000u;

struct Scan {
    int count;
    std::uint64_t re, im;
    bool operator==(const Scan&) const = default;
};

template <typename Reader>
Scan ScanWith(Reader read, const std::string& line)
{
    double re = std::bit_cast<double>(U), im = std::bit_cast<double>(U);
    const int count = read(line.c_str(), &re, &im);
    return {count, std::bit_cast<std::uint64_t>(re), std::bit_cast<std::uint64_t>(im)};
}

// Reads line the way the stream reads a common sample line: within a
// buffer with digits before it and after its newline (one is added where it
// has none), all of which ScanCommonSampleLine may read. Returns false when
// the line is not taken, or when it ends where its first newline does not;
// else stores what ScanSample would give. ScanCommonLine reads it on every
// instruction set the reader runs on here: those that take it (they may
// leave different lines to ScanSample) must read it alike, else the count
// is 97.
bool ScanCommonLineOnPath(const std::string& line, Scan* scan)
{
    const std::size_t newline = line.find('\n');
    if (newline != std::string::npos && newline + 1 != line.size())
        return false;
    const std::string before(CommonLineLookBehind, '7');
    std::string buffer = before + line + (newline == std::string::npos ? "\n" : "");
    buffer.resize(std::max(buffer.size(), before.size() + CommonLineReach), '3');
    const char* text = buffer.c_str() + before.size();
    int count = 0;
    double re = std::bit_cast<double>(U), im = std::bit_cast<double>(U);
    const char* end = ScanCommonSampleLine(text, &count, &re, &im);
    if (end == nullptr)
        return false;
    const bool endsAtNewline = end == buffer.c_str() + before.size() + line.size() + (newline == std::string::npos);
    *scan = {endsAtNewline ? count : 98, std::bit_cast<std::uint64_t>(re),
             count == 2 ? std::bit_cast<std::uint64_t>(im) : U};
    return true;
}

bool ScanCommonLine(const std::string& line, Scan* scan)
{
    bool taken = false;
    for (int path = 0; path < TextPathCount; ++path) {
        if (!TextPathAvailable(path))
            continue;
        UseTextPath(path);
        Scan onPath{};
        if (!ScanCommonLineOnPath(line, &onPath))
            continue;
        if (taken && !(onPath == *scan))
            onPath = Scan{97, onPath.re, onPath.im};
        *scan = onPath;
        taken = true;
    }
    UseTextPath(TextPathCount);
    return taken;
}

// Reads line with ScanSample on its own, inside a buffer where digits
// follow its terminating zero and may be read too, and as a common sample
// line where it is one; a difference shows as count 99.
Scan ScanWithNumtext(const std::string& line)
{
    const Scan alone =
        ScanWith([](const char* text, double* re, double* im) { return ScanSample(text, re, im); }, line);
    const std::string buffer = line + '\0' + "1234567890123456";
    const Scan inBuffer =
        ScanWith([&](const char*, double* re,
                     double* im) { return ScanSample(buffer.c_str(), buffer.c_str() + buffer.size(), re, im); },
                 line);
    Scan common = alone;
    if (ScanCommonLine(line, &common) && !(common == alone))
        return Scan{99, common.re, common.im};
    return alone == inBuffer ? alone : Scan{99, inBuffer.re, inBuffer.im};
}

std::string Show(const std::string& line)
{
    std::string shown = "\"";
    for (unsigned char c : line) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
        shown += escaped;
    }
    return shown + '"';
}

std::string Show(const Scan& scan)
{
    char text[80];
    std::snprintf(text, sizeof text, "count %d re %016llx im %016llx", scan.count,
                  static_cast<unsigned long long>(scan.re), static_cast<unsigned long long>(scan.im));
    return text;
}

std::string PrintWithNumtext(double value)
{
    char text[MaxFixed16Length];
    return std::string(text, PrintFixed16(text, value));
}

// ---- Fixed cases ---------------------------------------------------------

struct SampleCase {
    std::string line;
    Scan expected;
};

std::vector<SampleCase> CountsAndWhiteSpace()
{
    return {{"", {-1, U, U}},
            {" \t\n\v\f\r", {-1, U, U}},
            {"1 2\n", {2, One, Two}},
            {"1\t2\r\n", {2, One, Two}},
            {"\v\f 1\r\r2", {2, One, Two}},
            {"1", {1, One, U}},
            {"1   \r\n", {1, One, U}},
            {"x 1", {0, U, U}},
            {"1,2", {1, One, U}},
            {"1\xa0 2", {1, One, U}}, // not white space in the C locale
            {"-1.9999999999999998\t2.0000000000000000\n", {2, 0xbfffffffffffffffu, Two}}};
}

// The scanner uses up what may continue a number even where the value ends
// sooner ("1e" is 1) and fails on a bare "0x" or a form without digits.
std::vector<SampleCase> IncompleteForms()
{
    return {{"1e", {1, One, U}},
            {"1e 2", {2, One, Two}},
            {"1e+ 2", {2, One, Two}},
            {"1e-x", {1, One, U}},
            {"1E+", {1, One, U}},
            {".", {0, U, U}},
            {"-", {0, U, U}},
            {"- 1", {0, U, U}},
            {"+.", {0, U, U}},
            {".e5", {0, U, U}},
            {"1 -", {1, One, U}},
            {"1. .5", {2, One, Half}},
            {"1.2.5", {2, 0x3ff3333333333333u, Half}},
            {"1e0.5", {2, One, Half}},
            {"1e+-2", {2, One, 0xc000000000000000u}},
            {"--1", {0, U, U}},
            {"0x", {0, U, U}},
            {"0x 5", {0, U, U}},
            {"-0x", {0, U, U}},
            {"0xp3", {0, U, U}},
            {"0x.", {1, 0, U}},
            {"5 0x.p1", {2, Five, 0}},
            {"0x1p", {1, One, U}},
            {"0x1p+ 2", {2, One, Two}},
            {"0X1P-", {1, One, U}},
            {"0x1e+5", {2, 0x403e000000000000u, Five}},
            {"00x1", {1, 0, U}}};
}

// Only "nan" itself is read: "(...)" is left over and NaNs have default bits.
std::vector<SampleCase> InfinityAndNan()
{
    return {{"in", {0, U, U}},
            {"inx", {0, U, U}},
            {"inf", {1, Inf, U}},
            {"infx 3", {1, Inf, U}},
            {"infin", {0, U, U}},
            {"infinit 1", {0, U, U}},
            {"infinity", {1, Inf, U}},
            {"-iNfInItY 1", {2, MinusInf, One}},
            {"+INF -inf", {2, Inf, MinusInf}},
            {"na", {0, U, U}},
            {"nan", {1, Nan, U}},
            {"NaN -NAN", {2, Nan, MinusNan}},
            {"nan(", {1, Nan, U}},
            {"nan(123) 1", {1, Nan, U}},
            {"NaN(0x1f)", {1, Nan, U}},
            {"nanx", {1, Nan, U}},
            {"nan1", {2, Nan, One}}};
}

std::vector<SampleCase> SignedZerosAndRangeLimits()
{
    return {{"-0 0", {2, MinusZero, 0}},
            {"-0.0e999999 -0x0p-99", {2, MinusZero, MinusZero}},
            {"1e308 1.7976931348623157e308", {2, 0x7fe1ccf385ebc8a0u, 0x7fefffffffffffffu}},
            {"1.7976931348623159e308 -1e309", {2, Inf, MinusInf}},
            {"1e99999999999999999999 0x1p1024", {2, Inf, Inf}},
            {"2.2250738585072014e-308 2.2250738585072011e-308", {2, 0x0010000000000000u, 0x000fffffffffffffu}},
            {"4.9406564584124654e-324 2.4703282292062328e-324", {2, 1, 1}},
            {"2.4703282292062327e-324 -1e-400", {2, 0, MinusZero}},
            {"1e-99999999999999999999 0x1p-1075", {2, 0, 0}},
            {"0x1.0000000000001p-1075 0x1p-1074", {2, 1, 1}},
            {"0x1.fffffffffffff8p1023 0x1.fffffffffffff7ffp1023", {2, Inf, 0x7fefffffffffffffu}},
            {"0x0.fffffffffffff8p-1022 0x1.ffffffffffffep-1023", {2, 0x0010000000000000u, 0x000fffffffffffffu}}};
}

// Integers up to 2^53 times 10^0..10^22: one double multiplication rounds
// these correctly; x87 precision followed by rounding to double does not.
std::vector<SampleCase> ExactProductsRoundOnce()
{
    return {{"83717328188e16 764534793345985e9", {2, 0x4585a3f2b4626b11u, 0x44e43cb07447a77du}},
            {"115100940185e15 536692936385581e20", {2, 0x4557cd649e17830fu, 0x4724ac337126762bu}},
            {"2660363079170825e8 734323603299658e7", {2, 0x44cc2aedb718e8afu, 0x4478e13df19e0e1du}},
            {"112605902444231e22 546210e20", {2, 0x476b1bdfe1f921c1u, 0x454697392bece18fu}}};
}

// 2^53 + 1 lies halfway between two doubles: a digit far behind decides.
std::vector<SampleCase> LongInputsRoundCorrectly()
{
    const std::string tie = "9007199254740993." + std::string(700, '0');
    const std::string zeros(400, '0');
    return {{tie + " " + tie + "1", {2, 0x4340000000000000u, 0x4340000000000001u}},
            {"0." + zeros + "1e401 15" + zeros + "e-401", {2, One, 0x3ff8000000000000u}},
            {"0.1 1e23", {2, 0x3fb999999999999au, 0x44b52d02c7e14af6u}},
            {"8.98846567431158e307 123456789012345678e22", {2, 0x7fe0000000000000u, 0x480d064903ae06e0u}},
            {"0x1.00000000000008p0 0x1.000000000000080000000000001p0", {2, One, 0x3ff0000000000001u}},
            {"0x1.00000000000018 0x0.0000000000000000000000000001p112", {2, 0x3ff0000000000002u, One}},
            {"0x" + std::string(300, 'f') + " 0x." + std::string(300, '0') + "1p1204", {2, Inf, One}}};
}

// For a subnormal result glibc's hexadecimal rounding does not see the bit
// right after the leading 53: halfway plus a quarter rounds as a tie.
std::vector<SampleCase> HexadecimalSubnormals()
{
    return {{"0x1.00000000000018p-1023 0x1.0000000000001cp-1023", {2, 0x0008000000000000u, 0x0008000000000001u}},
            {"0x6FCB2166ed2436p-1077 0x6FCB2166ed2437p-1077", {2, 0x000df9642cdda486u, 0x000df9642cdda487u}},
            {"0x1.00000000000008p-1075 0x1.0000000000000cp-1075", {2, 0, 1}},
            {"0x1.fffffffffffff8p-1023 0x1.fffffffffffffcp-1023", {2, 0x0010000000000000u, 0x0010000000000000u}}};
}

void ExpectSamples(const std::vector<SampleCase>& cases)
{
    for (const SampleCase& c : cases) {
        const Scan actual = ScanWithNumtext(c.line);
        EXPECT_TRUE(actual == c.expected)
            << Show(c.line) << ": got " << Show(actual) << ", expected " << Show(c.expected);
    }
}

TEST(ScanSample, CountsAndWhiteSpace)
{
    ExpectSamples(CountsAndWhiteSpace());
}
TEST(ScanSample, IncompleteForms)
{
    ExpectSamples(IncompleteForms());
}
TEST(ScanSample, InfinityAndNan)
{
    ExpectSamples(InfinityAndNan());
}
TEST(ScanSample, SignedZerosAndRangeLimits)
{
    ExpectSamples(SignedZerosAndRangeLimits());
}
TEST(ScanSample, ExactProductsRoundOnce)
{
    ExpectSamples(ExactProductsRoundOnce());
}
TEST(ScanSample, LongInputsRoundCorrectly)
{
    ExpectSamples(LongInputsRoundCorrectly());
}
TEST(ScanSample, HexadecimalSubnormals)
{
    ExpectSamples(HexadecimalSubnormals());
}

struct ExtentsCase {
    const char* line;
    int count;
    int values[3];
};

// Values outside int do not convert (glibc's own %d would wrap them).
std::vector<ExtentsCase> ExtentsCases()
{
    return {{"", -1, {}},
            {" \t\r\n", -1, {}},
            {"8 4 2\n", 3, {8, 4, 2}},
            {"  +8\t-4\r\n007", 3, {8, -4, 7}},
            {"64 32", 2, {64, 32}},
            {"1,2", 1, {1}},
            {"1.5 2", 1, {1}},
            {"0x10 2", 1, {0}},
            {"-", 0, {}},
            {"- 1", 0, {}},
            {"+-1", 0, {}},
            {"2147483647 -2147483648 0", 3, {2147483647, -2147483648, 0}},
            {"1 2147483648 3", 1, {1}},
            {"-2147483649", 0, {}},
            {"4294967297 1", 0, {}},
            {"1 99999999999999999999", 1, {1}},
            {"000000000000000000000000000005 6", 2, {5, 6}}};
}

TEST(ScanExtents, ReadsLikeScanfWithinIntRange)
{
    for (const ExtentsCase& c : ExtentsCases()) {
        int values[3] = {-7, -7, -7};
        EXPECT_EQ(ScanExtents(c.line, 3, values), c.count) << Show(c.line);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(values[i], i < c.count ? c.values[i] : -7) << Show(c.line) << " value " << i;
    }
    int values[3] = {-7, -7, -7};
    EXPECT_EQ(ScanExtents("5 6 7", 2, values), 2);
    EXPECT_EQ(values[2], -7);
}

struct PrintCase {
    double value;
    const char* text;
};

std::vector<PrintCase> PrintCases()
{
    const double infinity = std::numeric_limits<double>::infinity();
    const auto fromBits = [](std::uint64_t bits) { return std::bit_cast<double>(bits); };
    return {{0.0, "0.0000000000000000"},
            {-0.0, "-0.0000000000000000"},
            {1.0, "1.0000000000000000"},
            {-0.5, "-0.5000000000000000"},
            {-1.9999999999999998, "-1.9999999999999998"},
            {-1e-20, "-0.0000000000000000"},
            {0.99999999999999995, "1.0000000000000000"},
            {123456.789, "123456.7890000000043074"},
            {9.5, "9.5000000000000000"}, // one integer digit, then more
            {10.25, "10.2500000000000000"},
            {-99999999.5, "-99999999.5000000000000000"},
            {100000000.25, "100000000.2500000000000000"},
            {4503599627370495.5, "4503599627370495.5000000000000000"},
            {0.1234567890123456, "0.1234567890123456"},
            // Lines of two values from 1 to 10^6 take a path of their own:
            // its ends, integer parts of one to six digits, below 1000 and
            // not, thousands with zeros after them, a tie at the 16th
            // decimal, and a rounding that carries out of the last four
            // digits.
            {-1.0, "-1.0000000000000000"},
            {std::nextafter(1.0, 0.0), "0.9999999999999999"},
            {999.5, "999.5000000000000000"},
            {1000.5, "1000.5000000000000000"},
            {-1005.25, "-1005.2500000000000000"},
            {9999.5, "9999.5000000000000000"},
            {std::nextafter(10000.0, 0.0), "9999.9999999999981810"},
            {120034.5, "120034.5000000000000000"},
            {999999.75, "999999.7500000000000000"},
            {std::nextafter(1e6, 0.0), "999999.9999999998835847"},
            {1e6, "1000000.0000000000000000"},
            {-12345678.125, "-12345678.1250000000000000"},
            {9999 + std::ldexp(3.0, -17), "9999.0000228881835938"},
            {1.000000000002, "1.0000000000020000"},
            // The line's own path takes every value below 2^26 in magnitude,
            // zero and the smallest included: integer parts of one to eight
            // digits on either side of 1000 and 10^6 (where the integer
            // text changes form), fractions that are exact from 2^-11 up and
            // short of the value below, ties at the 16th decimal with an
            // integer part, values near a tie below 2^-11 (the rounding is
            // then decided from a fraction that is short of the value), and
            // a rounding that carries from the last eight digits into the
            // first eight.
            {12.5, "12.5000000000000000"},
            {123.5, "123.5000000000000000"},
            {1234.5, "1234.5000000000000000"},
            {12345.5, "12345.5000000000000000"},
            {1234567.5, "1234567.5000000000000000"},
            {999999.5, "999999.5000000000000000"},
            {1000000.5, "1000000.5000000000000000"},
            {-9999999.75, "-9999999.7500000000000000"},
            {std::nextafter(1e8, 0.0), "99999999.9999999850988388"},
            {std::nextafter(0x1p26, 0.0), "67108863.9999999925494194"}, // the line path's limit
            {-0x1p26, "-67108864.0000000000000000"},
            {0x1p26 + 0.5, "67108864.5000000000000000"},
            {std::nextafter(1000.0, 0.0), "999.9999999999998863"},
            {7 + std::ldexp(1.0, -17), "7.0000076293945312"},
            {1234567 + std::ldexp(3.0, -17), "1234567.0000228881835938"},
            {std::ldexp(1.0, -37), "0.0000000000072760"},
            {-std::ldexp(11.0, -40), "-0.0000000000100044"},
            {std::ldexp(1.0, -11), "0.0004882812500000"},
            {std::nextafter(std::ldexp(1.0, -11), 0.0), "0.0004882812500000"},
            {1.5e-16, "0.0000000000000001"},
            {2.5e-16, "0.0000000000000003"},
            {0.12345678999999997, "0.1234567900000000"},
            {5.00000000000000005e-5, "0.0000500000000000"},
            {std::ldexp(1.0, -12), "0.0002441406250000"}, // the fraction bits fill 64 bits, then more
            {-std::nextafter(std::ldexp(1.0, -12), 0.0), "-0.0002441406250000"},
            {std::ldexp(1.0, -17), "0.0000076293945312"}, // exact ties round to even
            {std::ldexp(3.0, -17), "0.0000228881835938"},
            {std::ldexp(1.0, -54), "0.0000000000000001"},
            {std::ldexp(1.0, -55), "0.0000000000000000"},
            {-std::nextafter(std::ldexp(1.0, -55), 0.0), "-0.0000000000000000"},
            {-std::ldexp(1.0, -1074), "-0.0000000000000000"},
            {18446744073709549568.0, "18446744073709549568.0000000000000000"},
            {18446744073709551616.0, "18446744073709551616.0000000000000000"},
            {1e300,
             "1000000000000000052504760255204420248704468581108159154915854115511802457988908195786371375080447864"
             "0437044438328838781769425232353604305756447921847867069828483872009265758037378302337947880900593689"
             "53234970799945081119038967640880074652742780142494579258788820056842838115669472196386865459400540160"
             ".0000000000000000"},
            {infinity, "               inf"},
            {-infinity, "              -inf"},
            {fromBits(Nan), "               nan"},
            {fromBits(MinusNan), "              -nan"},
            {fromBits(0x7ff0000000000001u), "               nan"},
            {fromBits(0xffffffffffffffffu), "              -nan"}};
}

std::string PrintLineWithNumtext(std::pair<double, double> values)
{
    char text[MaxFixed16LineLength];
    return std::string(text, PrintFixed16Line(text, values.first, values.second));
}

TEST(PrintFixed16, FormsOfEveryKind)
{
    for (const PrintCase& c : PrintCases())
        EXPECT_EQ(PrintWithNumtext(c.value), c.text) << std::hexfloat << c.value;
    // Every two cases as a line, in either order.
    for (const PrintCase& first : PrintCases())
        for (const PrintCase& second : PrintCases())
            EXPECT_EQ(PrintLineWithNumtext({first.value, second.value}),
                      std::string(first.text) + '\t' + second.text + '\n')
                << std::hexfloat << first.value << " " << second.value;
    const std::string largest = PrintWithNumtext(-std::numeric_limits<double>::max());
    EXPECT_EQ(largest.substr(0, 12), "-17976931348");
    EXPECT_EQ(largest.size(), std::size_t{1 + 309 + 17});
    EXPECT_LE(largest.size(), MaxFixed16Length);
}

// ---- Sixteen fraction digits ---------------------------------------------

// The digits of value (below 10^16) one at a time, by / and %.
std::string PlainSixteenDigits(std::uint64_t value)
{
    std::string digits(16, '0');
    for (int i = 15; i >= 0; --i, value /= 10)
        digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    return digits;
}

// The fractions of the print cases, every value of each half of eight
// digits at a power of ten and just below it (so every 10^k and 10^k - 1
// of sixteen digits), and random values.
std::vector<std::uint64_t> SixteenDigitCases()
{
    std::vector<std::uint64_t> values;
    for (const PrintCase& c : PrintCases())
        if (const char* point = std::strchr(c.text, '.'))
            values.push_back(std::stoull(std::string(point + 1, 16)));
    std::vector<std::uint64_t> halves;
    for (std::uint64_t power = 1; power <= 100000000; power *= 10) {
        halves.push_back(power - 1);
        if (power < 100000000)
            halves.push_back(power);
    }
    for (std::uint64_t high : halves)
        for (std::uint64_t low : halves)
            values.push_back(high * 100000000 + low);
    std::mt19937_64 random(19);
    std::uniform_int_distribution<std::uint64_t> anyValue(0, 9999999999999999u);
    for (int i = 0; i < 100000; ++i)
        values.push_back(anyValue(random));
    return values;
}

// value (below 10^16) in groups of four digits.
FourDigitGroups GroupsOf(std::uint64_t value)
{
    const auto group = [&](std::uint64_t scale) { return static_cast<std::uint32_t>(value / scale % 10000); };
    return {group(1000000000000u), group(100000000u), group(10000u), group(1u)};
}

#if defined(__SSE2__)
// Converts the halves of eight digits of value and of its complement to
// 10^16 - 1 in one vector, as a line's two fractions are; writes the digits
// of value, or "complement" when the complement's digits are wrong.
void StoreHalvesSSE2(char* out, std::uint64_t value)
{
    const std::uint64_t complement = 9999999999999999u - value;
    const auto half = [](std::uint64_t digits) { return static_cast<std::uint32_t>(digits); };
    SixteenCharacterPairSSE2 characters;
    const bool fits = CharactersOfEightsSSE2(half(value / 100000000), half(value % 100000000),
                                             half(complement / 100000000), half(complement % 100000000), &characters);
    char complementText[16];
    StoreSixteenCharacterPairSSE2(out, complementText, characters);
    if (!fits || std::string(complementText, 16) != PlainSixteenDigits(complement))
        std::memcpy(out, "complement", 10);
}
#endif

// Every conversion this build has: the portable one, and SSE2 on x86, each
// from the whole value and from parts of it: groups of four digits, on SSE2
// halves of eight.
TEST(SixteenDigits, EveryConversionWritesThePlainDigits)
{
    std::vector<std::pair<const char*, void (*)(char*, std::uint64_t)>> conversions = {
        {"portable", StoreSixteenDigits},
        {"portable groups", [](char* out, std::uint64_t value) { StoreFourDigitGroups(out, GroupsOf(value)); }}};
#if defined(__SSE2__)
    conversions.emplace_back("SSE2", StoreSixteenDigitsSSE2);
    conversions.emplace_back("SSE2 halves", StoreHalvesSSE2);
#endif
    const std::vector<std::uint64_t> values = SixteenDigitCases();
    for (const auto& [name, store] : conversions) {
        int mismatches = 0;
        for (std::uint64_t value : values) {
            char text[17] = "################"; // the next byte stays
            store(text, value);
            const std::string expected = PlainSixteenDigits(value) + '\0';
            if (std::string(text, 17) != expected && ++mismatches <= 10)
                ADD_FAILURE() << name << " " << value << ": got " << Show(std::string(text, 17));
        }
        EXPECT_EQ(mismatches, 0) << name;
    }
}

#ifdef __GLIBC__

// ---- Comparisons with glibc ----------------------------------------------

// NUMTEXT_TEST_SCALE multiplies the number of random cases (default 1).
long long Scaled(long long count)
{
    const char* scale = std::getenv("NUMTEXT_TEST_SCALE");
    return scale != nullptr && std::atoll(scale) > 0 ? count * std::atoll(scale) : count;
}

Scan ScanWithGlibc(const std::string& line)
{
    return ScanWith([](const char* text, double* re, double* im) { return std::sscanf(text, "%lf %lf", re, im); },
                    line);
}

std::string PrintWithGlibc(double value)
{
    char text[400];
    return std::string(text, static_cast<std::size_t>(std::snprintf(text, sizeof text, "%18.16lf", value)));
}

TEST(FixedCasesAgainstGlibc, AreWhatGlibcDoes)
{
    for (const auto& cases : {CountsAndWhiteSpace(), IncompleteForms(), InfinityAndNan(), SignedZerosAndRangeLimits(),
                              ExactProductsRoundOnce(), LongInputsRoundCorrectly(), HexadecimalSubnormals()})
        for (const SampleCase& c : cases) {
            const Scan glibc = ScanWithGlibc(c.line);
            EXPECT_TRUE(glibc == c.expected) << Show(c.line) << ": glibc " << Show(glibc);
        }
    for (const ExtentsCase& c : ExtentsCases()) {
        int values[3];
        if (std::sscanf(c.line, "%d %d %d", &values[0], &values[1], &values[2]) == c.count) {
            for (int i = 0; i < c.count; ++i)
                EXPECT_EQ(values[i], c.values[i]) << Show(c.line);
        }
    }
    for (const PrintCase& c : PrintCases())
        EXPECT_EQ(PrintWithGlibc(c.value), c.text);
}

std::string Show(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

std::string Show(std::pair<double, double> values)
{
    return Show(values.first) + " " + Show(values.second);
}

// Compares count results of numtext and glibc on what makeInput returns,
// reporting the first few that differ.
template <typename MakeInput, typename Numtext, typename Glibc>
void Compare(const char* what, long long count, MakeInput makeInput, Numtext numtext, Glibc glibc)
{
    long long mismatches = 0;
    for (long long i = 0; i < count; ++i) {
        const auto input = makeInput();
        const auto actual = numtext(input);
        const auto expected = glibc(input);
        if (!(actual == expected) && ++mismatches <= 10)
            ADD_FAILURE() << Show(input) << ": got " << Show(actual) << ", glibc " << Show(expected);
    }
    std::printf("[ compared ] %lld %s\n", count, what);
    EXPECT_EQ(mismatches, 0);
}

template <typename MakeLine>
void CompareScans(const char* what, long long count, MakeLine makeLine)
{
    Compare(what, count, makeLine, ScanWithNumtext, ScanWithGlibc);
}

// Compares every string of length 0 to maxLength over alphabet.
void CompareAllStrings(const std::string& alphabet, std::size_t maxLength)
{
    long long count = 0;
    for (long long strings = 1, length = 0; length <= static_cast<long long>(maxLength); ++length)
        count += strings, strings *= static_cast<long long>(alphabet.size());
    std::vector<std::size_t> digits; // the next string as a number in base alphabet.size()
    CompareScans("short strings", count, [&] {
        std::string line;
        for (std::size_t digit : digits)
            line += alphabet[digit];
        std::size_t position = 0;
        for (; position < digits.size() && digits[position] + 1 == alphabet.size(); ++position)
            digits[position] = 0;
        if (position < digits.size())
            ++digits[position];
        else
            digits.push_back(0);
        return line;
    });
}

TEST(ScanSampleAgainstGlibc, AllShortStrings)
{
    CompareAllStrings("015.eE+-xXpP \t", 6); // number forms
    CompareAllStrings("infatyIN(1- \n", 6);  // words
    CompareAllStrings("0x1.8p+e- af", 6);    // hex forms
    CompareAllStrings(" \t\n\v\f\r\x01\x1c\x85\xa0\xff"
                      "1-.,",
                      5); // white space
}

using Random = std::mt19937_64;

long long Uniform(Random& random, long long low, long long high)
{
    return std::uniform_int_distribution<long long>(low, high)(random);
}

std::string Pick(Random& random, const std::vector<std::string>& choices)
{
    return choices[static_cast<std::size_t>(Uniform(random, 0, static_cast<long long>(choices.size()) - 1))];
}

// Characters from digits: mostly up to 3 or up to 40, sometimes up to longest.
std::string RandomDigits(Random& random, const std::string& digits, long long longest)
{
    const long long most = Uniform(random, 0, 9) == 0 ? longest : Uniform(random, 0, 1) != 0 ? 3 : 40;
    std::string text(static_cast<std::size_t>(Uniform(random, 0, most)), ' ');
    for (char& c : text)
        c = digits[static_cast<std::size_t>(Uniform(random, 0, static_cast<long long>(digits.size()) - 1))];
    return text;
}

std::string RandomExponent(Random& random, const std::string& letters)
{
    const long long ranges[][2] = {{0, 30}, {280, 330}, {0, 1100}, {1070, 1080}};
    const auto* range = ranges[Uniform(random, 0, 3)];
    return Pick(random, {letters.substr(0, 1), letters.substr(1, 1)}) + Pick(random, {"", "", "+", "-"}) +
           (Uniform(random, 0, 5) == 0 ? RandomDigits(random, "0123456789", 25)
                                       : std::to_string(Uniform(random, range[0], range[1])));
}

// A decimal or hexadecimal number in any form, or a word that starts one.
std::string RandomToken(Random& random)
{
    if (Uniform(random, 0, 7) == 0)
        return Pick(random, {"nan", "NaN", "-nan", "nan(", "nan(12)", "inf", "-Inf", "infinity", "INFINITY", "infin",
                             "in", "+", "-", ".", "e", "0x", "(", ","});
    const bool hex = Uniform(random, 0, 7) == 0;
    const std::string digits = hex ? "0123456789abcdefABCDEF" : "0123456789";
    std::string text = Pick(random, {"", "", "-", "+"}) + (hex ? Pick(random, {"0x", "0X"}) : "");
    text += std::string(static_cast<std::size_t>(Uniform(random, 0, 1) * Uniform(random, 0, 30)), '0');
    text += RandomDigits(random, digits, 800);
    if (Uniform(random, 0, 2) != 0)
        text.append(".").append(RandomDigits(random, digits, 800));
    return Uniform(random, 0, 1) != 0 ? text + RandomExponent(random, hex ? "pP" : "eE") : text;
}

std::string RandomNumberLine(Random& random)
{
    std::string line = Pick(random, {"", "", " ", "\t"}) + RandomToken(random);
    for (long long tokens = Uniform(random, 0, 2); tokens > 0; --tokens)
        line += Pick(random, {" ", " ", "\t", "", "  ", "\r\n", "\v\f", ",", "x", "\xa0"}) + RandomToken(random);
    return (line + Pick(random, {"", "\n", "\r\n", " "})).substr(0, 2047);
}

std::string RandomByteLine(Random& random)
{
    const std::string likely = "0123456789.eE+-xXpPinfaINFA \t\n";
    std::string line(static_cast<std::size_t>(Uniform(random, 0, 24)), ' ');
    for (char& c : line)
        c = static_cast<char>(Uniform(random, 0, 1) != 0 ? likely[static_cast<std::size_t>(Uniform(random, 0, 30))]
                                                         : Uniform(random, 1, 255));
    return line;
}

// A double with random bits, or of random magnitude (subnormals, values
// near 2^53 and 2^64), or on or near a halfway point of the 16th decimal
// (the exact ties are the odd multiples of 2^-17).
double RandomDouble(Random& random)
{
    const auto scale = [&](double value, int low, int high) {
        return std::ldexp(value, static_cast<int>(Uniform(random, low, high)));
    };
    switch (Uniform(random, 0, 5)) {
    case 0: return std::bit_cast<double>(random());
    case 1: return std::bit_cast<double>(random() >> Uniform(random, 0, 63));
    case 2: return scale(static_cast<double>(Uniform(random, -(1LL << 40), 1LL << 40)), -80, 30);
    case 3: return scale(std::uniform_real_distribution<double>(-1, 1)(random), -70, 70);
    case 4: return scale(static_cast<double>(2 * Uniform(random, -(1LL << 52), (1LL << 52) - 1) + 1), -17, -17);
    default: return (static_cast<double>(Uniform(random, 0, 1LL << 40)) + 0.5) / 1e16;
    }
}

TEST(ScanSampleAgainstGlibc, RandomLines)
{
    Random random(20240611);
    CompareScans("random number lines", Scaled(200000), [&] { return RandomNumberLine(random); });
    CompareScans("random byte lines", Scaled(200000), [&] { return RandomByteLine(random); });
}

TEST(ScanSampleAgainstGlibc, PrintedDoublesReadBack)
{
    // The tools' own "%18.16f" lines, and others that put the point from
    // 5 to 27 digits before the end, are just above or below a double as
    // often as not.
    const char* formats[] = {"%.17g %.17g", "%.16e\t%.3e",      "%a %A",     "%.40f %.1f", "%.25g %.60e",
                             "%.13a %.0e",  "%18.16f\t%18.16f", "%.27f %.5f"};
    Random random(7);
    CompareScans("printed pairs", Scaled(100000), [&] {
        char line[2048];
        std::snprintf(line, sizeof line, formats[Uniform(random, 0, std::size(formats) - 1)], RandomDouble(random),
                      RandomDouble(random));
        return std::string(line);
    });
}

// Integers up to about 2^54 (some with trailing zeros) times powers of ten
// around the range that one double operation converts exactly.
TEST(ScanSampleAgainstGlibc, ShortMantissasWithSmallExponents)
{
    Random random(5);
    CompareScans("short mantissa pairs", Scaled(200000), [&] {
        const unsigned long long mantissa = random() >> Uniform(random, 10, 63);
        const std::string zeros(static_cast<std::size_t>(Uniform(random, 0, 1) * Uniform(random, 0, 6)), '0');
        char line[100];
        std::snprintf(line, sizeof line, "%llu%se%d %llu.%se%d", mantissa, zeros.c_str(),
                      static_cast<int>(Uniform(random, -25, 40)), mantissa, zeros.c_str(),
                      static_cast<int>(Uniform(random, -25, 40)));
        return std::string(line);
    });
}

// A plain decimal of 1 to 25 digits, the point anywhere in them or absent,
// maybe signed, maybe with an exponent of any length and sign; or, for
// exact ties, an integer halfway between two doubles above 2^53.
std::string RandomPlainDecimal(Random& random)
{
    if (Uniform(random, 0, 7) == 0) {
        const auto odd = static_cast<unsigned long long>(2 * Uniform(random, 1LL << 52, (1LL << 53) - 1) + 1);
        return Pick(random, {"", "-"}) + std::to_string(odd << Uniform(random, 0, 10)) + Pick(random, {"", ".", "e0"});
    }
    std::string text(static_cast<std::size_t>(Uniform(random, 1, 25)), '0');
    for (char& c : text) // many zeros, for leading and trailing ones
        c = Uniform(random, 0, 2) == 0 ? '0' : static_cast<char>('0' + Uniform(random, 0, 9));
    const long long point = Uniform(random, -1, static_cast<long long>(text.size()));
    if (point >= 0)
        text = text.substr(0, static_cast<std::size_t>(point)) + "." + text.substr(static_cast<std::size_t>(point));
    text = Pick(random, {"", "", "-", "+"}) + text;
    if (Uniform(random, 0, 2) == 0)
        return text;
    const long long ranges[][2] = {{0, 25}, {280, 330}, {-345, -290}, {-30, 0}};
    const auto* range = ranges[Uniform(random, 0, 3)];
    const long long exponent = Uniform(random, range[0], range[1]);
    const std::string sign = exponent < 0 ? "-" : Pick(random, {"", "+"});
    const std::string zeros(static_cast<std::size_t>(Uniform(random, 0, 1) * Uniform(random, 0, 6)), '0');
    return text + Pick(random, {"e", "E"}) + sign + zeros + std::to_string(exponent < 0 ? -exponent : exponent);
}

// Lines of one or two plain decimals between spaces and tabs, ending in
// LF, CR LF, other white space, more text or nothing, with now and then a
// form the common-line reader leaves to ScanSample.
TEST(ScanSampleAgainstGlibc, PlainDecimalLines)
{
    Random random(23);
    CompareScans("plain decimal lines", Scaled(300000), [&] {
        const auto blanks = [&] { return Pick(random, {"", " ", "\t", "  ", " \t "}); };
        std::string line = blanks() + RandomPlainDecimal(random);
        if (Uniform(random, 0, 3) != 0)
            line += Pick(random, {" ", "\t", " ", "\t\t", "\r", ","}) + blanks() +
                    (Uniform(random, 0, 15) == 0 ? RandomToken(random) : RandomPlainDecimal(random));
        return line + blanks() +
               Pick(random, {"\n", "\n", "\r\n", "\r\n", "", "\r", " x\n", "0x1\n", ".5\n", "e\n", "\v\n"});
    });
}

#if LDBL_MANT_DIG >= 64
// The exact midpoints between neighbouring doubles (subnormals included) and
// the long doubles just beside them, written out in full decimal or to 25
// digits, of which the common-line reader keeps 19 where they decide. A
// third of the midpoints lie just below a power of two from 2^-40 to 2^50,
// where rounding up carries into the exponent.
TEST(ScanSampleAgainstGlibc, DecimalHalfwayPoints)
{
    Random random(17);
    long long next = 0;
    long double midpoint = 0;
    CompareScans("decimal halfway points", Scaled(30000), [&] {
        if (next % 3 == 0) {
            const std::uint64_t bits =
                next % 9 == 6   ? static_cast<std::uint64_t>(Uniform(random, 983, 1073)) << 52 | 0x000fffffffffffffu
                : next % 2 == 0 ? random() >> Uniform(random, 12, 52)
                                : random() & 0x7fefffffffffffffu;
            const double below = std::bit_cast<double>(bits);
            const double above = std::nextafter(below, std::numeric_limits<double>::infinity());
            midpoint = (static_cast<long double>(below) + above) / 2;
        }
        const long double beside = next % 3 == 1 ? 0.0L : std::numeric_limits<long double>::infinity();
        const long double value = next % 3 == 0 ? midpoint : std::nextafter(midpoint, beside);
        ++next;
        char line[2048];
        std::snprintf(line, sizeof line, Uniform(random, 0, 1) == 0 ? "%.800Le" : "%.24Le", value);
        return std::string(line);
    });
}
#endif

// Hexadecimal numbers of 1 to 20 significant digits whose value is near or
// in the subnormal range.
TEST(ScanSampleAgainstGlibc, HexadecimalSubnormals)
{
    Random random(13);
    CompareScans("hexadecimal subnormals", Scaled(200000), [&] {
        std::string digits(static_cast<std::size_t>(Uniform(random, 1, 20)), '0');
        for (char& c : digits) // many zeros, for exact and near ties
            c = Uniform(random, 0, 1) == 0 ? '0' : "0123456789abcdef"[Uniform(random, 0, 15)];
        digits[0] = "123456789abcdef"[Uniform(random, 0, 14)];
        return "0x" + digits + "p-" + std::to_string(Uniform(random, 1000, 1160));
    });
}

struct Extents {
    int count;
    int values[3] = {-7, -7, -7};
    bool operator==(const Extents&) const = default;
};

std::string Show(const Extents& extents)
{
    return std::to_string(extents.count) + ": " + std::to_string(extents.values[0]) + " " +
           std::to_string(extents.values[1]) + " " + std::to_string(extents.values[2]);
}

// glibc's "%d" conversions one at a time, read as long long so that the
// values outside int can be told apart (glibc's "%d" would wrap them).
Extents ScanExtentsWithGlibc(const char* line)
{
    Extents extents{3};
    for (int i = 0; i < 3; ++i) {
        long long value;
        int used = 0;
        const int converted = std::sscanf(line, "%lld%n", &value, &used);
        if (converted != 1 || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
            extents.count = i == 0 && converted != 1 ? converted : i;
            return extents;
        }
        extents.values[i] = static_cast<int>(value);
        line += used;
    }
    return extents;
}

TEST(ScanExtentsAgainstGlibc, RandomLines)
{
    const std::vector<std::string> pieces = {"0",  "7", "-", "+",          " ",          "\t",
                                             "\n", "x", ".", "2147483647", "2147483648", "99999999999"};
    Random random(3);
    Compare(
        "extent lines", Scaled(200000),
        [&] {
            std::string line;
            for (long long length = Uniform(random, 0, 10); length > 0; --length)
                line += Pick(random, pieces);
            return line;
        },
        [](const std::string& line) {
            Extents extents;
            extents.count = ScanExtents(line.c_str(), 3, extents.values);
            return extents;
        },
        [](const std::string& line) { return ScanExtentsWithGlibc(line.c_str()); });
}

std::string PrintLineWithGlibc(std::pair<double, double> values)
{
    char text[800];
    return std::string(text, static_cast<std::size_t>(std::snprintf(text, sizeof text, "%18.16lf\t%18.16lf\n",
                                                                    values.first, values.second)));
}

// Mostly what a line's own path prints (|value| < 2^26): integer parts of
// every length with random fractions, fractions of a few decimals that a
// double only nears (some round up out of their last four or eight
// digits), ties at the 16th decimal, values below 1 down to the smallest
// (where the fraction the path starts from is short of the value below
// 2^-11), zeros, and values near a tie at the 16th decimal below 2^-11;
// else any value.
double RandomLineValue(Random& random)
{
    const double sign = Uniform(random, 0, 1) != 0 ? -1.0 : 1.0;
    const long long largestIntegers[] = {9, 999, 999999, 99999999};
    const double integer = static_cast<double>(Uniform(random, 1, largestIntegers[Uniform(random, 0, 3)]));
    switch (Uniform(random, 0, 8)) {
    case 0: return sign * (integer + std::uniform_real_distribution<double>(0, 1)(random));
    case 1: return sign * (integer + static_cast<double>(Uniform(random, 0, 999999)) * 1e-12);
    case 2: return sign * (integer + std::ldexp(static_cast<double>(2 * Uniform(random, 0, 1 << 15) + 1), -17));
    case 3:
        return sign * std::ldexp(std::uniform_real_distribution<double>(1, 2)(random),
                                 static_cast<int>(Uniform(random, -1, 26)));
    case 4:
        return sign * std::ldexp(std::uniform_real_distribution<double>(1, 2)(random),
                                 static_cast<int>(Uniform(random, -80, -1)));
    case 5: return sign * static_cast<double>(2 * Uniform(random, 0, 99999999) + 1) * 5e-17;
    case 6:
        return sign * std::ldexp(static_cast<double>(2 * Uniform(random, 0, 1 << 20) + 1),
                                 -static_cast<int>(Uniform(random, 17, 40)));
    case 7: return sign * static_cast<double>(Uniform(random, 0, 1)) * std::numeric_limits<double>::denorm_min();
    default: return RandomDouble(random);
    }
}

TEST(PrintFixed16AgainstGlibc, RandomValues)
{
    Random random(11);
    Compare(
        "printed values", Scaled(3000000), [&] { return RandomDouble(random); }, PrintWithNumtext, PrintWithGlibc);
    Compare(
        "printed lines", Scaled(2000000),
        [&] { return std::make_pair(RandomLineValue(random), RandomLineValue(random)); }, PrintLineWithNumtext,
        PrintLineWithGlibc);
}

#endif // __GLIBC__

} // namespace
