// Time to fill a twiddle table of N entries, sin and cos of k*pi/N, with
// SinCos one entry at a time, with SinCosMultiples as the tools do (on the
// widest path, and on each path the processor has), and for comparison
// with the C library's sin and cos. The "per_entry" counter is the time per
// table entry.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "kernel/FFT.h"
#include "kernel/sincos.h"

namespace {

constexpr double Pi = 0x1.921fb54442d18p+1;

void ReportPerEntry(benchmark::State& state, int size)
{
    state.counters["per_entry"] =
        benchmark::Counter(size, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SinCosTable(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const double step = Pi / size;
    std::vector<double> sines(size), cosines(size);
    for (auto _ : state) {
        for (int k = 0; k < size; ++k)
            SinCos(k * step, &sines[k], &cosines[k]);
        benchmark::DoNotOptimize(sines.data());
        benchmark::DoNotOptimize(cosines.data());
        benchmark::ClobberMemory();
    }
    ReportPerEntry(state, size);
}

// The same table as the tools build it, several entries at a time.
void BM_SinCosMultiplesTable(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    std::vector<double> sines(size), cosines(size);
    for (auto _ : state) {
        SinCosMultiples(Pi / size, size, sines.data(), cosines.data(), 1);
        benchmark::DoNotOptimize(sines.data());
        benchmark::DoNotOptimize(cosines.data());
        benchmark::ClobberMemory();
    }
    ReportPerEntry(state, size);
}

// The same as a twiddle table on one path (0 portable, 1 SSE2, 2 AVX2, 3
// AVX-512; kernel/FFT.h), entries (cosine, sine) one after the other.
void BM_SinCosMultiplesOnPath(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const int path = static_cast<int>(state.range(1));
    if (!FFTPathAvailable(path)) {
        state.SkipWithError("path not available");
        return;
    }
    UseFFTPath(path);
    std::vector<double> table(2 * static_cast<std::size_t>(size));
    for (auto _ : state) {
        SinCosMultiples(Pi / size, size, &table[1], &table[0], 2);
        benchmark::DoNotOptimize(table.data());
        benchmark::ClobberMemory();
    }
    UseFFTPath(FFTPathCount); // back to the widest
    ReportPerEntry(state, size);
}

void BM_LibrarySinCosTable(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const double step = Pi / size;
    std::vector<double> sines(size), cosines(size);
    for (auto _ : state) {
        for (int k = 0; k < size; ++k) {
            sines[k] = std::sin(k * step);
            cosines[k] = std::cos(k * step);
        }
        benchmark::DoNotOptimize(sines.data());
        benchmark::DoNotOptimize(cosines.data());
        benchmark::ClobberMemory();
    }
    ReportPerEntry(state, size);
}

BENCHMARK(BM_SinCosTable)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SinCosMultiplesTable)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SinCosMultiplesOnPath)
    ->ArgsProduct({{1 << 16}, {PortablePath, SSE2Path, AVX2Path, AVX512Path}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LibrarySinCosTable)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

} // namespace
