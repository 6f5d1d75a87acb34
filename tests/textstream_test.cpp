// Direction from the invocation path, in every build (the command-line tests
// can set the path a program sees only on POSIX systems).
#include "textstream.h"

#include <gtest/gtest.h>

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

} // namespace
