#include "platform/streams.h"

#include <algorithm>
#include <climits>
#include <ios>
#include <iostream>
#include <iterator>
#include <locale>

#include "platform/decimal.h"
#include "platform/system.h"

namespace console {
namespace {

// std::cout's buffer: none of its own. Whatever an insertion writes goes
// to stdout at once, in the pieces the insertion gives, so that output
// written with printf and with std::cout keeps its order; a flush flushes
// stdout.
class StdoutPieces : public std::streambuf {
 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    if (os::putInOutputBuffer(&character, 1)) return c;
    return std::putc(c, stdout) == EOF ? traits_type::eof() : c;
  }

  std::streamsize xsputn(const char* text, std::streamsize count) override {
    const auto bytes = static_cast<std::size_t>(count);
    if (os::putInOutputBuffer(text, bytes)) return count;
    return static_cast<std::streamsize>(std::fwrite(text, 1, bytes, stdout));
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

// A decimal integer, as the standard facet reads one: an optional sign and
// decimal digits. Where there is no digit, or the value does not fit, the
// state says failed (and the value is 0, or the nearest that fits).
template <typename Input>
Input readDecimal(Input in, Input end, std::ios_base::iostate& state, long long& value) {
  const bool negative = in != end && *in == '-';
  if (in != end && (*in == '-' || *in == '+')) ++in;
  // The magnitude, up to one past the largest that fits.
  const unsigned long long limit = negative ? 0ULL - static_cast<unsigned long long>(LLONG_MIN)
                                            : static_cast<unsigned long long>(LLONG_MAX);
  unsigned long long magnitude = 0;
  bool digits = false;
  for (; in != end && *in >= '0' && *in <= '9'; ++in) {
    digits = true;
    const auto digit = static_cast<unsigned>(*in - '0');
    magnitude = magnitude > (limit - digit) / 10 ? limit + 1 : magnitude * 10 + digit;
  }
  state = in == end ? std::ios_base::eofbit : std::ios_base::goodbit;
  if (!digits) {
    value = 0;
    state |= std::ios_base::failbit;
  } else if (magnitude > limit) {
    value = negative ? LLONG_MIN : LLONG_MAX;
    state |= std::ios_base::failbit;
  } else {
    value = negative ? static_cast<long long>(0ULL - magnitude) : static_cast<long long>(magnitude);
  }
  return in;
}

// Integers read in the format std::cin starts with (decimal) by readDecimal,
// without the general parsing, which goes through strtoll in some standard
// libraries. Any other format goes the standard way.
class PlainIntegerReads : public std::num_get<char> {
 public:
  // Whether a stream's reads of integers go by readDecimal.
  static bool readsDecimal(const std::ios_base& stream) {
    return (stream.flags() & std::ios_base::basefield) == std::ios_base::dec;
  }

 protected:
  iter_type do_get(iter_type in, iter_type end, std::ios_base& stream,
                   std::ios_base::iostate& state, long long& value) const override {
    if (!readsDecimal(stream)) return std::num_get<char>::do_get(in, end, stream, state, value);
    return readDecimal(in, end, state, value);
  }
};

}  // namespace

bool FirstCharacters::extract(int first, int limit, long long& value) {
  // std::cin's own reader of numbers, with std::cin's flags, as its >> calls
  // it once its sentry has passed. Held from the first read: >> takes a copy
  // of the stream's locale every time, which some standard libraries count
  // with an atomic instruction each way (a tenth of a session's time).
  static const std::locale locale = std::cin.getloc();
  static const auto& reader = std::use_facet<std::num_get<char>>(locale);
  static const bool readerIsOurs = dynamic_cast<const PlainIntegerReads*>(&reader) != nullptr;
  std::ios_base::iostate state = std::ios_base::goodbit;
  const bool byReadDecimal = readerIsOurs && PlainIntegerReads::readsDecimal(std::cin);
  if (!(byReadDecimal && readShown(first, limit, state, value))) {
    held_ = traits_type::to_char_type(first);
    setg(&held_, &held_, &held_ + 1);
    left_ = static_cast<std::size_t>(limit - 1);
    reader.get(std::istreambuf_iterator<char>(this), std::istreambuf_iterator<char>(), std::cin,
               state, value);
  }
  return (state & std::ios_base::failbit) == 0;
}

bool FirstCharacters::readShown(int first, int limit, std::ios_base::iostate& state,
                                long long& value) {
  std::size_t count;
  const char* const ahead = os::inputAhead(count);
  if (ahead == nullptr || limit > kDecimalRoom) return false;
  const auto shown = std::min(count, static_cast<std::size_t>(limit - 1));
  char characters[kDecimalRoom] = {};
  characters[0] = traits_type::to_char_type(first);
  // Where the C library holds enough, the copy has a length known here: a
  // few moves instead of a call. The reader still sees only those shown.
  if (count >= kDecimalRoom - 1)
    std::copy_n(ahead, kDecimalRoom - 1, characters + 1);
  else
    std::copy_n(ahead, shown, characters + 1);
  const char* const end = characters + 1 + shown;
  std::ios_base::iostate readState;
  long long read;
  const char* const stop = readDecimal<const char*>(characters, end, readState, read);
  // A first character that is no part of a number goes back to stdin, the
  // reader's general way. A number that goes on past what is shown stops
  // there, as at the reader's limit: the caller reads on.
  if (stop == characters) return false;
  state = readState;
  value = read;
  // The get area as the reader leaves it: what it took of stdin's buffer, up
  // to the character it stopped at, for end() to take.
  char* const start = const_cast<char*>(ahead);  // only read: setg asks for char*
  setg(start, start + (stop - characters - 1), start + shown);
  inPlace_ = true;
  return true;
}

void FirstCharacters::takeShown() {
  if (inPlace_) os::takeInput(static_cast<std::size_t>(gptr() - eback()));
  inPlace_ = false;
}

int FirstCharacters::end() {
  int next = EOF;
  if (gptr() < egptr()) {
    next = traits_type::to_int_type(*gptr());
    if (!inPlace_) std::ungetc(next, stdin);
  }
  takeShown();
  setg(nullptr, nullptr, nullptr);
  return next;
}

FirstCharacters::int_type FirstCharacters::underflow() {
  takeShown();
  if (left_ == 0) return traits_type::eof();
  std::size_t count;
  if (const char* const ahead = os::inputAhead(count)) {
    count = std::min(count, left_);
    left_ -= count;
    inPlace_ = true;
    // Only read: the get area's type asks for char*.
    char* const start = const_cast<char*>(ahead);
    setg(start, start, start + count);
    return traits_type::to_int_type(*start);
  }
  const int c = os::readChar();
  if (c == EOF) return traits_type::eof();
  --left_;
  held_ = traits_type::to_char_type(c);
  setg(&held_, &held_, &held_ + 1);
  return c;
}

void setUpStandardStreams() {
  // Never destroyed: std::cout may still be flushed as the process ends.
  static auto* const pieces = new StdoutPieces;
  std::cout.rdbuf(pieces);
  std::cout.imbue(std::locale(std::cout.getloc(), new PlainIntegers));
  std::cin.imbue(std::locale(std::cin.getloc(), new PlainIntegerReads));
}

}  // namespace console
