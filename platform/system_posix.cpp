// The console on POSIX systems: terminals told apart with isatty, cleared as
// their terminfo description says, and shown the GBK messages in UTF-8 where
// the locale reads UTF-8; standard input read with read and waited for with
// poll.

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>
#ifdef __APPLE__
#include <xlocale.h>  // where macOS declares newlocale and locale_t
#endif

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "platform/gbk_to_utf8.h"
#include "platform/system.h"

namespace console {
namespace os {
namespace {

// What clears this terminal; empty where it is not cleared.
std::string clearing;

int appendToClearing(int c) {
  clearing.push_back(static_cast<char>(c));
  return c;
}

// The system's terminfo library, loaded only for a terminal: a pipe or a
// file, which scripts and benchmarks use, never pays for loading it, and the
// programs carry no copy of it. Null members where it cannot be had. It
// stays loaded for the run: what it keeps for itself stays in its own
// variables, where a leak checker sees it.
struct Terminfo {
  // The functions used, as X/Open Curses declares them (the terminal's
  // record is opaque here). Declared here rather than taken from term.h,
  // whose hundreds of lower-case macros would be in the way, and which a
  // program linked statically has no use for.
  using SetUpTerm = int(const char* term, int fd, int* found);
  using TiGetStr = char*(const char* capability);
  using TPutS = int(const char* text, int lines, int (*put)(int));
  using SetCurTerm = void*(void* terminal);
  using DelCurTerm = int(void* terminal);

  explicit Terminfo(void* library)
      : library(library),
        setupterm(find<SetUpTerm>("setupterm")),
        tigetstr(find<TiGetStr>("tigetstr")),
        tputs(find<TPutS>("tputs")),
        set_curterm(find<SetCurTerm>("set_curterm")),
        del_curterm(find<DelCurTerm>("del_curterm")) {}

  bool ok() const { return setupterm && tigetstr && tputs && set_curterm && del_curterm; }

  template <typename Function>
  Function* find(const char* name) const {
    return library != nullptr ? reinterpret_cast<Function*>(dlsym(library, name)) : nullptr;
  }

