// The text stream: input read in blocks and taken a line at a time (the
// common sample lines several at a time), output assembled in blocks.
#include "text/stream.h"

#include "base/error.h"
#include "base/storage.h"
#include "text/print.h"
#include "text/scan.h"
#if defined(__SSE2__)
#include "text/text_sse2.h"
#endif

#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Standard input is read in blocks of what the system has at hand: a read
// returns as soon as some input is there, so a pipe or terminal that
// delivers one line at a time is served line by line, never kept waiting
// for a full block. A line is parsed where it lies in the block, ended by a
// zero that stands in for the first byte after it until the next read.
constexpr std::size_t InputBlockSize = 1 << 16;
constexpr std::size_t MaxLineLength = LineBufferSize - 1;
// Room after the block for the zero after a line that ends the data, and
// for reading 16 bytes at a time up to the end.
constexpr std::size_t InputSlack = 16;
char inputBlock[InputBlockSize + InputSlack];
std::size_t lineStart = 0; // the current line: [lineStart, lineEnd)
std::size_t lineEnd = 0;
std::size_t dataEnd = 0;   // input read so far ends here
bool inputEnded = false;   // no further read: end of input or a failure
char byteAfterLine = '\0'; // what the zero at lineEnd replaced
bool giveBackPlanned = false;

// Output is assembled here and handed to standard output in large blocks.
constexpr std::size_t OutputBlockSize = 1 << 16;
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

// Reads what standard input has at hand, up to size bytes, as the C
// library's streams would: on Windows in text mode (CR LF becomes LF,
// Ctrl-Z ends the input). Returns the byte count, 0 at the end of input,
// or -1 on a failure.
long ReadInput(char* to, std::size_t size)
{
#ifdef _WIN32
    return _read(0, to, static_cast<unsigned>(size));
#else
    for (;;) {
        const ssize_t count = read(0, to, size);
        if (count >= 0 || errno != EINTR)
            return static_cast<long>(count);
    }
#endif
}

// Gives back the input read ahead but not used, as glibc's streams do at
// exit for a file that can seek: whatever reads the same open file next
// starts right after the last line that was read. A pipe cannot seek, and
// that lseek fails harmlessly. (Windows' C runtime gives nothing back.)
void GiveBackUnreadInput()
{
#ifndef _WIN32
    if (dataEnd > lineEnd)
        lseek(0, -static_cast<off_t>(dataEnd - lineEnd), SEEK_CUR);
#endif
}

// Reads more input after the data, first moving the unfinished line to the
// start of the block when too little room is left for a whole line. Returns
// false on a read failure. The end of input is recorded, and no read
// follows it; so is a failure, except that input which has nothing at hand
// now (EAGAIN, a descriptor set not to wait) may be read again later.
bool ReadMoreInput()
{
    if (InputBlockSize - dataEnd < MaxLineLength) {
        std::memmove(inputBlock, inputBlock + lineStart, dataEnd - lineStart);
        dataEnd -= lineStart;
        lineStart = 0;
    }
    if (!giveBackPlanned) {
        std::atexit(GiveBackUnreadInput);
        giveBackPlanned = true;
    }
    const long count = ReadInput(inputBlock + dataEnd, InputBlockSize - dataEnd);
    if (count > 0)
        dataEnd += static_cast<std::size_t>(count);
    else if (count == 0 || errno != EAGAIN)
        inputEnded = true;
    return count >= 0;
}

// The first newline in [from, from + length), or nullptr. With SSE2 it
// compares 16 bytes at a time, which may read up to 15 bytes past the end
// (the input block has room for that) but counts only a newline before it.
// Elsewhere the C library's memchr does it, which glibc writes for each
// processor to take a word or a vector at a time.
const char* FindNewline(const char* from, std::size_t length)
{
#if defined(__SSE2__)
    for (std::size_t offset = 0; offset < length; offset += 16) {
        const unsigned newlines = NewlineMaskSSE2(from + offset);
        if (newlines != 0) {
            const std::size_t at = offset + static_cast<std::size_t>(std::countr_zero(newlines));
            return at < length ? from + at : nullptr;
        }
    }
    return nullptr;
#else
    return static_cast<const char*>(std::memchr(from, '\n', length));
#endif
}

