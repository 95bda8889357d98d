// Preloaded into a program (LD_PRELOAD) to stand for a C library that has no
// GBK converter: every iconv_open fails as glibc's does for an unknown
// character set.

#include <errno.h>
#include <iconv.h>

extern "C" iconv_t iconv_open(const char*, const char*) {
  errno = EINVAL;
  return reinterpret_cast<iconv_t>(-1);
}
