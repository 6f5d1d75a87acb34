# 64-bit Arm Linux programs, built with Debian's aarch64-linux-gnu cross
# compiler and run under qemu-aarch64 for the tests.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(SPEK_LINUX_TRIPLET aarch64-linux-gnu)
set(SPEK_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
