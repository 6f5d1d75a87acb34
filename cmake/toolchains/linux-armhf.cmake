# 32-bit Arm Linux programs (ARMv7, hard-float), built with Debian's
# arm-linux-gnueabihf cross compiler and run under qemu-arm for the tests.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(SPEK_LINUX_TRIPLET arm-linux-gnueabihf)
set(SPEK_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
