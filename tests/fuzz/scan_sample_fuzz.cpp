// Differential target: ScanSample must read every zero-terminated line
// exactly as sscanf(line, "%lf %lf", ...) does: the same count and the same
// bits in every value it converts (NaN payloads and signed zeros included),
// and an imaginary part it does not convert must be left alone. It must
// read the line the same inside a buffer where digits follow its end and
// may be read too, as the tools' input block holds it; and where the line
// is a common sample line, ScanCommonSampleLine must read it the same, on
// every instruction set it runs on here.
#include "text/scan.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

[[noreturn]] void Mismatch(const std::string& line, const char* what, int got, int want, double gotValue,
                           double wantValue)
{
    std::fprintf(stderr, "ScanSample differs from sscanf (%s) on \"", what);
    for (unsigned char c : line)
        std::fprintf(stderr, c >= 0x20 && c < 0x7F && c != '\\' && c != '"' ? "%c" : "\\x%02x", c);
    std::fprintf(stderr, "\": count %d, want %d; value %016llx, want %016llx\n", got, want,
                 static_cast<unsigned long long>(Bits(gotValue)), static_cast<unsigned long long>(Bits(wantValue)));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The line ends at the first zero byte, as a line handed over by
    // ReadLine does.
    const std::string line(reinterpret_cast<const char*>(data), size);

    // Distinct quiet NaNs, so that a value stored by mistake shows.
    const double untouchedRe = FromBits(0x7FF8DEAD0000BEEFull);
    const double untouchedIm = FromBits(0x7FF8BEEF0000DEADull);
    double re = untouchedRe, im = untouchedIm;
    double wantRe = untouchedRe, wantIm = untouchedIm;
    const int got = ScanSample(line.c_str(), &re, &im);
    const int want = std::sscanf(line.c_str(), "%lf %lf", &wantRe, &wantIm);

    if (got != want)
        Mismatch(line, "count", got, want, re, wantRe);
    if (want >= 1 && Bits(re) != Bits(wantRe))
        Mismatch(line, "real part", got, want, re, wantRe);
    if (want == 2 && Bits(im) != Bits(wantIm))
        Mismatch(line, "imaginary part", got, want, im, wantIm);
    if (want == 1 && Bits(im) != Bits(untouchedIm))
        Mismatch(line, "imaginary part not left alone", got, want, im, untouchedIm);

    const std::string buffer = line + '\0' + "1234567890123456";
    double bufferRe = untouchedRe, bufferIm = untouchedIm;
    const int inBuffer = ScanSample(buffer.c_str(), buffer.c_str() + buffer.size(), &bufferRe, &bufferIm);
    if (inBuffer != got || Bits(bufferRe) != Bits(re) || Bits(bufferIm) != Bits(im))
        Mismatch(line, "inside a buffer", inBuffer, got, bufferRe, re);

    // As the stream holds it: digits before the line, a newline after its
    // text (up to its first newline) and digits after that.
    const std::string text = line.substr(0, line.find('\n'));
    std::string block = std::string(CommonLineLookBehind, '7') + text + '\n';
    if (block.size() < CommonLineLookBehind + CommonLineReach)
        block.resize(CommonLineLookBehind + CommonLineReach, '3');
    const char* start = block.c_str() + CommonLineLookBehind;
    const int wantCommon = std::sscanf((text + '\n').c_str(), "%lf %lf", &wantRe, &wantIm);
    for (int path = 0; path < TextPathCount; ++path) {
        if (!TextPathAvailable(path))
            continue;
        UseTextPath(path);
        int count = 0;
        double commonRe = untouchedRe, commonIm = untouchedIm;
        const char* end = ScanCommonSampleLine(start, &count, &commonRe, &commonIm);
        if (end == nullptr)
            continue;
        if (count != wantCommon || end != start + text.size() + 1)
            Mismatch(text, "common line count or end", count, wantCommon, commonRe, wantRe);
        if (Bits(commonRe) != Bits(wantRe) || (count == 2 && Bits(commonIm) != Bits(wantIm)))
            Mismatch(text, "common line value", count, wantCommon, commonRe, wantRe);
    }
    return 0;
}
