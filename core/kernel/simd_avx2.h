// The x86 AVX primitives of the kernel's stages: two samples per __m256d,
// with the SSE2 ones for single samples. Only FFT_avx2.cpp and
// FFT_avx512.cpp, built for those instruction sets, include this file.
#pragma once

#include "kernel/simd_sse2.h"

namespace {

inline __m128d NarrowerOf(__m256d v)
{
    return _mm256_castpd256_pd128(v);
}

template <>
inline __m256d Load<__m256d>(const Complex* p)
{
    return _mm256_loadu_pd(&p->re);
}
inline void Store(Complex* p, __m256d v)
{
    _mm256_storeu_pd(&p->re, v);
}
inline __m256d Sub(__m256d a, __m256d b)
{
    return _mm256_sub_pd(a, b);
}
inline __m256d Mul(__m256d a, __m256d b)
{
    return _mm256_mul_pd(a, b);
}
inline __m256d AddInOrder(__m256d a, __m256d b)
{
    __m256d sum;
    asm("vaddpd %2, %1, %0" : "=x"(sum) : "x"(a), "x"(b));
    return sum;
}
inline __m256d RealParts(__m256d v)
{
    return _mm256_movedup_pd(v);
}
inline __m256d ImaginaryParts(__m256d v)
{
    return _mm256_permute_pd(v, 0xF);
}
inline __m256d SwapParts(__m256d v)
{
    return _mm256_permute_pd(v, 0x5);
}
inline __m256d SubtractAdd(__m256d p, __m256d q)
{
    return _mm256_addsub_pd(p, q);
}
template <>
inline __m256d Signs<__m256d>(double direction)
{
    return _mm256_set_pd(direction, 1.0, direction, 1.0);
}
inline __m256d GatherEntries(const Complex* table, int index, int stride, __m256d*)
{
    return _mm256_set_m128d(_mm_loadu_pd(&table[index + stride].re), _mm_loadu_pd(&table[index].re));
}

// The shuffles of the first two stages over the samples c0, c1, c2, c3 of
// v0 = (c0, c1) and v1 = (c2, c3): first (c0, c2) against (c1, c3), then
// (c0, c1) against (c2, c3), which are already in their order in memory.
inline void DealForFirstStage(__m256d v0, __m256d v1, __m256d* a, __m256d* b)
{
    *a = _mm256_permute2f128_pd(v0, v1, 0x20); // c0, c2
    *b = _mm256_permute2f128_pd(v0, v1, 0x31); // c1, c3
}
inline void DealForSecondStage(__m256d a, __m256d b, __m256d* low, __m256d* high)
{
    *low = _mm256_permute2f128_pd(a, b, 0x20);  // c0, c1
    *high = _mm256_permute2f128_pd(a, b, 0x31); // c2, c3
}
inline void InMemoryOrder(__m256d low, __m256d high, __m256d* v0, __m256d* v1)
{
    *v0 = low;
    *v1 = high;
}
// Table entries first and second, alternating sample by sample.
inline __m256d AlternateEntries(const Complex* table, int first, int second, __m256d*)
{
    return GatherEntries(table, first, second - first, static_cast<__m256d*>(nullptr));
}

} // namespace
