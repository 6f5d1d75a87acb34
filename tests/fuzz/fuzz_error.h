// Error for the in-process fuzz harness: instead of ending the process it
// records the message and jumps back to the harness, which set errorReturn
// with setjmp before calling a tool's main.
#pragma once

#include <csetjmp>

extern std::jmp_buf* errorReturn;
extern const char* errorMessage;
