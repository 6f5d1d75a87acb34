// Splits a tool run into its phases for the benchmarks, without touching
// the tools: the *_phases programs are the tools linked with the GNU
// linker's --wrap for SetUpFFT, ReadRow, FFT, WriteDimensions and
// FinishOutput, so every call to them from another object file passes
// through here. At the end of the output it prints to standard error, in
// milliseconds:
//   phases table T read R transform X print P total A
// table: all SetUpFFT calls; read: all ReadRow calls (reading, parsing and
// the zero fill of each row); transform: the FFT calls during reading plus
// everything from the last row read to the first output (the column and
// depth passes); print: from the first output to the last byte flushed;
// total: from the start of the process. The rest of total is the header,
// the allocations and the zero fill of whole rows and planes.
#include "kernel/FFT.h"

#include <chrono>
#include <cstdio>

extern "C" {
int __real__Z8SetUpFFTiPP7Complex(int n, Complex** table);
void __real__Z3FFTiPK7ComplexPS_i(int N, const Complex* table, Complex* line, int direction);
void __real__Z7ReadRowP7Complexii(Complex* row, int declared, int padded);
void __real__Z15WriteDimensionsiPKi(int count, const int* extents);
void __real__Z12FinishOutputv();
}

namespace {

using Clock = std::chrono::steady_clock;

const Clock::time_point start = Clock::now();
Clock::duration table{};
Clock::duration reading{};
Clock::duration transformDuringReading{};
Clock::duration transformSinceLastRow{};
Clock::time_point lastRowRead = start;
Clock::time_point firstOutput{};
bool printing = false;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

extern "C" {

int __wrap__Z8SetUpFFTiPP7Complex(int n, Complex** entries)
{
    const Clock::time_point begin = Clock::now();
    const int N = __real__Z8SetUpFFTiPP7Complex(n, entries);
    table += Clock::now() - begin;
    return N;
}

void __wrap__Z3FFTiPK7ComplexPS_i(int N, const Complex* entries, Complex* line, int direction)
{
    const Clock::time_point begin = Clock::now();
    __real__Z3FFTiPK7ComplexPS_i(N, entries, line, direction);
    transformSinceLastRow += Clock::now() - begin;
}

void __wrap__Z7ReadRowP7Complexii(Complex* row, int declared, int padded)
{
    const Clock::time_point begin = Clock::now();
    __real__Z7ReadRowP7Complexii(row, declared, padded);
    lastRowRead = Clock::now();
    reading += lastRowRead - begin;
    transformDuringReading += transformSinceLastRow;
    transformSinceLastRow = {};
}

void __wrap__Z15WriteDimensionsiPKi(int count, const int* extents)
{
    if (!printing) {
        firstOutput = Clock::now();
        printing = true;
    }
    __real__Z15WriteDimensionsiPKi(count, extents);
}

void __wrap__Z12FinishOutputv()
{
    __real__Z12FinishOutputv();
    const Clock::time_point end = Clock::now();
    std::fprintf(stderr, "phases table %.3f read %.3f transform %.3f print %.3f total %.3f\n", Milliseconds(table),
                 Milliseconds(reading), Milliseconds(transformDuringReading + (firstOutput - lastRowRead)),
                 Milliseconds(end - firstOutput), Milliseconds(end - start));
}

} // extern "C"
