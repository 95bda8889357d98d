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
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>

#include "platform/gbk_to_utf8.h"
#endif

#ifdef __GLIBC__
#include <stdio_ext.h>

#include <ext/stdio_sync_filebuf.h>
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

UINT previousCodePage;

void restoreCodePage() { SetConsoleOutputCP(previousCodePage); }

BOOL WINAPI restoreCodePageOnInterrupt(DWORD) {
  restoreCodePage();
  return FALSE;  // the usual handling follows
}

// A console shows the messages in code page 936 for the program's run, and
// gets its own code page back on every way out: exit() runs the handler, an
// interrupt the console event handler. Pipes and files keep their bytes.
void showMessagesOnTerminal() {
  previousCodePage = GetConsoleOutputCP();
  if (previousCodePage == 936 || !SetConsoleOutputCP(936)) return;
  std::atexit(restoreCodePage);
  SetConsoleCtrlHandler(restoreCodePageOnInterrupt, TRUE);
}

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

// Whether the locale that the environment names (LC_ALL, LC_CTYPE, LANG, the
// first that is set) has the character set UTF-8. Asked without setting the
// program's own locale, which stays "C" for the number reads.
bool localeIsUtf8() {
  if (locale_t named = newlocale(LC_CTYPE_MASK, "", locale_t{})) {
    const bool utf8 = std::strcmp(nl_langinfo_l(CODESET, named), "UTF-8") == 0;
    freelocale(named);
    return utf8;
  }
  // A locale that is not installed still says its character set in its name
  // ("en_US.UTF-8"); the terminal reads what the name says.
  const char* name = nullptr;
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    name = std::getenv(variable);
    if (name != nullptr && *name != '\0') break;
  }
  const char* charset = name != nullptr ? std::strchr(name, '.') : nullptr;
  return charset != nullptr &&
         (strncasecmp(charset + 1, "UTF-8", 5) == 0 || strncasecmp(charset + 1, "utf8", 4) == 0);
}

#ifdef __GLIBC__

ssize_t writeAsUtf8(void* converter, const char* data, std::size_t size) {
  return static_cast<GbkToUtf8*>(converter)->write(data, size) ? static_cast<ssize_t>(size) : -1;
}

// A terminal that reads UTF-8 shows the GBK messages converted: standard
// output becomes a stream whose every write goes through the converter, and
// std::cout writes into that stream as printf does, so their order holds.
// Where the converter cannot be had, the terminal gets the GBK bytes. The
// converter and the stream live as long as the process, since exit()
// flushes the stream last of all; a pointer of our own keeps the converter
// in sight of a leak checker, which does not look into the C library's
// records of its streams.
void showMessagesOnTerminal() {
  static GbkToUtf8* converter;
  if (!localeIsUtf8()) return;
  converter = new GbkToUtf8(STDOUT_FILENO);
  FILE* converted = nullptr;
  if (converter->ok())
    converted =
        fopencookie(converter, "w", cookie_io_functions_t{nullptr, writeAsUtf8, nullptr, nullptr});
  if (converted == nullptr) {
    delete converter;
    converter = nullptr;
    return;
  }
  stdout = converted;
  std::cout.rdbuf(new __gnu_cxx::stdio_sync_filebuf<char>(converted));
}

#else

// Without a way to put a converter under standard output, a terminal gets
// the GBK bytes.
void showMessagesOnTerminal() {}

#endif  // __GLIBC__

#endif  // _WIN32

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

// The digits of a number that its reader stopped short of, taken one at a
// time: those beyond scanf's width, or those that a non-blocking standard
// input delivered only after a pause. Only leading zeros keep a longer
// number within int; the value stops growing once it is outside.
void takeRemainingDigits(long long& wide, bool negative) {
  int c;
  while (std::isdigit(c = nextChar())) {
    const int digit = c - '0';
    if (wide >= INT_MIN && wide <= INT_MAX) wide = wide * 10 + (negative ? -digit : digit);
  }
  std::ungetc(c, stdin);
}

bool fitsInt(long long wide, int& value) {
  if (wide < INT_MIN || wide > INT_MAX) return false;
  value = static_cast<int>(wide);
  return true;
}

// scanf takes at most eleven characters, an int's digits and its sign, into a
// long long, which can hold what does not fit in an int (scanf cannot tell).
// It would keep every digit of a longer number, in memory that grows with
// the number; the rest are taken here instead.
bool scanNumber(int first, int& value) {
  long long wide;
  if (std::scanf("%11lld", &wide) != 1) return false;
  takeRemainingDigits(wide, first == '-');
  return fitsInt(wide, value);
}

// std::cin takes every digit itself, in constant memory, but ends the number
// where input came late (the stream's error flag tells).
bool extractNumber(int first, int& value) {
  int read;
  const bool ok = static_cast<bool>(std::cin >> read);
  const bool cut = std::ferror(stdin) != 0;
  std::cin.clear();  // neither a failure nor an end of input may stick
  if (!ok) return false;
  long long wide = read;
  if (cut) takeRemainingDigits(wide, first == '-');
  return fitsInt(wide, value);
}

bool readInt(Via via, int& value) {
  checkOutput();
  const int first = skipToNumber();
  const bool ok = via == Via::stdio ? scanNumber(first, value) : extractNumber(first, value);
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
  if (stdoutIsTerminal()) {
    showMessagesOnTerminal();
  } else {
    // Scripts pipe in whole sessions; a larger buffer means fewer writes.
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  }
#ifdef __GLIBC__
  // One thread: every character need not take the stream's lock.
  __fsetlocking(stdin, FSETLOCKING_BYCALLER);
  __fsetlocking(stdout, FSETLOCKING_BYCALLER);
#endif
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
