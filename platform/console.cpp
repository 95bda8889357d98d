// The portable part of the console layer: the command line, the menu loop,
// number reads, prompt flushing and the failures of output and input. What
// differs between systems is behind system.h.

#include "platform/console.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <streambuf>
#include <string>

#include "platform/pass.h"
#include "platform/streams.h"
#include "platform/system.h"

// The messages are GBK bytes: the build compiles each source from a copy
// whose literals hold GBK escapes, where this character takes two bytes
// (three in UTF-8). clang-tidy reads the sources as written.
#ifndef __clang_analyzer__
static_assert(sizeof("请") == 3, "string literals must be compiled to GBK");
#endif

#ifndef OUTPUT_BUFFER_BYTES
#define OUTPUT_BUFFER_BYTES (1 << 16)
#endif

// Keeps a function out of line where the compiler takes the request (GCC,
// Clang): they merge a function called from one place into its caller,
// which then grows where it is called often. Elsewhere it may be merged:
// slower, never different.
#if defined(__GNUC__)
#define OUT_OF_LINE __attribute__((noinline))
#else
#define OUT_OF_LINE
#endif

namespace console {
namespace {

// The choice that an entry which is not a number gives: outside every menu,
// so the pass does nothing.
constexpr int kNotANumber = -1;

const char* programName = "";
bool onTerminal = false;

// Output that cannot be written, and input that cannot be read, are never
// taken for success: the program ends with status 1 and says why on
// standard error ("write error", "read error").
[[noreturn]] void failed(const char* what, int error) {
  std::fprintf(stderr, "%s: %s: %s\n", programName, what, std::strerror(error ? error : EIO));
  std::exit(1);
}

[[noreturn]] void outputFailed(int error) { failed("write error", error); }

// The C library notes a failed write in the stream's error flag (and errno)
// whenever a full buffer goes out; this looks at the flag where the program
// stops to read anyway, which costs nothing measurable.
void checkOutput() {
  if (std::ferror(stdout)) outputFailed(errno);
}

// Out of the C library's buffer, and through whatever stands between
// standard output and a terminal.
void flushOutput() {
  if (std::fflush(stdout) != 0) outputFailed(errno);
  if (const int error = os::drainTerminal()) outputFailed(error);
}

// Everything written so far is out, or the program has ended saying why.
void deliverOutput() {
  flushOutput();
  checkOutput();
}

// Whatever way the program ends by exit() (an overflow's exit -1 too), what
// it wrote gets through whatever stands before the terminal: the C library
// flushes its streams only after the exit handlers, so this flushes first.
// Nothing is left to report by then.
void deliverAtExit() {
  std::fflush(stdout);
  os::drainTerminal();
}

[[noreturn]] void finish() {
  deliverOutput();
  std::exit(0);
}

// At the end of input on a terminal the person pressed Ctrl-D at a prompt:
// the shell's prompt that follows starts a line of its own.
[[noreturn]] void endOfInput() {
  if (onTerminal) std::fputc('\n', stdout);
  finish();
}

// Input that cannot be read is no end of input: the reason is given once
// what was written before is out.
[[noreturn]] void inputFailed(int error) {
  deliverOutput();
  failed("read error", error);
}

// After a read of standard input: whether it stopped short because the input
// had nothing yet, in which case it has waited for more. A read that failed
// otherwise ends the program. The error flag is cleared either way, so that
// it never speaks for a later read.
bool readWasCut() {
  if (!std::ferror(stdin)) return false;
  const int error = errno;
  std::clearerr(stdin);
  if (!os::waitedForLateInput(error)) inputFailed(error);
  return true;
}

// The next character when the C library holds none: the read may have to
// wait, so what has been written goes out first, unless input is already
// waiting. Flushing only then keeps a scripted session at one write per full
// buffer, while a person (or a program answering line by line) always sees
// the prompt.
OUT_OF_LINE int readWhenNoneHeld() {
  if (!os::inputIsWaiting()) flushOutput();
  int c;
  while ((c = os::readChar()) == EOF && readWasCut()) {
  }
  return c;
}

// Every character of input comes through here, three or more a menu pass:
// one that the C library holds is taken in place in a few instructions,
// with the wait's work out of line.
inline int nextChar() {
  std::size_t count;
  if (const char* const ahead = os::inputAhead(count)) {
    os::takeInput(1);
    return static_cast<unsigned char>(*ahead);
  }
  return readWhenNoneHeld();
}

void discardLine() {
  int c;
  do c = nextChar();
  while (c != '\n' && c != EOF);
}

// Skips white space up to the first character of a number, which is taken
// and returned; ends the program when the input ends first.
int skipToNumber() {
  int c;
  do c = nextChar();
  while (c != EOF && std::isspace(c));
  if (c == EOF) endOfInput();
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
  std::ungetc(first, stdin);
  long long wide;
  // Eleven characters always fit in a long long; fitsInt judges the value.
  const int scanned = std::scanf("%11lld", &wide);  // NOLINT(cert-err34-c)
  readWasCut();
  if (scanned != 1) return false;
  takeRemainingDigits(wide, first == '-');
  return fitsInt(wide, value);
}

// As scanNumber, through std::cin: eleven characters at most into a long
// long, the rest taken here, so that a number of any length is read in
// constant memory, and one that came late is read whole. White space is
// skipped already (skipToNumber): the stream's own skipping would look up
// the locale's character classes at every read.
bool extractNumber(int first, int& value) {
  static FirstCharacters number;
  long long wide;
  const bool extracted = number.extract(first, 11, wide);
  const int next = number.end();
  readWasCut();
  if (!extracted) return false;
  // A number that ended at a character other than a digit has no more.
  if (next == EOF || std::isdigit(next)) takeRemainingDigits(wide, first == '-');
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

// A pipe or a file has no screen: clearing would only add bytes to it.
void clearScreen() {
  if (onTerminal) os::clearTerminal();
}

// Writes text as lines of at most 79 columns, broken between words (the
// text is ASCII, a column a character), then a newline.
void writeWrapped(const std::string& text) {
  constexpr std::size_t kWidth = 79;
  std::size_t start = 0;
  while (text.size() - start > kWidth) {
    std::size_t end = text.rfind(' ', start + kWidth);
    if (end == std::string::npos || end <= start) end = text.find(' ', start + kWidth);
    if (end == std::string::npos) break;
    std::printf("%s\n", text.substr(start, end - start).c_str());
    start = end + 1;
  }
  std::printf("%s\n", text.c_str() + start);
}

void showHelp(const char* summary) {
  std::printf("Usage: %s [--help | --version]\n", programName);
  writeWrapped(std::string(programName) + ": " + summary + ".");
  std::printf(
      "\n"
      "The menu and the messages are written to standard output; the choices,\n"
      "one number a line, are read from standard input, typed at a terminal or\n"
      "piped in by a script. Choice 0, or the end of input, ends the program.\n"
      "\n"
      "  -h, --help     show this help and exit\n"
      "  -V, --version  show the version and exit\n"
      "\n"
      "Exit status: 0 at choice 0 or the end of input; 1 when output cannot be\n"
      "written or input cannot be read; 2 for a wrong argument; 255 when the\n"
      "container overflows or underflows, or memory runs out.\n"
      "\n"
      "The manual page: man %s\n",
      programName);
}

void showVersion() {
  std::printf("%s (" MENU_CONTAINERS_PACKAGE ") " MENU_CONTAINERS_VERSION
              "\n"
              "Copyright (c) 2026 The menu-containers authors\n"
              "License: MIT, the licence that comes with the program.\n"
              "This is free software: you are free to change and redistribute it.\n"
              "There is NO WARRANTY, to the extent permitted by law.\n",
              programName);
}

bool asksForHelp(const char* argument) {
  return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

bool asksForVersion(const char* argument) {
  return std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-V") == 0;
}

// The programs take no options for their work: the command line only
// answers what every installed tool answers. A wrong argument anywhere is
// named before anything is answered; otherwise the first question is
// answered, and the answer, like all output, is checked on its way out.
void answerCommandLine(const char* summary, int argc, char** argv) {
  if (argc < 2) return;
  for (int i = 1; i < argc; ++i) {
    if (asksForHelp(argv[i]) || asksForVersion(argv[i])) continue;
    std::fprintf(stderr,
                 "%s: unrecognized argument '%s'\n"
                 "Try '%s --help' for more information.\n",
                 programName, argv[i], programName);
    std::exit(2);
  }
  if (asksForHelp(argv[1]))
    showHelp(summary);
  else
    showVersion();
  finish();
}

}  // namespace

void init(const char* program, const char* summary, int argc, char** argv) {
  programName = program;
  std::set_new_handler([] { std::exit(-1); });
  answerCommandLine(summary, argc, argv);
  // A tied std::cin would flush std::cout (and so standard output) before
  // every extraction; nextChar() flushes only when a read has to wait.
  std::cin.tie(nullptr);
  onTerminal = os::stdoutIsTerminal();
  if (onTerminal) {
    os::setUpTerminal();
    std::atexit(deliverAtExit);
  } else {
    // Scripts pipe in whole sessions: larger buffers mean fewer writes, and
    // fewer reads and looks for waiting input (each a system call). Output
    // goes in pieces of a pipe's capacity (64 KiB on Linux) unless the build
    // says otherwise for its C library.
    static char output[OUTPUT_BUFFER_BYTES];
    std::setvbuf(stdout, output, _IOFBF, sizeof output);
    static char input[1 << 16];
    std::setvbuf(stdin, input, _IOFBF, sizeof input);
  }
  setUpStandardStreams();
  os::useStreamsWithoutLocks();
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

}  // namespace console
