// Speed of reading and printing numbers (core/text) next to the C
// library's sscanf and snprintf on the same inputs: the full readers and
// printers, and the one-pass paths of the common sample line.
#include "text/print.h"
#include "text/scan.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// Sample lines as the tools print them: "%18.16lf\t%18.16lf\n" of values
// in [-limit, limit].
std::vector<std::string> PrintedSampleLines(double limit)
{
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> value(-limit, limit);
    std::vector<std::string> lines;
    for (int i = 0; i < 1024; ++i) {
        char line[100];
        std::snprintf(line, sizeof line, "%18.16lf\t%18.16lf\n", value(random), value(random));
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> LinesNamed(int which)
{
    switch (which) {
    case 0: return {"-1.9999999999999998\t2.0000000000000000\n"};
    case 1: return {"1 2\n"};
    case 2: return PrintedSampleLines(2);
    default: return PrintedSampleLines(1000); // 20 significant digits
    }
}

const char* const LineLabels[] = {"-1.99..98 2.00..00", "1 2", "printed samples", "printed, |v| < 1000"};

// As the tools read them: each line zero-terminated inside a larger buffer.
void ScanSampleLines(benchmark::State& state)
{
    std::vector<std::string> lines = LinesNamed(static_cast<int>(state.range(0)));
    for (std::string& line : lines)
        line.append(16, '\0');
    std::size_t next = 0;
    double re, im;
    for (auto _ : state) {
        const std::string& line = lines[next];
        benchmark::DoNotOptimize(ScanSample(line.c_str(), line.c_str() + line.size(), &re, &im));
        benchmark::DoNotOptimize(re);
        benchmark::DoNotOptimize(im);
        next = next + 1 == lines.size() ? 0 : next + 1;
    }
    state.SetLabel(LineLabels[state.range(0)]);
}

void SscanfSampleLines(benchmark::State& state)
{
    const std::vector<std::string> lines = LinesNamed(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    double re, im;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::sscanf(lines[next].c_str(), "%lf %lf", &re, &im));
        benchmark::DoNotOptimize(re);
        benchmark::DoNotOptimize(im);
        next = next + 1 == lines.size() ? 0 : next + 1;
    }
    state.SetLabel(LineLabels[state.range(0)]);
}

// The common sample line as the stream reads it: in the input block, with
// the look-behind before it and the reach after it at hand.
void ScanCommonLines(benchmark::State& state)
{
    std::vector<std::string> lines = LinesNamed(static_cast<int>(state.range(0)));
    for (std::string& line : lines) {
        line.insert(0, CommonLineLookBehind, ' ');
        line.resize(CommonLineLookBehind + CommonLineReach, '\0');
    }
    std::size_t next = 0;
    int count;
    double re, im;
    for (auto _ : state) {
        const std::string& line = lines[next];
        benchmark::DoNotOptimize(ScanCommonSampleLine(line.c_str() + CommonLineLookBehind, &count, &re, &im));
        benchmark::DoNotOptimize(re);
        benchmark::DoNotOptimize(im);
        next = next + 1 == lines.size() ? 0 : next + 1;
    }
    state.SetLabel(LineLabels[state.range(0)]);
}

BENCHMARK(ScanSampleLines)->DenseRange(0, 3);
BENCHMARK(ScanCommonLines)->DenseRange(0, 3);
BENCHMARK(SscanfSampleLines)->DenseRange(0, 3);

// Values to print: typical magnitudes (|v| < 1e6 in three ranges), or
// random magnitudes over the whole range of double.
std::vector<double> ValuesNamed(int which)
{
    std::mt19937_64 random(2);
    std::vector<double> values;
    for (int i = 0; i < 1024; ++i) {
        switch (which) {
        case 0: values.push_back(std::uniform_real_distribution<double>(-2, 2)(random)); break;
        case 1: values.push_back(std::uniform_real_distribution<double>(-1e6, 1e6)(random)); break;
        case 2: values.push_back(std::uniform_real_distribution<double>(-1e-3, 1e-3)(random)); break;
        default:
            values.push_back(std::ldexp(1.0 + static_cast<double>(random() >> 12) * 0x1p-52,
                                        static_cast<int>(random() % 2000) - 1000));
        }
    }
    return values;
}

const char* const ValueLabels[] = {"|v| < 2", "|v| < 1e6", "|v| < 1e-3", "2^-1000 .. 2^1000"};

void PrintFixed16Values(benchmark::State& state)
{
    const std::vector<double> values = ValuesNamed(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    char text[MaxFixed16Length];
    for (auto _ : state) {
        benchmark::DoNotOptimize(PrintFixed16(text, values[next]));
        benchmark::ClobberMemory();
        next = (next + 1) & 1023;
    }
    state.SetLabel(ValueLabels[state.range(0)]);
}

void SnprintfFixed16Values(benchmark::State& state)
{
    const std::vector<double> values = ValuesNamed(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    char text[400];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%18.16lf", values[next]));
        benchmark::ClobberMemory();
        next = (next + 1) & 1023;
    }
    state.SetLabel(ValueLabels[state.range(0)]);
}

// Two values to a line, as the tools print them.
void PrintFixed16Lines(benchmark::State& state)
{
    const std::vector<double> values = ValuesNamed(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    char text[MaxFixed16LineLength];
    for (auto _ : state) {
        benchmark::DoNotOptimize(PrintFixed16Line(text, values[next], values[next + 1]));
        benchmark::ClobberMemory();
        next = (next + 2) & 1023;
    }
    state.SetLabel(ValueLabels[state.range(0)]);
}

BENCHMARK(PrintFixed16Values)->DenseRange(0, 3);
BENCHMARK(PrintFixed16Lines)->DenseRange(0, 3);
BENCHMARK(SnprintfFixed16Values)->DenseRange(0, 3);

void ScanExtentsLine(benchmark::State& state)
{
    int extents[3];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScanExtents("1024 512 64\n", 3, extents));
        benchmark::ClobberMemory();
    }
}

void SscanfExtentsLine(benchmark::State& state)
{
    int extents[3];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::sscanf("1024 512 64\n", "%d %d %d", &extents[0], &extents[1], &extents[2]));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(ScanExtentsLine);
BENCHMARK(SscanfExtentsLine);

} // namespace
