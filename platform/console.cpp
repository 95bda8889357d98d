#include "platform/console.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

#ifdef __GLIBC__
#include <stdio_ext.h>
#endif

namespace console {
namespace {

const char* programName = "";

#ifdef _WIN32

bool stdoutIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

// Whether a read of standard input can be answered without waiting. The C
// library's buffer is opaque here, so a pipe counts as waiting when the pipe
// itself is empty, and a console always does.
bool inputIsWaiting() {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  switch (GetFileType(in)) {
    case FILE_TYPE_DISK:
      return true;
    case FILE_TYPE_PIPE: {
      DWORD available = 0;
      return PeekNamedPipe(in, nullptr, 0, nullptr, &available, nullptr) && available > 0;
    }
    default:
      return false;
  }
}

// Standard input is never non-blocking here: a read waits by itself.
bool waitedForLateInput() { return false; }

#else

bool stdoutIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

// Whether a read of standard input can be answered without waiting: the C
// library still holds unread characters, or the descriptor has some (or is at
// its end, which does not wait either).
bool inputIsWaiting() {
#ifdef __GLIBC__
  // Only an optimisation: characters in glibc's buffer spare the poll below.
  // A wrong answer here costs one needless flush, never a hang: the read
  // that follows takes what there is.
  if (stdin->_IO_read_ptr < stdin->_IO_read_end) return true;
#endif
  pollfd in = {STDIN_FILENO, POLLIN, 0};
  return poll(&in, 1, 0) > 0;
}

// After a read that found no character: when standard input is a descriptor
// left in non-blocking mode that answered "nothing yet", which the C library
// takes for an error, waits until it has something (or has ended) and says
// that the read is to be tried again. At the true end of the input, false.
bool waitedForLateInput() {
  if (!std::ferror(stdin) || (errno != EAGAIN && errno != EWOULDBLOCK)) return false;
  std::clearerr(stdin);
  pollfd in = {STDIN_FILENO, POLLIN, 0};
  while (poll(&in, 1, -1) < 0 && errno == EINTR) {
  }
  return true;
}

#endif

// Output that cannot be written is never reported as success: the program
// ends with status 1 and says why on standard error, the only thing it ever
// writes there.
[[noreturn]] void outputFailed(int error) {
  std::fprintf(stderr, "%s: write error: %s\n", programName, std::strerror(error ? error : EIO));
  std::exit(1);
}

// The C library notes a failed write in the stream's error flag (and errno)
// whenever a full buffer goes out; this looks at the flag where the program
// stops to read anyway, which costs nothing measurable.
void checkOutput() {
  if (std::ferror(stdout)) outputFailed(errno);
}

void flushOutput() {
  if (std::fflush(stdout) != 0) outputFailed(errno);
}

[[noreturn]] void finish() {
  flushOutput();
  checkOutput();
  std::exit(0);
}

// Every character of input comes through here. Flushing only when the read
// would wait keeps a scripted session at one write per full buffer, while a
// person (or a program answering line by line) always sees the prompt.
int nextChar() {
  if (!inputIsWaiting()) flushOutput();
  int c;
  while ((c = std::getchar()) == EOF && waitedForLateInput()) {
  }
  return c;
}

void discardLine() {
  int c;
  do c = nextChar();
  while (c != '\n' && c != EOF);
}

// Skips white space up to the first character of a number, which is left in
// the stream and returned; ends the program when the input ends first.
int skipToNumber() {
  int c;
  do c = nextChar();
  while (c != EOF && std::isspace(c));
  if (c == EOF) finish();
  std::ungetc(c, stdin);
  return c;
}

// scanf takes at most eleven characters, an int's digits and its sign, into a
// long long, which can hold what does not fit in an int (scanf cannot tell).
// The digits of a longer number are taken here one at a time: scanf would
// keep every one of them, in memory that grows with the number. Only leading
// zeros keep such a number within int; the value stops growing once it is
// outside.
bool scanNumber(int first, int& value) {
  long long wide;
  if (std::scanf("%11lld", &wide) != 1) return false;
  const bool negative = first == '-';
  int c;
  while (std::isdigit(c = nextChar())) {
    const int digit = c - '0';
    if (wide >= INT_MIN && wide <= INT_MAX) wide = wide * 10 + (negative ? -digit : digit);
  }
  std::ungetc(c, stdin);
  if (wide < INT_MIN || wide > INT_MAX) return false;
  value = static_cast<int>(wide);
  return true;
}

bool extractNumber(int& value) {
  int read;
  const bool ok = static_cast<bool>(std::cin >> read);
  std::cin.clear();  // neither a failure nor an end of input may stick
  if (ok) value = read;
  return ok;
}

bool readInt(Via via, int& value) {
  checkOutput();
  const int first = skipToNumber();
  const bool ok = via == Via::stdio ? scanNumber(first, value) : extractNumber(value);
  if (ok)
    nextChar();
  else
    discardLine();
  return ok;
}

// Clears the screen before a menu: on Windows with the "cls" command, elsewhere
// with an ANSI sequence. A pipe or a file has no screen: clearing would only
// add bytes to it (cls writes a form feed there).
void clearScreen() {
  static const bool terminal = stdoutIsTerminal();
  if (!terminal) return;
#ifdef _WIN32
  std::fflush(stdout);  // what came before the menu stays above the clearing
  std::system("cls");
#else
  // Home the cursor, clear the screen, clear the scroll-back.
  std::fputs("\x1b[H\x1b[2J\x1b[3J", stdout);
#endif
}

}  // namespace

void init(const char* program) {
  programName = program;
  std::set_new_handler([] { std::exit(-1); });
  // A tied std::cin would flush std::cout (and so standard output) before
  // every extraction; nextChar() flushes only when a read has to wait.
  std::cin.tie(nullptr);
#ifdef __GLIBC__
  // One thread: every character need not take the stream's lock.
  __fsetlocking(stdin, FSETLOCKING_BYCALLER);
  __fsetlocking(stdout, FSETLOCKING_BYCALLER);
#endif
  // Scripts pipe in whole sessions; a larger buffer means fewer writes.
  static char buffer[1 << 16];
  if (!stdoutIsTerminal()) std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
}

void runMenu(Via via, void (*show)(), void (*act)(int choice, int pass)) {
  for (int pass = 1;; pass = nextPass(pass)) {
    clearScreen();
    show();
    int choice;
    if (!readInt(via, choice)) choice = kNotANumber;
    if (choice == 0) finish();
    act(choice, pass);
    nextChar();  // the wait for Enter
  }
}

bool readNumber(int& value) { return readInt(Via::stream, value); }

// Through unsigned arithmetic, whose wrap is defined; the conversion back to
// int keeps the two's-complement bits.
int nextPass(int pass) { return static_cast<int>(static_cast<unsigned>(pass) + 1u); }

}  // namespace console
