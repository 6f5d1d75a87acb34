// The fatal-error routine of every tool.
#include "base/error.h"

#include <cstdio>
#include <cstdlib>

void Error(const char* message)
{
    std::fputs(message, stderr);
    std::fputc('\n', stderr);
    std::exit(1);
}
