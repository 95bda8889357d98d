#ifndef PLATFORM_CONSOLE_H_
#define PLATFORM_CONSOLE_H_

// The console as the menu programs see it: a screen cleared before each menu,
// numbers and single characters typed on standard input, prompts that are
// visible before the program waits for an answer, and the menu loop itself.
// Every program goes through these functions; whatever differs between
// operating systems stays behind them (system.h).
//
// Standard input belongs to the console layer, which reads it in large
// pieces into a buffer of its own, as cat does; every read below takes from
// there, and nothing else reads standard input. Input rules shared by every
// read below:
// - End of input before anything but white space, at a number read, ends the
//   program at once with status 0, writing nothing more.
// - At a single-character read, end of input is simply consumed; the next
//   number read then ends the program.
// - A number is read as scanf("%d") and std::cin >> int read one: white
//   space (blank lines too) skipped, an optional sign, decimal digits, in the
//   same small memory however many digits are typed. Text without a digit,
//   or a value outside int (its digits consumed), is not a number: the read
//   fails, and the rest of the line is discarded.
// - Input that cannot be read (not its end, an error) ends the program at once
//   with status 1, after one line on standard error.
// - Whatever has been written before a read that has to wait for input reaches
//   the reader first; input that is already there costs no flush.

namespace console {

// Call first in main, with the program's name, a one-line summary of what it
// drives (for --help) and main's arguments. A failed allocation of any object
// then ends the process with status -1. The command line is answered here:
// --help (-h) and --version (-V) are answered on standard output and end the
// program with status 0; any other argument is a usage error, which ends it
// with status 2 after a message on standard error. With no argument init
// returns, standard output set up for the menu and the reads below. The
// build defines PROGRAM_NAME and PROGRAM_SUMMARY for each program, so that
// its manual page says the same.
void init(const char* program, const char* summary, int argc, char** argv);

// Runs the menu until choice 0 or the end of input, then ends the program
// with status 0 (after a newline on a terminal, at the end of input, so that
// the shell's prompt starts a line). Each pass, numbered 1, 2, ...: clears the screen, calls
// show() to write the menu, reads a choice (then discards one character,
// normally the end of the line); 0 ends the program, anything else goes to
// act(choice, pass); then the program waits for Enter.
[[noreturn]] void runMenu(void (*show)(), void (*act)(int choice, int pass));

#ifdef WEB_DRAWING
class Drawing;  // platform/drawing.h

// Names the function that describes the program's containers to the web
// page (platform/drawing.h), which calls it whenever the program waits for
// input. Only the web build draws them (and defines WEB_DRAWING).
void watchContainers(void (*describe)(Drawing& drawing));
#endif

// Reads a number typed at a prompt (a capacity or an index), then discards
// one character. False when the entry is not a number: the
// caller abandons the choice.
bool readNumber(int& value);

}  // namespace console

#endif  // PLATFORM_CONSOLE_H_
