// The yardstick for the end-to-end benchmarks: a plain filter with the
// tools' input and output format, built on FFTW with fast text routines
// (std::from_chars for reading, an exact integer printer for writing). It
// reads standard input through a 1 MiB buffer, pads every axis to a power of two,
// transforms with an FFTW_ESTIMATE plan and prints "%18.16f" values.
//
// Invoked as fftwline, fftwplane or fftwcube (the number of axes is taken
// from the name); a name that begins with i runs the inverse. The forward
// direction uses exp(+2 pi i jk/N), FFTW's "backward" sign. It is a
// benchmark program only: it does not check its input as the tools do.
#include <fftw3.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

__extension__ typedef unsigned __int128 UInt128;

// Standard input through one 1 MiB buffer, refilled as lines are used up.
struct Input {
    std::vector<char> buffer = std::vector<char>(1 << 20);
    std::size_t begin = 0;
    std::size_t end = 0;
    bool ended = false;
};

// The next line (without its newline) as [*first, *last); false at the end.
bool NextLine(Input& input, const char** first, const char** last)
{
    for (;;) {
        const char* start = input.buffer.data() + input.begin;
        const std::size_t available = input.end - input.begin;
        const void* newline = std::memchr(start, '\n', available);
        if (newline != nullptr || (input.ended && available > 0)) {
            *first = start;
            *last = newline ? static_cast<const char*>(newline) : start + available;
            input.begin = static_cast<std::size_t>(*last - input.buffer.data()) + (newline ? 1 : 0);
            return true;
        }
        if (input.ended)
            return false;
        std::memmove(input.buffer.data(), start, available);
        input.begin = 0;
        input.end = available;
        const std::size_t got = std::fread(input.buffer.data() + available, 1, input.buffer.size() - available, stdin);
        input.end += got;
        input.ended = got == 0;
    }
}

const char* SkipBlanks(const char* p, const char* end)
{
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r'))
        ++p;
    return p;
}

// Reads "re [im]" from [p, end) into sample.
void ReadSample(const char* p, const char* end, fftw_complex sample)
{
    p = SkipBlanks(p, end);
    double re = 0.0;
    double im = 0.0;
    p = std::from_chars(p, end, re).ptr;
    p = SkipBlanks(p, end);
    if (p < end)
        std::from_chars(p, end, im);
    sample[0] = re;
    sample[1] = im;
}

int PaddedLength(int n)
{
    int N = 1;
    while (N < n)
        N *= 2;
    return N;
}

const char pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                     "8081828384858687888990919293949596979899";

// value (below 10^8) as exactly eight digits.
char* WriteEightDigits(char* out, std::uint64_t value)
{
    for (int i = 6; i >= 0; i -= 2) {
        std::memcpy(out + i, pairs + 2 * (value % 100), 2);
        value /= 100;
    }
    return out + 8;
}

// value in decimal, at least minimumDigits digits, two digits at a time.
char* WriteDigits(char* out, std::uint64_t value, int minimumDigits)
{
    char digits[24];
    char* start = digits + sizeof digits;
    while (value >= 100) {
        start -= 2;
        std::memcpy(start, pairs + 2 * (value % 100), 2);
        value /= 100;
    }
    if (value >= 10) {
        start -= 2;
        std::memcpy(start, pairs + 2 * value, 2);
    } else {
        *--start = static_cast<char>('0' + value);
    }
    while (digits + sizeof digits - start < minimumDigits)
        *--start = '0';
    const auto length = static_cast<std::size_t>(digits + sizeof digits - start);
    std::memcpy(out, start, length);
    return out + length;
}

// "%18.16f" of value, exact: the binary value rounded half to even at the
// 16th decimal, computed in 128-bit integers below 2^63.
char* PrintFixed16(char* out, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52) & 0x7ff;
    if (biased >= 1023 + 63)
        return out + std::snprintf(out, 400, "%18.16f", value);
    if (bits >> 63)
        *out++ = '-';
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (biased ? std::uint64_t(1) << 52 : 0);
    const int shift = 1075 - (biased ? biased : 1);
    std::uint64_t integer = 0;
    std::uint64_t fraction = 0;
    if (shift <= 0) {
        integer = mantissa << -shift;
    } else if (shift < 128) {
        integer = shift < 64 ? mantissa >> shift : 0;
        const std::uint64_t low = shift < 64 ? mantissa & ((std::uint64_t(1) << shift) - 1) : mantissa;
        const UInt128 scaled = static_cast<UInt128>(low) * 10000000000000000u;
        fraction = static_cast<std::uint64_t>(scaled >> shift);
        const UInt128 rest = scaled - (static_cast<UInt128>(fraction) << shift);
        const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
        if (rest > half || (rest == half && (fraction & 1)))
            ++fraction;
        if (fraction == 10000000000000000u) {
            fraction = 0;
            ++integer;
        }
    }
    out = WriteDigits(out, integer, 1);
    *out++ = '.';
    out = WriteEightDigits(out, fraction / 100000000);
    return WriteEightDigits(out, fraction % 100000000);
}

} // namespace

int main(int, char** argv)
{
    const char* name = std::strrchr(argv[0], '/') ? std::strrchr(argv[0], '/') + 1 : argv[0];
    const int sign = (name[0] | 0x20) == 'i' ? FFTW_FORWARD : FFTW_BACKWARD;
    const int rank = std::strstr(name, "cube") ? 3 : std::strstr(name, "plane") ? 2 : 1;

    Input input;
    const char* first = nullptr;
    const char* last = nullptr;
    int declared[3] = {1, 1, 1};
    if (NextLine(input, &first, &last)) {
        for (int axis = 0; axis < rank; ++axis)
            first = std::from_chars(SkipBlanks(first, last), last, declared[axis]).ptr;
    }
    const int padded[3] = {PaddedLength(declared[0]), PaddedLength(declared[1]), PaddedLength(declared[2])};
    const std::size_t total = static_cast<std::size_t>(padded[0]) * padded[1] * padded[2];

    auto* data = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * total));
    const int dims[3] = {padded[2], padded[1], padded[0]};
    fftw_plan plan = fftw_plan_dft(rank, dims + 3 - rank, data, data, sign, FFTW_ESTIMATE);
    std::memset(data, 0, sizeof(fftw_complex) * total);
    for (int z = 0; z < declared[2]; ++z)
        for (int y = 0; y < declared[1]; ++y)
            for (int x = 0; x < declared[0] && NextLine(input, &first, &last); ++x)
                ReadSample(first, last, data[(static_cast<std::size_t>(z) * padded[1] + y) * padded[0] + x]);
    fftw_execute(plan);

    std::printf(rank == 1 ? "%d\n" : rank == 2 ? "%d\t%d\n" : "%d\t%d\t%d\n", padded[0], padded[1], padded[2]);
    std::vector<char> block(1 << 16);
    std::size_t used = 0;
    for (std::size_t i = 0; i < total; ++i) {
        if (block.size() - used < 1000) {
            std::fwrite(block.data(), 1, used, stdout);
            used = 0;
        }
        char* out = PrintFixed16(block.data() + used, data[i][0]);
        *out++ = '\t';
        out = PrintFixed16(out, data[i][1]);
        *out++ = '\n';
        used = static_cast<std::size_t>(out - block.data());
    }
    std::fwrite(block.data(), 1, used, stdout);
    fftw_destroy_plan(plan);
    fftw_free(data);
    return 0;
}
