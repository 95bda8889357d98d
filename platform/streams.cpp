#include "platform/streams.h"

#include <algorithm>
#include <cstdio>
#include <ios>
#include <iostream>
#include <iterator>
#include <locale>
#include <streambuf>

#include "platform/decimal.h"

// Only the main thread writes to standard output: where the C library has
// calls that write to a stream without taking its lock (glibc's and musl's
// fwrite_unlocked, beside POSIX's putc_unlocked), std::cout's pieces go
// through them.
#ifdef HAVE_FWRITE_UNLOCKED
#define PUT_CHAR putc_unlocked
#define PUT_TEXT fwrite_unlocked
#else
#define PUT_CHAR std::putc
#define PUT_TEXT std::fwrite
#endif

namespace console {
namespace {

// std::cout's buffer: none of its own. Whatever an insertion writes goes
// to stdout at once, in the pieces the insertion gives, so that output
// written with printf and with std::cout keeps its order; a flush flushes
// stdout.
class StdoutPieces : public std::streambuf {
 protected:
  static constexpr std::streamsize kShortPiece = 16;

  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    return PUT_CHAR(c, stdout) == EOF ? traits_type::eof() : c;
  }

  // A short piece goes a character at a time through the C library's putc,
  // which its header may inline: for a few characters, cheaper than a call
  // to fwrite.
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    if (count <= kShortPiece) {
      for (std::streamsize i = 0; i < count; ++i)
        if (PUT_CHAR(text[i], stdout) == EOF) return i;
      return count;
    }
    return static_cast<std::streamsize>(
        PUT_TEXT(text, 1, static_cast<std::size_t>(count), stdout));
  }

  int sync() override { return std::fflush(stdout) == 0 ? 0 : -1; }
};

// Integers in the format std::cout starts with (decimal, no '+', no width)
// written as their digits; the standard facet formats them through the C
// library's snprintf in some standard libraries.
class PlainIntegers : public std::num_put<char> {
 protected:
  iter_type do_put(iter_type out, std::ios_base& stream, char fill, long value) const override {
    return plain(stream) ? write(out, value) : std::num_put<char>::do_put(out, stream, fill, value);
  }
  iter_type do_put(iter_type out, std::ios_base& stream, char fill,
                   unsigned long value) const override {
    return plain(stream) ? write(out, value) : std::num_put<char>::do_put(out, stream, fill, value);
  }
  iter_type do_put(iter_type out, std::ios_base& stream, char fill,
                   long long value) const override {
    return plain(stream) ? write(out, value) : std::num_put<char>::do_put(out, stream, fill, value);
  }
  iter_type do_put(iter_type out, std::ios_base& stream, char fill,
                   unsigned long long value) const override {
    return plain(stream) ? write(out, value) : std::num_put<char>::do_put(out, stream, fill, value);
  }

 private:
  static bool plain(const std::ios_base& stream) {
    const std::ios_base::fmtflags base = stream.flags() & std::ios_base::basefield;
    return (base == std::ios_base::dec || base == 0) &&
           (stream.flags() & std::ios_base::showpos) == 0 && stream.width() == 0;
  }

  template <typename Integer>
  static iter_type write(iter_type out, Integer value) {
    char digits[kDecimalRoom];
    return std::copy(decimalBefore(std::end(digits), value), std::end(digits), out);
  }
};

}  // namespace

void setUpStandardStreams() {
  // Never destroyed: std::cout may still be flushed as the process ends.
  static auto* const pieces = new StdoutPieces;
  std::cout.rdbuf(pieces);
  std::cout.imbue(std::locale(std::cout.getloc(), new PlainIntegers));
}

}  // namespace console
