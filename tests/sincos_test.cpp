// SinCos against MPFR: every result must be the correctly rounded double.

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "kernel/sincos.h"

namespace {

constexpr double Pi = 0x1.921fb54442d18p+1; // the double nearest pi

// MPFR's correctly rounded sin or cos at 53 bits, with the exponent range and
// subnormals of IEEE double, so the value is the nearest double.
double Reference(double x, int (*function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t))
{
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    mpfr_t argument, result;
    mpfr_init2(argument, 53);
    mpfr_init2(result, 53);
    mpfr_set_d(argument, x, MPFR_RNDN); // exact
    const int ternary = function(result, argument, MPFR_RNDN);
    mpfr_subnormalize(result, ternary, MPFR_RNDN);
    const double value = mpfr_get_d(result, MPFR_RNDN); // exact
    mpfr_clear(argument);
    mpfr_clear(result);
    return value;
}

struct Tally {
    long checked = 0;
    long mismatches = 0;
    std::string examples; // the first few mismatches
};

// Compares the bits of SinCos(x) with MPFR's.
void Check(double x, Tally* tally)
{
    double sine = 0, cosine = 0;
    SinCos(x, &sine, &cosine);
    const double expected_sine = Reference(x, mpfr_sin);
    const double expected_cosine = Reference(x, mpfr_cos);
    ++tally->checked;
    if (std::bit_cast<std::uint64_t>(sine) == std::bit_cast<std::uint64_t>(expected_sine) &&
        std::bit_cast<std::uint64_t>(cosine) == std::bit_cast<std::uint64_t>(expected_cosine)) {
        return;
    }
    if (++tally->mismatches <= 5) {
        std::ostringstream out;
        out << std::hexfloat << "x=" << x << " sin " << sine << " want " << expected_sine << ", cos " << cosine
            << " want " << expected_cosine << "\n";
        tally->examples += out.str();
    }
}

void ExpectNoMismatch(const Tally& tally)
{
    EXPECT_EQ(tally.mismatches, 0) << "of " << tally.checked << " arguments\n" << tally.examples;
}

// The angles k * pi/N of a power-of-two N are the angles
// k * 2^(20-n) * pi/2^20, since pi/N and the products scale exactly by powers
// of two; so the sweep below covers every N up to 2^20.
TEST(SinCosMpfr, EveryTwiddleAngleUpToTwoToThe20)
{
    constexpr int LogSize = 20;
    const double step = Pi / (1 << LogSize);
    Tally tally;
    for (int k = 0; k < (1 << LogSize); ++k)
        Check(k * step, &tally);
    ExpectNoMismatch(tally);
    EXPECT_EQ(tally.checked, 1 << LogSize);

    long different_angles = 0;
    for (int n = 1; n < LogSize; ++n) {
        const double coarse_step = Pi / (1 << n);
        for (int k = 0; k < (1 << n); ++k) {
            if (k * coarse_step != (k << (LogSize - n)) * step)
                ++different_angles;
        }
    }
    EXPECT_EQ(different_angles, 0);
}

TEST(SinCosMpfr, RandomTwiddleAnglesUpToTwoToThe30)
{
    std::mt19937_64 random(20240611);
    Tally tally;
    for (int trial = 0; trial < 3'000'000; ++trial) {
        const int log_size = 1 + static_cast<int>(random() % 30);
        const std::uint64_t size = std::uint64_t{1} << log_size;
        const auto k = static_cast<double>(random() & (size - 1));
        Check(k * (Pi / static_cast<double>(size)), &tally);
    }
    ExpectNoMismatch(tally);
}

TEST(SinCosMpfr, RandomArgumentsUpToFour)
{
    std::mt19937_64 random(77);
    Tally tally;
    // Uniform on [0, 4): multiples of 2^-51.
    for (int trial = 0; trial < 2'000'000; ++trial) {
        Check(static_cast<double>(random() >> 11) * 0x1p-51, &tally);
    }
    // Every binade from 2^-40 to 2, so small arguments and full mantissas too.
    for (int trial = 0; trial < 1'000'000; ++trial) {
        const double mantissa = 1.0 + static_cast<double>(random() >> 12) * 0x1p-52;
        Check(std::ldexp(mantissa, 1 - static_cast<int>(random() % 42)), &tally);
    }
    ExpectNoMismatch(tally);
}

// Checks the `radius` doubles on each side of x, x itself and their negatives.
void CheckAround(double x, int radius, Tally* tally)
{
    double below = x, above = x;
    Check(x, tally);
    Check(-x, tally);
    for (int step = 0; step < radius; ++step) {
        below = std::nextafter(below, 0.0);
        above = std::nextafter(above, 4.0);
        for (const double y : {below, above, -below, -above})
            Check(y, tally);
    }
}

TEST(SinCosMpfr, HardEdgeArguments)
{
    Tally tally;
    // Zero, subnormals, and where sin x rounds to x and cos x to 1.
    CheckAround(0.0, 20, &tally);
    CheckAround(0x1p-1022, 20, &tally);
    for (int e = -30; e <= -24; ++e)
        CheckAround(std::ldexp(1.0, e), 50, &tally);
    // Multiples of pi/4, the ends of the range, and the largest errors in the
    // angle of the nearest double.
    for (int m = 1; m <= 5; ++m)
        CheckAround(m * (Pi / 4), 200, &tally);
    CheckAround(4.0, 50, &tally);
    // Table cells and the switch to the reduced argument near 0, pi/2, pi.
    for (const double cell :
         {0.5, 1.5, 2.5, 100.5, 802.5, 803.5, 804.5, 805.5, 1606.5, 1607.5, 1608.5, 1609.5, 2047.5}) {
        CheckAround(cell / 512, 5, &tally);
    }
    ExpectNoMismatch(tally);
}

} // namespace
