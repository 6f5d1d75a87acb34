# 64-bit Windows console programs, built with Debian's mingw-w64 and run
# under wine for the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(SPEK_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Debian's `wine` command starts wine's 32-bit loader first, which fails on
# machines that cannot run 32-bit programs; the 64-bit loader runs 64-bit
# programs everywhere.
if(EXISTS /usr/lib/wine/wine64)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
