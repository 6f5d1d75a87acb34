// The transform kernel: padded lengths, twiddle tables, exact small
// transforms, and agreement with a direct evaluation of the sum.
#include "kernel/FFT.h"
#include "base/storage.h"
#include "kernel/axes.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#if defined(__unix__)
#include <sys/resource.h>
#endif

namespace {

std::uint64_t Bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

// Exact bit comparison, so that -0.0 differs from +0.0.
void ExpectSample(const Complex& actual, double re, double im)
{
    EXPECT_EQ(Bits(actual.re), Bits(re)) << actual.re << " vs " << re;
    EXPECT_EQ(Bits(actual.im), Bits(im)) << actual.im << " vs " << im;
}

struct Table {
    Complex* entries = nullptr;
    int length = 0;
    explicit Table(int n) { length = SetUpFFT(n, &entries); }
    ~Table() { ClearFFT(entries); }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
};

std::vector<Complex> Transformed(std::vector<Complex> line, int direction)
{
    Table table(static_cast<int>(line.size()));
    FFT(table.length, table.entries, line.data(), direction);
    return line;
}

// The sum itself, in long double with exactly reduced angles.
std::vector<Complex> DirectTransform(const std::vector<Complex>& line, int direction)
{
    const auto N = static_cast<long>(line.size());
    const long double pi = 3.141592653589793238462643383279502884L;
    std::vector<Complex> result(line.size());
    for (long k = 0; k < N; ++k) {
        long double re = 0.0L;
        long double im = 0.0L;
        for (long j = 0; j < N; ++j) {
            const long double angle = direction * 2.0L * pi * static_cast<long double>((j * k) % N) / N;
            const long double c = std::cos(angle);
            const long double s = std::sin(angle);
            re += line[j].re * c - line[j].im * s;
            im += line[j].re * s + line[j].im * c;
        }
        result[k] = Complex{static_cast<double>(re), static_cast<double>(im)};
    }
    return result;
}

std::vector<Complex> RandomLine(int N, std::mt19937_64& random)
{
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<Complex> line(N);
    for (Complex& sample : line)
        sample = Complex{value(random), value(random)};
    return line;
}

// Largest difference relative to the largest magnitude of the expected line.
double RelativeError(const std::vector<Complex>& actual, const std::vector<Complex>& expected)
{
    double scale = 0.0;
    double error = 0.0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        scale = std::max(scale, std::hypot(expected[i].re, expected[i].im));
        error = std::max(error, std::hypot(actual[i].re - expected[i].re, actual[i].im - expected[i].im));
    }
    return error / scale;
}

// Double arithmetic as x86 (SSE2 and later) does it, written out so that no
// compiler reordering of the operands can change it: when an operand is a
// NaN the result is the first NaN operand, quieted, whatever the other
// operand holds. Only then do the operands' sides matter, and then a sign
// or a payload shows which side a NaN came from.
double Quieted(double value)
{
    return std::bit_cast<double>(Bits(value) | (std::uint64_t{1} << 51));
}

double FirstNaN(double a, double b)
{
    return std::isnan(a) ? Quieted(a) : Quieted(b);
}

double Add(double a, double b)
{
    return std::isnan(a) || std::isnan(b) ? FirstNaN(a, b) : a + b;
}

double Subtract(double a, double b)
{
    return std::isnan(a) || std::isnan(b) ? FirstNaN(a, b) : a - b;
}

double Multiply(double a, double b)
{
    return std::isnan(a) || std::isnan(b) ? FirstNaN(a, b) : a * b;
}

// The transform in its plainest order: bit reversal, then per stage the
// twiddle index outermost and the butterflies of one twiddle innermost.
// The upper output is t + a, with t first: the order the tools have always
// used. Where two NaNs meet, that order decides which one comes out, and
// so whether "nan" or "-nan" is printed.
std::vector<Complex> PlainOrderTransform(std::vector<Complex> line, const Complex* table, int direction)
{
    const int N = static_cast<int>(line.size());
    for (int i = 1, j = 0; i < N; ++i) {
        int bit = N >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j |= bit;
        if (i < j)
            std::swap(line[i], line[j]);
    }
    for (int m = 1; m < N; m *= 2) {
        for (int k = 0; k < m; ++k) {
            const double wRe = table[k * (N / m)].re;
            const double wIm = Multiply(table[k * (N / m)].im, direction);
            for (int p = k; p < N; p += 2 * m) {
                const Complex a = line[p], b = line[p + m];
                const double tRe = Subtract(Multiply(b.re, wRe), Multiply(b.im, wIm));
                const double tIm = Add(Multiply(b.re, wIm), Multiply(b.im, wRe));
                line[p + m] = Complex{Subtract(a.re, tRe), Subtract(a.im, tIm)};
                line[p] = Complex{Add(tRe, a.re), Add(tIm, a.im)};
            }
        }
    }
    return line;
}

