#ifndef PLATFORM_STREAMS_H_
#define PLATFORM_STREAMS_H_

#include <cstdio>
#include <streambuf>

// The standard streams as the console layer sets them up. Every C++ standard
// library keeps std::cout and std::cin in step with the C library's stdout
// and stdin, but some write a character at a time, and format and parse
// numbers through snprintf and strtoll; these do it the same lean way in
// every build.

namespace console {

// From here on, what an insertion into std::cout writes goes to stdout at
// once, in the pieces the insertion gives, so that output written with
// printf and with std::cout keeps its order (std::flush flushes stdout); and
// integers in the default format (decimal, no '+', no width) are written and
// read by std::cout and std::cin directly, any other format the standard
// way. Call once, before either stream is used.
void setUpStandardStreams();

// Standard input as std::cin sees it for one number at a time: no more than
// a given count of characters, taken from stdin one at a time. One object
// serves every read (each stream buffer holds a copy of a locale, which some
// standard libraries count atomically): begin() before the read; end() after
// it gives a character the reader looked at without taking back to stdin, so
// that the next read, by either stream, gets it, and returns that character
// (EOF when there was none: the reader stopped at its limit, or the input
// at its end).
class FirstCharacters : public std::streambuf {
 public:
  void begin(int limit) { left_ = limit; }
  int end();

 protected:
  int_type underflow() override;

 private:
  int left_ = 0;
  char held_ = 0;
};

}  // namespace console

#endif  // PLATFORM_STREAMS_H_
