// What every family of vector primitives declares. The kernel's stages
// (FFT_stages.h) are written once over vectors of one, two or four samples,
// re and im interleaved as in memory; each instruction set supplies the
// handful of operations they use in a header of its own:
//   simd_sse2.h    x86 SSE2, one sample per vector (__m128d)
//   simd_avx2.h    x86 AVX, two samples per vector (__m256d)
//   simd_avx512.h  x86 AVX-512, four samples per vector (__m512d)
//   simd_portable.h  every processor: one sample in a two-double vector of
//                  the compiler's own, which it turns into NEON on arm64,
//                  VSX on ppc64el or vector instructions on s390x
// Each family also has NarrowerOf(v) for each of its vector types: the
// first half of v, a vector of half as many samples, whose type the stages
// fall back on for fewer samples than v holds (a one-sample vector is its
// own). A source that builds the stages includes exactly one family, then
// FFT_stages.h. Every operation works lane by lane as the scalar double
// operation does, so every family gives the same bits.
#pragma once

#include "kernel/FFT.h"

namespace {

// Two doubles in the compiler's own vector extension (GCC and Clang): the
// portable path's one-sample vector, and the two lanes of the sine and
// cosine.
typedef double Pair __attribute__((vector_size(2 * sizeof(double))));

template <class V>
constexpr int SamplesPer = sizeof(V) / sizeof(Complex);

template <class V>
V Load(const Complex* p);
template <class V>
V Signs(double direction);

} // namespace
