# Shared by the cross toolchains: headers, libraries and packages are found
# under the target's root folder SPEK_TARGET_ROOT only, never among the build
# machine's; programs (python, wine, qemu) are the build machine's.
set(CMAKE_FIND_ROOT_PATH ${SPEK_TARGET_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
