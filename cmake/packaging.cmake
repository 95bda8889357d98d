# Packages of the five programs, made by cpack in a build folder: a Debian
# package (cpack -G DEB) of a Linux build, a ZIP (cpack -G ZIP) of the
# Windows build. Both hold bin/ with the programs and the README.

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "Menu containers")
set(CPACK_PACKAGE_CONTACT "Menu containers maintainers <maintainers@menu-containers.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_DESCRIPTION
    "stackcon, objstack and recstack drive a stack, pairqueue and heirqueue a queue built of stacks: each through a numbered text menu, for a person at a keyboard or a script on a pipe.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # The programs need glibc alone; dpkg-shlibdeps (package dpkg-dev) says
  # which version, where it is installed.
  find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS libc6)
  endif()
endif()

include(CPack)
