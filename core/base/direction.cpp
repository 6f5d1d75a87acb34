// How a run picks its direction: from the file name it was invoked under.
#include "base/direction.h"

int DirectionFromPath(const char* path)
{
    if (path == nullptr)
        return 1;
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '/' || *p == '\\')
            name = p + 1;
    }
    return (static_cast<unsigned char>(*name) & 0xDF) == 0x49 ? -1 : 1;
}
