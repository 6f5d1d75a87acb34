// The x86 SSE2 primitives of the text: the digits of printing, the split
// of a line's two values into integer parts and fractions, and the newline
// search of line reading. Every x86-64 processor has SSE2, and the
// 32-bit x86 builds require it. Other processors use a portable version of
// the same operation (digits.h, std::memchr); both give the same bytes.
#pragma once

#include "text/digits.h"

#include <cstdint>
#include <emmintrin.h>

namespace {

// A constant the compiler cannot see: g++ turns a product by a known
// constant into shifts and additions, several instructions instead of one.
inline __m128i Opaque(__m128i value)
{
    __asm__("" : "+x"(value));
    return value;
}

// Two digit characters in each 16-bit lane of pairs (numbers below 100),
// the tens first: 6554 / 2^16 divides by 10 below 16389. The lane
// tens + 256 * (pair - 10 * tens) is pair * 256 - tens * 2559, two steps
// fewer than computing the units apart.
inline __m128i DigitCharactersOfPairs(__m128i pairs)
{
    const __m128i tens = _mm_mulhi_epu16(pairs, _mm_set1_epi16(6554));
    const __m128i digits = _mm_sub_epi16(_mm_slli_epi16(pairs, 8), _mm_mullo_epi16(tens, Opaque(_mm_set1_epi16(2559))));
    return _mm_add_epi8(digits, _mm_set1_epi8('0'));
}

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
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), DigitCharactersOfPairs(twos));
}

// The sixteen digit characters of each of two sets of groups.
struct SixteenCharacterPairSSE2 {
    __m128i first;
    __m128i second;
};

// The four groups in the low 16-bit lanes, the first lowest.
inline __m128i GroupLanes(const FourDigitGroups& groups)
{
    __m128i lanes = _mm_cvtsi32_si128(static_cast<int>(groups.first));
    lanes = _mm_insert_epi16(lanes, static_cast<int>(groups.second), 1);
    lanes = _mm_insert_epi16(lanes, static_cast<int>(groups.third), 2);
    return _mm_insert_epi16(lanes, static_cast<int>(groups.fourth), 3);
}

// The digit characters of two sets of groups, leading zeros included;
// false when a group is 10^4, which has no four digits. The eight groups
// fill the 16-bit lanes of one vector; each is split by 100 (5243 / 2^19
// divides by 100 below 43699), and interleaving quotients and remainders
// puts the pairs of each set in text order.
inline bool CharactersOfGroupsSSE2(const FourDigitGroups& firstGroups, const FourDigitGroups& secondGroups,
                                   SixteenCharacterPairSSE2* characters)
{
    const __m128i groups = _mm_unpacklo_epi64(GroupLanes(firstGroups), GroupLanes(secondGroups));
    const __m128i hundreds = _mm_srli_epi16(_mm_mulhi_epu16(groups, _mm_set1_epi16(5243)), 3);
    const __m128i belowHundred = _mm_sub_epi16(groups, _mm_mullo_epi16(hundreds, Opaque(_mm_set1_epi16(100))));
    *characters = {DigitCharactersOfPairs(_mm_unpacklo_epi16(hundreds, belowHundred)),
                   DigitCharactersOfPairs(_mm_unpackhi_epi16(hundreds, belowHundred))};
    return _mm_movemask_epi8(_mm_cmpeq_epi16(groups, _mm_set1_epi16(10000))) == 0;
}

// Writes the two sets of sixteen characters to first[0..15] and
// second[0..15].
inline void StoreSixteenCharacterPairSSE2(char* first, char* second, const SixteenCharacterPairSSE2& characters)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(first), characters.first);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(second), characters.second);
}

#if defined(__x86_64__) || defined(_M_X64)
// Splits first and second into integer parts and fractions, both at once,
// when 1 <= |value| < limit for both (limit at most 2^31): integers gets the
// first integer part in its low 32 bits and the second above, the fractions
// are times 2^64, and bit 0 and 1 of negatives are the signs. Returns false,
// storing nothing, when either value is outside (or a NaN).
//
// The range is checked on the integer parts, from 1 to limit - 1 (the
// conversion gives 0x80000000 for a NaN and for 2^31 and up): part - 1
// below limit - 1, compared unsigned by flipping the sign bits. The rest is
// exact: with an integer part of at least 1, |value| minus it is exact as
// |value| < 2 * integer, and has no bits below 2^-52 as |value| >= 1, so
// that 1 + fraction is exact too; its fraction field is fraction * 2^52.
inline bool SplitPairSSE2(double first, double second, std::uint32_t limit, std::uint64_t* integers,
                          std::uint64_t* firstFraction, std::uint64_t* secondFraction, unsigned* negatives)
{
    const __m128d values = _mm_setr_pd(first, second);
    const __m128d magnitudes = _mm_and_pd(values, _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffff)));
    const __m128i integerParts = _mm_cvttpd_epi32(magnitudes);
    const __m128i signFlip = _mm_set1_epi32(static_cast<int>(0x80000000u));
    const __m128i flippedBelowLimit = _mm_xor_si128(_mm_sub_epi32(integerParts, _mm_set1_epi32(1)), signFlip);
    const __m128i flippedBound = _mm_set1_epi32(static_cast<int>((limit - 1) ^ 0x80000000u));
    if ((_mm_movemask_epi8(_mm_cmplt_epi32(flippedBelowLimit, flippedBound)) & 0xff) != 0xff)
        return false;
    const __m128d one = _mm_castsi128_pd(_mm_set1_epi64x(0x3ff0000000000000));
    const __m128d onePlusFractions = _mm_add_pd(_mm_sub_pd(magnitudes, _mm_cvtepi32_pd(integerParts)), one);
    const __m128i fractions = _mm_slli_epi64(_mm_castpd_si128(onePlusFractions), 12);
    *integers = static_cast<std::uint64_t>(_mm_cvtsi128_si64(integerParts));
    *firstFraction = static_cast<std::uint64_t>(_mm_cvtsi128_si64(fractions));
    *secondFraction = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(fractions, fractions)));
    *negatives = static_cast<unsigned>(_mm_movemask_pd(values));
    return true;
}
#endif

// One bit per byte of p[0..15], bit i set where p[i] is a newline. Reads
// all sixteen bytes, wherever a newline is.
inline unsigned NewlineMaskSSE2(const char* p)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
}

} // namespace
