// Reading numbers from text: the exact forms the tools accept.
//
// Reading follows the C library's formatted input on a glibc system byte for
// byte, but without the C library: every build reads the same values, and
// much faster than sscanf.
#pragma once

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

// Reads up to count (1 to 3) decimal integers the way
// sscanf(line, "%d %d %d") does, except that a value outside the range of
// int does not convert. Returns the number converted, or -1 when the line
// ends (or holds only white space) before the first one.
int ScanExtents(const char* line, int count, int* extents);
