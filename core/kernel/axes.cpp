// The twiddle table of each axis, and the column pass of planes and boxes.
#include "kernel/axes.h"

#include "base/error.h"

#include <cstddef>

Axis SetUpAxis(int declared)
{
    Axis axis{declared, 0, nullptr};
    axis.padded = SetUpFFT(declared, &axis.table);
    if (axis.padded == 0)
        Error(MemoryAllocationError);
    return axis;
}

int PanelWidth(int N, int columns)
{
    int width = MaxPanelWidth;
    while (width > 1) {
        const std::size_t bytes = static_cast<std::size_t>(N) * sizeof(Complex) * static_cast<std::size_t>(width);
        if (width <= columns && bytes <= PanelBytes && (width <= 8 || bytes <= CachedPanelBytes))
            break;
        width /= 2;
    }
    return width;
}

namespace {

// Copies columns x0 .. x0 + width - 1 of the N lines into the rows of panel.
void GatherColumns(Complex* const* lines, int step, int x0, int width, int N, Complex* panel)
{
    for (int i = 0; i < N; ++i) {
        const Complex* from = lines[static_cast<std::ptrdiff_t>(i) * step] + x0;
        for (int j = 0; j < width; ++j)
            panel[static_cast<std::ptrdiff_t>(i) * width + j] = from[j];
    }
}

void ScatterColumns(Complex* const* lines, int step, int x0, int width, int N, const Complex* panel)
{
    for (int i = 0; i < N; ++i) {
        Complex* to = lines[static_cast<std::ptrdiff_t>(i) * step] + x0;
        for (int j = 0; j < width; ++j)
            to[j] = panel[static_cast<std::ptrdiff_t>(i) * width + j];
    }
}

} // namespace

void TransformColumns(Complex* const* lines, int step, int columns, int N, const Complex* table, Complex* panel,
                      int width, int direction)
{
    for (int x0 = 0; x0 < columns;) {
        // A power of two of columns at a time, so that the vectors of the
        // kernel fill every row of the panel.
        int take = width;
        while (take > columns - x0)
            take /= 2;
        GatherColumns(lines, step, x0, take, N, panel);
        FFTColumns(N, table, panel, take, direction);
        ScatterColumns(lines, step, x0, take, N, panel);
        x0 += take;
    }
}
