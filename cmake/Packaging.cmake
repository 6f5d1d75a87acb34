# Release packages: a .zip per Windows architecture, a .deb and a .tar.gz
# for Linux (`cpack` in a build folder). Every package holds the licence and
# the changelog and strips its programs.
set(CPACK_PACKAGE_NAME spek)
set(CPACK_PACKAGE_VENDOR "spek developers")
set(CPACK_PACKAGE_CONTACT "spek developers <maintainers@users.noreply.c-seed-b6c6e5bc.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Radix-2 Fourier transforms of complex samples held as text")
# Wrapped for Debian, whose description lines must stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "spekline, spekplane and spekcube read complex samples as text, pad every
axis with zeros to a power of two, apply an unscaled radix-2 FFT along each
axis and print the result as text; ispekline, ispekplane and ispekcube run
the inverse transform.")
set(CPACK_RESOURCE_FILE_README ${CMAKE_SOURCE_DIR}/README.md)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)

# The version is stated once, in project(); the newest release of the
# changelog must be that version.
file(STRINGS ${CMAKE_SOURCE_DIR}/CHANGELOG.md spek_releases REGEX "^## [0-9]")
list(GET spek_releases 0 spek_newest_release)
if(NOT spek_newest_release MATCHES "^## ${PROJECT_VERSION} - ")
  message(FATAL_ERROR "CHANGELOG.md: the newest release is '${spek_newest_release}', "
                      "but project() states version ${PROJECT_VERSION}")
endif()

# The packages are named for the target's processor: the tarball and zip
# as linux-<processor> (the name `uname -m` gives) and windows-x64 or
# windows-x86, the .deb by its Debian architecture.
set(spek_debian_architecture "")
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
  set(spek_processor x86_64)
  set(spek_windows_name windows-x64)
  set(spek_debian_architecture amd64)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$")
  set(spek_processor i686)
  set(spek_windows_name windows-x86)
  set(spek_debian_architecture i386)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64|ARM64)$")
  set(spek_processor aarch64)
  set(spek_debian_architecture arm64)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^arm")
  # Debian's 32-bit Arm with hard-float calling convention (the cross
  # compiler arm-linux-gnueabihf).
  set(spek_processor ${CMAKE_SYSTEM_PROCESSOR})
  set(spek_debian_architecture armhf)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(ppc64le|powerpc64le)$")
  set(spek_processor ppc64le)
  set(spek_debian_architecture ppc64el)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(s390x|riscv64)$")
  set(spek_processor ${CMAKE_SYSTEM_PROCESSOR})
  set(spek_debian_architecture ${CMAKE_SYSTEM_PROCESSOR})
else()
  set(spek_processor ${CMAKE_SYSTEM_PROCESSOR})
endif()

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  if(DEFINED spek_windows_name)
    set(CPACK_SYSTEM_NAME ${spek_windows_name})
  else()
    set(CPACK_SYSTEM_NAME windows-${spek_processor})
  endif()
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_SYSTEM_NAME linux-${spek_processor})
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  if(spek_debian_architecture)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${spek_debian_architecture})
  elseif(CMAKE_CROSSCOMPILING)
    message(WARNING "No Debian architecture is known for processor ${CMAKE_SYSTEM_PROCESSOR}: no .deb is made")
    set(CPACK_GENERATOR TGZ)
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Cross builds link their C++ runtime statically, and dpkg-shlibdeps
    # knows only the build machine's libraries: the .deb depends on the C
    # library of the newest symbol version the programs use, which cpack
    # reads from them (cmake/PackageContents.cmake).
    set(CPACK_SPEK_OBJDUMP ${CMAKE_OBJDUMP})
    list(TRANSFORM SPEK_TOOLS PREPEND ${CMAKE_BINARY_DIR}/ OUTPUT_VARIABLE CPACK_SPEK_PROGRAMS)
  else()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  endif()

  # The .deb holds the licence as Debian's machine-readable copyright file
  # and the changelog in Debian's changelog format, compressed, instead of
  # LICENSE and CHANGELOG.md (install component "notes").
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(spek_debian_dir ${CMAKE_BINARY_DIR}/debian)
  execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/debian_files.py
                          ${CPACK_PACKAGE_NAME} ${CPACK_PACKAGE_CONTACT} ${CMAKE_SOURCE_DIR}/LICENSE
                          ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${spek_debian_dir}
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND gzip -9nkf ${spek_debian_dir}/changelog COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/cmake/debian_files.py)
  install(FILES ${spek_debian_dir}/copyright ${spek_debian_dir}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
  set(CPACK_SPEK_BINARY_DIR ${CMAKE_BINARY_DIR})
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageContents.cmake)
endif()

include(CPack)
