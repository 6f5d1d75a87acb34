// Speed of the transform kernel: table building, one line transform per
// padded length and path, and (where FFTW is installed) the same line
// beside FFTW's FFTW_ESTIMATE plan, timed alternately in one loop so that
// both see the same machine. Compare figures as ratios within one run.
#include "kernel/FFT.h"
#include "kernel/axes.h"

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

// The column pass of a plane of Nx x Ny samples (first two arguments): all
// Nx columns along y, taken one at a time through a scratch line (third
// argument 1) or PanelWidth at a time (third argument 0). With a third
// size Nz (fourth argument, 1 for a plane) it is the pass along z of a box
// instead, lines stepping by whole planes.
void ColumnPass(benchmark::State& state)
{
    const int Nx = static_cast<int>(state.range(0));
    const int Ny = static_cast<int>(state.range(1));
    const bool oneAtATime = state.range(2) == 1;
    const int Nz = static_cast<int>(state.range(3));
    const int N = Nz > 1 ? Nz : Ny;
    Complex* table = nullptr;
    SetUpFFT(N, &table);
    std::vector<Complex> block(static_cast<std::size_t>(Nx) * Ny * Nz);
    FillRandom(block.data(), static_cast<int>(block.size()));
    std::vector<Complex*> rows(static_cast<std::size_t>(Ny) * Nz);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = block.data() + i * Nx;
    const int width = oneAtATime ? 1 : PanelWidth(N, Nx);
    std::vector<Complex> scratch(static_cast<std::size_t>(N) * width);
    int direction = 1;
    for (auto _ : state) {
        if (Nz > 1) {
            for (int y = 0; y < Ny; ++y)
                TransformColumns(rows.data() + y, Ny, Nx, Nz, table, scratch.data(), width, direction);
        } else {
            TransformColumns(rows.data(), 1, Nx, Ny, table, scratch.data(), width, direction);
        }
        direction = -direction;
        benchmark::ClobberMemory();
    }
    state.counters["ns_per_point"] = benchmark::Counter(static_cast<double>(state.iterations()) * block.size(),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    ClearFFT(table);
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
BENCHMARK(ColumnPass)
    ->Args({1024, 1024, 1, 1})
    ->Args({1024, 1024, 0, 1})
    ->Args({128, 128, 1, 128})
    ->Args({128, 128, 0, 128})
    ->Unit(benchmark::kMillisecond);
#if defined(SPEK_BENCH_FFTW)
BENCHMARK(BesideFFTW)->Apply(Lengths)->Unit(benchmark::kMicrosecond);
#endif
