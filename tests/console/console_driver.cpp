// console_driver: runs a Windows program on the console this driver sits at
// (a real console, not a pipe), types its input into the console, and
// reports what the screen then shows, with the program's exit status and
// the console's code page before and after. Built with the tests, never
// shipped.
//
//   console_driver REPORT INPUT [--ctrl-c MS | --kill MS] PROGRAM [ARGUMENT...]
//
// INPUT is a file of the keys to type, one byte a key (a newline is Enter,
// 0x1A is Ctrl-Z). --ctrl-c sends Ctrl-C to the console after MS
// milliseconds, --kill ends the program hard (TerminateProcess). REPORT
// gets, in UTF-8:
//
//   exit: STATUS (or "none" when the program has not ended within 20 s)
//   code page: BEFORE AFTER
//   screen:
//   LINE...
//
// with the screen's lines as the console holds them, trailing blanks and
// trailing empty lines left out.

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
  for (const char c : text) addKey(keys, c == '\n' ? L'\r' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
  DWORD written = 0;
  if (!keys.empty()) WriteConsoleInputW(input, keys.data(), static_cast<DWORD>(keys.size()), &written);
}

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
  return out;
}

// The screen buffer's lines, trailing blanks and empty lines left out.
std::vector<std::wstring> screen(HANDLE output) {
  std::vector<std::wstring> lines;
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(output, &info)) return lines;
  std::vector<wchar_t> row(static_cast<std::size_t>(info.dwSize.X));
  for (SHORT y = 0; y < info.dwSize.Y; ++y) {
    DWORD got = 0;
    const COORD start = {0, y};
    ReadConsoleOutputCharacterW(output, row.data(), info.dwSize.X, start, &got);
    std::wstring line(row.data(), got);
    line.erase(line.find_last_not_of(L' ') + 1);
    lines.push_back(line);
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
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
    std::fprintf(stderr, "usage: console_driver REPORT INPUT [--ctrl-c MS | --kill MS] PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  const wchar_t* report = argv[1];
  const std::string keys = readFile(argv[2]);
  int next = 3;
  const wchar_t* action = nullptr;
  DWORD delay = 0;
  if (std::wcscmp(argv[next], L"--ctrl-c") == 0 || std::wcscmp(argv[next], L"--kill") == 0) {
    action = argv[next];
    delay = static_cast<DWORD>(std::wcstoul(argv[next + 1], nullptr, 10));
    next += 2;
  }
  // Inherited by the program as its standard input and output.
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  const HANDLE input = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherited, OPEN_EXISTING, 0, nullptr);
  const HANDLE output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
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
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &program)) {
    std::fprintf(stderr, "console_driver: cannot start the program (error %lu)\n", GetLastError());
    return 2;
  }
  // A Ctrl-C sent to the program spares the driver (set only now: the
  // program would inherit it).
  SetConsoleCtrlHandler(nullptr, TRUE);
  type(input, keys);
  if (action != nullptr) {
    if (WaitForSingleObject(program.hProcess, delay) == WAIT_TIMEOUT) {
      if (std::wcscmp(action, L"--kill") == 0)
        TerminateProcess(program.hProcess, 9);
      else
        GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    }
  }
  DWORD status = 0;
  const bool ended = WaitForSingleObject(program.hProcess, 20000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(program.hProcess, 1);
  GetExitCodeProcess(program.hProcess, &status);
  const UINT after = GetConsoleOutputCP();

  FILE* out = _wfopen(report, L"wb");
  if (out == nullptr) return 2;
  if (ended)
    std::fprintf(out, "exit: %lu\n", status);
  else
    std::fprintf(out, "exit: none (no end within 20 s)\n");
  std::fprintf(out, "code page: %u %u\nscreen:\n", before, after);
  for (const std::wstring& line : screen(output)) std::fprintf(out, "%s\n", utf8(line).c_str());
  std::fclose(out);
  return 0;
}
