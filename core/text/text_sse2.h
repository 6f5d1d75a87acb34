// The x86 SSE2 primitives of the text: the digits of printing and the
// newline search of line reading. Every x86-64 processor has SSE2, and the
// 32-bit x86 builds require it. Other processors use a portable version of
// the same operation (digits.h, std::memchr); both give the same bytes.
#pragma once

#include <cstdint>
#include <emmintrin.h>

namespace {

// Writes the sixteen digits of value (below 10^16), leading zeros included,
// to out[0..15]. Its two halves of eight digits go into the 64-bit lanes of
// a vector, and each number is split in two by a power of ten, lane by lane
// and in place: the quotient stays in the lower half of its lane and the
// remainder goes to the upper half, which is later in memory. 10^4 splits
// the 64-bit lanes, 100 the 32-bit lanes and 10 the 16-bit lanes, until
// every byte holds one digit. Each quotient is a product by a reciprocal,
// shifted: 3518437209 / 2^45 is exact below 2^32, 5243 / 2^19 below 43699
// and 6554 / 2^16 below 16389.
inline void StoreSixteenDigitsSSE2(char* out, std::uint64_t value)
{
    const auto high = static_cast<std::uint32_t>(value / 100000000);
    const auto low = static_cast<std::uint32_t>(value % 100000000);
    const __m128i eights = _mm_setr_epi32(static_cast<int>(high), 0, static_cast<int>(low), 0);
    const __m128i q4 = _mm_srli_epi64(_mm_mul_epu32(eights, _mm_set1_epi32(-776530087)), 45);
    const __m128i r4 = _mm_sub_epi32(eights, _mm_mul_epu32(q4, _mm_set1_epi32(10000)));
    const __m128i fours = _mm_or_si128(q4, _mm_slli_epi64(r4, 32));
    const __m128i q2 = _mm_srli_epi16(_mm_mulhi_epu16(fours, _mm_set1_epi32(5243)), 3);
    const __m128i r2 = _mm_sub_epi16(fours, _mm_mullo_epi16(q2, _mm_set1_epi32(100)));
    const __m128i twos = _mm_or_si128(q2, _mm_slli_epi32(r2, 16));
    const __m128i q1 = _mm_mulhi_epu16(twos, _mm_set1_epi16(6554));
    const __m128i r1 = _mm_sub_epi16(twos, _mm_mullo_epi16(q1, _mm_set1_epi16(10)));
    const __m128i digits = _mm_or_si128(q1, _mm_slli_epi16(r1, 8));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_add_epi8(digits, _mm_set1_epi8('0')));
}

// One bit per byte of p[0..15], bit i set where p[i] is a newline. Reads
// all sixteen bytes, wherever a newline is.
inline unsigned NewlineMaskSSE2(const char* p)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
}

} // namespace
