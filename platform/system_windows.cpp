// The console on Windows: a console told apart by its console mode, shown
// the GBK messages through its wide-character interface whatever its code
// page (which is never changed), and cleared by the program itself as "cls"
// clears it; standard input read through the C runtime's descriptor.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "platform/gbk.h"
#include "platform/system.h"

namespace console {
namespace os {
namespace {

constexpr UINT kGbk = 936;  // the code page of the messages

// A handle that closes itself.
class Handle {
 public:
  Handle() = default;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { reset(nullptr); }

  // Takes h; INVALID_HANDLE_VALUE, which some calls give for none, counts
  // as none.
  void reset(HANDLE h) {
    if (handle_ != nullptr) CloseHandle(handle_);
    handle_ = h == INVALID_HANDLE_VALUE ? nullptr : h;
  }
  HANDLE get() const { return handle_; }
  HANDLE release() {
    const HANDLE h = handle_;
    handle_ = nullptr;
    return h;
  }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HANDLE handle_ = nullptr;
};

// Between standard output and the console: descriptor 1 becomes a pipe, and
// a thread converts what comes out of it from code page 936 to UTF-16 and
// writes it with WriteConsoleW, which shows it whatever the console's code
// page. Every way of writing to standard output goes through it, in the
// order it was written. drain() waits until what has been written so far is
// on the screen.
//
// The pipe is a named one, read with overlapped I/O, so that the thread can
// wait for output and for a request to drain at once.
class ConsoleConverter {
 public:
  // Puts the converter in place; false, with nothing changed, where the
  // pipe, the events or the thread cannot be had. The converter owns each
  // handle from the moment it is had, so one that cannot start is simply
  // deleted.
  bool start() {
    const HANDLE self = GetCurrentProcess();
    // Descriptor 1 will be the pipe, and closing its console handle then
    // would close the console: a handle of our own is kept.
    HANDLE console = nullptr;
    if (!DuplicateHandle(self, GetStdHandle(STD_OUTPUT_HANDLE), self, &console, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
      return false;
    console_.reset(console);
    wchar_t name[64];
    std::swprintf(name, 64, L"\\\\.\\pipe\\menu-containers-%lu-%p", GetCurrentProcessId(),
                  static_cast<void*>(this));
    pipe_.reset(CreateNamedPipeW(
        name, PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 1 << 16,
        1 << 16, 0, nullptr));
    if (!pipe_) return false;
    Handle writer;  // becomes standard output
    writer.reset(CreateFileW(name, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    read_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    drain_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    drained_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!writer || !read_ || !drain_ || !drained_) return false;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(writer.get()), _O_WRONLY);
    if (fd < 0) return false;
    writer.release();  // the descriptor owns it now
    thread_.reset(CreateThread(nullptr, 0, run, this, 0, nullptr));
    if (!thread_) {
      _close(fd);
      return false;
    }
    std::fflush(stdout);
    _dup2(fd, 1);  // text mode, as standard output was: lines end in CR LF
    _close(fd);
    // _dup2 made the pipe the standard output handle: it names the console
    // again, for what asks the system for it (and any child process).
    SetStdHandle(STD_OUTPUT_HANDLE, console_.get());
    return true;
  }

  HANDLE console() const { return console_.get(); }

  // Waits until the thread has converted and written everything that is in
  // the pipe now. 0, or the reason a write to the console failed (then or
  // earlier; the thread goes on taking output, which is lost).
  int drain() {
    SetEvent(drain_.get());
    const HANDLE answers[2] = {drained_.get(),
                               thread_.get()};  // a thread that has ended answers no more
    WaitForMultipleObjects(2, answers, FALSE, INFINITE);
    return error_;
  }

 private:
  static DWORD WINAPI run(void* self) {
    static_cast<ConsoleConverter*>(self)->convertAll();
    return 0;
  }

  // Starts a read of the pipe, and converts what it gives at once. False
  // when the read is waiting for output (pending_), or the pipe has broken.
  bool readNow() {
    OVERLAPPED* request = &request_;
    *request = OVERLAPPED{};
    request->hEvent = read_.get();
    ResetEvent(read_.get());
    DWORD got = 0;
    if (ReadFile(pipe_.get(), buffer_, sizeof buffer_, &got, request)) {
      convert(buffer_, got);
      return true;
    }
    pending_ = GetLastError() == ERROR_IO_PENDING;
    return false;
  }

  // Converts what a waiting read got, once it got it.
  void finishRead() {
    DWORD got = 0;
    pending_ = false;
    if (GetOverlappedResult(pipe_.get(), &request_, &got, FALSE)) convert(buffer_, got);
  }

  void convertAll() {
    const HANDLE events[2] = {read_.get(), drain_.get()};
    for (;;) {
      while (!pending_ && readNow()) {
      }
      if (!pending_) return;  // the pipe has broken: the process is ending
      if (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0) {
        finishRead();
        continue;
      }
      // Asked to drain: everything written before the asking is in the
      // pipe, or already in the waiting read.
      for (;;) {
        if (pending_ && WaitForSingleObject(read_.get(), 0) == WAIT_OBJECT_0) finishRead();
        if (!pending_) {
          if (readNow()) continue;
          if (!pending_) break;  // the pipe has broken: nothing more can come
        }
        DWORD waiting = 0;
        if (!PeekNamedPipe(pipe_.get(), nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0)
          break;
        WaitForSingleObject(read_.get(), INFINITE);  // the waiting read is taking it
      }
      SetEvent(drained_.get());
    }
  }

  // Converts a chunk and writes it to the console. A character's lead byte
  // at the end of a chunk waits for the next one.
  void convert(const char* data, DWORD size) {
    if (size == 0 || error_ != 0) return;
    char text[sizeof buffer_ + 1];
    DWORD length = 0;
    if (hasLead_) text[length++] = lead_;
    std::memcpy(text + length, data, size);
    length += size;
    hasLead_ = false;
    const DWORD whole = static_cast<DWORD>(wholeCharacters(text, length));
    if (whole < length) {
      lead_ = text[whole];
      hasLead_ = true;
    }
    wchar_t wide[sizeof text];
    const int units = whole > 0 ? MultiByteToWideChar(kGbk, 0, text, static_cast<int>(whole), wide,
                                                      static_cast<int>(sizeof text))
                                : 0;
    for (int done = 0; done < units;) {
      DWORD written = 0;
      if (!WriteConsoleW(console_.get(), wide + done, static_cast<DWORD>(units - done), &written,
                         nullptr) ||
          written == 0) {
        error_ = EIO;
        return;
      }
      done += static_cast<int>(written);
    }
  }

  Handle console_;
  Handle pipe_;
  Handle read_;     // set when a read of the pipe has finished
  Handle drain_;    // set by drain()
  Handle drained_;  // set by the thread in answer
  Handle thread_;
  OVERLAPPED request_{};
  bool pending_ = false;  // a read of the pipe is waiting for output
  char buffer_[4096];
  char lead_ = 0;
  bool hasLead_ = false;
  int error_ = 0;  // written by the thread before it sets drained_, which orders it
};

// Made once, for a console, and never destroyed: the thread may still be
// converting when the process ends.
ConsoleConverter* converter;

}  // namespace

bool stdoutIsTerminal() {
  DWORD mode;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

void setUpTerminal() {
  converter = new ConsoleConverter;
  if (!converter->start()) {
    delete converter;
    converter = nullptr;
  }
}

int drainTerminal() { return converter != nullptr ? converter->drain() : 0; }

// As "cls" clears a console: every cell of the screen buffer blanked with
// the current attributes, the cursor home. What came before is on the
// screen first, so that it is cleared too.
void clearTerminal() {
  std::fflush(stdout);
  const HANDLE console =
      converter != nullptr ? converter->console() : GetStdHandle(STD_OUTPUT_HANDLE);
  if (converter != nullptr) converter->drain();
  CONSOLE_SCREEN_BUFFER_INFO screen;
  if (!GetConsoleScreenBufferInfo(console, &screen)) return;
  const DWORD cells = static_cast<DWORD>(screen.dwSize.X) * static_cast<DWORD>(screen.dwSize.Y);
  const COORD home = {0, 0};
  DWORD done;
  FillConsoleOutputCharacterW(console, L' ', cells, home, &done);
  FillConsoleOutputAttribute(console, screen.wAttributes, cells, home, &done);
  SetConsoleCursorPosition(console, home);
}

// A pipe with nothing in it, and a console, make a read wait; a file never
// does.
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

// Through the C runtime's descriptor, in text mode as standard input
// starts: a line ends in "\n" alone, and Ctrl-Z typed at a console ends the
// input. Standard input is never non-blocking here: a read waits by itself,
// and any error is a real one.
long readInput(char* buffer, std::size_t count) {
  constexpr std::size_t kLargestRead = 1 << 15;
  return _read(0, buffer, static_cast<unsigned>(count < kLargestRead ? count : kLargestRead));
}

}  // namespace os
}  // namespace console
