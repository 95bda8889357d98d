# Packages of the five programs, made by cpack in a build folder: a Debian
# package (cpack -G DEB) of a Linux build, an archive (cpack -G TGZ) of a
# Linux build whose programs are linked statically, a ZIP (cpack -G ZIP) of
# the Windows build. The Debian package holds the programs, their manual
# pages (man/), the README, the copyright file and the changelog; the
# archive the programs, their pages, the README and LICENSE; the ZIP the
# programs with a README.txt for Windows users, LICENSE.txt and the manual
# as text.

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "Menu containers")
set(CPACK_PACKAGE_CONTACT "Menu containers maintainers <maintainers@menu-containers.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "console programs that drive a bounded stack or queue of int")
# Wrapped as a Debian control file wants it: cpack indents each line.
set(CPACK_PACKAGE_DESCRIPTION
    "Five interactive console programs, each driving one bounded container of\n"
    "int through a numbered text menu, so that a person at the keyboard can\n"
    "watch the container work and a script can drive it through a pipe:\n"
    "stackcon, objstack and recstack drive a stack, pairqueue and heirqueue a\n"
    "queue built of stacks.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # What a Windows user expects: the programs, a README.txt written for them
  # and LICENSE.txt, side by side, lines ending in CR LF.
  set(VERSION ${PROJECT_VERSION})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/README-windows.txt ${PROJECT_BINARY_DIR}/README.txt
                 @ONLY NEWLINE_STYLE CRLF)
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt COPYONLY)
  file(READ ${PROJECT_BINARY_DIR}/LICENSE.txt license)
  string(REPLACE "\n" "\r\n" license "${license}")
  file(WRITE ${PROJECT_BINARY_DIR}/LICENSE.txt "${license}")
  install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
elseif(CMAKE_SYSTEM_NAME STREQUAL "WASI")
  # The web page's site (web/) in one folder, for any static file host: only
  # the site, which holds the programs already, not their own install.
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME web)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL site)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
elseif(STATIC_PROGRAMS)
  # Programs that run on any Linux of their processor: an archive to unpack
  # under a prefix (/usr/local, ~/.local), which puts them in bin/ and their
  # manual pages in share/man/, where PATH and man look.
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  set(CPACK_GENERATOR TGZ)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
else()
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # The licence in Debian's machine-readable copyright format, made from
  # LICENSE: its text after the copyright line, indented, blank lines as ".".
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
  string(REGEX REPLACE "^.*Copyright[^\n]*\n\n" "" license "${license}")
  string(REGEX REPLACE "\n+$" "" license "${license}")
  string(REPLACE "\n\n" "\n.\n" license "${license}")
  string(REPLACE "\n" "\n " LICENSE_TEXT " ${license}")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
  # gzip -n: no name or time inside, so that the package is reproducible.
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
                     COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog
                             > ${PROJECT_BINARY_DIR}/changelog.gz
                     DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
  add_custom_target(changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})

  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # The programs link glibc alone, whose version dpkg-shlibdeps (package
  # dpkg-dev) gives where it is installed; the terminfo library, which they
  # load for a terminal, is named here.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS ${TERMINFO_PACKAGE})
  find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    list(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS libc6)
    list(JOIN CPACK_DEBIAN_PACKAGE_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
  endif()
endif()

include(CPack)
