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

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(spek_bits 32)
else()
  set(spek_bits 64)
endif()

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x${spek_bits})
  string(REPLACE "x32" "x86" CPACK_SYSTEM_NAME ${CPACK_SYSTEM_NAME})
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  if(spek_bits EQUAL 32)
    # The 32-bit build links its C++ runtime statically.
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34)")
    set(CPACK_SYSTEM_NAME linux-i686)
  else()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_SYSTEM_NAME linux-x86_64)
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
