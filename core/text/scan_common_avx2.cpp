// The common-line reader (scan_common.h) built with AVX2, BMI1 and BMI2,
// which every processor with AVX2 that we know of also has; run only where
// the processor has all three (scan_common.cpp chooses).
#include "text/scan_common.h"

bool ProcessorHasTextAVX2()
{
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2");
}

// Each entry point clears the upper halves of the vectors on its way out,
// so that the SSE code that runs next does not pay for them.

const char* ScanCommonSampleLineAVX2(const char* line, int* count, double* re, double* im)
{
    const char* const end = ScanLine(line, count, re, im);
    _mm256_zeroupper();
    return end;
}

int ScanCommonSampleLinesAVX2(const char** line, const char* lastStart, Complex* samples, int count,
                              const char** lastLine)
{
    const int read = ScanLines(line, lastStart, samples, count, lastLine);
    _mm256_zeroupper();
    return read;
}
