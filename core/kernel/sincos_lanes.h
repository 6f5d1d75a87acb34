// The main path of SinCos (kernel/sincos.cpp) for several arguments at a
// time, written once over vectors of doubles in the compiler's own vector
// extension (GCC and Clang): a Pair of two lanes in every build
// (sincos.cpp), and a Quad of four in the AVX2 source (sincos_avx2.cpp).
// Every operation on a vector works lane by lane exactly as on a double, so
// each lane gets the bits of the scalar code, whatever the lane count.
#pragma once

#include "kernel/simd.h"
#include "kernel/sincos.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#if defined(__AVX2__)
#include <immintrin.h>
#endif

// One entry of the table of sin(i/512) and cos(i/512), i = 0..2048: each a
// head of at most 27 significant bits plus the nearest double to the rest,
// so head + tail is within 2^-80 |value|.
struct SinCosTableEntry {
    double sinHead, sinTail, cosHead, cosTail;
};

// The table's 2049 entries (sincos.cpp).
extern const SinCosTableEntry* const SinCosTableEntries;

namespace {

// x + IndexShift rounds x to a multiple of 1/512 (the ulp of IndexShift)
// and holds 512 times that multiple in its low mantissa bits.
constexpr double IndexShift = 0x1.8p43;

// ax + SplitShift rounds ax to a multiple of 2^-36.
constexpr double SplitShift = 0x1.8p16;

// 1 - cos t for |t| <= 2^-10 given tt = t*t (truncation below 2^-95).
// Within 2u relative when tt is within u: 0.5 tt is exact, the t^4 part is
// below 2^-24 of the result, and the subtraction rounds once.
template <class T>
T OneMinusCos(T tt)
{
    return 0.5 * tt - (tt * tt) * (1.0 / 24 - tt * (1.0 / 720));
}

// Absolute error of the main path, with u = 2^-53, |S|, |C| <= 1 and
// |t| <= 2^-10 (so c <= t^2/2 <= 2^-21 and |s| <= |t|^3/6):
//  - S c and C c: c within 2u, Sd and Cd within u, the product rounded:
//    4u c <= 2u t^2.
//  - the corrections: the first three partial sums are below 2^-25.9 (the
//    table tails are below 2^-26), the last one and the final sum with the
//    low part of the head sum below 2^-25.9 + t^2/2; the five additions lose
//    at most 5u 2^-25.9 + u t^2 = 2^-76.6 + u t^2.
//  - S s and C s (within 6u |s|), the products with t1 and t2, the tails of
//    the table (2^-80 each), truncation (t^7/7!, t^8/8!): below 2^-79.
// So |error| <= 3u t^2 + 2^-76.3. The rounding test adds and subtracts the
// bound to a value below 2^-25.8 + t^2/2, losing up to u t^2/2 + 2^-78.8
// more, and the bound itself, 8u tt + 2^-75 with tt = RN(t^2), rounds down
// by at most a relative 3u: it covers the 3.5u t^2 + 2^-76 needed by a
// factor of two, and is at most 2^-70 + 2^-75.
// The head sums are exact: away from the zeros |S| > sin(1.5/512) > |t| for
// sin, and likewise |C| > |t| for cos.
template <class T>
T TableErrorBound(T tt)
{
    return tt * 0x1p-50 + 0x1p-75;
}

// The main path for arguments ax (a double, or a vector of them) whose table
// entries have the parts given: the value of sin and cos rounded twice,
// with the error bound added and subtracted. Where the two agree, that is
// the correctly rounded result.
template <class T>
struct Bracket {
    T sinHigh, sinLow, cosHigh, cosLow;
};

template <class T>
Bracket<T> SinCosBracket(T ax, T shifted, T sinHead, T sinTail, T cosHead, T cosTail)
{
    const T a = shifted - IndexShift;
    const T t = ax - a; // exact, |t| <= 2^-10
    // t = t1 + t2 exactly, t1 a multiple of 2^-36 (so of at most 26
    // significant bits, and 27-bit heads times t1 are exact), |t2| <= 2^-37.
    const T axRounded = (ax + SplitShift) - SplitShift;
    const T t1 = axRounded - a;
    const T t2 = ax - axRounded;
    const T tt = t * t;
    const T s = (t * tt) * (-1.0 / 6 + tt * (1.0 / 120));
    const T c = OneMinusCos(tt);
    const T sd = sinHead + sinTail;
    const T cd = cosHead + cosTail;

    // sin x = S + C t1 + (C t2 + C s - S c), the head sum exact (FastTwoSum).
    const T sinProduct = cosHead * t1;
    const T sinHi = sinHead + sinProduct;
    const T sinRest = (sinProduct - (sinHi - sinHead)) + ((((cosTail * t1 + sinTail) + cd * t2) + cd * s) - sd * c);
    // cos x = C - S t1 - (S t2 + S s + C c).
    const T cosProduct = -(sinHead * t1);
    const T cosHi = cosHead + cosProduct;
    const T cosRest = (cosProduct - (cosHi - cosHead)) + ((((cosTail - sinTail * t1) - sd * t2) - sd * s) - cd * c);

    const T error = TableErrorBound(tt);
    return {sinHi + (sinRest + error), sinHi + (sinRest - error), cosHi + (cosRest + error), cosHi + (cosRest - error)};
}

// ---------------------------------------------------------------------------
// Several arguments at a time.

// The lanes of a vector as 64-bit integers: what its comparisons give, all
// ones where true.
template <class V>
using LaneMask = decltype(V{} < V{});

template <class V>
constexpr int LanesOf = sizeof(V) / sizeof(double);

// The table parts for each lane.
template <class V>
struct LaneEntries {
    V sinHead, sinTail, cosHead, cosTail;
};

// Whether an argument x takes SinCos's main path, from shifted = x +
// IndexShift: n = 512 x rounded to an integer, as long as shifted stays in
// the binade of IndexShift, where its ulp is 1/512; every other x (NaN,
// infinities, |x| above 2^42) gives n far outside 0..2048. The main path
// takes n from 2 to 2047 but for 803..805 and 1607..1609: those whose
// table entry is not within one of the entries next to 0, pi/2 and pi (as
// SinCos), and below 2048, which also keeps out x just above 4, where
// SinCos gives NaN. (The few arguments from 4 - 1/1024 to 4, above every
// twiddle angle, are left to SinCos, with the same bits.)
inline bool OnMainPath(double shifted)
{
    const auto n = std::bit_cast<std::uint64_t>(shifted) - std::bit_cast<std::uint64_t>(IndexShift);
    return (n - 2 <= 2045) & (n - 803 > 2) & (n - 1607 > 2);
}

// The same test of every lane: the lanes are taken apart anyway for their
// table entries, and integer tests of them were measured faster than
// vector compares of doubles (the vector units are the busy ones).
template <class V>
bool AllOnMainPath(V shifted)
{
    bool all = true;
    for (int l = 0; l < LanesOf<V>; ++l)
        all = all & OnMainPath(shifted[l]);
    return all;
}

// The table entry of an argument x from shifted = x + IndexShift: i = 512
// times x rounded to a multiple of 1/512, for x in [0, 4]. Any other x (left
// to SinCos) gets some entry of the table too, so that its load is safe:
// capped at 2048 rather than masked by the main-path test, which would make
// every load wait for that test.
inline long long CappedTableIndex(double shifted)
{
    const long long i = static_cast<long long>(std::bit_cast<std::uint64_t>(shifted) & 0xFFF);
    return i < 2048 ? i : 2048;
}

// The two doubles at offset bytes into entry i.
inline Pair LoadEntryPart(long long i, std::size_t offset)
{
    Pair part;
    std::memcpy(&part, reinterpret_cast<const char*>(&SinCosTableEntries[i]) + offset, sizeof part);
    return part;
}

inline Pair LoadSines(long long i)
{
    return LoadEntryPart(i, offsetof(SinCosTableEntry, sinHead));
}

inline Pair LoadCosines(long long i)
{
    return LoadEntryPart(i, offsetof(SinCosTableEntry, cosHead));
}

// The entries of two arguments x, from shifted = x + IndexShift, one per
// lane: their halves loaded as Pairs and dealt out.
inline LaneEntries<Pair> GatherEntries(Pair shifted)
{
    const long long i0 = CappedTableIndex(shifted[0]), i1 = CappedTableIndex(shifted[1]);
    const Pair sin0 = LoadSines(i0), sin1 = LoadSines(i1);
    const Pair cos0 = LoadCosines(i0), cos1 = LoadCosines(i1);
    return {__builtin_shufflevector(sin0, sin1, 0, 2), __builtin_shufflevector(sin0, sin1, 1, 3),
            __builtin_shufflevector(cos0, cos1, 0, 2), __builtin_shufflevector(cos0, cos1, 1, 3)};
}

inline bool AllLanes(LaneMask<Pair> mask)
{
    return (mask[0] & mask[1]) != 0;
}

// Pairs (cosine, sine) of lanes 0 and 1, stored as a twiddle table holds
// them.
inline void StoreInterleaved(Pair sines, Pair cosines, double* to)
{
    const Pair first = __builtin_shufflevector(cosines, sines, 0, 2);
    const Pair second = __builtin_shufflevector(cosines, sines, 1, 3);
    std::memcpy(to, &first, sizeof first);
    std::memcpy(to + 2, &second, sizeof second);
}

#if defined(__AVX2__)
// Four doubles: the lanes of the AVX2 path.
typedef double Quad __attribute__((vector_size(4 * sizeof(double))));

// Four entries: the halves of entries 0 and 2, and of 1 and 3, joined in
// one vector each, so that one shuffle within each 128-bit half deals
// them out.
inline LaneEntries<Quad> GatherEntries(Quad shifted)
{
    const long long i0 = CappedTableIndex(shifted[0]), i1 = CappedTableIndex(shifted[1]);
    const long long i2 = CappedTableIndex(shifted[2]), i3 = CappedTableIndex(shifted[3]);
    const Quad sin02 = __builtin_shufflevector(LoadSines(i0), LoadSines(i2), 0, 1, 2, 3);
    const Quad sin13 = __builtin_shufflevector(LoadSines(i1), LoadSines(i3), 0, 1, 2, 3);
    const Quad cos02 = __builtin_shufflevector(LoadCosines(i0), LoadCosines(i2), 0, 1, 2, 3);
    const Quad cos13 = __builtin_shufflevector(LoadCosines(i1), LoadCosines(i3), 0, 1, 2, 3);
    return {__builtin_shufflevector(sin02, sin13, 0, 4, 2, 6), __builtin_shufflevector(sin02, sin13, 1, 5, 3, 7),
            __builtin_shufflevector(cos02, cos13, 0, 4, 2, 6), __builtin_shufflevector(cos02, cos13, 1, 5, 3, 7)};
}

inline bool AllLanes(LaneMask<Quad> mask)
{
    return _mm256_movemask_pd(std::bit_cast<__m256d>(mask)) == 0xF;
}

inline void StoreInterleaved(Quad sines, Quad cosines, double* to)
{
    const Quad first = __builtin_shufflevector(cosines, sines, 0, 4, 1, 5);
    const Quad second = __builtin_shufflevector(cosines, sines, 2, 6, 3, 7);
    std::memcpy(to, &first, sizeof first);
    std::memcpy(to + 4, &second, sizeof second);
}
#endif

// Where the results of SinCosMultiples go: sines[k * stride] and
// cosines[k * stride]. Two layouts take whole vectors: stride 1 (two
// arrays), and stride 2 with each sine just after its cosine (a twiddle
// table of Complex entries); any other takes lane by lane.
enum class Layout { Apart, Interleaved, Strided };

inline Layout LayoutOf(const double* sines, const double* cosines, int stride)
{
    if (stride == 1)
        return Layout::Apart;
    if (stride == 2 && sines == cosines + 1)
        return Layout::Interleaved;
    return Layout::Strided;
}

template <class V>
void StoreLanes(V sinValues, V cosValues, double* sines, double* cosines, std::ptrdiff_t stride, Layout layout)
{
    if (layout == Layout::Apart) {
        std::memcpy(sines, &sinValues, sizeof sinValues);
        std::memcpy(cosines, &cosValues, sizeof cosValues);
    } else if (layout == Layout::Interleaved) {
        StoreInterleaved(sinValues, cosValues, cosines);
    } else {
        for (int l = 0; l < LanesOf<V>; ++l) {
            sines[l * stride] = sinValues[l];
            cosines[l * stride] = cosValues[l];
        }
    }
}

// The lanes on the main path whose bracket agrees stored, the others worked
// out by SinCos.
template <class V>
void StoreDecidedLanes(V x, V shifted, const Bracket<V>& y, LaneMask<V> agree, double* sines, double* cosines,
                       std::ptrdiff_t stride)
{
    for (int l = 0; l < LanesOf<V>; ++l) {
        double* sine = sines + l * stride;
        double* cosine = cosines + l * stride;
        if (agree[l] != 0 && OnMainPath(shifted[l])) {
            *sine = y.sinHigh[l];
            *cosine = y.cosHigh[l];
        } else {
            SinCos(x[l], sine, cosine);
        }
    }
}

// sin and cos of the arguments x, each stored at its place in sines and
// cosines: the lanes on the main path all at once, the others (and those
// the bracket leaves undecided) by SinCos.
template <class V>
void LanesSinCos(V x, double* sines, double* cosines, std::ptrdiff_t stride, Layout layout)
{
    const V shifted = x + IndexShift;
    const LaneEntries<V> e = GatherEntries(shifted);
    const Bracket<V> y = SinCosBracket(x, shifted, e.sinHead, e.sinTail, e.cosHead, e.cosTail);
    const LaneMask<V> agree = (y.sinHigh == y.sinLow) & (y.cosHigh == y.cosLow);
    if (AllOnMainPath(shifted) && AllLanes(agree))
        StoreLanes(y.sinHigh, y.cosHigh, sines, cosines, stride, layout);
    else
        StoreDecidedLanes(x, shifted, y, agree, sines, cosines, stride);
}

// SinCosMultiples with the lanes of V: the multipliers k + l count up in
// a vector of their own (exactly, as they stay below 2^31), so each
// argument is still the one product k * step.
template <class V>
void SinCosMultiplesInLanes(double step, int count, double* sines, double* cosines, int stride)
{
    constexpr int lanes = LanesOf<V>;
    const std::ptrdiff_t apart = stride;
    const Layout layout = LayoutOf(sines, cosines, stride);
    V multipliers;
    for (int l = 0; l < lanes; ++l)
        multipliers[l] = l;
    int k = 0;
    for (; k + lanes <= count; k += lanes) {
        const std::ptrdiff_t at = k * apart;
        LanesSinCos(multipliers * step, sines + at, cosines + at, apart, layout);
        multipliers += lanes;
    }
    for (; k < count; ++k)
        SinCos(static_cast<double>(k) * step, sines + k * apart, cosines + k * apart);
}

} // namespace
