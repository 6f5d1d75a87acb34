// Replaces core/error.cpp in the fuzz build; see fuzz_error.h.
#include "base/error.h"
#include "fuzz_error.h"

#include <cstdio>
#include <cstdlib>

std::jmp_buf* errorReturn = nullptr;
const char* errorMessage = nullptr;

void Error(const char* message)
{
    if (errorReturn == nullptr) {
        std::fprintf(stderr, "Error(\"%s\") called outside a harness run\n", message);
        std::abort();
    }
    errorMessage = message;
    std::longjmp(*errorReturn, 1);
}
