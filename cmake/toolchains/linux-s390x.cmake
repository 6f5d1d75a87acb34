# 64-bit IBM Z Linux programs (big-endian), built with Debian's
# s390x-linux-gnu cross compiler and run under qemu-s390x for the tests.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(SPEK_LINUX_TRIPLET s390x-linux-gnu)
set(SPEK_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
