#ifndef PLATFORM_SYSTEM_H_
#define PLATFORM_SYSTEM_H_

// What the console layer needs of the operating system, and nothing more.
// system_posix.cpp, system_windows.cpp and system_web.cpp each give all of
// it (the last two with stdio_plain.cpp, for the C library's streams); the
// build compiles the one for its system. Only the console layer calls these.

#include <cstddef>

namespace console {
namespace os {

// Whether standard output is a terminal (on Windows, a console).
bool stdoutIsTerminal();

// Prepares a terminal for the program's run: the messages shown in the
// terminal's own encoding, and the way it is cleared looked up. Called once,
// and only when standard output is a terminal.
void setUpTerminal();

// Clears the terminal as setUpTerminal found it is cleared (which may be not
// at all), writing through standard output.
void clearTerminal();

// Waits until everything written to standard output so far (and flushed
// from the C library's buffer) has reached the terminal, where something
// stands between them. 0, or the reason it could not all be delivered.
int drainTerminal();

// Tells the C library, where it can be told, that only the program's main
// thread uses standard input and output, so that a character read or
// written need not take the stream's lock.
void useStreamsWithoutLocks();

// getchar(), without taking the stream's lock where the C library can be
// asked not to (only the main thread uses the streams).
int readChar();

// Copies count bytes into standard output's buffer, as fwrite would, where
// the C library lets that be done directly and they fit without a flush;
// otherwise copies nothing and returns false, and the caller uses fwrite.
// Only an optimisation: fwrite's call costs more than a short copy.
bool putInOutputBuffer(const char* text, std::size_t count);

// The characters of standard input that the C library has read ahead into
// its buffer, where it lets them be seen: where they start, and their count
// (at least one). nullptr when there are none, or they cannot be seen.
// takeInput(n) then takes the first n of them, as n getchar() calls would.
// Only an optimisation: a character at a time through readChar() costs a
// call each.
const char* inputAhead(std::size_t& count);
void takeInput(std::size_t count);

// Whether a read of standard input can be answered without waiting.
bool inputIsWaiting();

// After a read of standard input failed with error: when the input is a
// descriptor in non-blocking mode that answered "nothing yet", waits until it
// has something (or has ended) and returns true, so that the read is tried
// again. False for any other error.
bool waitedForLateInput(int error);

}  // namespace os
}  // namespace console

#endif  // PLATFORM_SYSTEM_H_
