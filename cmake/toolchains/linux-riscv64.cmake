# 64-bit RISC-V Linux programs, built with Debian's riscv64-linux-gnu cross
# compiler and run under qemu-riscv64 for the tests.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(SPEK_LINUX_TRIPLET riscv64-linux-gnu)
set(SPEK_QEMU qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
