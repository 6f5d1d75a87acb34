// Correctly rounded sine and cosine on [-4, 4] from IEEE double arithmetic
// (+, -, *, / in round-to-nearest) and integer arithmetic only, so every
// platform and compiler produces the same bits.
//
// Main path (all arguments but those within about 2/512 of 0, pi/2 and pi):
// |x| = a + t with a = i/512 and |t| <= 2^-10, t exact. sin a and cos a come
// from a table; each is a head of 27 significant bits plus a double tail, so
// head * (26-bit part of t) is exact. Then
//   sin x = S + C t + (C s - S c),   cos x = C - S t - (S s + C c)
// with s = sin t - t and c = 1 - cos t from short polynomials: the exact head
// sum carries the result, and the corrections (below 2^-20) are summed in
// plain double. The absolute error stays below TableErrorBound (at most
// 2^-70); if the interval it spans contains a rounding boundary, the slow
// path decides (about once in 20000 calls).
//
// Near the zeros of sin and cos (x within about 2/512 of 0, pi/2 or pi) the
// result is small, and an absolute bound would be useless. There the
// argument is reduced to r = |x| - j pi/2 with a three-part pi/2, and the
// same table and polynomials give sin|r| and cos|r| to a relative 2^-67.
//
// Slow path: fixed-point numbers of 6 (then 16) 32-bit limbs; r from a
// 480-bit pi/2 and the Taylor series of sin r and cos r, with a proven error
// bound that decides the rounding.

#include "kernel/sincos.h"

#include "base/double_bits.h"
#include "kernel/FFT_paths.h"
#include "kernel/sincos_lanes.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<double>::is_iec559, "SinCos needs IEEE double arithmetic");
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
#error "SinCos needs double arithmetic without excess precision (use SSE2)"
#endif

