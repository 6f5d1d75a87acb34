# Shared part of the Windows toolchains. The programs are linked statically,
# so an .exe needs nothing but the system's own DLLs.
set(CMAKE_CXX_COMPILER ${SPEK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_C_COMPILER ${SPEK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_RC_COMPILER ${SPEK_MINGW_TRIPLET}-windres)
set(SPEK_TARGET_ROOT /usr/${SPEK_MINGW_TRIPLET})
include(${CMAKE_CURRENT_LIST_DIR}/target-root.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
