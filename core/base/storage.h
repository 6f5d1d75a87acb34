// Sample storage for the tools: byte counts that are products of padded
// extents, computed so that no product can wrap around in the size type.
#pragma once

#include "base/samples.h"

#include <cstddef>

// Ends the run with "memory allocation error." when the sample block for
// these declared extents (16 bytes per padded sample) could not even be
// expressed in bytes by the size type, or the allocator cannot provide a
// block of that size right now. Tools call it before building any twiddle
// table, so such a request fails at once instead of after minutes of table
// building.
void CheckBlockSize(int count, const int* extents);

// Allocates count1 * count2 * count3 elements of elementSize bytes each.
// Ends the run with "memory allocation error." when the byte count does not
// fit the size type or the allocator has no such block; never returns a
// block smaller than asked for.
void* AllocateOrFail(std::size_t elementSize, std::size_t count1, std::size_t count2 = 1, std::size_t count3 = 1);

// Sets count samples to 0 + 0i (both parts positive zero).
void ZeroSamples(Complex* samples, int count);
