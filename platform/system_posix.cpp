// The console on POSIX systems: terminals told apart with isatty, cleared as
// their terminfo description says, and shown the GBK messages in UTF-8 where
// the locale reads UTF-8; input waited for with poll.

#include <dlfcn.h>
#include <errno.h>
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "platform/gbk_to_utf8.h"
#include "platform/system.h"

#ifdef __GLIBC__
#include <ext/stdio_sync_filebuf.h>
#endif

// Last: the terminfo header defines hundreds of lower-case macros. Only its
// declarations are used: the library itself is loaded when it is needed.
#include <term.h>

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
  explicit Terminfo(void* library)
      : library(library),
        setupterm(find<decltype(::setupterm)>("setupterm")),
        tigetstr(find<decltype(::tigetstr)>("tigetstr")),
        tputs(find<decltype(::tputs)>("tputs")),
        set_curterm(find<decltype(::set_curterm)>("set_curterm")),
        del_curterm(find<decltype(::del_curterm)>("del_curterm")) {}

  bool ok() const { return setupterm && tigetstr && tputs && set_curterm && del_curterm; }

  template <typename Function>
  Function* find(const char* name) const {
    return library != nullptr ? reinterpret_cast<Function*>(dlsym(library, name)) : nullptr;
  }

  void* library;
  decltype(::setupterm)* setupterm;
  decltype(::tigetstr)* tigetstr;
  decltype(::tputs)* tputs;
  decltype(::set_curterm)* set_curterm;
  decltype(::del_curterm)* del_curterm;
};

// The terminal's own description says how it is cleared: its "clear"
// capability, with its padding worked out as tput does it. A terminal that
// does not say (TERM unset, empty or "dumb", or an entry without the
// capability) is not cleared; one that the database does not know, or a
// system without a database (or its library), gets the ANSI sequence nearly
// every terminal understands. The scroll-back always stays.
void lookUpClearing() {
  const char* term = std::getenv("TERM");
  if (term == nullptr || *term == '\0' || std::strcmp(term, "dumb") == 0) return;
  const Terminfo terminfo(dlopen(TERMINFO_LIBRARY_SONAME, RTLD_LAZY | RTLD_LOCAL));
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

// Whether a locale's name gives UTF-8 as its character set, the way people
// spell it: "en_US.UTF-8", "C.utf8", "de_DE.utf-8@euro".
bool nameSaysUtf8(const char* name) {
  const char* charset = std::strchr(name, '.');
  if (charset == nullptr) return false;
  ++charset;
  const std::size_t length = std::strcspn(charset, "@");
  return (length == 5 && strncasecmp(charset, "UTF-8", 5) == 0) ||
         (length == 4 && strncasecmp(charset, "utf8", 4) == 0);
}

// Whether the terminal reads UTF-8, as the locale says. No locale at all, and
// the C or POSIX locale, are a system nobody configured, whose terminal reads
// UTF-8 nearly always. An installed locale tells its character set; one that
// is not installed is judged by its name. Asked without setting the
// program's own locale, which stays "C" for the number reads.
bool terminalReadsUtf8() {
  const char* name = localeName();
  if (name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
    return true;
  if (locale_t named = newlocale(LC_CTYPE_MASK, name, locale_t{})) {
    const bool utf8 = std::strcmp(nl_langinfo_l(CODESET, named), "UTF-8") == 0;
    freelocale(named);
    return utf8;
  }
  return nameSaysUtf8(name);
}

#ifdef __GLIBC__

ssize_t writeAsUtf8(void* converter, const char* data, std::size_t size) {
  return static_cast<GbkToUtf8*>(converter)->write(data, size) ? static_cast<ssize_t>(size) : -1;
}

// A terminal that reads UTF-8 shows the GBK messages converted: standard
// output becomes a stream whose every write goes through the converter, and
// std::cout writes into that stream as printf does, so their order holds.
// Where the converter cannot be had, the terminal gets the GBK bytes. The
// converter and the stream live as long as the process, since exit()
// flushes the stream last of all; a pointer of our own keeps the converter
// in sight of a leak checker, which does not look into the C library's
// records of its streams.
void showMessagesInUtf8() {
  static GbkToUtf8* converter;
  converter = new GbkToUtf8(STDOUT_FILENO);
  FILE* converted = nullptr;
  if (converter->ok())
    converted =
        fopencookie(converter, "w", cookie_io_functions_t{nullptr, writeAsUtf8, nullptr, nullptr});
  if (converted == nullptr) {
    delete converter;
    converter = nullptr;
    return;
  }
  stdout = converted;
  std::cout.rdbuf(new __gnu_cxx::stdio_sync_filebuf<char>(converted));
}

#else

// Without a way to put a converter under standard output, a terminal gets
// the GBK bytes.
void showMessagesInUtf8() {}

#endif  // __GLIBC__

}  // namespace

bool stdoutIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

void setUpTerminal() {
  lookUpClearing();
  if (terminalReadsUtf8()) showMessagesInUtf8();
}

void clearTerminal() { std::fputs(clearing.c_str(), stdout); }

// Characters in glibc's buffer spare the poll: only an optimisation. A wrong
// answer costs one needless flush, never a hang, since the read that follows
// takes what there is. A descriptor at its end does not wait either.
bool inputIsWaiting() {
#ifdef __GLIBC__
  if (stdin->_IO_read_ptr < stdin->_IO_read_end) return true;
#endif
  pollfd in = {STDIN_FILENO, POLLIN, 0};
  return poll(&in, 1, 0) > 0;
}

bool waitedForLateInput(int error) {
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  pollfd in = {STDIN_FILENO, POLLIN, 0};
  while (poll(&in, 1, -1) < 0 && errno == EINTR) {
  }
  return true;
}

}  // namespace os
}  // namespace console