// Runs check(path) with FFT on every path that this build and this
// processor have, then goes back to the default path.
template <class Check>
void OnEveryPath(Check check)
{
    for (int path = 0; path < FFTPathCount; ++path) {
        if (!FFTPathAvailable(path))
            continue;
        UseFFTPath(path);
        check(path);
    }
    UseFFTPath(FFTPathCount);
}

// Reports the first sample whose bits differ, if any.
void ExpectSameBits(const Complex* actual, const std::vector<Complex>& expected, const std::string& what)
{
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (Bits(actual[i].re) != Bits(expected[i].re) || Bits(actual[i].im) != Bits(expected[i].im)) {
            ADD_FAILURE() << what << ": index " << i << " is (" << actual[i].re << ", " << actual[i].im
                          << "), expected (" << expected[i].re << ", " << expected[i].im << ")";
            return;
        }
    }
}

// Expects FFT to give exactly the bits of the plain order on this line, on
// every path.
void ExpectPlainOrderBits(const std::vector<Complex>& line, const Complex* table, int direction, const char* what)
{
    const int N = static_cast<int>(line.size());
    const auto expected = PlainOrderTransform(line, table, direction);
    OnEveryPath([&](int path) {
        auto actual = line;
        FFT(N, table, actual.data(), direction);
        ExpectSameBits(actual.data(), expected,
                       std::string(what) + ", N = " + std::to_string(N) + ", direction " + std::to_string(direction) +
                           ", path " + std::to_string(path));
    });
}

// A line with some parts replaced by NaNs of both signs, infinities and
// signed zeros. A NaN soon spreads to every sample, so whichever NaN wins
// each addition decides the signs that come out.
std::vector<Complex> SpecialValuesLine(int N, int specials, std::mt19937_64& random)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {nan, -nan, inf, -inf, 0.0, -0.0};
    auto line = RandomLine(N, random);
    std::uniform_int_distribution<int> position(0, N - 1);
    std::uniform_int_distribution<int> value(0, static_cast<int>(std::size(values)) - 1);
    for (int i = 0; i < specials; ++i) {
        Complex& sample = line[position(random)];
        (random() & 1 ? sample.re : sample.im) = values[value(random)];
    }
    return line;
}

TEST(PaddedLength, IsTheSmallestPowerOfTwoNotBelowTheRequest)
{
    const int requests[] = {0, -5, 1, 2, 3, 4, 5, 1000, 1024, 1025, (1 << 29) + 1, 1 << 30};
    const int padded[] = {1, 1, 1, 2, 4, 4, 8, 1024, 1024, 2048, 1 << 30, 1 << 30};
    for (std::size_t i = 0; i < std::size(requests); ++i)
        EXPECT_EQ(PaddedLength(requests[i]), padded[i]) << "request " << requests[i];
}

TEST(PaddedLength, HasNoPowerOfTwoAboveTheLargestTable)
{
    EXPECT_EQ(PaddedLength((1 << 30) + 1), 0);
    EXPECT_EQ(PaddedLength(INT32_MAX), 0);
}

TEST(SetUpFFT, ReturnsThePaddedLengthOfSmallAndOddRequests)
{
    const int requests[] = {2, 3, 4, 5, 1000, 1024, 1025};
    const int padded[] = {2, 4, 4, 8, 1024, 1024, 2048};
    for (std::size_t i = 0; i < std::size(requests); ++i) {
        Table table(requests[i]);
        EXPECT_EQ(table.length, padded[i]);
        EXPECT_NE(table.entries, nullptr);
    }
}

