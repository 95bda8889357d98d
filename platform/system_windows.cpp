// The console on Windows: consoles told apart with _isatty, cleared with
// "cls", and switched to code page 936 for the program's run.

#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/system.h"

namespace console {
namespace os {
namespace {

UINT previousCodePage;

void restoreCodePage() { SetConsoleOutputCP(previousCodePage); }

BOOL WINAPI restoreCodePageOnInterrupt(DWORD) {
  restoreCodePage();
  return FALSE;  // the usual handling follows
}

}  // namespace

bool stdoutIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

// A console shows the messages in code page 936 for the program's run, and
// gets its own code page back on every way out: exit() runs the handler, an
// interrupt the console event handler.
void setUpTerminal() {
  previousCodePage = GetConsoleOutputCP();
  if (previousCodePage == 936 || !SetConsoleOutputCP(936)) return;
  std::atexit(restoreCodePage);
  SetConsoleCtrlHandler(restoreCodePageOnInterrupt, TRUE);
}

void clearTerminal() {
  std::fflush(stdout);  // what came before the menu stays above the clearing
  std::system("cls");
}

int drainTerminal() { return 0; }

// The C library's buffer is opaque here, so a pipe counts as waiting when the
// pipe itself is empty, and a console always does.
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

// Standard input is never non-blocking here: a read waits by itself, and
// any error is a real one.
bool waitedForLateInput(int) { return false; }

}  // namespace os
}  // namespace console
