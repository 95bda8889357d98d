// Preloaded into a program (LD_PRELOAD) to stand for a system without the
// terminfo library: every dlopen fails, as for a library that is not there.

#include <dlfcn.h>

extern "C" void* dlopen(const char*, int) { return nullptr; }
