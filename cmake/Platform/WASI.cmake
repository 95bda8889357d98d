# WebAssembly programs for WASI, as Zig builds them (cmake/zig.cmake): a
# system without shared libraries, whose programs are .wasm files.
include(Platform/Generic)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
