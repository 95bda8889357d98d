// Run at configure time, built as the programs are: tells the transcript
// harness what the programs' C library says where C libraries differ, one
// definition a line (NAME=TEXT): the reasons it gives for the errors the
// transcripts expect, and whether it takes a locale name that no system has
// for a locale of its own ("every-locale=yes", as musl does).

#include <errno.h>
#include <locale.h>

#include <cstdio>
#include <cstring>

int main() {
  const struct {
    const char* name;
    int error;
  } reasons[] = {{"EBADF", EBADF}, {"EIO", EIO}, {"EISDIR", EISDIR}, {"ENOSPC", ENOSPC}, {"EPIPE", EPIPE}};
  for (const auto& reason : reasons) std::printf("%s=%s\n", reason.name, std::strerror(reason.error));
  locale_t unknown = newlocale(LC_CTYPE_MASK, "xx_XX", locale_t{});
  std::printf("every-locale=%s\n", unknown != locale_t{} ? "yes" : "no");
  if (unknown != locale_t{}) freelocale(unknown);
  return 0;
}
