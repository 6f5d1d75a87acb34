// The built tools against an independent multi-dimensional DFT in long
// double, on random data of many shapes, and forward then inverse runs
// giving the padded sample count times the input.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <cerrno>
#include <chrono>
#include <thread>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#endif

namespace {

struct Box {
    std::vector<int> padded;                        // x first
    std::vector<std::pair<double, double>> samples; // x fastest
};

int Padded(int n)
{
    int N = 1;
    while (N < n)
        N *= 2;
    return N;
}

// The path of a built tool; a Windows build running under wine sees the
// build folder on drive Z:.
std::string ToolPath(const std::string& name)
{
    std::string path;
#ifdef _WIN32
    if (SPEK_TOOL_DIR[0] == '/')
        path = "Z:";
#endif
    path.append(SPEK_TOOL_DIR).append("/").append(name);
#ifdef _WIN32
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    path.append(".exe");
#endif
    return path;
}

#ifdef _WIN32
// Runs the program with standard input from inputPath and returns what it
// printed. It is started directly, with this process's standard input and
// output pointed at files for the time it runs: no command interpreter
// stands in between.
std::string RunCaptured(const std::string& program, const std::string& inputPath)
{
    const std::string outputPath = inputPath + ".out";
    const int input = _open(inputPath.c_str(), _O_RDONLY | _O_BINARY);
    const int output = _open(outputPath.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
    EXPECT_GE(input, 0);
    EXPECT_GE(output, 0);
    std::fflush(stdout);
    const int savedInput = _dup(0);
    const int savedOutput = _dup(1);
    _dup2(input, 0);
    _dup2(output, 1);
    // Under wine a process now and then fails to start at all (status -1,
    // before the program runs); that says nothing about the tool, so the
    // start is tried again a few times.
    intptr_t status = -1;
    for (int attempt = 0; attempt < 5 && status == -1; ++attempt) {
        if (attempt > 0) {
            std::fprintf(stderr, "%s did not start (errno %d); trying again\n", program.c_str(), errno);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            _lseek(input, 0, SEEK_SET);
            _lseek(output, 0, SEEK_SET);
        }
        status = _spawnl(_P_WAIT, program.c_str(), program.c_str(), nullptr);
    }
    _dup2(savedInput, 0);
    _dup2(savedOutput, 1);
    for (int fd : {input, output, savedInput, savedOutput})
        _close(fd);
    EXPECT_EQ(status, 0) << program;
    std::ifstream file(outputPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
#else
// Runs the program with standard input from inputPath through the shell and
// returns what it printed. A cross build's tools run under the emulator it
// names (SPEK_TOOL_EMULATOR, empty for a native build), as this test does.
std::string RunCaptured(const std::string& program, const std::string& inputPath)
{
    std::string command = SPEK_TOOL_EMULATOR;
    command.append(command.empty() ? "\"" : " \"");
    command.append(program).append("\" < \"").append(inputPath).append("\"");
    FILE* pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    for (std::size_t got; pipe != nullptr && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, got);
    EXPECT_EQ(pipe != nullptr ? pclose(pipe) : -1, 0) << command;
    return output;
}
#endif

// Runs a tool on the given input text and parses what it prints.
Box RunTool(const std::string& tool, const std::string& input)
{
    // CTest runs each test of this program as a process of its own, in
    // parallel: every test needs its own input file.
    const std::string inputPath =
        testing::TempDir() + "spek_dft_input_" + testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
    std::ofstream(inputPath, std::ios::binary) << input;
    const std::string output = RunCaptured(ToolPath(tool), inputPath);

    Box box;
    std::istringstream lines(output);
    std::string line;
    std::getline(lines, line);
    std::istringstream dimensions(line);
    for (int extent; dimensions >> extent;)
        box.padded.push_back(extent);
    while (std::getline(lines, line)) {
        char* end = nullptr;
        const double re = std::strtod(line.c_str(), &end);
        box.samples.emplace_back(re, std::strtod(end, nullptr));
    }
    return box;
}

std::string ToolFor(std::size_t axes, int direction)
{
    const char* names[] = {"spekline", "spekplane", "spekcube"};
    std::string name = direction < 0 ? "i" : "";
    return name.append(names[axes - 1]);
}

std::string InputText(const std::vector<int>& declared, const std::vector<std::pair<double, double>>& samples)
{
    std::string text;
    for (std::size_t axis = 0; axis < declared.size(); ++axis)
        text += std::to_string(declared[axis]) + (axis + 1 < declared.size() ? " " : "\n");
    char line[128];
    for (const auto& [re, im] : samples) {
        std::snprintf(line, sizeof line, "%.17g %.17g\n", re, im);
        text += line;
    }
    return text;
}

// The declared samples placed in the zero-padded box.
std::vector<std::complex<long double>> PaddedBox(const std::vector<int>& declared, const std::vector<int>& padded,
                                                 const std::vector<std::pair<double, double>>& samples)
{
    const std::size_t axes = declared.size();
    const int nx = declared[0], ny = axes > 1 ? declared[1] : 1;
    const int Nx = padded[0], Ny = axes > 1 ? padded[1] : 1, Nz = axes > 2 ? padded[2] : 1;
    std::vector<std::complex<long double>> box(static_cast<std::size_t>(Nx) * Ny * Nz);
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const int x = static_cast<int>(k) % nx, y = static_cast<int>(k) / nx % ny, z = static_cast<int>(k) / nx / ny;
        box[(static_cast<std::size_t>(z) * Ny + y) * Nx + x] = {samples[k].first, samples[k].second};
    }
    return box;
}

// Direct DFT along one axis of the box, in long double.
void DirectAlongAxis(std::vector<std::complex<long double>>& box, const std::vector<int>& padded, std::size_t axis,
                     int direction)
{
    const long double pi = 3.141592653589793238462643383279502884L;
    std::size_t stride = 1;
    for (std::size_t a = 0; a < axis; ++a)
        stride *= padded[a];
    const auto N = static_cast<std::size_t>(padded[axis]);
    std::vector<std::complex<long double>> line(N);
    for (std::size_t start = 0; start < box.size(); ++start) {
        if (start / stride % N != 0)
            continue;
        for (std::size_t k = 0; k < N; ++k) {
            std::complex<long double> sum = 0;
            for (std::size_t j = 0; j < N; ++j)
                sum += box[start + j * stride] * std::polar(1.0L, direction * 2 * pi * ((j * k) % N) / N);
            line[k] = sum;
        }
        for (std::size_t k = 0; k < N; ++k)
            box[start + k * stride] = line[k];
    }
}

double MaxDifference(const Box& box, const std::vector<std::complex<long double>>& expected, double* scale)
{
    double difference = 0;
    *scale = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::complex<long double> actual(box.samples[i].first, box.samples[i].second);
        difference = std::max(difference, static_cast<double>(std::abs(actual - expected[i])));
        *scale = std::max(*scale, static_cast<double>(std::abs(expected[i])));
    }
    return difference;
}

std::vector<std::pair<double, double>> RandomSamples(const std::vector<int>& declared, std::mt19937_64& random)
{
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::size_t count = 1;
    for (int n : declared)
        count *= n;
    std::vector<std::pair<double, double>> samples(count);
    for (auto& s : samples)
        s = {value(random), value(random)};
    return samples;
}

std::vector<std::vector<int>> Shapes()
{
    std::vector<std::vector<int>> shapes;
    for (int n : {1, 2, 3, 5, 8, 13, 64})
        shapes.push_back({n});
    for (int nx : {1, 2, 3, 4, 7})
        for (int ny : {1, 2, 3, 6})
            shapes.push_back({nx, ny});
    for (const auto& s :
         std::vector<std::vector<int>>{{1, 1, 1}, {2, 2, 2}, {3, 2, 5}, {1, 3, 2}, {4, 1, 3}, {5, 5, 1}, {2, 3, 4}})
        shapes.push_back(s);
    return shapes;
}

TEST(Tools, AgreeWithADirectMultidimensionalTransform)
{
    std::mt19937_64 random(2026);
    for (const auto& declared : Shapes()) {
        for (int direction : {1, -1}) {
            const auto samples = RandomSamples(declared, random);
            const Box box = RunTool(ToolFor(declared.size(), direction), InputText(declared, samples));
            std::vector<int> padded;
            for (int n : declared)
                padded.push_back(Padded(n));
            ASSERT_EQ(box.padded, padded);
            auto expected = PaddedBox(declared, padded, samples);
            ASSERT_EQ(box.samples.size(), expected.size());
            for (std::size_t axis = 0; axis < padded.size(); ++axis)
                DirectAlongAxis(expected, padded, axis, direction);
            double scale = 0;
            const double difference = MaxDifference(box, expected, &scale);
            EXPECT_LE(difference, 1e-15 * scale * 8)
                << "shape of " << declared.size() << " axes, first " << declared[0] << ", direction " << direction;
        }
    }
}

TEST(Tools, ForwardThenInverseGivesThePaddedCountTimesTheInput)
{
    std::mt19937_64 random(7);
    for (const auto& declared : Shapes()) {
        const auto samples = RandomSamples(declared, random);
        const Box forward = RunTool(ToolFor(declared.size(), 1), InputText(declared, samples));
        ASSERT_EQ(forward.padded.size(), declared.size());
        std::vector<std::pair<double, double>> all = forward.samples;
        std::vector<int> padded = forward.padded;
        const Box back = RunTool(ToolFor(declared.size(), -1), InputText(padded, all));
        ASSERT_EQ(back.padded, padded);
        double count = 1;
        for (int N : padded)
            count *= N;
        auto expected = PaddedBox(declared, padded, samples);
        for (auto& value : expected)
            value *= static_cast<long double>(count);
        ASSERT_EQ(back.samples.size(), expected.size());
        double scale = 0;
        const double difference = MaxDifference(back, expected, &scale);
        EXPECT_LE(difference, 1e-14 * std::max(scale, count)) << "first extent " << declared[0];
    }
}

} // namespace
