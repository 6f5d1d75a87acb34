// The common-line reader (scan_common.h) on the build's baseline, and the
// choice between it and the AVX2 one (scan_common_avx2.cpp) where the build
// has that and the processor can run it.
#include "text/scan_common.h"

#if defined(SPEK_WIDE_PATHS)
// scan_common_avx2.cpp
bool ProcessorHasTextAVX2();
const char* ScanCommonSampleLineAVX2(const char* line, int* count, double* re, double* im);
int ScanCommonSampleLinesAVX2(const char** line, const char* lastStart, Complex* samples, int count,
                              const char** lastLine);
#endif

namespace {

struct CommonLineReader {
    const char* (*line)(const char* line, int* count, double* re, double* im);
    int (*lines)(const char** line, const char* lastStart, Complex* samples, int count, const char** lastLine);
};

const char* ScanCommonSampleLineBaseline(const char* line, int* count, double* re, double* im)
{
    return ScanLine(line, count, re, im);
}

constexpr CommonLineReader Readers[TextPathCount] = {
    {ScanCommonSampleLineBaseline, ScanLines},
#if defined(SPEK_WIDE_PATHS)
    {ScanCommonSampleLineAVX2, ScanCommonSampleLinesAVX2},
#else
    {nullptr, nullptr},
#endif
};

int WidestTextPath()
{
    int path = TextPathCount - 1;
    while (!TextPathAvailable(path))
        --path;
    return path;
}

// Chosen at the first read (or by UseTextPath): constant-initialised, so
// that a choice made before main stands whatever the order of
// initialisation.
int currentTextPath = -1;

const CommonLineReader& Reader()
{
    if (currentTextPath < 0)
        currentTextPath = WidestTextPath();
    return Readers[currentTextPath];
}

} // namespace

bool TextPathAvailable(int path)
{
#if defined(SPEK_WIDE_PATHS)
    if (path == AVX2TextPath)
        return ProcessorHasTextAVX2();
#endif
    return path == BaselineTextPath;
}

void UseTextPath(int path)
{
    currentTextPath = TextPathAvailable(path) ? path : WidestTextPath();
}

const char* ScanCommonSampleLine(const char* line, int* count, double* re, double* im)
{
    return Reader().line(line, count, re, im);
}

int ScanCommonSampleLines(const char** line, const char* lastStart, Complex* samples, int count, const char** lastLine)
{
    return Reader().lines(line, lastStart, samples, count, lastLine);
}
