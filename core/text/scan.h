// Reading numbers from text: the exact forms the tools accept.
//
// Reading follows the C library's formatted input on a glibc system byte for
// byte, but without the C library: every build reads the same values, and
// much faster than sscanf.
#pragma once

#include "base/samples.h"

#include <cstddef>

// Reads a sample line the way sscanf(line, "%lf %lf", re, im) does and
// returns what it would return: 2 when both numbers convert, 1 when only
// the first does (*im is left alone), 0 when the first does not convert,
// -1 when the line ends (or holds only white space) before the first number.
// line is a zero-terminated string.
int ScanSample(const char* line, double* re, double* im);

// The same for a line inside a larger buffer, where every byte from line up
// to readableEnd (past the line's terminating zero) may be read: digits are
// then taken several at a time.
int ScanSample(const char* line, const char* readableEnd, double* re, double* im);

// Reads the common sample line at line: one or two plain decimals
// ("[+-]digits[.digits][(e|E)[+-]digits]", at most 19 digits before the
// exponent) after optional spaces or tabs, separated by spaces or tabs,
// the line ending in LF or CR LF (after the second number any text may come
// first). Stores *count (1 or 2) and the values as ScanSample does and
// returns the end of the line (just past its newline); returns nullptr for
// any other line, which ScanSample then reads, and *count, *re and *im are
// then unspecified. Reads the bytes from CommonLineLookBehind before line
// to CommonLineReach after it, and takes only lines that end within them.
constexpr std::size_t CommonLineLookBehind = 32;
constexpr std::size_t CommonLineReach = 128;
const char* ScanCommonSampleLine(const char* line, int* count, double* re, double* im);

// Reads common sample lines from *line on into samples[0..count-1], as
// ScanCommonSampleLine does, for as long as there is one and it starts at
// lastStart at the latest. Returns how many it read, leaves *line at the
// first line not read and *lastLine at the start of the last one read.
int ScanCommonSampleLines(const char** line, const char* lastStart, Complex* samples, int count, const char** lastLine);

// The instruction sets the common-line reader runs on: the build's baseline
// (SSE2 on x86, else portable code), and in x86-64 builds AVX2 with BMI1
// and BMI2. Both read every line alike. The two functions above take
// the widest one that the build and the processor have, unless
// UseTextPath chose another (the tests compare them).
enum TextPath { BaselineTextPath, AVX2TextPath, TextPathCount };

// Whether this build and this processor can run path.
bool TextPathAvailable(int path);

// Makes the common-line reader run on path, or on the widest available one
// when path is not available.
void UseTextPath(int path);

// Reads up to count (1 to 3) decimal integers the way
// sscanf(line, "%d %d %d") does, except that a value outside the range of
// int does not convert. Returns the number converted, or -1 when the line
// ends (or holds only white space) before the first one.
int ScanExtents(const char* line, int count, int* extents);
