// SinCos on a handful of arguments whose correctly rounded results are known,
// so that builds without MPFR (cross builds run under an emulator too) still
// check that the same bits come out.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "kernel/FFT.h"
#include "kernel/sincos.h"

namespace {

struct Known {
    double x;
    double sine;
    double cosine;
};

constexpr double kStep = 0x1.921fb54442d18p+1 / (1 << 20); // pi_d / 2^20

// Correctly rounded values, from MPFR.
constexpr Known kKnown[] = {
    {0x1p-1074, 0x1p-1074, 1.0},
    {0x1p-30, 0x1p-30, 1.0},
    {0.5, 0x1.eaee8744b05fp-2, 0x1.c1528065b7d5p-1},
    {1.0, 0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
    {-1.0, -0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
    {2.0, 0x1.d18f6ead1b446p-1, -0x1.aa22657537205p-2},
    {3.0, 0x1.210386db6d55bp-3, -0x1.fae04be85e5d2p-1},
    {4.0, -0x1.837b9dddc1eaep-1, -0x1.4eaa606db24c1p-1},
    // Near multiples of pi/4, including the zeros of cos and sin.
    {0x1.921fb54442d18p-1, 0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},
    {0x1.921fb54442d18p+0, 1.0, 0x1.1a62633145c07p-54},
    {0x1.2d97c7f3321d2p+1, 0x1.6a09e667f3bcdp-1, -0x1.6a09e667f3bccp-1},
    {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53, -1.0},
    // Twiddle angles k pi_d/2^20; the rounding of 989, 2286 and 76563 is
    // too close to call for the table path and is settled the slow way.
    {1 * kStep, 0x1.921fb544403c1p-19, 0x1.fffffffff6216p-1},
    {989 * kStep, 0x1.8460fa93418fap-9, 0x1.ffff6cb263bcap-1},
    {2286 * kStep, 0x1.c0d9fe9a9860cp-8, 0x1.fffced01ee6ap-1},
    {76563 * kStep, 0x1.d1acf58d0813dp-3, 0x1.f296b18a0f4f2p-1},
    {524289 * kStep, 0x1.fffffffff6216p-1, -0x1.921fb5445a1e4p-19},
    {1048575 * kStep, 0x1.921fb54444032p-19, -0x1.fffffffff6216p-1},
    // The table entry k = 535868425 of N = 2^30: a wrong rounding factor in
    // the main path shows here first among all twiddle angles below 2^30.
    {535868425 * (0x1.921fb54442d18p+1 / (1 << 30)), 0x1.ffff6fa9c71d7p-1, 0x1.8072ca3ad1363p-9},
};

std::uint64_t Bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

TEST(SinCosValues, KnownArgumentsGiveTheirBits)
{
    for (const Known& known : kKnown) {
        double sine = 0, cosine = 0;
        SinCos(known.x, &sine, &cosine);
        EXPECT_EQ(Bits(sine), Bits(known.sine)) << std::hexfloat << known.x;
        EXPECT_EQ(Bits(cosine), Bits(known.cosine)) << std::hexfloat << known.x;
    }
}

TEST(SinCosValues, ZeroKeepsItsSign)
{
    double sine = 1, cosine = 0;
    SinCos(0.0, &sine, &cosine);
    EXPECT_EQ(Bits(sine), Bits(0.0));
    EXPECT_EQ(cosine, 1.0);
    SinCos(-0.0, &sine, &cosine);
    EXPECT_EQ(Bits(sine), Bits(-0.0));
    EXPECT_EQ(cosine, 1.0);
}

TEST(SinCosValues, ArgumentsOutsideTheRangeGiveNaN)
{
    for (const double x :
         {4.5, -5.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        double sine = 0, cosine = 0;
        SinCos(x, &sine, &cosine);
        EXPECT_TRUE(std::isnan(sine) && std::isnan(cosine)) << x;
    }
}

// SinCosMultiples works out several arguments at a time, on the path the
// transforms run on: on every path this build and processor have, every
// entry must have the bits SinCos gives its argument. The cases take in
// every twiddle angle up to 2^20 (so the main path, arguments near the
// zeros, undecided ones and those below 2^-27), counts that leave a tail, a
// negative step, multiples that leave the range, and a NaN step; each is
// stored as a twiddle table holds it (cosine, sine, cosine, ...), in two
// arrays, and in two arrays with gaps.
struct MultiplesCase {
    double step;
    int count;
};

struct Layout {
    int stride;
    bool interleaved; // the sine just after its cosine
};

long MismatchesOfMultiples(const MultiplesCase& c, const Layout& layout)
{
    const std::size_t size = static_cast<std::size_t>(layout.stride) * static_cast<std::size_t>(c.count);
    std::vector<double> first(size + 1), second(size);
    double* cosines = first.data();
    double* sines = layout.interleaved ? first.data() + 1 : second.data();
    SinCosMultiples(c.step, c.count, sines, cosines, layout.stride);
    long mismatches = 0;
    for (int k = 0; k < c.count; ++k) {
        double sine = 0, cosine = 0;
        SinCos(static_cast<double>(k) * c.step, &sine, &cosine);
        const std::size_t at = static_cast<std::size_t>(k) * static_cast<std::size_t>(layout.stride);
        if (Bits(sines[at]) != Bits(sine) || Bits(cosines[at]) != Bits(cosine))
            ++mismatches;
    }
    return mismatches;
}

TEST(SinCosValues, MultiplesHaveTheBitsOfEachArgument)
{
    const MultiplesCase cases[] = {{kStep, 1 << 20},   {kStep, 1000003}, {kStep / 1024, 4099},
                                   {-3 * kStep, 1001}, {0.01, 501},      {std::numeric_limits<double>::quiet_NaN(), 6}};
    const Layout layouts[] = {{2, true}, {1, false}, {3, false}};
    int paths = 0;
    for (int path = 0; path < FFTPathCount; ++path) {
        if (!FFTPathAvailable(path))
            continue;
        ++paths;
        UseFFTPath(path);
        for (const MultiplesCase& c : cases) {
            for (const Layout& layout : layouts) {
                EXPECT_EQ(MismatchesOfMultiples(c, layout), 0)
                    << std::hexfloat << "path " << path << ", step " << c.step << ", count " << c.count << ", stride "
                    << layout.stride;
            }
        }
    }
    UseFFTPath(FFTPathCount); // back to the widest
    EXPECT_GE(paths, 1);
}

} // namespace
