// The x86 SSE2 primitives of the kernel's stages: one sample per __m128d,
// re in the low lane. Every x86-64 processor has SSE2, and the 32-bit x86
// builds require it. Compiled with AVX enabled (simd_avx2.h), the same
// operations take their three-operand VEX forms.
#pragma once

#include "kernel/simd.h"

#include <immintrin.h>

#define SPEK_VECTOR_FAMILY 1

namespace {

inline __m128d NarrowerOf(__m128d v)
{
    return v;
}

template <>
inline __m128d Load<__m128d>(const Complex* p)
{
    return _mm_loadu_pd(&p->re);
}
inline void Store(Complex* p, __m128d v)
{
    _mm_storeu_pd(&p->re, v);
}
inline __m128d Sub(__m128d a, __m128d b)
{
    return _mm_sub_pd(a, b);
}
inline __m128d Mul(__m128d a, __m128d b)
{
    return _mm_mul_pd(a, b);
}
// a + b as one instruction with a first: when both are NaNs, x86 returns
// the first, and the compiler must not swap the operands of an addition.
inline __m128d AddInOrder(__m128d a, __m128d b)
{
#if defined(__AVX__)
    __m128d sum;
    asm("vaddpd %2, %1, %0" : "=x"(sum) : "x"(a), "x"(b));
    return sum;
#else
    asm("addpd %1, %0" : "+x"(a) : "x"(b));
    return a;
#endif
}
inline __m128d RealParts(__m128d v)
{
    return _mm_unpacklo_pd(v, v);
}
inline __m128d ImaginaryParts(__m128d v)
{
    return _mm_unpackhi_pd(v, v);
}
inline __m128d SwapParts(__m128d v)
{
    return _mm_shuffle_pd(v, v, 1);
}
// (p.re - q.re, p.im + q.im)
inline __m128d SubtractAdd(__m128d p, __m128d q)
{
#if defined(__AVX__)
    return _mm_addsub_pd(p, q);
#else
    return _mm_move_sd(AddInOrder(p, q), Sub(p, q));
#endif
}
template <>
inline __m128d Signs<__m128d>(double direction)
{
    return _mm_set_pd(direction, 1.0);
}
// Entries index, index + stride, ... of the table, one per sample.
inline __m128d GatherEntries(const Complex* table, int index, int, __m128d*)
{
    return Load<__m128d>(table + index);
}

} // namespace
