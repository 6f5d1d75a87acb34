# Read by cpack for each Linux package it makes: the install components that
# go into it. Both hold the programs, links, man pages and README (component
# Unspecified); the .deb adds the Debian copyright and changelog, the tarball
# LICENSE and CHANGELOG.md.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(spek_notes debian)
else()
  set(spek_notes notes)
endif()
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CPACK_SPEK_BINARY_DIR};spek;Unspecified;/"
    "${CPACK_SPEK_BINARY_DIR};spek;${spek_notes};/")

# A cross build's .deb depends on the C library that has every symbol
# version its programs ask for: the newest GLIBC_x.y that objdump lists.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_SPEK_PROGRAMS)
  execute_process(COMMAND ${CPACK_SPEK_OBJDUMP} -T ${CPACK_SPEK_PROGRAMS}
                  OUTPUT_VARIABLE spek_dynamic_symbols COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "GLIBC_[0-9]+(\\.[0-9]+)+" spek_glibc_versions "${spek_dynamic_symbols}")
  if(NOT spek_glibc_versions)
    message(FATAL_ERROR "objdump lists no GLIBC symbol version in ${CPACK_SPEK_PROGRAMS}")
  endif()
  list(TRANSFORM spek_glibc_versions REPLACE "^GLIBC_" "")
  list(SORT spek_glibc_versions COMPARE NATURAL ORDER DESCENDING)
  list(GET spek_glibc_versions 0 spek_newest_glibc)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= ${spek_newest_glibc})")
endif()
