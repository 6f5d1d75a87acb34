// Direction from the invocation path, in every build (the command-line tests
// can set the path a program sees only on POSIX systems), and the zero fill
// of rows.
#include "base/direction.h"
#include "base/storage.h"
#include "text/stream.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(DirectionFromPath, FileNamesBeginningWithIRunTheInverse)
{
    for (const char* path : {"ispekline", "Ispekline", "ISPEKLINE", "C:\\tools\\ispekline.exe", "/usr/bin/Ispekline",
                             "a/b\\i", "Z:\\build\\ispekcube.exe", "./i"}) {
        EXPECT_EQ(DirectionFromPath(path), -1) << path;
    }
}

TEST(DirectionFromPath, EveryOtherNameRunsTheForwardTransform)
{
    // A drive prefix is no separator; an empty name ends in the zero byte;
    // 0x69 and 0x49 are the only first bytes that select the inverse.
    for (const char* path : {"spekline", "./spekline", "idir/spekline", "idir\\spekline", "C:ispekline", "", "dir/",
                             "dir\\", "\xc3\xadspekline", "\xc9spek", "\x89spek", "jspek", "Hspek"}) {
        EXPECT_EQ(DirectionFromPath(path), 1) << path;
    }
}

TEST(DirectionFromPath, AMissingPathRunsTheForwardTransform)
{
    EXPECT_EQ(DirectionFromPath(nullptr), 1);
}

TEST(ZeroSamples, SetsBothPartsToPositiveZeroAndNothingElse)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Complex samples[9];
    for (Complex& sample : samples)
        sample = Complex{nan, nan};
    ZeroSamples(samples + 1, 7);
    for (int i = 1; i < 8; ++i) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(samples[i].re), 0u) << i;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(samples[i].im), 0u) << i;
    }
    for (int i : {0, 8})
        EXPECT_TRUE(std::isnan(samples[i].re) && std::isnan(samples[i].im)) << i;
}

} // namespace
