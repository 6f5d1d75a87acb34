// Linked into the bench-only *_avx2 copies of the tools and of the *_phases
// programs: makes every transform run on the AVX2 path, as on a processor
// that has AVX2 but not AVX-512, before main starts. The tools themselves
// always take the widest path the processor has. FFT.cpp's path choice is
// constant-initialised, so this runs after it whatever the link order.
#include "kernel/FFT.h"

namespace {

const bool avx2Chosen = [] {
    UseFFTPath(AVX2Path);
    return true;
}();

} // namespace
