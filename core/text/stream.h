// The text stream every tool shares: how a run reads its header and samples
// from standard input and prints its result.
//
// Every reading, parsing and printing step of the tools goes through here,
// so the tools' mains never touch the C library's streams themselves.
#pragma once

#include "base/samples.h"

#include <cstddef>

// One read takes at most LineBufferSize - 1 characters, up to and including
// the newline; a longer physical line is consumed by several reads, and each
// read counts as one line.
constexpr std::size_t LineBufferSize = 2048;

// Reads the next line from standard input and returns its text
// (zero-terminated, newline kept), valid until the next read; returns
// nullptr at the end of input or on a read failure. Input already at hand
// is used first; the stream waits for more only when it holds no whole
// line.
const char* ReadLine();

// Reads the header line and stores its count (1 to 3) extents. Ends the run
// with "bad data number." unless the line holds count integers that are
// each at least 1 and at most MaxPaddedLength; text after them is ignored.
void ReadHeader(int count, int* extents);

// Reads the next sample line into sample: real part and imaginary part, or
// a real part alone (imaginary part +0). Ends the run with
// "data read error." when the line is missing or holds no number.
void ReadSample(Complex* sample);

// Reads the declared samples of one row into row[0..declared-1] and sets
// row[declared..padded-1] to 0 + 0i without reading.
void ReadRow(Complex* row, int declared, int padded);

// Starts the output with the padded extents, separated by tabs.
void WriteDimensions(int count, const int* extents);

// Prints the samples of one row, a line each: real part, tab, imaginary
// part, newline.
void WriteRow(const Complex* row, int count);

// Writes out everything still buffered. Ends the run with
// "data write error." if any output could not be written.
void FinishOutput();

// Forgets all buffered input and output and a recorded end of input, as at
// the start of a process. A tool run normally happens once per process; the
// in-process fuzz harness runs a tool's main many times over and calls this
// between runs.
void RestartTextStream();
