#ifndef PLATFORM_STREAMS_H_
#define PLATFORM_STREAMS_H_

// std::cout as the console layer sets it up. Every C++ standard library
// keeps std::cout in step with the C library's stdout, but some write a
// character at a time, and format numbers through snprintf; this writes
// the same lean way with every one.

namespace console {

// From here on, what an insertion into std::cout writes goes to stdout at
// once, in the pieces the insertion gives, so that output written with
// printf and with std::cout keeps its order (std::flush flushes stdout);
// and integers in the default format (decimal, no '+', no width) are
// written as their digits, any other format the standard way. Call once,
// before std::cout is used.
void setUpStandardStreams();

}  // namespace console

#endif  // PLATFORM_STREAMS_H_
