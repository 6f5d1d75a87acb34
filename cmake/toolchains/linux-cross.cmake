# Shared part of the Linux cross toolchains: Debian's cross compiler for
# SPEK_LINUX_TRIPLET, with the target's headers and libraries found under
# /usr/<triplet> only. The C++ runtime is linked statically, so the programs
# need nothing but the target's C library. The tests run the programs under
# the user-mode emulator SPEK_QEMU, which takes the target's dynamic loader
# and C library from /usr/<triplet>.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${SPEK_LINUX_TRIPLET}-g++)
set(CMAKE_C_COMPILER ${SPEK_LINUX_TRIPLET}-gcc)
set(SPEK_TARGET_ROOT /usr/${SPEK_LINUX_TRIPLET})
include(${CMAKE_CURRENT_LIST_DIR}/target-root.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libstdc++ -static-libgcc")
set(CMAKE_CROSSCOMPILING_EMULATOR ${SPEK_QEMU} -L /usr/${SPEK_LINUX_TRIPLET})