TEST(SetUpFFT, GivesOneEntryOfOneForLengthsBelowTwo)
{
    for (int n : {0, -5, 1, INT32_MIN}) {
        Table table(n);
        ASSERT_EQ(table.length, 1) << n;
        ExpectSample(table.entries[0], 1.0, 0.0);
    }
}

TEST(SetUpFFT, RefusesLengthsWithoutAPaddedLengthAndClearsThePointer)
{
    for (int n : {(1 << 30) + 1, INT32_MAX}) {
        Complex* table = reinterpret_cast<Complex*>(&n);
        EXPECT_EQ(SetUpFFT(n, &table), 0);
        EXPECT_EQ(table, nullptr);
    }
}

#if defined(__unix__) && !defined(__SANITIZE_ADDRESS__)
// 2^29 + 1 pads to 2^30 and needs 2^34 bytes, more than a 1 GiB address
// space (and more than a 32-bit size type can even express).
TEST(SetUpFFT, ReportsATableThatCannotBeHad)
{
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = rlim_t{1} << 30;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &small), 0);
    Complex sentinel{};
    Complex* table = &sentinel;
    const int N = SetUpFFT((1 << 29) + 1, &table);
    setrlimit(RLIMIT_AS, &saved);
    EXPECT_EQ(N, 0);
    EXPECT_EQ(table, nullptr);
}
#endif

#if defined(__unix__) && !defined(__SANITIZE_ADDRESS__)
[[noreturn]] void CheckBlockUnderOneGiB(int extent)
{
    const rlimit small{rlim_t{1} << 30, rlim_t{1} << 30};
    setrlimit(RLIMIT_AS, &small);
    CheckBlockSize(1, &extent);
    std::exit(0);
}
#endif

// The tools check the sample block before building any table: a byte
// count that wraps the size type, or a block the allocator cannot provide,
// ends the run at once. Sizes that can be had pass.
TEST(CheckBlockSize, RefusesBlocksThatCannotBeHadBeforeAnyTable)
{
    const int fits[2] = {1024, 1000};
    EXPECT_EXIT((CheckBlockSize(2, fits), std::exit(0)), testing::ExitedWithCode(0), "");
    // 16 * 2^90 bytes: wraps to 0 in any size type.
    const int wraps[3] = {1 << 30, 1 << 30, (1 << 29) + 1};
    EXPECT_EXIT(CheckBlockSize(3, wraps), testing::ExitedWithCode(1), "^memory allocation error\\.\n$");
#if defined(__unix__) && !defined(__SANITIZE_ADDRESS__)
    // 2 GiB under a 1 GiB address space: only the probe can tell.
    EXPECT_EXIT(CheckBlockUnderOneGiB(1 << 27), testing::ExitedWithCode(1), "^memory allocation error\\.\n$");
#endif
}

TEST(SetUpFFT, TableOfEightWalksHalfATurnCounterClockwise)
{
    Table table(8);
    ASSERT_EQ(table.length, 8);
    ExpectSample(table.entries[0], 1.0, 0.0);
    const double pi = 3.141592653589793;
    for (int k = 1; k < 8; ++k) {
        const double angle = k * (pi / 8);
        EXPECT_GT(table.entries[k].im, 0.0) << k;
        EXPECT_NEAR(table.entries[k].re, std::cos(static_cast<long double>(angle)), 1.2e-16) << k;
        EXPECT_NEAR(table.entries[k].im, std::sin(static_cast<long double>(angle)), 1.2e-16) << k;
    }
    // The cosine of the double nearest pi/2 is not zero.
    ExpectSample(table.entries[4], 6.123233995736766e-17, 1.0);
}

TEST(FFT, LengthOneLeavesTheSampleAlone)
{
    for (int direction : {1, -1}) {
        const auto line = Transformed({{3.0, -4.0}}, direction);
        ExpectSample(line[0], 3.0, -4.0);
    }
}

TEST(FFT, LengthTwoGivesSumAndDifferenceInBothDirections)
{
    for (int direction : {1, -1}) {
        const auto line = Transformed({{1.0, 0.0}, {2.0, 0.0}}, direction);
        ExpectSample(line[0], 3.0, 0.0);
        ExpectSample(line[1], -1.0, 0.0);
    }
}

