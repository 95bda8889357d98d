// Preloaded into a program (LD_PRELOAD) to stand for a terminal that takes
// no more output: every write to a terminal made through the C library's
// write() fails with EIO, as on a terminal that has hung up. The converter
// of a UTF-8 terminal writes through here; other descriptors are written
// as usual.

#include <errno.h>
#include <sys/syscall.h>
#include <unistd.h>

extern "C" ssize_t write(int fd, const void* data, size_t size) {
  if (isatty(fd)) {
    errno = EIO;
    return -1;
  }
  return syscall(SYS_write, fd, data, size);
}
