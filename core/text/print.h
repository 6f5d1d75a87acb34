// Printing numbers as text: the exact form the tools write.
//
// Printing follows the C library's "%18.16lf" conversion on a glibc system
// byte for byte, but without the C library: every build prints the same
// bytes, and much faster than printf.
#pragma once

#include "base/samples.h"

#include <cstddef>

// Longest text PrintFixed16 writes for one value (finite or not).
constexpr std::size_t MaxFixed16Length = 330;

// Writes value as printf("%18.16lf", value) does on a glibc system: fixed
// notation, 16 digits after the point, right-aligned in at least 18
// characters; "inf", "-inf", "nan" and "-nan" for the values that are not
// finite. Returns the end of the written text; writes no terminating zero.
char* PrintFixed16(char* out, double value);

// Writes first and second as PrintFixed16 does, separated by a tab and
// followed by a newline: one sample line. Writes at most
// MaxFixed16LineLength characters.
char* PrintFixed16Line(char* out, double first, double second);

constexpr std::size_t MaxFixed16LineLength = 2 * MaxFixed16Length + 2;

// Writes the sample lines of samples[0..count-1], real part and imaginary
// part of each as PrintFixed16Line writes them, for as long as one more
// line at its longest (MaxFixed16LineLength) has room before limit. Stores
// how many in *printed and returns the end of the text.
char* PrintFixed16Lines(char* out, const char* limit, const Complex* samples, int count, int* printed);