// Finds the end of the line that starts at lineStart: after its newline,
// after MaxLineLength characters, or at the end of input. Returns false
// when there is no line: nothing left, or a read failure, which loses an
// unfinished line as the C library's fgets does, unless the failure is
// EAGAIN, where fgets returns what it has.
bool FindLineEnd()
{
    for (;;) {
        const std::size_t available = dataEnd - lineStart;
        const std::size_t window = available < MaxLineLength ? available : MaxLineLength;
        const char* newline = FindNewline(inputBlock + lineStart, window);
        if (newline != nullptr) {
            lineEnd = static_cast<std::size_t>(newline - inputBlock) + 1;
            return true;
        }
        if (available >= MaxLineLength || (inputEnded && available > 0)) {
            lineEnd = lineStart + window;
            return true;
        }
        if (inputEnded)
            return false;
        if (!ReadMoreInput()) {
            lineEnd = dataEnd;
            return errno == EAGAIN && available > 0;
        }
    }
}

} // namespace

const char* ReadLine()
{
    inputBlock[lineEnd] = byteAfterLine;
    lineStart = lineEnd;
    const bool found = FindLineEnd();
    if (!found)
        lineEnd = lineStart;
    byteAfterLine = inputBlock[lineEnd];
    inputBlock[lineEnd] = '\0';
    return found ? inputBlock + lineStart : nullptr;
}

void ReadHeader(int count, int* extents)
{
    const char* line = ReadLine();
    if (line == nullptr || ScanExtents(line, count, extents) != count)
        Error(BadDataNumber);
    for (int axis = 0; axis < count; ++axis) {
        if (extents[axis] < 1 || extents[axis] > MaxPaddedLength)
            Error(BadDataNumber);
    }
}

void ReadSample(Complex* sample)
{
    const char* line = ReadLine();
    if (line == nullptr)
        Error(DataReadError);
    double re = 0.0;
    double im = 0.0;
    if (ScanSample(line, inputBlock + sizeof inputBlock, &re, &im) < 1)
        Error(DataReadError);
    *sample = Complex{re, im};
}

namespace {

// Reads the lines that follow into samples[0..count-1] for as long as each
// is a common sample line (ScanCommonSampleLine) lying wholly in the input
// at hand, and returns how many it read. Each is then the current line, as
// ReadLine would have left it; the first other line is left unread.
int ReadCommonSamples(Complex* samples, int count)
{
    // The reader needs CommonLineLookBehind bytes before a line and
    // CommonLineReach from it on.
    if (lineEnd < CommonLineLookBehind || dataEnd - lineEnd < CommonLineReach)
        return 0;
    inputBlock[lineEnd] = byteAfterLine;
    const char* next = inputBlock + lineEnd;
    const char* lastLine = inputBlock + lineStart;
    const int read = ScanCommonSampleLines(&next, inputBlock + (dataEnd - CommonLineReach), samples, count, &lastLine);
    lineStart = static_cast<std::size_t>(lastLine - inputBlock);
    lineEnd = static_cast<std::size_t>(next - inputBlock);
    byteAfterLine = inputBlock[lineEnd];
    inputBlock[lineEnd] = '\0';
    return read;
}

} // namespace

void ReadRow(Complex* row, int declared, int padded)
{
    const int count = declared < padded ? declared : padded;
    for (int i = 0; i < count;) {
        i += ReadCommonSamples(row + i, count - i);
        if (i < count)
            ReadSample(&row[i++]);
    }
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

void WriteRow(const Complex* row, int count)
{
    // As many lines at a time as the block has room for at their longest;
    // the block is handed on when not even one more fits, as it would be
    // line by line.
    while (count > 0) {
        char* const start = ReserveOutput(MaxFixed16LineLength);
        int printed = 0;
        char* const end = PrintFixed16Lines(start, outputBlock + OutputBlockSize, row, count, &printed);
        outputUsed = static_cast<std::size_t>(end - outputBlock);
        row += printed;
        count -= printed;
    }
}

void FinishOutput()
{
    FlushOutputBlock();
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        Error(DataWriteError);
}

void RestartTextStream()
{
    lineStart = 0;
    lineEnd = 0;
    dataEnd = 0;
    inputEnded = false;
    byteAfterLine = '\0';
    outputUsed = 0;
}
