// Faster paths through four functions of the C library, which the static
// programs built with musl carry instead of its own (the build's
// MUSL_FAST_PATHS option, on in the musl presets). Each does what the C
// library's does, measured to cost less for what the programs ask.
//
// memcpy and memmove, on x86-64 only: musl's copy there starts every copy,
// however short, with string instructions (rep movsq, then movsb a byte at a
// time), whose start-up costs more than most copies here are long: the
// programs' output reaches the C library's buffer as many pieces of a few dozen
// bytes, and those copies took a third of a scripted session. These copy with
// ordinary loads and stores; a short copy is two moves, which may overlap.
// memmove comes too: musl's calls into the object file of its memcpy, which
// would then be linked as well, a second memcpy. Elsewhere (64-bit ARM) musl's
// own copies use ordinary loads and stores already, and stay.
//
// strlen, on x86-64 only: musl's looks at a byte at a time up to an 8-byte
// boundary, then 8 bytes at a time with arithmetic on each word. Every text
// the programs write with std::cout is measured first, and so is the menu
// printf writes: a tenth of a scripted session, and more or less of it as
// the link happens to place the function and the texts. This looks at 16
// bytes at a time from the 16-byte boundary at or below the text, with the
// processor's byte comparison (SSE2, which every x86-64 processor has). On
// 64-bit ARM, where nothing here runs the programs natively to measure,
// musl's stays.
//
// printf: musl's reads the format twice, once to check it and once to
// write, and formats each conversion through its general machinery. Text
// and plain %d, %s, %c and %% conversions, which is all the programs use,
// are written here in one pass, straight into stdout's buffer where the
// console layer can put them there; from any other conversion on, vfprintf
// takes the rest.
//
// The build compiles this file without the compiler's knowledge of these
// functions (so that no loop here becomes a call to memcpy, and no printf a
// call to itself) and outside the link-time optimisation (which must not see
// the definitions the linker picks).

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/decimal.h"
#include "platform/system.h"

#if defined(__x86_64__)
#include <emmintrin.h>

namespace {

using Byte = unsigned char;

// n bytes held between a load and a store.
template <std::size_t n>
struct Held {
  Byte bytes[n];
};

// A copy of a fixed size is the compiler's to make inline: loads and stores,
// no call, from any address.
template <std::size_t n>
Held<n> load(const Byte* from) {
  Held<n> held;
  __builtin_memcpy(&held, from, n);
  return held;
}

template <std::size_t n>
void store(Byte* to, const Held<n>& held) {
  __builtin_memcpy(to, &held, n);
}

// Up to 16 bytes. Everything is loaded before anything is stored, so the two
// ranges may overlap either way.
void copyShort(Byte* to, const Byte* from, std::size_t count) {
  if (count >= 8) {
    const Held<8> head = load<8>(from), tail = load<8>(from + count - 8);
    store(to, head);
    store(to + count - 8, tail);
  } else if (count >= 4) {
    const Held<4> head = load<4>(from), tail = load<4>(from + count - 4);
    store(to, head);
    store(to + count - 4, tail);
  } else if (count > 0) {
    const Byte first = from[0], middle = from[count / 2], last = from[count - 1];
    to[0] = first;
    to[count / 2] = middle;
    to[count - 1] = last;
  }
}

// More than 16 bytes, 16 at a time from the start; the last 16, loaded first,
// end it (they may overlap the piece before). Right also where the ranges
// overlap with to below from: each piece is read before anything is stored
// over it.
void copyUp(Byte* to, const Byte* from, std::size_t count) {
  const Held<16> last = load<16>(from + count - 16);
  for (std::size_t done = 0; done < count - 16; done += 16) store(to + done, load<16>(from + done));
  store(to + count - 16, last);
}

// The same from the end, for ranges that overlap with to above from.
void copyDown(Byte* to, const Byte* from, std::size_t count) {
  const Held<16> first = load<16>(from);
  for (std::size_t left = count; left > 16; left -= 16)
    store(to + left - 16, load<16>(from + left - 16));
  store(to, first);
}

// Bit i set where byte i of the 16 at block, a 16-byte boundary, is zero. A
// load from a boundary never reaches into the next page, so the bytes of the
// block outside the text are as safe to read as the text's.
unsigned zeroBytes(const char* block) {
  const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i*>(block));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_setzero_si128())));
}

}  // namespace

