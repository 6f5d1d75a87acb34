// The x86 AVX-512 primitives of the kernel's stages: four samples per
// __m512d, with the AVX and SSE2 ones for fewer samples. Only
// FFT_avx512.cpp, built for AVX-512, includes this file.
#pragma once

#include "kernel/simd_avx2.h"

namespace {

inline __m256d NarrowerOf(__m512d v)
{
    return _mm512_castpd512_pd256(v);
}

// The all-lanes mask: GCC 12's unmasked forms of some of these intrinsics
// warn about an uninitialised operand of their own.
constexpr __mmask8 AllLanes = 0xFF;

template <>
inline __m512d Load<__m512d>(const Complex* p)
{
    return _mm512_loadu_pd(&p->re);
}
inline void Store(Complex* p, __m512d v)
{
    _mm512_storeu_pd(&p->re, v);
}
inline __m512d Sub(__m512d a, __m512d b)
{
    return _mm512_sub_pd(a, b);
}
inline __m512d Mul(__m512d a, __m512d b)
{
    return _mm512_mul_pd(a, b);
}
inline __m512d AddInOrder(__m512d a, __m512d b)
{
    __m512d sum;
    asm("vaddpd %2, %1, %0" : "=v"(sum) : "v"(a), "v"(b));
    return sum;
}
inline __m512d RealParts(__m512d v)
{
    return _mm512_maskz_movedup_pd(AllLanes, v);
}
inline __m512d ImaginaryParts(__m512d v)
{
    return _mm512_maskz_permute_pd(AllLanes, v, 0xFF);
}
inline __m512d SwapParts(__m512d v)
{
    return _mm512_maskz_permute_pd(AllLanes, v, 0x55);
}
// The real lanes take the difference, the imaginary lanes the sum.
inline __m512d SubtractAdd(__m512d p, __m512d q)
{
    return _mm512_mask_sub_pd(AddInOrder(p, q), 0x55, p, q);
}
template <>
inline __m512d Signs<__m512d>(double direction)
{
    return _mm512_set_pd(direction, 1.0, direction, 1.0, direction, 1.0, direction, 1.0);
}
inline __m512d GatherEntries(const Complex* table, int index, int stride, __m512d*)
{
    const __m256d low = GatherEntries(table, index, stride, static_cast<__m256d*>(nullptr));
    const __m256d high = GatherEntries(table, index + 2 * stride, stride, static_cast<__m256d*>(nullptr));
    return _mm512_maskz_insertf64x4(AllLanes, _mm512_castpd256_pd512(low), high, 1);
}

// The shuffles of the first two stages over the samples c0 ... c7 of
// v0 = (c0, c1, c2, c3) and v1 = (c4, c5, c6, c7): first the even samples
// against the odd ones, then (c0, c1, c4, c5) against (c2, c3, c6, c7),
// then back to the order in memory. Each is a two-source permutation of
// double lanes, taken from the first (0-7) or second (8-15) operand.
inline void DealForFirstStage(__m512d v0, __m512d v1, __m512d* a, __m512d* b)
{
    *a = _mm512_permutex2var_pd(v0, _mm512_set_epi64(13, 12, 9, 8, 5, 4, 1, 0), v1);   // c0, c2, c4, c6
    *b = _mm512_permutex2var_pd(v0, _mm512_set_epi64(15, 14, 11, 10, 7, 6, 3, 2), v1); // c1, c3, c5, c7
}
inline void DealForSecondStage(__m512d a, __m512d b, __m512d* low, __m512d* high)
{
    *low = _mm512_permutex2var_pd(a, _mm512_set_epi64(13, 12, 5, 4, 9, 8, 1, 0), b);    // c0, c1, c4, c5
    *high = _mm512_permutex2var_pd(a, _mm512_set_epi64(15, 14, 7, 6, 11, 10, 3, 2), b); // c2, c3, c6, c7
}
inline void InMemoryOrder(__m512d low, __m512d high, __m512d* v0, __m512d* v1)
{
    *v0 = _mm512_permutex2var_pd(low, _mm512_set_epi64(11, 10, 9, 8, 3, 2, 1, 0), high);
    *v1 = _mm512_permutex2var_pd(low, _mm512_set_epi64(15, 14, 13, 12, 7, 6, 5, 4), high);
}
// Table entries first and second, alternating sample by sample.
inline __m512d AlternateEntries(const Complex* table, int first, int second, __m512d*)
{
    const __m256d pair = AlternateEntries(table, first, second, static_cast<__m256d*>(nullptr));
    return _mm512_maskz_insertf64x4(AllLanes, _mm512_castpd256_pd512(pair), pair, 1);
}

} // namespace
