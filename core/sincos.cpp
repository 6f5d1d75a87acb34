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

#include "sincos.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<double>::is_iec559,
              "SinCos needs IEEE double arithmetic");
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

constexpr std::size_t kMaxLimbs = 16;

// pi/2 truncated to 15 fractional limbs (480 bits).
constexpr Fixed<kMaxLimbs> kHalfPiFixed = {
    0x00000001, 0x921FB544, 0x42D18469, 0x898CC517,
    0x01B839A2, 0x52049C11, 0x14CF98E8, 0x04177D4C,
    0x76273644, 0xA29410F3, 0x1C6809BB, 0xDF2A3367,
    0x9A748636, 0x605614DB, 0xE4BE286E, 0x9FC26ADA};

constexpr std::uint64_t kSignBit = 0x8000000000000000u;
constexpr std::uint64_t kMantissaMask = 0x000FFFFFFFFFFFFFu;
constexpr std::uint64_t kImplicitBit = 0x0010000000000000u;

// pi/2 truncated to N limbs (less than 1 ulp low).
template <std::size_t N>
constexpr Fixed<N> HalfPi() {
  Fixed<N> a{};
  for (std::size_t k = 0; k < N; ++k) a[k] = kHalfPiFixed[k];
  return a;
}

// The double mantissa * 2^(exponent - 52) for 2^52 <= mantissa < 2^53 and a
// result in the normal range.
constexpr double MakeDouble(std::uint64_t mantissa, int exponent) {
  const auto biased = static_cast<std::uint64_t>(exponent + 1023);
  return std::bit_cast<double>((biased << 52) | (mantissa & kMantissaMask));
}

template <std::size_t N>
constexpr bool IsZero(const Fixed<N>& a) {
  for (const std::uint32_t limb : a) {
    if (limb != 0) return false;
  }
  return true;
}

template <std::size_t N>
constexpr bool IsLess(const Fixed<N>& a, const Fixed<N>& b) {
  for (std::size_t k = 0; k < N; ++k) {
    if (a[k] != b[k]) return a[k] < b[k];
  }
  return false;
}

template <std::size_t N>
constexpr Fixed<N> Add(const Fixed<N>& a, const Fixed<N>& b) {
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
constexpr Fixed<N> Subtract(const Fixed<N>& a, const Fixed<N>& b) {
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
constexpr Fixed<N> Ulps(std::uint32_t count) {
  Fixed<N> a{};
  a[N - 1] = count;
  return a;
}

// Exact, provided the integer part does not overflow.
template <std::size_t N>
constexpr Fixed<N> MultiplySmall(const Fixed<N>& a, std::uint32_t m) {
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
constexpr Fixed<N> DivideSmall(const Fixed<N>& a, std::uint32_t d) {
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
constexpr Fixed<N> Multiply(const Fixed<N>& a, const Fixed<N>& b) {
  // column[N - k] accumulates weight 2^(-32k), k = 0..N.
  std::array<std::uint32_t, N + 1> column{};
  for (std::size_t i = 0; i < N; ++i) {
    std::uint64_t carry = 0;
    // Row i: a[i] * b[j] has weight 2^(-32(i+j)); keep i + j <= N.
    const std::size_t j_max = (i == 0) ? N - 1 : N - i;
    for (std::size_t j = j_max + 1; j-- > 0;) {
      const std::size_t index = N - i - j;
      const std::uint64_t t =
          std::uint64_t{a[i]} * b[j] + column[index] + carry;
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
  for (std::size_t k = 0; k < N; ++k) product[k] = column[N - k];
  return product;
}

// 0 <= x < 2^32 as a fixed-point number, truncated below 1 ulp.
template <std::size_t N>
constexpr Fixed<N> FixedFromDouble(double x) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const int biased = static_cast<int>(bits >> 52);
  if (biased == 0) return Fixed<N>{};  // zero or subnormal: below every ulp
  const std::uint64_t mantissa = (bits & kMantissaMask) | kImplicitBit;
  // Mantissa bit 0 has weight 2^(biased - 1075): it lies `position` bits
  // above the least significant bit of limb N-1.
  const int position = biased - 1075 + 32 * static_cast<int>(N - 1);
  Fixed<N> a{};
  for (std::size_t k = 0; k < N; ++k) {
    const int shift = position - 32 * static_cast<int>(N - 1 - k);
    std::uint64_t part = 0;
    if (shift >= 0 && shift < 64) part = mantissa << shift;
    if (shift < 0 && shift > -64) part = mantissa >> -shift;
    a[k] = static_cast<std::uint32_t>(part);
  }
  return a;
}

// The leading 64 bits of a nonzero a, the exponent of its leading bit and
// whether any bit below those 64 is set.
struct LeadingBits {
  std::uint64_t top;  // bit 63 is the leading bit of a
  int exponent;
  bool sticky;
};

template <std::size_t N>
constexpr LeadingBits TakeLeadingBits(const Fixed<N>& a) {
  std::size_t k = 0;
  while (a[k] == 0) ++k;
  const auto limb = [&](std::size_t index) -> std::uint64_t {
    return index < N ? a[index] : 0;
  };
  const int zeros = std::countl_zero(a[k]);
  std::uint64_t top = (limb(k) << 32) | limb(k + 1);
  std::uint64_t below = limb(k + 2) << 32;  // bits not yet in `top`
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
constexpr double RoundToDouble(const Fixed<N>& a) {
  if (IsZero(a)) return 0.0;
  const LeadingBits lead = TakeLeadingBits(a);
  std::uint64_t mantissa = lead.top >> 11;
  const std::uint64_t rest = lead.top & 0x7FF;
  const bool round_up =
      rest > 0x400 || (rest == 0x400 && (lead.sticky || (mantissa & 1) != 0));
  int exponent = lead.exponent;
  if (round_up && ++mantissa == (kImplicitBit << 1)) {
    mantissa = kImplicitBit;
    ++exponent;
  }
  return MakeDouble(mantissa, exponent);
}

// a truncated to its leading `bits` significant bits (1..53).
template <std::size_t N>
constexpr double TruncateToDouble(const Fixed<N>& a, int bits) {
  if (IsZero(a)) return 0.0;
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

constexpr std::uint64_t SignBitOf(double value) {
  return std::bit_cast<std::uint64_t>(value) & kSignBit;
}

constexpr double FlipSignIf(double value, std::uint64_t sign_bit) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(value) ^ sign_bit);
}

constexpr double Abs(double value) {
  return FlipSignIf(value, SignBitOf(value));
}

// sin and cos of j*pi/2 + r from sin|r|, cos|r| and the sign of r:
// sin(j*pi/2 + r) is sin r, cos r, -sin r, -cos r for j = 0..3, and
// cos(j*pi/2 + r) is cos r, -sin r, -cos r, sin r.
constexpr SinCosPair ApplyQuadrant(int j, std::uint64_t r_sign, double sin_r,
                                   double cos_r) {
  sin_r = FlipSignIf(sin_r, r_sign);
  const bool swap = (j & 1) != 0;
  const std::uint64_t sin_flip = (j & 2) != 0 ? kSignBit : 0;
  const std::uint64_t cos_flip = ((j + 1) & 2) != 0 ? kSignBit : 0;
  return {FlipSignIf(swap ? cos_r : sin_r, sin_flip),
          FlipSignIf(swap ? sin_r : cos_r, cos_flip)};
}

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;

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
// itself is within 3 ulps (pi/2 truncated, times j <= 3): kSeriesErrorUlps
// is a safe bound.
constexpr std::uint32_t kSeriesErrorUlps = 8192;

template <std::size_t N>
constexpr void SumSinCosSeries(const Fixed<N>& r, Fixed<N>* sine,
                               Fixed<N>* cosine) {
  Fixed<N> term{};
  term[0] = 1;
  Fixed<N> sin_plus{}, sin_minus{}, cos_plus = term, cos_minus{};
  for (std::uint32_t k = 1; !IsZero(term); ++k) {
    term = DivideSmall(Multiply(term, r), k);
    switch (k % 4) {
      case 0: cos_plus = Add(cos_plus, term); break;
      case 1: sin_plus = Add(sin_plus, term); break;
      case 2: cos_minus = Add(cos_minus, term); break;
      default: sin_minus = Add(sin_minus, term); break;
    }
  }
  *sine = Subtract(sin_plus, sin_minus);
  *cosine = Subtract(cos_plus, cos_minus);
}

// Rounds a value known to lie within `error` of `a`; false if the two ends of
// that interval round to different doubles (rounding is monotonic, so when
// they agree, so does every value between them).
template <std::size_t N>
constexpr bool RoundWithin(const Fixed<N>& a, const Fixed<N>& error,
                           double* rounded) {
  const double low = RoundToDouble(Subtract(a, error));
  const double high = RoundToDouble(Add(a, error));
  *rounded = high;
  return low == high;
}

// sin and cos of 2^-27 <= ax <= 4 = j*pi/2 + r, with N limbs. Returns false
// if N limbs do not settle the rounding.
template <std::size_t N>
constexpr bool SlowSinCosWithLimbs(double ax, int j, SinCosPair* out) {
  const Fixed<N> x = FixedFromDouble<N>(ax);
  const Fixed<N> multiple =
      MultiplySmall(HalfPi<N>(), static_cast<std::uint32_t>(j));
  const bool r_negative = IsLess(x, multiple);
  const Fixed<N> r =
      r_negative ? Subtract(multiple, x) : Subtract(x, multiple);
  Fixed<N> sine{}, cosine{};
  SumSinCosSeries(r, &sine, &cosine);
  const Fixed<N> error = Ulps<N>(kSeriesErrorUlps);
  double sin_r = 0, cos_r = 0;
  const bool sin_decided = RoundWithin(sine, error, &sin_r);
  const bool cos_decided = RoundWithin(cosine, error, &cos_r);
  *out = ApplyQuadrant(j, r_negative ? kSignBit : 0, sin_r, cos_r);
  return sin_decided && cos_decided;
}

// Correctly rounded sin and cos of 2^-27 <= ax <= 4. 160 bits settle nearly
// every case; 480 bits are a second line. Should even those fail, the
// 480-bit value (good to about 2^-460) is rounded as it is.
[[gnu::noinline]] SinCosPair SlowSinCos(double ax) {
  const int j = static_cast<int>(ax * kTwoOverPi + 0.5);
  SinCosPair result{};
  if (!SlowSinCosWithLimbs<6>(ax, j, &result)) {
    SlowSinCosWithLimbs<kMaxLimbs>(ax, j, &result);
  }
  return result;
}

// ---------------------------------------------------------------------------
// Table of sin(i/512) and cos(i/512) for i = 0..2048, each as a head of at
// most 27 significant bits plus the nearest double to the rest, so head +
// tail is within 2^-80 |value|. Printed by tests/gen_sincos_tables.cpp.

struct TableEntry {
  double sin_head, sin_tail, cos_head, cos_tail;
};

constexpr int kTableScale = 512;
constexpr int kTableSize = 4 * kTableScale + 1;

// clang-format off
constexpr std::array<TableEntry, kTableSize> kTable = {{
    {0x0p+0, 0x0p+0, 0x1p+0, 0x0p+0},
    {0x1.ffffea8p-10, 0x1.5557777774374p-37, 0x1.ffffcp-1, 0x1.5555527d27d5cp-41},
    {0x1.ffffaa8p-9, 0x1.55777776a76a8p-36, 0x1.ffffp-1, 0x1.555549f49f7dfp-37},
    {0x1.7fff7p-8, 0x1.0333255075766p-44, 0x1.fffdcp-1, 0x1.afffdf999ae6ep-35},
    {0x1.fffeaa8p-8, 0x1.57777743743a2p-35, 0x1.fffcp-1, 0x1.555527d28068p-33},
    {0x1.3ffeb28p-7, 0x1.5896aa2ea8ad5p-34, 0x1.fff9cp-1, 0x1.a0aa53dc7b774p-32},
    {0x1.7ffdcp-7, 0x1.0332fba84175p-39, 0x1.fff7p-1, 0x1.afff7e667b3a8p-31},
    {0x1.bffc6d4p-7, 0x1.785906daa6b72p-35, 0x1.fff3cp-1, 0x1.902a07440cfd1p-30},
    {0x1.fffaaa8p-7, 0x1.77776a76aa4e3p-34, 0x1.fffp-1, 0x1.55549f4a28a28p-29},
    {0x1.1ffc34p-6, 0x1.ec1245f358ab6p-37, 0x1.ffebcp-1, 0x1.115f47790f86cp-28},
    {0x1.3ffaca8p-6, 0x1.896a8baa33664p-33, 0x1.ffe7p-1, 0x1.a0a94f72621edp-28},
    {0x1.5ff9114p-6, 0x1.fd17cb70728fbp-34, 0x1.ffe1c04p-1, 0x1.88210e2f80bf7p-30},
    {0x1.7ff7p-6, 0x1.03325507bf8adp-34, 0x1.ffdc004p-1, 0x1.5ffbf335cdb5dp-28},
    {0x1.9ff48ecp-6, 0x1.6b64e891a2d7dp-37, 0x1.ffd5c08p-1, 0x1.4c083d6bd588p-29},
    {0x1.bff1b54p-6, 0x1.c2c741bbe4184p-33, 0x1.ffcf00cp-1, 0x1.0281d11e0e0bdp-30},
    {0x1.dfee6cp-6, 0x1.8b7fee4ef01bfp-33, 0x1.ffc7c1p-1, 0x1.ea8467dc25932p-31},
    {0x1.ffeaaacp-6, 0x1.7774374657f21p-33, 0x1.ffc0014p-1, 0x1.5527d2b12aedbp-29},
    {0x1.0ff334cp-5, 0x1.8e27f6d24e6a4p-33, 0x1.ffb7c18p-1, 0x1.97e9edbb374b7p-28},
    {0x1.1ff0dp-5, 0x1.ec0f7e36e9c95p-32, 0x1.ffaf02p-1, 0x1.15d1de75ecff6p-28},
    {0x1.2fee238p-5, 0x1.2f76855eb5c7ap-32, 0x1.ffa5c28p-1, 0x1.35cadbb169b74p-28},
    {0x1.3feb2bp-5, 0x1.2d45d529d8a84p-33, 0x1.ff9c034p-1, 0x1.4a7ba1991f4bep-33},
    {0x1.4fe7e28p-5, 0x1.3c33f4cb64a27p-35, 0x1.ff91c3cp-1, 0x1.a6ebacfdd0e37p-28},
    {0x1.5fe445cp-5, 0x1.e8b307baf4dc7p-32, 0x1.ff8704cp-1, 0x1.00871f89fce9bp-31},
    {0x1.6fe0514p-5, 0x1.e16240328679fp-32, 0x1.ff7bc58p-1, 0x1.8b41e32b2562bp-28},
    {0x1.7fdc01p-5, 0x1.97dd454cc8417p-36, 0x1.ff70068p-1, 0x1.fefccf674c4aap-28},
    {0x1.8fd7508p-5, 0x1.334ec12f0c4d9p-33, 0x1.ff63c7cp-1, 0x1.92bf8b39af36bp-28},
    {0x1.9fd23cp-5, 0x1.6b406f68f4e5dp-32, 0x1.ff57094p-1, 0x1.7c1ec4bc0536bp-30},
    {0x1.afccbfcp-5, 0x1.30e4edae9ec6dp-33, 0x1.ff49cacp-1, 0x1.f54a36b51de49p-30},
    {0x1.bfc6d78p-5, 0x1.61b6b031c9fap-35, 0x1.ff3c0c8p-1, 0x1.03a31290adb7cp-33},
    {0x1.cfc07f4p-5, 0x1.92f69382058ep-35, 0x1.ff2dce4p-1, 0x1.1ae3ee9f7fd6ap-28},
    {0x1.dfb9b3p-5, 0x1.6f3729e4c524dp-33, 0x1.ff1f104p-1, 0x1.d2234a84954b4p-28},
    {0x1.efb26ecp-5, 0x1.c986269f9586ep-32, 0x1.ff0fd2cp-1, 0x1.2d5bf75abf209p-30},
    {0x1.ffaaaecp-5, 0x1.76a76d5a5d25ap-32, 0x1.ff00154p-1, 0x1.49f4d34ca0e1fp-29},
    {0x1.07d1374p-4, 0x1.e740141932f3p-31, 0x1.feefd8p-1, 0x1.fd10edc56eeadp-29},
    {0x1.0fccd58p-4, 0x1.c321d708558d2p-33, 0x1.fedf1bp-1, 0x1.787b8e7b29ff4p-28},
    {0x1.17c82f8p-4, 0x1.60b10e6c52d07p-31, 0x1.fecdde8p-1, 0x1.a26c8a02c10e2p-31},
    {0x1.1fc343cp-4, 0x1.808bee830b346p-32, 0x1.febc22p-1, 0x1.5477cf85e4d25p-28},
    {0x1.27be1p-4, 0x1.32be5afa93ff7p-32, 0x1.fea9e6p-1, 0x1.f8e6010824029p-29},
    {0x1.2fb8924p-4, 0x1.ecc91fee53115p-32, 0x1.fe972a4p-1, 0x1.50b7397992fb6p-28},
    {0x1.37b2c88p-4, 0x1.e251dc888e07ap-31, 0x1.fe83efp-1, 0x1.daef92361d2a8p-30},
    {0x1.3facb1p-4, 0x1.68baad4dbcdd6p-31, 0x1.fe7034p-1, 0x1.29ef6ee340bcdp-29},
    {0x1.47a6498p-4, 0x1.95ce75c0db2b9p-31, 0x1.fe5bf94p-1, 0x1.d2e0a9c474527p-28},
    {0x1.4f9f904p-4, 0x1.d971feb7eec6p-33, 0x1.fe473f4p-1, 0x1.63afacd000ee9p-30},
    {0x1.579883p-4, 0x1.7d7e7ff37146fp-35, 0x1.fe32058p-1, 0x1.4237658171cb1p-30},
    {0x1.5f911fcp-4, 0x1.10b736bf9ec3fp-32, 0x1.fe1c4cp-1, 0x1.e439f57ea5637p-28},
    {0x1.6789648p-4, 0x1.d6ae52b55fa2ap-31, 0x1.fe06134p-1, 0x1.3f62d9bc1b779p-28},
    {0x1.6f814fcp-4, 0x1.2468f6e185eb2p-35, 0x1.fdef5bp-1, 0x1.1cf45cc2f98bfp-29},
    {0x1.7778decp-4, 0x1.4b4e97a30a023p-31, 0x1.fdd823p-1, 0x1.fef09eb69b3b7p-28},
    {0x1.7f701p-4, 0x1.92a8720d7e169p-31, 0x1.fdc06bcp-1, 0x1.bf35cda632057p-28},
    {0x1.8766e18p-4, 0x1.f3e3c39cc0ab8p-32, 0x1.fda835p-1, 0x1.feb84a21fd152p-28},
    {0x1.8f5d51p-4, 0x1.93886206b8a41p-31, 0x1.fd8f7fp-1, 0x1.dbcb068e2b44cp-29},
    {0x1.97535ccp-4, 0x1.728d2140370bp-31, 0x1.fd76498p-1, 0x1.7c5378852d4a3p-29},
    {0x1.9f4902cp-4, 0x1.55d1f949a5b6p-32, 0x1.fd5c948p-1, 0x1.a1effff68c4bap-28},
    {0x1.a73e40cp-4, 0x1.51507b047e265p-31, 0x1.fd42604p-1, 0x1.cca2145f3185ap-28},
    {0x1.af3315p-4, 0x1.7b47c7a7eed31p-31, 0x1.fd27accp-1, 0x1.72a86db87ec98p-28},
    {0x1.b7277d8p-4, 0x1.3f26acef7e90cp-31, 0x1.fd0c7ap-1, 0x1.92d442c81a96cp-29},
    {0x1.bf1b784p-4, 0x1.68391d7a46107p-32, 0x1.fcf0c8p-1, 0x1.d33623d47af0ep-34},
    {0x1.c70f03p-4, 0x1.f23464a87fad1p-31, 0x1.fcd4968p-1, 0x1.63b4c29a3334dp-28},
    {0x1.cf021c4p-4, 0x1.1258b3fc12a24p-31, 0x1.fcb7e6p-1, 0x1.1704873dfdcc4p-28},
    {0x1.d6f4c1cp-4, 0x1.72bc4bd3f19c7p-34, 0x1.fc9ab64p-1, 0x1.5a9d3874badp-28},
    {0x1.dee6f14p-4, 0x1.60e672eaf071dp-31, 0x1.fc7d078p-1, 0x1.a3791083ae922p-30},
    {0x1.e6d8a94p-4, 0x1.8b4cf0d7551f1p-32, 0x1.fc5ed98p-1, 0x1.f49595d6bb26dp-30},
    {0x1.eec9e78p-4, 0x1.e4a05626a6a2fp-33, 0x1.fc402c4p-1, 0x1.d3ce961f515d6p-28},
    {0x1.f6baaap-4, 0x1.31de6438e5611p-32, 0x1.fc21004p-1, 0x1.5467fe58a2019p-29},
    {0x1.feaaeecp-4, 0x1.43771ae5034d4p-31, 0x1.fc0155p-1, 0x1.3eade9b6d1e6ap-28},
    {0x1.034d5ap-3, 0x1.306cf3ddd2f7p-32, 0x1.fbe12acp-1, 0x1.d092af4e8cdfcp-28},
    {0x1.0744fbcp-3, 0x1.6f469d6507bfap-32, 0x1.fbc081cp-1, 0x1.406d544672972p-29},
    {0x1.0b3c5b8p-3, 0x1.e19b72fbb65f6p-30, 0x1.fb9f598p-1, 0x1.eeec24ef76e2p-28},
    {0x1.0f3378cp-3, 0x1.dd71d17611a1dp-31, 0x1.fb7db28p-1, 0x1.ff034aa43b5bfp-28},
    {0x1.132a52p-3, 0x1.94efef9bbce15p-30, 0x1.fb5b8ccp-1, 0x1.13ca15d4c80f3p-28},
    {0x1.1720e68p-3, 0x1.e68e08591eb13p-30, 0x1.fb38e8p-1, 0x1.718c3fe32ba3dp-28},
    {0x1.1b17354p-3, 0x1.f66a48d1d823dp-30, 0x1.fb15c48p-1, 0x1.5d932fed54164p-28},
    {0x1.1f0d3d4p-3, 0x1.d7e7575220d5fp-30, 0x1.faf2224p-1, 0x1.1e25e97ab54c8p-28},
    {0x1.2302fd8p-3, 0x1.9ef565bb09fa1p-30, 0x1.face014p-1, 0x1.f511f5d511237p-29},
    {0x1.26f875p-3, 0x1.60142c86674fep-30, 0x1.faa9618p-1, 0x1.3afe6ba2a95dcp-28},
    {0x1.2aeda2cp-3, 0x1.3054e5a6d676bp-30, 0x1.fa84434p-1, 0x1.462d4ff89edd9p-31},
    {0x1.2ee285cp-3, 0x1.255c474365e1fp-30, 0x1.fa5ea64p-1, 0x1.c36f2041369bbp-33},
    {0x1.32d71dp-3, 0x1.55647e4e5cc1ep-30, 0x1.fa388a8p-1, 0x1.3639ddc4e1b2fp-28},
    {0x1.36cb678p-3, 0x1.d73f28f6a539bp-30, 0x1.fa11f04p-1, 0x1.ed580ca986de2p-28},
    {0x1.3abf648p-3, 0x1.84aea1e6b48fep-31, 0x1.f9ead7cp-1, 0x1.0154ac9957943p-29},
    {0x1.3eb312cp-3, 0x1.759b2d47d666bp-33, 0x1.f9c3408p-1, 0x1.3e621438b6d61p-28},
    {0x1.42a6714p-3, 0x1.a7b9b13e19376p-33, 0x1.f99b2bp-1, 0x1.d6b65565b0c86p-30},
    {0x1.46997fp-3, 0x1.dccbd6055dc9ep-31, 0x1.f97297p-1, 0x1.dae028c16a38p-30},
    {0x1.4a8c3b4p-3, 0x1.d38ffffa9060cp-32, 0x1.f949848p-1, 0x1.92a970ca0f63bp-28},
    {0x1.4e7ea4cp-3, 0x1.c5f27b3293b65p-31, 0x1.f91ff4p-1, 0x1.ba6807417e059p-32},
    {0x1.5270bacp-3, 0x1.4f4ac99c2eab6p-32, 0x1.f8f5e5p-1, 0x1.934254cf4df9dp-30},
    {0x1.56627cp-3, 0x1.c689588f96764p-31, 0x1.f8cb57cp-1, 0x1.848b35fc3ae6bp-29},
    {0x1.5a53e7cp-3, 0x1.5b9962e384f2bp-31, 0x1.f8a04c4p-1, 0x1.891ff8afd2223p-28},
    {0x1.5e44fccp-3, 0x1.d09379521779fp-30, 0x1.f874c2cp-1, 0x1.0f767ac735d64p-28},
    {0x1.6235ba8p-3, 0x1.a5bb950a90665p-32, 0x1.f848bbp-1, 0x1.ac5c3dde4215ep-28},
    {0x1.66261f8p-3, 0x1.2dc7f228e6471p-31, 0x1.f81c354p-1, 0x1.b7e098e5def09p-28},
    {0x1.6a162bp-3, 0x1.e0a34db9d36ecp-32, 0x1.f7ef318p-1, 0x1.8b0f07220db7ap-28},
    {0x1.6e05dcp-3, 0x1.69352fff669d2p-33, 0x1.f7c1afcp-1, 0x1.7fef11e70aa44p-28},
    {0x1.71f5314p-3, 0x1.d67bad861afecp-30, 0x1.f793bp-1, 0x1.f1843a176afa7p-28},
    {0x1.75e42a4p-3, 0x1.957d29a4a203bp-30, 0x1.f765328p-1, 0x1.3bcde1633d49ap-28},
    {0x1.79d2c5cp-3, 0x1.8c3954902cd57p-30, 0x1.f73637p-1, 0x1.bbc73348317b6p-28},
    {0x1.7dc102cp-3, 0x1.dd795a8ad5a87p-30, 0x1.f706bdcp-1, 0x1.cf670dd2ce6fep-28},
    {0x1.81aee08p-3, 0x1.5986a263a0cccp-31, 0x1.f6d6c6cp-1, 0x1.d59fea20baf85p-28},
    {0x1.859c5dcp-3, 0x1.e5c2e9bdacb1cp-34, 0x1.f6a6524p-1, 0x1.72fe2521006d2p-31},
    {0x1.8989798p-3, 0x1.5d27011fd1938p-32, 0x1.f6755fcp-1, 0x1.3a9005282a346p-28},
    {0x1.8d7632cp-3, 0x1.7d54a1dbe0bb4p-30, 0x1.f643efcp-1, 0x1.5c156696b00acp-28},
    {0x1.916288cp-3, 0x1.b70a33b1f5ed4p-30, 0x1.f612024p-1, 0x1.eb9fbcfe0821ep-29},
    {0x1.954e7a8p-3, 0x1.2bbe9135ba23cp-30, 0x1.f5df974p-1, 0x1.ae6a1177df237p-30},
    {0x1.993a07p-3, 0x1.c7438769201aap-37, 0x1.f5acaecp-1, 0x1.125bc538b2e3p-31},
    {0x1.9d252dp-3, 0x1.9d86246710f6p-32, 0x1.f57948cp-1, 0x1.fecf2e3c741a8p-30},
    {0x1.a10febcp-3, 0x1.01d7505c1f89bp-31, 0x1.f545654p-1, 0x1.ea9f6397b78ebp-28},
    {0x1.a4fa424p-3, 0x1.eabe1ec47e131p-32, 0x1.f51104cp-1, 0x1.95a9c7b90e60bp-29},
    {0x1.a8e42f8p-3, 0x1.0000a5eb2bcb7p-31, 0x1.f4dc26cp-1, 0x1.891592217a5f4p-28},
    {0x1.accdb28p-3, 0x1.7a0764ccef895p-31, 0x1.f4a6cbcp-1, 0x1.1e3a7944f7c3bp-29},
    {0x1.b0b6ca4p-3, 0x1.5eb3c07db7e85p-30, 0x1.f470f38p-1, 0x1.1e887e91ff3dap-30},
    {0x1.b49f76p-3, 0x1.25c1fd0b4be86p-31, 0x1.f43a9ep-1, 0x1.1e54cac7f50cep-28},
    {0x1.b887b48p-3, 0x1.1068924987507p-31, 0x1.f403cb8p-1, 0x1.7fe0061ca1f47p-28},
    {0x1.bc6f84cp-3, 0x1.6e30ccb3834adp-30, 0x1.f3cc7cp-1, 0x1.d9e8b6f6f2e29p-28},
    {0x1.c056e6p-3, 0x1.7535f95b72277p-30, 0x1.f394afcp-1, 0x1.361b890d82e6p-29},
    {0x1.c43dd74p-3, 0x1.9d02edfea433dp-31, 0x1.f35c668p-1, 0x1.973fe17cda41fp-31},
    {0x1.c824574p-3, 0x1.ac3118eba52cep-30, 0x1.f323a04p-1, 0x1.1209f5a28f479p-28},
    {0x1.cc0a658p-3, 0x1.0513453cb97b2p-32, 0x1.f2ea5d4p-1, 0x1.a9fff6b98842cp-28},
    {0x1.cff0008p-3, 0x1.834148f5d55eep-31, 0x1.f2b09dcp-1, 0x1.b53f5c50f0648p-30},
    {0x1.d3d5278p-3, 0x1.620e9be905a66p-30, 0x1.f276614p-1, 0x1.cf78e376b6684p-28},
    {0x1.d7b9d9cp-3, 0x1.6102e429323ffp-32, 0x1.f23ba88p-1, 0x1.13cf03a617d35p-30},
    {0x1.db9e15cp-3, 0x1.dad2e7d9a3be5p-30, 0x1.f20073p-1, 0x1.0cc93e6e50106p-30},
    {0x1.df81db4p-3, 0x1.0a6789a809434p-33, 0x1.f1c4c1p-1, 0x1.027e3616b3b1ap-30},
    {0x1.e365288p-3, 0x1.64246cfb6fd23p-30, 0x1.f188928p-1, 0x1.693ef19f826a4p-29},
    {0x1.e747fdp-3, 0x1.dcbeb3ef9f756p-30, 0x1.f14be7cp-1, 0x1.78ef1f7e6abc6p-32},
    {0x1.eb2a57cp-3, 0x1.c572d15e83f2ap-30, 0x1.f10ec08p-1, 0x1.c5873b7641c9ep-29},
    {0x1.ef0c37cp-3, 0x1.598b748988217p-30, 0x1.f0d11dp-1, 0x1.908bc6bff8aedp-28},
    {0x1.f2ed9cp-3, 0x1.aa91c3a7af486p-31, 0x1.f092fd8p-1, 0x1.385c7e05d4159p-29},
    {0x1.f6ce838p-3, 0x1.d78b8ec90dd3dp-32, 0x1.f05461cp-1, 0x1.03d4820960a4ep-29},
    {0x1.faaeed4p-3, 0x1.e62aed7513bd8p-32, 0x1.f01549cp-1, 0x1.bef750ba783d3p-28},
    {0x1.fe8ed84p-3, 0x1.1f6d1144a32abp-30, 0x1.efd5b6p-1, 0x1.a30a387fff14p-29},
    {0x1.013721cp-2, 0x1.53d9f2a21f43bp-29, 0x1.ef95a64p-1, 0x1.c5dae25d5104p-31},
    {0x1.0326974p-2, 0x1.53887e9986631p-30, 0x1.ef551a8p-1, 0x1.d2e6d19252345p-30},
    {0x1.0515cbcp-2, 0x1.b28aadcc8e7acp-29, 0x1.ef1413p-1, 0x1.a5e4b6aaf27b9p-34},
    {0x1.0704bf4p-2, 0x1.1f8821242d68ep-30, 0x1.eed28f8p-1, 0x1.70641080d2572p-28},
    {0x1.08f370cp-2, 0x1.6389c4ee7c283p-29, 0x1.ee90908p-1, 0x1.3525d0291ab35p-28},
    {0x1.0ae1e04p-2, 0x1.41e2aa34355f8p-31, 0x1.ee4e15cp-1, 0x1.d8dadde31f56p-28},
    {0x1.0cd00ccp-2, 0x1.79b21acc09ebep-29, 0x1.ee0b1f8p-1, 0x1.e0788dfc805b9p-28},
    {0x1.0ebdf64p-2, 0x1.02dcdff44734ep-29, 0x1.edc7adcp-1, 0x1.d1eb5bc38f231p-28},
    {0x1.10ab9cp-2, 0x1.10262c4f7873bp-29, 0x1.ed83c0cp-1, 0x1.a0b64061816a4p-31},
    {0x1.1298fd8p-2, 0x1.c642911cdd221p-29, 0x1.ed3f58p-1, 0x1.8ed53776fb9bcp-28},
    {0x1.14861a8p-2, 0x1.4a6ef564177e5p-29, 0x1.ecfa744p-1, 0x1.abdf41ea92f5bp-30},
    {0x1.1672f24p-2, 0x1.c2718ca5eda5ap-29, 0x1.ecb515p-1, 0x1.5246592fb127cp-28},
    {0x1.185f848p-2, 0x1.549acd6ab7912p-29, 0x1.ec6f3acp-1, 0x1.9efe29bd0fd01p-29},
    {0x1.1a4bd0cp-2, 0x1.3e333d71e28b2p-32, 0x1.ec28e54p-1, 0x1.6e56a14fe16a6p-28},
    {0x1.1c37d64p-2, 0x1.8d70eca303b7fp-31, 0x1.ebe214cp-1, 0x1.bb77d3dfa0c1ep-28},
    {0x1.1e2394cp-2, 0x1.7a8a6ba85ab55p-32, 0x1.eb9ac98p-1, 0x1.120e59487c33ep-30},
    {0x1.200f0b8p-2, 0x1.b428c0131bdc9p-29, 0x1.eb5303p-1, 0x1.9810c36bf1c18p-28},
    {0x1.21fa3a8p-2, 0x1.1af4c6475fb3p-29, 0x1.eb0ac2p-1, 0x1.16b00d30d2e5cp-30},
    {0x1.23e521p-2, 0x1.1aaf35ac3dff3p-30, 0x1.eac206p-1, 0x1.bbaf4f12c1d54p-29},
    {0x1.25cfbe8p-2, 0x1.ac23acd7485c6p-32, 0x1.ea78cf4p-1, 0x1.f20b8710b8c1dp-28},
    {0x1.27ba128p-2, 0x1.f20407de097cfp-32, 0x1.ea2f1e4p-1, 0x1.4b4d9c8532934p-32},
    {0x1.29a41c8p-2, 0x1.a5c79e6f9e3cap-30, 0x1.e9e4f24p-1, 0x1.d93613f3ce526p-28},
    {0x1.2b8ddc4p-2, 0x1.f5a4f9155389ap-33, 0x1.e99a4cp-1, 0x1.d3e6c15bb369dp-28},
    {0x1.2d7751p-2, 0x1.40930d4abe8ap-31, 0x1.e94f2b8p-1, 0x1.3426c06f28d48p-29},
    {0x1.2f607a4p-2, 0x1.9259b2ae1ed69p-29, 0x1.e903908p-1, 0x1.83fa77b5daacep-29},
    {0x1.314958p-2, 0x1.3a6617820800cp-33, 0x1.e8b77b4p-1, 0x1.c5b48e49a4583p-29},
    {0x1.3331e94p-2, 0x1.27e1de0cb6b41p-36, 0x1.e86aebcp-1, 0x1.94d4f6b272f6p-28},
    {0x1.351a2d8p-2, 0x1.8d33722b1375cp-29, 0x1.e81de24p-1, 0x1.710c1ad47f6f8p-28},
    {0x1.370224cp-2, 0x1.c7913cc8a46bap-30, 0x1.e7d05ecp-1, 0x1.1192b94773bc9p-28},
    {0x1.38e9ce4p-2, 0x1.b10838bc0c903p-32, 0x1.e782614p-1, 0x1.116fe6aed7c81p-28},
    {0x1.3ad1294p-2, 0x1.b4e9ec0040f55p-29, 0x1.e733eap-1, 0x1.93d3fa6f5d32bp-33},
    {0x1.3cb835cp-2, 0x1.916d01bace4dfp-29, 0x1.e6e4f8cp-1, 0x1.401b45496b064p-29},
    {0x1.3e9ef3p-2, 0x1.fd91657193d2ap-29, 0x1.e6958dcp-1, 0x1.699f46fcba56bp-28},
    {0x1.408560cp-2, 0x1.2bdc90635ba55p-29, 0x1.e645a94p-1, 0x1.0829572801621p-28},
    {0x1.426b7e4p-2, 0x1.4f734b41ec715p-29, 0x1.e5f54b4p-1, 0x1.b74e82fd61fap-32},
    {0x1.44514b4p-2, 0x1.383542d1a45bep-30, 0x1.e5a4738p-1, 0x1.443e31e81318ep-28},
    {0x1.4636c7p-2, 0x1.4638d3ec16372p-29, 0x1.e553228p-1, 0x1.243466c014c81p-28},
    {0x1.481bf14p-2, 0x1.82d64c7ea9f91p-29, 0x1.e501584p-1, 0x1.77e62d5bb74ecp-30},
    {0x1.4a00c98p-2, 0x1.879e90304774dp-29, 0x1.e4af148p-1, 0x1.95224dd2e6bfap-28},
    {0x1.4be54f4p-2, 0x1.8ae132028aeeap-29, 0x1.e45c57cp-1, 0x1.6e35dcfc533ddp-28},
    {0x1.4dc982p-2, 0x1.c392c55509208p-29, 0x1.e40922p-1, 0x1.1d5b7e378eae7p-29},
    {0x1.4fad618p-2, 0x1.a53740a095594p-31, 0x1.e3b573p-1, 0x1.9cf5a89bb6b6dp-28},
    {0x1.5190eccp-2, 0x1.b453bd366ae2bp-29, 0x1.e3614b4p-1, 0x1.406b526d886c5p-28},
    {0x1.537423cp-2, 0x1.dd8dcde42d65bp-29, 0x1.e30caacp-1, 0x1.0af281914c7bbp-31},
    {0x1.555706p-2, 0x1.1e8e0c05336aap-29, 0x1.e2b7914p-1, 0x1.d21fcc4c526fap-29},
    {0x1.573992cp-2, 0x1.b1903b782eea4p-29, 0x1.e261ff4p-1, 0x1.06cb7b45a13e3p-30},
    {0x1.591bc9cp-2, 0x1.d17acb97c74bbp-29, 0x1.e20bf48p-1, 0x1.acd6c0f4cfa8ap-29},
    {0x1.5afdaa8p-2, 0x1.b9dfc880f886ap-29, 0x1.e1b5714p-1, 0x1.534ec25d4029cp-28},
    {0x1.5cdf348p-2, 0x1.a6fdcc2e8b169p-29, 0x1.e15e75cp-1, 0x1.958d869930c09p-30},
    {0x1.5ec0674p-2, 0x1.d5c0ef696876cp-29, 0x1.e10701cp-1, 0x1.7540ec6125bf4p-29},
    {0x1.60a1428p-2, 0x1.0787751b1fd81p-30, 0x1.e0af158p-1, 0x1.01ede707fa39cp-28},
    {0x1.6281c54p-2, 0x1.ef5016236f6aap-29, 0x1.e056b1p-1, 0x1.eb241eaf4e6f9p-28},
    {0x1.6461efcp-2, 0x1.5d80ed3591c74p-31, 0x1.dffdd4cp-1, 0x1.385ef951415afp-31},
    {0x1.6641c0cp-2, 0x1.fb9fa40928c1dp-29, 0x1.dfa4804p-1, 0x1.9d78572af3ee3p-30},
    {0x1.6821388p-2, 0x1.1c6bfb44eedcp-29, 0x1.df4ab3cp-1, 0x1.5ec3aec3a4ebp-28},
    {0x1.6a0056p-2, 0x1.fad60cc7f247ep-29, 0x1.def06f8p-1, 0x1.c0d5687da062bp-28},
    {0x1.6bdf194p-2, 0x1.b14569dc7f456p-30, 0x1.de95b3cp-1, 0x1.086e9ac5a5fb9p-30},
    {0x1.6dbd814p-2, 0x1.f84bd037788abp-29, 0x1.de3a8p-1, 0x1.980e45459c11cp-28},
    {0x1.6f9b8ep-2, 0x1.9d012aa85782ap-29, 0x1.ddded5p-1, 0x1.e451abc2fe6e5p-30},
    {0x1.71793fp-2, 0x1.552ddfd6fe955p-34, 0x1.dd82b24p-1, 0x1.9c845b9f7e908p-28},
    {0x1.7356934p-2, 0x1.85e315b7e6885p-29, 0x1.dd26184p-1, 0x1.baa34a9f16518p-28},
    {0x1.75338bp-2, 0x1.50154fa3f824ep-31, 0x1.dcc907p-1, 0x1.8ca52c8c0b4f2p-28},
    {0x1.7710254p-2, 0x1.764213d22a51ap-30, 0x1.dc6b7e8p-1, 0x1.ccac89052cd92p-28},
    {0x1.78ec61cp-2, 0x1.0201b1cd0170ep-29, 0x1.dc0d7fp-1, 0x1.35ca4c22f42edp-28},
    {0x1.7ac84p-2, 0x1.702e4db473c74p-29, 0x1.dbaf088p-1, 0x1.07fb2f6694e56p-29},
    {0x1.7ca3bfcp-2, 0x1.37a957a0cbc01p-31, 0x1.db501bp-1, 0x1.d0ce50e704c52p-30},
    {0x1.7e7eep-2, 0x1.e436a6c938865p-29, 0x1.daf0b68p-1, 0x1.c44741b4493c5p-28},
    {0x1.8059a1p-2, 0x1.f349ba41d3bffp-31, 0x1.da90db8p-1, 0x1.3301482473a88p-28},
    {0x1.823401cp-2, 0x1.88f06b7bfb724p-31, 0x1.da3089cp-1, 0x1.8017c7dd48cb4p-28},
    {0x1.840e01cp-2, 0x1.dfb2461e72eacp-29, 0x1.d9cfc18p-1, 0x1.6c2e2995c125ap-28},
    {0x1.85e7a1p-2, 0x1.4134a4b1481d3p-29, 0x1.d96e82cp-1, 0x1.b8d4ee3fec37bp-28},
    {0x1.87c0decp-2, 0x1.a709e3e5bba39p-30, 0x1.d90ccdcp-1, 0x1.28897ea4d145ap-28},
    {0x1.8999ba8p-2, 0x1.c84fba0e0ff79p-30, 0x1.d8aaa28p-1, 0x1.fad7eb1458a5p-30},
    {0x1.8b7233cp-2, 0x1.c165f578de6cfp-29, 0x1.d84801p-1, 0x1.fec423f9e1587p-30},
    {0x1.8d4a4a4p-2, 0x1.ba4c97a89405dp-29, 0x1.d7e4e94p-1, 0x1.f0bda4f62447ep-28},
    {0x1.8f21fd8p-2, 0x1.1eaed9081ab1cp-29, 0x1.d7815bcp-1, 0x1.980aee47f7a04p-28},
    {0x1.90f94dp-2, 0x1.f933a132c8fb3p-32, 0x1.d71d588p-1, 0x1.e59fb7d5d24p-31},
    {0x1.92d038p-2, 0x1.6d14b488b7334p-29, 0x1.d6b8df4p-1, 0x1.4d7f2372b5edbp-29},
    {0x1.94a6be8p-2, 0x1.f546c4a58c7bp-30, 0x1.d653f04p-1, 0x1.9f201fd13b938p-28},
    {0x1.967cdfcp-2, 0x1.3ac5adbbca093p-29, 0x1.d5ee8bcp-1, 0x1.efb35ef599ec1p-28},
    {0x1.98529b8p-2, 0x1.027234a3cfcf7p-30, 0x1.d588b2p-1, 0x1.8d08db20855a8p-30},
    {0x1.9a27f1p-2, 0x1.22866a0ac0e7dp-29, 0x1.d522628p-1, 0x1.c5808626b1d7p-28},
    {0x1.9bfcep-2, 0x1.740288213c734p-29, 0x1.d4bb9ep-1, 0x1.c619e07cd2edep-29},
    {0x1.9dd168p-2, 0x1.cbcf73c0489ccp-29, 0x1.d454644p-1, 0x1.12e152c7f9178p-29},
    {0x1.9fa588cp-2, 0x1.01ba54f4aae53p-30, 0x1.d3ecb54p-1, 0x1.871f43b169b31p-28},
    {0x1.a179414p-2, 0x1.eaea928d50b8bp-29, 0x1.d384918p-1, 0x1.56ecf6d22cbf3p-29},
    {0x1.a34c91cp-2, 0x1.8a1993cb9de39p-31, 0x1.d31bf8cp-1, 0x1.8d7c063cc1ba6p-29},
    {0x1.a51f794p-2, 0x1.04405cf34b93fp-31, 0x1.d2b2eb4p-1, 0x1.544e9f4769831p-29},
    {0x1.a6f1f74p-2, 0x1.e0b8c53cf6147p-29, 0x1.d24969p-1, 0x1.27cd63be2ece8p-28},
    {0x1.a8c40bcp-2, 0x1.9c841a7912329p-29, 0x1.d1df724p-1, 0x1.12b49b9edd59p-28},
    {0x1.aa95b6p-2, 0x1.d0493b69d6c15p-29, 0x1.d17507p-1, 0x1.3eca7821aa564p-28},
    {0x1.ac66f5cp-2, 0x1.b1675d0a27405p-30, 0x1.d10a278p-1, 0x1.01cad3a3f87e1p-29},
    {0x1.ae37ca4p-2, 0x1.13444512d294dp-29, 0x1.d09ed38p-1, 0x1.aec49bb51b08fp-28},
    {0x1.b008334p-2, 0x1.bca4079a3c413p-30, 0x1.d0330b8p-1, 0x1.9f0fbdda6681fp-28},
    {0x1.b1d8304p-2, 0x1.3216169476f4dp-30, 0x1.cfc6cf8p-1, 0x1.2956cfb16b6aap-28},
    {0x1.b3a7c0cp-2, 0x1.46eb00623b256p-30, 0x1.cf5a1f8p-1, 0x1.2611ea25e4b9fp-28},
    {0x1.b576e44p-2, 0x1.5e707337d7146p-29, 0x1.ceecfbcp-1, 0x1.ba842606da0aap-30},
    {0x1.b7459a8p-2, 0x1.2bb4c8ebd1634p-29, 0x1.ce7f64p-1, 0x1.dd4bd714f003p-28},
    {0x1.b913e3p-2, 0x1.b758850e3a968p-31, 0x1.ce1159p-1, 0x1.3505ca8f89cdep-30},
    {0x1.bae1bdp-2, 0x1.8843bef9bcf49p-29, 0x1.cda2da4p-1, 0x1.35307736b474p-29},
    {0x1.bcaf288p-2, 0x1.be92dd62c1b98p-30, 0x1.cd33e8p-1, 0x1.a24d9a0b08346p-28},
    {0x1.be7c24cp-2, 0x1.b020dbc5bacbep-30, 0x1.ccc482cp-1, 0x1.09171d98a36b6p-30},
    {0x1.c048b14p-2, 0x1.d8a051919fe67p-29, 0x1.cc54aap-1, 0x1.594b970a770b1p-28},
    {0x1.c214cep-2, 0x1.1f7fb328d7d49p-31, 0x1.cbe45e4p-1, 0x1.c7103e8d785ap-28},
    {0x1.c3e07ap-2, 0x1.1b2c6dd127b3dp-30, 0x1.cb739fcp-1, 0x1.b0ac7740c3625p-30},
    {0x1.c5abb5p-2, 0x1.126b31a651ebfp-29, 0x1.cb026e4p-1, 0x1.50cc36ca62374p-31},
    {0x1.c7767ecp-2, 0x1.ff4677853acb9p-32, 0x1.ca90c9cp-1, 0x1.e33e8575cabf6p-28},
    {0x1.c940d68p-2, 0x1.00f7ad0bd1c76p-30, 0x1.ca1eb3p-1, 0x1.eb8a9a80fbc47p-30},
    {0x1.cb0abcp-2, 0x1.fba65ad291403p-32, 0x1.c9ac298p-1, 0x1.aa677f5d58211p-29},
    {0x1.ccd42e8p-2, 0x1.e908d0c3e01cap-29, 0x1.c9392d8p-1, 0x1.d744b54711b2p-28},
    {0x1.ce9d2ep-2, 0x1.ea528f6d0375fp-29, 0x1.c8c5bf8p-1, 0x1.9c35086acf468p-30},
    {0x1.d065bap-2, 0x1.62a6341be37p-30, 0x1.c851dfp-1, 0x1.6b69bd682d59ep-28},
    {0x1.d22dd1cp-2, 0x1.59e5a3d8b78c3p-30, 0x1.c7dd8c8p-1, 0x1.cc1ae1445b879p-28},
    {0x1.d3f575p-2, 0x1.34092c85433e2p-31, 0x1.c768c84p-1, 0x1.c71642a8c265bp-30},
    {0x1.d5bca34p-2, 0x1.1d98528a44a76p-36, 0x1.c6f392p-1, 0x1.17ca7545f1202p-30},
    {0x1.d7835cp-2, 0x1.f20941057d881p-32, 0x1.c67deap-1, 0x1.98746a65c476ep-31},
    {0x1.d9499ecp-2, 0x1.73a2b58501e4bp-29, 0x1.c607d04p-1, 0x1.2469606de9606p-28},
    {0x1.db0f6b8p-2, 0x1.5da1e671be9ffp-33, 0x1.c591454p-1, 0x1.8d955ca77acf2p-34},
    {0x1.dcd4c14p-2, 0x1.329c9a43531b8p-30, 0x1.c51a488p-1, 0x1.c58baef72225ep-28},
    {0x1.de999fcp-2, 0x1.7353b3bb3252fp-29, 0x1.c4a2dacp-1, 0x1.50627830ef639p-28},
    {0x1.e05e06cp-2, 0x1.1a2d2e90f8385p-29, 0x1.c42afbcp-1, 0x1.959649706ac42p-28},
    {0x1.e221f5cp-2, 0x1.4339b18efa54bp-35, 0x1.c3b2abcp-1, 0x1.84e50c6a005edp-28},
    {0x1.e3e56cp-2, 0x1.582a68ef5b7dfp-30, 0x1.c339ebp-1, 0x1.ddd808d542846p-33},
    {0x1.e5a8694p-2, 0x1.885980b2d3038p-29, 0x1.c2c0b94p-1, 0x1.29a9ebdf88295p-31},
    {0x1.e76aed4p-2, 0x1.13df273126fbp-29, 0x1.c24716cp-1, 0x1.7437f2d6f16f6p-29},
    {0x1.e92cf74p-2, 0x1.c99e57d6bf42ap-29, 0x1.c1cd03cp-1, 0x1.81cf939446025p-29},
    {0x1.eaee874p-2, 0x1.2c17bfa1d92f1p-32, 0x1.c152804p-1, 0x1.2dbea7cedbddep-28},
    {0x1.ecaf9c4p-2, 0x1.48db06978b356p-30, 0x1.c0d78c8p-1, 0x1.eb4ee65238d12p-29},
    {0x1.ee7036p-2, 0x1.c433ecd8f1a1dp-29, 0x1.c05c288p-1, 0x1.0e89b4bf34359p-28},
    {0x1.f030548p-2, 0x1.d13fad9c6d2fap-36, 0x1.bfe0548p-1, 0x1.bcb584d1a1834p-30},
    {0x1.f1eff68p-2, 0x1.e27cbda2e425fp-29, 0x1.bf64108p-1, 0x1.e75366def5c59p-33},
    {0x1.f3af1c4p-2, 0x1.e17e42a026494p-29, 0x1.bee75c8p-1, 0x1.ce72eb2c26504p-29},
    {0x1.f56dc54p-2, 0x1.04b74268610d4p-30, 0x1.be6a38cp-1, 0x1.f091b51fdab76p-28},
    {0x1.f72bf0cp-2, 0x1.1f0d0f1024f48p-31, 0x1.bdeca5cp-1, 0x1.2c54923b69dccp-31},
    {0x1.f8e99e4p-2, 0x1.b55e4b8ceca85p-29, 0x1.bd6ea3p-1, 0x1.0294f52637799p-29},
    {0x1.faa6cdcp-2, 0x1.4fd16fb9ffeb4p-29, 0x1.bcf030cp-1, 0x1.ffd6d1d2cf583p-28},
    {0x1.fc637e8p-2, 0x1.9cbddc3b1ea0fp-29, 0x1.bc714f8p-1, 0x1.9e13b31eb19c9p-28},
    {0x1.fe1fb04p-2, 0x1.22c2105c8b3d9p-29, 0x1.bbf1ff4p-1, 0x1.670ec6789c547p-30},
    {0x1.ffdb628p-2, 0x1.a5eaf47d2a64cp-31, 0x1.bb723fcp-1, 0x1.318799172bd24p-28},
    {0x1.00cb4a4p-1, 0x1.f983a351f30f6p-29, 0x1.baf2118p-1, 0x1.24de2e4621cb8p-28},
    {0x1.01a8a34p-1, 0x1.71e1c5a6deb08p-31, 0x1.ba71748p-1, 0x1.3423eefe2104dp-28},
    {0x1.0285bbcp-1, 0x1.cf5a11b77f0bdp-33, 0x1.b9f069p-1, 0x1.824b484765c0ap-30},
    {0x1.0362938p-1, 0x1.c69954b49cca2p-29, 0x1.b96eeecp-1, 0x1.ac420705168f3p-28},
    {0x1.043f2a8p-1, 0x1.e60434338b624p-29, 0x1.b8ed068p-1, 0x1.a25b586f4eaebp-32},
    {0x1.051b808p-1, 0x1.08da4a1f7686cp-29, 0x1.b86aafcp-1, 0x1.5c1d7969b301dp-29},
    {0x1.05f795p-1, 0x1.dee1f00fabb74p-28, 0x1.b7e7ebp-1, 0x1.b2a9c898ed5a1p-30},
    {0x1.06d3684p-1, 0x1.4a372da7eb5c9p-28, 0x1.b764b84p-1, 0x1.6e0983053db9fp-30},
    {0x1.07aef9cp-1, 0x1.0ec68c2bf748bp-28, 0x1.b6e1178p-1, 0x1.80fc0758a76c3p-28},
    {0x1.088a494p-1, 0x1.756d239e0778p-28, 0x1.b65d094p-1, 0x1.c8b12e23a6797p-29},
    {0x1.096556cp-1, 0x1.8f17c6ef8d068p-29, 0x1.b5d88d4p-1, 0x1.8db4b195162ccp-28},
    {0x1.0a4021cp-1, 0x1.4f0800521378cp-28, 0x1.b553a4p-1, 0x1.0c104e0c7fbcap-29},
    {0x1.0b1aaa4p-1, 0x1.564b616bb26dcp-28, 0x1.b4ce4d4p-1, 0x1.ae4b678d7342ep-29},
    {0x1.0bf4fp-1, 0x1.28450e0ed0677p-28, 0x1.b448894p-1, 0x1.8bbabe00d8bep-28},
    {0x1.0ccef2cp-1, 0x1.10699ad53f419p-28, 0x1.b3c2584p-1, 0x1.af4f12fc864ccp-28},
    {0x1.0da8b24p-1, 0x1.5ab396cb4e422p-28, 0x1.b33bba8p-1, 0x1.391290f53528fp-30},
    {0x1.0e822e8p-1, 0x1.4e8fe1c490421p-30, 0x1.b2b4afcp-1, 0x1.d75d11a77e6dap-30},
    {0x1.0f5b67p-1, 0x1.210a2a69fb45p-30, 0x1.b22d384p-1, 0x1.341c63fd22cb4p-28},
    {0x1.10345b8p-1, 0x1.861e592cbf2cdp-28, 0x1.b1a5544p-1, 0x1.9802cdc0d5541p-28},
    {0x1.110d0c4p-1, 0x1.6d3876ec8c4ccp-30, 0x1.b11d04p-1, 0x1.62a4c623baac4p-29},
    {0x1.11e5788p-1, 0x1.1670ac0115147p-28, 0x1.b094474p-1, 0x1.90abd7ee51ab2p-28},
    {0x1.12bda08p-1, 0x1.ab578e9d4bff7p-34, 0x1.b00b1e8p-1, 0x1.47886ecd4e51dp-28},
    {0x1.1395838p-1, 0x1.7bb48159c004ap-28, 0x1.af8189cp-1, 0x1.d07368814a7a6p-29},
    {0x1.146d21cp-1, 0x1.c5bfc11bf9536p-28, 0x1.aef789p-1, 0x1.85e93a607c9d8p-28},
    {0x1.15447bp-1, 0x1.359293fa3ed09p-28, 0x1.ae6d1ccp-1, 0x1.a4c2a0075e4b5p-31},
    {0x1.161b8fp-1, 0x1.c7aa6f8e8468dp-32, 0x1.ade244cp-1, 0x1.23f9f634ff138p-33},
    {0x1.16f25d4p-1, 0x1.98a092a8342cfp-29, 0x1.ad57014p-1, 0x1.92fb287d2115p-32},
    {0x1.17c8e5cp-1, 0x1.9776d809af2b9p-28, 0x1.accb524p-1, 0x1.7b4ef2b1f6d52p-28},
    {0x1.189f288p-1, 0x1.a1ba5280befdap-29, 0x1.ac3f384p-1, 0x1.46db31d652c8bp-28},
    {0x1.197525p-1, 0x1.97fbef1810a2ep-29, 0x1.abb2b34p-1, 0x1.2810ee76d67dcp-29},
    {0x1.1a4adbp-1, 0x1.dce04d0efb4c5p-28, 0x1.ab25c34p-1, 0x1.ef83a6ec37f19p-30},
    {0x1.1b204acp-1, 0x1.605fb9e0e6f39p-30, 0x1.aa98688p-1, 0x1.844897fc8f854p-32},
    {0x1.1bf5738p-1, 0x1.258b8bbd025f1p-29, 0x1.aa0aa3p-1, 0x1.07d1d319d7929p-29},
    {0x1.1cca554p-1, 0x1.c5309af01d612p-29, 0x1.a97c73p-1, 0x1.b4b1d22248bacp-29},
    {0x1.1d9eefcp-1, 0x1.9dcbfa2efe068p-28, 0x1.a8edd8cp-1, 0x1.bfa3641e4546ap-31},
    {0x1.1e7343p-1, 0x1.1b2ba6122a3fap-28, 0x1.a85ed4p-1, 0x1.b9f0168cdf032p-28},
    {0x1.1f474e8p-1, 0x1.b210faa274f77p-28, 0x1.a7cf658p-1, 0x1.f95402dfdbe54p-30},
    {0x1.201b124p-1, 0x1.ba64dafc59c04p-28, 0x1.a73f8ccp-1, 0x1.a40073f1e4689p-28},
    {0x1.20ee8ep-1, 0x1.8c9fcdddb3267p-28, 0x1.a6af4a8p-1, 0x1.2a8e8345bb05fp-30},
    {0x1.21c1c18p-1, 0x1.81ca678796cc9p-28, 0x1.a61e9e4p-1, 0x1.92c357ab0661cp-28},
    {0x1.2294ac8p-1, 0x1.f37db37c2e26fp-28, 0x1.a58d88cp-1, 0x1.3b6f80df24003p-29},
    {0x1.23674fp-1, 0x1.3be39e187167fp-28, 0x1.a4fc09cp-1, 0x1.1b5824accc63p-29},
    {0x1.2439a88p-1, 0x1.b5b75e09aa365p-28, 0x1.a46a218p-1, 0x1.0b3c96a4f23cep-29},
    {0x1.250bb9p-1, 0x1.bc45dd9ea3d02p-28, 0x1.a3d7dp-1, 0x1.a95ee752e48a2p-28},
    {0x1.25dd804p-1, 0x1.ab6e23f46e464p-28, 0x1.a34515cp-1, 0x1.1d90974ec85bep-28},
    {0x1.26aefep-1, 0x1.dfa1bdfe9a84cp-28, 0x1.a2b1f2cp-1, 0x1.e9fe0727f9d24p-34},
    {0x1.2780324p-1, 0x1.6bca4ed5a9cd8p-29, 0x1.a21e66cp-1, 0x1.8deb49151c3e2p-28},
    {0x1.28511c8p-1, 0x1.17a066bf8838ap-29, 0x1.a18a728p-1, 0x1.aee445032bc4bp-29},
    {0x1.2921bc8p-1, 0x1.bf8e75171232dp-28, 0x1.a0f615cp-1, 0x1.0c252bd6283d6p-28},
    {0x1.29f2128p-1, 0x1.5fbf50a50b331p-29, 0x1.a06150cp-1, 0x1.54bdd1b7894dap-28},
    {0x1.2ac21dcp-1, 0x1.bc1819ac1004ep-28, 0x1.9fcc23cp-1, 0x1.b58bf79960114p-29},
    {0x1.2b91de8p-1, 0x1.44210ec0b91c5p-28, 0x1.9f368ecp-1, 0x1.912f84b8b7fcfp-29},
    {0x1.2c61544p-1, 0x1.a8792e364ae82p-28, 0x1.9ea092p-1, 0x1.25748eda43566p-30},
    {0x1.2d307fp-1, 0x1.4a34e79ba5fe6p-28, 0x1.9e0a2d8p-1, 0x1.121f72d4308bbp-29},
    {0x1.2dff5e8p-1, 0x1.15fdb64746eb3p-29, 0x1.9d73618p-1, 0x1.68f0da8c3a893p-29},
    {0x1.2ecdf24p-1, 0x1.cd18413a6aafcp-28, 0x1.9cdc2ep-1, 0x1.f92f2e27f3222p-28},
    {0x1.2f9c3a8p-1, 0x1.735951f52117ap-28, 0x1.9c44938p-1, 0x1.859aa4951b647p-28},
    {0x1.306a36cp-1, 0x1.e131ac5bd9f49p-28, 0x1.9bac92p-1, 0x1.11dfce433a71cp-29},
    {0x1.3137e7p-1, 0x1.7aa8bd8dac825p-28, 0x1.9b14298p-1, 0x1.999175160b1cep-31},
    {0x1.32054bp-1, 0x1.48bc4f7dad082p-29, 0x1.9a7b5ap-1, 0x1.b5328a2e459fap-28},
    {0x1.32d2624p-1, 0x1.c38a2910d193p-28, 0x1.99e2244p-1, 0x1.023e4b9869be3p-30},
    {0x1.339f2dp-1, 0x1.3dfe02444171dp-28, 0x1.994887cp-1, 0x1.07b51f90be6cfp-28},
    {0x1.346baacp-1, 0x1.7a245d44a1ba2p-28, 0x1.98ae85p-1, 0x1.3ddbf7fe4a2efp-28},
    {0x1.3537db8p-1, 0x1.be03671b327e8p-29, 0x1.98141c4p-1, 0x1.709883a3ff009p-32},
    {0x1.3603becp-1, 0x1.d434b469d98ddp-28, 0x1.97794d4p-1, 0x1.901f2714644bep-29},
    {0x1.36cf54cp-1, 0x1.83ed5616e1f21p-29, 0x1.96de188p-1, 0x1.0d17ce72a8977p-29},
    {0x1.379a9dp-1, 0x1.11be47d75adfcp-32, 0x1.96427ep-1, 0x1.11d01a6212583p-29},
    {0x1.3865974p-1, 0x1.58a0ab778292bp-31, 0x1.95a67ep-1, 0x1.963f97a0812efp-34},
    {0x1.3930434p-1, 0x1.79eabfd6ecba5p-28, 0x1.950a188p-1, 0x1.b6f6a72c0f50bp-31},
    {0x1.39faa14p-1, 0x1.a11e61c65d369p-30, 0x1.946d4dcp-1, 0x1.4d11f88163795p-30},
    {0x1.3ac4b08p-1, 0x1.616eec164dbc3p-28, 0x1.93d01dcp-1, 0x1.951f6c6d2a1bep-28},
    {0x1.3b8e714p-1, 0x1.a28409cd1358bp-29, 0x1.933289p-1, 0x1.36cf48c8912p-28},
    {0x1.3c57e3p-1, 0x1.243f8f558c17ep-28, 0x1.92948f8p-1, 0x1.cdf690d6e43adp-30},
    {0x1.3d2105cp-1, 0x1.8f07fe11602a4p-29, 0x1.91f6314p-1, 0x1.0e3b51e7f42ccp-29},
    {0x1.3de9d94p-1, 0x1.464f9c825ea39p-31, 0x1.91576e8p-1, 0x1.5cd79704210a1p-29},
    {0x1.3eb25dp-1, 0x1.b66a9cf906a3cp-28, 0x1.90b8478p-1, 0x1.376bdb780a77bp-31},
    {0x1.3f7a914p-1, 0x1.df5e20358ad3fp-28, 0x1.9018bc4p-1, 0x1.77869fc5fe939p-31},
    {0x1.404275cp-1, 0x1.133bfb607a655p-28, 0x1.8f78cdp-1, 0x1.63131e2a2c256p-34},
    {0x1.410a0ap-1, 0x1.c23b69d68d6b3p-28, 0x1.8ed879cp-1, 0x1.d53cd13bcb40dp-29},
    {0x1.41d14e4p-1, 0x1.74cf20a3047e9p-30, 0x1.8e37c3p-1, 0x1.ecd6875ce2da5p-32},
    {0x1.429841cp-1, 0x1.559cf7e67eab1p-28, 0x1.8d96a88p-1, 0x1.c70df084b2c1ap-29},
    {0x1.435ee4cp-1, 0x1.1d8fc33fa0acdp-28, 0x1.8cf52acp-1, 0x1.ebff807ad16dcp-30},
    {0x1.442537p-1, 0x1.3e3203f1f4e78p-31, 0x1.8c5349cp-1, 0x1.419d9b908ff5dp-31},
    {0x1.44eb38p-1, 0x1.cf386ab04a4f8p-29, 0x1.8bb1058p-1, 0x1.2ee48030c7c08p-28},
    {0x1.45b0e7cp-1, 0x1.d10f7a17e2afbp-28, 0x1.8b0e5e8p-1, 0x1.a734fbd797bb8p-29},
    {0x1.4676464p-1, 0x1.58c05c9d4f2a6p-28, 0x1.8a6b54cp-1, 0x1.6e8ef2baa49c7p-30},
    {0x1.473b53p-1, 0x1.f3f203357699fp-28, 0x1.89c7e84p-1, 0x1.0d13d3abfcafdp-28},
    {0x1.48000e4p-1, 0x1.88acf49cd6b17p-32, 0x1.8924198p-1, 0x1.761c7dc48d9c4p-31},
    {0x1.48c4774p-1, 0x1.e8a5ff34b06abp-31, 0x1.887fe84p-1, 0x1.0850a19530155p-28},
    {0x1.49888ep-1, 0x1.b17ba830be46dp-29, 0x1.87db55p-1, 0x1.c43a980e63c82p-29},
    {0x1.4a4c528p-1, 0x1.8d61b48206d17p-30, 0x1.87365fcp-1, 0x1.055011bff45eep-28},
    {0x1.4b0fc44p-1, 0x1.555bb08086d03p-28, 0x1.869108cp-1, 0x1.77a6c62671ffcp-29},
    {0x1.4bd2e38p-1, 0x1.3f1f4ee2e12c1p-31, 0x1.85eb5p-1, 0x1.50554b7c8b1efp-28},
    {0x1.4c95af8p-1, 0x1.54b2ecb33f0f7p-28, 0x1.854536p-1, 0x1.c8e3de77d97acp-33},
    {0x1.4d58288p-1, 0x1.563075ef45ad6p-28, 0x1.849eba8p-1, 0x1.07749c4276286p-30},
    {0x1.4e1a4e4p-1, 0x1.4ed51a96db41ep-29, 0x1.83f7ddcp-1, 0x1.380e4ffdd5a61p-28},
    {0x1.4edc204p-1, 0x1.c415e6901818dp-28, 0x1.8350a04p-1, 0x1.f49ea9da0732p-31},
    {0x1.4f9d9ecp-1, 0x1.288e42a5dad8fp-28, 0x1.82a901cp-1, 0x1.47d1dc5f2ed05p-29},
    {0x1.505ec94p-1, 0x1.51d6d07e8dfb2p-28, 0x1.8201028p-1, 0x1.b74a7a89a384bp-28},
    {0x1.511f9fcp-1, 0x1.7b351ba8fc5e8p-29, 0x1.8158a3p-1, 0x1.916d5ce21746fp-29},
    {0x1.51e021cp-1, 0x1.ea2ca7bfab48fp-28, 0x1.80afe3p-1, 0x1.28ecbe86c6f0ep-28},
    {0x1.52a04f8p-1, 0x1.5688db20faf7bp-28, 0x1.8006c3p-1, 0x1.4b645daa8fb56p-31},
    {0x1.5360288p-1, 0x1.8253d4e3478d5p-28, 0x1.7f5d42cp-1, 0x1.1c764ed0b823bp-28},
    {0x1.541faccp-1, 0x1.dbb7242465851p-29, 0x1.7eb362cp-1, 0x1.550a440687597p-28},
    {0x1.54dedcp-1, 0x1.a17bfc6a474a1p-32, 0x1.7e09234p-1, 0x1.3742b0ee15282p-31},
    {0x1.559db5cp-1, 0x1.88aa1ae8dd608p-28, 0x1.7d5e84p-1, 0x1.cd1f930dd2a49p-29},
    {0x1.565c3a4p-1, 0x1.bbdecfc805eacp-28, 0x1.7cb3858p-1, 0x1.d27dce784f2b5p-29},
    {0x1.571a694p-1, 0x1.36acd987210edp-28, 0x1.7c0827cp-1, 0x1.84f2a771c6149p-28},
    {0x1.57d8428p-1, 0x1.f2d9857d2e6a3p-30, 0x1.7b5c6b4p-1, 0x1.0665c16eda07cp-32},
    {0x1.5895c5cp-1, 0x1.2491db72fe459p-32, 0x1.7ab04f8p-1, 0x1.e3135b26d483fp-28},
    {0x1.5952f2cp-1, 0x1.f17ac43e58de1p-30, 0x1.7a03d58p-1, 0x1.54c2a329ab378p-30},
    {0x1.5a0fc98p-1, 0x1.02742313e8ea4p-30, 0x1.7956fccp-1, 0x1.7f65429536246p-29},
    {0x1.5acc498p-1, 0x1.e556bba60d9fbp-28, 0x1.78a9c5cp-1, 0x1.f12a8b4cd48e1p-30},
    {0x1.5b8873p-1, 0x1.f18b685f10798p-28, 0x1.77fc308p-1, 0x1.cacd6e0d30aa8p-29},
    {0x1.5c4445cp-1, 0x1.d9d02773cf32bp-29, 0x1.774e3d4p-1, 0x1.56313c6232e0dp-28},
    {0x1.5cffc14p-1, 0x1.5fc786b2d966ep-28, 0x1.769fec4p-1, 0x1.2a908f73ec152p-28},
    {0x1.5dbae58p-1, 0x1.d332ac61d9ac7p-28, 0x1.75f13d8p-1, 0x1.bf26b3e08f031p-28},
    {0x1.5e75b28p-1, 0x1.a1c1df7099b99p-29, 0x1.7542318p-1, 0x1.c543f4ed2d947p-30},
    {0x1.5f3027cp-1, 0x1.c671322656c81p-29, 0x1.7492c8p-1, 0x1.3e4f6f5cc518dp-29},
    {0x1.5fea454p-1, 0x1.2a9e5742db3bep-29, 0x1.73e3014p-1, 0x1.a77dd0751628ep-28},
    {0x1.60a40acp-1, 0x1.cba70a7aa464ep-30, 0x1.7332ddcp-1, 0x1.d3c0fc4ddd9c8p-29},
    {0x1.615d78p-1, 0x1.087d6e61c7d83p-28, 0x1.72825d4p-1, 0x1.c696e8d47022ep-28},
    {0x1.62168dp-1, 0x1.c65f227f84976p-29, 0x1.71d1804p-1, 0x1.9ea1d1f550b16p-28},
    {0x1.62cf498p-1, 0x1.21ac7884899ebp-29, 0x1.712046cp-1, 0x1.d3bb3c284b615p-28},
    {0x1.6387ad4p-1, 0x1.3ff1176452f35p-29, 0x1.706eb1p-1, 0x1.c85612c4a0a72p-28},
    {0x1.643fb8p-1, 0x1.9fcf0375af1d2p-28, 0x1.6fbcbf4p-1, 0x1.bf3ba27abb0ep-29},
    {0x1.64f76ap-1, 0x1.021f5a12b3174p-31, 0x1.6f0a718p-1, 0x1.f5d8a959fa46ap-30},
    {0x1.65aec28p-1, 0x1.63e755449be5bp-29, 0x1.6e57c8p-1, 0x1.9eabcb01436f7p-34},
    {0x1.6665c18p-1, 0x1.e62d24cd56a6ep-28, 0x1.6da4c2cp-1, 0x1.bffcec162918fp-29},
    {0x1.671c674p-1, 0x1.3bc8515423511p-30, 0x1.6cf1624p-1, 0x1.c02f0474bcca9p-30},
    {0x1.67d2b3p-1, 0x1.fbdd9a918efcfp-30, 0x1.6c3da68p-1, 0x1.d63a4e5a70bc9p-32},
    {0x1.6888a4cp-1, 0x1.09a5975290591p-28, 0x1.6b898f8p-1, 0x1.4f7dae915ac78p-28},
    {0x1.693e3c8p-1, 0x1.0632169180e8bp-29, 0x1.6ad51dcp-1, 0x1.6e878a18d44dcp-28},
    {0x1.69f379cp-1, 0x1.80226bbb13a54p-28, 0x1.6a20514p-1, 0x1.e364a834dfa0bp-28},
    {0x1.6aa85ccp-1, 0x1.2c8e01e8d621p-29, 0x1.696b2a8p-1, 0x1.7ade425b08fe6p-32},
    {0x1.6b5ce5p-1, 0x1.6f0433d455d4ep-30, 0x1.68b5a9p-1, 0x1.75b1294cadca5p-28},
    {0x1.6c11124p-1, 0x1.678025e43cca8p-28, 0x1.67ffcd8p-1, 0x1.68711898f7e9p-28},
    {0x1.6cc4e4cp-1, 0x1.44a6414ffb509p-30, 0x1.674998p-1, 0x1.5ba4adc6c3176p-28},
    {0x1.6d785bcp-1, 0x1.b11899581a1ddp-28, 0x1.669308cp-1, 0x1.776dc8e334123p-29},
    {0x1.6e2b77cp-1, 0x1.02f78378c6b3dp-31, 0x1.65dc1fcp-1, 0x1.eb8cb9f341f26p-29},
    {0x1.6ede38p-1, 0x1.c62809ef1890fp-31, 0x1.6524dd4p-1, 0x1.77a5013bef789p-28},
    {0x1.6f909c8p-1, 0x1.29949a3b44061p-29, 0x1.646d418p-1, 0x1.afd7a91e17deep-28},
    {0x1.7042a5p-1, 0x1.cfa5c47bddc6cp-28, 0x1.63b54ccp-1, 0x1.0d95beecf3396p-28},
    {0x1.70f451cp-1, 0x1.0a8c40197ede4p-29, 0x1.62fcffp-1, 0x1.00c8e38ec8a1cp-28},
    {0x1.71a5a2p-1, 0x1.525239cf60fa3p-28, 0x1.6244588p-1, 0x1.f4192511cdddcp-29},
    {0x1.725696p-1, 0x1.a852cbc829f21p-29, 0x1.618b598p-1, 0x1.aab717631efbep-30},
    {0x1.73072d4p-1, 0x1.a8e3cb348fae7p-28, 0x1.60d202p-1, 0x1.89553341a5c95p-29},
    {0x1.73b768p-1, 0x1.bd4aefb76df3ep-30, 0x1.6018524p-1, 0x1.7ab1efa8d94bcp-28},
    {0x1.7467458p-1, 0x1.c7010dcc02848p-28, 0x1.5f5e4acp-1, 0x1.189592f3ab8e8p-39},
    {0x1.7516c64p-1, 0x1.40cdc8dd5d75fp-30, 0x1.5ea3ebp-1, 0x1.c90d59a0c7b72p-28},
    {0x1.75c5e98p-1, 0x1.57d19c668dd37p-29, 0x1.5de934p-1, 0x1.28bf29d621c6dp-30},
    {0x1.7674af4p-1, 0x1.7bda921e9d3f9p-28, 0x1.5d2e254p-1, 0x1.f1f17a40c5041p-29},
    {0x1.7723178p-1, 0x1.627d114527bf5p-28, 0x1.5c72bf4p-1, 0x1.4b857e23d2372p-28},
    {0x1.77d122p-1, 0x1.02ffd9429e6dfp-28, 0x1.5bb7024p-1, 0x1.7143e21b7a484p-29},
    {0x1.787ece8p-1, 0x1.014e0936bebd6p-28, 0x1.5afaee4p-1, 0x1.6f906588f6619p-29},
    {0x1.792c1dp-1, 0x1.07546540fa115p-35, 0x1.5a3e838p-1, 0x1.82407750a2a8ap-29},
    {0x1.79d90dp-1, 0x1.5549fe0cb2e88p-29, 0x1.5981c24p-1, 0x1.35fe0625d5cbcp-30},
    {0x1.7a859e8p-1, 0x1.a130e8f95b2adp-28, 0x1.58c4aa8p-1, 0x1.acd132e565c0ap-29},
    {0x1.7b31d18p-1, 0x1.8c8f3031487f3p-28, 0x1.58073c8p-1, 0x1.d60ad948c7143p-28},
    {0x1.7bdda5cp-1, 0x1.1459e1035a233p-28, 0x1.574978cp-1, 0x1.8e83f27d1c52cp-29},
    {0x1.7c891bp-1, 0x1.c1d1414b76658p-29, 0x1.568b5fp-1, 0x1.2595b51e16ca4p-28},
    {0x1.7d3431p-1, 0x1.9b5103199e1c2p-28, 0x1.55ccefcp-1, 0x1.b4e5b59ad4e0fp-30},
    {0x1.7ddee7cp-1, 0x1.ed66e0e5d5d66p-28, 0x1.550e2bp-1, 0x1.b0bc8402d26fdp-32},
    {0x1.7e893f4p-1, 0x1.03795943bbeebp-29, 0x1.544f10cp-1, 0x1.ac9652430a2e3p-28},
    {0x1.7f3337p-1, 0x1.d1e4289e23539p-35, 0x1.538fa1cp-1, 0x1.401a3e2c7d406p-29},
    {0x1.7fdccecp-1, 0x1.1f2cda8f26769p-28, 0x1.52cfddcp-1, 0x1.d139a78882771p-30},
    {0x1.808606cp-1, 0x1.02504714ad6ffp-29, 0x1.520fc5p-1, 0x1.51c46b31ba957p-29},
    {0x1.812ede8p-1, 0x1.ae4ba3a1f3d48p-29, 0x1.514f57cp-1, 0x1.7bf3da28f421p-29},
    {0x1.81d756p-1, 0x1.9eecadd944699p-29, 0x1.508e964p-1, 0x1.a3801853df411p-31},
    {0x1.827f6dp-1, 0x1.192abbce28e21p-28, 0x1.4fcd808p-1, 0x1.1b8f23aa995bbp-29},
    {0x1.8327238p-1, 0x1.9053d425a9899p-30, 0x1.4f0c16cp-1, 0x1.4c2bfb13768c9p-28},
    {0x1.83ce79p-1, 0x1.60c836e0c7669p-28, 0x1.4e4a594p-1, 0x1.f270871ccd993p-28},
    {0x1.84756dcp-1, 0x1.81329240ac207p-29, 0x1.4d88488p-1, 0x1.04011367f009ap-34},
    {0x1.851c014p-1, 0x1.359edac8ae405p-28, 0x1.4cc5e4p-1, 0x1.052c662803337p-28},
    {0x1.85c2338p-1, 0x1.72b1d5893c1ap-28, 0x1.4c032c8p-1, 0x1.ea39912d6e3ccp-30},
    {0x1.8668048p-1, 0x1.5b6d88501ed3ap-31, 0x1.4b4021cp-1, 0x1.e9a519422df86p-28},
    {0x1.870d73cp-1, 0x1.430c604c233bbp-32, 0x1.4a7cc48p-1, 0x1.b10b424cb902ep-29},
    {0x1.87b281p-1, 0x1.e21ca12d54642p-28, 0x1.49b9148p-1, 0x1.9bd57037c257bp-29},
    {0x1.88572ccp-1, 0x1.2c5957a54d403p-30, 0x1.48f512p-1, 0x1.513458a220e82p-28},
    {0x1.88fb764p-1, 0x1.71b435b33c1f7p-34, 0x1.4830bd4p-1, 0x1.ea6759bbeeffep-28},
    {0x1.899f5d4p-1, 0x1.c99b2a2207747p-28, 0x1.476c16cp-1, 0x1.11686772cafdcp-31},
    {0x1.8a42e24p-1, 0x1.3b13dea8e5fe2p-30, 0x1.46a71ep-1, 0x1.81d2dc1656418p-28},
    {0x1.8ae6048p-1, 0x1.38ea7bd48bf5fp-30, 0x1.45e1d3cp-1, 0x1.9349e7156bc1bp-28},
    {0x1.8b88c4p-1, 0x1.036f4de2e418bp-29, 0x1.451c38p-1, 0x1.e126a15569f3ep-28},
    {0x1.8c2b208p-1, 0x1.a3bd0987df8ddp-28, 0x1.44564bp-1, 0x1.f6a06f235016ep-28},
    {0x1.8ccd1a4p-1, 0x1.be4613ebbbed5p-30, 0x1.43900dp-1, 0x1.5f9142e175901p-28},
    {0x1.8d6eb08p-1, 0x1.a141ed153d241p-28, 0x1.42c97ep-1, 0x1.a8753a110f62dp-28},
    {0x1.8e0fe38p-1, 0x1.f5a17c26498acp-28, 0x1.42029e8p-1, 0x1.79a8e8ccab82fp-30},
    {0x1.8eb0b34p-1, 0x1.52511e6d31145p-31, 0x1.413b6e4p-1, 0x1.0f2f8d81365aep-28},
    {0x1.8f511fp-1, 0x1.fb39bb28f2732p-29, 0x1.4073edcp-1, 0x1.49257f7d30a5dp-28},
    {0x1.8ff127p-1, 0x1.2ec1fb553d69ap-28, 0x1.3fac1d4p-1, 0x1.3699f2b330987p-29},
    {0x1.9090cbp-1, 0x1.7da97771ab75dp-28, 0x1.3ee3fccp-1, 0x1.2a8e3c7266acap-29},
    {0x1.91300bp-1, 0x1.561689ad740ebp-29, 0x1.3e1b8c8p-1, 0x1.8ea9ce8d912bep-29},
    {0x1.91cee68p-1, 0x1.78679ece9f48bp-28, 0x1.3d52cccp-1, 0x1.84ad7f49c6e33p-29},
    {0x1.926d5dcp-1, 0x1.500eb14180d47p-29, 0x1.3c89bdcp-1, 0x1.7cc2035bb324cp-32},
    {0x1.930b704p-1, 0x1.f9f859fef651ap-29, 0x1.3bc05f8p-1, 0x1.674caced5b892p-30},
    {0x1.93a91ep-1, 0x1.3b210d43b57abp-28, 0x1.3af6b24p-1, 0x1.1b2847d006d4cp-28},
    {0x1.944667p-1, 0x1.38d383b0fc9ccp-31, 0x1.3a2cb64p-1, 0x1.ef25bd374cf85p-28},
    {0x1.94e34acp-1, 0x1.0cad444c28fc9p-29, 0x1.39626cp-1, 0x1.a70d381d347e8p-30},
    {0x1.957fc94p-1, 0x1.1f0e110e05952p-28, 0x1.3897d34p-1, 0x1.f95d32ade76ecp-32},
    {0x1.961be28p-1, 0x1.70873b0aba626p-29, 0x1.37ccec4p-1, 0x1.4b9dad78aec8cp-29},
    {0x1.96b7964p-1, 0x1.9c4e7bfc4f305p-32, 0x1.3701b74p-1, 0x1.923c2eb92d1ep-28},
    {0x1.9752e44p-1, 0x1.8553bb3782b0ep-33, 0x1.363634cp-1, 0x1.ed1e5e3a011c8p-30},
    {0x1.97edcc4p-1, 0x1.58d8c9b26a47ap-28, 0x1.356a648p-1, 0x1.efec9cfd5fe6ap-29},
    {0x1.98884e8p-1, 0x1.93fe3d25372c8p-29, 0x1.349e47p-1, 0x1.3fd157c018e86p-29},
    {0x1.99226a8p-1, 0x1.2a9946a0d1fd3p-28, 0x1.33d1dc4p-1, 0x1.0b59bd34c3638p-28},
    {0x1.99bc204p-1, 0x1.466f302259414p-28, 0x1.3305248p-1, 0x1.d31edf1c1e62dp-28},
    {0x1.9a556f8p-1, 0x1.ea155a8949c44p-28, 0x1.3238204p-1, 0x1.214eae3a5c29ap-29},
    {0x1.9aee584p-1, 0x1.e2ed234f670e6p-28, 0x1.316acf4p-1, 0x1.bbf7da95f5bb1p-29},
    {0x1.9b86da4p-1, 0x1.ff25129dc6d6ep-28, 0x1.309d32p-1, 0x1.56fa17095401p-30},
    {0x1.9c1ef58p-1, 0x1.0db927c12d625p-28, 0x1.2fcf488p-1, 0x1.26537402bb776p-29},
    {0x1.9cb6a98p-1, 0x1.de73256b0c186p-28, 0x1.2f0113p-1, 0x1.32107218e30fp-28},
    {0x1.9d4df68p-1, 0x1.41eaddbf0f421p-28, 0x1.2e3291cp-1, 0x1.cedd7db7a7da7p-28},
    {0x1.9de4dc4p-1, 0x1.30cfc5a4fd877p-33, 0x1.2d63c54p-1, 0x1.a4cb43ec86754p-34},
    {0x1.9e7b5a4p-1, 0x1.077adb17fef82p-28, 0x1.2c94adp-1, 0x1.76cae995b8fe7p-28},
    {0x1.9f1170cp-1, 0x1.0ecbbb47be703p-28, 0x1.2bc549cp-1, 0x1.bdb4ce9accb97p-28},
    {0x1.9fa71f8p-1, 0x1.e69846523c89ep-29, 0x1.2af59bcp-1, 0x1.e85d0701473f8p-30},
    {0x1.a03c664p-1, 0x1.899e9fd8a1a17p-28, 0x1.2a25a2cp-1, 0x1.4b4e8b4669db6p-28},
    {0x1.a0d145p-1, 0x1.a73591f9f214ep-28, 0x1.29555f4p-1, 0x1.d14c6e34e3a3ep-28},
    {0x1.a165bbcp-1, 0x1.129bc2da2edf2p-31, 0x1.2884d18p-1, 0x1.ac97c05ecc884p-28},
    {0x1.a1f9c9cp-1, 0x1.d20b3a64be9fcp-28, 0x1.27b3f9cp-1, 0x1.f9300902f4d38p-30},
    {0x1.a28d6f8p-1, 0x1.8e407253ae108p-28, 0x1.26e2d7cp-1, 0x1.e818f6b9fbb0dp-28},
    {0x1.a320accp-1, 0x1.7d3dba0d6e58p-31, 0x1.26116c4p-1, 0x1.8c423aa08cd2dp-28},
    {0x1.a3b381p-1, 0x1.1f8dcdeef010ep-29, 0x1.253fb74p-1, 0x1.0d9edc304f395p-28},
    {0x1.a445ec4p-1, 0x1.88f56f8b6ea3ep-28, 0x1.246db9p-1, 0x1.f31e4aa73d466p-33},
    {0x1.a4d7ee8p-1, 0x1.f65c98cbbe0cdp-28, 0x1.239b718p-1, 0x1.b1699e86c636ep-31},
    {0x1.a56987cp-1, 0x1.67ef9ae8139aep-29, 0x1.22c8e1p-1, 0x1.25ea8e3b210bep-28},
    {0x1.a5fab78p-1, 0x1.3d29c85d20ac8p-29, 0x1.21f608p-1, 0x1.07e379bd70375p-29},
    {0x1.a68b7dcp-1, 0x1.27a8d0c1679e4p-29, 0x1.2122e64p-1, 0x1.f5f4df70c6dd8p-28},
    {0x1.a71bda4p-1, 0x1.7229e2c2d5bbp-28, 0x1.204f7c8p-1, 0x1.223710a474024p-28},
    {0x1.a7abcd4p-1, 0x1.8dc21c37347bp-32, 0x1.1f7bca8p-1, 0x1.af8bfc9a1f8aep-28},
    {0x1.a83b56p-1, 0x1.680581b570312p-28, 0x1.1ea7d0cp-1, 0x1.4557772a79f3ep-28},
    {0x1.a8ca75p-1, 0x1.0250d325f8b39p-30, 0x1.1dd38f4p-1, 0x1.8b8d120d9173bp-28},
    {0x1.a959298p-1, 0x1.844a8ad28edf6p-28, 0x1.1cff068p-1, 0x1.557d96ef7e105p-31},
    {0x1.a9e774p-1, 0x1.5bf38d53e6947p-32, 0x1.1c2a364p-1, 0x1.97a251efc5ce7p-29},
    {0x1.aa7553cp-1, 0x1.b0bb40c44953ap-29, 0x1.1b551fp-1, 0x1.1891c3350b9bep-28},
    {0x1.ab02c9p-1, 0x1.60cc2d75f6becp-29, 0x1.1a7fc1p-1, 0x1.763fcb089793fp-29},
    {0x1.ab8fd38p-1, 0x1.05dc57850eb9p-29, 0x1.19aa1c4p-1, 0x1.5e379e5e2fc97p-28},
    {0x1.ac1c73p-1, 0x1.35e0f0b733162p-28, 0x1.18d4314p-1, 0x1.5a44782bd9f5ap-29},
    {0x1.aca8a78p-1, 0x1.afff3eb848dbfp-28, 0x1.17fep-1, 0x1.4ed7881c41b21p-30},
    {0x1.ad3471p-1, 0x1.b1bffa2b76329p-29, 0x1.1727888p-1, 0x1.fe551d9ff83ep-28},
    {0x1.adbfcfp-1, 0x1.98f0676a690b9p-28, 0x1.1650cb8p-1, 0x1.59ee7b49327fap-28},
    {0x1.ae4ac1cp-1, 0x1.b2e8a7019ccd5p-29, 0x1.1579c9p-1, 0x1.3fc1b29dc5452p-32},
    {0x1.aed548cp-1, 0x1.848677020c6eap-28, 0x1.14a280cp-1, 0x1.da8345c91c246p-28},
    {0x1.af5f644p-1, 0x1.0a3159de7635dp-29, 0x1.13caf3cp-1, 0x1.7050023346e5p-30},
    {0x1.afe913cp-1, 0x1.8de875c9e1c98p-29, 0x1.12f3218p-1, 0x1.47c8a2159721dp-28},
    {0x1.b072574p-1, 0x1.36ba1628efef9p-28, 0x1.121b0acp-1, 0x1.351599e0b525cp-30},
    {0x1.b0fb2ecp-1, 0x1.83c65103ce913p-29, 0x1.1142af4p-1, 0x1.1cb803546f31fp-28},
    {0x1.b1839ap-1, 0x1.5b025364dc1bbp-30, 0x1.106a0f8p-1, 0x1.66d73bc9e6cc2p-28},
    {0x1.b20b98cp-1, 0x1.c8f7f74d4c48ep-29, 0x1.0f912bcp-1, 0x1.b9c4e8943ce14p-29},
    {0x1.b2932bp-1, 0x1.5b17bf25f8f4p-28, 0x1.0eb804p-1, 0x1.30a14648ca058p-28},
    {0x1.b31a50cp-1, 0x1.56de8eacae4fbp-29, 0x1.0dde98cp-1, 0x1.46313c9e2e348p-32},
    {0x1.b3a1098p-1, 0x1.c73745c370685p-28, 0x1.0d04e9cp-1, 0x1.3afe9acdd1977p-28},
    {0x1.b427558p-1, 0x1.a0fdf9184e88ap-28, 0x1.0c2af7cp-1, 0x1.5f46226f029f2p-30},
    {0x1.b4ad348p-1, 0x1.2c2b707bc4749p-28, 0x1.0b50c28p-1, 0x1.1ec00cea33855p-28},
    {0x1.b532a64p-1, 0x1.5d01ceb66901p-28, 0x1.0a764a8p-1, 0x1.44346ce5fce3bp-28},
    {0x1.b5b7aacp-1, 0x1.289d8d220cd48p-28, 0x1.099b9p-1, 0x1.f47a585ebed02p-30},
    {0x1.b63c41cp-1, 0x1.84f5be629aad1p-28, 0x1.08c093p-1, 0x1.fbcec49e9824fp-30},
    {0x1.b6c06b4p-1, 0x1.68dc50e85154bp-28, 0x1.07e553cp-1, 0x1.ff5b6901726a7p-29},
    {0x1.b74427p-1, 0x1.cbfe513b46a36p-28, 0x1.0709d28p-1, 0x1.b5caf6d1c6762p-28},
    {0x1.b7c775p-1, 0x1.a6e42c1022fcdp-28, 0x1.062e0fcp-1, 0x1.613705b86e4dcp-30},
    {0x1.b84a55p-1, 0x1.f2f1f02604c3fp-28, 0x1.05520b4p-1, 0x1.3d77c519cda47p-29},
    {0x1.b8ccc7p-1, 0x1.aa678fed7b4d2p-28, 0x1.0475c58p-1, 0x1.0478fd9f16c67p-30},
    {0x1.b94ecacp-1, 0x1.c86122f888e4dp-28, 0x1.03993e8p-1, 0x1.f000cc711bcdfp-29},
    {0x1.b9d0604p-1, 0x1.48d727339b8f6p-28, 0x1.02bc76cp-1, 0x1.f1c08059b06b8p-30},
    {0x1.ba51874p-1, 0x1.289ec1e76c331p-28, 0x1.01df6e4p-1, 0x1.0ffa0564e7dedp-29},
    {0x1.bad23fcp-1, 0x1.95a8020ecfb24p-30, 0x1.0102254p-1, 0x1.a97003e779c13p-29},
    {0x1.bb52894p-1, 0x1.fdc81932a75a6p-28, 0x1.00249cp-1, 0x1.1d33017327982p-28},
    {0x1.bbd2644p-1, 0x1.e24b566a4f765p-29, 0x1.fe8da5cp-2, 0x1.c8065d6e7551ep-32},
    {0x1.bc51d04p-1, 0x1.fe67f83cce3b9p-31, 0x1.fcd1938p-2, 0x1.1c654c1bd622ep-29},
    {0x1.bcd0cdp-1, 0x1.d5cc8c9ea47bp-29, 0x1.fb15024p-2, 0x1.72dee35a10aa5p-31},
    {0x1.bd4f5a8p-1, 0x1.f477db9088244p-28, 0x1.f957f2p-2, 0x1.731aaf432f656p-29},
    {0x1.bdcd79p-1, 0x1.7d9a06b2f35ep-30, 0x1.f79a638p-2, 0x1.d9ae573dc3d2dp-29},
    {0x1.be4b27cp-1, 0x1.2f75a32989fe5p-28, 0x1.f5dc574p-2, 0x1.0b8f8490bd79fp-29},
    {0x1.bec867p-1, 0x1.6947913fc599p-28, 0x1.f41dcd8p-2, 0x1.09adb05bf035ap-30},
    {0x1.bf4536cp-1, 0x1.25dc2b2ec640ap-32, 0x1.f25ec68p-2, 0x1.c297e1288b979p-29},
    {0x1.bfc1968p-1, 0x1.88c8938616c77p-31, 0x1.f09f434p-2, 0x1.0b80f5bfb3594p-31},
    {0x1.c03d864p-1, 0x1.9973fbf23a4c5p-29, 0x1.eedf438p-2, 0x1.84b6ba4c8aed5p-29},
    {0x1.c0b906p-1, 0x1.dac1c71b7d06ep-29, 0x1.ed1ec84p-2, 0x1.081a749e207a6p-29},
    {0x1.c134158p-1, 0x1.9c0e402a4056ep-28, 0x1.eb5dd1cp-2, 0x1.3807e36fc4561p-31},
    {0x1.c1aeb4cp-1, 0x1.e2a2ed43f1acap-28, 0x1.e99c604p-2, 0x1.b0b4c5ae55bep-30},
    {0x1.c228e3cp-1, 0x1.97c0bca33f22dp-29, 0x1.e7da748p-2, 0x1.5033e9fd21c3dp-32},
    {0x1.c2a2a2p-1, 0x1.6368de1b36eep-28, 0x1.e6180e8p-2, 0x1.c6dde0eb2dc76p-29},
    {0x1.c31befcp-1, 0x1.6b7f97a2611e8p-29, 0x1.e4552f4p-2, 0x1.33ac13dfb0ef4p-29},
    {0x1.c394cc8p-1, 0x1.d049d7ebb8155p-28, 0x1.e291d6cp-2, 0x1.f62fa82053019p-29},
    {0x1.c40d388p-1, 0x1.c14d40d17e922p-28, 0x1.e0ce05cp-2, 0x1.95195a3dd56eep-29},
    {0x1.c485338p-1, 0x1.97f20f4629adap-28, 0x1.df09bc8p-2, 0x1.980b2faa6b569p-29},
    {0x1.c4fcbd8p-1, 0x1.91094a8140ce1p-30, 0x1.dd44fb8p-2, 0x1.879794d13cdefp-29},
    {0x1.c573d6p-1, 0x1.372a5cc6f4fdbp-28, 0x1.db7fc34p-2, 0x1.da80f5e3a1a12p-30},
    {0x1.c5ea7d4p-1, 0x1.2278fdf6713bdp-28, 0x1.d9ba14p-2, 0x1.537675bf94fdep-29},
    {0x1.c660b3p-1, 0x1.38dfc04cbf267p-28, 0x1.d7f3ee8p-2, 0x1.165f6316f83a6p-31},
    {0x1.c6d6774p-1, 0x1.1be6463a2c76fp-29, 0x1.d62d52cp-2, 0x1.4fefd48fb7572p-29},
    {0x1.c74bc9cp-1, 0x1.b156b056516e1p-31, 0x1.d466418p-2, 0x1.ffb593965b709p-29},
    {0x1.c7c0aa4p-1, 0x1.46e1f3eb5dc26p-28, 0x1.d29ebb4p-2, 0x1.e30b56f22e56ap-29},
    {0x1.c83519p-1, 0x1.acae7adf75c4ep-29, 0x1.d0d6c08p-2, 0x1.11fb25a5a3bebp-30},
    {0x1.c8a9158p-1, 0x1.fbad539481371p-28, 0x1.cf0e514p-2, 0x1.81820abbed6dbp-29},
    {0x1.c91cap-1, 0x1.ceeaf1d95cb3fp-28, 0x1.cd456e8p-2, 0x1.75dbb61f07427p-31},
    {0x1.c98fb84p-1, 0x1.68fb283f5581ep-28, 0x1.cb7c184p-2, 0x1.5d43e25f449b8p-30},
    {0x1.ca025ep-1, 0x1.e3ad950e0aca8p-28, 0x1.c9b24f4p-2, 0x1.ebdb96a2f9542p-35},
    {0x1.ca74918p-1, 0x1.66da797f27ceap-30, 0x1.c7e8138p-2, 0x1.fc317bb213ecp-29},
    {0x1.cae652p-1, 0x1.e6afab7473e6cp-28, 0x1.c61d664p-2, 0x1.04f847ef392b4p-32},
    {0x1.cb57ap-1, 0x1.a7175dcb22107p-28, 0x1.c452474p-2, 0x1.4a5f40c252faap-34},
    {0x1.cbc87b4p-1, 0x1.70a39404f9a3p-29, 0x1.c286b7p-2, 0x1.4f8b413c4f61bp-29},
    {0x1.cc38e38p-1, 0x1.c54583fda9491p-31, 0x1.c0bab64p-2, 0x1.8767fa2c8ae53p-29},
    {0x1.cca8d88p-1, 0x1.474bb5dc136e7p-28, 0x1.beee458p-2, 0x1.27aa0ed392bc4p-31},
    {0x1.cd185a8p-1, 0x1.04509b190cfe9p-28, 0x1.bd2164cp-2, 0x1.2ff49a055b897p-29},
    {0x1.cd87694p-1, 0x1.2166eb35a5a35p-29, 0x1.bb5414cp-2, 0x1.d3477067633bdp-29},
    {0x1.cdf6048p-1, 0x1.0e56e6e94af8bp-28, 0x1.b98656p-2, 0x1.ce82cacd9c85fp-29},
    {0x1.ce642c4p-1, 0x1.a00454376712fp-28, 0x1.b7b829p-2, 0x1.7a482e57d1e1cp-30},
    {0x1.ced1e08p-1, 0x1.696c1db0c9dacp-28, 0x1.b5e98ep-2, 0x1.dc2c34c0a10ccp-32},
    {0x1.cf3f21p-1, 0x1.8f25d58dadf49p-28, 0x1.b41a854p-2, 0x1.e6dd26334c641p-29},
    {0x1.cfabedcp-1, 0x1.36b076ed003c6p-28, 0x1.b24b0fcp-2, 0x1.5d3bf7dca4347p-29},
    {0x1.d018468p-1, 0x1.86729c749fdacp-28, 0x1.b07b2dcp-2, 0x1.ec685566b4dp-32},
    {0x1.d0842b4p-1, 0x1.a5bab6b7b6793p-28, 0x1.aeaadf8p-2, 0x1.3ca499dc41a8cp-32},
    {0x1.d0ef9cp-1, 0x1.797e84c635f89p-29, 0x1.acda258p-2, 0x1.77de075c7ddcp-30},
    {0x1.d15a984p-1, 0x1.f49efe2fb1392p-28, 0x1.ab09004p-2, 0x1.9c1023914a41dp-29},
    {0x1.d1c5208p-1, 0x1.dd84826ae4a06p-30, 0x1.a937708p-2, 0x1.a9089deb58daap-31},
    {0x1.d22f34p-1, 0x1.6ff58d640028cp-28, 0x1.a765764p-2, 0x1.934990f0c61cdp-30},
    {0x1.d298d34p-1, 0x1.46a15a3cdeab8p-33, 0x1.a593124p-2, 0x1.78b16d1b6f74p-31},
    {0x1.d301fd8p-1, 0x1.72e176bb2ef6dp-28, 0x1.a3c044cp-2, 0x1.9941ceab0c673p-30},
    {0x1.d36ab34p-1, 0x1.af4bf6ad0369dp-29, 0x1.a1ed0e4p-2, 0x1.ba9d3d940520ap-29},
    {0x1.d3d2f4p-1, 0x1.671743cfa5309p-28, 0x1.a0196f8p-2, 0x1.9d1c1e1753a16p-30},
    {0x1.d43acp-1, 0x1.42cec28940064p-30, 0x1.9e45688p-2, 0x1.afb103444c2ap-29},
    {0x1.d4a216cp-1, 0x1.89c717752042dp-29, 0x1.9c70fa4p-2, 0x1.84f39d3972621p-35},
    {0x1.d508f84p-1, 0x1.f4f93c5ab75bcp-28, 0x1.9a9c248p-2, 0x1.7a93478029d54p-29},
    {0x1.d56f64cp-1, 0x1.13317ac6c06a5p-28, 0x1.98c6e84p-2, 0x1.b6da7dbd5424cp-29},
    {0x1.d5d55bcp-1, 0x1.52b383b51fd12p-28, 0x1.96f146p-2, 0x1.95873a35a935ap-31},
    {0x1.d63add4p-1, 0x1.e7914b84f3a04p-28, 0x1.951b3dcp-2, 0x1.316dfabd292dbp-29},
    {0x1.d69fe98p-1, 0x1.b1ec4e6152fbdp-34, 0x1.9344d04p-2, 0x1.c70f3bb3d99e3p-29},
    {0x1.d7047fcp-1, 0x1.cc7d627621b9ep-29, 0x1.916dfep-2, 0x1.d320586f46fd3p-29},
    {0x1.d768a04p-1, 0x1.bcc997dcc4c94p-28, 0x1.8f96c78p-2, 0x1.0345ba4d1255cp-29},
    {0x1.d7cc4bp-1, 0x1.c22733a7edd2ep-28, 0x1.8dbf2dp-2, 0x1.05ec81a19ceffp-29},
    {0x1.d82f8p-1, 0x1.78103b6212d5fp-31, 0x1.8be72fp-2, 0x1.8a499a1cc523fp-29},
    {0x1.d8923ecp-1, 0x1.e783e0aa05159p-31, 0x1.8a0ece4p-2, 0x1.01633bf2c160bp-31},
    {0x1.d8f4874p-1, 0x1.26751244938a5p-28, 0x1.88360acp-2, 0x1.b1b7be1dba381p-30},
    {0x1.d95659cp-1, 0x1.37f49d8b8af82p-31, 0x1.865ce54p-2, 0x1.0559907fb8605p-29},
    {0x1.d9b7b5cp-1, 0x1.eba11133a1a14p-30, 0x1.84835e4p-2, 0x1.e07311e3c3639p-31},
    {0x1.da189b4p-1, 0x1.5f7a132b0ce69p-28, 0x1.82a976p-2, 0x1.c867151d873fcp-30},
    {0x1.da790a8p-1, 0x1.2e8cb30fc4a55p-32, 0x1.80cf2dp-2, 0x1.fd6e33fc7d3f7p-29},
    {0x1.dad902cp-1, 0x1.d4564387a978ep-28, 0x1.7ef484p-2, 0x1.785e66b06a528p-29},
    {0x1.db38848p-1, 0x1.e3d18fd366008p-28, 0x1.7d197b4p-2, 0x1.0a56302772fa5p-29},
    {0x1.db978f8p-1, 0x1.825730301c2fdp-28, 0x1.7b3e134p-2, 0x1.a59c606271c23p-31},
    {0x1.dbf6238p-1, 0x1.f1d140f22e0fdp-28, 0x1.79624c4p-2, 0x1.4c6132f0ac0cap-29},
    {0x1.dc5440cp-1, 0x1.d45ea8afb546ap-30, 0x1.778627p-2, 0x1.6ad2341e271c3p-29},
    {0x1.dcb1e6cp-1, 0x1.3fc13bde8135fp-30, 0x1.75a9a4p-2, 0x1.f41200b7abeffp-31},
    {0x1.dd0f158p-1, 0x1.8e1e790c10826p-29, 0x1.73ccc38p-2, 0x1.dff1f5c4c7563p-32},
    {0x1.dd6bcdp-1, 0x1.2016d8f15d0a6p-28, 0x1.71ef86p-2, 0x1.8601b08444664p-31},
    {0x1.ddc80d4p-1, 0x1.433023a9654edp-29, 0x1.7011ecp-2, 0x1.500bd64871155p-30},
    {0x1.de23d6p-1, 0x1.2625154f79b26p-29, 0x1.6e33f6p-2, 0x1.95852c748ab63p-30},
    {0x1.de7f274p-1, 0x1.e7a656f72a7b9p-31, 0x1.6c55a48p-2, 0x1.0b44a1939a3c6p-30},
    {0x1.deda00cp-1, 0x1.d138d79f51adap-29, 0x1.6a76f7cp-2, 0x1.9548182cd0fe5p-29},
    {0x1.df34628p-1, 0x1.e0564659300fep-28, 0x1.6897f08p-2, 0x1.b70d148803624p-29},
    {0x1.df8e4ccp-1, 0x1.bd7a81446114bp-30, 0x1.66b88f4p-2, 0x1.51ff52e905c02p-30},
    {0x1.dfe7becp-1, 0x1.e1e159b46104dp-28, 0x1.64d8d44p-2, 0x1.4f1433e232a42p-32},
    {0x1.e040b9p-1, 0x1.84fa199c73316p-28, 0x1.62f8bfcp-2, 0x1.f92bb76975fedp-29},
    {0x1.e0993b4p-1, 0x1.4d68f5f06c9ap-29, 0x1.611852cp-2, 0x1.d703b468ed8d7p-29},
    {0x1.e0f1454p-1, 0x1.2c18721251a12p-29, 0x1.5f378d8p-2, 0x1.844472002312fp-29},
    {0x1.e148d7p-1, 0x1.45dab748e0de4p-29, 0x1.5d56708p-2, 0x1.84f0e1ad5dcbfp-30},
    {0x1.e19ff08p-1, 0x1.e346337d735fp-32, 0x1.5b74fcp-2, 0x1.53d9cd53b0794p-29},
    {0x1.e1f6918p-1, 0x1.66b9d24aaa1dap-30, 0x1.599330cp-2, 0x1.f6a29e1e9889bp-30},
    {0x1.e24cbap-1, 0x1.503308e4e1fe4p-29, 0x1.57b10fp-2, 0x1.7c7578187ee3fp-29},
    {0x1.e2a26ap-1, 0x1.74920b4db16d7p-30, 0x1.55ce978p-2, 0x1.3713281f032bfp-30},
    {0x1.e2f7a14p-1, 0x1.9adf0c09b930ap-29, 0x1.53ebca8p-2, 0x1.d7cc714fc5c26p-33},
    {0x1.e34c5fcp-1, 0x1.4e8bf580f977dp-28, 0x1.5208a84p-2, 0x1.c7e91c8e41f8p-29},
    {0x1.e3a0a58p-1, 0x1.36fcb48897bf6p-28, 0x1.502531cp-2, 0x1.611295bed2195p-29},
    {0x1.e3f4724p-1, 0x1.de364c826f863p-28, 0x1.4e41674p-2, 0x1.5fcc706ebc2bcp-30},
    {0x1.e447c64p-1, 0x1.393e2e3bf1f58p-29, 0x1.4c5d49p-2, 0x1.7bf91c1a8c8e5p-29},
    {0x1.e49aa1p-1, 0x1.971ed073aa2e7p-29, 0x1.4a78d7cp-2, 0x1.8d877a37b86f9p-29},
    {0x1.e4ed028p-1, 0x1.c551b78db7cbep-28, 0x1.489414p-2, 0x1.5ae773f7cf947p-30},
    {0x1.e53eebp-1, 0x1.ca45942f92683p-29, 0x1.46aefep-2, 0x1.4a8afe726e05bp-30},
    {0x1.e5905ap-1, 0x1.8731db4d737b3p-28, 0x1.44c9964p-2, 0x1.3f28b7c4f4ea5p-29},
    {0x1.e5e14fcp-1, 0x1.08a0c60f93249p-28, 0x1.42e3dd8p-2, 0x1.17b2a3b2b1582p-31},
    {0x1.e631ccp-1, 0x1.8f085ac3fef4ep-29, 0x1.40fdd3cp-2, 0x1.8502fcc257dafp-29},
    {0x1.e681cecp-1, 0x1.171d273307a6fp-31, 0x1.3f177ap-2, 0x1.90fd9e7ff8b09p-30},
    {0x1.e6d157cp-1, 0x1.eae764692deb3p-30, 0x1.3d30d04p-2, 0x1.dd13bb42e7093p-29},
    {0x1.e72067p-1, 0x1.2ff4b758926d5p-28, 0x1.3b49d78p-2, 0x1.2029cebd97bc9p-30},
    {0x1.e76efc8p-1, 0x1.a475959dcc7cdp-28, 0x1.39628fcp-2, 0x1.5ee8251201d52p-30},
    {0x1.e7bd184p-1, 0x1.3b115a0ffd57p-28, 0x1.377af9cp-2, 0x1.381413827712ep-34},
    {0x1.e80abap-1, 0x1.5790a2495b4bdp-28, 0x1.359315cp-2, 0x1.b89a9acfd59d8p-31},
    {0x1.e857e1cp-1, 0x1.5eafea662716cp-28, 0x1.33aae44p-2, 0x1.ac6df762fa778p-29},
    {0x1.e8a48f8p-1, 0x1.6c3f67ab1811p-29, 0x1.31c266p-2, 0x1.94f92ebfeb3bap-29},
    {0x1.e8f0c3p-1, 0x1.890957dafdbb7p-29, 0x1.2fd99b4p-2, 0x1.f8c4be4d61e8bp-29},
    {0x1.e93c7c4p-1, 0x1.e2efa48323399p-29, 0x1.2df084cp-2, 0x1.52cbf1756697bp-30},
    {0x1.e987bb4p-1, 0x1.4b0d3d7965cbep-29, 0x1.2c07228p-2, 0x1.790a1d7e9f36p-29},
    {0x1.e9d27fcp-1, 0x1.4a33277dcf2e6p-28, 0x1.2a1d758p-2, 0x1.d3ab22602db52p-32},
    {0x1.ea1ccap-1, 0x1.27d119dd29c0ap-30, 0x1.28337dcp-2, 0x1.820410c1bc8f8p-30},
    {0x1.ea66998p-1, 0x1.1035bed148e5fp-28, 0x1.26493cp-2, 0x1.c13ea75f5c30ep-30},
    {0x1.eaafee8p-1, 0x1.0958620ebd7bp-28, 0x1.245eb0cp-2, 0x1.b742a78eeaaafp-31},
    {0x1.eaf8c8cp-1, 0x1.a2b234f534a5ap-28, 0x1.2273dc4p-2, 0x1.3dac934036042p-29},
    {0x1.eb41288p-1, 0x1.2a3a50dd49c8ep-30, 0x1.2088bf4p-2, 0x1.25dbc75aa1b9p-29},
    {0x1.eb890d4p-1, 0x1.c0b96387ea513p-30, 0x1.1e9d5ap-2, 0x1.fc9837b0a623ep-29},
    {0x1.ebd077p-1, 0x1.83c7fc8c19625p-28, 0x1.1cb1ad4p-2, 0x1.98ac1a199b24p-29},
    {0x1.ec1766p-1, 0x1.ed0f7a9209604p-29, 0x1.1ac5b94p-2, 0x1.d170f313ffc5ap-29},
    {0x1.ec5ddap-1, 0x1.d47e0aeb5c5f8p-31, 0x1.18d97ecp-2, 0x1.fb3a7fbc7905fp-31},
    {0x1.eca3d2cp-1, 0x1.85f0756d97df7p-29, 0x1.16ecfdcp-2, 0x1.793a60d119c92p-29},
    {0x1.ece9508p-1, 0x1.e7c512b2c514p-35, 0x1.1500374p-2, 0x1.336bc533473b4p-30},
    {0x1.ed2e52cp-1, 0x1.721a6258a0cfdp-28, 0x1.13132b4p-2, 0x1.b9ce48a194f96p-29},
    {0x1.ed72dap-1, 0x1.07a7d53bc32c8p-29, 0x1.1125dacp-2, 0x1.67366caf56b76p-30},
    {0x1.edb6e5cp-1, 0x1.5fdbc2c379108p-29, 0x1.0f3845cp-2, 0x1.61bdd8baa4cfep-29},
    {0x1.edfa76p-1, 0x1.6e50be7386d45p-28, 0x1.0d4a6dp-2, 0x1.9f5fefb0f9d16p-29},
    {0x1.ee3d8bp-1, 0x1.bedea859bc192p-31, 0x1.0b5c51p-2, 0x1.4832d73e7275ep-29},
    {0x1.ee80244p-1, 0x1.0ccaeb2323eb4p-29, 0x1.096df24p-2, 0x1.c37484bea48e1p-32},
    {0x1.eec241cp-1, 0x1.d4bb0f2a91179p-28, 0x1.077f51p-2, 0x1.33432c53a2412p-31},
    {0x1.ef03e3cp-1, 0x1.9ea151020ae56p-28, 0x1.05906dcp-2, 0x1.629bed0112c3fp-29},
    {0x1.ef450ap-1, 0x1.60d44b5a83f08p-28, 0x1.03a1494p-2, 0x1.57961c4abefadp-29},
    {0x1.ef85b48p-1, 0x1.320f20bc553fep-29, 0x1.01b1e4p-2, 0x1.4108e23b854d8p-34},
    {0x1.efc5e3p-1, 0x1.8bcca963e3fp-29, 0x1.ff847c4p-3, 0x1.62f4b05698411p-31},
    {0x1.f005958p-1, 0x1.67138fcac3c49p-28, 0x1.fba4b0cp-3, 0x1.1803180fd558dp-32},
    {0x1.f044ccp-1, 0x1.fd2a1c04c2109p-28, 0x1.f7c4664p-3, 0x1.22759271e5e65p-31},
    {0x1.f08386cp-1, 0x1.379acf91fcacap-33, 0x1.f3e39dcp-3, 0x1.53bd25a354e6bp-30},
    {0x1.f0c1c5p-1, 0x1.0f56beaa995bp-28, 0x1.f002588p-3, 0x1.3c62051355c72p-32},
    {0x1.f0ff874p-1, 0x1.22f62b80a624cp-29, 0x1.ec2097p-3, 0x1.45d773e3b9fe3p-30},
    {0x1.f13ccd4p-1, 0x1.4a57dc7694385p-32, 0x1.e83e5a8p-3, 0x1.fb7c966837857p-30},
    {0x1.f17996cp-1, 0x1.1e4a1882d6962p-28, 0x1.e45ba44p-3, 0x1.a4048fdeb5887p-33},
    {0x1.f1b5e4p-1, 0x1.34d5a611db0d6p-28, 0x1.e078748p-3, 0x1.b6502eeb53eb3p-30},
    {0x1.f1f1b4cp-1, 0x1.dfada354cb5e5p-28, 0x1.dc94cdp-3, 0x1.1d298d2ddea1p-32},
    {0x1.f22d094p-1, 0x1.4e60d027622d2p-29, 0x1.d8b0aep-3, 0x1.aebe6161633f4p-30},
    {0x1.f267e1p-1, 0x1.14b544e6b40b4p-28, 0x1.d4cc19p-3, 0x1.b4e9a5ceceb7fp-30},
    {0x1.f2a23c4p-1, 0x1.651941c08b28cp-29, 0x1.d0e70fp-3, 0x1.17b02c15a0133p-33},
    {0x1.f2dc1acp-1, 0x1.0c0016f9062b8p-28, 0x1.cd01908p-3, 0x1.85ef76ddc83ap-31},
    {0x1.f3157c8p-1, 0x1.ad52933d5e11dp-28, 0x1.c91b9ecp-3, 0x1.5feb760302bacp-30},
    {0x1.f34e61cp-1, 0x1.1e037de60d97dp-31, 0x1.c5353acp-3, 0x1.c5b4646d650b3p-30},
    {0x1.f386c9cp-1, 0x1.fd7f913a9a87fp-28, 0x1.c14e658p-3, 0x1.c11a43a250544p-30},
    {0x1.f3beb54p-1, 0x1.937f07419a9d4p-29, 0x1.bd672p-3, 0x1.1fc76b2a151b5p-30},
    {0x1.f3f623cp-1, 0x1.8a99633d678cbp-32, 0x1.b97f6bp-3, 0x1.b046d9b683aadp-30},
    {0x1.f42d15p-1, 0x1.7b60f78875c6p-28, 0x1.b59747cp-3, 0x1.4202418036ce9p-30},
    {0x1.f463898p-1, 0x1.0805a275c414ep-29, 0x1.b1aeb7p-3, 0x1.a540146c31af4p-30},
    {0x1.f49980cp-1, 0x1.8b4cc6cefc6b1p-29, 0x1.adc5bap-3, 0x1.56431ff49b894p-31},
    {0x1.f4cefacp-1, 0x1.d45d1fe508b99p-28, 0x1.a9dc518p-3, 0x1.2d0647e7af097p-33},
    {0x1.f503f7cp-1, 0x1.4532c5403e86p-28, 0x1.a5f27e4p-3, 0x1.e78eb71aab6b5p-30},
    {0x1.f538778p-1, 0x1.5c5af2f1d5ab7p-29, 0x1.a20841cp-3, 0x1.c4914019d2e1ep-30},
    {0x1.f56c79cp-1, 0x1.a64de4805d21ep-28, 0x1.9e1d9ccp-3, 0x1.912142f744da3p-30},
    {0x1.f59ffecp-1, 0x1.c58f4a793e999p-28, 0x1.9a32904p-3, 0x1.2288a2c820b17p-30},
    {0x1.f5d3068p-1, 0x1.49cf4b71811c7p-29, 0x1.96471d4p-3, 0x1.3b81459d78e44p-32},
    {0x1.f605908p-1, 0x1.de47c0891d555p-28, 0x1.925b448p-3, 0x1.da1cb3df3765ep-31},
    {0x1.f6379d4p-1, 0x1.0c9b4ead652d6p-28, 0x1.8e6f074p-3, 0x1.a987d6034afdp-31},
    {0x1.f6692c4p-1, 0x1.cbc906a690c6ap-28, 0x1.8a82664p-3, 0x1.de7b60d834e57p-30},
    {0x1.f69a3dcp-1, 0x1.b8b2bab9d31d5p-28, 0x1.869562cp-3, 0x1.e3764f296383p-30},
    {0x1.f6cad1cp-1, 0x1.c4d5c6e09190cp-30, 0x1.82a7fdcp-3, 0x1.7b7715aca19b1p-31},
    {0x1.f6fae7cp-1, 0x1.94297f86ffcd5p-28, 0x1.7eba38p-3, 0x1.2054cda5dd58fp-32},
    {0x1.f72a804p-1, 0x1.82c53ad49c1e9p-29, 0x1.7acc128p-3, 0x1.783af190bd7ep-32},
    {0x1.f7599acp-1, 0x1.99b0020f76941p-28, 0x1.76dd8e4p-3, 0x1.b7e5ecb7b8ed7p-31},
    {0x1.f788378p-1, 0x1.bedc7959914e9p-28, 0x1.72eeac4p-3, 0x1.9eca17e743cap-30},
    {0x1.f7b6568p-1, 0x1.a75cf7dd66889p-29, 0x1.6eff6dcp-3, 0x1.08af8cb911fccp-31},
    {0x1.f7e3f78p-1, 0x1.efa11a193f9ecp-30, 0x1.6b0fd34p-3, 0x1.6b191e604f579p-30},
    {0x1.f8111a8p-1, 0x1.711fc3e2a5bc5p-30, 0x1.671fde4p-3, 0x1.9215e233e8633p-33},
    {0x1.f83dbf8p-1, 0x1.a87850f4a6505p-32, 0x1.632f8f4p-3, 0x1.737d888a3d628p-31},
    {0x1.f869e64p-1, 0x1.5d5d151682bd9p-28, 0x1.5f3ee78p-3, 0x1.c455d4f3d154p-31},
    {0x1.f8958fp-1, 0x1.cc7ad22fe2cc1p-28, 0x1.5b4de8p-3, 0x1.19acf585a9478p-31},
    {0x1.f8c0b9cp-1, 0x1.108f2265ae853p-28, 0x1.575c918p-3, 0x1.9bc0606a591ecp-30},
    {0x1.f8eb664p-1, 0x1.a6896cfe870f5p-29, 0x1.536ae54p-3, 0x1.f1952da7b91edp-30},
    {0x1.f915948p-1, 0x1.7e853f2cd8ef5p-29, 0x1.4f78e44p-3, 0x1.71ad22f3ea20dp-30},
    {0x1.f93f448p-1, 0x1.0058c8db388c7p-29, 0x1.4b868f8p-3, 0x1.46c671d0199e5p-43},
    {0x1.f96876p-1, 0x1.c2a216870c107p-28, 0x1.4793e78p-3, 0x1.815619b68286ap-30},
    {0x1.f991298p-1, 0x1.a20337e5b27cap-31, 0x1.43a0edcp-3, 0x1.dae0430d7a57bp-30},
    {0x1.f9b95e4p-1, 0x1.83a0bb192a24cp-28, 0x1.3fada34p-3, 0x1.e537e36c5e346p-31},
    {0x1.f9e114cp-1, 0x1.605940b13199cp-28, 0x1.3bba08cp-3, 0x1.5e3c6b3d333bp-31},
    {0x1.fa084ccp-1, 0x1.7afd023e45c0bp-28, 0x1.37c61f4p-3, 0x1.ef37eaff71cefp-31},
    {0x1.fa2f064p-1, 0x1.851bfab9cbabbp-28, 0x1.33d1e7cp-3, 0x1.b3e7f510630fcp-30},
    {0x1.fa55414p-1, 0x1.314329391545ep-28, 0x1.2fdd638p-3, 0x1.98e1b6213db9p-31},
    {0x1.fa7afdcp-1, 0x1.97e5225109379p-31, 0x1.2be8934p-3, 0x1.51f9b97024edep-33},
    {0x1.faa03b8p-1, 0x1.f67d6888a44c4p-31, 0x1.27f377cp-3, 0x1.b6f387c1a4cdep-30},
    {0x1.fac4fa8p-1, 0x1.0a40c2266a9dbp-28, 0x1.23fe128p-3, 0x1.5cc43f67f3086p-30},
    {0x1.fae93bp-1, 0x1.2f46c8d751fdfp-30, 0x1.2008644p-3, 0x1.067bca7333f02p-30},
    {0x1.fb0cfc8p-1, 0x1.bb01ae5dc529dp-28, 0x1.1c126ep-3, 0x1.3eed2871d952ap-31},
    {0x1.fb303f8p-1, 0x1.104d5c4fa4ce9p-28, 0x1.181c30cp-3, 0x1.3a10c3ad29364p-34},
    {0x1.fb5303cp-1, 0x1.4bba0c29c2983p-34, 0x1.1425ad4p-3, 0x1.4f75ab2bb9f83p-30},
    {0x1.fb7549p-1, 0x1.507858ecfdf77p-30, 0x1.102ee5p-3, 0x1.ffd7be8813811p-33},
    {0x1.fb970f4p-1, 0x1.b89054213061ep-28, 0x1.0c37d88p-3, 0x1.a5831781ff844p-31},
    {0x1.fbb856cp-1, 0x1.eef8ca2e2ebfdp-28, 0x1.084089p-3, 0x1.ebc42ffdbc202p-31},
    {0x1.fbd91f8p-1, 0x1.6990d85630097p-29, 0x1.0448f78p-3, 0x1.2ff6d2e90051ep-31},
    {0x1.fbf969p-1, 0x1.c86e0a01b4b64p-28, 0x1.005124cp-3, 0x1.a8306d4ad6e1cp-30},
    {0x1.fc1933cp-1, 0x1.d2acc04208414p-29, 0x1.f8b2248p-4, 0x1.6263521305f73p-34},
    {0x1.fc387f4p-1, 0x1.d7ec27a20ce53p-28, 0x1.f0c180cp-4, 0x1.a403f647fc882p-31},
    {0x1.fc574cp-1, 0x1.566098b4b97bap-30, 0x1.e8d061p-4, 0x1.98ce4c0723722p-31},
    {0x1.fc75998p-1, 0x1.2609ecff7729ep-31, 0x1.e0dec7p-4, 0x1.ecea999698b2dp-31},
    {0x1.fc9367cp-1, 0x1.08cc7b7343025p-28, 0x1.d8ecb5p-4, 0x1.0718ea671416ap-32},
    {0x1.fcb0b7p-1, 0x1.8c3a4fc493882p-29, 0x1.d0fa2c8p-4, 0x1.40d7e474bf675p-31},
    {0x1.fccd87p-1, 0x1.2214d4d17a5ddp-28, 0x1.c9073p-4, 0x1.3bac6835d4f84p-36},
    {0x1.fce9d7cp-1, 0x1.e3136c763f614p-28, 0x1.c113c1p-4, 0x1.892bd51ce3b4bp-32},
    {0x1.fd05a98p-1, 0x1.a0ee7f7df7c7fp-29, 0x1.b91fe1cp-4, 0x1.57def6dd9e2f2p-31},
    {0x1.fd20fbcp-1, 0x1.b29d147b76f87p-28, 0x1.b12b944p-4, 0x1.ab768e88fa0b9p-31},
    {0x1.fd3bcfp-1, 0x1.4b80cd16a7c04p-30, 0x1.a936da8p-4, 0x1.a7f747d210a97p-31},
    {0x1.fd5622cp-1, 0x1.ee69d4abb7ae2p-30, 0x1.a141b68p-4, 0x1.36d44ebba1bc1p-31},
    {0x1.fd6ff7p-1, 0x1.f824511585503p-28, 0x1.994c2a4p-4, 0x1.0955aab3ae9d2p-33},
    {0x1.fd894c4p-1, 0x1.29a9d1ecfb8e2p-29, 0x1.9156378p-4, 0x1.6b2607bf9dbbep-32},
    {0x1.fda222p-1, 0x1.f0216afe77c06p-32, 0x1.895fe08p-4, 0x1.f1c8a26b24331p-33},
    {0x1.fdba784p-1, 0x1.9401e2fd79857p-30, 0x1.816927p-4, 0x1.83a09237c6c36p-31},
    {0x1.fdd24fp-1, 0x1.36237ea8e24e6p-28, 0x1.79720d4p-4, 0x1.b890a9f8ca595p-31},
    {0x1.fde9a68p-1, 0x1.8af5d487eb759p-30, 0x1.717a954p-4, 0x1.09758dab66da2p-31},
    {0x1.fe007e4p-1, 0x1.bc1f91fd23feep-28, 0x1.6982c0cp-4, 0x1.653f141c0dcfcp-31},
    {0x1.fe16d6cp-1, 0x1.1499ffd580469p-28, 0x1.618a92p-4, 0x1.772ba2b45d9b2p-32},
    {0x1.fe2cafcp-1, 0x1.fbdf4bd6703d5p-31, 0x1.59920acp-4, 0x1.f9ae359c4f594p-32},
    {0x1.fe4209p-1, 0x1.1113851d9c656p-28, 0x1.51992d4p-4, 0x1.a110b2204719bp-35},
    {0x1.fe56e2cp-1, 0x1.5eae1f3bbd8c9p-28, 0x1.499ffb4p-4, 0x1.3fa17f8378fc2p-37},
    {0x1.fe6b3dp-1, 0x1.fd304a99e6b6cp-29, 0x1.41a676cp-4, 0x1.600677344bcbep-32},
    {0x1.fe7f178p-1, 0x1.c81d302fd3cb9p-28, 0x1.39aca2p-4, 0x1.c4f5849e1543bp-36},
    {0x1.fe92728p-1, 0x1.93880e56e284ap-28, 0x1.31b27ecp-4, 0x1.3152b01c9eb6bp-35},
    {0x1.fea54ep-1, 0x1.d1166daee8524p-31, 0x1.29b80fp-4, 0x1.6623c3bd0ab2dp-32},
    {0x1.feb7a98p-1, 0x1.9636c56f370cp-28, 0x1.21bd54cp-4, 0x1.e2fcd3a1f9727p-31},
    {0x1.fec9858p-1, 0x1.830c9f41c469ep-28, 0x1.19c2524p-4, 0x1.9849df3454107p-31},
    {0x1.fedae1cp-1, 0x1.dcec60b68e942p-28, 0x1.11c7094p-4, 0x1.c8fdc22237f62p-31},
    {0x1.feebbe8p-1, 0x1.023ae81da5f25p-29, 0x1.09cb7cp-4, 0x1.aea86c6e8adp-33},
    {0x1.fefc1b4p-1, 0x1.4de6b0f228471p-28, 0x1.01cfacp-4, 0x1.77696c4f9a44ep-31},
    {0x1.ff0bf88p-1, 0x1.147326e642a4p-31, 0x1.f3a7378p-5, 0x1.c7b63b4b43977p-32},
    {0x1.ff1b55cp-1, 0x1.beb4b69bf92cbp-29, 0x1.e3ae9ap-5, 0x1.523efdabe9c81p-32},
    {0x1.ff2a334p-1, 0x1.658fe5b6ab155p-28, 0x1.d3b5838p-5, 0x1.7fa792c311fdp-32},
    {0x1.ff3891p-1, 0x1.9773e32801e8ep-28, 0x1.c3bbf84p-5, 0x1.08711356a2614p-34},
    {0x1.ff466fp-1, 0x1.584ac7c23f4b4p-28, 0x1.b3c1fbcp-5, 0x1.8cb338e0b3844p-32},
    {0x1.ff53cd4p-1, 0x1.18b147c728d64p-29, 0x1.a3c7928p-5, 0x1.536471d3f38d1p-32},
    {0x1.ff60ab8p-1, 0x1.18e12b17212fp-28, 0x1.93ccc04p-5, 0x1.8b01d3940e3fcp-32},
    {0x1.ff6d0ap-1, 0x1.c84f75880e5dep-29, 0x1.83d1894p-5, 0x1.49792e31fc65cp-35},
    {0x1.ff78e88p-1, 0x1.d56f609c92384p-28, 0x1.73d5f1p-5, 0x1.245a1667927b6p-32},
    {0x1.ff84474p-1, 0x1.d4fae0cd74c04p-28, 0x1.63d9fcp-5, 0x1.cec8f0c681225p-34},
    {0x1.ff8f264p-1, 0x1.981977da2d71ep-29, 0x1.53ddaep-5, 0x1.e42319daaaecep-37},
    {0x1.ff99854p-1, 0x1.49ce6955ea9b4p-29, 0x1.43e10acp-5, 0x1.ef421ae03b663p-32},
    {0x1.ffa3644p-1, 0x1.4acc553f1219bp-28, 0x1.33e417p-5, 0x1.ab53fad910e64p-37},
    {0x1.ffacc38p-1, 0x1.53fbe932e0fe5p-29, 0x1.23e6d6p-5, 0x1.8d47d688c9986p-34},
    {0x1.ffb5a2cp-1, 0x1.5f7b76a33fa03p-29, 0x1.13e94cp-5, 0x1.d752b86e8adcfp-33},
    {0x1.ffbe02p-1, 0x1.4a4d285651101p-28, 0x1.03eb7dp-5, 0x1.a17406efbf721p-32},
    {0x1.ffc5e18p-1, 0x1.a3b65573dc824p-30, 0x1.e7dada8p-6, 0x1.009e3b8b5aecdp-33},
    {0x1.ffcd40cp-1, 0x1.fbe03b11703d6p-28, 0x1.c7de40cp-6, 0x1.08b37cd898b6p-33},
    {0x1.ffd4204p-1, 0x1.f4663505b7bcap-28, 0x1.a7e135p-6, 0x1.5459fa90d8247p-33},
    {0x1.ffda8p-1, 0x1.130215867c5bp-30, 0x1.87e3bf4p-6, 0x1.dda7cc94aa5c4p-33},
    {0x1.ffe05f8p-1, 0x1.c06030a51a93ep-29, 0x1.67e5e7cp-6, 0x1.3f0df6acc22c2p-34},
    {0x1.ffe5bfp-1, 0x1.baf5c73b43be1p-28, 0x1.47e7b6p-6, 0x1.95a5811fe1d15p-33},
    {0x1.ffea9ecp-1, 0x1.94a4b7474fb83p-29, 0x1.27e9328p-6, 0x1.78ca964ef9223p-34},
    {0x1.ffeefe8p-1, 0x1.21a47a242784ap-34, 0x1.07ea65p-6, 0x1.0cc3a77c5df43p-37},
    {0x1.fff2dep-1, 0x1.60d31bab976aap-28, 0x1.cfd6aacp-7, 0x1.20e8495ce7b6p-34},
    {0x1.fff63dcp-1, 0x1.aef14405d741fp-29, 0x1.8fd817cp-7, 0x1.cbd6a4b1f11d1p-36},
    {0x1.fff91d8p-1, 0x1.86df1da4a1252p-30, 0x1.4fd920cp-7, 0x1.4e4153f80f154p-38},
    {0x1.fffb7dp-1, 0x1.f9d1296d2b6cbp-28, 0x1.0fd9d5cp-7, 0x1.27be9eaff8929p-40},
    {0x1.fffd5ccp-1, 0x1.9b056221eeaa2p-28, 0x1.9fb48d8p-8, 0x1.02e6c9319597cp-36},
    {0x1.fffebc8p-1, 0x1.4195094e60ab2p-28, 0x1.1fb5078p-8, 0x1.909f060fa866p-35},
    {0x1.ffff9c4p-1, 0x1.d5816aba7e5aap-29, 0x1.3f6a73cp-9, 0x1.ae3a01f7e7fb3p-38},
    {0x1.fffffcp-1, 0x1.2991f819e2c75p-29, 0x1.fb5442cp-12, 0x1.0825489879e86p-39},
    {0x1.ffffdbcp-1, 0x1.f77396fb1428p-31, -0x1.812ae5cp-10, -0x1.fa4d08a2c902p-38},
    {0x1.ffff3b4p-1, 0x1.e971af49dc6a4p-28, -0x1.c0953ep-9, -0x1.669aa7f362d1fp-37},
    {0x1.fffe1bp-1, 0x1.959346a4e2318p-28, -0x1.604a4c8p-8, -0x1.7b3bd3b393ef5p-37},
    {0x1.fffc7acp-1, 0x1.4593cddc0ae9ap-28, -0x1.e049a1cp-8, -0x1.cf6cd5ec4535dp-35},
    {0x1.fffa5a8p-1, 0x1.f967b1bbb8b49p-29, -0x1.30243f8p-7, -0x1.566d6310d7d6bp-34},
    {0x1.fff7ba4p-1, 0x1.7e67f3974c198p-29, -0x1.7023624p-7, -0x1.f2c6c6f5ac37cp-36},
    {0x1.fff49ap-1, 0x1.24a97fd2b9925p-29, -0x1.b02228cp-7, -0x1.5c40b80c346d9p-34},
    {0x1.fff0f9cp-1, 0x1.f15ad935db32p-30, -0x1.f020834p-7, -0x1.f78fe8b708866p-34},
    {0x1.ffecd98p-1, 0x1.08f4c4a19216dp-29, -0x1.180f31p-6, -0x1.47b31e0cc3dcdp-36},
    {0x1.ffe8394p-1, 0x1.6600837ccbcb4p-29, -0x1.380dda4p-6, -0x1.be73a1b583554p-36},
    {0x1.ffe319p-1, 0x1.1128c8c37dbe3p-28, -0x1.580c358p-6, -0x1.57f7ba5e94214p-36},
    {0x1.ffdd78cp-1, 0x1.a9345f9f41fc7p-28, -0x1.780a3acp-6, -0x1.74b15e2a1bc1cp-39},
    {0x1.ffd758cp-1, 0x1.0cc6c02596142p-29, -0x1.9807e1cp-6, -0x1.cc40bd4873968p-33},
    {0x1.ffd0b88p-1, 0x1.b4f6129101f1ap-28, -0x1.b80523p-6, -0x1.82fbc25c00374p-33},
    {0x1.ffc9988p-1, 0x1.422cab2e8e524p-28, -0x1.d801f64p-6, -0x1.2f82bc3c97281p-33},
    {0x1.ffc1f88p-1, 0x1.3c474651c96c1p-28, -0x1.f7fe538p-6, -0x1.b06129f7dd533p-34},
    {0x1.ffb9d88p-1, 0x1.b285e522b719ep-28, -0x1.0bfd194p-5, -0x1.42261bce8d4a9p-32},
    {0x1.ffb138cp-1, 0x1.6a50d3760b363p-29, -0x1.1bfac6p-5, -0x1.e0c47213e27f6p-36},
    {0x1.ffa819p-1, 0x1.55ba4c58548cep-30, -0x1.2bf82b8p-5, -0x1.0472400e597c6p-32},
    {0x1.ff9e794p-1, 0x1.4b2ff18210642p-29, -0x1.3bf546p-5, -0x1.fa8d778b46292p-32},
    {0x1.ff94598p-1, 0x1.b8e4064addc8ap-28, -0x1.4bf211cp-5, -0x1.06295a9cfb80ap-32},
    {0x1.ff89bap-1, 0x1.a391f674969fp-28, -0x1.5bee8a8p-5, -0x1.6d7a8727db11cp-35},
    {0x1.ff7e9acp-1, 0x1.eb8338859a3d5p-30, -0x1.6beaacp-5, -0x1.782ebb06cdaf7p-32},
    {0x1.ff72fb8p-1, 0x1.543d5c1bcde4ap-30, -0x1.7be672cp-5, -0x1.dac9e1c7fb041p-33},
    {0x1.ff66dc4p-1, 0x1.495c1a1da2f1bp-28, -0x1.8be1da8p-5, -0x1.2b8a7f593126ap-33},
    {0x1.ff5a3d4p-1, 0x1.700559d0f824bp-28, -0x1.9bdcdf4p-5, -0x1.ea039f08c5429p-34},
    {0x1.ff4d1e8p-1, 0x1.c49217e006b42p-29, -0x1.abd77dp-5, -0x1.4b1e34d6c8493p-33},
    {0x1.ff3f7fcp-1, 0x1.ba64d35de4a39p-28, -0x1.bbd1afcp-5, -0x1.21b4f755e088p-32},
    {0x1.ff31618p-1, 0x1.395f9826346ffp-32, -0x1.cbcb738p-5, -0x1.fa8d89e4f67a3p-32},
    {0x1.ff22c34p-1, 0x1.432cef53711a8p-33, -0x1.dbc4c48p-5, -0x1.3c91c64aa90dp-32},
    {0x1.ff13a5p-1, 0x1.bb2b9f09c48a5p-28, -0x1.ebbd9e8p-5, -0x1.ea410cd28d7c5p-33},
    {0x1.ff04074p-1, 0x1.4508b34a0fffbp-28, -0x1.fbb5fd8p-5, -0x1.3286867b88661p-32},
    {0x1.fef3e9cp-1, 0x1.8dd8823b4b247p-29, -0x1.05d6eecp-4, -0x1.020330c09bc89p-31},
    {0x1.fee34c8p-1, 0x1.84459d7eef436p-30, -0x1.0dd29d4p-4, -0x1.bcf046b72e95p-31},
    {0x1.fed22f8p-1, 0x1.a595f6ae85263p-31, -0x1.15ce088p-4, -0x1.a55b571af9674p-32},
    {0x1.fec092cp-1, 0x1.902947840d30ap-30, -0x1.1dc92e4p-4, -0x1.3195bbe28c036p-33},
    {0x1.feae764p-1, 0x1.125193ef91ef9p-28, -0x1.25c40c8p-4, -0x1.9e643d620f1eep-34},
    {0x1.fe9bda4p-1, 0x1.8f0562b9f3d55p-30, -0x1.2dbea14p-4, -0x1.264da1da54b2dp-32},
    {0x1.fe88be8p-1, 0x1.f6472bed491a8p-30, -0x1.35b8ea8p-4, -0x1.754b080051daep-31},
    {0x1.fe7523p-1, 0x1.85fa639622c9bp-28, -0x1.3db2e68p-4, -0x1.cb4d92ea1b8c1p-32},
    {0x1.fe6108p-1, 0x1.a431df93a464dp-28, -0x1.45ac93p-4, -0x1.e0851c932de6cp-32},
    {0x1.fe4c6d8p-1, 0x1.006e368f82ed4p-28, -0x1.4da5eep-4, -0x1.a1c5a8e8d6312p-31},
    {0x1.fe37534p-1, 0x1.c3e4909ee2765p-28, -0x1.559ef5cp-4, -0x1.077a42007a64p-31},
    {0x1.fe21b9cp-1, 0x1.8c93c0315829bp-32, -0x1.5d97a8p-4, -0x1.2f51552e59185p-31},
    {0x1.fe0ba08p-1, 0x1.527d14e44d615p-31, -0x1.659003p-4, -0x1.3f356c20d2bd1p-34},
    {0x1.fdf507cp-1, 0x1.2551f8ef6b2fcp-31, -0x1.6d88048p-4, -0x1.09c3c06145262p-40},
    {0x1.fdddef8p-1, 0x1.a8548ffc8c513p-31, -0x1.757faa8p-4, -0x1.9252a2363bf09p-32},
    {0x1.fdc657cp-1, 0x1.13422c6612f06p-29, -0x1.7d76f34p-4, -0x1.25103c100dc09p-32},
    {0x1.fdae408p-1, 0x1.519d35970c962p-28, -0x1.856ddc8p-4, -0x1.6e102b4794769p-31},
    {0x1.fd95aap-1, 0x1.7a5a7a57382f6p-29, -0x1.8d64648p-4, -0x1.6def16ec26855p-31},
    {0x1.fd7c94p-1, 0x1.fafca20cdffd6p-29, -0x1.955a894p-4, -0x1.4a2a6bdcad86cp-32},
    {0x1.fd62fecp-1, 0x1.12f1801eb95c8p-30, -0x1.9d50488p-4, -0x1.27398f70ce59fp-31},
    {0x1.fd48eap-1, 0x1.8c242e9ddf83dp-29, -0x1.a545a08p-4, -0x1.08ddd7d26ee0cp-31},
    {0x1.fd2e56p-1, 0x1.6b51aae128e2ap-29, -0x1.ad3a8f4p-4, -0x1.7d49ae3740322p-33},
    {0x1.fd1342cp-1, 0x1.22a275adb325bp-30, -0x1.b52f128p-4, -0x1.40ba49e513574p-31},
    {0x1.fcf7bp-1, 0x1.b538095eb8e74p-28, -0x1.bd23288p-4, -0x1.c40f0f590ef8p-31},
    {0x1.fcdb9e4p-1, 0x1.327c3d0082613p-28, -0x1.c516cf8p-4, -0x1.24efead18bdf5p-39},
    {0x1.fcbf0d4p-1, 0x1.f131afa8a746p-29, -0x1.cd0a05p-4, -0x1.0aeb1267fe045p-35},
    {0x1.fca1fdp-1, 0x1.40afe7225057cp-28, -0x1.d4fcc74p-4, -0x1.88347ed1cb6d6p-36},
    {0x1.fc846dcp-1, 0x1.13875ebac98f8p-30, -0x1.dcef144p-4, -0x1.cb33c7caf1d11p-36},
    {0x1.fc665f4p-1, 0x1.01359cc6bc07dp-30, -0x1.e4e0eap-4, -0x1.92e7a1d88c57cp-34},
    {0x1.fc47d18p-1, 0x1.6f0f958fc7a31p-28, -0x1.ecd2468p-4, -0x1.2940e35447443p-32},
    {0x1.fc28c5p-1, 0x1.c872ba5148c43p-33, -0x1.f4c327cp-4, -0x1.526b52b3de467p-31},
    {0x1.fc09394p-1, 0x1.700afb87141b3p-30, -0x1.fcb38cp-4, -0x1.13f679332da69p-32},
    {0x1.fbe92e8p-1, 0x1.2ec8f7fa616ccp-29, -0x1.0251b88p-3, -0x1.6a20d898a43cep-33},
    {0x1.fbc8a4cp-1, 0x1.007e3cf696601p-28, -0x1.06496a4p-3, -0x1.72244feff027p-30},
    {0x1.fba79cp-1, 0x1.d863662c73a9ep-28, -0x1.0a40dacp-3, -0x1.21d4afeb28907p-33},
    {0x1.fb86148p-1, 0x1.612540452213dp-28, -0x1.0e38088p-3, -0x1.5299ac14e962cp-32},
    {0x1.fb640ep-1, 0x1.ddd2e7aa85265p-28, -0x1.122ef2cp-3, -0x1.50c6d390d49e6p-34},
    {0x1.fb4188cp-1, 0x1.92793bc643b15p-28, -0x1.1625984p-3, -0x1.779856c91f546p-30},
    {0x1.fb1e84cp-1, 0x1.88459bfd2099p-29, -0x1.1a1bf88p-3, -0x1.1dfdf2b2b9dp-31},
    {0x1.fafb01cp-1, 0x1.b8d7d0738559cp-28, -0x1.1e1212p-3, -0x1.6e8039541e7b1p-30},
    {0x1.fad7004p-1, 0x1.6f3c08fa31b56p-29, -0x1.2207e44p-3, -0x1.4f4848d126f5ap-33},
    {0x1.fab28p-1, 0x1.0f151d358f215p-33, -0x1.25fd6dcp-3, -0x1.ab2ac81ea42d2p-31},
    {0x1.fa8d80cp-1, 0x1.f46867fd3e337p-28, -0x1.29f2adcp-3, -0x1.867249839ff02p-30},
    {0x1.fa68034p-1, 0x1.8ad68a627c5bp-29, -0x1.2de7a38p-3, -0x1.47fedddf56805p-32},
    {0x1.fa4207p-1, 0x1.8cf9156a1c689p-29, -0x1.31dc4d8p-3, -0x1.4e52a53d7db41p-30},
    {0x1.fa1b8c4p-1, 0x1.0e52dabcbe59p-30, -0x1.35d0ab4p-3, -0x1.242dfbe33b622p-31},
    {0x1.f9f492cp-1, 0x1.89a9683f23ff2p-28, -0x1.39c4bb8p-3, -0x1.a48cd68d85fe3p-33},
    {0x1.f9cd1bp-1, 0x1.cd5a98800c2cep-29, -0x1.3db87d4p-3, -0x1.3688f5a99b461p-32},
    {0x1.f9a524cp-1, 0x1.53201397bd61cp-29, -0x1.41abef8p-3, -0x1.eb8b133f53648p-31},
    {0x1.f97cbp-1, 0x1.223e2e7fbb72ep-28, -0x1.459f118p-3, -0x1.185bfe35a6168p-32},
    {0x1.f953bdp-1, 0x1.4342350117a7ep-29, -0x1.4991e2p-3, -0x1.614bd502c8dafp-32},
    {0x1.f92a4b8p-1, 0x1.799eec40c9816p-28, -0x1.4d846p-3, -0x1.46d890488b6c9p-30},
    {0x1.f9005bcp-1, 0x1.fd1a6c06f12edp-28, -0x1.51768acp-3, -0x1.2cabbf1e249ebp-30},
    {0x1.f8d5eep-1, 0x1.ffcbdcd343cc2p-30, -0x1.5568614p-3, -0x1.2bb9931e77828p-33},
    {0x1.f8ab01cp-1, 0x1.57046b4fb15f8p-28, -0x1.5959e24p-3, -0x1.363957e91a082p-32},
    {0x1.f87f978p-1, 0x1.b04e2192bd203p-29, -0x1.5d4b0ccp-3, -0x1.c1ef49ebccf4ap-30},
    {0x1.f853afp-1, 0x1.5a2f858a16811p-28, -0x1.613be04p-3, -0x1.4089b6592dc4fp-31},
    {0x1.f827488p-1, 0x1.34eea73b6208ep-28, -0x1.652c5b4p-3, -0x1.06e87c300e1f8p-30},
    {0x1.f7fa64p-1, 0x1.8262faa7bbc59p-29, -0x1.691c7dp-3, -0x1.14e43d526a9a1p-30},
    {0x1.f7cd018p-1, 0x1.63048b8fe51ebp-30, -0x1.6d0c448p-3, -0x1.d3e98a2c47852p-31},
    {0x1.f79f21p-1, 0x1.598ac08ebe869p-30, -0x1.70fbb0cp-3, -0x1.4d16906978d53p-31},
    {0x1.f770c28p-1, 0x1.15d723c142f7p-28, -0x1.74eac0cp-3, -0x1.af3e0609ac5c7p-32},
    {0x1.f741e64p-1, 0x1.e7b697e1f9724p-29, -0x1.78d9738p-3, -0x1.6e86a69083335p-32},
    {0x1.f7128c4p-1, 0x1.389ebcf7eacb9p-30, -0x1.7cc7c8p-3, -0x1.3138dd2ee0d33p-31},
    {0x1.f6e2b44p-1, 0x1.8370751c0de3p-28, -0x1.80b5bd4p-3, -0x1.4616eb0bd8a87p-30},
    {0x1.f6b25ecp-1, 0x1.e6ca9c75623a9p-29, -0x1.84a3528p-3, -0x1.104d3b19e5f46p-31},
    {0x1.f6818b8p-1, 0x1.fd62b9323abc8p-29, -0x1.8890868p-3, -0x1.0742befa12cfdp-31},
    {0x1.f6503acp-1, 0x1.bec6d6e073199p-34, -0x1.8c7d584p-3, -0x1.5e1f5bdf95c0dp-30},
    {0x1.f61e6c4p-1, 0x1.bb91198595c4ep-30, -0x1.9069c7p-3, -0x1.3dfd05f32c61p-30},
    {0x1.f5ec204p-1, 0x1.3413833a7189dp-29, -0x1.9455d1cp-3, -0x1.29743e6953a84p-32},
    {0x1.f5b956cp-1, 0x1.da07005a3a6cfp-29, -0x1.9841774p-3, -0x1.5654bf25a6a85p-31},
    {0x1.f5860fcp-1, 0x1.cd646b34e8ea7p-28, -0x1.9c2cb6cp-3, -0x1.12340ef5c7921p-31},
    {0x1.f5524b8p-1, 0x1.a1ba48796cf94p-28, -0x1.a0178f4p-3, -0x1.b5a7347d7901ap-35},
    {0x1.f51e0ap-1, 0x1.a31b417a090dap-29, -0x1.a401ff8p-3, -0x1.63333eb2231e9p-30},
    {0x1.f4e94bp-1, 0x1.c561a5dd731cp-28, -0x1.a7ec07p-3, -0x1.6996d6116e996p-31},
    {0x1.f4b40fp-1, 0x1.cd6831663174fp-29, -0x1.abd5a48p-3, -0x1.7338a00f5fd89p-33},
    {0x1.f47e55cp-1, 0x1.3ffa5d630466bp-29, -0x1.afbed6cp-3, -0x1.fccb84f2bb349p-30},
    {0x1.f4481f4p-1, 0x1.5caf77495c582p-28, -0x1.b3a79d8p-3, -0x1.364fcfe5e0876p-32},
    {0x1.f4116bcp-1, 0x1.8937c10bd0aep-28, -0x1.b78ff7p-3, -0x1.4f337696f713fp-30},
    {0x1.f3da3b4p-1, 0x1.92fcfe8f5259ep-28, -0x1.bb77e2cp-3, -0x1.30f6f611bdb77p-30},
    {0x1.f3a28dcp-1, 0x1.e8602b15e20cdp-28, -0x1.bf5f5fcp-3, -0x1.18391d15f2b8ap-33},
    {0x1.f36a638p-1, 0x1.f1785de99f8d4p-29, -0x1.c3466ccp-3, -0x1.59a9b1ac848ccp-32},
    {0x1.f331bc4p-1, 0x1.3465c3be01551p-28, -0x1.c72d08cp-3, -0x1.fd06ed329e801p-30},
    {0x1.f2f8984p-1, 0x1.0cab582ac4852p-28, -0x1.cb13334p-3, -0x1.49a465eded6bep-30},
    {0x1.f2bef78p-1, 0x1.e7a9e79068175p-29, -0x1.cef8ebp-3, -0x1.bfb8b433246a2p-32},
    {0x1.f284dap-1, 0x1.5d241a65363abp-28, -0x1.d2de2ecp-3, -0x1.a475228f10f41p-30},
    {0x1.f24a4p-1, 0x1.79a75e84394e7p-29, -0x1.d6c2fep-3, -0x1.1cb1a2e0862ffp-30},
    {0x1.f20f294p-1, 0x1.8817d801ebf41p-28, -0x1.daa7578p-3, -0x1.0f05797aaa56dp-30},
    {0x1.f1d3964p-1, 0x1.a8eefaea982d6p-31, -0x1.de8b3a4p-3, -0x1.b2bdd34c4202p-30},
    {0x1.f197868p-1, 0x1.3b0c179758f12p-28, -0x1.e26ea58p-3, -0x1.401530e5ff3fp-30},
    {0x1.f15afa8p-1, 0x1.1201bcb3c90a7p-28, -0x1.e65198p-3, -0x1.f035586bd70b3p-30},
    {0x1.f11df24p-1, 0x1.98b6b37b241f3p-31, -0x1.ea3411p-3, -0x1.fd39474a856dp-30},
    {0x1.f0e06d8p-1, 0x1.185c19f9e1202p-28, -0x1.ee160f8p-3, -0x1.a22f23b0c3baep-30},
    {0x1.f0a26ccp-1, 0x1.e6d65b8de448p-31, -0x1.f1f7928p-3, -0x1.1b1a2dcbb4b45p-30},
    {0x1.f063efcp-1, 0x1.c949f21ebec0cp-32, -0x1.f5d899p-3, -0x1.49e9618c1436ep-31},
    {0x1.f024f68p-1, 0x1.34839a816f8d1p-28, -0x1.f9b922p-3, -0x1.f6c7ce259e44dp-32},
    {0x1.efe5818p-1, 0x1.4cfa7a69078a3p-35, -0x1.fd992c8p-3, -0x1.c88052830d05cp-31},
    {0x1.efa5904p-1, 0x1.05c1f8519b42fp-28, -0x1.00bc5bcp-2, -0x1.0c4530d04f842p-29},
    {0x1.ef65234p-1, 0x1.7bbbc2477cb6bp-29, -0x1.02abe14p-2, -0x1.6de9e3926687cp-32},
    {0x1.ef243a4p-1, 0x1.abc7beb50b745p-28, -0x1.049b25cp-2, -0x1.f77d83ce46eabp-29},
    {0x1.eee2d5cp-1, 0x1.45454b5ab1b22p-30, -0x1.068a298p-2, -0x1.15f9522e11b67p-30},
    {0x1.eea0f54p-1, 0x1.3143f16cb51e1p-28, -0x1.0878eb8p-2, -0x1.4673819de7cd4p-34},
    {0x1.ee5e994p-1, 0x1.9ec0bf779e27ep-29, -0x1.0a676b4p-2, -0x1.2f3d22ff4e539p-30},
    {0x1.ee1bc18p-1, 0x1.b05eb37908e85p-28, -0x1.0c55a88p-2, -0x1.58f7eabc6f44dp-31},
    {0x1.edd86e8p-1, 0x1.67b8c66f46227p-30, -0x1.0e43a28p-2, -0x1.69977c8b55106p-29},
    {0x1.ed949fcp-1, 0x1.52b52cf227a97p-28, -0x1.103159p-2, -0x1.f5b6e6d30908ep-29},
    {0x1.ed5055cp-1, 0x1.2250e47705c7p-28, -0x1.121ecbcp-2, -0x1.f2f2b10a30dp-33},
    {0x1.ed0b908p-1, 0x1.455585ac4c6b8p-30, -0x1.140bf9cp-2, -0x1.636a6eb04318cp-34},
    {0x1.ecc64fcp-1, 0x1.694d552fa2024p-28, -0x1.15f8e28p-2, -0x1.df1f79933121bp-29},
    {0x1.ec8094p-1, 0x1.e973edc808b99p-29, -0x1.17e586p-2, -0x1.c169bcf25b8f4p-29},
    {0x1.ec3a5dp-1, 0x1.7f12e0c53e7d7p-28, -0x1.19d1e38p-2, -0x1.d8b3398740364p-29},
    {0x1.ebf3abp-1, 0x1.94c5ed5021555p-28, -0x1.1bbdfacp-2, -0x1.3103f80d94e85p-31},
    {0x1.ebac7ep-1, 0x1.c3371425d48f9p-28, -0x1.1da9cacp-2, -0x1.43e502044f3f5p-29},
    {0x1.eb64d64p-1, 0x1.31808d65b2cb4p-29, -0x1.1f95538p-2, -0x1.cffe383dfcc89p-30},
    {0x1.eb1cb38p-1, 0x1.496299311e042p-29, -0x1.2180944p-2, -0x1.617df7c7f37cp-29},
    {0x1.ead416p-1, 0x1.dd3e7f65055c5p-30, -0x1.236b8ccp-2, -0x1.b3c0162f00255p-30},
    {0x1.ea8afdcp-1, 0x1.43ac918d96bcfp-29, -0x1.25563c4p-2, -0x1.7b348c6a23c92p-29},
    {0x1.ea416acp-1, 0x1.b675b9b3d5c6bp-28, -0x1.2740a28p-2, -0x1.701c67dcb9a1p-29},
    {0x1.e9f75d8p-1, 0x1.214ea99eec84cp-30, -0x1.292abfp-2, -0x1.c79669486fb1p-30},
    {0x1.e9acd58p-1, 0x1.d715e6aa35698p-29, -0x1.2b14914p-2, -0x1.0415206280eb3p-36},
    {0x1.e961d34p-1, 0x1.a95b44991931fp-31, -0x1.2cfe188p-2, -0x1.ee5e2b17ca0fep-30},
    {0x1.e916568p-1, 0x1.767369333c736p-29, -0x1.2ee7548p-2, -0x1.f0314da180de1p-29},
    {0x1.e8ca5f8p-1, 0x1.14af32bfc6fc4p-28, -0x1.30d045p-2, -0x1.1a96a8a38b9f5p-29},
    {0x1.e87dee4p-1, 0x1.d979c97df3b7cp-28, -0x1.32b8e94p-2, -0x1.48fce0b00fdb4p-30},
    {0x1.e83103p-1, 0x1.a27bc4721d1f3p-28, -0x1.34a140cp-2, -0x1.7940ad4260d08p-30},
    {0x1.e7e39dcp-1, 0x1.098bae274c32fp-28, -0x1.36894bp-2, -0x1.924d69cf861c6p-29},
    {0x1.e795be8p-1, 0x1.52e8533ff0d6fp-29, -0x1.387107cp-2, -0x1.557108cd87daap-29},
    {0x1.e747654p-1, 0x1.1df3cba35fc6ap-28, -0x1.3a58768p-2, -0x1.b48eb926ab37ap-32},
    {0x1.e6f8924p-1, 0x1.03bcf3cde265fp-28, -0x1.3c3f968p-2, -0x1.9b4ac3720606ep-31},
    {0x1.e6a9458p-1, 0x1.f0eb4ac8d6f05p-29, -0x1.3e26678p-2, -0x1.7f39e3055d20dp-33},
    {0x1.e6597fp-1, 0x1.9ab75feaf13a5p-28, -0x1.400ce8cp-2, -0x1.7c52c720cbc3ep-29},
    {0x1.e6093fp-1, 0x1.8a0ef77e15ea2p-28, -0x1.41f31a4p-2, -0x1.8ddacdb6faeb6p-30},
    {0x1.e5b8858p-1, 0x1.66fc6ceff393ep-28, -0x1.43d8fb4p-2, -0x1.5b05f7de8eddep-32},
    {0x1.e567528p-1, 0x1.d2f2c5a81cb37p-28, -0x1.45be8bp-2, -0x1.ddeb0aa3a748ap-29},
    {0x1.e515a64p-1, 0x1.7057e346dbb1ep-28, -0x1.47a3c9cp-2, -0x1.36c716bbf9562p-33},
    {0x1.e4c380cp-1, 0x1.c508b61776ac3p-29, -0x1.4988b64p-2, -0x1.0167fa2bb12c2p-29},
    {0x1.e470e2p-1, 0x1.9b8699fec49c9p-29, -0x1.4b6d508p-2, -0x1.bc08fb324088dp-30},
    {0x1.e41dcap-1, 0x1.d7523ae0cc095p-28, -0x1.4d5197cp-2, -0x1.e00d98be03a8ap-29},
    {0x1.e3ca394p-1, 0x1.4ac1bdabd245bp-29, -0x1.4f358cp-2, -0x1.f7a4fa2dc33a1p-32},
    {0x1.e3762f4p-1, 0x1.df1101dfb1b7ep-28, -0x1.51192c4p-2, -0x1.968c6d053ee41p-32},
    {0x1.e321accp-1, 0x1.63b2908da0276p-31, -0x1.52fc78p-2, -0x1.f463fafe438bdp-29},
    {0x1.e2ccb14p-1, 0x1.b4b1c4694e0cbp-31, -0x1.54df6f4p-2, -0x1.bd140b1d1a4a5p-29},
    {0x1.e2773dp-1, 0x1.4ecf5e7f3d72cp-29, -0x1.56c2114p-2, -0x1.c6f35ff0ca463p-29},
    {0x1.e221504p-1, 0x1.4e98b32999983p-31, -0x1.58a45dcp-2, -0x1.32f82c764e087p-31},
    {0x1.e1caeacp-1, 0x1.69b209ce84c55p-28, -0x1.5a8653cp-2, -0x1.89db7f494e652p-29},
    {0x1.e1740dp-1, 0x1.13cf35ea48482p-28, -0x1.5c67f34p-2, -0x1.ba5f81418a0afp-29},
    {0x1.e11cb6cp-1, 0x1.d5e62c929f9f1p-28, -0x1.5e493bcp-2, -0x1.1b0b18f6960b6p-29},
    {0x1.e0c4e88p-1, 0x1.7a8ce678d8aa3p-30, -0x1.602a2c8p-2, -0x1.e94d824b3b79fp-29},
    {0x1.e06ca1cp-1, 0x1.5da337352ebb2p-28, -0x1.620ac58p-2, -0x1.8d1476e3a3a6ep-31},
    {0x1.e013e3p-1, 0x1.837361e9edf1bp-28, -0x1.63eb05cp-2, -0x1.8f80c1902a991p-30},
    {0x1.dfbaac4p-1, 0x1.81912c95cc05ep-28, -0x1.65caedp-2, -0x1.563ec65c9d8f3p-29},
    {0x1.df60fdcp-1, 0x1.4d427f371f9bdp-33, -0x1.67aa7bp-2, -0x1.3bc6fb57837fep-31},
    {0x1.df06d7p-1, 0x1.d15b7222de66dp-28, -0x1.6989aecp-2, -0x1.f2bda0025f96dp-29},
    {0x1.deac38cp-1, 0x1.8ab2519349caap-28, -0x1.6b68888p-2, -0x1.067529cd4186p-30},
    {0x1.de5122cp-1, 0x1.ebab402eaaf62p-28, -0x1.6d47074p-2, -0x1.0ad6355c89b13p-31},
    {0x1.ddf5954p-1, 0x1.aa7221eb31767p-28, -0x1.6f252a8p-2, -0x1.74312d6518a0bp-29},
    {0x1.dd99904p-1, 0x1.7e220346948dbp-28, -0x1.7102f24p-2, -0x1.6d9af276fdd07p-31},
    {0x1.dd3d14p-1, 0x1.ec4eb7f510763p-32, -0x1.72e05d8p-2, -0x1.3cc7151c04224p-29},
    {0x1.dce0204p-1, 0x1.154eba48a179ep-30, -0x1.74bd6c4p-2, -0x1.75ee49b126365p-31},
    {0x1.dc82b54p-1, 0x1.576b7df7d9692p-29, -0x1.769a1dcp-2, -0x1.b380210631a02p-36},
    {0x1.dc24d34p-1, 0x1.981fe7f4a5557p-33, -0x1.7876718p-2, -0x1.d49a23fcacd8p-31},
    {0x1.dbc67ap-1, 0x1.243993311639ap-28, -0x1.7a5267p-2, -0x1.fa12a40c96ee9p-29},
    {0x1.db67aap-1, 0x1.5da36207736eep-29, -0x1.7c2dfe4p-2, -0x1.b48008085ff64p-30},
    {0x1.db0863p-1, 0x1.6a29721e3245fp-28, -0x1.7e09364p-2, -0x1.5e8084ab94b3cp-29},
    {0x1.daa8a58p-1, 0x1.4cea3b245f628p-32, -0x1.7fe40ecp-2, -0x1.d06418bfa574cp-29},
    {0x1.da4871p-1, 0x1.6e3c97196bf9cp-28, -0x1.81be878p-2, -0x1.e8e6de420bf03p-31},
    {0x1.d9e7c64p-1, 0x1.b6df8fafca60bp-31, -0x1.83989f8p-2, -0x1.a7104a6dcba3p-29},
    {0x1.d986a4cp-1, 0x1.30027e18f84a1p-28, -0x1.857256cp-2, -0x1.a2b799e2dc195p-29},
    {0x1.d9250dp-1, 0x1.1bf2f92cb73fdp-28, -0x1.874baccp-2, -0x1.73827585b0a39p-30},
    {0x1.d8c2ffp-1, 0x1.7bb9c8483402p-29, -0x1.8924a0cp-2, -0x1.39817b04415e7p-29},
    {0x1.d8607acp-1, 0x1.b3b8a4dd7560bp-29, -0x1.8afd328p-2, -0x1.70104e6bdd047p-29},
    {0x1.d7fd808p-1, 0x1.a7cdc78f2f4a5p-31, -0x1.8cd5618p-2, -0x1.ac4a3b06b3de1p-29},
    {0x1.d79a1p-1, 0x1.9529bcc67e8d5p-28, -0x1.8ead2d8p-2, -0x1.ee8a2b9757576p-32},
    {0x1.d73629cp-1, 0x1.c14d01bbd585cp-28, -0x1.9084958p-2, -0x1.750ddcf73d7d6p-29},
    {0x1.d6d1cdcp-1, 0x1.812ff89f81d8ep-28, -0x1.925b998p-2, -0x1.a32fc768dc7ebp-29},
    {0x1.d66cfcp-1, 0x1.9d8aad4a45815p-28, -0x1.943239p-2, -0x1.1a2f0cdf7810ep-29},
    {0x1.d607b4cp-1, 0x1.c00128e417064p-29, -0x1.9608738p-2, -0x1.666719b9c5033p-32},
    {0x1.d5a1f8p-1, 0x1.32059410bcb4cp-32, -0x1.97de484p-2, -0x1.2e9499606c865p-29},
    {0x1.d53bc5cp-1, 0x1.31d55910b9a42p-35, -0x1.99b3b74p-2, -0x1.cf7209f2bd996p-31},
    {0x1.d4d51ep-1, 0x1.7a2f08b260119p-28, -0x1.9b88bfcp-2, -0x1.471b832542055p-31},
    {0x1.d46e014p-1, 0x1.47d19107f4cfp-28, -0x1.9d5d614p-2, -0x1.1e42d056bd425p-29},
    {0x1.d4066f8p-1, 0x1.cc265ff300367p-31, -0x1.9f319b8p-2, -0x1.300d318cb557ap-29},
    {0x1.d39e688p-1, 0x1.1e6c78d81446ep-28, -0x1.a1056ep-2, -0x1.bd6326f61b6e7p-30},
    {0x1.d335eccp-1, 0x1.8d2cb40b0f267p-29, -0x1.a2d8d84p-2, -0x1.05163bed8ff43p-30},
    {0x1.d2ccfc4p-1, 0x1.7d0090e1efaa3p-35, -0x1.a4abd9cp-2, -0x1.d315ee0d0e1e3p-31},
    {0x1.d26396cp-1, 0x1.a5789ab483bep-28, -0x1.a67e72p-2, -0x1.0f5dc3074e15fp-29},
    {0x1.d1f9bdp-1, 0x1.01b97373d0ae7p-29, -0x1.a850a0cp-2, -0x1.5a46c29bb2273p-30},
    {0x1.d18f6e8p-1, 0x1.68da22efd5c24p-28, -0x1.aa22654p-2, -0x1.a9b902521997cp-29},
    {0x1.d124abcp-1, 0x1.320d97e902f06p-28, -0x1.abf3bf8p-2, -0x1.8655e95b62233p-31},
    {0x1.d0b974cp-1, 0x1.63f943cb94c78p-29, -0x1.adc4ae8p-2, -0x1.3204aec8b8b14p-29},
    {0x1.d04dc98p-1, 0x1.7e2ab8e591f7dp-29, -0x1.af95324p-2, -0x1.e4a1fbace22fep-31},
    {0x1.cfe1aa4p-1, 0x1.8571fe6ac1852p-31, -0x1.b1654ap-2, -0x1.2bf358a06b365p-30},
    {0x1.cf7516cp-1, 0x1.df05eb0df121cp-28, -0x1.b334f54p-2, -0x1.e848c319b72d7p-29},
    {0x1.cf080fcp-1, 0x1.4685dc310be26p-29, -0x1.b50434p-2, -0x1.a17e040b8cff5p-30},
    {0x1.ce9a94cp-1, 0x1.57739352deebap-28, -0x1.b6d3054p-2, -0x1.b0df42441a38ep-29},
    {0x1.ce2ca64p-1, 0x1.ad1b524212239p-29, -0x1.b8a169p-2, -0x1.d60dbe2ab6966p-30},
    {0x1.cdbe44p-1, 0x1.fc6e4b27e3a37p-28, -0x1.ba6f5e8p-2, -0x1.c4dd3a6792a2dp-30},
    {0x1.cd4f6e8p-1, 0x1.a5d9ab55da5b1p-28, -0x1.bc3ce54p-2, -0x1.fb2b9205048f6p-29},
    {0x1.cce025cp-1, 0x1.60f5b563b4322p-29, -0x1.be09fd4p-2, -0x1.346015298791ap-30},
    {0x1.cc70698p-1, 0x1.fae391f08dc91p-28, -0x1.bfd6a58p-2, -0x1.254c72583c2f7p-29},
    {0x1.cc003a8p-1, 0x1.922fe73fc5779p-30, -0x1.c1a2dep-2, -0x1.981cdd00dc1d8p-36},
    {0x1.cb8f984p-1, 0x1.9ba4e6729197dp-29, -0x1.c36ea5cp-2, -0x1.9b6abc6e26346p-29},
    {0x1.cb1e834p-1, 0x1.7fb5f2988f9c6p-32, -0x1.c539fdp-2, -0x1.59b09e397664p-31},
    {0x1.caacfb4p-1, 0x1.2530e66040adcp-28, -0x1.c704e2cp-2, -0x1.3b0cbefbdbdcfp-30},
    {0x1.ca3b00cp-1, 0x1.b10581aa1f164p-29, -0x1.c8cf56cp-2, -0x1.b5dbcb2a62ddfp-30},
    {0x1.c9c893cp-1, 0x1.5e5fcf3b94354p-32, -0x1.ca99588p-2, -0x1.79babd9471687p-29},
    {0x1.c955b4p-1, 0x1.c234c69ee32abp-28, -0x1.cc62e7cp-2, -0x1.cbd2a5bbc10c3p-30},
    {0x1.c8e2624p-1, 0x1.865c5bf314e2p-29, -0x1.ce2c03cp-2, -0x1.8c5b5d767b328p-29},
    {0x1.c86e9ep-1, 0x1.ff75edf7414b3p-28, -0x1.cff4ac4p-2, -0x1.dad8c6cd94d21p-29},
    {0x1.c7fa68p-1, 0x1.7a50cacd05a74p-30, -0x1.d1bce1p-2, -0x1.0042392b62921p-31},
    {0x1.c785bfcp-1, 0x1.91eabf1cc44e1p-29, -0x1.d384a1p-2, -0x1.2b99ada28528ep-29},
    {0x1.c710a5cp-1, 0x1.3f4ea8a00722p-31, -0x1.d54bec4p-2, -0x1.0df3fcefa8f01p-29},
    {0x1.c69b19cp-1, 0x1.65a5b6a5ea1e7p-28, -0x1.d712c24p-2, -0x1.62245a509f5b8p-31},
    {0x1.c6251c4p-1, 0x1.6d40afef51cdep-28, -0x1.d8d9224p-2, -0x1.7dad3ade4faf3p-29},
    {0x1.c5aead4p-1, 0x1.2ab5ba1ee9b4dp-28, -0x1.da9f0c4p-2, -0x1.e14066e786dfp-30},
    {0x1.c537cccp-1, 0x1.8ae2e0e8244e9p-28, -0x1.dc647f8p-2, -0x1.258e3681840e2p-29},
    {0x1.c4c07bp-1, 0x1.7b89074bb31e3p-28, -0x1.de297bcp-2, -0x1.23219361bc768p-30},
    {0x1.c448b8p-1, 0x1.eb4bac274f2bap-28, -0x1.dfee004p-2, -0x1.aaafa4e1043d6p-29},
    {0x1.c3d084p-1, 0x1.c9b0ae8cda8a6p-28, -0x1.e1b20dp-2, -0x1.cfc3294a36837p-30},
    {0x1.c357df4p-1, 0x1.c804783a750b3p-34, -0x1.e375a14p-2, -0x1.821ab90d07018p-30},
    {0x1.c2dec94p-1, 0x1.94e3c1c0c490bp-28, -0x1.e538bc8p-2, -0x1.af0a990b22a63p-29},
    {0x1.c26542cp-1, 0x1.652755afeb8fcp-28, -0x1.e6fb5ecp-2, -0x1.5d150bfbbfdbp-32},
    {0x1.c1eb4bcp-1, 0x1.abdf5234d12d5p-30, -0x1.e8bd87p-2, -0x1.6322d30883c2bp-30},
    {0x1.c170e4p-1, 0x1.9a4377cf88742p-28, -0x1.ea7f35p-2, -0x1.bc86625f7c36dp-29},
    {0x1.c0f60cp-1, 0x1.e7d96e8a58d8bp-28, -0x1.ec40688p-2, -0x1.c9255c107f563p-29},
    {0x1.c07ac4p-1, 0x1.25a680e74b9e2p-30, -0x1.ee0121p-2, -0x1.550766270766ep-29},
    {0x1.bfff0b8p-1, 0x1.b5846f56e817p-28, -0x1.efc15ep-2, -0x1.bd7760b9d7965p-30},
    {0x1.bf82e34p-1, 0x1.239a7bb336907p-28, -0x1.f1811fp-2, -0x1.cb90d5e49d0abp-30},
    {0x1.bf064bp-1, 0x1.8bfc649ce2852p-28, -0x1.f340638p-2, -0x1.eaaba6cc0b7c5p-29},
    {0x1.be8943p-1, 0x1.e7da8aca6fa64p-28, -0x1.f4ff2b8p-2, -0x1.bb70d550be61ep-31},
    {0x1.be0bcb8p-1, 0x1.3144d20eaa437p-28, -0x1.f6bd76p-2, -0x1.e99510387f808p-30},
    {0x1.bd8de48p-1, 0x1.8ca98b52be8d3p-30, -0x1.f87b42cp-2, -0x1.ffe1904117cc9p-29},
    {0x1.bd0f8ep-1, 0x1.e565ad9094dd7p-30, -0x1.fa3891cp-2, -0x1.4879d90299b53p-33},
    {0x1.bc90c84p-1, 0x1.c1fb83b6b967ap-30, -0x1.fbf561cp-2, -0x1.b81f3d6de4777p-29},
    {0x1.bc11934p-1, 0x1.4626405fb052bp-28, -0x1.fdb1b3p-2, -0x1.7108197d0d1cp-29},
    {0x1.bb91ef4p-1, 0x1.f8b94f03746d7p-28, -0x1.ff6d84cp-2, -0x1.c69fd606cea9bp-29},
    {0x1.bb11dc8p-1, 0x1.877fdae2b7fa9p-28, -0x1.00946b4p-1, -0x1.a0a17811a679bp-28},
    {0x1.ba915bp-1, 0x1.e53ef5eb7442bp-29, -0x1.0171d44p-1, -0x1.a9366e8a02625p-31},
    {0x1.ba106acp-1, 0x1.3b1b4f19d7776p-28, -0x1.024efc8p-1, -0x1.e60e505a92b9ep-28},
    {0x1.b98f0cp-1, 0x1.62d3bfd0c35fap-28, -0x1.032be48p-1, -0x1.f20e395583f07p-29},
    {0x1.b90d3fp-1, 0x1.b218f721bd08fp-30, -0x1.04088b8p-1, -0x1.b4417737eef9p-28},
    {0x1.b88b038p-1, 0x1.5bcd012bafb9bp-28, -0x1.04e4f1cp-1, -0x1.79bce9948ffbdp-30},
    {0x1.b8085ap-1, 0x1.351ec8bbafe29p-28, -0x1.05c1168p-1, -0x1.3ec444d5dbb8cp-28},
    {0x1.b785428p-1, 0x1.fb9d3164860c3p-29, -0x1.069cfap-1, -0x1.39edcf420e98cp-29},
    {0x1.b701bdp-1, 0x1.bc0b796d24e8ap-28, -0x1.07789bcp-1, -0x1.8280a8c6ef8cfp-29},
    {0x1.b67dcap-1, 0x1.db80d788e43dap-30, -0x1.0853fb8p-1, -0x1.f45d0b318f68ap-28},
    {0x1.b5f9694p-1, 0x1.b198cee6cb103p-31, -0x1.092f198p-1, -0x1.fe3521a07d6a4p-30},
    {0x1.b5749bp-1, 0x1.62d802224bac8p-35, -0x1.0a09f5p-1, -0x1.592ae4b8ac945p-29},
    {0x1.b4ef5f4p-1, 0x1.cc68ff5679d98p-29, -0x1.0ae48ep-1, -0x1.8b7d0dd5491b3p-29},
    {0x1.b469b64p-1, 0x1.eaf6ca68e7b3ap-28, -0x1.0bbee44p-1, -0x1.15d688e47a64bp-28},
    {0x1.b3e3a08p-1, 0x1.c5e497afe4eb2p-32, -0x1.0c98f78p-1, -0x1.e830ed5cc4fddp-28},
    {0x1.b35d1d8p-1, 0x1.0d2dd5e2c28e9p-29, -0x1.0d72c7cp-1, -0x1.88a708d30eea9p-28},
    {0x1.b2d62dcp-1, 0x1.b5347518f175cp-31, -0x1.0e4c54cp-1, -0x1.0e61f0f4a2ea6p-30},
    {0x1.b24ed14p-1, 0x1.d3661767c87a5p-31, -0x1.0f259ep-1, -0x1.97ae87bcf9e58p-30},
    {0x1.b1c708p-1, 0x1.a0a281398a3cfp-28, -0x1.0ffea38p-1, -0x1.e86fd311f6a67p-31},
    {0x1.b13ed28p-1, 0x1.78d9ea5301638p-28, -0x1.10d765p-1, -0x1.6f498d878bbb2p-32},
    {0x1.b0b630cp-1, 0x1.a6fc04fd3d7cdp-29, -0x1.11afe24p-1, -0x1.08723f815129ap-30},
    {0x1.b02d22cp-1, 0x1.83a4dac3e6e4cp-29, -0x1.12881bp-1, -0x1.0d8b5db50be55p-28},
    {0x1.afa3a8cp-1, 0x1.57cca6c7e8424p-30, -0x1.13600f4p-1, -0x1.919eb0fa94d11p-29},
    {0x1.af19c2cp-1, 0x1.45a8995830ad5p-29, -0x1.1437be8p-1, -0x1.c4001a67935dep-28},
    {0x1.ae8f71p-1, 0x1.78837ab2369c7p-29, -0x1.150f29p-1, -0x1.3efbb69168c4ap-30},
    {0x1.ae04b38p-1, 0x1.b6deef9a3efa3p-28, -0x1.15e64ep-1, -0x1.7a6e707b5aca1p-29},
    {0x1.ad798acp-1, 0x1.504d3e00a59fp-29, -0x1.16bd2d8p-1, -0x1.5e1ee7cc5ad21p-28},
    {0x1.acedf68p-1, 0x1.4cd512da18854p-29, -0x1.1793c78p-1, -0x1.096dba14e4053p-29},
    {0x1.ac61f7p-1, 0x1.91a652fd31851p-29, -0x1.186a1b8p-1, -0x1.0796ae86138f1p-29},
    {0x1.abd58c8p-1, 0x1.3afb862c04291p-31, -0x1.1940294p-1, -0x1.aeb45f9f2e292p-28},
    {0x1.ab48b6cp-1, 0x1.dae481c4eb989p-28, -0x1.1a15f1p-1, -0x1.6558d13f6f84dp-30},
    {0x1.aabb768p-1, 0x1.fa1ad37ab571dp-29, -0x1.1aeb72p-1, -0x1.b0436729dd282p-29},
    {0x1.aa2dcb8p-1, 0x1.50b5b483caeeep-29, -0x1.1bc0ac4p-1, -0x1.8014c6a0e7069p-28},
    {0x1.a99fb5cp-1, 0x1.f822e2980f4ebp-28, -0x1.1c959fcp-1, -0x1.4d7598b2dd2fep-29},
    {0x1.a91136p-1, 0x1.12151c48a95a1p-33, -0x1.1d6a4cp-1, -0x1.445a07e8faa03p-29},
    {0x1.a8824b8p-1, 0x1.f6a4231515fbdp-28, -0x1.1e3eb0cp-1, -0x1.c912f77207d9fp-28},
    {0x1.a7f2f74p-1, 0x1.c0639f6e6ae8ep-29, -0x1.1f12ce4p-1, -0x1.ca8b97c86b314p-30},
    {0x1.a76338cp-1, 0x1.e3e26e6c5f25bp-28, -0x1.1fe6a3cp-1, -0x1.ed445bce9157cp-29},
    {0x1.a6d310cp-1, 0x1.0995c2593b9f7p-31, -0x1.20ba314p-1, -0x1.ad65b72550187p-28},
    {0x1.a6427ecp-1, 0x1.70e62ffb9de16p-29, -0x1.218d76cp-1, -0x1.dfa4b997bf46cp-29},
    {0x1.a5b1834p-1, 0x1.958ec35c52611p-29, -0x1.226073cp-1, -0x1.175d570d5cd38p-28},
    {0x1.a5201e4p-1, 0x1.7a268abca942p-28, -0x1.2333284p-1, -0x1.f83293464f948p-30},
    {0x1.a48e5p-1, 0x1.e95a6142a5d84p-28, -0x1.240593cp-1, -0x1.7e77753435dd5p-28},
    {0x1.a3fc18cp-1, 0x1.3bff435fe7484p-28, -0x1.24d7b68p-1, -0x1.cf1a437c2a453p-30},
    {0x1.a369788p-1, 0x1.2d07aca7230c1p-29, -0x1.25a98fcp-1, -0x1.b9b4c33fbc4acp-28},
    {0x1.a2d66f4p-1, 0x1.1e28bd607c5a5p-28, -0x1.267b1fcp-1, -0x1.ac8f439922bc2p-28},
    {0x1.a242fd4p-1, 0x1.f900507d0c191p-28, -0x1.274c664p-1, -0x1.526c3bdfe6006p-29},
    {0x1.a1af23p-1, 0x1.37b94b3a74b0cp-30, -0x1.281d62cp-1, -0x1.0d1c9bd2ba6a3p-28},
    {0x1.a11aep-1, 0x1.44a7a8f094d2ep-28, -0x1.28ee154p-1, -0x1.3649acfd09f41p-28},
    {0x1.a08635p-1, 0x1.6c83c1ca61641p-34, -0x1.29be7d8p-1, -0x1.83584fd5b8225p-28},
    {0x1.9ff1218p-1, 0x1.ba63ce9df577dp-28, -0x1.2a8e9b8p-1, -0x1.4ddfe7207cf63p-30},
    {0x1.9f5ba64p-1, 0x1.8ce3745265c21p-28, -0x1.2b5e6ecp-1, -0x1.9b3fde0f730dap-34},
    {0x1.9ec5c34p-1, 0x1.504f0a94318fcp-29, -0x1.2c2df7p-1, -0x1.f921f9a33e7cdp-29},
    {0x1.9e2f788p-1, 0x1.bfb1a3a9f3e7ep-31, -0x1.2cfd344p-1, -0x1.96d33cf0f2c8ep-28},
    {0x1.9d98c6p-1, 0x1.68e5179d0d391p-28, -0x1.2dcc268p-1, -0x1.b5c90f41b3a32p-31},
    {0x1.9d01ac4p-1, 0x1.6858dc3e5dd61p-28, -0x1.2e9acdp-1, -0x1.3e5e8c5d5c709p-28},
    {0x1.9c6a2b4p-1, 0x1.6484fc3081e32p-28, -0x1.2f6928p-1, -0x1.1076430350c2ap-28},
    {0x1.9bd2434p-1, 0x1.18d6e430cd82cp-29, -0x1.3037374p-1, -0x1.04a59ed457182p-32},
    {0x1.9b39f44p-1, 0x1.fb8db50311dafp-33, -0x1.3104fa4p-1, -0x1.4379337856b5cp-29},
    {0x1.9aa13e4p-1, 0x1.1f7607aab7cf1p-28, -0x1.31d271p-1, -0x1.2946e6a63de55p-28},
    {0x1.9a0821cp-1, 0x1.d947ebb9e99cfp-29, -0x1.329f9b8p-1, -0x1.7f74eb10f9c14p-33},
    {0x1.996e9ecp-1, 0x1.533e7d244794ap-29, -0x1.336c79p-1, -0x1.af862bb24759fp-28},
    {0x1.98d4b54p-1, 0x1.896dec25fcf44p-28, -0x1.34390ap-1, -0x1.e8ac4d6860e94p-30},
    {0x1.983a65cp-1, 0x1.7fc5807636e99p-29, -0x1.35054dcp-1, -0x1.a59168599302ap-29},
    {0x1.979fbp-1, 0x1.819ce6c64e9cfp-28, -0x1.35d1444p-1, -0x1.20d78085c608ep-28},
    {0x1.9704948p-1, 0x1.0407a8e6d084ap-28, -0x1.369ced4p-1, -0x1.cc6a6d60f5bb6p-28},
    {0x1.9669134p-1, 0x1.f5687e2dd57d7p-30, -0x1.376848cp-1, -0x1.3e2f5855fe34bp-28},
    {0x1.95cd2c4p-1, 0x1.2496e5e4e6de5p-28, -0x1.3833564p-1, -0x1.df6f6d6cc93d3p-28},
    {0x1.9530ep-1, 0x1.8c5e5d27f8145p-31, -0x1.38fe16p-1, -0x1.a0f8ccb37a96ep-32},
    {0x1.94942e4p-1, 0x1.b9a30e16aba13p-29, -0x1.39c8874p-1, -0x1.6242c0ef9ccd3p-30},
    {0x1.93f7178p-1, 0x1.7f2d9afc5584ap-30, -0x1.3a92aap-1, -0x1.0610508df1eaap-28},
    {0x1.93599b8p-1, 0x1.f4a7037627d94p-28, -0x1.3b5c7e4p-1, -0x1.1c91959b1bcb4p-29},
    {0x1.92bbbbp-1, 0x1.acb7e2d3a5bfp-29, -0x1.3c26038p-1, -0x1.5d91c55573e2bp-28},
    {0x1.921d75cp-1, 0x1.02adc66350c84p-30, -0x1.3cef39cp-1, -0x1.e0e094b8f397bp-28},
    {0x1.917ecbcp-1, 0x1.702022d7130bap-28, -0x1.3db821p-1, -0x1.0b91410d38e75p-29},
    {0x1.90dfbd8p-1, 0x1.a20db2aafa14ap-28, -0x1.3e80b88p-1, -0x1.ba7bc7e361a27p-28},
    {0x1.90404b4p-1, 0x1.4908df88da8e5p-32, -0x1.3f49008p-1, -0x1.edcac5fe202bfp-28},
    {0x1.8fa074cp-1, 0x1.a3645e94919f6p-34, -0x1.4010f8cp-1, -0x1.8f25965b6e118p-28},
    {0x1.8f003a4p-1, 0x1.6f6374102e11p-29, -0x1.40d8a1p-1, -0x1.0e9bd8f999567p-28},
    {0x1.8e5f9cp-1, 0x1.6871d4abb81b5p-28, -0x1.419ff9p-1, -0x1.b9ba6c997bd6dp-29},
    {0x1.8dbe9a4p-1, 0x1.5a0a2e83ed253p-28, -0x1.4267008p-1, -0x1.6b39c312d97cfp-28},
    {0x1.8d1d35p-1, 0x1.ce7e447537ab4p-28, -0x1.432db78p-1, -0x1.2ba263ffc4304p-28},
    {0x1.8c7b6ccp-1, 0x1.130e5520b0aebp-33, -0x1.43f41dcp-1, -0x1.21526281eac78p-29},
    {0x1.8bd941p-1, 0x1.4be9a3db1b82bp-28, -0x1.44ba33p-1, -0x1.b03b3b1f722ep-33},
    {0x1.8b36b28p-1, 0x1.b99200eab8d29p-29, -0x1.457ff7p-1, -0x1.60206d28e7d8dp-32},
    {0x1.8a93c14p-1, 0x1.4e75e80233c98p-38, -0x1.4645698p-1, -0x1.1ea1be4b22e37p-28},
    {0x1.89f06dp-1, 0x1.fc6c2b3c523fbp-28, -0x1.470a8a8p-1, -0x1.9c7bc654e6deep-28},
    {0x1.894cb6cp-1, 0x1.7baa3e8036fabp-32, -0x1.47cf5ap-1, -0x1.5381ec0396474p-34},
    {0x1.88a89dcp-1, 0x1.99abf9d730cf8p-28, -0x1.4893d74p-1, -0x1.9ef3e0b6ad95cp-29},
    {0x1.880422cp-1, 0x1.ca71c5b726f4ap-28, -0x1.4958028p-1, -0x1.c81357eea6c0bp-30},
    {0x1.875f45cp-1, 0x1.f301f47bfde15p-28, -0x1.4a1bdb4p-1, -0x1.6498581ac512dp-28},
    {0x1.86ba07p-1, 0x1.5d1675231f7e7p-28, -0x1.4adf61cp-1, -0x1.f82c23cd19d1ap-32},
    {0x1.8614668p-1, 0x1.532ce644cd93cp-28, -0x1.4ba2954p-1, -0x1.1bb76dcccdae5p-28},
    {0x1.856e648p-1, 0x1.20864374bbda4p-28, -0x1.4c6576p-1, -0x1.a59e47bf69ed9p-29},
    {0x1.84c8014p-1, 0x1.1269271d2d131p-32, -0x1.4d28038p-1, -0x1.bf087ece4c29ep-28},
    {0x1.84213c8p-1, 0x1.71d490253008fp-28, -0x1.4dea3ep-1, -0x1.6d212e95e180fp-30},
    {0x1.837a17p-1, 0x1.2032bae0f148ep-29, -0x1.4eac24cp-1, -0x1.2319eb6d09cdep-28},
    {0x1.82d2908p-1, 0x1.7480579725babp-29, -0x1.4f6db8p-1, -0x1.255f6889c2f42p-29},
    {0x1.822aa94p-1, 0x1.3f55e9b1db64p-28, -0x1.502ef74p-1, -0x1.26e3525859b27p-28},
    {0x1.8182618p-1, 0x1.6f28eedeeb7f3p-28, -0x1.50efe28p-1, -0x1.5d3628a7d8fbdp-28},
    {0x1.80d9b98p-1, 0x1.349150b609ba2p-29, -0x1.51b0798p-1, -0x1.b3d1b1a8774f1p-28},
    {0x1.8030b14p-1, 0x1.20544573811bcp-32, -0x1.5270bc4p-1, -0x1.530fbf733af1ep-29},
    {0x1.7f8748cp-1, 0x1.286f5dd95accdp-28, -0x1.5330aa4p-1, -0x1.7ba6fae10d021p-29},
    {0x1.7edd808p-1, 0x1.3057a837e2dacp-28, -0x1.53f0438p-1, -0x1.c36236e62c0ebp-30},
    {0x1.7e33588p-1, 0x1.7d4e9a65bb12ep-28, -0x1.54af87cp-1, -0x1.0d92af3c79db8p-30},
    {0x1.7d88d1p-1, 0x1.63a41a0e275f7p-28, -0x1.556e76cp-1, -0x1.6dded60cccbap-29},
    {0x1.7cddea4p-1, 0x1.c339340668c55p-31, -0x1.562d108p-1, -0x1.366ad9c54dc55p-30},
    {0x1.7c32a4p-1, 0x1.5165836df4f76p-28, -0x1.56eb548p-1, -0x1.8a33305624e66p-28},
    {0x1.7b86ffp-1, 0x1.4ad8dcc6fc343p-34, -0x1.57a943p-1, -0x1.e06122f87bb06p-29},
    {0x1.7adafacp-1, 0x1.ab031277e8581p-28, -0x1.5866db8p-1, -0x1.03b6084e351fp-28},
    {0x1.7a2e98p-1, 0x1.9af49fdb98ad9p-28, -0x1.59241ep-1, -0x1.264a5f441ee87p-30},
    {0x1.7981d6cp-1, 0x1.2dc5887301926p-28, -0x1.59e10ap-1, -0x1.4741767056153p-28},
    {0x1.78d4b7p-1, 0x1.bcf86057305e7p-28, -0x1.5a9d9fcp-1, -0x1.05d4d93f28e92p-29},
    {0x1.7827394p-1, 0x1.4598f9098fcep-29, -0x1.5b59decp-1, -0x1.06c466a02dc0fp-29},
    {0x1.77795d4p-1, 0x1.3a3d9c4c2d0d3p-28, -0x1.5c15c6cp-1, -0x1.d02ad23be0f2p-28},
    {0x1.76cb238p-1, 0x1.be0725253171p-29, -0x1.5cd158p-1, -0x1.e2e7fc0a43dd5p-29},
    {0x1.761c8cp-1, 0x1.db23ddc849da8p-29, -0x1.5d8c92p-1, -0x1.c06dd8a916a98p-30},
    {0x1.756d97p-1, 0x1.862f4cadd573ep-29, -0x1.5e47748p-1, -0x1.ab5ac59d05685p-29},
    {0x1.74be448p-1, 0x1.bd7ebc3f46c37p-28, -0x1.5f01ff8p-1, -0x1.58c964ad9cb39p-29},
    {0x1.740e95p-1, 0x1.3b6beab55a428p-28, -0x1.5fbc32cp-1, -0x1.fcaddb6c7c70ap-30},
    {0x1.735e888p-1, 0x1.387c95d7bca21p-29, -0x1.60760ep-1, -0x1.b33686d7cc702p-29},
    {0x1.72ae1fp-1, 0x1.400efd585f724p-28, -0x1.612f914p-1, -0x1.1ff624aea3c56p-30},
    {0x1.71fd59p-1, 0x1.0f61a359ee94ep-29, -0x1.61e8bcp-1, -0x1.574bf43ca25acp-28},
    {0x1.714c364p-1, 0x1.d4afeea39a88fp-28, -0x1.62a18e8p-1, -0x1.2a619104acbd6p-29},
    {0x1.709ab78p-1, 0x1.12a2f33622228p-29, -0x1.635a084p-1, -0x1.200e7c6dfdb0ep-29},
    {0x1.6fe8dc8p-1, 0x1.1267c0b5cf6d1p-33, -0x1.641229p-1, -0x1.d6dbde54bb98fp-28},
    {0x1.6f36a54p-1, 0x1.b62b54a9e110fp-28, -0x1.64c9f1p-1, -0x1.f2d9bda4dc785p-29},
    {0x1.6e84128p-1, 0x1.ed0f95695aeadp-29, -0x1.65815fcp-1, -0x1.1054fd685580cp-29},
    {0x1.6dd124p-1, 0x1.2ece489e2d367p-28, -0x1.663875p-1, -0x1.143761ef25db4p-28},
    {0x1.6d1ddap-1, 0x1.c4dbb8e0268ap-28, -0x1.66ef30cp-1, -0x1.2f68ed210a131p-28},
    {0x1.6c6a35p-1, 0x1.f43ee7ed38cebp-32, -0x1.67a592cp-1, -0x1.6c47a11a9caf7p-28},
    {0x1.6bb6348p-1, 0x1.a5514b63ef6p-28, -0x1.685b9bp-1, -0x1.783dd8f66e766p-30},
    {0x1.6b01d94p-1, 0x1.bf04668c1f8ccp-28, -0x1.691149p-1, -0x1.31606f5b7ae33p-29},
    {0x1.6a4d234p-1, 0x1.d513b206d026p-28, -0x1.69c69ccp-1, -0x1.619bbca979704p-29},
    {0x1.699812cp-1, 0x1.50eb20c899256p-28, -0x1.6a7b96p-1, -0x1.3bc0ebb957d77p-28},
    {0x1.68e2a7cp-1, 0x1.9cabcc50438f8p-28, -0x1.6b3034cp-1, -0x1.9f2d89525d94ap-29},
    {0x1.682ce2cp-1, 0x1.195cd0f427bcfp-31, -0x1.6be478cp-1, -0x1.8905dab404e2fp-35},
    {0x1.6776c38p-1, 0x1.3fd38402200c2p-30, -0x1.6c98618p-1, -0x1.6daafb8206076p-28},
    {0x1.66c04a4p-1, 0x1.8f460e2d589a7p-28, -0x1.6d4bef4p-1, -0x1.a78fc0e7d6a38p-28},
    {0x1.6609778p-1, 0x1.4e114a364a82p-28, -0x1.6dff21cp-1, -0x1.49a4d4e8e6173p-28},
    {0x1.65524b4p-1, 0x1.f3f83b94e236dp-29, -0x1.6eb1f8cp-1, -0x1.db0aaceebdaa3p-29},
    {0x1.649ac5cp-1, 0x1.5f164d3f21c6p-36, -0x1.6f6474p-1, -0x1.2d83640ebfeedp-28},
    {0x1.63e2e6cp-1, 0x1.d3456a4065394p-28, -0x1.7016938p-1, -0x1.4950ea3ea7329p-29},
    {0x1.632aafp-1, 0x1.df6c9d810638p-28, -0x1.70c856cp-1, -0x1.eeb5b34bcf74cp-28},
    {0x1.62721e8p-1, 0x1.964425585818fp-28, -0x1.7179bep-1, -0x1.a824537908491p-28},
    {0x1.61b9358p-1, 0x1.a3b4317f22553p-30, -0x1.722ac9p-1, -0x1.b897babe8bc96p-30},
    {0x1.60fff3cp-1, 0x1.c9399638bc69cp-28, -0x1.72db774p-1, -0x1.bd49b59f588bcp-29},
    {0x1.60465ap-1, 0x1.29ace318005b9p-28, -0x1.738bc8cp-1, -0x1.9844831601c1fp-28},
    {0x1.5f8c68p-1, 0x1.fd7a932503197p-28, -0x1.743bbd8p-1, -0x1.3a61c07374e78p-28},
    {0x1.5ed21e4p-1, 0x1.b88669acef206p-28, -0x1.74eb554p-1, -0x1.944cc6d64c9e9p-30},
    {0x1.5e177ccp-1, 0x1.cf63f029bbd84p-28, -0x1.759a8f8p-1, -0x1.b9299380fc5b3p-28},
    {0x1.5d5c83cp-1, 0x1.b756191d4d267p-28, -0x1.76496c8p-1, -0x1.d830181d31c51p-28},
    {0x1.5ca1338p-1, 0x1.cc9dc581717cep-29, -0x1.76f7ecp-1, -0x1.646cbf11c7ad9p-28},
    {0x1.5be58cp-1, 0x1.a5ddf30f910d8p-29, -0x1.77a60dcp-1, -0x1.00e0ac94e3ad8p-28},
    {0x1.5b298d8p-1, 0x1.e90ab4f1a2de4p-29, -0x1.7853d18p-1, -0x1.514880caf1cffp-28},
    {0x1.5a6d384p-1, 0x1.861deab1ec46fp-29, -0x1.7901374p-1, -0x1.f4395daef5712p-29},
    {0x1.59b08c4p-1, 0x1.b7364eaced0fdp-28, -0x1.79ae3ecp-1, -0x1.4123a77e0a164p-29},
    {0x1.58f38ap-1, 0x1.4a53218e61359p-28, -0x1.7a5ae7cp-1, -0x1.d5321a33d8b8cp-29},
    {0x1.5836318p-1, 0x1.ecd402ac0ab7dp-29, -0x1.7b07324p-1, -0x1.fb813e605ff9p-30},
    {0x1.577883p-1, 0x1.b15fd8d3898f2p-31, -0x1.7bb31ep-1, -0x1.34af555f01e71p-34},
    {0x1.56ba7e8p-1, 0x1.09ec6e07c0034p-29, -0x1.7c5eaacp-1, -0x1.24c7dffa780e1p-31},
    {0x1.55fc244p-1, 0x1.5ed19974e8a01p-28, -0x1.7d09d84p-1, -0x1.87198ac9deb2bp-28},
    {0x1.553d74cp-1, 0x1.01c99021193bcp-30, -0x1.7db4a6cp-1, -0x1.abf2306ddd0d1p-29},
    {0x1.547e6fcp-1, 0x1.4e6facc794a3dp-29, -0x1.7e5f15cp-1, -0x1.7735af59144d6p-29},
    {0x1.53bf15cp-1, 0x1.12bcee08e016ep-32, -0x1.7f0925p-1, -0x1.e320d6dc36d8cp-28},
    {0x1.52ff668p-1, 0x1.fd026b087d31fp-28, -0x1.7fb2d4cp-1, -0x1.f0d8a5f4dc979p-29},
    {0x1.523f62cp-1, 0x1.ea19a7e950cf9p-28, -0x1.805c248p-1, -0x1.503c1b8c9b0bp-29},
    {0x1.517f0a8p-1, 0x1.5879023d119ap-28, -0x1.810514p-1, -0x1.9f96a26162ae2p-28},
    {0x1.50be5dcp-1, 0x1.c8d116683af5ep-28, -0x1.81ada38p-1, -0x1.19edb3ef0909p-29},
    {0x1.4ffd5dp-1, 0x1.78f6809b2ba95p-29, -0x1.8255d28p-1, -0x1.f2000369e50a5p-32},
    {0x1.4f3c08p-1, 0x1.b5793af7e3bdcp-28, -0x1.82fda0cp-1, -0x1.05b437965b36bp-28},
    {0x1.4e7a5f8p-1, 0x1.b3a600cb9072ep-31, -0x1.83a50e4p-1, -0x1.f116cd6f9bd89p-28},
    {0x1.4db863p-1, 0x1.c2bf2761ad90bp-28, -0x1.844c1bp-1, -0x1.926c8de3a1404p-28},
    {0x1.4cf6134p-1, 0x1.de5105a8ce943p-28, -0x1.84f2c6cp-1, -0x1.37382f25b032p-29},
    {0x1.4c33708p-1, 0x1.b9397e36b7a89p-33, -0x1.859911p-1, -0x1.bf4e2f232f49dp-28},
    {0x1.4b707a4p-1, 0x1.d66f664211ca3p-28, -0x1.863efap-1, -0x1.b0ee1295e50f5p-28},
    {0x1.4aad318p-1, 0x1.7c5bb4a1cd323p-29, -0x1.86e4818p-1, -0x1.24a9cc6cb5c06p-28},
    {0x1.49e996p-1, 0x1.2e5b982e3707dp-30, -0x1.8789a74p-1, -0x1.9ee50d3caee5bp-29},
    {0x1.4925a8p-1, 0x1.78677c5249027p-34, -0x1.882e6bp-1, -0x1.66fcdd5a2dc4ap-28},
    {0x1.4861678p-1, 0x1.74ea0b457fcfbp-28, -0x1.88d2cccp-1, -0x1.a1c1319b21179p-28},
    {0x1.479cd54p-1, 0x1.098650c5ee00bp-31, -0x1.8976cc8p-1, -0x1.b7dfdc4c24d95p-31},
    {0x1.46d7f0cp-1, 0x1.93daa7288ee23p-28, -0x1.8a1a698p-1, -0x1.deae1cabf68c3p-28},
    {0x1.4612bacp-1, 0x1.56b03d964df1dp-28, -0x1.8abda44p-1, -0x1.519d31e7261dcp-28},
    {0x1.454d334p-1, 0x1.e83b28e9ff7c3p-29, -0x1.8b607c4p-1, -0x1.4953e54c6a8bdp-28},
    {0x1.44875a4p-1, 0x1.f731bc2e5372ep-28, -0x1.8c02f18p-1, -0x1.00447f6e2dc7p-29},
    {0x1.43c1304p-1, 0x1.eb9e6bbee08cdp-28, -0x1.8ca5038p-1, -0x1.b11dfa38761a2p-28},
    {0x1.42fab58p-1, 0x1.76de7726eca81p-30, -0x1.8d46b28p-1, -0x1.9822cf525b17ap-28},
    {0x1.4233e9cp-1, 0x1.b4e65b06eee3p-29, -0x1.8de7fe4p-1, -0x1.e3a5980060cbap-29},
    {0x1.416ccd8p-1, 0x1.ded0e6e969aefp-29, -0x1.8e88e68p-1, -0x1.ee5a8239cd09cp-30},
    {0x1.40a561p-1, 0x1.567f10a2506ap-31, -0x1.8f296bp-1, -0x1.e73be2810bbc2p-29},
    {0x1.3fdda44p-1, 0x1.b82a2392a7695p-32, -0x1.8fc98bcp-1, -0x1.18dfa6c4c49dep-28},
    {0x1.3f15978p-1, 0x1.43e8bd90781e5p-30, -0x1.9069488p-1, -0x1.ab1a3e76ca444p-28},
    {0x1.3e4d3bp-1, 0x1.6d3fcf8591e4fp-30, -0x1.9108a14p-1, -0x1.6ad41a6fceeeep-28},
    {0x1.3d848ecp-1, 0x1.cb3ce4c25ccbdp-28, -0x1.91a795cp-1, -0x1.195bd1650de63p-28},
    {0x1.3cbb938p-1, 0x1.90c8ed7a50c6fp-31, -0x1.924625cp-1, -0x1.78c87e541e479p-28},
    {0x1.3bf248cp-1, 0x1.21db7c914ec02p-28, -0x1.92e4514p-1, -0x1.4bfa0ffd2a9dap-28},
    {0x1.3b28af4p-1, 0x1.68c9e8a5b82a7p-31, -0x1.938218p-1, -0x1.5699982af389bp-28},
    {0x1.3a5ec6cp-1, 0x1.ce0b2807587bbp-29, -0x1.941f7ap-1, -0x1.74666b2226ac3p-30},
    {0x1.39948fcp-1, 0x1.c6e294f2d36fap-29, -0x1.94bc76cp-1, -0x1.24b65cc4aaffcp-28},
    {0x1.38ca0a4p-1, 0x1.b6ca58ee0c8dap-28, -0x1.95590e8p-1, -0x1.cdd8cb0ac0137p-30},
    {0x1.37ff36cp-1, 0x1.ec3704362f46bp-29, -0x1.95f540cp-1, -0x1.1029cf98f4eb6p-28},
    {0x1.3734154p-1, 0x1.b85f6dc628a0ap-31, -0x1.96910d8p-1, -0x1.c26c929cab40bp-28},
    {0x1.3668a5cp-1, 0x1.0fdec3143e611p-28, -0x1.972c74cp-1, -0x1.52a4d5bb00792p-28},
    {0x1.359ce8cp-1, 0x1.1772c37ed4bcp-28, -0x1.97c7764p-1, -0x1.140876bf0ba9bp-29},
    {0x1.34d0de4p-1, 0x1.e541e49652d11p-28, -0x1.986211cp-1, -0x1.943fe13e31368p-31},
    {0x1.340486cp-1, 0x1.1160ea66817efp-28, -0x1.98fc47p-1, -0x1.16f93463f60fep-28},
    {0x1.3337e24p-1, 0x1.a3f80b1fc79fp-31, -0x1.9996164p-1, -0x1.7698b255a74bep-35},
    {0x1.326af0cp-1, 0x1.cfcab080af633p-29, -0x1.9a2f7ecp-1, -0x1.c2c5be9587cfbp-28},
    {0x1.319db2cp-1, 0x1.8aed732ff204cp-29, -0x1.9ac881p-1, -0x1.23b17264c5391p-28},
    {0x1.30d0284p-1, 0x1.67af25794474bp-28, -0x1.9b611c8p-1, -0x1.e757f5ef1b6a8p-29},
    {0x1.300251cp-1, 0x1.a68dab16bfeabp-30, -0x1.9bf9514p-1, -0x1.7e6aab0ed1ee5p-36},
    {0x1.2f342fp-1, 0x1.6700c06c8e564p-28, -0x1.9c911ecp-1, -0x1.1cbf84623351dp-28},
    {0x1.2e65c08p-1, 0x1.fc0c5e7fc381cp-28, -0x1.9d28854p-1, -0x1.15d4079ff0dep-28},
    {0x1.2d97068p-1, 0x1.c5a3172278d18p-28, -0x1.9dbf848p-1, -0x1.7bddf8dc2d209p-29},
    {0x1.2cc8014p-1, 0x1.84e3bd47aa453p-30, -0x1.9e561c4p-1, -0x1.ce23fe2112ba7p-29},
    {0x1.2bf8b08p-1, 0x1.6cd8b78868ec7p-28, -0x1.9eec4c8p-1, -0x1.90362e136dc16p-30},
    {0x1.2b2915p-1, 0x1.0e4748754beeap-29, -0x1.9f8215p-1, -0x1.102919c57365ep-33},
    {0x1.2a592e8p-1, 0x1.4f50e62f6abadp-28, -0x1.a017758p-1, -0x1.51b8a81a74081p-29},
    {0x1.2988fd8p-1, 0x1.652d42b1cd2c7p-28, -0x1.a0ac6ep-1, -0x1.1a5d8b649f4e5p-28},
    {0x1.28b8824p-1, 0x1.a46aae780417cp-30, -0x1.a140fe8p-1, -0x1.989ec5489c1d5p-31},
    {0x1.27e7bc8p-1, 0x1.fc0fd748dd796p-28, -0x1.a1d5268p-1, -0x1.93bcf7bb6422ap-29},
    {0x1.2716adp-1, 0x1.bf97d84231c7dp-28, -0x1.a268e6p-1, -0x1.b66d557c283b6p-28},
    {0x1.264553cp-1, 0x1.55d1b4f202ca5p-28, -0x1.a2fc3dp-1, -0x1.d1413088bb732p-28},
    {0x1.2573b1p-1, 0x1.85bffc432e146p-30, -0x1.a38f2b4p-1, -0x1.f3ac0c72150c2p-28},
    {0x1.24a1c4cp-1, 0x1.0b70d5f5b5cfep-29, -0x1.a421b0cp-1, -0x1.efa2cd7981af1p-29},
    {0x1.23cf8f4p-1, 0x1.668366dee8e6p-28, -0x1.a4b3cdp-1, -0x1.b8a6847a4c3b3p-28},
    {0x1.22fd11p-1, 0x1.5077638ffa342p-29, -0x1.a545804p-1, -0x1.11f2bb8bf3667p-28},
    {0x1.222a49cp-1, 0x1.efddf282c1342p-28, -0x1.a5d6cap-1, -0x1.e04fbbb0ca547p-28},
    {0x1.21573a4p-1, 0x1.c5f09cbcb2efbp-29, -0x1.a667aa8p-1, -0x1.0129d75f4f577p-28},
    {0x1.2083e24p-1, 0x1.27a9ffc8dd9a7p-28, -0x1.a6f8214p-1, -0x1.52c04c6a54f82p-28},
    {0x1.1fb0424p-1, 0x1.928bb31e3169cp-30, -0x1.a7882e4p-1, -0x1.b4258c7130fe5p-28},
    {0x1.1edc5a4p-1, 0x1.048cf52b50c61p-30, -0x1.a817d18p-1, -0x1.053f851b1e881p-28},
    {0x1.1e082a8p-1, 0x1.93ebc5792e345p-30, -0x1.a8a70acp-1, -0x1.363f40ee08fcp-31},
    {0x1.1d33b34p-1, 0x1.e225dcd2cc00dp-30, -0x1.a935d98p-1, -0x1.fa4c730eb6cebp-28},
    {0x1.1c5ef4cp-1, 0x1.25ea0880df67bp-31, -0x1.a9c43e4p-1, -0x1.622f3700273c1p-28},
    {0x1.1b89efp-1, 0x1.13135b064e2a5p-28, -0x1.aa52388p-1, -0x1.41a6dfe83de91p-28},
    {0x1.1ab4a28p-1, 0x1.db2e01430e6c4p-29, -0x1.aadfc84p-1, -0x1.f2fbef4df6e42p-30},
    {0x1.19df0f4p-1, 0x1.5ee1325dad8a9p-28, -0x1.ab6cedp-1, -0x1.f85841e1dbf36p-28},
    {0x1.190935cp-1, 0x1.2184b0212b7e6p-32, -0x1.abf9a74p-1, -0x1.3451b21d22042p-29},
    {0x1.183315cp-1, 0x1.65df29afbdd8dp-29, -0x1.ac85f64p-1, -0x1.48bc9ec28d3a8p-28},
    {0x1.175cafcp-1, 0x1.db4dbd7a81383p-29, -0x1.ad11da4p-1, -0x1.d6eada6300181p-29},
    {0x1.168604p-1, 0x1.bc284455ec114p-30, -0x1.ad9d53p-1, -0x1.aa2d86057ff2fp-30},
    {0x1.15af128p-1, 0x1.c8e1852bdc9d3p-29, -0x1.ae28604p-1, -0x1.5e1a4378c3d61p-29},
    {0x1.14d7db8p-1, 0x1.fbbdccf0341fcp-28, -0x1.aeb302p-1, -0x1.45c0451a9c2e5p-29},
    {0x1.14005f8p-1, 0x1.635ee1596b68ep-28, -0x1.af3d38p-1, -0x1.30c0ecc62185bp-28},
    {0x1.13289e8p-1, 0x1.949839dd9cafp-29, -0x1.afc7024p-1, -0x1.444362b0ea593p-28},
    {0x1.1250988p-1, 0x1.e0079cf7ad4d7p-28, -0x1.b050608p-1, -0x1.c9d3052acdcf9p-28},
    {0x1.11784e4p-1, 0x1.52744c13a738p-30, -0x1.b0d952cp-1, -0x1.aeb33889269acp-28},
    {0x1.109fbf4p-1, 0x1.d8a158ee0c59ep-28, -0x1.b161d8cp-1, -0x1.e0ff8948aa5d9p-28},
    {0x1.0fc6ec8p-1, 0x1.d3204ac1039ffp-32, -0x1.b1e9f28p-1, -0x1.4fabf086851fp-28},
    {0x1.0eedd58p-1, 0x1.a7e9f8240085ep-29, -0x1.b2719fcp-1, -0x1.d50a3086b32e2p-29},
    {0x1.0e147acp-1, 0x1.af1808637fa23p-28, -0x1.b2f8e04p-1, -0x1.a2309f701543bp-28},
    {0x1.0d3adccp-1, 0x1.8541a7256740dp-30, -0x1.b37fb44p-1, -0x1.a0b577121d09dp-30},
    {0x1.0c60fb4p-1, 0x1.3bb4d5486993ap-29, -0x1.b4061b4p-1, -0x1.769d3afd47d2cp-31},
    {0x1.0b86d6cp-1, 0x1.878f2bd80bc67p-32, -0x1.b48c15p-1, -0x1.e955903187ac2p-28},
    {0x1.0aac6f4p-1, 0x1.0aea34ad80b11p-29, -0x1.b511a2p-1, -0x1.177e5e5d7c202p-29},
    {0x1.09d1c5p-1, 0x1.999dbd1745074p-28, -0x1.b596c18p-1, -0x1.0af6e14d6d33ap-28},
    {0x1.08f6d88p-1, 0x1.0a470cd87a46dp-28, -0x1.b61b73cp-1, -0x1.72f6312e8f5dfp-30},
    {0x1.081ba9cp-1, 0x1.1a9448a1b6f67p-29, -0x1.b69fb84p-1, -0x1.77aee13f239d6p-28},
    {0x1.074038cp-1, 0x1.d904999daf888p-28, -0x1.b7238f4p-1, -0x1.53419eee7360ap-28},
    {0x1.0664864p-1, 0x1.48b021574b28p-29, -0x1.b7a6f88p-1, -0x1.cf8fa7e65c479p-29},
    {0x1.058892p-1, 0x1.4d539afcdca45p-29, -0x1.b829f3cp-1, -0x1.2e6f20a57e0aap-28},
    {0x1.04ac5c4p-1, 0x1.97e246576d4f9p-28, -0x1.b8ac81p-1, -0x1.2140f8d0b2e5dp-28},
    {0x1.03cfe58p-1, 0x1.306cb5bb9dab3p-28, -0x1.b92eap-1, -0x1.bb22e530e3e2cp-28},
    {0x1.02f32dcp-1, 0x1.2936ac58c5c05p-28, -0x1.b9b050cp-1, -0x1.f7d6c4b98c005p-28},
    {0x1.0216354p-1, 0x1.3bafa2ca1547p-28, -0x1.ba31934p-1, -0x1.a7f61b4a21ee1p-29},
    {0x1.0138fc4p-1, 0x1.21c88b3c4979dp-28, -0x1.bab267p-1, -0x1.4d0b0e4d2450dp-28},
    {0x1.005b83p-1, 0x1.2be6c5e2e5b02p-29, -0x1.bb32cc4p-1, -0x1.857cb72fb9e6p-30},
    {0x1.fefb934p-2, 0x1.4c8b0e91e08bdp-30, -0x1.bbb2c28p-1, -0x1.102d2c65f3a13p-28},
    {0x1.fd3fa0cp-2, 0x1.4c974cc723dbfp-32, -0x1.bc324ap-1, -0x1.66218ef289513p-30},
    {0x1.fb832ecp-2, 0x1.2db3f97ff93e1p-29, -0x1.bcb1624p-1, -0x1.3e6206c97bbe6p-28},
    {0x1.f9c63ep-2, 0x1.2b8c63712c162p-29, -0x1.bd300b8p-1, -0x1.8112c3438b2edp-29},
    {0x1.f808cecp-2, 0x1.9cfd956c5aac3p-29, -0x1.bdae454p-1, -0x1.e2ac1902b5cb8p-28},
    {0x1.f64ae18p-2, 0x1.fce5e085ebeaep-29, -0x1.be2c0fcp-1, -0x1.a85669a607fa2p-28},
    {0x1.f48c76cp-2, 0x1.c71f9a2f405ep-29, -0x1.bea96acp-1, -0x1.15f3675eecf6dp-28},
    {0x1.f2cd8fp-2, 0x1.e200f50085ecdp-31, -0x1.bf2656p-1, -0x1.30cd3bff4484fp-28},
    {0x1.f10e2a4p-2, 0x1.8ed78ac167928p-29, -0x1.bfa2d18p-1, -0x1.fe1acc0a232a8p-29},
    {0x1.ef4e498p-2, 0x1.11dd54f21c67ap-30, -0x1.c01eddp-1, -0x1.87bcf7101958cp-28},
    {0x1.ed8deccp-2, 0x1.cd0e966fddcdp-30, -0x1.c09a788p-1, -0x1.d2c4d21f9d8d6p-28},
    {0x1.ebcd14cp-2, 0x1.42d6174ad0fb8p-32, -0x1.c115a4p-1, -0x1.d1dbd33044e5cp-29},
    {0x1.ea0bc18p-2, 0x1.d0192e64c672p-29, -0x1.c1905fp-1, -0x1.d3e17d1130e87p-28},
    {0x1.e849f4p-2, 0x1.60689101ce06ep-29, -0x1.c20aa9cp-1, -0x1.9e2956eb053e2p-28},
    {0x1.e687ac8p-2, 0x1.738fcfbac9d24p-31, -0x1.c28484p-1, -0x1.533009ac1b55ap-28},
    {0x1.e4c4eb4p-2, 0x1.286a15267c8cbp-31, -0x1.c2fded8p-1, -0x1.ff412d2688baap-28},
    {0x1.e301b0cp-2, 0x1.5b1d6df9c4eb5p-30, -0x1.c376e68p-1, -0x1.5f1336ca2ad21p-29},
    {0x1.e13dfd8p-2, 0x1.0db55d5e56014p-29, -0x1.c3ef6e8p-1, -0x1.c85eb580101bcp-30},
    {0x1.df79d2p-2, 0x1.e3e99b245c569p-30, -0x1.c467858p-1, -0x1.576ddde5e98e5p-30},
    {0x1.ddb52e8p-2, 0x1.e2a3fbb16994ap-29, -0x1.c4df2b4p-1, -0x1.6aa705c17b1dap-28},
    {0x1.dbf013cp-2, 0x1.690998b418c95p-29, -0x1.c5566p-1, -0x1.825d3002c2bd9p-29},
    {0x1.da2a82p-2, 0x1.0f5b301fb6b97p-29, -0x1.c5cd234p-1, -0x1.6b08dd8ecfaaap-28},
    {0x1.d86479cp-2, 0x1.82f115e72a40dp-31, -0x1.c643754p-1, -0x1.eabcc3980b2bbp-30},
    {0x1.d69dfb4p-2, 0x1.d27ae2fe1717fp-30, -0x1.c6b9558p-1, -0x1.037dd30b79f45p-28},
    {0x1.d4d7074p-2, 0x1.aedbf8f9fc4e5p-32, -0x1.c72ec44p-1, -0x1.9b426b4e5494cp-32},
    {0x1.d30f9dcp-2, 0x1.d47e883e0d059p-29, -0x1.c7a3c1p-1, -0x1.a4e9d67297e58p-29},
    {0x1.d147bfcp-2, 0x1.53f91238f95e4p-29, -0x1.c8184cp-1, -0x1.0f19dd216c434p-30},
    {0x1.cf7f6d8p-2, 0x1.101ca8cb30f3ep-31, -0x1.c88c64cp-1, -0x1.8492f368ced72p-28},
    {0x1.cdb6a74p-2, 0x1.aa6c0924885eep-32, -0x1.c9000b8p-1, -0x1.aca8943de7345p-28},
    {0x1.cbed6d8p-2, 0x1.72b10f68def1ap-30, -0x1.c9734p-1, -0x1.d4b9d493d973ap-28},
    {0x1.ca23c0cp-2, 0x1.629b89d2940dep-29, -0x1.c9e6024p-1, -0x1.165daf3330557p-28},
    {0x1.c859a18p-2, 0x1.c46fca1c61f88p-29, -0x1.ca5852p-1, -0x1.181fb0f61853bp-29},
    {0x1.c68f104p-2, 0x1.73139d062726ep-29, -0x1.caca2fp-1, -0x1.5130f7c23487p-28},
    {0x1.c4c40d8p-2, 0x1.d4c1e5c5f7ff1p-36, -0x1.cb3b998p-1, -0x1.040dc0fdda851p-29},
    {0x1.c2f8994p-2, 0x1.0c374726f78c3p-29, -0x1.cbac91p-1, -0x1.3bbccb3580644p-28},
    {0x1.c12cb48p-2, 0x1.1d288e8115718p-32, -0x1.cc1d15cp-1, -0x1.38c71c5addad9p-29},
    {0x1.bf605f4p-2, 0x1.c3791584233cep-30, -0x1.cc8d274p-1, -0x1.c2f1d5ed39a85p-28},
    {0x1.bd939a4p-2, 0x1.be4fde915e8dcp-30, -0x1.ccfcc5cp-1, -0x1.cf445d7cb5bd1p-28},
    {0x1.bbc665cp-2, 0x1.b5712cd642ab5p-29, -0x1.cd6bf1p-1, -0x1.e21e266ddbe25p-28},
    {0x1.b9f8c28p-2, 0x1.fe01f541f0b3ap-30, -0x1.cddaa9p-1, -0x1.1d28b0ac07405p-28},
    {0x1.b82ab0cp-2, 0x1.5c77cc22e5aaep-31, -0x1.ce48ed8p-1, -0x1.45e86423286e4p-29},
    {0x1.b65c30cp-2, 0x1.59ebacc589b81p-29, -0x1.ceb6be4p-1, -0x1.96f7cdc3d1c09p-28},
    {0x1.b48d434p-2, 0x1.a469d3dea6ff7p-29, -0x1.cf241b8p-1, -0x1.1d91cb5537811p-28},
    {0x1.b2bde8cp-2, 0x1.a8e684d545636p-30, -0x1.cf9105p-1, -0x1.701f36b74af8p-30},
    {0x1.b0ee218p-2, 0x1.117a3231607f9p-30, -0x1.cffd7a8p-1, -0x1.e21c26e772008p-30},
    {0x1.af1deep-2, 0x1.83575e0d8709ep-31, -0x1.d0697cp-1, -0x1.3448f9bcd66c4p-29},
    {0x1.ad4d4e8p-2, 0x1.fd24744d0ce87p-29, -0x1.d0d5094p-1, -0x1.e8dd2334323a2p-28},
    {0x1.ab7c44p-2, 0x1.fdceea0c24476p-30, -0x1.d140228p-1, -0x1.8d962d8841ab5p-28},
    {0x1.a9aace8p-2, 0x1.083405dd401c4p-29, -0x1.d1aac78p-1, -0x1.643a6e4572388p-29},
    {0x1.a7d8ee8p-2, 0x1.bbf5111a8d7cep-29, -0x1.d214f8p-1, -0x1.0250f6a6bf459p-29},
    {0x1.a606a4cp-2, 0x1.7bd4acc8c673bp-30, -0x1.d27eb4p-1, -0x1.32b856209f408p-31},
    {0x1.a433f14p-2, 0x1.b2a781cfb1823p-29, -0x1.d2e7fb4p-1, -0x1.9c6201220dc59p-29},
    {0x1.a260d5p-2, 0x1.fc9a15d84cacap-32, -0x1.d350cdcp-1, -0x1.a627b726b3f61p-28},
    {0x1.a08d5p-2, 0x1.5ccc4e9ed925dp-34, -0x1.d3b92b8p-1, -0x1.dc95fce5893dfp-28},
    {0x1.9eb962cp-2, 0x1.7755b55ba223cp-30, -0x1.d421148p-1, -0x1.4180911665be6p-29},
    {0x1.9ce50dcp-2, 0x1.f9baebb54376cp-29, -0x1.d488884p-1, -0x1.22d4ed617c422p-28},
    {0x1.9b1051cp-2, 0x1.6dc03283c0dcfp-29, -0x1.d4ef87p-1, -0x1.27d89e6574556p-29},
    {0x1.993b2fp-2, 0x1.82657d2043551p-30, -0x1.d556108p-1, -0x1.3048b01d85923p-31},
    {0x1.9765a5cp-2, 0x1.9e582771a4cacp-29, -0x1.d5bc248p-1, -0x1.0c186192e833ap-28},
    {0x1.958fb6cp-2, 0x1.b042a24e8eab2p-29, -0x1.d621c34p-1, -0x1.e7c7f2759128p-30},
    {0x1.93b9628p-2, 0x1.45a02e2f41ac4p-30, -0x1.d686ec4p-1, -0x1.a4588fe8b0118p-28},
    {0x1.91e2a94p-2, 0x1.1549ac8526ep-32, -0x1.d6eb9fcp-1, -0x1.c0f9d51232e6dp-28},
    {0x1.900b8b4p-2, 0x1.dd408a2645482p-29, -0x1.d74fddcp-1, -0x1.9bb248f03c8c9p-34},
    {0x1.8e34098p-2, 0x1.80d192916f6d2p-29, -0x1.d7b3a58p-1, -0x1.ac3bdeed5ad84p-28},
    {0x1.8c5c244p-2, 0x1.78bfa490f1bdbp-30, -0x1.d816f78p-1, -0x1.ead131240ffacp-28},
    {0x1.8a83dbcp-2, 0x1.3fb5e6be437e3p-29, -0x1.d879d38p-1, -0x1.fb8ab445f6c16p-28},
    {0x1.88ab30cp-2, 0x1.76c936df360dcp-30, -0x1.d8dc398p-1, -0x1.18b068432e711p-28},
    {0x1.86d2238p-2, 0x1.c183fb7e0e36ep-30, -0x1.d93e294p-1, -0x1.f5da27af78a2dp-30},
    {0x1.84f8b48p-2, 0x1.61e8709f4cd94p-29, -0x1.d99fa28p-1, -0x1.65fdc42324a67p-28},
    {0x1.831ee44p-2, 0x1.f1b5c00cdb093p-29, -0x1.da00a58p-1, -0x1.0f5360d6ec89cp-28},
    {0x1.8144b38p-2, 0x1.0f28d159703c4p-31, -0x1.da6132p-1, -0x1.6ee2f37931a8ap-29},
    {0x1.7f6a224p-2, 0x1.90f4a69518ac8p-34, -0x1.dac147cp-1, -0x1.9d3f28d27d798p-28},
    {0x1.7d8f31p-2, 0x1.01108cb2577fdp-29, -0x1.db20e7p-1, -0x1.0090b8a617ddcp-28},
    {0x1.7bb3e08p-2, 0x1.ae8e33c644f38p-30, -0x1.db800f8p-1, -0x1.113ea2f7d9963p-31},
    {0x1.79d831p-2, 0x1.45cc436b61045p-29, -0x1.dbdec1p-1, -0x1.0ecede3992ba9p-30},
    {0x1.77fc234p-2, 0x1.ff6cebe768287p-36, -0x1.dc3cfb8p-1, -0x1.4fa2bb86d753bp-29},
    {0x1.761fb74p-2, 0x1.93f5338bb97ffp-30, -0x1.dc9abfp-1, -0x1.241763c7837dbp-29},
    {0x1.7442edcp-2, 0x1.50973ddcc6b4cp-29, -0x1.dcf80b4p-1, -0x1.46dbbd48f715ap-28},
    {0x1.7265c74p-2, 0x1.51679097a9dc2p-29, -0x1.dd54e08p-1, -0x1.751ad446e25c8p-33},
    {0x1.7088444p-2, 0x1.0d70fbc1ae104p-30, -0x1.ddb13e4p-1, -0x1.364684d38d9f3p-31},
    {0x1.6eaa65p-2, 0x1.572048fd395aep-30, -0x1.de0d248p-1, -0x1.bf005085cbd7bp-29},
    {0x1.6ccc2ap-2, 0x1.7bace751c42adp-29, -0x1.de68934p-1, -0x1.7e02334201697p-28},
    {0x1.6aed94p-2, 0x1.6708fccbfc17p-30, -0x1.dec38a8p-1, -0x1.4b714dc68a381p-28},
    {0x1.690ea34p-2, 0x1.04307d478ff66p-33, -0x1.df1e0ap-1, -0x1.91df083f06c07p-28},
    {0x1.672f58p-2, 0x1.4fca1878df512p-29, -0x1.df7811cp-1, -0x1.9c4c54d558ba5p-28},
    {0x1.654fb34p-2, 0x1.857e63c7b5623p-32, -0x1.dfd1a1cp-1, -0x1.6d53695cff615p-29},
    {0x1.636fb5p-2, 0x1.c8f75e7c7847bp-31, -0x1.e02ab9cp-1, -0x1.6ebb2773be434p-31},
    {0x1.618f5dcp-2, 0x1.d4709587e5e55p-29, -0x1.e083598p-1, -0x1.4fa58b8029888p-28},
    {0x1.5faeae8p-2, 0x1.7f619a2fe048p-33, -0x1.e0db814p-1, -0x1.6ad463a15f71cp-28},
    {0x1.5dcda7p-2, 0x1.fc5a7e0f6bdbp-30, -0x1.e13330cp-1, -0x1.cf146a32b642fp-28},
    {0x1.5bec484p-2, 0x1.2492e0752be8cp-31, -0x1.e18a68p-1, -0x1.cd0689cb7cd59p-28},
    {0x1.5a0a924p-2, 0x1.bb9a1e1740c94p-29, -0x1.e1e127p-1, -0x1.6c788d22f11cap-29},
    {0x1.582886p-2, 0x1.18f90045fff4ep-29, -0x1.e2376d4p-1, -0x1.dd37e9d4836aep-28},
    {0x1.564623cp-2, 0x1.2acf99dfba1cp-32, -0x1.e28d3b4p-1, -0x1.2ad95adbf18dcp-29},
    {0x1.54636bcp-2, 0x1.4b033f8ef7109p-30, -0x1.e2e2908p-1, -0x1.99f7371f2ff97p-31},
    {0x1.52805ecp-2, 0x1.7b7f470689d8ap-31, -0x1.e3376dp-1, -0x1.808649fe857bap-33},
    {0x1.509cfdp-2, 0x1.178e86b254b0bp-29, -0x1.e38bd08p-1, -0x1.76039d0a00361p-28},
    {0x1.4eb9474p-2, 0x1.2ca1f893a6e46p-30, -0x1.e3dfbb4p-1, -0x1.c875d016569fcp-28},
    {0x1.4cd53dcp-2, 0x1.45257d5fdc51ap-30, -0x1.e4332d4p-1, -0x1.6e14e95e21869p-30},
    {0x1.4af0e1p-2, 0x1.0466b6a924767p-29, -0x1.e48626p-1, -0x1.109c75079ca59p-29},
    {0x1.490c318p-2, 0x1.84863791f10a4p-29, -0x1.e4d8a58p-1, -0x1.a8df48ddf09c7p-28},
    {0x1.47272fcp-2, 0x1.ec500d3079d55p-29, -0x1.e52aacp-1, -0x1.183920b1a7cc2p-28},
    {0x1.4541dc8p-2, 0x1.71e2573889598p-35, -0x1.e57c394p-1, -0x1.92774c9b69267p-31},
    {0x1.435c378p-2, 0x1.9b9391807b3c9p-29, -0x1.e5cd4dp-1, -0x1.5019818ebf7bap-30},
    {0x1.417642p-2, 0x1.e3f6afb040136p-31, -0x1.e61de74p-1, -0x1.b670002aca2d8p-29},
    {0x1.3f8ffcp-2, 0x1.a7c43416222c1p-31, -0x1.e66e08p-1, -0x1.26af2a37e837bp-28},
    {0x1.3da966p-2, 0x1.3af9a44d21f54p-29, -0x1.e6bdaf4p-1, -0x1.2c549e8843827p-29},
    {0x1.3bc280cp-2, 0x1.72865274ef673p-30, -0x1.e70cdccp-1, -0x1.14b62d59d4a67p-29},
    {0x1.39db4c8p-2, 0x1.65304fe335678p-30, -0x1.e75b908p-1, -0x1.939a1aca7ff2ep-30},
    {0x1.37f3c9cp-2, 0x1.eac21ba0e6d49p-30, -0x1.e7a9ca4p-1, -0x1.88652bf9e3d8bp-28},
    {0x1.360bf9p-2, 0x1.50a335d4ab8e9p-29, -0x1.e7f78a4p-1, -0x1.586340e57612fp-28},
    {0x1.3423dacp-2, 0x1.93fff4da5c6f4p-29, -0x1.e844d04p-1, -0x1.3960d4b3267f2p-28},
    {0x1.323b6f8p-2, 0x1.8fb3a5b3bed02p-29, -0x1.e8919c4p-1, -0x1.21a3e4b79ff2fp-29},
    {0x1.3052b7cp-2, 0x1.1494b51a194b2p-29, -0x1.e8ddeep-1, -0x1.8a3d8e6ca9b5fp-29},
    {0x1.2e69b3cp-2, 0x1.f412ad782a38cp-29, -0x1.e929c58p-1, -0x1.3da3c95d92d6ap-28},
    {0x1.2c80648p-2, 0x1.aa14725161006p-40, -0x1.e97522cp-1, -0x1.62b1ddd944a74p-28},
    {0x1.2a96c9cp-2, 0x1.0b9b5cf0841b8p-29, -0x1.e9c005cp-1, -0x1.3b1cfd1390068p-29},
    {0x1.28ace48p-2, 0x1.d2f44abdc0a74p-30, -0x1.ea0a6e4p-1, -0x1.61cf7f5af96ecp-30},
    {0x1.26c2b5p-2, 0x1.6d9c0ff81f61bp-29, -0x1.ea545cp-1, -0x1.fe9116207efa9p-28},
    {0x1.24d83cp-2, 0x1.b17f9d1c8897p-31, -0x1.ea9dcf8p-1, -0x1.f81475e8a248bp-29},
    {0x1.22ed798p-2, 0x1.bab7d72b3c4b6p-29, -0x1.eae6c84p-1, -0x1.7bf12406c9dfp-29},
    {0x1.21026e8p-2, 0x1.2e28779bae6d9p-29, -0x1.eb2f464p-1, -0x1.64d55bb90328dp-29},
    {0x1.1f171b4p-2, 0x1.398fae8d0a6b9p-30, -0x1.eb77498p-1, -0x1.219251a1801b7p-30},
    {0x1.1d2b8p-2, 0x1.dd3c860b1acdep-29, -0x1.ebbed1cp-1, -0x1.dfbfc6515175bp-29},
    {0x1.1b3f9dcp-2, 0x1.8d793ea0f00cap-30, -0x1.ec05df4p-1, -0x1.9cbf3398b83e4p-32},
    {0x1.1953748p-2, 0x1.310cd437d29b8p-29, -0x1.ec4c718p-1, -0x1.380dfd15e88f6p-28},
    {0x1.176705p-2, 0x1.e8feeb56cc1a1p-30, -0x1.ec9288cp-1, -0x1.bd813c1e01884p-28},
    {0x1.157a4f8p-2, 0x1.e9f37e49e483cp-29, -0x1.ecd825p-1, -0x1.1df711e0aa02dp-28},
    {0x1.138d54cp-2, 0x1.ead39c2ebd4b2p-29, -0x1.ed1d46p-1, -0x1.9c6e524ddcbcap-29},
    {0x1.11a0154p-2, 0x1.a22a752eecd87p-30, -0x1.ed61ebcp-1, -0x1.0ffe6308a1624p-30},
    {0x1.0fb2914p-2, 0x1.dcde2d995c045p-31, -0x1.eda616p-1, -0x1.ec0a0c38f1438p-29},
    {0x1.0dc4c94p-2, 0x1.708521053fbebp-30, -0x1.ede9c5p-1, -0x1.6fcb1e2e732a6p-30},
    {0x1.0bd6bdcp-2, 0x1.6fc6251690429p-29, -0x1.ee2cf84p-1, -0x1.ee6b066618f93p-28},
    {0x1.09e86f8p-2, 0x1.e7641aadd0997p-31, -0x1.ee6fb04p-1, -0x1.2706e0daacdefp-28},
    {0x1.07f9de8p-2, 0x1.b317de23fa099p-29, -0x1.eeb1ec8p-1, -0x1.80568b8a0b798p-28},
    {0x1.060b0bcp-2, 0x1.f148912a1bb73p-30, -0x1.eef3ad4p-1, -0x1.d785cb8b34e3fp-30},
    {0x1.041bf78p-2, 0x1.411effebb6f26p-32, -0x1.ef34f2p-1, -0x1.84265c3f94336p-28},
    {0x1.022ca2p-2, 0x1.1fbf43dc764d9p-29, -0x1.ef75bb4p-1, -0x1.44dc363ad0f57p-31},
    {0x1.003d0cp-2, 0x1.be2121a7a4a7dp-29, -0x1.efb6084p-1, -0x1.e1aecc0fdfd93p-28},
    {0x1.fc9a6c4p-3, 0x1.c4ea7a4096f2fp-30, -0x1.eff5d9cp-1, -0x1.762e0411b2b89p-31},
    {0x1.f8ba414p-3, 0x1.b19de221e658ep-31, -0x1.f0352fp-1, -0x1.207ba702b1b9ep-29},
    {0x1.f4d998p-3, 0x1.e116e5c07d95bp-32, -0x1.f074084p-1, -0x1.0ed8dea5a0f95p-29},
    {0x1.f0f8718p-3, 0x1.928508901acbep-32, -0x1.f0b2654p-1, -0x1.969f18c958db2p-28},
    {0x1.ed16cecp-3, 0x1.80b99ad0b1eep-32, -0x1.f0f0464p-1, -0x1.411b8eb17e543p-28},
    {0x1.e934b0cp-3, 0x1.7193f6b3ff6b1p-33, -0x1.f12dabp-1, -0x1.0b1fe9002da0ep-28},
    {0x1.e552184p-3, 0x1.92e96d9e106b1p-30, -0x1.f16a938p-1, -0x1.e78adf0cb4d5fp-30},
    {0x1.e16f06cp-3, 0x1.4e0ec1b07c85bp-32, -0x1.f1a6ff8p-1, -0x1.139321d3789a2p-28},
    {0x1.dd8b7ccp-3, 0x1.b1236d20505bap-33, -0x1.f1e2ef4p-1, -0x1.7d640d25d8496p-30},
    {0x1.d9a77b4p-3, 0x1.01df83228cb73p-30, -0x1.f21e624p-1, -0x1.e5550bb2fef5ap-28},
    {0x1.d5c3038p-3, 0x1.fade51e34cb4dp-32, -0x1.f25959p-1, -0x1.2ea0dc0b332c5p-28},
    {0x1.d1de164p-3, 0x1.d67063af6db11p-32, -0x1.f293d3p-1, -0x1.c54f247410522p-28},
    {0x1.cdf8b48p-3, 0x1.60ced27143f2ep-31, -0x1.f2cdd08p-1, -0x1.346bc1b1c510ap-28},
    {0x1.ca12df4p-3, 0x1.f3b99a3b2c268p-31, -0x1.f307514p-1, -0x1.07fbda67b952p-28},
    {0x1.c62c978p-3, 0x1.1da688a9d225cp-30, -0x1.f340554p-1, -0x1.99fbf82e87fb9p-29},
    {0x1.c245de4p-3, 0x1.d0a7d2a52a576p-31, -0x1.f378dc8p-1, -0x1.16a37e006fefep-32},
    {0x1.be5eb48p-3, 0x1.3aba967bcdb9ap-33, -0x1.f3b0e6cp-1, -0x1.90c8fc07a9914p-30},
    {0x1.ba771bp-3, 0x1.5208977bced68p-31, -0x1.f3e874p-1, -0x1.55417f20af795p-28},
    {0x1.b68f13p-3, 0x1.e46c5061dde4ep-33, -0x1.f41f848p-1, -0x1.d5f4f9245320ap-30},
    {0x1.b2a69d4p-3, 0x1.6405fe5a4dcp-31, -0x1.f45617cp-1, -0x1.56c4b6b784022p-28},
    {0x1.aebdbacp-3, 0x1.da4fe413b9d81p-30, -0x1.f48c2ep-1, -0x1.8bf1326042dddp-28},
    {0x1.aad46ccp-3, 0x1.8738c4f8a2a49p-30, -0x1.f4c1c74p-1, -0x1.51ac4c724010fp-29},
    {0x1.a6eab4p-3, 0x1.8b598ce913a12p-30, -0x1.f4f6e34p-1, -0x1.0905351255611p-30},
    {0x1.a300918p-3, 0x1.ba23911fd3302p-30, -0x1.f52b81cp-1, -0x1.edfac35e587cep-28},
    {0x1.9f16064p-3, 0x1.e7db9c28f0db6p-30, -0x1.f55fa34p-1, -0x1.42c51fc9537adp-28},
    {0x1.9b2b134p-3, 0x1.e997f8d09d217p-30, -0x1.f593474p-1, -0x1.d85d8f7efe4e6p-28},
    {0x1.973fb98p-3, 0x1.953e7cdda133bp-30, -0x1.f5c66ep-1, -0x1.477bef4013227p-28},
    {0x1.9353fap-3, 0x1.8305272fe7ef8p-31, -0x1.f5f9174p-1, -0x1.29d2e56696964p-28},
    {0x1.8f67d58p-3, 0x1.45e3481be9a88p-30, -0x1.f62b43p-1, -0x1.1a0ffb792d9eep-28},
    {0x1.8b7b4d4p-3, 0x1.f5529ef4f7085p-31, -0x1.f65cf14p-1, -0x1.67b76eff753c5p-29},
    {0x1.878e62p-3, 0x1.b8e512a724fd5p-30, -0x1.f68e21cp-1, -0x1.93d9b5193b5b1p-28},
    {0x1.83a115p-3, 0x1.5a6cb833d3f52p-30, -0x1.f6bed4cp-1, -0x1.57a8be52e1959p-28},
    {0x1.7fb367p-3, 0x1.b9da2ddb698e7p-30, -0x1.f6ef0ap-1, -0x1.9de2e4406p-28},
    {0x1.7bc5594p-3, 0x1.651263b692704p-31, -0x1.f71ec1cp-1, -0x1.8765d5595e10fp-34},
    {0x1.77d6ec8p-3, 0x1.04aae0e39cb8dp-33, -0x1.f74dfb8p-1, -0x1.874dfc020354ap-31},
    {0x1.73e8218p-3, 0x1.e0d8272cab075p-30, -0x1.f77cb74p-1, -0x1.bfd3d405a4567p-28},
    {0x1.6ff8f9cp-3, 0x1.d0e6f9081f73ep-30, -0x1.f7aaf58p-1, -0x1.558fcc762dfdep-30},
    {0x1.6c0976p-3, 0x1.cf112bb41f54ep-30, -0x1.f7d8b58p-1, -0x1.951df9512ee31p-28},
    {0x1.6819974p-3, 0x1.ba5e15ab4babbp-30, -0x1.f805f7cp-1, -0x1.2381989a0e9aap-28},
    {0x1.64295e8p-3, 0x1.728b121bcce34p-30, -0x1.f832bcp-1, -0x1.4c14de8409c5ep-29},
    {0x1.6038cccp-3, 0x1.b01311f00d07fp-31, -0x1.f85f02p-1, -0x1.c3301e845e118p-28},
    {0x1.5c47e2cp-3, 0x1.cbfcf6da47b7bp-30, -0x1.f88aca4p-1, -0x1.1333077f7e701p-31},
    {0x1.5856a2p-3, 0x1.81c7a5dfb526bp-33, -0x1.f8b614p-1, -0x1.6c1d208a29f89p-28},
    {0x1.54650acp-3, 0x1.e73f3f80b4b26p-30, -0x1.f8e0dfcp-1, -0x1.49c08cb31bb3cp-28},
    {0x1.50731ecp-3, 0x1.a87b7eabf3a45p-31, -0x1.f90b2d4p-1, -0x1.65b92fca67191p-28},
    {0x1.4c80de8p-3, 0x1.b6191dcf49f4p-31, -0x1.f934fc8p-1, -0x1.6b6c04951e2eep-28},
    {0x1.488e4bp-3, 0x1.e02c0269fffdbp-30, -0x1.f95e4d8p-1, -0x1.073a8b6483c65p-28},
    {0x1.449b658p-3, 0x1.c8c2ae79b508p-30, -0x1.f9872p-1, -0x1.e682defdaaf7bp-28},
    {0x1.40a82fp-3, 0x1.ea6dbb48cfe93p-32, -0x1.f9af744p-1, -0x1.b79fc941f002dp-28},
    {0x1.3cb4a8p-3, 0x1.dc236cdb06057p-30, -0x1.f9d74a4p-1, -0x1.4f46bcc22b4ddp-31},
    {0x1.38c0d2p-3, 0x1.d468260c8dd89p-30, -0x1.f9fea18p-1, -0x1.db64de2ea0579p-29},
    {0x1.34ccaep-3, 0x1.2c55c8b2cb30bp-32, -0x1.fa257a4p-1, -0x1.b44de0704e157p-28},
    {0x1.30d83c8p-3, 0x1.28738963f57b3p-30, -0x1.fa4bd4cp-1, -0x1.804bdcd60958ap-31},
    {0x1.2ce37fp-3, 0x1.559428adb10e1p-32, -0x1.fa71b08p-1, -0x1.430a340db43b7p-32},
    {0x1.28ee76p-3, 0x1.bb64ff142634p-30, -0x1.fa970d8p-1, -0x1.150bdfeca4f8p-28},
    {0x1.24f923p-3, 0x1.4484e46872f47p-30, -0x1.fabbecp-1, -0x1.cfc1e5ebb6357p-29},
    {0x1.210386cp-3, 0x1.b6d55b4f1c817p-31, -0x1.fae04bcp-1, -0x1.42f2e9307dff8p-28},
    {0x1.1d0da24p-3, 0x1.ad3b2b70b65cp-32, -0x1.fb042ccp-1, -0x1.dd822d5c0de33p-28},
    {0x1.1917764p-3, 0x1.dffa2dce6ec41p-30, -0x1.fb278f4p-1, -0x1.bf32694dbf6c6p-30},
    {0x1.1521044p-3, 0x1.25c44f11a6012p-30, -0x1.fb4a72cp-1, -0x1.661b19faed7d4p-29},
    {0x1.112a4dp-3, 0x1.4c89977452fap-33, -0x1.fb6cd78p-1, -0x1.85f7d7f82e3cbp-30},
    {0x1.0d33514p-3, 0x1.b19edc547e8cep-31, -0x1.fb8ebd4p-1, -0x1.36546b27f0f22p-28},
    {0x1.093c124p-3, 0x1.21762aaab9d66p-30, -0x1.fbb0244p-1, -0x1.db8a715e3ac0ep-29},
    {0x1.054491p-3, 0x1.e40657f201feap-31, -0x1.fbd10c4p-1, -0x1.4502721ba7bf5p-28},
    {0x1.014cce8p-3, 0x1.cbc69d0e399b6p-33, -0x1.fbf1754p-1, -0x1.fa3c02fd4224fp-28},
    {0x1.faa997p-4, 0x1.ceb84ae9b92ebp-31, -0x1.fc115f8p-1, -0x1.993f7ebe7d3ap-29},
    {0x1.f2b9128p-4, 0x1.d7659747f1467p-31, -0x1.fc30ca8p-1, -0x1.7c5973fd19cf7p-28},
    {0x1.eac8118p-4, 0x1.b808d60ad15a6p-33, -0x1.fc4fb68p-1, -0x1.ca92f637877c3p-28},
    {0x1.e2d6958p-4, 0x1.74902b3d79a37p-31, -0x1.fc6e238p-1, -0x1.797433c9fccfap-28},
    {0x1.dae4a1p-4, 0x1.9c0dc4348ba23p-32, -0x1.fc8c118p-1, -0x1.308d0902d283ap-30},
    {0x1.d2f235cp-4, 0x1.793cbbef96a7p-33, -0x1.fca9804p-1, -0x1.b11b8bca6f799p-34},
    {0x1.caff55cp-4, 0x1.47eb2179c29c6p-36, -0x1.fcc66fcp-1, -0x1.b9e9289c0dda5p-30},
    {0x1.c30c02cp-4, 0x1.b79720849f7ep-31, -0x1.fce2ep-1, -0x1.4965bd6f70aap-28},
    {0x1.bb183f4p-4, 0x1.4cfbc5424af84p-31, -0x1.fcfed14p-1, -0x1.7a9849f3b69dcp-30},
    {0x1.b3240dp-4, 0x1.63e81a31aef62p-32, -0x1.fd1a43p-1, -0x1.7659052971456p-28},
    {0x1.ab2f6dcp-4, 0x1.cee449f2c5a1bp-31, -0x1.fd3535cp-1, -0x1.666b42b3f6821p-30},
    {0x1.a33a64p-4, 0x1.1a14bf7020cd6p-32, -0x1.fd4fa9p-1, -0x1.a50c7aad22092p-29},
    {0x1.9b44f14p-4, 0x1.acf393fd92c14p-32, -0x1.fd699dp-1, -0x1.58695c0ae7215p-29},
    {0x1.934f17cp-4, 0x1.2c2f430c9e29ap-32, -0x1.fd83118p-1, -0x1.b2be2d62de391p-28},
    {0x1.8b58d94p-4, 0x1.b796a17e1c00bp-31, -0x1.fd9c06cp-1, -0x1.b3397adbf7d78p-28},
    {0x1.8362384p-4, 0x1.3b9964c968415p-34, -0x1.fdb47ccp-1, -0x1.eef05d7094309p-30},
    {0x1.7b6b36p-4, 0x1.d2ef51eefe042p-31, -0x1.fdcc73p-1, -0x1.db5a51c7a7c02p-28},
    {0x1.7373d54p-4, 0x1.501da35636722p-32, -0x1.fde3eap-1, -0x1.a22753368b2b3p-28},
    {0x1.6b7c178p-4, 0x1.2b2643188d12bp-32, -0x1.fdfae18p-1, -0x1.a1352aefd94ep-28},
    {0x1.6383fecp-4, 0x1.8af771342f441p-31, -0x1.fe11598p-1, -0x1.aa94da2516e1ap-28},
    {0x1.5b8b8d4p-4, 0x1.786cae48bb7bbp-31, -0x1.fe2752p-1, -0x1.91565f6e02cdep-28},
    {0x1.5392c5p-4, 0x1.3b56219f87748p-33, -0x1.fe3ccbp-1, -0x1.2988c20496479p-28},
    {0x1.4b99a78p-4, 0x1.ffc274ef13093p-31, -0x1.fe51c48p-1, -0x1.20e873050b1d8p-30},
    {0x1.43a0378p-4, 0x1.f5b6ca5cc5fdcp-33, -0x1.fe663e4p-1, -0x1.86ef51aed6353p-29},
    {0x1.3ba6764p-4, 0x1.bab74ce61732dp-31, -0x1.fe7a388p-1, -0x1.c93721485378cp-30},
    {0x1.33ac664p-4, 0x1.ab211f76a7ec3p-31, -0x1.fe8db3p-1, -0x1.2cc81050cfc57p-28},
    {0x1.2bb2098p-4, 0x1.0b2b6461bea06p-33, -0x1.fea0aep-1, -0x1.97e2a609a039fp-29},
    {0x1.23b7618p-4, 0x1.766dfec7cc289p-31, -0x1.feb3294p-1, -0x1.29d3a96e3a0a4p-28},
    {0x1.1bbc70cp-4, 0x1.3b59ee7fa0fc3p-31, -0x1.fec525p-1, -0x1.0bc3e6ccd8c93p-31},
    {0x1.13c139p-4, 0x1.876fe1e595466p-31, -0x1.fed6a0cp-1, -0x1.8ee8901d8fb77p-28},
    {0x1.0bc5bc8p-4, 0x1.447bc3476a78ep-33, -0x1.fee79dp-1, -0x1.4f2c0898924f2p-28},
    {0x1.03c9fccp-4, 0x1.8f6013b37c607p-31, -0x1.fef8198p-1, -0x1.404a76eef1c05p-28},
    {0x1.f79bf8cp-5, 0x1.cd912e91b6ea3p-34, -0x1.ff08164p-1, -0x1.414adf88ed0acp-28},
    {0x1.e7a379cp-5, 0x1.20579dbb57423p-33, -0x1.ff17934p-1, -0x1.3233c2d0f207ep-28},
    {0x1.d7aa80cp-5, 0x1.6613ff863337fp-32, -0x1.ff26908p-1, -0x1.e8164a63fa4b1p-29},
    {0x1.c7b112p-5, 0x1.ce1bfb888b10cp-33, -0x1.ff350ep-1, -0x1.a35a5b5860878p-30},
    {0x1.b7b7314p-5, 0x1.05f6bef4c66fap-32, -0x1.ff430b8p-1, -0x1.739b3b24f5d9p-28},
    {0x1.a7bce28p-5, 0x1.b68f10f429e0fp-32, -0x1.ff50894p-1, -0x1.f85dd002a9446p-28},
    {0x1.97c22ap-5, 0x1.dae73a5cd611ep-33, -0x1.ff5d874p-1, -0x1.dc22b4ce75dc4p-28},
    {0x1.87c70b8p-5, 0x1.4029d6f0191bap-33, -0x1.ff6a058p-1, -0x1.04edf121b79c6p-28},
    {0x1.77cb8bp-5, 0x1.895ec964426e1p-33, -0x1.ff7603cp-1, -0x1.59c33b4ee0fa6p-28},
    {0x1.67cfac8p-5, 0x1.5243553b5c528p-32, -0x1.ff81824p-1, -0x1.854bfd411a61p-29},
    {0x1.57d3744p-5, 0x1.0233bcc0a4ef5p-34, -0x1.ff8c80cp-1, -0x1.28996158a54a6p-28},
    {0x1.47d6e5cp-5, 0x1.87fc4c7bc9749p-32, -0x1.ff96ff8p-1, -0x1.d68129be59d95p-30},
    {0x1.37da058p-5, 0x1.21ad70bc78ca2p-32, -0x1.ffa0fe4p-1, -0x1.297ace2730537p-29},
    {0x1.27dcd74p-5, 0x1.07604afc970fcp-32, -0x1.ffaa7dp-1, -0x1.71f32fe800b97p-28},
    {0x1.17df5fp-5, 0x1.3370b742d6fe5p-32, -0x1.ffb37cp-1, -0x1.f487dc094e2d1p-29},
    {0x1.07e1a0cp-5, 0x1.a0ce7ffb71d56p-32, -0x1.ffbbfbp-1, -0x1.1bb1bfb5506ecp-28},
    {0x1.efc7418p-6, 0x1.2bd57cf17d922p-34, -0x1.ffc3fap-1, -0x1.c53e9cf92881dp-28},
    {0x1.cfcac54p-6, 0x1.6f27ff349152ep-35, -0x1.ffcb794p-1, -0x1.cdd8b78487156p-29},
    {0x1.afcdd5p-6, 0x1.1863fa98dd06p-34, -0x1.ffd2788p-1, -0x1.c6f2cfd4a2b86p-30},
    {0x1.8fd078cp-6, 0x1.2101d5a7f3b72p-33, -0x1.ffd8f7cp-1, -0x1.5ec50ca18fb43p-30},
    {0x1.6fd2b8cp-6, 0x1.4f08e7294234dp-37, -0x1.ffdef7p-1, -0x1.179720483d599p-29},
    {0x1.4fd49c8p-6, 0x1.637d15734db21p-33, -0x1.ffe4764p-1, -0x1.020d0e21bdf35p-28},
    {0x1.2fd62c8p-6, 0x1.08de41c5d5e3fp-33, -0x1.ffe9758p-1, -0x1.af771fcb85891p-28},
    {0x1.0fd7708p-6, 0x1.01f2d4cd3958fp-33, -0x1.ffedf5p-1, -0x1.141633f87e7f7p-29},
    {0x1.dfb0e14p-7, 0x1.30c5ebf203228p-35, -0x1.fff1f44p-1, -0x1.88ca463ee5ae2p-28},
    {0x1.9fb2694p-7, 0x1.cb3198f2b66f4p-34, -0x1.fff573cp-1, -0x1.476bca1ca3834p-29},
    {0x1.5fb3898p-7, 0x1.993e9b399a817p-34, -0x1.fff873p-1, -0x1.d3cf2fd4ea949p-28},
    {0x1.1fb452p-7, 0x1.1b7aaf2a8ed7p-44, -0x1.fffaf28p-1, -0x1.13175aac570a9p-28},
    {0x1.bf69a48p-8, 0x1.fd6e3dc9d3111p-35, -0x1.fffcf2p-1, -0x1.723e5774c3074p-30},
    {0x1.3f6a358p-8, 0x1.2717e34736f51p-35, -0x1.fffe714p-1, -0x1.ac390f1eb7faap-28},
    {0x1.7ed4ed4p-9, 0x1.f18e38585cb0ep-37, -0x1.ffff70cp-1, -0x1.fe29e52d1048p-29},
    {0x1.fb543ecp-11, 0x1.e64e9c87a6aa2p-38, -0x1.fffff04p-1, -0x1.4c91ae613339bp-30},
    {-0x1.0255dbp-10, -0x1.5f7406d950351p-37, -0x1.ffffef8p-1, -0x1.a768a52576d42p-28},
    {-0x1.812aca8p-9, -0x1.0331e3d693c8dp-36, -0x1.ffff6fp-1, -0x1.f7c59459e32efp-29},
    {-0x1.4095238p-8, -0x1.809247f380248p-35, -0x1.fffe6e8p-1, -0x1.4650162b611d3p-30},
    {-0x1.c09491cp-8, -0x1.555199632f3ecp-35, -0x1.fffcedcp-1, -0x1.aa7d81c82b293p-28},
    {-0x1.2049c8p-7, -0x1.ff8cb373cf48bp-44, -0x1.fffaed4p-1, -0x1.09a0689a84f9cp-28},
    {-0x1.6048fecp-7, -0x1.c2d2fc9b0fdd9p-34, -0x1.fff86ccp-1, -0x1.cbf7888f420ddp-30},
    {-0x1.a047ddcp-7, -0x1.e66da6135d526p-35, -0x1.fff56cp-1, -0x1.eb9713f1fe9b6p-28},
    {-0x1.e046548p-7, -0x1.93f044fe5cf5fp-34, -0x1.fff1eb8p-1, -0x1.796d1fbebcc46p-28},
    {-0x1.1022298p-6, -0x1.d40a2a7280b67p-33, -0x1.ffedebp-1, -0x1.238121ef2cc8ap-28},
    {-0x1.3020e5p-6, -0x1.33a82849da7edp-34, -0x1.ffe96a8p-1, -0x1.e3a85fa73b53bp-29},
    {-0x1.501f544p-6, -0x1.1de0836bc52e5p-33, -0x1.ffe46ap-1, -0x1.daceab4e8caf9p-29},
    {-0x1.701d6f8p-6, -0x1.63522c888d342p-33, -0x1.ffdee98p-1, -0x1.203b945002ad6p-28},
    {-0x1.901b2ecp-6, -0x1.6df3d35ffb38ep-33, -0x1.ffd8e9p-1, -0x1.9551dede1344bp-28},
    {-0x1.b0188ap-6, -0x1.42484a86f0125p-33, -0x1.ffd268cp-1, -0x1.62ac5f2f83065p-30},
    {-0x1.d015794p-6, -0x1.cb34e442db1e4p-34, -0x1.ffcb684p-1, -0x1.77480dfdc342fp-28},
    {-0x1.f011f48p-6, -0x1.7834da3e247f9p-35, -0x1.ffc3e8p-1, -0x1.fe52f3039d76p-29},
    {-0x1.0806f9cp-5, -0x1.b2ab8ee45b71dp-33, -0x1.ffbbe7cp-1, -0x1.fe9ff01f49fd7p-29},
    {-0x1.1804b74p-5, -0x1.75bc3d9176afp-32, -0x1.ffb3678p-1, -0x1.87bc09484e6b7p-28},
    {-0x1.28022fp-5, -0x1.17f023d229e3ep-37, -0x1.ffaa678p-1, -0x1.52dc156c3428dp-29},
    {-0x1.37ff5c8p-5, -0x1.2ee22fd0a2c6dp-33, -0x1.ffa0e78p-1, -0x1.d998ce3219dap-30},
    {-0x1.47fc3cp-5, -0x1.277688cee08bdp-32, -0x1.ff96e78p-1, -0x1.01a4902833c3ap-28},
    {-0x1.57f8c98p-5, -0x1.bf115a5a31e3p-32, -0x1.ff8c67cp-1, -0x1.7ca3f53b8392bp-30},
    {-0x1.67f5014p-5, -0x1.949c44a5d6e74p-34, -0x1.ff8168p-1, -0x1.47e6465ee8c6p-29},
    {-0x1.77f0decp-5, -0x1.21492e398dce2p-32, -0x1.ff75e84p-1, -0x1.e602702212788p-28},
    {-0x1.87ec5e4p-5, -0x1.fbbd2d00826afp-32, -0x1.ff69e9p-1, -0x1.e2b099420cb71p-31},
    {-0x1.97e77cp-5, -0x1.fb0902b7f1d72p-33, -0x1.ff5d698p-1, -0x1.beecf62d1ec63p-28},
    {-0x1.a7e233cp-5, -0x1.8324aa8561291p-35, -0x1.ff506a8p-1, -0x1.0d8b700b46936p-29},
    {-0x1.b7dc814p-5, -0x1.9eeec698e748p-32, -0x1.ff42eb8p-1, -0x1.5bbd4c61fa188p-29},
    {-0x1.c7d661p-5, -0x1.5488640003d4ap-32, -0x1.ff34eccp-1, -0x1.3cd6d963ed8c2p-30},
    {-0x1.d7cfcecp-5, -0x1.5d72aa88eb4d1p-32, -0x1.ff266ep-1, -0x1.86c87f9291c71p-28},
    {-0x1.e7c8c68p-5, -0x1.c6d2c25d9d5a4p-32, -0x1.ff176fcp-1, -0x1.c650cd79c8d52p-30},
    {-0x1.f7c1448p-5, -0x1.3d73770b765p-33, -0x1.ff07f18p-1, -0x1.2d959669c0f53p-28},
    {-0x1.03dca2p-4, -0x1.fa1645310c65bp-31, -0x1.fef7f38p-1, -0x1.d9c8f90ee3955p-28},
    {-0x1.0bd861p-4, -0x1.eb9601f5aac9fp-31, -0x1.fee776p-1, -0x1.2c545f2cd9fc1p-29},
    {-0x1.13d3dd4p-4, -0x1.62f366c5f0df4p-34, -0x1.fed6788p-1, -0x1.83b48a38288a2p-28},
    {-0x1.1bcf144p-4, -0x1.8aef959aabdc8p-32, -0x1.fec4fb8p-1, -0x1.88c599b88c498p-29},
    {-0x1.23ca044p-4, -0x1.c0744aaf6585p-31, -0x1.feb2fecp-1, -0x1.ecbc9a72a5f29p-30},
    {-0x1.2bc4ab8p-4, -0x1.277402df22d6p-31, -0x1.fea0824p-1, -0x1.9826520cbcd8cp-29},
    {-0x1.33bf07cp-4, -0x1.0528eeb8eba91p-31, -0x1.fe8d86p-1, -0x1.dc07bf1b34c7p-28},
    {-0x1.3bb917p-4, -0x1.64daebe8b179ep-31, -0x1.fe7a0a4p-1, -0x1.d105241385c8fp-28},
    {-0x1.43b2d78p-4, -0x1.49aede5fb31a2p-33, -0x1.fe660fp-1, -0x1.a405b3c04af91p-29},
    {-0x1.4bac46cp-4, -0x1.da5aeb75187fdp-31, -0x1.fe5194p-1, -0x1.06f79f6c8271bp-28},
    {-0x1.53a5638p-4, -0x1.393f5276cb1d7p-36, -0x1.fe3c998p-1, -0x1.31b2cd41ec70ep-29},
    {-0x1.5b9e2bp-4, -0x1.dd005c47b97d4p-32, -0x1.fe271f4p-1, -0x1.b19d4a25491d5p-28},
    {-0x1.63969bcp-4, -0x1.2ddd44009e90fp-32, -0x1.fe1125cp-1, -0x1.f0de0b8daede6p-30},
    {-0x1.6b8eb38p-4, -0x1.12344112227fep-31, -0x1.fdfaac8p-1, -0x1.249b5d4a68e7cp-28},
    {-0x1.7386708p-4, -0x1.c0870623af93p-33, -0x1.fde3b3cp-1, -0x1.d7bb2e5192f6ap-28},
    {-0x1.7b7dd08p-4, -0x1.827b41ccfe429p-32, -0x1.fdcc3bcp-1, -0x1.87109077dd268p-29},
    {-0x1.8374d1cp-4, -0x1.6c81fdd396a52p-35, -0x1.fdb4444p-1, -0x1.6f2ef1bde7f88p-32},
    {-0x1.8b6b72p-4, -0x1.057e7bffb828ap-32, -0x1.fd9bcd4p-1, -0x1.ea4d1712ca2d1p-36},
    {-0x1.9361af8p-4, -0x1.7e2b541f77155p-35, -0x1.fd82d6cp-1, -0x1.6ab8ccd57d0a6p-29},
    {-0x1.9b5788p-4, -0x1.d36fea8fce2fcp-32, -0x1.fd6961p-1, -0x1.8cd834c05bdf2p-30},
    {-0x1.a34cf9cp-4, -0x1.0c8e1e8560be7p-31, -0x1.fd4f6bcp-1, -0x1.3e62d4e11f5abp-28},
    {-0x1.ab4202cp-4, -0x1.2b03fa532dc89p-32, -0x1.fd34f74p-1, -0x1.7acd059dc43d8p-28},
    {-0x1.b336a0cp-4, -0x1.9a8203d7f08c9p-31, -0x1.fd1a038p-1, -0x1.4d5d8f3149c41p-28},
    {-0x1.bb2ad24p-4, -0x1.92923162baeb3p-34, -0x1.fcfe908p-1, -0x1.d7f7f7b01ff3ap-29},
    {-0x1.c31e94cp-4, -0x1.d241cc287606dp-33, -0x1.fce29e4p-1, -0x1.1b1cc58b61164p-29},
    {-0x1.cb11e68p-4, -0x1.e6df3ad1f2eb1p-33, -0x1.fcc62ccp-1, -0x1.a7e569ade5048p-30},
    {-0x1.d304c58p-4, -0x1.6c94b2bec06a6p-33, -0x1.fca93cp-1, -0x1.743fd4fe8d603p-29},
    {-0x1.daf72fcp-4, -0x1.98d74b4d4f7b8p-34, -0x1.fc8bccp-1, -0x1.b7e37dc2c295ep-28},
    {-0x1.e2e9234p-4, -0x1.cc4e3a96775e6p-35, -0x1.fc6dddp-1, -0x1.9e23d38b0976ap-28},
    {-0x1.eada9ep-4, -0x1.a1e3ae1f1fb11p-34, -0x1.fc4f6fp-1, -0x1.517de211762bbp-29},
    {-0x1.f2cb9ep-4, -0x1.2d18dd2b59fd7p-32, -0x1.fc3081cp-1, -0x1.14911250797a5p-28},
    {-0x1.fabc214p-4, -0x1.61b50a40197efp-31, -0x1.fc11158p-1, -0x1.1f749b23da3ap-28},
    {-0x1.015613p-3, -0x1.695fd5524b22p-32, -0x1.fbf12a4p-1, -0x1.0842077acddbfp-28},
    {-0x1.054dd5p-3, -0x1.5ee81f79e9a98p-32, -0x1.fbd0cp-1, -0x1.0ecfdbcd812e6p-28},
    {-0x1.0945558p-3, -0x1.b97ce7b7fea4dp-30, -0x1.fbafd6cp-1, -0x1.73f2951ebc7d9p-28},
    {-0x1.0d3c94p-3, -0x1.213ecd80dca85p-31, -0x1.fb8e6ecp-1, -0x1.e5f2631b12a67p-30},
    {-0x1.11338fp-3, -0x1.dd49f2f8da4b4p-31, -0x1.fb6c87cp-1, -0x1.88f88ffb08a1p-30},
    {-0x1.152a45cp-3, -0x1.cb2f656a17c54p-31, -0x1.fb4a21cp-1, -0x1.72053b2cb20f7p-28},
    {-0x1.1920b74p-3, -0x1.10147dea72585p-31, -0x1.fb273dp-1, -0x1.ed9d98efe5569p-28},
    {-0x1.1d16e24p-3, -0x1.e919dfe50bc5ep-30, -0x1.fb03d9cp-1, -0x1.ad09cee1289ecp-32},
    {-0x1.210cc64p-3, -0x1.1c706782679b1p-30, -0x1.fadff78p-1, -0x1.0194e983f8fb3p-30},
    {-0x1.250262p-3, -0x1.b23199b3f5761p-33, -0x1.fabb968p-1, -0x1.4c3fccc97d462p-29},
    {-0x1.28f7b44p-3, -0x1.4b6426c7af31ap-30, -0x1.fa96b6cp-1, -0x1.94c286069e96p-28},
    {-0x1.2cecbc8p-3, -0x1.c4969c9d0005ap-32, -0x1.fa71588p-1, -0x1.560c5c14a4c5ep-28},
    {-0x1.30e1794p-3, -0x1.bd7a951a7cde9p-30, -0x1.fa4b7bcp-1, -0x1.a5cfb56e1af7ep-31},
    {-0x1.34d5eap-3, -0x1.46e947beb3ad5p-30, -0x1.fa25204p-1, -0x1.f214724ad39dp-30},
    {-0x1.38ca0d8p-3, -0x1.249086e79421ep-30, -0x1.f9fe464p-1, -0x1.e892e8de2bcd1p-30},
    {-0x1.3cbde2cp-3, -0x1.6e298557733fap-30, -0x1.f9d6edcp-1, -0x1.ed333a57cdbdbp-30},
    {-0x1.40b169p-3, -0x1.e04ed687a0eb2p-33, -0x1.f9af16cp-1, -0x1.9d5caf8072925p-29},
    {-0x1.44a49ecp-3, -0x1.a7257e01976acp-30, -0x1.f986c14p-1, -0x1.c3f73f3505535p-28},
    {-0x1.4897838p-3, -0x1.c910be44b33b3p-30, -0x1.f95ded8p-1, -0x1.abd245f3e450ap-28},
    {-0x1.4c8a164p-3, -0x1.78047a7ca94d2p-31, -0x1.f9349b8p-1, -0x1.afcde0a52e3efp-29},
    {-0x1.507c55cp-3, -0x1.35a9d09b19b13p-31, -0x1.f90acbp-1, -0x1.9ad9719332115p-28},
    {-0x1.546e41p-3, -0x1.8109f1d5ab321p-30, -0x1.f8e07c8p-1, -0x1.212a5cec42215p-30},
    {-0x1.585fd74p-3, -0x1.8acaca5de62a3p-30, -0x1.f8b5af8p-1, -0x1.34d7b42aa2058p-28},
    {-0x1.5c51178p-3, -0x1.a9d6330de94edp-31, -0x1.f88a648p-1, -0x1.6c3516ec2bc33p-29},
    {-0x1.6042008p-3, -0x1.7ceab6d619936p-30, -0x1.f85e9b4p-1, -0x1.22a93afeeaf9dp-28},
    {-0x1.6432918p-3, -0x1.a0f7a2552375dp-30, -0x1.f83254p-1, -0x1.a42c4b9cd156bp-29},
    {-0x1.6822c98p-3, -0x1.5feffd06e1f03p-30, -0x1.f8058ecp-1, -0x1.cefde3106856ep-32},
    {-0x1.6c12a78p-3, -0x1.b2c8025f25f5ep-31, -0x1.f7d84b4p-1, -0x1.5cc10f92c82c9p-28},
    {-0x1.70022a8p-3, -0x1.6cbfd3864ea29p-33, -0x1.f7aa8ap-1, -0x1.d820d03925ed7p-29},
    {-0x1.73f1514p-3, -0x1.7d863db851981p-30, -0x1.f77c4acp-1, -0x1.2660821282d9fp-28},
    {-0x1.77e01b4p-3, -0x1.d5c242031b0abp-31, -0x1.f74d8dcp-1, -0x1.a0bf33cd11553p-30},
    {-0x1.7bce874p-3, -0x1.3029e5d1b2045p-31, -0x1.f71e52cp-1, -0x1.0ef87658790c8p-28},
    {-0x1.7fbc944p-3, -0x1.5093e420d2eefp-31, -0x1.f6ee9ap-1, -0x1.793052982cde1p-28},
    {-0x1.83aa414p-3, -0x1.3f664456342cfp-30, -0x1.f6be63cp-1, -0x1.923149d853057p-34},
    {-0x1.87978d8p-3, -0x1.041fdbb4b4adp-31, -0x1.f68daf8p-1, -0x1.16aea8bdb51dcp-28},
    {-0x1.8b8477cp-3, -0x1.2b5d8fab3b256p-31, -0x1.f65c7dcp-1, -0x1.0bca373a2e325p-28},
    {-0x1.8f70ffp-3, -0x1.a06e773f5f238p-30, -0x1.f62ace8p-1, -0x1.1ffbc524ae2cfp-30},
    {-0x1.935d228p-3, -0x1.c9406342ac38ep-30, -0x1.f5f8a18p-1, -0x1.2eab85cb85a41p-28},
    {-0x1.9748e14p-3, -0x1.37ddab81d9af2p-30, -0x1.f5c5f74p-1, -0x1.214dc7f719f7fp-31},
    {-0x1.9b343a4p-3, -0x1.4c91e2831b0bbp-34, -0x1.f592cf4p-1, -0x1.8dce4b6748dafp-28},
    {-0x1.9f1f2c4p-3, -0x1.12a25b926b6dbp-31, -0x1.f55f2ap-1, -0x1.d1e8e079e919ep-28},
    {-0x1.a309b68p-3, -0x1.7f23ce19eee18p-31, -0x1.f52b078p-1, -0x1.57c3e5093c6bep-28},
    {-0x1.a6f3d8p-3, -0x1.c4edcc52164edp-31, -0x1.f4f667cp-1, -0x1.0f48eae4ccc88p-29},
    {-0x1.aadd8fcp-3, -0x1.1dbd4c25963e9p-30, -0x1.f4c14a8p-1, -0x1.caca438bef2d3p-28},
    {-0x1.aec6dccp-3, -0x1.9df5b3edfc827p-30, -0x1.f48bb04p-1, -0x1.8b6f7c55d79e9p-28},
    {-0x1.b2afbe4p-3, -0x1.210c4e595dfbp-31, -0x1.f45599p-1, -0x1.a6456b58745cap-31},
    {-0x1.b69833p-3, -0x1.1d60978cf8ff5p-33, -0x1.f41f048p-1, -0x1.982551a26f565p-31},
    {-0x1.ba803ap-3, -0x1.0cfc7845b21cbp-31, -0x1.f3e7f2cp-1, -0x1.f34c70dc668c7p-28},
    {-0x1.be67d24p-3, -0x1.e8eeb3b6c7fcbp-30, -0x1.f3b0644p-1, -0x1.e3c30f0601211p-28},
    {-0x1.c24efb4p-3, -0x1.ef332ade9e17p-32, -0x1.f37859p-1, -0x1.ce16190b6d8f3p-30},
    {-0x1.c635b38p-3, -0x1.c31c183e93fbbp-32, -0x1.f33fd0cp-1, -0x1.2aab04c884a2ap-32},
    {-0x1.ca1bfap-3, -0x1.fa6d121d33d57p-30, -0x1.f306cb8p-1, -0x1.324322feba2afp-28},
    {-0x1.ce01ce4p-3, -0x1.4c31b60f180f5p-30, -0x1.f2cd49cp-1, -0x1.1164504c77784p-30},
    {-0x1.d1e72fp-3, -0x1.34d98e0f5433ap-31, -0x1.f2934bp-1, -0x1.bbf03c9ecde66p-28},
    {-0x1.d5cc1b4p-3, -0x1.a5d1b06d71bbep-34, -0x1.f258dp-1, -0x1.a0b78a2c98b0dp-33},
    {-0x1.d9b092p-3, -0x1.153dcd3088f9ap-37, -0x1.f21dd8p-1, -0x1.ac8ffc75b5aaep-28},
    {-0x1.dd94924p-3, -0x1.11cf30a7c412cp-31, -0x1.f1e263cp-1, -0x1.107e92b432bcap-28},
    {-0x1.e1781bp-3, -0x1.e693f90415d97p-30, -0x1.f1a673p-1, -0x1.5f74472e10961p-29},
    {-0x1.e55b2bcp-3, -0x1.5077beebb73f4p-32, -0x1.f16a05cp-1, -0x1.022444cff44c5p-28},
    {-0x1.e93dc3p-3, -0x1.6c91517e39b77p-35, -0x1.f12d1c4p-1, -0x1.012ebe7fc3207p-29},
    {-0x1.ed1fdfcp-3, -0x1.4739851672659p-30, -0x1.f0efb64p-1, -0x1.a4e690c04e28cp-28},
    {-0x1.f101818p-3, -0x1.0d8ce7443e5b1p-32, -0x1.f0b1d44p-1, -0x1.d3bb1b5d092cbp-29},
    {-0x1.f4e2a6cp-3, -0x1.3c9e931817d54p-30, -0x1.f07376p-1, -0x1.968104715ea88p-29},
    {-0x1.f8c34fp-3, -0x1.c283eff90c626p-32, -0x1.f0349b8p-1, -0x1.c5cbf36cce71fp-28},
    {-0x1.fca379p-3, -0x1.e1a50df4dbf1p-34, -0x1.eff5454p-1, -0x1.5cd280265bd85p-30},
    {-0x1.004191cp-2, -0x1.425b67d9fb8fcp-29, -0x1.efb572cp-1, -0x1.fc4ec22287ac9p-29},
    {-0x1.023127p-2, -0x1.f290841373dabp-29, -0x1.ef75248p-1, -0x1.d24850f302fcdp-31},
    {-0x1.04207cp-2, -0x1.020796d405c38p-31, -0x1.ef345a4p-1, -0x1.186c92f527f3ep-29},
    {-0x1.060f8fcp-2, -0x1.3618379750976p-31, -0x1.eef3144p-1, -0x1.d60e1fdddd051p-30},
    {-0x1.07fe62p-2, -0x1.dbac702da3eafp-32, -0x1.eeb1528p-1, -0x1.e2f32225e9f7ap-30},
    {-0x1.09ecf24p-2, -0x1.655ff9b6d15b6p-32, -0x1.ee6f15p-1, -0x1.196587a4e5958p-28},
    {-0x1.0bdb4p-2, -0x1.1023e71c02903p-31, -0x1.ee2c5cp-1, -0x1.b7f134b9f33a7p-29},
    {-0x1.0dc94acp-2, -0x1.49e218eef7c22p-30, -0x1.ede9278p-1, -0x1.17a03514f1177p-30},
    {-0x1.0fb712p-2, -0x1.734eb3a40f8bbp-29, -0x1.eda5774p-1, -0x1.dd9d0314f5688p-28},
    {-0x1.11a4958p-2, -0x1.a726a090958p-30, -0x1.ed614cp-1, -0x1.53bc986738619p-31},
    {-0x1.1391d48p-2, -0x1.d5703dc65552ep-30, -0x1.ed1ca5p-1, -0x1.b4cea71f484a2p-28},
    {-0x1.157ece8p-2, -0x1.de3f2e38c63fp-29, -0x1.ecd783p-1, -0x1.05efd9da0b87p-28},
    {-0x1.176b834p-2, -0x1.d43455f1c56ecp-29, -0x1.ec91e5cp-1, -0x1.503ea826f10cbp-29},
    {-0x1.1957f24p-2, -0x1.e65c5a30cc22bp-30, -0x1.ec4bcd4p-1, -0x1.2697aa5922edap-28},
    {-0x1.1b441acp-2, -0x1.624f0072d1054p-29, -0x1.ec0539cp-1, -0x1.0d89ba2145da4p-28},
    {-0x1.1d2ffc8p-2, -0x1.4945c8ba81dc6p-29, -0x1.ebbe2b4p-1, -0x1.d4390d7d1a7e4p-29},
    {-0x1.1f1b97p-2, -0x1.a09e41610719ep-30, -0x1.eb76a1cp-1, -0x1.4a6d161655cbfp-28},
    {-0x1.2106e9cp-2, -0x1.01b1d872250e9p-32, -0x1.eb2e9d8p-1, -0x1.7b1c9a32d8632p-29},
    {-0x1.22f1f4p-2, -0x1.6255d852c56d2p-29, -0x1.eae61e4p-1, -0x1.d388cbff54a47p-28},
    {-0x1.24dcb5cp-2, -0x1.813278d7c5947p-30, -0x1.ea9d248p-1, -0x1.1d5aca44238eep-28},
    {-0x1.26c72e4p-2, -0x1.95f490ee0013bp-31, -0x1.ea53bp-1, -0x1.2cf7f268f0733p-28},
    {-0x1.28b15dp-2, -0x1.f042ebe14a10ep-31, -0x1.ea09c1p-1, -0x1.2a927aedd81c8p-29},
    {-0x1.2a9b418p-2, -0x1.2ff68f6a11e0cp-29, -0x1.e9bf574p-1, -0x1.ea2cce4522d8ep-28},
    {-0x1.2c84db8p-2, -0x1.5acb12019e2fap-30, -0x1.e974734p-1, -0x1.c075cc80f5175p-28},
    {-0x1.2e6e2a4p-2, -0x1.2129dcc73594bp-29, -0x1.e92915p-1, -0x1.5bd87ef29b689p-29},
    {-0x1.30572d8p-2, -0x1.714c045ef1a96p-30, -0x1.e8dd3c4p-1, -0x1.494ce8aca1351p-28},
    {-0x1.323fe48p-2, -0x1.a1d3a7bab1719p-29, -0x1.e890e98p-1, -0x1.5248f0cdf1159p-31},
    {-0x1.34284f4p-2, -0x1.6894ef4d8d2bcp-34, -0x1.e8441c4p-1, -0x1.e986a4537854bp-28},
    {-0x1.36106ccp-2, -0x1.211fdb617c14dp-32, -0x1.e7f6d54p-1, -0x1.209f88573897cp-28},
    {-0x1.37f83ccp-2, -0x1.c36b1aeb5b6a1p-33, -0x1.e7a9144p-1, -0x1.a887e499e8ed2p-30},
    {-0x1.39dfbecp-2, -0x1.1ee7048534a1cp-32, -0x1.e75ad94p-1, -0x1.8640848d007c3p-30},
    {-0x1.3bc6f24p-2, -0x1.b04a69e22e5c6p-31, -0x1.e70c244p-1, -0x1.a35fff2f8aea1p-28},
    {-0x1.3dadd6cp-2, -0x1.2670e1a5c67a4p-29, -0x1.e6bcf5cp-1, -0x1.99f67f1fb4455p-29},
    {-0x1.3f946cp-2, -0x1.0a5d37949729dp-30, -0x1.e66d4d8p-1, -0x1.f2fc524307bdp-30},
    {-0x1.417ab14p-2, -0x1.76430af9c6b76p-30, -0x1.e61d2b8p-1, -0x1.51fc0eef9f567p-28},
    {-0x1.4360a6p-2, -0x1.fbbf2583b6295p-29, -0x1.e5cc9p-1, -0x1.ecf5f60674e3ep-28},
    {-0x1.45464a4p-2, -0x1.ec76ffdb95f18p-31, -0x1.e57b7b4p-1, -0x1.ddc73f75f34f6p-29},
    {-0x1.472b9dp-2, -0x1.b7d524ebd7859p-31, -0x1.e529edp-1, -0x1.f3dd9061c927bp-29},
    {-0x1.49109ep-2, -0x1.340b1a5999558p-34, -0x1.e4d7e58p-1, -0x1.6267d27efc971p-29},
    {-0x1.4af54c8p-2, -0x1.841d1c0905a16p-29, -0x1.e48564cp-1, -0x1.71842355070d8p-29},
    {-0x1.4cd9a88p-2, -0x1.140e487061658p-29, -0x1.e4326acp-1, -0x1.b59abc1e623c2p-28},
    {-0x1.4ebdb14p-2, -0x1.e1781c7628798p-30, -0x1.e3def8p-1, -0x1.36c697bf6f478p-30},
    {-0x1.50a1664p-2, -0x1.52150a68b45a5p-29, -0x1.e38b0cp-1, -0x1.27eca59f16a5dp-28},
    {-0x1.5284c74p-2, -0x1.c2bce32a36d11p-31, -0x1.e336a74p-1, -0x1.d847023c5297fp-29},
    {-0x1.5467d38p-2, -0x1.0b91cbbc3c0aap-30, -0x1.e2e1c9cp-1, -0x1.0c7f0f6ca7c67p-30},
    {-0x1.564a8a8p-2, -0x1.cb49a07d7ca47p-29, -0x1.e28c734p-1, -0x1.d69c948dcc631p-28},
    {-0x1.582cec4p-2, -0x1.ef0cad95c718dp-31, -0x1.e236a48p-1, -0x1.451a2b2264ff7p-30},
    {-0x1.5a0ef7cp-2, -0x1.a4e4dd22018cdp-30, -0x1.e1e05dp-1, -0x1.7aee113723e77p-30},
    {-0x1.5bf0accp-2, -0x1.0b40686a2922ep-29, -0x1.e1899dp-1, -0x1.5714f44f9a92bp-29},
    {-0x1.5dd20acp-2, -0x1.62c31ecfa1db8p-29, -0x1.e132648p-1, -0x1.e533558593d0ap-28},
    {-0x1.5fb3118p-2, -0x1.63e8fef52f648p-33, -0x1.e0dab4p-1, -0x1.744d88b5196f2p-29},
    {-0x1.6193cp-2, -0x1.63a5a2f550efcp-29, -0x1.e0828bp-1, -0x1.d9c60dc280174p-28},
    {-0x1.6374164p-2, -0x1.899b188f1ded9p-29, -0x1.e029eap-1, -0x1.f462e6293d1d2p-28},
    {-0x1.655413cp-2, -0x1.8ee4f685e9227p-30, -0x1.dfd0d1p-1, -0x1.bb3f43362ddacp-28},
    {-0x1.6733b7cp-2, -0x1.5d310f9ae0558p-29, -0x1.df774p-1, -0x1.e08d2f7bdac8cp-28},
    {-0x1.691302p-2, -0x1.8b8ec423676c3p-29, -0x1.df1d374p-1, -0x1.176e9deb690f5p-28},
    {-0x1.6af1f2p-2, -0x1.93f7213d8a1bap-29, -0x1.dec2b6cp-1, -0x1.3f53d0c1eb919p-32},
    {-0x1.6cd0874p-2, -0x1.b88a38c3dba8ap-29, -0x1.de67be4p-1, -0x1.8b2249f6f8015p-28},
    {-0x1.6eaec18p-2, -0x1.e0ecac13c713cp-32, -0x1.de0c4e8p-1, -0x1.973318b2c7f7bp-31},
    {-0x1.708c9fcp-2, -0x1.623d2a81a073dp-29, -0x1.ddb067p-1, -0x1.8442b553cdf94p-29},
    {-0x1.726a22p-2, -0x1.6f2c4222b1252p-29, -0x1.dd5408p-1, -0x1.f0a2090e94dc9p-28},
    {-0x1.744747cp-2, -0x1.4fccda1ea494dp-30, -0x1.dcf732p-1, -0x1.dc987b2bb7dap-30},
    {-0x1.7624104p-2, -0x1.522070fa8a9fp-29, -0x1.dc99e48p-1, -0x1.0f59f65faaec5p-28},
    {-0x1.78007b4p-2, -0x1.b449373389e0ap-29, -0x1.dc3c2p-1, -0x1.cf61977270054p-30},
    {-0x1.79dc888p-2, -0x1.58abb09e9844fp-33, -0x1.dbdde44p-1, -0x1.602a9039f48f5p-28},
    {-0x1.7bb837p-2, -0x1.7b95f00651d79p-30, -0x1.db7f31cp-1, -0x1.218f6cec0684ep-29},
    {-0x1.7d93868p-2, -0x1.f5acd7e1298edp-29, -0x1.db20084p-1, -0x1.862a10eec5a9dp-29},
    {-0x1.7f6e77p-2, -0x1.a4481e5be5877p-35, -0x1.dac068p-1, -0x1.6acaeb675e23dp-29},
    {-0x1.8149074p-2, -0x1.3a97615ceb72ap-29, -0x1.da6051p-1, -0x1.26f97d9ac9f5fp-28},
    {-0x1.8323374p-2, -0x1.dc9ee1501106ap-29, -0x1.d9ffc38p-1, -0x1.affdff8d79a3dp-29},
    {-0x1.84fd06cp-2, -0x1.c23c5c98081a6p-32, -0x1.d99ebf8p-1, -0x1.132217e082c96p-29},
    {-0x1.86d674cp-2, -0x1.33e5b9f3124fdp-30, -0x1.d93d45p-1, -0x1.fb6f634ffddd7p-29},
    {-0x1.88af81p-2, -0x1.4ec4d0d2c01dbp-29, -0x1.d8db544p-1, -0x1.eecf9fa90ea06p-29},
    {-0x1.8a882b4p-2, -0x1.49499b40036abp-30, -0x1.d878ed4p-1, -0x1.3a82e3f52053ap-28},
    {-0x1.8c6072cp-2, -0x1.d47d233620b2dp-30, -0x1.d816104p-1, -0x1.17adb252caa63p-29},
    {-0x1.8e38574p-2, -0x1.bc0c7c2c824cfp-31, -0x1.d7b2bdp-1, -0x1.b11dd6fdcd76cp-28},
    {-0x1.900fd8p-2, -0x1.8329a868938dfp-29, -0x1.d74ef4p-1, -0x1.70fe0ffd22d96p-28},
    {-0x1.91e6f5p-2, -0x1.dec1f13c9636fp-31, -0x1.d6eab54p-1, -0x1.2613200deddcfp-29},
    {-0x1.93bdad4p-2, -0x1.9e5df13e555fdp-29, -0x1.d686008p-1, -0x1.dfbe0a6b20949p-28},
    {-0x1.959400cp-2, -0x1.49c15127c9d22p-29, -0x1.d620d68p-1, -0x1.04253e528264p-31},
    {-0x1.9769eecp-2, -0x1.cd33c4cb7a4fbp-29, -0x1.d5bb36cp-1, -0x1.fb1d3bbc71ddep-32},
    {-0x1.993f77p-2, -0x1.7cd93ee15fca7p-29, -0x1.d555218p-1, -0x1.510a1470797dcp-29},
    {-0x1.9b1499p-2, -0x1.5b42ce20e64fdp-30, -0x1.d4ee97p-1, -0x1.0e514994034a9p-29},
    {-0x1.9ce954p-2, -0x1.b54884b2be73cp-29, -0x1.d487974p-1, -0x1.11634f04d367dp-29},
    {-0x1.9ebda8p-2, -0x1.d4b0d2cc8c4bep-30, -0x1.d420224p-1, -0x1.7b1f8db48c47ep-28},
    {-0x1.a091944p-2, -0x1.4852b6d51fb2cp-30, -0x1.d3b8388p-1, -0x1.6ae0b3ab33b36p-31},
    {-0x1.a265184p-2, -0x1.3ae2ffca8bdb2p-29, -0x1.d34fd98p-1, -0x1.6f3b10e16c5b9p-28},
    {-0x1.a43833cp-2, -0x1.077d4452a707fp-29, -0x1.d2e706p-1, -0x1.17a2827966802p-32},
    {-0x1.a60ae64p-2, -0x1.8f05254b29e99p-31, -0x1.d27dbd8p-1, -0x1.cb815eb3ef57dp-29},
    {-0x1.a7dd2fp-2, -0x1.aa4a4b2c0e996p-29, -0x1.d214008p-1, -0x1.7d3eda07d4538p-29},
    {-0x1.a9af0ep-2, -0x1.36868ba9e7232p-29, -0x1.d1a9cfp-1, -0x1.be419a177930ep-30},
    {-0x1.ab80828p-2, -0x1.64b83b268ddf1p-29, -0x1.d13f29p-1, -0x1.99ed566db5507p-29},
    {-0x1.ad518c4p-2, -0x1.23ecc2f4e35ap-30, -0x1.d0d40ecp-1, -0x1.583c3e9772846p-29},
    {-0x1.af222a8p-2, -0x1.1c2dc6b66fb59p-29, -0x1.d068804p-1, -0x1.c6768d085f3a9p-29},
    {-0x1.b0f25dp-2, -0x1.6221dba89c8ep-29, -0x1.cffc7dcp-1, -0x1.25ac3a76bba46p-30},
    {-0x1.b2c2234p-2, -0x1.c36da22b632dfp-29, -0x1.cf9007p-1, -0x1.b6b2998c29b12p-28},
    {-0x1.b4917dp-2, -0x1.41092a7d7f44cp-30, -0x1.cf231ccp-1, -0x1.ff83bc663fdf4p-35},
    {-0x1.b660698p-2, -0x1.6ace43ad6de5fp-31, -0x1.ceb5be8p-1, -0x1.64a810d6dea72p-33},
    {-0x1.b82ee84p-2, -0x1.5421b9ef51ec8p-29, -0x1.ce47ec8p-1, -0x1.4dc37cbb85c2ap-29},
    {-0x1.b9fcf9p-2, -0x1.efd1653461ddfp-29, -0x1.cdd9a7p-1, -0x1.65b0aaf6cdfa1p-29},
    {-0x1.bbca9b8p-2, -0x1.2341fe1ea79b6p-30, -0x1.cd6aeep-1, -0x1.0b93fe49c2f01p-28},
    {-0x1.bd97cecp-2, -0x1.9e4bf24859f3cp-29, -0x1.ccfbc1cp-1, -0x1.1d0d3bf9c4b87p-29},
    {-0x1.bf6492cp-2, -0x1.7b6b8eec30bfp-29, -0x1.cc8c224p-1, -0x1.a08cf3644b7f4p-32},
    {-0x1.c130e7p-2, -0x1.1eefe1cb8c08fp-30, -0x1.cc1c0f8p-1, -0x1.1ab354dd6f9c5p-29},
    {-0x1.c2fccacp-2, -0x1.41c8e6602d378p-29, -0x1.cbab89cp-1, -0x1.913d1c4d25938p-29},
    {-0x1.c4c83dcp-2, -0x1.fa96d5f0a713cp-29, -0x1.cb3a91p-1, -0x1.ace2e6dc5fc08p-28},
    {-0x1.c6933fcp-2, -0x1.22fba488832d5p-29, -0x1.cac925cp-1, -0x1.c17f6ca01bf4fp-32},
    {-0x1.c85ddp-2, -0x1.24f39b2ea1eb5p-29, -0x1.ca57478p-1, -0x1.f2293ad0cad25p-29},
    {-0x1.ca27ee4p-2, -0x1.ad79320175f81p-31, -0x1.c9e4f6cp-1, -0x1.27951eb9ca474p-28},
    {-0x1.cbf199cp-2, -0x1.61ff79f9a070ep-29, -0x1.c972338p-1, -0x1.8c3aea5ab2f8p-28},
    {-0x1.cdbad28p-2, -0x1.d5ffe40fc216dp-31, -0x1.c8fefep-1, -0x1.0c8c62598a78fp-28},
    {-0x1.cf8397cp-2, -0x1.36e97cc3495f5p-33, -0x1.c88b564p-1, -0x1.1de943aa19aap-29},
    {-0x1.d14be9p-2, -0x1.548203bdf8887p-30, -0x1.c8173c4p-1, -0x1.f58686c303206p-29},
    {-0x1.d313c6p-2, -0x1.52a9491620aep-30, -0x1.c7a2b04p-1, -0x1.382c2734d636cp-28},
    {-0x1.d4db2e4p-2, -0x1.01df261425486p-30, -0x1.c72db28p-1, -0x1.8239c8cd3c2b5p-31},
    {-0x1.d6a2214p-2, -0x1.4482d4dde9061p-30, -0x1.c6b842cp-1, -0x1.9a206c528f5b1p-29},
    {-0x1.d8689e8p-2, -0x1.7f64355a0ac8fp-29, -0x1.c642614p-1, -0x1.f966724cd046bp-28},
    {-0x1.da2ea5cp-2, -0x1.8b5d4f7286644p-29, -0x1.c5cc0e8p-1, -0x1.42193b0a9d1b3p-29},
    {-0x1.dbf4368p-2, -0x1.3a1e48a518b68p-29, -0x1.c5554ap-1, -0x1.b0a888fb189e2p-28},
    {-0x1.ddb9504p-2, -0x1.0085c8278ade6p-29, -0x1.c4de148p-1, -0x1.5c2ebd45a64f9p-32},
    {-0x1.df7df28p-2, -0x1.54606f410f30ep-29, -0x1.c4666d8p-1, -0x1.7d8e4fa5d224fp-29},
    {-0x1.e1421dp-2, -0x1.58d377ae285e4p-30, -0x1.c3ee558p-1, -0x1.36061b72d7d0bp-29},
    {-0x1.e305cfp-2, -0x1.804ceabe60564p-29, -0x1.c375cc8p-1, -0x1.354d42efd28fdp-29},
    {-0x1.e4c9088p-2, -0x1.22976740f8dp-31, -0x1.c2fcd28p-1, -0x1.aec3de1fc6f68p-28},
    {-0x1.e68bc88p-2, -0x1.7f01e9c3803c6p-29, -0x1.c28368p-1, -0x1.929cf33e9934bp-29},
    {-0x1.e84e0fp-2, -0x1.9de0dfc923e84p-29, -0x1.c2098ccp-1, -0x1.ba3750896f038p-29},
    {-0x1.ea0fdb8p-2, -0x1.20b5c6ec5bb75p-29, -0x1.c18f41p-1, -0x1.bbc3c011dda69p-29},
    {-0x1.ebd12d8p-2, -0x1.07cfa26b8f795p-30, -0x1.c11484cp-1, -0x1.c0389ba1e7547p-28},
    {-0x1.ed92048p-2, -0x1.134ce24691b37p-31, -0x1.c099588p-1, -0x1.e660757318097p-30},
    {-0x1.ef526p-2, -0x1.c3943ef16ee9ep-30, -0x1.c01dbcp-1, -0x1.64c6ff43170e4p-38},
    {-0x1.f1123fcp-2, -0x1.b42ae2b784de8p-30, -0x1.bfa1af4p-1, -0x1.4bb4f1f43c99ep-28},
    {-0x1.f2d1a34p-2, -0x1.5beb85a286b72p-30, -0x1.bf2532cp-1, -0x1.53c485f7e88bcp-28},
    {-0x1.f4908ap-2, -0x1.bd48630a959eap-30, -0x1.bea8468p-1, -0x1.1180e6971505bp-28},
    {-0x1.f64ef38p-2, -0x1.ee5343eb2fe14p-29, -0x1.be2aea8p-1, -0x1.7ec29f2e26e7ep-28},
    {-0x1.f80cdfcp-2, -0x1.80bf22c3a795p-31, -0x1.bdad1fp-1, -0x1.96418f3385fecp-28},
    {-0x1.f9ca4dcp-2, -0x1.70c36be7b033fp-30, -0x1.bd2ee44p-1, -0x1.4e52ae2699cdep-30},
    {-0x1.fb873d4p-2, -0x1.7c0d0836bf7cbp-29, -0x1.bcb03ap-1, -0x1.66637f3299c5bp-29},
    {-0x1.fd43aep-2, -0x1.3152a118c704bp-29, -0x1.bc31208p-1, -0x1.b26d2e341cd3bp-28},
    {-0x1.feff9f8p-2, -0x1.7d449734ea643p-31, -0x1.bbb1984p-1, -0x1.3de6c8fe0550ep-30},
    {-0x1.005d888p-1, -0x1.8e25dd53dd227p-29, -0x1.bb31a0cp-1, -0x1.89681f27ff93bp-28},
    {-0x1.013b014p-1, -0x1.46ed8e71922b9p-29, -0x1.bab13acp-1, -0x1.809c84740d6dp-30},
    {-0x1.021839cp-1, -0x1.3c55d69279166p-33, -0x1.ba3065cp-1, -0x1.d482fd1535576p-28},
    {-0x1.02f5318p-1, -0x1.3fe5d4ba03ea9p-28, -0x1.b9af228p-1, -0x1.d04aa136d6615p-29},
    {-0x1.03d1e8cp-1, -0x1.1720e9fa9db21p-29, -0x1.b92d70cp-1, -0x1.3b29a2c88300fp-29},
    {-0x1.04ae5fp-1, -0x1.9ba22e30c6a4fp-31, -0x1.b8ab508p-1, -0x1.f8350cac6fbcdp-28},
    {-0x1.058a94p-1, -0x1.fa93992c1487fp-30, -0x1.b828c24p-1, -0x1.fc46265fe6429p-28},
    {-0x1.0666878p-1, -0x1.b4b84ceccbf0ap-28, -0x1.b7a5c6p-1, -0x1.aee49809c6b61p-28},
    {-0x1.074239cp-1, -0x1.dc73550ba7743p-32, -0x1.b7225cp-1, -0x1.608ef8d46fbd2p-32},
    {-0x1.081daap-1, -0x1.36c72d40e016p-35, -0x1.b69e84p-1, -0x1.c43c6d3c78ecbp-31},
    {-0x1.08f8d8p-1, -0x1.abcae80538a64p-28, -0x1.b61a3e4p-1, -0x1.1e10643aa2792p-28},
    {-0x1.09d3c4p-1, -0x1.6382e11b758d3p-28, -0x1.b5958bp-1, -0x1.cf2eb46164a78p-28},
    {-0x1.0aae6d8p-1, -0x1.73bd94ce64663p-28, -0x1.b5106a8p-1, -0x1.5548cc4cca97p-28},
    {-0x1.0b88d48p-1, -0x1.3940415dece0fp-31, -0x1.b48adccp-1, -0x1.753f89d490c16p-29},
    {-0x1.0c62f84p-1, -0x1.c8f497728288cp-28, -0x1.b404e1cp-1, -0x1.0a4f3f538c703p-28},
    {-0x1.0d3cd94p-1, -0x1.49b6c68cc83d8p-29, -0x1.b37e79cp-1, -0x1.504d220798a16p-28},
    {-0x1.0e1676cp-1, -0x1.071abdc1b87bp-28, -0x1.b2f7a5p-1, -0x1.32d2abda940bbp-29},
    {-0x1.0eefd0cp-1, -0x1.3c779765e418fp-28, -0x1.b270634p-1, -0x1.f34d831f6011ap-28},
    {-0x1.0fc8e7p-1, -0x1.923debea1b6ep-28, -0x1.b1e8b54p-1, -0x1.b1f336084ff01p-30},
    {-0x1.10a1b98p-1, -0x1.5904bba186e13p-30, -0x1.b1609a8p-1, -0x1.14539122512f6p-28},
    {-0x1.117a478p-1, -0x1.d6dcb868a9d4fp-28, -0x1.b0d8138p-1, -0x1.f60e3cbd3f5f1p-29},
    {-0x1.1252918p-1, -0x1.8bd0c527f7f07p-30, -0x1.b04f204p-1, -0x1.31a575d9d16d2p-28},
    {-0x1.132a96cp-1, -0x1.27cffe264d1ebp-30, -0x1.afc5c1p-1, -0x1.942a086f07121p-29},
    {-0x1.140257p-1, -0x1.dbd1b267adf34p-28, -0x1.af3bf5cp-1, -0x1.ae28bb4509314p-29},
    {-0x1.14d9d28p-1, -0x1.690c6e6a3b4bep-28, -0x1.aeb1becp-1, -0x1.b0e7e474c4257p-30},
    {-0x1.15b108cp-1, -0x1.42ad593d064f8p-28, -0x1.ae271cp-1, -0x1.3be7d737ad9f8p-29},
    {-0x1.1687f98p-1, -0x1.ba48056f6c03p-28, -0x1.ad9c0dcp-1, -0x1.030f45d263358p-29},
    {-0x1.175ea4cp-1, -0x1.21fade0f7490fp-28, -0x1.ad1094p-1, -0x1.2d11a05510d2dp-28},
    {-0x1.18350ap-1, -0x1.cc6f922236487p-28, -0x1.ac84afp-1, -0x1.b785332d38b8dp-28},
    {-0x1.190b298p-1, -0x1.9b6fff2cf3f75p-33, -0x1.abf85fp-1, -0x1.38ac330090065p-28},
    {-0x1.19e1028p-1, -0x1.b80103302b1e8p-31, -0x1.ab6ba4p-1, -0x1.924d735956fe7p-29},
    {-0x1.1ab695p-1, -0x1.3e56e38fe492dp-29, -0x1.aade7ep-1, -0x1.826add35c8f05p-28},
    {-0x1.1b8be0cp-1, -0x1.9a3862fa751aap-28, -0x1.aa50ed8p-1, -0x1.fb11a5a52c961p-30},
    {-0x1.1c60e5cp-1, -0x1.7d8f3e1d7ac6ap-28, -0x1.a9c2f24p-1, -0x1.b2a9329590de1p-29},
    {-0x1.1d35a3cp-1, -0x1.3e4c267703418p-29, -0x1.a9348c8p-1, -0x1.ae11d04bbd59ep-28},
    {-0x1.1e0a1a4p-1, -0x1.558122cc13262p-28, -0x1.a8a5bccp-1, -0x1.9c7534df54e14p-32},
    {-0x1.1ede494p-1, -0x1.f7b34812b1a83p-28, -0x1.a816828p-1, -0x1.3a150170bad21p-28},
    {-0x1.1fb230cp-1, -0x1.babcc6b43e8a9p-29, -0x1.a786de8p-1, -0x1.6b78654709fd3p-31},
    {-0x1.2085d04p-1, -0x1.7acf102f8e817p-30, -0x1.a6f6d08p-1, -0x1.31db223b9c4a9p-32},
    {-0x1.2159278p-1, -0x1.a8e92547eba27p-29, -0x1.a66658cp-1, -0x1.679e4ea0b2d8dp-33},
    {-0x1.222c368p-1, -0x1.2fe47500e022ep-29, -0x1.a5d5774p-1, -0x1.36bc498ff74ebp-28},
    {-0x1.22fefdp-1, -0x1.8769c699588aep-35, -0x1.a5442c8p-1, -0x1.6ebccd16aad9p-29},
    {-0x1.23d17a8p-1, -0x1.703d8bcb5be91p-28, -0x1.a4b2784p-1, -0x1.afb8e330d0148p-28},
    {-0x1.24a3af4p-1, -0x1.3a8310b47a28cp-28, -0x1.a4205bp-1, -0x1.4333fb579c201p-28},
    {-0x1.25759acp-1, -0x1.bd75f8795e861p-28, -0x1.a38dd4cp-1, -0x1.2c148814cb58fp-29},
    {-0x1.26473dp-1, -0x1.553f2b1c75014p-28, -0x1.a2fae58p-1, -0x1.9a90c4f158bbap-29},
    {-0x1.271895cp-1, -0x1.7a692d9e214f3p-30, -0x1.a2678d8p-1, -0x1.0eccc2b39b99ep-28},
    {-0x1.27e9a48p-1, -0x1.36d61fbcd70f9p-28, -0x1.a1d3cdp-1, -0x1.028e9c6ce2179p-29},
    {-0x1.28ba698p-1, -0x1.dea7d61afebc5p-31, -0x1.a13fa4p-1, -0x1.30e488ea0f378p-30},
    {-0x1.298ae4p-1, -0x1.cc0d23ee4a88fp-28, -0x1.a0ab128p-1, -0x1.97f445d6fea59p-28},
    {-0x1.2a5b148p-1, -0x1.1a24ff7d50c58p-30, -0x1.a01619p-1, -0x1.8d9b5fec5fc8ap-28},
    {-0x1.2b2afa4p-1, -0x1.5d17148477599p-33, -0x1.9f80b78p-1, -0x1.57216cdbd0b12p-28},
    {-0x1.2bfa95p-1, -0x1.796025ce6d3cbp-28, -0x1.9eeaee4p-1, -0x1.f49740a68927ap-32},
    {-0x1.2cc9e5p-1, -0x1.e57368cd93da8p-29, -0x1.9e54bdp-1, -0x1.11a63d306c0eap-28},
    {-0x1.2d98e9cp-1, -0x1.b0ab1d74556bap-29, -0x1.9dbe244p-1, -0x1.5a9a05749cd73p-28},
    {-0x1.2e67a3p-1, -0x1.8c2a4401cb76ap-28, -0x1.9d27244p-1, -0x1.3ab1a29d5fa3ap-31},
    {-0x1.2f3610cp-1, -0x1.70c52fe58d107p-28, -0x1.9c8fbccp-1, -0x1.4bb620a7c2ef7p-29},
    {-0x1.300432cp-1, -0x1.d295c3b138a71p-29, -0x1.9bf7ee4p-1, -0x1.3ddce1431b1cep-34},
    {-0x1.30d208cp-1, -0x1.65de11412ff08p-30, -0x1.9b5fb88p-1, -0x1.74487fcccde7fp-28},
    {-0x1.319f928p-1, -0x1.2cfa1ea83f7c9p-31, -0x1.9ac71c4p-1, -0x1.21ca97fa91278p-31},
    {-0x1.326ccfcp-1, -0x1.655d6bda8fea9p-29, -0x1.9a2e19p-1, -0x1.4602bac48aa44p-28},
    {-0x1.3339c08p-1, -0x1.98acff89a0c44p-30, -0x1.9994af8p-1, -0x1.755d093f8b3cp-33},
    {-0x1.3406644p-1, -0x1.a6337d5f4dad6p-28, -0x1.98fadf4p-1, -0x1.a80523c134f9bp-28},
    {-0x1.34d2bb4p-1, -0x1.b2ff4dd17a9c5p-29, -0x1.9860a9p-1, -0x1.4eb17faafa83fp-28},
    {-0x1.359ec5p-1, -0x1.9d87e0bd2e381p-30, -0x1.97c60ccp-1, -0x1.a0e45f7a41fc9p-31},
    {-0x1.366a814p-1, -0x1.6f8e2c7596e1fp-29, -0x1.972b0a4p-1, -0x1.8d7f08c22c5b1p-28},
    {-0x1.3735fp-1, -0x1.99b3ab7919147p-31, -0x1.968fa24p-1, -0x1.21bb32ab32f8p-29},
    {-0x1.380110cp-1, -0x1.42d2bf6a6cbd9p-28, -0x1.95f3d48p-1, -0x1.d421d960fe3f5p-30},
    {-0x1.38cbe3cp-1, -0x1.4168e2f127178p-30, -0x1.9557a14p-1, -0x1.c66c8105fcfa9p-30},
    {-0x1.3996684p-1, -0x1.c62726764fe71p-28, -0x1.94bb088p-1, -0x1.befc116a8b6ccp-28},
    {-0x1.3a609ecp-1, -0x1.e60672aeb2611p-33, -0x1.941e0acp-1, -0x1.965c6ff4cc45p-28},
    {-0x1.3b2a864p-1, -0x1.9708d6446526cp-28, -0x1.9380a8p-1, -0x1.31b7bf7d9752p-28},
    {-0x1.3bf41f4p-1, -0x1.93c369ed3a888p-29, -0x1.92e2e04p-1, -0x1.cbd3929f50394p-28},
    {-0x1.3cbd694p-1, -0x1.4890b5c451b95p-32, -0x1.9244b4p-1, -0x1.407e78800b712p-29},
    {-0x1.3d8663cp-1, -0x1.e46b0f2e9b65p-28, -0x1.91a623p-1, -0x1.d6a7015b3d221p-29},
    {-0x1.3e4f0f4p-1, -0x1.4f24a9a9cdb3ap-29, -0x1.91072d8p-1, -0x1.ea324687aa197p-28},
    {-0x1.3f176bp-1, -0x1.995067c39e05dp-29, -0x1.9067d4p-1, -0x1.b58c8eedd07a8p-29},
    {-0x1.3fdf77p-1, -0x1.85ea56d208795p-29, -0x1.8fc8164p-1, -0x1.f785816539748p-29},
    {-0x1.40a733p-1, -0x1.f4c28c5a3bb7cp-29, -0x1.8f27f48p-1, -0x1.8ca32353c17bbp-28},
    {-0x1.416e9ecp-1, -0x1.e3747ea59567bp-28, -0x1.8e876fp-1, -0x1.cdaac4762bfep-28},
    {-0x1.4235ba4p-1, -0x1.ef5722dcc5e7p-28, -0x1.8de686p-1, -0x1.ffc91a4f7365ep-29},
    {-0x1.42fc854p-1, -0x1.8fd23825d64a3p-28, -0x1.8d45398p-1, -0x1.948aa8965da81p-30},
    {-0x1.43c2ff8p-1, -0x1.374fdeaa76034p-28, -0x1.8ca3898p-1, -0x1.3ffe3b67b7ce7p-28},
    {-0x1.448928cp-1, -0x1.58dbb4d052e97p-28, -0x1.8c01768p-1, -0x1.a7ae06f51a2e6p-29},
    {-0x1.454f01p-1, -0x1.a08ce9d8be394p-30, -0x1.8b5f008p-1, -0x1.934c5a9c684c4p-30},
    {-0x1.461487cp-1, -0x1.b2ec6811026bep-29, -0x1.8abc278p-1, -0x1.37de89e96ec6cp-28},
    {-0x1.46d9bdp-1, -0x1.21c70d6d7cabfp-28, -0x1.8a18ecp-1, -0x1.2556436b49bd9p-29},
    {-0x1.479ea08p-1, -0x1.b6ab3cc8793b4p-28, -0x1.89754dcp-1, -0x1.bbb0008b70451p-28},
    {-0x1.4863324p-1, -0x1.0e5ba51491178p-28, -0x1.88d14d4p-1, -0x1.fa29555858341p-28},
    {-0x1.492771cp-1, -0x1.9fb4f89666912p-28, -0x1.882ceacp-1, -0x1.2c3013515a5f8p-29},
    {-0x1.49eb5fp-1, -0x1.e2381b24f578p-28, -0x1.878826p-1, -0x1.b082df4ea0afcp-29},
    {-0x1.4aaefap-1, -0x1.382a11256069dp-30, -0x1.86e2ff8p-1, -0x1.45ddfd8c1274cp-33},
    {-0x1.4b7242p-1, -0x1.5bf6a13567586p-28, -0x1.863d77p-1, -0x1.762db71ae2231p-28},
    {-0x1.4c35374p-1, -0x1.856c36911d4d6p-28, -0x1.85978d4p-1, -0x1.9d398d35d4ba3p-30},
    {-0x1.4cf7d98p-1, -0x1.4480c21ea21dbp-28, -0x1.84f142p-1, -0x1.4b258a917fcd7p-31},
    {-0x1.4dba288p-1, -0x1.13efdc34ea7e3p-28, -0x1.844a958p-1, -0x1.20e536b62d463p-33},
    {-0x1.4e7c24p-1, -0x1.6f1b9910cf973p-28, -0x1.83a387cp-1, -0x1.538ecd9d80a03p-28},
    {-0x1.4f3dccp-1, -0x1.a419d3f90fdedp-29, -0x1.82fc194p-1, -0x1.5716c371ce695p-28},
    {-0x1.4fff2p-1, -0x1.b973fe4d6913fp-28, -0x1.82544ap-1, -0x1.627c0356ad641p-28},
    {-0x1.50c0204p-1, -0x1.4551486fb37d5p-29, -0x1.81ac1a4p-1, -0x1.8aba06e9ab6a9p-29},
    {-0x1.5180cc4p-1, -0x1.75552f2b88a9fp-33, -0x1.81038ap-1, -0x1.a032c824127b3p-29},
    {-0x1.524123cp-1, -0x1.cc88ef62649f2p-30, -0x1.805a998p-1, -0x1.a7a336f25a90bp-29},
    {-0x1.530126cp-1, -0x1.618125ed4671dp-30, -0x1.7fb149p-1, -0x1.13350d9175d2dp-31},
    {-0x1.53c0d5p-1, -0x1.daf70891102f2p-31, -0x1.7f07988p-1, -0x1.cf338138ba51bp-33},
    {-0x1.54802e4p-1, -0x1.398323b3f88d6p-29, -0x1.7e5d88p-1, -0x1.eb6b88692e9a4p-28},
    {-0x1.553f324p-1, -0x1.fdd5cb7341f31p-28, -0x1.7db3184p-1, -0x1.0d5ce87deb2f4p-28},
    {-0x1.55fde14p-1, -0x1.c1267b1cccd4ep-29, -0x1.7d0849p-1, -0x1.925ad9634a3c4p-29},
    {-0x1.56bc3a8p-1, -0x1.c79c376e00ee2p-28, -0x1.7c5d1a8p-1, -0x1.d1ee7bc90c38fp-30},
    {-0x1.577a3e4p-1, -0x1.363e073e36d4p-28, -0x1.7bb18ccp-1, -0x1.65a48d4a480dbp-28},
    {-0x1.5837ecp-1, -0x1.b071594165fffp-28, -0x1.7b05a04p-1, -0x1.e786e89323aebp-29},
    {-0x1.58f543cp-1, -0x1.bada96d1f7d89p-28, -0x1.7a5955p-1, -0x1.dac5a4fa2de04p-30},
    {-0x1.59b2454p-1, -0x1.daca453944f6dp-28, -0x1.79acabp-1, -0x1.4705043fe9c5ep-28},
    {-0x1.5a6ef08p-1, -0x1.2c7ac8b6e3b53p-29, -0x1.78ffa2cp-1, -0x1.7c24140e0e4b1p-29},
    {-0x1.5b2b45p-1, -0x1.cf7734e0b3e79p-30, -0x1.78523c4p-1, -0x1.af48acd7a145bp-31},
    {-0x1.5be7428p-1, -0x1.fb0290403689ap-28, -0x1.77a4778p-1, -0x1.095741cc5299ap-28},
    {-0x1.5ca2e94p-1, -0x1.b3b0537f9a6b4p-28, -0x1.76f655p-1, -0x1.27cba504212abp-29},
    {-0x1.5d5e39p-1, -0x1.34cd84e425a3bp-31, -0x1.7647d4cp-1, -0x1.8eceeeb8cb09cp-31},
    {-0x1.5e1931p-1, -0x1.dd1f92aa99515p-28, -0x1.7598f6cp-1, -0x1.4033f50911b4ep-28},
    {-0x1.5ed3d1cp-1, -0x1.615193d2b74bap-28, -0x1.74e9bb8p-1, -0x1.1cafcd38353bcp-28},
    {-0x1.5f8e1acp-1, -0x1.3dee5acf104e7p-28, -0x1.743a23p-1, -0x1.25c3e7f86b1fap-28},
    {-0x1.60480bcp-1, -0x1.fe63f83b7d059p-28, -0x1.738a2d8p-1, -0x1.754277674eedcp-29},
    {-0x1.6101a5p-1, -0x1.76821dcfb82f8p-31, -0x1.72d9dbp-1, -0x1.3b32dbddaf7e2p-28},
    {-0x1.61bae5cp-1, -0x1.7004e3ac83d5ap-30, -0x1.72292cp-1, -0x1.03b41f2ad213cp-33},
    {-0x1.6273cep-1, -0x1.1375543ac5b37p-28, -0x1.7178204p-1, -0x1.057fa0de93bb7p-29},
    {-0x1.632c5dcp-1, -0x1.c6b7df006ea0ap-29, -0x1.70c6b84p-1, -0x1.a61886d01cbbbp-33},
    {-0x1.63e494cp-1, -0x1.6a5679c9daa87p-30, -0x1.7014f4p-1, -0x1.481249cd1a9dbp-33},
    {-0x1.649c72cp-1, -0x1.16915e01925b4p-33, -0x1.6f62d38p-1, -0x1.dd77b40ae0db8p-28},
    {-0x1.6553f78p-1, -0x1.f7f34469f5b69p-30, -0x1.6eb0578p-1, -0x1.d62d5a643b67cp-29},
    {-0x1.660b23p-1, -0x1.2d936d1500efcp-30, -0x1.6dfd7fcp-1, -0x1.302b65d915174p-29},
    {-0x1.66c1f5p-1, -0x1.4adedc110fa5p-35, -0x1.6d4a4c8p-1, -0x1.28914a1af655ap-30},
    {-0x1.67786d4p-1, -0x1.af5c9227faf8p-31, -0x1.6c96bdcp-1, -0x1.67a918059692ap-28},
    {-0x1.682e8b8p-1, -0x1.7875d3b0bb0c1p-28, -0x1.6be2d4p-1, -0x1.57c1348c9db04p-28},
    {-0x1.68e45p-1, -0x1.77dee3bd79a5cp-30, -0x1.6b2e8f4p-1, -0x1.82402496b91cap-28},
    {-0x1.6999bap-1, -0x1.7ae8903349495p-28, -0x1.6a79efcp-1, -0x1.4faf56014fc89p-28},
    {-0x1.6a4ec9cp-1, -0x1.647419cf5c9bcp-28, -0x1.69c4f5cp-1, -0x1.4a6e6f4f7e864p-31},
    {-0x1.6b037fp-1, -0x1.60f5c5d810edp-29, -0x1.690fa1p-1, -0x1.790fce5e8f17fp-28},
    {-0x1.6bb7d94p-1, -0x1.f592a00f26e7ap-28, -0x1.6859f24p-1, -0x1.533cf7c0f94c4p-29},
    {-0x1.6c6bd8cp-1, -0x1.cb0687768cf27p-28, -0x1.67a3e94p-1, -0x1.265782ba196bap-28},
    {-0x1.6d1f7d4p-1, -0x1.91af568a763e3p-29, -0x1.66ed868p-1, -0x1.6d32f09dbc4d3p-30},
    {-0x1.6dd2c64p-1, -0x1.87bd53831711ap-28, -0x1.6636c9cp-1, -0x1.b543d351bb989p-28},
    {-0x1.6e85b4p-1, -0x1.424aafde2f525p-29, -0x1.657fb3cp-1, -0x1.436bd43c10c76p-29},
    {-0x1.6f3846p-1, -0x1.5e68f3479a642p-29, -0x1.64c8444p-1, -0x1.1d9e7b9dc76fbp-29},
    {-0x1.6fea7c4p-1, -0x1.331af238bd07ep-30, -0x1.64107b8p-1, -0x1.d6dd96f2a6953p-29},
    {-0x1.709c568p-1, -0x1.56fc0b699e098p-32, -0x1.635859cp-1, -0x1.2725f44d16e7dp-28},
    {-0x1.714dd48p-1, -0x1.4af636b7c7546p-29, -0x1.629fdf4p-1, -0x1.64704360a41fcp-29},
    {-0x1.71fef64p-1, -0x1.33d95fc0ed4b8p-29, -0x1.61e70cp-1, -0x1.fb34d25d67125p-29},
    {-0x1.72afbb8p-1, -0x1.21021112ab25fp-29, -0x1.612de04p-1, -0x1.7af3303c31e8fp-28},
    {-0x1.736024p-1, -0x1.27adaf0ef780bp-28, -0x1.60745c4p-1, -0x1.9c99cfcb74239p-28},
    {-0x1.74102fcp-1, -0x1.fd4309ffc70ecp-29, -0x1.5fba804p-1, -0x1.ab2c6f6ffa7a3p-29},
    {-0x1.74bfde8p-1, -0x1.6a8a37e9ed1e2p-29, -0x1.5f004c4p-1, -0x1.3341240864835p-29},
    {-0x1.756f3p-1, -0x1.d8761b2e7a279p-29, -0x1.5e45c08p-1, -0x1.748397ad46d07p-30},
    {-0x1.761e244p-1, -0x1.13814ddd2b9a8p-30, -0x1.5d8addp-1, -0x1.952ebac773affp-28},
    {-0x1.76ccbacp-1, -0x1.614c9eb5faf63p-28, -0x1.5ccfa24p-1, -0x1.b790bacbaa041p-28},
    {-0x1.777af3cp-1, -0x1.c8a55efd0267ep-29, -0x1.5c14108p-1, -0x1.d5e2ac92bcc5ap-31},
    {-0x1.7828cecp-1, -0x1.7180ac51b8b79p-28, -0x1.5b58278p-1, -0x1.2baac4ffacf75p-29},
    {-0x1.78d64bcp-1, -0x1.ad207922984e5p-28, -0x1.5a9be7cp-1, -0x1.02b70be60fef1p-30},
    {-0x1.79836acp-1, -0x1.e1c0721dbd76ap-31, -0x1.59df514p-1, -0x1.678a08e29488ep-29},
    {-0x1.7a302bp-1, -0x1.c489cf25cf958p-28, -0x1.5922644p-1, -0x1.68480245bef75p-28},
    {-0x1.7adc8dp-1, -0x1.d929c1ce3e35dp-29, -0x1.586521p-1, -0x1.d8108776ee4b6p-28},
    {-0x1.7b88904p-1, -0x1.6e5602ce827dap-30, -0x1.57a787cp-1, -0x1.7da4f02fea44fp-28},
    {-0x1.7c34348p-1, -0x1.730ab3ebf1694p-29, -0x1.56e9988p-1, -0x1.d437cb2535a35p-28},
    {-0x1.7cdf79cp-1, -0x1.5e37b8b212fp-29, -0x1.562b53cp-1, -0x1.5e9deb2088b5fp-30},
    {-0x1.7d8a5fcp-1, -0x1.cb9d233429bc8p-29, -0x1.556cb94p-1, -0x1.08fbac9e74208p-29},
    {-0x1.7e34e68p-1, -0x1.f45ccad61ee37p-34, -0x1.54adc94p-1, -0x1.d7efca93cc0bfp-28},
    {-0x1.7edf0d8p-1, -0x1.802e7f4e1abe4p-29, -0x1.53ee844p-1, -0x1.cfdcfac4b23a3p-28},
    {-0x1.7f88d4cp-1, -0x1.ba51d012b6a5fp-28, -0x1.532eea4p-1, -0x1.eacf60ee6b3fdp-28},
    {-0x1.80323c4p-1, -0x1.a2f26cf2a973ap-28, -0x1.526efb8p-1, -0x1.a7faee589dc74p-28},
    {-0x1.80db43cp-1, -0x1.272a232db90cbp-28, -0x1.51aeb84p-1, -0x1.0e7a57723c5bdp-29},
    {-0x1.8183ebp-1, -0x1.e9d43181e3b1cp-29, -0x1.50ee208p-1, -0x1.239b2791caceep-33},
    {-0x1.822c31cp-1, -0x1.bae3e1434e217p-28, -0x1.502d344p-1, -0x1.aec98e64af9e5p-28},
    {-0x1.82d4184p-1, -0x1.444e91ca7b4b8p-31, -0x1.4f6bf44p-1, -0x1.f436b378fdfdcp-29},
    {-0x1.837b9dcp-1, -0x1.dc1eae70ce98p-29, -0x1.4eaa604p-1, -0x1.6d926062336d1p-28},
}};
// clang-format on

// ---------------------------------------------------------------------------
// Helpers of both fast paths.

struct DoubleDouble {
  double hi;
  double lo;
};

// Exact a + b for |a| >= |b| (or a == 0).
DoubleDouble FastTwoSum(double a, double b) {
  const double sum = a + b;
  return {sum, b - (sum - a)};
}

// x + kIndexShift rounds x to a multiple of 1/512 (the ulp of kIndexShift)
// and holds 512 times that multiple in its low mantissa bits.
constexpr double kIndexShift = 0x1.8p43;

int TableIndex(double shifted) {
  return static_cast<int>(std::bit_cast<std::uint64_t>(shifted) & 0xFFF);
}

// 1 - cos t for |t| <= 2^-10 given tt = t*t (truncation below 2^-95).
// Within 2u relative when tt is within u: 0.5 tt is exact, the t^4 part is
// below 2^-24 of the result, and the subtraction rounds once.
double OneMinusCos(double tt) {
  return 0.5 * tt - (tt * tt) * (1.0 / 24 - tt * (1.0 / 720));
}

// ---------------------------------------------------------------------------
// Near the zeros: reduction by pi/2 and a relative error bound.

// pi/2 = kHalfPiHead + kHalfPiMid + kHalfPiTail + O(2^-154); the first two
// have 51 significant bits, so j times them is exact for j <= 3.
constexpr Fixed<kMaxLimbs> MinusDouble(const Fixed<kMaxLimbs>& a, double d) {
  return Subtract(a, FixedFromDouble<kMaxLimbs>(d));
}
constexpr double kHalfPiHead = TruncateToDouble(kHalfPiFixed, 51);
constexpr Fixed<kMaxLimbs> kHalfPiRest = MinusDouble(kHalfPiFixed, kHalfPiHead);
constexpr double kHalfPiMid = TruncateToDouble(kHalfPiRest, 51);
constexpr double kHalfPiTail =
    RoundToDouble(MinusDouble(kHalfPiRest, kHalfPiMid));

constexpr double kRoundingShift = 0x1.8p52;  // x + this rounds x to an integer

struct Reduced {
  int quadrant;  // j
  double hi;     // r = hi + lo
  double lo;
};

// ax = j*pi/2 + r for 0 <= ax <= 4. ax - j*kHalfPiHead is exact: both are
// multiples of ulp(ax) and the difference is below 1. For j > 0 the nearest
// doubles to pi/2 and pi are 2^-53.9 and 2^-52.9 away from them, so
// |r| >= 2^-54. The head difference is zero or a multiple of ulp(ax) >=
// 2^-53 >= j*kHalfPiMid, so the sums below are exact but for the rounding
// of the low part: the error in r is below 2^-106 |r| + 3 * 2^-154 (the
// split of pi/2), so below 2^-99 |r|.
Reduced ReduceByHalfPi(double ax) {
  const double j = (ax * kTwoOverPi + kRoundingShift) - kRoundingShift;
  const double head = ax - j * kHalfPiHead;
  const DoubleDouble r = FastTwoSum(head, -(j * kHalfPiMid));
  const DoubleDouble sum = FastTwoSum(r.hi, r.lo - j * kHalfPiTail);
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
// Total under 2^-69.3; kReducedError leaves a factor of four.
constexpr double kReducedError = 0x1p-67;

struct ReducedResult {
  DoubleDouble sin;  // of |r|
  DoubleDouble cos;
};

// |r| = rh + rl with 0 <= rh <= pi/4 + 2^-50, |rl| <= 2^-53 rh.
ReducedResult ReducedSinCos(double rh, double rl) {
  const double shifted = rh + kIndexShift;
  const TableEntry& e = kTable[TableIndex(shifted)];
  const double th = rh - (shifted - kIndexShift);  // exact
  const double tl = rl;
  // t1 holds the leading 26 bits of th, so 27-bit heads times t1 are exact.
  const double split = th * 134217729.0;  // 2^27 + 1
  const double t1 = split - (split - th);
  const double t2 = (th - t1) + tl;
  const double tt = th * th;
  const double s =
      th * tt * (-1.0 / 6 + tt * (1.0 / 120 - tt * (1.0 / 5040))) -
      0.5 * tt * tl;
  const double c = OneMinusCos(tt) + th * tl;
  const double sd = e.sin_head + e.sin_tail;
  const double cd = e.cos_head + e.cos_tail;

  const DoubleDouble sin_head = FastTwoSum(e.sin_head, e.cos_head * t1);
  const double sin_small =
      (((e.cos_tail * t1 + e.sin_tail) + cd * t2) + cd * s) - sd * c;
  const DoubleDouble cos_head = FastTwoSum(e.cos_head, -(e.sin_head * t1));
  const double cos_small =
      (((e.cos_tail - e.sin_tail * t1) - sd * t2) - sd * s) - cd * c;

  return {FastTwoSum(sin_head.hi, sin_head.lo + sin_small),
          FastTwoSum(cos_head.hi, cos_head.lo + cos_small)};
}

// With y.hi = RN(y.hi + y.lo) and the true value within
// kReducedError * |y.hi| of y.hi + y.lo, RN(y.hi + RN(y.lo * f)) == y.hi
// proves the true value rounds to y.hi: it gives |y.lo| <= g / (2f (1-u)),
// g the gap to the next double on y.lo's side, so y.hi + y.lo is more than
// g/2 (1 - 1/(f (1-u))) > g 2^-14 from the midpoint, while the error is at
// most 2^-67 |y.hi| <= 2^-67 2^53 g = g 2^-14. The other midpoint is at
// least g/4 >= 2^-55 |y.hi| away.
constexpr double kRoundingFactor = 1.0 + 0x1p-13 + 0x1p-24;
static_assert(kReducedError == 0x1p-67, "kRoundingFactor assumes 2^-67");

bool RoundsToHead(const DoubleDouble& y) {
  return y.hi == y.hi + y.lo * kRoundingFactor;
}

// sin and cos of 2^-27 <= ax <= 4 when ax is close to a zero of one of them.
SinCosPair SinCosNearZeros(double ax) {
  const Reduced r = ReduceByHalfPi(ax);
  const std::uint64_t r_sign = SignBitOf(r.hi);
  const ReducedResult y =
      ReducedSinCos(FlipSignIf(r.hi, r_sign), FlipSignIf(r.lo, r_sign));
  if (!RoundsToHead(y.sin) || !RoundsToHead(y.cos)) return SlowSinCos(ax);
  return ApplyQuadrant(r.quadrant, r_sign, y.sin.hi, y.cos.hi);
}

// Entries whose arguments come within 1/512 of 0, pi/2 or pi (at 804.25/512
// and 1608.50/512); all other arguments keep at least 1/512 from them.
bool NearZeroOfSinOrCos(int i) {
  return i <= 1 || static_cast<unsigned>(i - 803) <= 2 ||
         static_cast<unsigned>(i - 1607) <= 2;
}

// ---------------------------------------------------------------------------
// Main path: the table at x itself and an absolute error bound.

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
double TableErrorBound(double tt) { return tt * 0x1p-50 + 0x1p-75; }

// The nearest double to head + rest, if every value within `error` of it
// rounds to the same double (rounding is monotonic).
bool RoundsUnambiguously(double head, double rest, double error,
                         double* rounded) {
  const double high = head + (rest + error);
  const double low = head + (rest - error);
  *rounded = high;
  return high == low;
}

// ax + kSplitShift rounds ax to a multiple of 2^-36.
constexpr double kSplitShift = 0x1.8p16;

SinCosPair SinCosFromTable(double ax, double shifted, int i) {
  const TableEntry& e = kTable[i];
  const double a = shifted - kIndexShift;
  const double t = ax - a;  // exact, |t| <= 2^-10
  // t = t1 + t2 exactly, t1 a multiple of 2^-36 (so of at most 26
  // significant bits, and 27-bit heads times t1 are exact), |t2| <= 2^-37.
  const double ax_rounded = (ax + kSplitShift) - kSplitShift;
  const double t1 = ax_rounded - a;
  const double t2 = ax - ax_rounded;
  const double tt = t * t;
  const double s = (t * tt) * (-1.0 / 6 + tt * (1.0 / 120));
  const double c = OneMinusCos(tt);
  const double sd = e.sin_head + e.sin_tail;
  const double cd = e.cos_head + e.cos_tail;

  // sin x = S + C t1 + (C t2 + C s - S c).
  const DoubleDouble sin_head = FastTwoSum(e.sin_head, e.cos_head * t1);
  const double sin_rest = sin_head.lo +
      ((((e.cos_tail * t1 + e.sin_tail) + cd * t2) + cd * s) - sd * c);
  // cos x = C - S t1 - (S t2 + S s + C c).
  const DoubleDouble cos_head = FastTwoSum(e.cos_head, -(e.sin_head * t1));
  const double cos_rest = cos_head.lo +
      ((((e.cos_tail - e.sin_tail * t1) - sd * t2) - sd * s) - cd * c);

  const double error = TableErrorBound(tt);
  SinCosPair result{};
  if (!RoundsUnambiguously(sin_head.hi, sin_rest, error, &result.sin) ||
      !RoundsUnambiguously(cos_head.hi, cos_rest, error, &result.cos)) {
    return SlowSinCos(ax);
  }
  return result;
}

}  // namespace

void SinCos(double x, double* sine, double* cosine) {
  const double ax = Abs(x);
  if (!(ax <= 4.0)) {  // outside the supported range, or NaN
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
  const double shifted = ax + kIndexShift;
  const int i = TableIndex(shifted);
  const SinCosPair result = NearZeroOfSinOrCos(i)
                                ? SinCosNearZeros(ax)
                                : SinCosFromTable(ax, shifted, i);
  *sine = FlipSignIf(result.sin, SignBitOf(x));
  *cosine = result.cos;
}
