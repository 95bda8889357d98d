// The console in a web page: the programs are compiled to WebAssembly (WASI)
// and the page runs them on a terminal of its own, which decodes the GBK
// messages itself and understands the ANSI sequences. The page answers
// every read at once or pauses the program inside it until a line is typed,
// so nothing here waits, and the program has no thread but its own.

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/console.h"
#include "platform/drawing.h"
#include "platform/system.h"

namespace console {
namespace os {

// The page's terminal, or whatever standard output the program is given
// elsewhere (a runtime that passes a pipe on says so).
bool stdoutIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

void setUpTerminal() {}

void clearTerminal() { std::fputs("\x1b[H\x1b[2J", stdout); }

int drainTerminal() { return 0; }

// Whether a read would wait is not asked of the page: a wrong "no" costs
// one needless flush, which the page does not notice.
bool inputIsWaiting() { return false; }

long readInput(char* buffer, std::size_t count) {
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, count);
    if (got >= 0 || errno != EINTR) return static_cast<long>(got);
  }
}

}  // namespace os

namespace {
void (*describeContainers)(Drawing&) = nullptr;

// The containers' state after each stack operation since the page last
// asked, as a JSON array; past kMostMoves in one step only the step's end
// is drawn.
constexpr int kMostMoves = 2000;
std::string moves = "[";
int movesNoted = 0;
}  // namespace

void watchContainers(void (*describe)(Drawing&)) { describeContainers = describe; }

void stepTaken() {
  if (describeContainers == nullptr || movesNoted == kMostMoves) return;
  Drawing drawing;
  describeContainers(drawing);
  if (movesNoted++ > 0) moves += ',';
  moves += drawing.text();
}

}  // namespace console

// The page asks for the containers here, while the program waits inside a
// read. Each answer is JSON text (platform/drawing.h) ended by a NUL, kept
// until the next call: their state now,
extern "C" __attribute__((export_name("containers_state"))) const char* containersState() {
  static console::Drawing drawing;
  drawing = console::Drawing();
  if (console::describeContainers != nullptr) console::describeContainers(drawing);
  return drawing.text().c_str();
}

// and their state after each stack operation since the last call, an array
// in order.
extern "C" __attribute__((export_name("containers_moves"))) const char* containersMoves() {
  static std::string text;
  text = console::moves + "]";
  console::moves = "[";
  console::movesNoted = 0;
  return text.c_str();
}

// The C library's allocator fails where it must not: its calloc does not
// check that count * size fits and hands out a small block for a product
// that wraps round, and it takes more memory from the system in one piece a
// little larger than the request, through an sbrk that ends the program
// (abort) when that piece is 2 GB or more. Its malloc and calloc give way
// to these (they are weak), which refuse such requests as they should, with
// ENOMEM, so that a container too large ends the program with status -1 as
// everywhere. (The programs never call realloc.) This mends a fault of
// that library; it is no replacement for speed.
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);

namespace {
constexpr std::size_t kLargestRequest = PTRDIFF_MAX - (1 << 20);  // room for the allocator's own
}  // namespace

extern "C" void* malloc(std::size_t size) {
  if (size > kLargestRequest) {
    errno = ENOMEM;
    return nullptr;
  }
  return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
  if (size != 0 && count > kLargestRequest / size) {
    errno = ENOMEM;
    return nullptr;
  }
  return __libc_calloc(count, size);
}

// Room for the program's call stack while the page pauses it inside a read:
// the page saves the stack from `next` up to `end` and restores it when a
// line is typed (the layout that binaryen's Asyncify reads). The page finds
// it through this function.
namespace {
struct PauseRoom {
  char* next;
  char* end;
  alignas(16) char stack[1 << 16];
};
PauseRoom room = {room.stack, room.stack + sizeof room.stack, {}};
}  // namespace

extern "C" __attribute__((export_name("pause_room"))) PauseRoom* pauseRoom() { return &room; }
