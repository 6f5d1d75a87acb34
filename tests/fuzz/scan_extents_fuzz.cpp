// Target for ScanExtents against an independent reference of its rule: it
// reads like sscanf(line, "%d %d %d") (with count conversions), except that a
// value outside the range of int does not convert. The first input byte
// chooses count (1 to 3); the rest, up to a zero byte, is the line.
#include "text/scan.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "%d": white space, an optional sign, then at least one decimal digit; all
// the digits that follow belong to the number. The value is taken with
// strtoll from at most ten significant digits; more never fit an int.
int ReferenceScanExtents(const char* p, int count, int* extents)
{
    for (int n = 0; n < count; ++n) {
        while (IsSpace(*p))
            ++p;
        if (*p == '\0')
            return n == 0 ? -1 : n;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        if (!IsDigit(*p))
            return n;
        while (*p == '0')
            ++p;
        const char* digits = p;
        while (IsDigit(*p))
            ++p;
        const auto significant = static_cast<std::size_t>(p - digits);
        if (significant > 10)
            return n;
        char copy[11] = {};
        std::memcpy(copy, digits, significant);
        long long value = std::strtoll(copy, nullptr, 10);
        if (negative)
            value = -value;
        if (value < INT_MIN || value > INT_MAX)
            return n;
        extents[n] = static_cast<int>(value);
    }
    return count;
}

std::string Printable(const std::string& line)
{
    std::string text;
    char escaped[8];
    for (unsigned char c : line) {
        std::snprintf(escaped, sizeof escaped, c >= 0x20 && c < 0x7F && c != '\\' && c != '"' ? "%c" : "\\x%02x", c);
        text += escaped;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return -1;
    const int count = 1 + data[0] % 3;
    const std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);

    int got[3] = {0, 0, 0};
    int want[3] = {0, 0, 0};
    const int gotCount = ScanExtents(line.c_str(), count, got);
    const int wantCount = ReferenceScanExtents(line.c_str(), count, want);
    bool same = gotCount == wantCount;
    for (int n = 0; same && n < wantCount; ++n)
        same = got[n] == want[n];
    if (!same) {
        std::fprintf(stderr, "ScanExtents(\"%s\", %d): %d {%d %d %d}, want %d {%d %d %d}\n", Printable(line).c_str(),
                     count, gotCount, got[0], got[1], got[2], wantCount, want[0], want[1], want[2]);
        std::abort();
    }
    return 0;
}
