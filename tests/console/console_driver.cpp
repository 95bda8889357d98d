// console_driver: runs a Windows program on the console this driver sits at
// (a real console, not a pipe), types its input into the console, and
// reports what the screen then shows, with the program's exit status and
// the console's code page before and after. Built with the tests, never
// shipped.
//
//   console_driver REPORT INPUT [--guard S] [--screen FILE [--kill | --ctrl-c]]
//                  PROGRAM [ARGUMENT...]
//
// INPUT is a file of the keys to type, one byte a key (a newline is Enter,
// 0x1A is Ctrl-Z). FILE holds, in UTF-8, the lines the screen is expected to
// show. With --kill or --ctrl-c the driver waits until the program has read
// every key typed and the screen shows those lines, then ends the program
// hard (TerminateProcess) or sends the console Ctrl-C; otherwise it waits
// for the program to end. No step waits for a time: S seconds (60 unless
// given) only guard each wait against a hang. REPORT gets, in UTF-8:
//
//   exit: STATUS (or "none" when the program has not ended within S seconds)
//   waiting: WHAT (only when a wait for a state ran out)
//   code page: BEFORE AFTER
//   screen:
//   LINE...
//
// with the screen's lines as the console holds them, trailing blanks and
// trailing empty lines left out: when the program was stopped, as it was
// then.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string readFile(const wchar_t* path) {
  std::string text;
  if (FILE* f = _wfopen(path, L"rb")) {
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
    std::fclose(f);
  }
  return text;
}

// One key pressed and released.
void addKey(std::vector<INPUT_RECORD>& keys, wchar_t c) {
  INPUT_RECORD key = {};
  key.EventType = KEY_EVENT;
  key.Event.KeyEvent.wRepeatCount = 1;
  key.Event.KeyEvent.uChar.UnicodeChar = c;
  key.Event.KeyEvent.wVirtualKeyCode = c == L'\r' ? VK_RETURN : 0;
  key.Event.KeyEvent.bKeyDown = TRUE;
  keys.push_back(key);
  key.Event.KeyEvent.bKeyDown = FALSE;
  keys.push_back(key);
}

void type(HANDLE input, const std::string& text) {
  std::vector<INPUT_RECORD> keys;
  for (const char c : text)
    addKey(keys, c == '\n' ? L'\r' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
  DWORD written = 0;
  if (!keys.empty())
    WriteConsoleInputW(input, keys.data(), static_cast<DWORD>(keys.size()), &written);
}

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size,
                      nullptr, nullptr);
  return out;
}

// The screen buffer's lines in UTF-8, each ending in a newline, trailing
// blanks and empty lines left out.
std::string screen(HANDLE output) {
  std::vector<std::string> lines;
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (GetConsoleScreenBufferInfo(output, &info)) {
    std::vector<wchar_t> row(static_cast<std::size_t>(info.dwSize.X));
    for (SHORT y = 0; y < info.dwSize.Y; ++y) {
      DWORD got = 0;
      const COORD start = {0, y};
      ReadConsoleOutputCharacterW(output, row.data(), info.dwSize.X, start, &got);
      std::wstring line(row.data(), got);
      line.erase(line.find_last_not_of(L' ') + 1);
      lines.push_back(utf8(line));
    }
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Polls until done() holds or the program ends (true), or the guard runs
// out (false).
template <typename Condition>
bool waitFor(HANDLE process, DWORD guardMs, Condition done) {
  const ULONGLONG deadline = GetTickCount64() + guardMs;
  while (!done()) {
    if (WaitForSingleObject(process, 10) == WAIT_OBJECT_0) return true;
    if (GetTickCount64() > deadline) return false;
  }
  return true;
}

// The command line of the program and its arguments, each quoted.
std::wstring commandLine(int first, int argc, wchar_t** argv) {
  std::wstring line;
  for (int i = first; i < argc; ++i) {
    if (!line.empty()) line += L' ';
    line += L'"';
    line += argv[i];
    line += L'"';
  }
  return line;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(
        stderr,
        "usage: console_driver REPORT INPUT [--guard S] [--screen FILE [--kill | --ctrl-c]] "
        "PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  const wchar_t* report = argv[1];
  const std::string keys = readFile(argv[2]);
  int next = 3;
  DWORD guardMs = 60000;
  const wchar_t* action = nullptr;
  std::string expected;
  bool screenGiven = false;
  for (; next + 1 < argc; ++next) {
    if (std::wcscmp(argv[next], L"--guard") == 0) {
      guardMs = static_cast<DWORD>(std::wcstoul(argv[++next], nullptr, 10)) * 1000;
    } else if (std::wcscmp(argv[next], L"--screen") == 0) {
      expected = readFile(argv[++next]);
      screenGiven = true;
    } else if (std::wcscmp(argv[next], L"--kill") == 0 ||
               std::wcscmp(argv[next], L"--ctrl-c") == 0) {
      action = argv[next];
    } else {
      break;
    }
  }
  if (action != nullptr && !screenGiven) {
    std::fprintf(stderr, "console_driver: %ls needs --screen: the state to stop the program in\n",
                 action);
    return 2;
  }
  // Inherited by the program as its standard input and output.
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  const HANDLE input =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  &inherited, OPEN_EXISTING, 0, nullptr);
  const HANDLE output =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  &inherited, OPEN_EXISTING, 0, nullptr);
  if (input == INVALID_HANDLE_VALUE || output == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "console_driver: no console\n");
    return 2;
  }
  const UINT before = GetConsoleOutputCP();

  std::wstring command = commandLine(next, argc, argv);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;  // the console, whatever the driver's own are
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION program = {};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &program)) {
    std::fprintf(stderr, "console_driver: cannot start the program (error %lu)\n", GetLastError());
    return 2;
  }
  // A Ctrl-C sent to the program spares the driver (set only now: the
  // program would inherit it).
  SetConsoleCtrlHandler(nullptr, TRUE);
  type(input, keys);

  // A key is taken from the console's queue only by a read, so an empty
  // queue means every key has been read; the screen then tells how far the
  // program has gone with the last of them.
  const char* waiting = nullptr;
  std::string shown;
  if (action != nullptr) {
    const bool reached = waitFor(program.hProcess, guardMs, [&] {
      DWORD queued = 0;
      if (!GetNumberOfConsoleInputEvents(input, &queued) || queued != 0) return false;
      shown = screen(output);
      return shown == expected;
    });
    if (!reached)
      waiting = "still waiting for the screen expected, with every key read";
    else if (WaitForSingleObject(program.hProcess, 0) == WAIT_OBJECT_0)
      shown = screen(output);  // it ended before it got there
    else if (std::wcscmp(action, L"--kill") == 0)
      TerminateProcess(program.hProcess, 9);
    else
      GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
  }
  DWORD status = 0;
  const bool ended =
      waiting == nullptr && WaitForSingleObject(program.hProcess, guardMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(program.hProcess, 1);
  GetExitCodeProcess(program.hProcess, &status);
  const UINT after = GetConsoleOutputCP();
  if (action == nullptr) shown = screen(output);

  FILE* out = _wfopen(report, L"wb");
  if (out == nullptr) return 2;
  if (ended)
    std::fprintf(out, "exit: %lu\n", status);
  else
    std::fprintf(out, "exit: none (no end within %lu s)\n", guardMs / 1000);
  if (waiting != nullptr) std::fprintf(out, "waiting: %s\n", waiting);
  std::fprintf(out, "code page: %u %u\nscreen:\n", before, after);
  std::fputs(shown.c_str(), out);
  std::fclose(out);
  return 0;
}
