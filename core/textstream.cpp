#include "textstream.h"

#include "error.h"
#include "numtext.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

// Input arrives through a large block buffer and is cut into lines here,
// with the same limits as a line read into a LineBufferSize-byte array.
constexpr std::size_t InputBlockSize = 1 << 16;
char inputBlock[InputBlockSize];
std::size_t inputStart = 0;
std::size_t inputEnd = 0;
bool inputFailed = false;

// The one line buffer that the header and every sample line are read into.
char lineBuffer[LineBufferSize];

// Output is assembled here and handed to standard output in large blocks.
constexpr std::size_t OutputBlockSize = 1 << 16;
constexpr std::size_t LongestSampleLine = 2 * MaxFixed16Length + 2;
char outputBlock[OutputBlockSize];
std::size_t outputUsed = 0;

// Refills the input block. Returns false once the input has ended or failed;
// both are final, as for a stream whose end-of-file or error flag is set.
bool RefillInput()
{
    if (inputFailed)
        return false;
    inputStart = 0;
    inputEnd = std::fread(inputBlock, 1, InputBlockSize, stdin);
    if (inputEnd == 0)
        inputFailed = true;
    return inputEnd > 0;
}

void FlushOutputBlock()
{
    if (outputUsed > 0 && std::fwrite(outputBlock, 1, outputUsed, stdout) != outputUsed)
        Error(DataWriteError);
    outputUsed = 0;
}

char* ReserveOutput(std::size_t length)
{
    if (OutputBlockSize - outputUsed < length)
        FlushOutputBlock();
    return outputBlock + outputUsed;
}

} // namespace

int DirectionFromPath(const char* path)
{
    if (path == nullptr)
        return 1;
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '/' || *p == '\\')
            name = p + 1;
    }
    return (static_cast<unsigned char>(*name) & 0xDF) == 0x49 ? -1 : 1;
}

bool ReadLine(char (&line)[LineBufferSize])
{
    std::size_t length = 0;
    while (length < LineBufferSize - 1) {
        if (inputStart == inputEnd && !RefillInput())
            break;
        const char* from = inputBlock + inputStart;
        const std::size_t room = LineBufferSize - 1 - length;
        const std::size_t available = inputEnd - inputStart;
        const std::size_t span = available < room ? available : room;
        const void* newline = std::memchr(from, '\n', span);
        const std::size_t take =
            newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - from) + 1 : span;
        std::memcpy(line + length, from, take);
        length += take;
        inputStart += take;
        if (newline != nullptr)
            break;
    }
    line[length] = '\0';
    // A read error loses the line, as it does for the C library's line reader.
    return length > 0 && !std::ferror(stdin);
}

void ReadHeader(int count, int* extents)
{
    if (!ReadLine(lineBuffer) || ScanExtents(lineBuffer, count, extents) != count)
        Error(BadDataNumber);
    for (int axis = 0; axis < count; ++axis) {
        if (extents[axis] < 1 || extents[axis] > MaxPaddedLength)
            Error(BadDataNumber);
    }
}

void ReadSample(Complex* sample)
{
    if (!ReadLine(lineBuffer))
        Error(DataReadError);
    double re = 0.0;
    double im = 0.0;
    if (ScanSample(lineBuffer, &re, &im) < 1)
        Error(DataReadError);
    *sample = Complex{re, im};
}

void ReadRow(Complex* row, int declared, int padded)
{
    for (int i = 0; i < padded; ++i) {
        if (i < declared)
            ReadSample(&row[i]);
        else
            row[i] = Complex{0.0, 0.0};
    }
}

void WriteDimensions(int count, const int* extents)
{
    char* const start = ReserveOutput(static_cast<std::size_t>(count) * 12);
    char* end = start;
    for (int axis = 0; axis < count; ++axis) {
        end = std::to_chars(end, end + 11, extents[axis]).ptr;
        *end++ = axis + 1 < count ? '\t' : '\n';
    }
    outputUsed += static_cast<std::size_t>(end - start);
}

void WriteSample(const Complex& sample)
{
    char* const start = ReserveOutput(LongestSampleLine);
    char* end = PrintFixed16(start, sample.re);
    *end++ = '\t';
    end = PrintFixed16(end, sample.im);
    *end++ = '\n';
    outputUsed += static_cast<std::size_t>(end - start);
}

void FinishOutput()
{
    FlushOutputBlock();
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        Error(DataWriteError);
}

void RestartTextStream()
{
    inputStart = 0;
    inputEnd = 0;
    inputFailed = false;
    outputUsed = 0;
}
