// The addition of Pairs, the portable two-double vectors, in the order
// written. When both operands of an addition are NaNs, most processors
// return one of them, chosen by its side, so the sum of two NaNs of
// different signs depends on the order. Compilers treat addition as
// commutative and may swap its operands, so each architecture adds with one
// instruction of its own whose operands the compiler cannot swap. Which
// NaN comes out still differs between processors (arm64 and x86 return the
// first operand, RISC-V always its default NaN); a NaN's sign is the one
// thing about an output that may differ between architectures.
#pragma once

#include "kernel/simd.h"

namespace {

#if defined(__x86_64__) || defined(__i386__)
inline Pair AddPairInOrder(Pair a, Pair b)
{
    asm("addpd %1, %0" : "+x"(a) : "x"(b));
    return a;
}
#elif defined(__aarch64__)
inline Pair AddPairInOrder(Pair a, Pair b)
{
    Pair sum;
    asm("fadd %0.2d, %1.2d, %2.2d" : "=w"(sum) : "w"(a), "w"(b));
    return sum;
}
#elif defined(__powerpc64__) && defined(__VSX__)
inline Pair AddPairInOrder(Pair a, Pair b)
{
    Pair sum;
    asm("xvadddp %x0, %x1, %x2" : "=wa"(sum) : "wa"(a), "wa"(b));
    return sum;
}
#elif defined(__s390x__) && defined(__VX__)
inline Pair AddPairInOrder(Pair a, Pair b)
{
    Pair sum;
    asm("vfadb %0, %1, %2" : "=v"(sum) : "v"(a), "v"(b));
    return sum;
}
#else
// One scalar addition per lane, in the order written.
inline double AddInOrder(double a, double b)
{
#if defined(__s390x__)
    asm("adbr %0, %1" : "+f"(a) : "f"(b));
#elif defined(__arm__) && defined(__ARM_FP) && (__ARM_FP & 8)
    asm("vadd.f64 %P0, %P0, %P1" : "+w"(a) : "w"(b));
#else
    // RISC-V: an addition of NaNs gives the default NaN on either order,
    // so the plain one keeps the bits. Any other processor gets the plain
    // addition too: its NaN signs are the compiler's choice.
    a = a + b;
#endif
    return a;
}

inline Pair AddPairInOrder(Pair a, Pair b)
{
    return Pair{AddInOrder(a[0], b[0]), AddInOrder(a[1], b[1])};
}
#endif

} // namespace
