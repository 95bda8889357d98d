#ifndef PLATFORM_GBK_TO_UTF8_H_
#define PLATFORM_GBK_TO_UTF8_H_

#include <cstddef>

namespace console {

// Writes GBK text to a file descriptor as UTF-8, converting it with the C
// library's iconv as it goes. Text may come in chunks cut anywhere: a
// character whose two bytes arrive in two chunks comes out whole once its
// second byte is there. A byte that is no GBK comes out as U+FFFD.
// POSIX systems only.
class GbkToUtf8 {
 public:
  explicit GbkToUtf8(int fd);
  GbkToUtf8(const GbkToUtf8&) = delete;
  GbkToUtf8& operator=(const GbkToUtf8&) = delete;
  ~GbkToUtf8();

  // False when the C library has no converter for GBK; nothing can be
  // written then.
  bool ok() const;

  // Converts and writes all of data. False, with errno set, when the
  // descriptor does not take it.
  bool write(const char* data, std::size_t size);

 private:
  bool convert(const char* data, std::size_t size);
  bool writeAll(const char* data, std::size_t size);

  int fd_;
  void* converter_;  // an iconv_t, kept opaque here
  char lead_;        // the first byte of a character cut off at the end of a chunk
  bool hasLead_;
};

}  // namespace console

#endif  // PLATFORM_GBK_TO_UTF8_H_
