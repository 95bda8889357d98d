// Run at configure time: prints the file name under which the dynamic
// loader found the terminfo library that this program was linked with, which
// is the name to load it by (its soname on ELF systems).

#include <dlfcn.h>

#include <cstdio>
#include <cstring>

// Referred to, so that the linker keeps the library even where it drops
// those that a program does not use.
extern "C" int setupterm(const char*, int, int*);
int (*volatile referred)(const char*, int, int*) = setupterm;

int main() {
  // The library's own definition, which a pointer taken in the program may
  // not be.
  void* setupterm = dlsym(RTLD_DEFAULT, "setupterm");
  Dl_info library;
  if (setupterm == nullptr || dladdr(setupterm, &library) == 0 || library.dli_fname == nullptr)
    return 1;
  const char* slash = std::strrchr(library.dli_fname, '/');
  std::puts(slash != nullptr ? slash + 1 : library.dli_fname);
  return 0;
}
