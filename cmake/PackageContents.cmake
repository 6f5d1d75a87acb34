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