extern "C" void* memcpy(void* to, const void* from, std::size_t count) {
  auto* const target = static_cast<Byte*>(to);
  const auto* const source = static_cast<const Byte*>(from);
  if (count <= 16)
    copyShort(target, source, count);
  else
    copyUp(target, source, count);
  return to;
}

extern "C" void* memmove(void* to, const void* from, std::size_t count) {
  auto* const target = static_cast<Byte*>(to);
  const auto* const source = static_cast<const Byte*>(from);
  // How far to lies above from (when it lies below, the difference wraps
  // round to more than any count).
  const std::uintptr_t above =
      reinterpret_cast<std::uintptr_t>(to) - reinterpret_cast<std::uintptr_t>(from);
  if (count <= 16)
    copyShort(target, source, count);
  else if (above >= count)
    copyUp(target, source, count);
  else
    copyDown(target, source, count);
  return to;
}

extern "C" std::size_t strlen(const char* text) {
  const auto start = reinterpret_cast<std::uintptr_t>(text);
  const std::uintptr_t before = start % 16;  // the bytes of the first block before text
  const char* block = reinterpret_cast<const char*>(start - before);
  unsigned zeros = zeroBytes(block) >> before;
  if (zeros != 0) return static_cast<std::size_t>(__builtin_ctz(zeros));
  do {
    block += 16;
    zeros = zeroBytes(block);
  } while (zeros == 0);
  return static_cast<std::size_t>(block - text) + static_cast<std::size_t>(__builtin_ctz(zeros));
}
#endif  // __x86_64__

namespace {

// The count that printf returns for written bytes: -1 after an error of
// output, or where the count does not fit.
int counted(long long written, bool failed) {
  if (failed) return -1;
  if (written > INT_MAX) {
    errno = EOVERFLOW;
    return -1;
  }
  return static_cast<int>(written);
}

// Writes format to stdout as vprintf would, in one pass: the text and the
// plain conversions itself, and from the first other conversion on, the
// rest of the format and of the arguments through vfprintf.
int print(const char* format, va_list arguments) {
  long long written = 0;
  bool failed = false;
  const auto put = [&](const char* text, std::size_t length) {
    if (length == 0) return;
    if (!console::os::putInOutputBuffer(text, length))
      failed |= std::fwrite(text, 1, length, stdout) != length;
    written += static_cast<long long>(length);
  };
  for (;;) {
    const char* const percent = std::strchr(format, '%');
    if (percent == nullptr) {
      put(format, std::strlen(format));
      return counted(written, failed);
    }
    put(format, static_cast<std::size_t>(percent - format));
    char room[console::kDecimalRoom];
    const char* text = room;
    std::size_t length = 1;
    switch (percent[1]) {
      case 'd': {
        char* const end = room + sizeof room;
        text = console::decimalBefore(end, va_arg(arguments, int));
        length = static_cast<std::size_t>(end - text);
        break;
      }
      case 's':
        text = va_arg(arguments, const char*);
        if (text == nullptr) text = "(null)";
        length = std::strlen(text);
        break;
      case 'c':
        room[0] = static_cast<char>(va_arg(arguments, int));
        break;
      case '%':
        room[0] = '%';
        break;
      default: {
        const int rest = std::vfprintf(stdout, percent, arguments);
        return rest < 0 ? -1 : counted(written + rest, failed);
      }
    }
    put(text, length);
    format = percent + 2;
  }
}

}  // namespace

extern "C" int printf(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const int written = print(format, arguments);
  va_end(arguments);
  return written;
}
