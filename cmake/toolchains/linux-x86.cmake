# 32-bit x86 Linux programs, built with Debian's i686-linux-gnu cross
# compiler (which, unlike g++-multilib, can be installed beside the other
# cross compilers).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SPEK_LINUX_TRIPLET i686-linux-gnu)
set(SPEK_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
# The programs run natively where the kernel runs 32-bit programs and the
# loader they name, /lib/ld-linux.so.2 (libc6:i386), starts. Where the
# kernel refuses them they run under qemu-i386: with that installed loader
# and C library when they are there, with the cross ones (-L) otherwise.
# Under qemu-i386 the cross loader of Debian 12 leaves the child of every
# fork spinning forever inside the C library, which hangs every death test;
# the installed one does not.
if(EXISTS /lib/ld-linux.so.2)
  execute_process(COMMAND /lib/ld-linux.so.2 --version RESULT_VARIABLE spek_loader_status
                  OUTPUT_QUIET ERROR_QUIET)
  if(spek_loader_status STREQUAL "0")
    unset(CMAKE_CROSSCOMPILING_EMULATOR)
  else()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${SPEK_QEMU})
  endif()
endif()
