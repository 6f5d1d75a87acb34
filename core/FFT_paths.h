// The stages of the transform on the instruction sets beyond SSE2, each
// built from its own source with its own compiler options. Only x86-64
// builds (SPEK_WIDE_PATHS) have them; FFT.cpp chooses among them at run time.
#pragma once

#include "FFT.h"

#if defined(SPEK_WIDE_PATHS)
void TransformLineAVX2(Complex* line, int N, const Complex* table, double direction);
void ColumnStagesAVX2(Complex* panel, int N, int width, const Complex* table, double direction);
void TransformLineAVX512(Complex* line, int N, const Complex* table, double direction);
void ColumnStagesAVX512(Complex* panel, int N, int width, const Complex* table, double direction);
#endif