TEST(FFT, LengthFourCarriesTheTwiddleRoundingIntoTheLastBit)
{
    const std::vector<Complex> input = {{1.0, 0.0}, {2.0, 0.0}, {3.0, 0.0}, {4.0, 0.0}};
    const auto forward = Transformed(input, 1);
    ExpectSample(forward[0], 10.0, 0.0);
    ExpectSample(forward[1], -2.0, -2.0);
    ExpectSample(forward[2], -2.0, 0.0);
    ExpectSample(forward[3], -1.9999999999999998, 2.0);
    const auto inverse = Transformed(input, -1);
    ExpectSample(inverse[0], 10.0, 0.0);
    ExpectSample(inverse[1], -2.0, 2.0);
    ExpectSample(inverse[2], -2.0, 0.0);
    ExpectSample(inverse[3], -1.9999999999999998, -2.0);
}

TEST(FFT, AnInfiniteImaginaryPartReachesTheRealPartToo)
{
    const double inf = std::numeric_limits<double>::infinity();
    const auto line = Transformed({{0.0, 0.0}, {0.0, inf}}, 1);
    EXPECT_TRUE(std::isnan(line[0].re));
    EXPECT_TRUE(std::isnan(line[1].re));
}

TEST(FFT, GivesTheSameBitsAsThePlainButterflyOrderOnFiniteLines)
{
    std::mt19937_64 random(3);
    // Past 2^20 the longest lines take their upper stages in two rounds.
    for (int N = 1; N <= 1 << 21; N *= 2) {
        Table table(N);
        for (int direction : {1, -1})
            ExpectPlainOrderBits(RandomLine(N, random), table.entries, direction, "finite");
    }
}

// Each operand must stay on its side of every addition, subtraction and
// multiplication: (nan, -nan) in a sample shows a swapped pair or an a - b
// computed as a + (-b).
TEST(FFT, GivesTheSameBitsAsThePlainButterflyOrderForNaNsInfinitiesAndZeros)
{
    std::mt19937_64 random(5);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int N = 2; N <= 1 << 13; N *= 2) {
        Table table(N);
        for (int direction : {1, -1}) {
            auto pair = RandomLine(N, random);
            pair[N - 1] = Complex{nan, -nan};
            pair[N / 2 - 1] = Complex{-nan, nan};
            ExpectPlainOrderBits(pair, table.entries, direction, "opposite NaNs");
            for (int specials : {1, 2, 3, 8, N})
                ExpectPlainOrderBits(SpecialValuesLine(N, specials, random), table.entries, direction, "specials");
        }
    }
}

// Every build has the portable path, and x86 builds have SSE2 too, which
// every x86 processor they run on has.
TEST(FFT, ThePathsAvailableIncludeThePortableOneAndOnX86SSE2)
{
    EXPECT_TRUE(FFTPathAvailable(PortablePath));
#if defined(__x86_64__) || defined(__i386__)
    EXPECT_TRUE(FFTPathAvailable(SSE2Path));
#else
    EXPECT_FALSE(FFTPathAvailable(SSE2Path));
#endif
    EXPECT_FALSE(FFTPathAvailable(FFTPathCount));
    for (int path = 0; path < FFTPathCount; ++path)
        std::printf("FFT path %d: %s\n", path, FFTPathAvailable(path) ? "tested" : "not available here");
}

