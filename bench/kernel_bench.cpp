// Speed of the transform kernel: table building, one line transform per
// padded length and path, and (where FFTW is installed) the same line
// beside FFTW's FFTW_ESTIMATE plan, timed alternately in one loop so that
// both see the same machine. Compare figures as ratios within one run.
#include "FFT.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

#if defined(SPEK_BENCH_FFTW)
#include <fftw3.h>
#endif

namespace {

void SetUpTable(benchmark::State& state)
{
    const int N = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Complex* table = nullptr;
        benchmark::DoNotOptimize(SetUpFFT(N, &table));
        ClearFFT(table);
    }
    state.SetItemsProcessed(state.iterations() * N);
}

void FillRandom(Complex* line, int N)
{
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int i = 0; i < N; ++i)
        line[i] = Complex{value(random), value(random)};
}

// One line, forward and inverse in turn, on the path given as second
// argument (skipped where the processor lacks it).
void TransformLine(benchmark::State& state)
{
    const int N = static_cast<int>(state.range(0));
    const int path = static_cast<int>(state.range(1));
    if (!FFTPathAvailable(path)) {
        state.SkipWithError("path not available on this processor");
        return;
    }
    UseFFTPath(path);
    Complex* table = nullptr;
    SetUpFFT(N, &table);
    std::vector<Complex> line(N);
    FillRandom(line.data(), N);
    int direction = 1;
    for (auto _ : state) {
        FFT(N, table, line.data(), direction);
        direction = -direction;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * N);
    state.counters["ns_per_point"] = benchmark::Counter(static_cast<double>(state.iterations()) * N,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    ClearFFT(table);
    UseFFTPath(FFTPathCount);
}

#if defined(SPEK_BENCH_FFTW)
// Processor time of this thread in seconds: other work on a shared machine
// does not count.
double ThreadSeconds()
{
#if defined(CLOCK_THREAD_CPUTIME_ID)
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
#else
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

// Our transform and FFTW's in-place FFTW_ESTIMATE plan on lines of the same
// length and contents, alternately; both go forward and back in turn
// (FFTW's FFTW_BACKWARD has our forward sign). Reports processor-time
// nanoseconds per point of each and ours / FFTW's.
void BesideFFTW(benchmark::State& state)
{
    const int N = static_cast<int>(state.range(0));
    Complex* table = nullptr;
    SetUpFFT(N, &table);
    auto* ours = static_cast<Complex*>(fftw_malloc(sizeof(Complex) * N));
    auto* theirs = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * N));
    const fftw_plan forward = fftw_plan_dft_1d(N, theirs, theirs, FFTW_BACKWARD, FFTW_ESTIMATE);
    const fftw_plan inverse = fftw_plan_dft_1d(N, theirs, theirs, FFTW_FORWARD, FFTW_ESTIMATE);
    FillRandom(ours, N);
    std::memcpy(theirs, ours, sizeof(Complex) * N);
    double oursSeconds = 0.0;
    double theirSeconds = 0.0;
    int direction = 1;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        FFT(N, table, ours, direction);
        benchmark::ClobberMemory();
        const double middle = ThreadSeconds();
        fftw_execute(direction == 1 ? forward : inverse);
        benchmark::ClobberMemory();
        oursSeconds += middle - start;
        theirSeconds += ThreadSeconds() - middle;
        direction = -direction;
    }
    const double points = static_cast<double>(state.iterations()) * N;
    state.counters["ours_ns_per_point"] = 1e9 * oursSeconds / points;
    state.counters["fftw_ns_per_point"] = 1e9 * theirSeconds / points;
    state.counters["ours_over_fftw"] = oursSeconds / theirSeconds;
    fftw_destroy_plan(forward);
    fftw_destroy_plan(inverse);
    fftw_free(theirs);
    fftw_free(ours);
    ClearFFT(table);
}
#endif

void Lengths(benchmark::internal::Benchmark* benchmark)
{
    for (int logN : {10, 16, 20, 22})
        benchmark->Arg(1 << logN);
}

void LengthsAndPaths(benchmark::internal::Benchmark* benchmark)
{
    for (int logN : {10, 16, 20, 22}) {
        for (int path = 0; path < FFTPathCount; ++path)
            benchmark->Args({1 << logN, path});
    }
}

} // namespace

BENCHMARK(SetUpTable)->RangeMultiplier(64)->Range(1 << 10, 1 << 22)->Unit(benchmark::kMicrosecond);
BENCHMARK(TransformLine)->Apply(LengthsAndPaths)->Unit(benchmark::kMicrosecond);
#if defined(SPEK_BENCH_FFTW)
BENCHMARK(BesideFFTW)->Apply(Lengths)->Unit(benchmark::kMicrosecond);
#endif
