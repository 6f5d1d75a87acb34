// The axes of a tool's data and the column pass of planes and boxes: the
// lines along y and z, which do not lie contiguously in memory, gathered a
// panel of columns at a time and transformed together.
#pragma once

#include "kernel/FFT.h"

// One axis of a tool's data: the declared extent from the header, the
// padded extent and the twiddle table built for it.
struct Axis {
    int declared;
    int padded;
    Complex* table;
};

// Builds the twiddle table of an axis with SetUpFFT. Ends the run with
// "memory allocation error." when the table cannot be had.
Axis SetUpAxis(int declared);

// How many columns of N samples TransformColumns takes at once, for
// `columns` columns in all: up to MaxPanelWidth (four cache lines of a row),
// as long as the panel of N rows stays within PanelBytes; more than 8 only
// while it stays within CachedPanelBytes. Measured on this project's
// benchmark machine: 16 columns made the y and z passes of a 128^3 box 12
// to 18 % faster than 8, and the column pass of a 1024 x 1024 plane 5 %
// slower. The scratch a column pass needs is N times this many samples.
constexpr int MaxPanelWidth = 16;
constexpr std::size_t PanelBytes = std::size_t{1} << 20;
constexpr std::size_t CachedPanelBytes = std::size_t{1} << 17;
int PanelWidth(int N, int columns);

// Transforms the columns x = 0, 1, ..., columns - 1 of the N lines
// lines[0], lines[step], ..., lines[(N - 1) * step] along those lines:
// gathers up to width columns at a time into panel (N * width samples),
// transforms them together and puts them back. Each column gets exactly the
// bits FFT gives it as a line of its own.
void TransformColumns(Complex* const* lines, int step, int columns, int N, const Complex* table, Complex* panel,
                      int width, int direction);