// Columns of a plane go through a panel several at a time; each must come
// out with the plain order's bits of its own column, on every path, for
// panel widths from 1 to 16, column counts that leave a narrower remainder,
// lines reached through every second row pointer, and one-sample columns.
TEST(TransformColumns, GiveEveryColumnThePlainOrderBits)
{
    struct Case {
        int N;
        int columns;
        int width;
    };
    const Case cases[] = {{1, 5, 4},     {2, 3, 2},    {4, 1, 1},     {4, 8, 8},    {8, 7, 8},
                          {16, 13, 8},   {64, 9, 4},   {128, 6, 2},   {256, 3, 1},  {1024, 11, 8},
                          {4096, 12, 8}, {8192, 5, 4}, {16384, 3, 2}, {8192, 1, 8}, {128, 21, 16}};
    std::mt19937_64 random(13);
    for (const Case& c : cases) {
        Table table(c.N);
        const int rowLength = c.columns + 2; // samples beyond the columns stay untouched
        const int step = 2;
        for (int direction : {1, -1}) {
            auto plane = c.N <= 64 ? SpecialValuesLine(c.N * step * rowLength, c.N, random)
                                   : RandomLine(c.N * step * rowLength, random);
            std::vector<Complex*> lines(static_cast<std::size_t>(c.N) * step);
            for (std::size_t i = 0; i < lines.size(); ++i)
                lines[i] = plane.data() + i * rowLength;
            std::vector<std::vector<Complex>> expected;
            for (int x = 0; x < c.columns; ++x) {
                std::vector<Complex> column(c.N);
                for (int i = 0; i < c.N; ++i)
                    column[i] = lines[static_cast<std::size_t>(i) * step][x];
                expected.push_back(PlainOrderTransform(column, table.entries, direction));
            }
            OnEveryPath([&](int path) {
                auto actual = plane;
                std::vector<Complex*> actualLines(lines.size());
                for (std::size_t i = 0; i < lines.size(); ++i)
                    actualLines[i] = actual.data() + i * rowLength;
                std::vector<Complex> panel(static_cast<std::size_t>(c.N) * c.width);
                TransformColumns(actualLines.data(), step, c.columns, c.N, table.entries, panel.data(), c.width,
                                 direction);
                const std::string what = "N = " + std::to_string(c.N) + ", " + std::to_string(c.columns) +
                                         " columns, width " + std::to_string(c.width) + ", direction " +
                                         std::to_string(direction) + ", path " + std::to_string(path);
                for (int x = 0; x < c.columns; ++x) {
                    std::vector<Complex> column(c.N);
                    for (int i = 0; i < c.N; ++i)
                        column[i] = actualLines[static_cast<std::size_t>(i) * step][x];
                    ExpectSameBits(column.data(), expected[x], what + ", column " + std::to_string(x));
                }
                for (std::size_t i = 0; i < plane.size(); ++i) {
                    const bool inColumn = (i / rowLength) % step == 0 && static_cast<int>(i % rowLength) < c.columns;
                    if (!inColumn) {
                        ASSERT_EQ(Bits(actual[i].re), Bits(plane[i].re)) << what << ", untouched sample " << i;
                    }
                }
            });
        }
    }
}

// The scratch of a column pass is N * PanelWidth samples: at most PanelBytes
// beyond a single line, and never wider than the columns there are.
TEST(TransformColumns, PanelsStayWithinTheirScratchBound)
{
    for (int N = 1; N <= 1 << 20; N *= 2) {
        for (int columns : {1, 2, 3, 8, 100, 1 << 20}) {
            const int width = PanelWidth(N, columns);
            EXPECT_GE(width, 1);
            EXPECT_LE(width, columns);
            EXPECT_EQ(width & (width - 1), 0) << "a power of two";
            EXPECT_LE(static_cast<std::size_t>(N) * (width - 1) * sizeof(Complex), PanelBytes) << N;
        }
    }
    EXPECT_GE(PanelWidth(1024, 1024), 8) << "several cache lines of each row at once";
}

TEST(FFT, ForwardThenInverseMultipliesByTheLength)
{
    std::mt19937_64 random(7);
    for (int N = 1; N <= 1 << 12; N *= 2) {
        const auto line = RandomLine(N, random);
        const auto back = Transformed(Transformed(line, 1), -1);
        auto scaled = line;
        for (Complex& sample : scaled)
            sample = Complex{sample.re * N, sample.im * N};
        EXPECT_LT(RelativeError(back, scaled), 1e-15 * (std::log2(N) + 1)) << "N = " << N;
    }
}

TEST(FFT, AgreesWithTheDirectSumForManyLengths)
{
    std::mt19937_64 random(11);
    for (int N = 1; N <= 1 << 10; N *= 2) {
        for (int direction : {1, -1}) {
            const auto line = RandomLine(N, random);
            const double error = RelativeError(Transformed(line, direction), DirectTransform(line, direction));
            EXPECT_LT(error, 4e-16 * (std::log2(N) + 1)) << "N = " << N << ", direction " << direction;
        }
    }
}

} // namespace