namespace {

// ---------------------------------------------------------------------------
// Fixed-point numbers of N 32-bit limbs: limb[0] is the integer part and
// limb[k] has weight 2^(-32k). An "ulp" below is the weight of limb N-1.
// All values are non-negative.

template <std::size_t N>
using Fixed = std::array<std::uint32_t, N>;

constexpr std::size_t MaxLimbs = 16;

// Table of sin(i/512) and cos(i/512) for i = 0..2048 (kernel/sincos_lanes.h).
using TableEntry = SinCosTableEntry;

constexpr int TableScale = 512;
constexpr int TableSize = 4 * TableScale + 1;

// HalfPiFixed (pi/2 truncated to 15 fractional limbs, 480 bits) and SinCosTable,
// generated with MPFR by tests/gen_sincos_tables.cpp.
#include "kernel/sincos_tables.inc"

// pi/2 truncated to N limbs (less than 1 ulp low).
template <std::size_t N>
constexpr Fixed<N> HalfPi()
{
    Fixed<N> a{};
    for (std::size_t k = 0; k < N; ++k)
        a[k] = HalfPiFixed[k];
    return a;
}

// The double mantissa * 2^(exponent - 52) for 2^52 <= mantissa < 2^53 and a
// result in the normal range.
constexpr double MakeDouble(std::uint64_t mantissa, int exponent)
{
    const auto biased = static_cast<std::uint64_t>(exponent + 1023);
    return std::bit_cast<double>((biased << 52) | (mantissa & FractionField));
}

template <std::size_t N>
constexpr bool IsZero(const Fixed<N>& a)
{
    for (const std::uint32_t limb : a) {
        if (limb != 0)
            return false;
    }
    return true;
}

template <std::size_t N>
constexpr bool IsLess(const Fixed<N>& a, const Fixed<N>& b)
{
    for (std::size_t k = 0; k < N; ++k) {
        if (a[k] != b[k])
            return a[k] < b[k];
    }
    return false;
}

template <std::size_t N>
constexpr Fixed<N> Add(const Fixed<N>& a, const Fixed<N>& b)
{
    Fixed<N> sum{};
    std::uint64_t carry = 0;
    for (std::size_t k = N; k-- > 0;) {
        const std::uint64_t t = std::uint64_t{a[k]} + b[k] + carry;
        sum[k] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    return sum;
}

// a - b for a >= b.
template <std::size_t N>
constexpr Fixed<N> Subtract(const Fixed<N>& a, const Fixed<N>& b)
{
    Fixed<N> difference{};
    std::uint64_t borrow = 0;
    for (std::size_t k = N; k-- > 0;) {
        const std::uint64_t t = std::uint64_t{a[k]} - b[k] - borrow;
        difference[k] = static_cast<std::uint32_t>(t);
        borrow = t >> 63;
    }
    return difference;
}

// `count` ulps.
template <std::size_t N>
constexpr Fixed<N> Ulps(std::uint32_t count)
{
    Fixed<N> a{};
    a[N - 1] = count;
    return a;
}

// Exact, provided the integer part does not overflow.
template <std::size_t N>
constexpr Fixed<N> MultiplySmall(const Fixed<N>& a, std::uint32_t m)
{
    Fixed<N> product{};
    std::uint64_t carry = 0;
    for (std::size_t k = N; k-- > 0;) {
        const std::uint64_t t = std::uint64_t{a[k]} * m + carry;
        product[k] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    return product;
}

// Truncating division; the result is at most 1 ulp below a/d.
template <std::size_t N>
constexpr Fixed<N> DivideSmall(const Fixed<N>& a, std::uint32_t d)
{
    Fixed<N> quotient{};
    std::uint64_t remainder = 0;
    for (std::size_t k = 0; k < N; ++k) {
        const std::uint64_t t = (remainder << 32) | a[k];
        quotient[k] = static_cast<std::uint32_t>(t / d);
        remainder = t % d;
    }
    return quotient;
}

// Truncated product, at most N+1 ulps below a*b: dropped are the low 32 bits
// of the column of weight 2^(-32N) (< 1 ulp) and the products of weight
// 2^(-32(N+1)) (fewer than N, each < 1 ulp) and below (negligible).
template <std::size_t N>
constexpr Fixed<N> Multiply(const Fixed<N>& a, const Fixed<N>& b)
{
    // column[N - k] accumulates weight 2^(-32k), k = 0..N.
    std::array<std::uint32_t, N + 1> column{};
    for (std::size_t i = 0; i < N; ++i) {
        std::uint64_t carry = 0;
        // Row i: a[i] * b[j] has weight 2^(-32(i+j)); keep i + j <= N.
        const std::size_t jMax = (i == 0) ? N - 1 : N - i;
        for (std::size_t j = jMax + 1; j-- > 0;) {
            const std::size_t index = N - i - j;
            const std::uint64_t t = std::uint64_t{a[i]} * b[j] + column[index] + carry;
            column[index] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        for (std::size_t index = N - i + 1; carry != 0 && index <= N; ++index) {
            const std::uint64_t t = std::uint64_t{column[index]} + carry;
            column[index] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
    }
    Fixed<N> product{};
    for (std::size_t k = 0; k < N; ++k)
        product[k] = column[N - k];
    return product;
}

// 0 <= x < 2^32 as a fixed-point number, truncated below 1 ulp.
template <std::size_t N>
constexpr Fixed<N> FixedFromDouble(double x)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    const int biased = static_cast<int>(bits >> 52);
    if (biased == 0)
        return Fixed<N>{}; // zero or subnormal: below every ulp
    const std::uint64_t mantissa = (bits & FractionField) | ImplicitBit;
    // Mantissa bit 0 has weight 2^(biased - 1075): it lies `position` bits
    // above the least significant bit of limb N-1.
    const int position = biased - 1075 + 32 * static_cast<int>(N - 1);
    Fixed<N> a{};
    for (std::size_t k = 0; k < N; ++k) {
        const int shift = position - 32 * static_cast<int>(N - 1 - k);
        std::uint64_t part = 0;
        if (shift >= 0 && shift < 64)
            part = mantissa << shift;
        if (shift < 0 && shift > -64)
            part = mantissa >> -shift;
        a[k] = static_cast<std::uint32_t>(part);
    }
    return a;
}

// The leading 64 bits of a nonzero a, the exponent of its leading bit and
// whether any bit below those 64 is set.
struct LeadingBits {
    std::uint64_t top; // bit 63 is the leading bit of a
    int exponent;
    bool sticky;
};

template <std::size_t N>
constexpr LeadingBits TakeLeadingBits(const Fixed<N>& a)
{
    std::size_t k = 0;
    while (a[k] == 0)
        ++k;
    const auto limb = [&](std::size_t index) -> std::uint64_t { return index < N ? a[index] : 0; };
    const int zeros = std::countl_zero(a[k]);
    std::uint64_t top = (limb(k) << 32) | limb(k + 1);
    std::uint64_t below = limb(k + 2) << 32; // bits not yet in `top`
    if (zeros > 0) {
        top = (top << zeros) | (limb(k + 2) >> (32 - zeros));
        below = limb(k + 2) << (32 + zeros);
    }
    bool sticky = below != 0;
    for (std::size_t index = k + 3; index < N; ++index) {
        sticky = sticky || a[index] != 0;
    }
    return {top, 31 - zeros - 32 * static_cast<int>(k), sticky};
}

// a rounded to the nearest double (ties to even); a must be zero or at least
// 2^-1022.
template <std::size_t N>
constexpr double RoundToDouble(const Fixed<N>& a)
{
    if (IsZero(a))
        return 0.0;
    const LeadingBits lead = TakeLeadingBits(a);
    std::uint64_t mantissa = lead.top >> 11;
    const std::uint64_t rest = lead.top & 0x7FF;
    const bool roundUp = rest > 0x400 || (rest == 0x400 && (lead.sticky || (mantissa & 1) != 0));
    int exponent = lead.exponent;
    if (roundUp && ++mantissa == (ImplicitBit << 1)) {
        mantissa = ImplicitBit;
        ++exponent;
    }
    return MakeDouble(mantissa, exponent);
}

// a truncated to its leading `bits` significant bits (1..53).
template <std::size_t N>
constexpr double TruncateToDouble(const Fixed<N>& a, int bits)
{
    if (IsZero(a))
        return 0.0;
    const LeadingBits lead = TakeLeadingBits(a);
    const std::uint64_t mantissa = (lead.top >> (64 - bits)) << (53 - bits);
    return MakeDouble(mantissa, lead.exponent);
}

// ---------------------------------------------------------------------------
// Quadrants.

struct SinCosPair {
    double sin;
    double cos;
};

constexpr std::uint64_t SignBitOf(double value)
{
    return std::bit_cast<std::uint64_t>(value) & SignBit;
}

constexpr double FlipSignIf(double value, std::uint64_t signBit)
{
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(value) ^ signBit);
}

constexpr double Abs(double value)
{
    return FlipSignIf(value, SignBitOf(value));
}

// sin and cos of j*pi/2 + r from sin|r|, cos|r| and the sign of r:
// sin(j*pi/2 + r) is sin r, cos r, -sin r, -cos r for j = 0..3, and
// cos(j*pi/2 + r) is cos r, -sin r, -cos r, sin r.
constexpr SinCosPair ApplyQuadrant(int j, std::uint64_t rSign, double sinR, double cosR)
{
    sinR = FlipSignIf(sinR, rSign);
    const bool swap = (j & 1) != 0;
    const std::uint64_t sinFlip = (j & 2) != 0 ? SignBit : 0;
    const std::uint64_t cosFlip = ((j + 1) & 2) != 0 ? SignBit : 0;
    return {FlipSignIf(swap ? cosR : sinR, sinFlip), FlipSignIf(swap ? sinR : cosR, cosFlip)};
}

constexpr double TwoOverPi = 0x1.45f306dc9c883p-1;

// ---------------------------------------------------------------------------
// Slow path.

// Sums the Taylor series of sin r and cos r together; term k is r^k/k!.
// With 0 <= r <= 0.79, every term is computed at most N+3 ulps below its
// true value (Multiply loses N+1, DivideSmall 1, and the error of the
// previous term shrinks by r/k < 1/2), and never above it, as all steps
// truncate. The loop stops at the first term that truncates to zero, whose
// true value is then at most N+3 ulps, so the tail left out is at most
// 2(N+3) ulps; for N <= 16 that happens before k = 90 (0.79^90/90! <
// 2^-480). The sums are thus within 92 (N+3) ulps of sin r and cos r, and r
// itself is within 3 ulps (pi/2 truncated, times j <= 3): SeriesErrorUlps
// is a safe bound.
constexpr std::uint32_t SeriesErrorUlps = 8192;

template <std::size_t N>
constexpr void SumSinCosSeries(const Fixed<N>& r, Fixed<N>* sine, Fixed<N>* cosine)
{
    Fixed<N> term{};
    term[0] = 1;
    Fixed<N> sinPlus{}, sinMinus{}, cosPlus = term, cosMinus{};
    for (std::uint32_t k = 1; !IsZero(term); ++k) {
        term = DivideSmall(Multiply(term, r), k);
        switch (k % 4) {
        case 0: cosPlus = Add(cosPlus, term); break;
        case 1: sinPlus = Add(sinPlus, term); break;
        case 2: cosMinus = Add(cosMinus, term); break;
        default: sinMinus = Add(sinMinus, term); break;
        }
    }
    *sine = Subtract(sinPlus, sinMinus);
    *cosine = Subtract(cosPlus, cosMinus);
}

// Rounds a value known to lie within `error` of `a`; false if the two ends of
// that interval round to different doubles (rounding is monotonic, so when
// they agree, so does every value between them).
template <std::size_t N>
constexpr bool RoundWithin(const Fixed<N>& a, const Fixed<N>& error, double* rounded)
{
    const double low = RoundToDouble(Subtract(a, error));
    const double high = RoundToDouble(Add(a, error));
    *rounded = high;
    return low == high;
}

// sin and cos of 2^-27 <= ax <= 4 = j*pi/2 + r, with N limbs. Returns false
// if N limbs do not settle the rounding.
template <std::size_t N>
constexpr bool SlowSinCosWithLimbs(double ax, int j, SinCosPair* out)
{
    const Fixed<N> x = FixedFromDouble<N>(ax);
    const Fixed<N> multiple = MultiplySmall(HalfPi<N>(), static_cast<std::uint32_t>(j));
    const bool rNegative = IsLess(x, multiple);
    const Fixed<N> r = rNegative ? Subtract(multiple, x) : Subtract(x, multiple);
    Fixed<N> sine{}, cosine{};
    SumSinCosSeries(r, &sine, &cosine);
    const Fixed<N> error = Ulps<N>(SeriesErrorUlps);
    double sinR = 0, cosR = 0;
    const bool sinDecided = RoundWithin(sine, error, &sinR);
    const bool cosDecided = RoundWithin(cosine, error, &cosR);
    *out = ApplyQuadrant(j, rNegative ? SignBit : 0, sinR, cosR);
    return sinDecided && cosDecided;
}

// Correctly rounded sin and cos of 2^-27 <= ax <= 4. 160 bits settle nearly
// every case; 480 bits are a second line. Should even those fail, the
// 480-bit value (good to about 2^-460) is rounded as it is.
[[gnu::noinline]] SinCosPair SlowSinCos(double ax)
{
    const int j = static_cast<int>(ax * TwoOverPi + 0.5);
    SinCosPair result{};
    if (!SlowSinCosWithLimbs<6>(ax, j, &result)) {
        SlowSinCosWithLimbs<MaxLimbs>(ax, j, &result);
    }
    return result;
}

// ---------------------------------------------------------------------------
// Helpers of both fast paths.

struct DoubleDouble {
    double hi;
    double lo;
};

// Exact a + b for |a| >= |b| (or a == 0).
DoubleDouble FastTwoSum(double a, double b)
{
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// The table entry of x + IndexShift (kernel/sincos_lanes.h).
int TableIndex(double shifted)
{
    return static_cast<int>(std::bit_cast<std::uint64_t>(shifted) & 0xFFF);
}

// ---------------------------------------------------------------------------
// Near the zeros: reduction by pi/2 and a relative error bound.

// pi/2 = HalfPiHead + HalfPiMid + HalfPiTail + O(2^-154); the first two
// have 51 significant bits, so j times them is exact for j <= 3.
constexpr Fixed<MaxLimbs> MinusDouble(const Fixed<MaxLimbs>& a, double d)
{
    return Subtract(a, FixedFromDouble<MaxLimbs>(d));
}
constexpr double HalfPiHead = TruncateToDouble(HalfPiFixed, 51);
constexpr Fixed<MaxLimbs> HalfPiRest = MinusDouble(HalfPiFixed, HalfPiHead);
constexpr double HalfPiMid = TruncateToDouble(HalfPiRest, 51);
constexpr double HalfPiTail = RoundToDouble(MinusDouble(HalfPiRest, HalfPiMid));

constexpr double RoundingShift = 0x1.8p52; // x + this rounds x to an integer

struct Reduced {
    int quadrant; // j
    double hi;    // r = hi + lo
    double lo;
};

// ax = j*pi/2 + r for 0 <= ax <= 4. ax - j*HalfPiHead is exact: both are
// multiples of ulp(ax) and the difference is below 1. For j > 0 the nearest
// doubles to pi/2 and pi are 2^-53.9 and 2^-52.9 away from them, so
// |r| >= 2^-54. The head difference is zero or a multiple of ulp(ax) >=
// 2^-53 >= j*HalfPiMid, so the sums below are exact but for the rounding
// of the low part: the error in r is below 2^-106 |r| + 3 * 2^-154 (the
// split of pi/2), so below 2^-99 |r|.
Reduced ReduceByHalfPi(double ax)
{
    const double j = (ax * TwoOverPi + RoundingShift) - RoundingShift;
    const double head = ax - j * HalfPiHead;
    const DoubleDouble r = FastTwoSum(head, -(j * HalfPiMid));
    const DoubleDouble sum = FastTwoSum(r.hi, r.lo - j * HalfPiTail);
    return {static_cast<int>(j), sum.hi, sum.lo};
}

// Error of ReducedSinCos relative to the result Y (sin|r| or cos|r|), with
// u = 2^-53, |r| = a + th + tl, a = i/512, |t| <= 2^-10:
//  - c = 1 - cos t <= 2^-21 is found to 3u relative; with the rounding of
//    Cd (or Sd) and of the product, C c (or S c) is off by at most
//    5u 2^-21 C (5u 2^-21 S). For cos, Y >= 0.70 gives 2^-71.2; for sin,
//    S <= 2 Y (worst at i = 1) gives 2^-70.7.
//  - s = sin t - t, |s| <= |t|^3/6, off by at most 6u |s|; |s|/Y <= 2^-22.6
//    (for i = 0, Y ~ |t|; for i > 0, Y >= 2^-10 >= |t|): 2^-73.
//  - The corrections total at most 2^-19.7 Y: the two big additions lose at
//    most 2u 2^-19.7 Y, the others below 2^-75 Y, and adding the low part
//    of the exact head sum 2^-72.7 Y.
//  - Table 2^-80, truncation (t^9/9!, t^8/8!) below 2^-82, reduction 2^-99;
//    the terms tl t^2/2 and th tl are kept.
// Total under 2^-69.3; ReducedError leaves a factor of four.
constexpr double ReducedError = 0x1p-67;

struct ReducedResult {
    DoubleDouble sin; // of |r|
    DoubleDouble cos;
};

// |r| = rh + rl with 0 <= rh <= pi/4 + 2^-50, |rl| <= 2^-53 rh.
ReducedResult ReducedSinCos(double rh, double rl)
{
    const double shifted = rh + IndexShift;
    const TableEntry& e = SinCosTable[TableIndex(shifted)];
    const double th = rh - (shifted - IndexShift); // exact
    const double tl = rl;
    // t1 holds the leading 26 bits of th, so 27-bit heads times t1 are exact.
    const double split = th * 134217729.0; // 2^27 + 1
    const double t1 = split - (split - th);
    const double t2 = (th - t1) + tl;
    const double tt = th * th;
    const double s = th * tt * (-1.0 / 6 + tt * (1.0 / 120 - tt * (1.0 / 5040))) - 0.5 * tt * tl;
    const double c = OneMinusCos(tt) + th * tl;
    const double sd = e.sinHead + e.sinTail;
    const double cd = e.cosHead + e.cosTail;

    const DoubleDouble sinHead = FastTwoSum(e.sinHead, e.cosHead * t1);
    const double sinSmall = (((e.cosTail * t1 + e.sinTail) + cd * t2) + cd * s) - sd * c;
    const DoubleDouble cosHead = FastTwoSum(e.cosHead, -(e.sinHead * t1));
    const double cosSmall = (((e.cosTail - e.sinTail * t1) - sd * t2) - sd * s) - cd * c;

    return {FastTwoSum(sinHead.hi, sinHead.lo + sinSmall), FastTwoSum(cosHead.hi, cosHead.lo + cosSmall)};
}

// With y.hi = RN(y.hi + y.lo) and the true value within
// ReducedError * |y.hi| of y.hi + y.lo, RN(y.hi + RN(y.lo * f)) == y.hi
// proves the true value rounds to y.hi: it gives |y.lo| <= g / (2f (1-u)),
// g the gap to the next double on y.lo's side, so y.hi + y.lo is more than
// g/2 (1 - 1/(f (1-u))) > g 2^-14 from the midpoint, while the error is at
// most 2^-67 |y.hi| <= 2^-67 2^53 g = g 2^-14. The other midpoint is at
// least g/4 >= 2^-55 |y.hi| away.
constexpr double RoundingFactor = 1.0 + 0x1p-13 + 0x1p-24;
static_assert(ReducedError == 0x1p-67, "RoundingFactor assumes 2^-67");

bool RoundsToHead(const DoubleDouble& y)
{
    return y.hi == y.hi + y.lo * RoundingFactor;
}

// sin and cos of 2^-27 <= ax <= 4 when ax is close to a zero of one of them.
SinCosPair SinCosNearZeros(double ax)
{
    const Reduced r = ReduceByHalfPi(ax);
    const std::uint64_t rSign = SignBitOf(r.hi);
    const ReducedResult y = ReducedSinCos(FlipSignIf(r.hi, rSign), FlipSignIf(r.lo, rSign));
    if (!RoundsToHead(y.sin) || !RoundsToHead(y.cos))
        return SlowSinCos(ax);
    return ApplyQuadrant(r.quadrant, rSign, y.sin.hi, y.cos.hi);
}

// Entries whose arguments come within 1/512 of 0, pi/2 or pi (at 804.25/512
// and 1608.50/512); all other arguments keep at least 1/512 from them.
bool NearZeroOfSinOrCos(int i)
{
    return i <= 1 || static_cast<unsigned>(i - 803) <= 2 || static_cast<unsigned>(i - 1607) <= 2;
}

// ---------------------------------------------------------------------------
// Main path: the table at x itself and an absolute error bound (the
// bracket, shared with SinCosMultiples, is in kernel/sincos_lanes.h).

SinCosPair SinCosFromTable(double ax, double shifted, int i)
{
    const TableEntry& e = SinCosTable[i];
    const Bracket<double> y = SinCosBracket(ax, shifted, e.sinHead, e.sinTail, e.cosHead, e.cosTail);
    if (y.sinHigh != y.sinLow || y.cosHigh != y.cosLow)
        return SlowSinCos(ax);
    return {y.sinHigh, y.cosHigh};
}

} // namespace

void SinCos(double x, double* sine, double* cosine)
{
    const double ax = Abs(x);
    if (!(ax <= 4.0)) { // outside the supported range, or NaN
        *sine = *cosine = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    // Below 2^-27, x^3/6 is under a quarter ulp of x and x^2/2 under a quarter
    // ulp of 1, so sin x rounds to x and cos x to 1 (this keeps sin(-0) = -0).
    if (ax < 0x1p-27) {
        *sine = x;
        *cosine = 1.0;
        return;
    }
    const double shifted = ax + IndexShift;
    const int i = TableIndex(shifted);
    const SinCosPair result = NearZeroOfSinOrCos(i) ? SinCosNearZeros(ax) : SinCosFromTable(ax, shifted, i);
    *sine = FlipSignIf(result.sin, SignBitOf(x));
    *cosine = result.cos;
}

const SinCosTableEntry* const SinCosTableEntries = SinCosTable.data();

// Two arguments at a time, one per lane of a Pair (an SSE2 vector on x86).
// (Four lanes of such vectors were measured slower: their gathers and
// checks cost more than the wider arithmetic saves without AVX.)
void SinCosMultiplesPortable(double step, int count, double* sines, double* cosines, int stride)
{
    SinCosMultiplesInLanes<Pair>(step, count, sines, cosines, stride);
}
