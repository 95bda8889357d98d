// Preloaded into a program (LD_PRELOAD) to stand for a terminal that takes
// no more output: every write to standard output made through the C
// library's write() fails with EIO, as on a terminal that has hung up. The
// C library's own stream writes do not come through here; the GBK to UTF-8
// converter's do. Other descriptors are written as usual.

#include <errno.h>
#include <sys/syscall.h>
#include <unistd.h>

extern "C" ssize_t write(int fd, const void* data, size_t size) {
  if (fd == STDOUT_FILENO) {
    errno = EIO;
    return -1;
  }
  return syscall(SYS_write, fd, data, size);
}
