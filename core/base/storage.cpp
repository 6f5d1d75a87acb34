// Allocating the tools' sample blocks and pointer tables, with byte counts
// that cannot wrap around.
#include "base/storage.h"

#include "base/error.h"
#include "base/pages.h"

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
