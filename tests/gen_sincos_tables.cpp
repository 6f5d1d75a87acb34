// Prints the constant tables of core/sincos.cpp: pi/2 as 32-bit fixed-point
// limbs, and sin(i/512), cos(i/512) for i = 0..2048, each split into a head
// of at most 27 significant bits (truncated) and the nearest double to the
// rest. Uses MPFR at 600 bits, so the output is the same on every machine.
//
//   g++ -std=c++20 -O2 tests/gen_sincos_tables.cpp -lmpfr -lgmp -o gen
//   ./gen > tables.txt

#include <mpfr.h>

#include <cstdio>

namespace {

constexpr mpfr_prec_t kPrecision = 600;
constexpr int kTableScale = 512;
constexpr int kTableSize = 4 * kTableScale + 1;
constexpr int kHalfPiLimbs = 16;

void PrintHalfPiLimbs() {
  mpfr_t rest, limb;
  mpfr_inits2(kPrecision, rest, limb, static_cast<mpfr_ptr>(nullptr));
  mpfr_const_pi(rest, MPFR_RNDZ);
  mpfr_div_2ui(rest, rest, 1, MPFR_RNDZ);
  std::printf("constexpr Fixed<kMaxLimbs> kHalfPiFixed = {");
  for (int k = 0; k < kHalfPiLimbs; ++k) {
    mpfr_floor(limb, rest);
    std::printf("%s0x%08lX", k % 4 == 0 ? "\n    " : " ",
                mpfr_get_ui(limb, MPFR_RNDZ));
    if (k + 1 < kHalfPiLimbs) std::printf(",");
    mpfr_sub(rest, rest, limb, MPFR_RNDN);  // exact
    mpfr_mul_2ui(rest, rest, 32, MPFR_RNDN);
  }
  std::printf("};\n\n");
  mpfr_clears(rest, limb, static_cast<mpfr_ptr>(nullptr));
}

// value = head + tail + O(2^-80 |value|), head truncated to 27 bits.
void Split(const mpfr_t value, double* head, double* tail) {
  mpfr_t short_head, rest;
  mpfr_init2(short_head, 27);
  mpfr_init2(rest, kPrecision);
  mpfr_set(short_head, value, MPFR_RNDZ);
  mpfr_sub(rest, value, short_head, MPFR_RNDN);  // exact at 600 bits
  *head = mpfr_get_d(short_head, MPFR_RNDN);     // exact
  *tail = mpfr_get_d(rest, MPFR_RNDN);
  mpfr_clear(short_head);
  mpfr_clear(rest);
}

void PrintTable() {
  mpfr_t angle, sine, cosine;
  mpfr_inits2(kPrecision, angle, sine, cosine,
              static_cast<mpfr_ptr>(nullptr));
  std::printf("constexpr std::array<TableEntry, kTableSize> kTable = {{\n");
  for (int i = 0; i < kTableSize; ++i) {
    mpfr_set_ui(angle, static_cast<unsigned long>(i), MPFR_RNDN);
    mpfr_div_ui(angle, angle, kTableScale, MPFR_RNDN);  // exact
    mpfr_sin_cos(sine, cosine, angle, MPFR_RNDN);
    double entry[4];
    Split(sine, &entry[0], &entry[1]);
    Split(cosine, &entry[2], &entry[3]);
    std::printf("    {%a, %a, %a, %a},\n", entry[0], entry[1], entry[2],
                entry[3]);
  }
  std::printf("}};\n");
  mpfr_clears(angle, sine, cosine, static_cast<mpfr_ptr>(nullptr));
}

}  // namespace

int main() {
  PrintHalfPiLimbs();
  PrintTable();
  return 0;
}
