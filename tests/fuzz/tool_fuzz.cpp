// Target for the tools' whole reading and transform path, in process. The
// first input byte chooses the tool (spekline, spekplane, spekcube) and the
// direction; the rest is the tool's entire standard input (file descriptor
// 0, a memory file for each run). Standard output goes to a memory stream,
// so that each run can be checked:
//
// - a header that does not declare the tool's extents ends the run with
//   "bad data number.", and only such a header does;
// - a box that is declared ends in success or with "data read error."
//   (boxes here are small, so storage is always to be had);
// - a failed run writes nothing; a successful one writes the padded extents
//   and one line per padded sample.
//
// Headers that declare more than MaxSamples padded samples are skipped, to
// keep every run short.
#include "kernel/FFT.h"
#include "base/error.h"
#include "fuzz_error.h"
#include "text/scan.h"
#include "text/stream.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

int spekline_main(int argc, char** argv);
int spekplane_main(int argc, char** argv);
int spekcube_main(int argc, char** argv);

namespace {

constexpr long MaxSamples = 4096;

// Blocks the tool allocates during a run and still holds (at most seven,
// for spekcube), freed by the harness afterwards.
constexpr int MaxBlocks = 16;
void* blocks[MaxBlocks];
int blockCount = 0;
bool recordBlocks = false;

extern "C" void __real_free(void* block);

void FreeBlocks()
{
    for (int i = 0; i < blockCount; ++i)
        __real_free(blocks[i]);
    blockCount = 0;
}

struct Tool {
    const char* name;
    int axes;
    int (*main)(int, char**);
};

const Tool tools[] = {
    {"spekline", 1, spekline_main},
    {"spekplane", 2, spekplane_main},
    {"spekcube", 3, spekcube_main},
};

[[noreturn]] void Fail(const char* tool, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", tool, what);
    std::abort();
}

// Puts a memory file holding input in place of file descriptor 0, where
// the tools read; returns a copy of the descriptor it replaced.
int ReplaceStandardInput(const char* input, std::size_t size)
{
    const int file = memfd_create("input", 0);
    const int saved = dup(0);
    if (file < 0 || saved < 0 || write(file, input, size) != static_cast<ssize_t>(size) ||
        lseek(file, 0, SEEK_SET) != 0 || dup2(file, 0) != 0)
        Fail("harness", "cannot put the input in place of standard input");
    close(file);
    return saved;
}

void RestoreStandardInput(int saved)
{
    dup2(saved, 0);
    close(saved);
}

} // namespace

extern "C" void* __real_malloc(std::size_t size);

// The link wraps every malloc call of the harness, the core and the tools
// (-Wl,--wrap=malloc); only blocks asked for during a tool run are recorded.
extern "C" void* __wrap_malloc(std::size_t size)
{
    void* block = __real_malloc(size);
    if (recordBlocks && block != nullptr) {
        if (blockCount == MaxBlocks)
            Fail("harness", "more blocks than any tool allocates");
        blocks[blockCount++] = block;
    }
    return block;
}

// free is wrapped too (-Wl,--wrap=free): a block the tool gives back itself
// (such as the probe of the sample block) is no longer the harness's to free.
extern "C" void __wrap_free(void* block)
{
    for (int i = 0; i < blockCount; ++i) {
        if (blocks[i] == block) {
            blocks[i] = blocks[--blockCount];
            break;
        }
    }
    __real_free(block);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return -1;
    const Tool& tool = tools[data[0] % 3];
    const bool inverse = (data[0] / 3) % 2 != 0;
    const char* input = reinterpret_cast<const char*>(data) + 1;
    const std::size_t inputSize = size - 1;

    // The header as the tool will read it: the first line, cut at 2047
    // characters, ending at its first zero byte for the parser.
    char header[LineBufferSize] = {};
    const void* newline = std::memchr(input, '\n', inputSize < LineBufferSize - 1 ? inputSize : LineBufferSize - 1);
    const std::size_t headerLength = newline != nullptr
                                         ? static_cast<std::size_t>(static_cast<const char*>(newline) - input) + 1
                                         : (inputSize < LineBufferSize - 1 ? inputSize : LineBufferSize - 1);
    std::memcpy(header, input, headerLength);
    int extents[3] = {0, 0, 0};
    bool declared = ScanExtents(header, tool.axes, extents) == tool.axes;
    long samples = 1;
    for (int axis = 0; declared && axis < tool.axes; ++axis) {
        if (extents[axis] < 1 || extents[axis] > MaxPaddedLength) {
            declared = false;
        } else {
            const int padded = PaddedLength(extents[axis]);
            if (padded > MaxSamples || samples * padded > MaxSamples)
                return -1;
            samples *= padded;
        }
    }

    const int savedIn = ReplaceStandardInput(input, inputSize);
    char* outputText = nullptr;
    std::size_t outputSize = 0;
    FILE* out = open_memstream(&outputText, &outputSize);
    if (out == nullptr)
        Fail("harness", "cannot open the memory stream");
    FILE* const savedOut = stdout;
    stdout = out;

    char name[16];
    std::snprintf(name, sizeof name, "%s%s", inverse ? "i" : "", tool.name);
    char* argv[] = {name, nullptr};
    std::jmp_buf jump;
    errorReturn = &jump;
    errorMessage = nullptr;
    RestartTextStream();
    recordBlocks = true;
    if (setjmp(jump) == 0)
        tool.main(1, argv);
    recordBlocks = false;
    errorReturn = nullptr;

    RestoreStandardInput(savedIn);
    stdout = savedOut;
    std::fclose(out);
    FreeBlocks();

    if (errorMessage == nullptr) {
        if (!declared)
            Fail(tool.name, "a header without the tool's extents was accepted");
        long lineCount = 0;
        for (std::size_t i = 0; i < outputSize; ++i)
            lineCount += outputText[i] == '\n';
        if (outputSize == 0 || outputText[outputSize - 1] != '\n' || lineCount != samples + 1)
            Fail(tool.name, "the output is not one line per padded sample after the extents");
        std::string first;
        for (int axis = 0; axis < tool.axes; ++axis)
            first += std::to_string(PaddedLength(extents[axis])) + (axis + 1 < tool.axes ? "\t" : "\n");
        if (std::strncmp(outputText, first.c_str(), first.size()) != 0)
            Fail(tool.name, "the output does not start with the padded extents");
    } else {
        if (outputSize != 0)
            Fail(tool.name, "a failed run wrote to standard output");
        const char* expected = declared ? DataReadError : BadDataNumber;
        if (std::strcmp(errorMessage, expected) != 0)
            Fail(tool.name, errorMessage);
    }
    std::free(outputText);
    return 0;
}
