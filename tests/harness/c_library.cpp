// Run at configure time, built as the programs are: tells the transcript
// harness what the programs' C library says where C libraries differ, one
// definition a line (NAME=TEXT): the reasons it gives for the errors the
// transcripts expect.

#include <errno.h>

#include <cstdio>
#include <cstring>

int main() {
  const struct {
    const char* name;
    int error;
  } reasons[] = {
      {"EBADF", EBADF}, {"EIO", EIO}, {"EISDIR", EISDIR}, {"ENOSPC", ENOSPC}, {"EPIPE", EPIPE}};
  for (const auto& reason : reasons)
    std::printf("%s=%s\n", reason.name, std::strerror(reason.error));
  return 0;
}
