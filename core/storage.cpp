#include "storage.h"

#include "FFT.h"
#include "error.h"
#include "pages.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Multiplies *total by factor; returns false (leaving *total unusable) when
// the product does not fit the size type.
bool MultiplyInto(std::size_t* total, std::size_t factor)
{
    if (factor != 0 && *total > SIZE_MAX / factor)
        return false;
    *total *= factor;
    return true;
}

// The allocator as the block probe calls it: through a pointer the compiler
// must read afresh, so that it cannot tell the call allocates. A malloc whose
// block is freed unused may otherwise be removed (clang++ removes it), and
// the probe with it.
void* (*const volatile probeAllocator)(std::size_t) = std::malloc;

} // namespace

Axis SetUpAxis(int declared)
{
    Axis axis{declared, 0, nullptr};
    axis.padded = SetUpFFT(declared, &axis.table);
    if (axis.padded == 0)
        Error(MemoryAllocationError);
    return axis;
}

void CheckBlockSize(int count, const int* extents)
{
    std::size_t bytes = sizeof(Complex);
    for (int axis = 0; axis < count; ++axis) {
        if (!MultiplyInto(&bytes, static_cast<std::size_t>(PaddedLength(extents[axis]))))
            Error(MemoryAllocationError);
    }
    // A block that cannot be had now cannot be had once the tables hold
    // memory too: fail before building them rather than after.
    void* probe = probeAllocator(bytes);
    if (probe == nullptr)
        Error(MemoryAllocationError);
    std::free(probe);
}

void* AllocateOrFail(std::size_t elementSize, std::size_t count1, std::size_t count2, std::size_t count3)
{
    std::size_t bytes = elementSize;
    if (!MultiplyInto(&bytes, count1) || !MultiplyInto(&bytes, count2) || !MultiplyInto(&bytes, count3))
        Error(MemoryAllocationError);
    void* block = std::malloc(bytes);
    if (block == nullptr)
        Error(MemoryAllocationError);
    AdviseHugePages(block, bytes);
    return block;
}

void ZeroSamples(Complex* samples, int count)
{
    for (int i = 0; i < count; ++i)
        samples[i] = Complex{0.0, 0.0};
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
