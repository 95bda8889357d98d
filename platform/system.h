#ifndef PLATFORM_SYSTEM_H_
#define PLATFORM_SYSTEM_H_

// What the console layer needs of the operating system, and nothing more:
// terminals, and standard input's descriptor. system_posix.cpp,
// system_windows.cpp and system_web.cpp each give all of it; the build
// compiles the one for its system. Only the console layer calls these.

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

// Whether a read of standard input would be answered without waiting: it
// has something, or has ended. A wrong "no" costs one needless flush.
bool inputIsWaiting();

// Reads up to count bytes of standard input into buffer, waiting until
// there are some: how many it read, 0 at the end of the input, or -1 with
// errno set when the read failed. An input that answers "nothing yet" (a
// descriptor in non-blocking mode) is waited on, never taken for its end.
long readInput(char* buffer, std::size_t count);

}  // namespace os
}  // namespace console

#endif  // PLATFORM_SYSTEM_H_
