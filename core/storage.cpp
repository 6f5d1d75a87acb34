#include "storage.h"

#include "FFT.h"
#include "error.h"

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
    void* probe = std::malloc(bytes);
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
    return block;
}

void ZeroSamples(Complex* samples, int count)
{
    for (int i = 0; i < count; ++i)
        samples[i] = Complex{0.0, 0.0};
}

void TransformColumn(Complex* const* lines, int x, int N, const Complex* table, Complex* scratch, int direction)
{
    for (int i = 0; i < N; ++i)
        scratch[i] = lines[i][x];
    FFT(N, table, scratch, direction);
    for (int i = 0; i < N; ++i)
        lines[i][x] = scratch[i];
}
