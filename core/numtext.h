// Numbers as text: the exact forms the tools accept and print.
//
// Reading follows the C library's formatted input on a glibc system, and
// printing its "%18.16lf" conversion, byte for byte, but without the C
// library: the same bytes come out of every build, and both directions are
// much faster than sscanf and printf.
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

// Longest text PrintFixed16 writes for one value (finite or not).
constexpr std::size_t MaxFixed16Length = 330;

// Writes value as printf("%18.16lf", value) does on a glibc system: fixed
// notation, 16 digits after the point, right-aligned in at least 18
// characters; "inf", "-inf", "nan" and "-nan" for the values that are not
// finite. Returns the end of the written text; writes no terminating zero.
char* PrintFixed16(char* out, double value);
