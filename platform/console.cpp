// The portable part of the console layer: the command line, the menu loop,
// number reads, prompt flushing and the failures of output and input. What
// differs between systems is behind system.h.

#include "platform/console.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
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
// stops to read anyway.
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

// Standard input, read in pieces as large as what is there, up to the
// buffer's size: a script piped in at once costs a read per 64 KiB, a person
// a read per line. The end, once met, stays: a terminal's Ctrl-D is not
// asked again.
char input[1 << 16];
std::size_t inputNext = 0;  // the next character to take
std::size_t inputEnd = 0;   // one past the last character read
bool inputEnded = false;

// Whether a character is there to take, reading more when none is left. A
// read that has to wait comes after everything written so far is out, so
// that a person (or a program answering line by line) sees the prompt;
// input that is already there costs no flush.
bool refillInput() {
  if (inputEnded) return false;
  if (!os::inputIsWaiting()) flushOutput();
  const long got = os::readInput(input, sizeof input);
  if (got < 0) inputFailed(errno);
  inputNext = 0;
  inputEnd = static_cast<std::size_t>(got);
  inputEnded = got == 0;
  return !inputEnded;
}

// The next character without taking it, EOF at the end of the input.
int peekChar() {
  if (inputNext == inputEnd && !refillInput()) return EOF;
  return static_cast<unsigned char>(input[inputNext]);
}

// The next character, taken; EOF at the end of the input.
int nextChar() {
  const int c = peekChar();
  if (c != EOF) ++inputNext;
  return c;
}

void discardLine() {
  int c;
  do c = nextChar();
  while (c != '\n' && c != EOF);
}

// White space as scanf and std::cin skip it in the C locale.
bool isSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Reads a number: white space skipped (the end of input there ends the
// program), an optional sign, decimal digits, up to the first character
// that is none, which stays unread. The magnitude stops growing once it is
// outside int, so that any number of digits is read in the same memory.
// False when no digit follows the sign, or the value does not fit.
bool parseNumber(int& value) {
  int c;
  while (isSpace(c = peekChar())) ++inputNext;
  if (c == EOF) endOfInput();
  const bool negative = c == '-';
  if (c == '-' || c == '+') {
    ++inputNext;
    c = peekChar();
  }
  if (!isDigit(c)) return false;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; isDigit(c); c = peekChar()) {
    ++inputNext;
    if (magnitude <= limit) magnitude = magnitude * 10 + (c - '0');
  }
  if (magnitude > limit) return false;
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

// A number read, then the one character after it discarded; the rest of the
// line when the entry is not a number. A write that failed ends the program
// here, before it reads input it could not answer.
bool readInt(int& value) {
  checkOutput();
  const bool ok = parseNumber(value);
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
  onTerminal = os::stdoutIsTerminal();
  if (onTerminal) {
    os::setUpTerminal();
    std::atexit(deliverAtExit);
  } else {
    // Scripts pipe in whole sessions: output goes in pieces of a pipe's
    // capacity (64 KiB on Linux), a write each.
    static char output[1 << 16];
    std::setvbuf(stdout, output, _IOFBF, sizeof output);
  }
  setUpStandardStreams();
}

void runMenu(void (*show)(), void (*act)(int choice, int pass)) {
  for (int pass = 1;; pass = nextPass(pass)) {
    clearScreen();
    show();
    int choice;
    if (!readInt(choice)) choice = kNotANumber;
    if (choice == 0) finish();
    act(choice, pass);
    nextChar();  // the wait for Enter
  }
}

bool readNumber(int& value) { return readInt(value); }

}  // namespace console
