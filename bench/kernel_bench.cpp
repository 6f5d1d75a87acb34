// Speed of the transform kernel: table building and one line transform, per
// padded length. Compare figures as ratios within one run.
#include "FFT.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

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

void TransformLine(benchmark::State& state)
{
    const int N = static_cast<int>(state.range(0));
    Complex* table = nullptr;
    SetUpFFT(N, &table);
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<Complex> line(N);
    for (Complex& sample : line)
        sample = Complex{value(random), value(random)};
    int direction = 1;
    for (auto _ : state) {
        FFT(N, table, line.data(), direction);
        direction = -direction;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * N);
    ClearFFT(table);
}

} // namespace

BENCHMARK(SetUpTable)->RangeMultiplier(64)->Range(1 << 10, 1 << 22)->Unit(benchmark::kMicrosecond);
BENCHMARK(TransformLine)->RangeMultiplier(64)->Range(1 << 10, 1 << 22)->Unit(benchmark::kMicrosecond);
