#ifndef PLATFORM_STREAMS_H_
#define PLATFORM_STREAMS_H_

#include <cstdio>
#include <ios>
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
// a given count of characters, taken from stdin in place where the C
// library shows its buffer, else one at a time. One object serves every
// read. extract() reads a number as std::cin >> value does with white space
// skipping off, from a first character already taken and what follows it;
// end() after it leaves a character the reader looked at without taking in
// stdin, so that the next read, by either stream, gets it, and returns that
// character (EOF when there was none: the reader stopped at its limit, or
// at the end of the characters the C library showed, or the input ended;
// the caller then reads on, one character at a time).
class FirstCharacters : public std::streambuf {
 public:
  // Whether a number was read; std::cin's own state is left as it was.
  bool extract(int first, int limit, long long& value);
  int end();

 protected:
  int_type underflow() override;

 private:
  // Takes from stdin what the reader took of characters shown in place.
  void takeShown();
  // Reads the number at once from the characters the C library shows, as
  // the reader would, for a std::cin that reads decimal through the console
  // layer's own facet; false, having changed nothing, otherwise.
  bool readShown(int first, int limit, std::ios_base::iostate& state, long long& value);

  std::size_t left_ = 0;
  bool inPlace_ = false;  // the get area is stdin's own buffer
  char held_ = 0;
};

}  // namespace console

#endif  // PLATFORM_STREAMS_H_
