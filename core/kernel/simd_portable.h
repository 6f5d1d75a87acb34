// The portable primitives of the kernel's stages: one sample per Pair, a
// vector of two doubles in the compiler's own vector extension (GCC and
// Clang), re in lane 0. The compiler turns it into the processor's vector
// instructions where it has them (NEON on arm64, VSX on ppc64el, SSE2 on
// x86, the vector facility on s390x) and into pairs of scalar operations
// elsewhere; either way each lane is one double operation. Every build
// has this path; on all but x86 it is the only one.
#pragma once

#include "kernel/simd.h"
#include "kernel/simd_ordered_add.h"

#include <cstring>

#define SPEK_VECTOR_FAMILY 1

namespace {

inline Pair NarrowerOf(Pair v)
{
    return v;
}

template <>
inline Pair Load<Pair>(const Complex* p)
{
    Pair v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void Store(Complex* p, Pair v)
{
    std::memcpy(p, &v, sizeof v);
}
inline Pair Sub(Pair a, Pair b)
{
    return a - b;
}
inline Pair Mul(Pair a, Pair b)
{
    return a * b;
}
// a + b with a first, whatever the compiler would rather do.
inline Pair AddInOrder(Pair a, Pair b)
{
    return AddPairInOrder(a, b);
}
inline Pair RealParts(Pair v)
{
    return __builtin_shufflevector(v, v, 0, 0);
}
inline Pair ImaginaryParts(Pair v)
{
    return __builtin_shufflevector(v, v, 1, 1);
}
inline Pair SwapParts(Pair v)
{
    return __builtin_shufflevector(v, v, 1, 0);
}
// (p.re - q.re, p.im + q.im)
inline Pair SubtractAdd(Pair p, Pair q)
{
    return __builtin_shufflevector(Sub(p, q), AddInOrder(p, q), 0, 3);
}
template <>
inline Pair Signs<Pair>(double direction)
{
    return Pair{1.0, direction};
}
// Entries index, index + stride, ... of the table, one per sample.
inline Pair GatherEntries(const Complex* table, int index, int, Pair*)
{
    return Load<Pair>(table + index);
}

} // namespace
