#include "textstream.h"

#include "error.h"
#include "numtext.h"
#include "storage.h"

#include <charconv>
#include <cstdio>

namespace {

// Standard input gets a large stream buffer: fewer system calls, while a
// read still returns as soon as a line is there (a pipe or terminal that
// delivers one line at a time is served line by line, never kept waiting
// for a full buffer). Set once, before the stream is first read.
constexpr std::size_t InputBufferSize = 1 << 16;
bool inputPrepared = false;

// The one line buffer that the header and every sample line are read into.
char lineBuffer[LineBufferSize];

// Output is assembled here and handed to standard output in large blocks.
constexpr std::size_t OutputBlockSize = 1 << 16;
constexpr std::size_t LongestSampleLine = 2 * MaxFixed16Length + 2;
char outputBlock[OutputBlockSize];
std::size_t outputUsed = 0;

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
    if (!inputPrepared) {
        std::setvbuf(stdin, nullptr, _IOFBF, InputBufferSize);
        inputPrepared = true;
    }
    if (std::fgets(line, static_cast<int>(LineBufferSize), stdin) != nullptr)
        return true;
    line[0] = '\0';
    return false;
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
    for (int i = 0; i < declared && i < padded; ++i)
        ReadSample(&row[i]);
    if (declared < padded)
        ZeroSamples(row + declared, padded - declared);
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
    inputPrepared = false;
    outputUsed = 0;
}
