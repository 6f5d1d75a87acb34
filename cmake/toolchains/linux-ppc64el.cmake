# 64-bit little-endian POWER Linux programs, built with Debian's
# powerpc64le-linux-gnu cross compiler and run under qemu-ppc64le for the
# tests.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(SPEK_LINUX_TRIPLET powerpc64le-linux-gnu)
set(SPEK_QEMU qemu-ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