  void* library;
  SetUpTerm* setupterm;
  TiGetStr* tigetstr;
  TPutS* tputs;
  SetCurTerm* set_curterm;
  DelCurTerm* del_curterm;
};

// The system's terminfo library, by the name the build found it under; null
// where it cannot be loaded, or where the program, linked statically, can
// load no library.
void* openTerminfo() {
#ifdef TERMINFO_LIBRARY_SONAME
  return dlopen(TERMINFO_LIBRARY_SONAME, RTLD_LAZY | RTLD_LOCAL);
#else
  return nullptr;
#endif
}

// The terminal's own description says how it is cleared: its "clear"
// capability, with its padding worked out as tput does it. A terminal that
// does not say (TERM unset, empty or "dumb", or an entry without the
// capability) is not cleared; one that the database does not know, or a
// system without a database (or its library), gets the ANSI sequence nearly
// every terminal understands. The scroll-back always stays.
void lookUpClearing() {
  const char* term = std::getenv("TERM");
  if (term == nullptr || *term == '\0' || std::strcmp(term, "dumb") == 0) return;
  const Terminfo terminfo(openTerminfo());
  int found = -1;  // what setupterm found: -1 no database, 0 no entry, 1 a hardcopy terminal
  if (!terminfo.ok() || terminfo.setupterm(term, STDOUT_FILENO, &found) != 0) {  // 0 is OK
    if (found != 1) clearing = "\x1b[H\x1b[2J";  // a hardcopy terminal has no screen
    return;
  }
  // tigetstr gives null where the entry lacks the capability, -1 for a name
  // that is no capability.
  const char* clear = terminfo.tigetstr("clear");
  const bool absent = clear == nullptr || reinterpret_cast<std::intptr_t>(clear) == -1;
  if (!absent) terminfo.tputs(clear, 1, appendToClearing);
  terminfo.del_curterm(terminfo.set_curterm(nullptr));
}

// The locale that the environment names for characters: LC_ALL, LC_CTYPE or
// LANG, the first that is set and not empty; null when none is.
const char* localeName() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* name = std::getenv(variable);
    if (name != nullptr && *name != '\0') return name;
  }
  return nullptr;
}

// The character set that a locale's name spells, as in "en_US.UTF-8",
// "C.utf8", "zh_CN.gbk" or "de_DE.utf-8@euro"; empty where it spells none.
std::string charsetInName(const char* name) {
  const char* dot = std::strchr(name, '.');
  if (dot == nullptr) return {};
  return std::string(dot + 1, std::strcspn(dot + 1, "@"));
}

bool isUtf8(const std::string& charset) {
  return strcasecmp(charset.c_str(), "UTF-8") == 0 || strcasecmp(charset.c_str(), "utf8") == 0;
}

// Whether the terminal reads UTF-8, as the locale says. No locale at all, and
// the C or POSIX locale, are a system nobody configured, whose terminal reads
// UTF-8 nearly always. A name that spells its character set is taken at its
// word, installed or not (some C libraries answer UTF-8 for any name); one
// that does not is asked of the installed locale. Where none is installed,
// the system runs programs in the C locale, and so it is read as C.
// Asked without setting the program's own locale, which stays "C" for the
// number reads.
bool terminalReadsUtf8() {
  const char* name = localeName();
  if (name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
    return true;
  const std::string spelled = charsetInName(name);
  if (!spelled.empty()) return isUtf8(spelled);
  bool utf8 = true;
  if (locale_t named = newlocale(LC_CTYPE_MASK, name, locale_t{})) {
    utf8 = isUtf8(nl_langinfo_l(CODESET, named));
    freelocale(named);
  }
  return utf8;
}

// A descriptor that closes itself.
class Descriptor {
 public:
  Descriptor() = default;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { reset(-1); }

  void reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Between standard output and a terminal that reads UTF-8: descriptor 1
// becomes a pipe, and a thread converts what comes out of it and writes it
// to the terminal. Every way of writing to standard output (printf, puts,
// std::cout, in any C library) goes through it, in the order it was written.
// drain() waits until what has been written so far is on the terminal.
class TerminalConverter {
 public:
  // Puts the converter in place; false, with nothing changed, where a pipe,
  // a thread or the converter itself cannot be had. The converter owns
  // each piece from the moment it is had, so one that cannot start is
  // simply deleted.
  bool start() {
    terminal_.reset(fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3));
    if (!terminal_) return false;
    converter_ = std::make_unique<GbkToUtf8>(terminal_.get());
    int data[2];
    int wake[2];
    if (!converter_->ok() || pipe(data) != 0) return false;
    Descriptor writer;  // becomes standard output
    data_.reset(data[0]);
    writer.reset(data[1]);
    if (pipe(wake) != 0) return false;
    wakeReader_.reset(wake[0]);
    wakeWriter_.reset(wake[1]);
    for (const int fd : {data_.get(), wakeReader_.get(), wakeWriter_.get()})
      fcntl(fd, F_SETFD, FD_CLOEXEC);
    for (const int fd : {data_.get(), wakeReader_.get()}) fcntl(fd, F_SETFL, O_NONBLOCK);
    try {
      std::thread(&TerminalConverter::run, this).detach();
    } catch (const std::system_error&) {
      return false;
    }
    dup2(writer.get(), STDOUT_FILENO);
    return true;
  }

  // Waits until the thread has converted and written everything that is in
  // the pipe now. 0, or the reason a write to the terminal failed (then or
  // earlier; the thread goes on taking output, which is lost).
  int drain() {
    std::unique_lock<std::mutex> lock(mutex_);
    const unsigned long long asked = ++asked_;
    while (write(wakeWriter_.get(), "", 1) < 0 && errno == EINTR) {
    }
    drained_.wait(lock, [&] { return done_ >= asked; });
    return error_;
  }

 private:
  // Converts what the pipe holds until it is empty. False once the pipe
  // has no writer left.
  bool convertWhatIsThere() {
    char buffer[4096];
    for (;;) {
      const ssize_t got = read(data_.get(), buffer, sizeof buffer);
      if (got == 0) return false;
      if (got < 0) return errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK;
      if (error_ == 0 && !converter_->write(buffer, static_cast<std::size_t>(got))) {
        const int error = errno != 0 ? errno : EIO;
        std::lock_guard<std::mutex> lock(mutex_);
        error_ = error;
      }
    }
  }

  void run() {
    pollfd ready[2] = {{data_.get(), POLLIN, 0}, {wakeReader_.get(), POLLIN, 0}};
    for (;;) {
      if (poll(ready, 2, -1) < 0) continue;  // EINTR
      if (!convertWhatIsThere()) return;
      if (ready[1].revents == 0) continue;
      // Asked to drain: everything written before the asking was in the
      // pipe already, and has just been converted.
      std::lock_guard<std::mutex> lock(mutex_);
      char wake[64];
      while (read(wakeReader_.get(), wake, sizeof wake) == sizeof wake) {
      }
      done_ = asked_;
      drained_.notify_all();
    }
  }

  Descriptor terminal_;  // a descriptor of the terminal, that converter_ writes to
  std::unique_ptr<GbkToUtf8> converter_;
  Descriptor data_;        // the pipe's reading end, non-blocking
  Descriptor wakeReader_;  // a byte for each request to drain; non-blocking
  Descriptor wakeWriter_;
  std::mutex mutex_;  // guards asked_, done_ and error_
  std::condition_variable drained_;
  unsigned long long asked_ = 0;
  unsigned long long done_ = 0;
  int error_ = 0;
};

// Made once, for a terminal, and never destroyed: the thread may still be
// converting when the process ends. A pointer of our own keeps it in sight
// of a leak checker.
TerminalConverter* converter;

// A terminal that reads UTF-8 shows the GBK messages converted. Where the
// converter cannot be had, the terminal gets the GBK bytes.
void showMessagesInUtf8() {
  std::fflush(stdout);
  converter = new TerminalConverter;
  if (!converter->start()) {
    delete converter;
    converter = nullptr;
  }
}

}  // namespace

bool stdoutIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

void setUpTerminal() {
  lookUpClearing();
  if (terminalReadsUtf8()) showMessagesInUtf8();
}

void clearTerminal() { std::fputs(clearing.c_str(), stdout); }

int drainTerminal() { return converter != nullptr ? converter->drain() : 0; }

// A descriptor at its end does not wait either.
bool inputIsWaiting() {
  pollfd in = {STDIN_FILENO, POLLIN, 0};
  return poll(&in, 1, 0) > 0;
}

long readInput(char* buffer, std::size_t count) {
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, count);
    if (got >= 0) return static_cast<long>(got);
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return -1;
    pollfd in = {STDIN_FILENO, POLLIN, 0};
    while (poll(&in, 1, -1) < 0 && errno == EINTR) {
    }
  }
}

}  // namespace os
}  // namespace console
