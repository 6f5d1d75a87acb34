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

// The digit characters of the groups in the 16-bit lanes of groups (below
// 10^4), two sets of sixteen, leading zeros included. Each group is split
// by 100 (5243 / 2^19 divides by 100 below 43699), and interleaving
// quotients and remainders puts the pairs of each set in text order.
inline SixteenCharacterPairSSE2 CharactersOfGroupLanesSSE2(__m128i groups)
{
    const __m128i hundreds = _mm_srli_epi16(_mm_mulhi_epu16(groups, _mm_set1_epi16(5243)), 3);
    const __m128i belowHundred = _mm_sub_epi16(groups, _mm_mullo_epi16(hundreds, Opaque(_mm_set1_epi16(100))));
    return {DigitCharactersOfPairs(_mm_unpacklo_epi16(hundreds, belowHundred)),
            DigitCharactersOfPairs(_mm_unpackhi_epi16(hundreds, belowHundred))};
}

// The digit characters of two sets of sixteen digits, each given as two
// numbers below 10^8 (the first eight digits and the last eight), leading
// zeros included; false when a last eight is 10^8, which has no eight
// digits. The four numbers fill the 32-bit lanes of one vector, in text
// order, and are split by 10^4 in place: the quotient stays in the lower
// half of its lane and the remainder goes to the upper half, as in
// StoreSixteenDigitsSSE2. The quotients are products by 3518437209 / 2^45
// (exact below 2^32), of the even lanes and of the odd lanes shifted down;
// they are below 2^15, so that the signed 16-bit products of
// _mm_madd_epi16 take them back times 10^4.
inline bool CharactersOfEightsSSE2(std::uint32_t firstHigh, std::uint32_t firstLow, std::uint32_t secondHigh,
                                   std::uint32_t secondLow, SixteenCharacterPairSSE2* characters)
{
    const __m128i eights = _mm_setr_epi32(static_cast<int>(firstHigh), static_cast<int>(firstLow),
                                          static_cast<int>(secondHigh), static_cast<int>(secondLow));
    const __m128i reciprocal = _mm_set1_epi32(-776530087);
    const __m128i evenQuotients = _mm_srli_epi64(_mm_mul_epu32(eights, reciprocal), 45);
    const __m128i oddQuotients = _mm_srli_epi64(_mm_mul_epu32(_mm_srli_epi64(eights, 32), reciprocal), 45);
    const __m128i quotients = _mm_or_si128(evenQuotients, _mm_slli_epi64(oddQuotients, 32));
    const __m128i remainders = _mm_sub_epi32(eights, _mm_madd_epi16(quotients, _mm_set1_epi32(10000)));
    const __m128i groups = _mm_or_si128(quotients, _mm_slli_epi32(remainders, 16));
    *characters = CharactersOfGroupLanesSSE2(groups);
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
// when |value| < limit for both, limit a power of two up to 2^31 given by
// the high word of its bits: integers gets the first integer part in its
// low 32 bits and the second above, the fractions are in units of 2^-63,
// rounded down, and bit 0 and 1 of negatives are the signs. Returns false,
// storing nothing, when either value is outside (or a NaN).
//
// The range is checked on the high words of the magnitudes' bits, as the
// limit's low word is 0; a NaN's is above. |value| minus its integer part
// is exact: below 1 the integer part is 0, and from 1 up |value| < 2 *
// integer. Adding 63 to its exponent multiplies it by 2^63, exactly; for a
// fraction of 0 or below 2^-1022 it gives a number below 1 instead, which
// converts to 0 as the product would. The conversion to an integer drops
// only what lies below 2^-63, which only values below 2^-11 have.
inline bool SplitPairSSE2(double first, double second, std::uint32_t limitHighWord, std::uint64_t* integers,
                          std::uint64_t* firstFraction, std::uint64_t* secondFraction, unsigned* negatives)
{
    const __m128i bits = _mm_castpd_si128(_mm_setr_pd(first, second));
    const __m128i magnitudeBits = _mm_and_si128(bits, _mm_set1_epi64x(0x7fffffffffffffff));
    const __m128i atOrAbove = _mm_cmpgt_epi32(magnitudeBits, _mm_set1_epi32(static_cast<int>(limitHighWord - 1)));
    if ((_mm_movemask_ps(_mm_castsi128_ps(atOrAbove)) & 0xa) != 0) // the high words
        return false;
    const __m128d magnitudes = _mm_castsi128_pd(magnitudeBits);
    const __m128i integerParts = _mm_cvttpd_epi32(magnitudes);
    const __m128d fractions = _mm_sub_pd(magnitudes, _mm_cvtepi32_pd(integerParts));
    const __m128d scaledFractions =
        _mm_castsi128_pd(_mm_add_epi64(_mm_castpd_si128(fractions), _mm_set1_epi64x(std::int64_t{63} << 52)));
    *integers = static_cast<std::uint64_t>(_mm_cvtsi128_si64(integerParts));
    *firstFraction = static_cast<std::uint64_t>(_mm_cvttsd_si64(scaledFractions));
    *secondFraction = static_cast<std::uint64_t>(_mm_cvttsd_si64(_mm_unpackhi_pd(scaledFractions, scaledFractions)));
    *negatives = static_cast<unsigned>(_mm_movemask_pd(_mm_castsi128_pd(bits)));
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
