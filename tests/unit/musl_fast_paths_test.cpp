// The memcpy, memmove, strlen and printf that the static musl programs
// carry, linked into this test as into them: copies at every alignment and
// around each step of the copy, and overlapping moves both ways, against a
// byte-at-a-time copy (nothing outside the target may change); lengths at
// every alignment, and up to the end of what may be read; printf against the
// C library's own formatting, for the formats it writes itself and those it
// hands on.

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tests/unit/printed.h"

namespace {

// Called through pointers that the compiler cannot see through, so that
// every call reaches the linked function.
void* (*volatile copy)(void*, const void*, std::size_t) = &std::memcpy;
void* (*volatile move)(void*, const void*, std::size_t) = &std::memmove;
std::size_t (*volatile measure)(const char*) = &std::strlen;
int (*volatile print)(const char*, ...) = &std::printf;

std::vector<unsigned char> pattern(std::size_t size, unsigned seed) {
  std::vector<unsigned char> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 131 + seed);
  return bytes;
}

TEST(MuslFastPaths, CopiesAndMoves) {
  for (const std::size_t length :
       {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 63, 64, 65, 100, 256, 1000, 4099}) {
    for (std::size_t from = 0; from < 16; ++from) {
      for (std::size_t to = 0; to < 16; ++to) {
        const auto source = pattern(length + 32, 7);
        auto target = pattern(length + 32, 200), expected = target;
        std::copy_n(source.begin() + from, length, expected.begin() + to);
        EXPECT_EQ(copy(target.data() + to, source.data() + from, length), target.data() + to);
        ASSERT_EQ(target, expected) << length << " bytes from +" << from << " to +" << to;
      }
    }
    for (std::size_t to = 8; to <= 88; ++to) {  // from 48: below it, on it, above it
      auto bytes = pattern(length + 96, 11), expected = bytes;
      const std::vector<unsigned char> moved(bytes.begin() + 48, bytes.begin() + 48 + length);
      std::copy(moved.begin(), moved.end(), expected.begin() + to);
      EXPECT_EQ(move(bytes.data() + to, bytes.data() + 48, length), bytes.data() + to);
      ASSERT_EQ(bytes, expected) << length << " bytes moved from 48 to " << to;
    }
  }
}

TEST(MuslFastPaths, MeasuresTexts) {
  // Zeros just before the text, which are none of it, and none just after.
  std::vector<char> bytes(128);
  for (std::size_t from = 0; from < 16; ++from) {
    for (std::size_t length = 0; length <= 70; ++length) {
      std::fill(bytes.begin(), bytes.end(), 'x');
      std::fill_n(bytes.begin(), from, '\0');
      bytes[from + length] = '\0';
      ASSERT_EQ(measure(bytes.data() + from), length) << length << " bytes from +" << from;
    }
  }
  // Texts that end on a page's last byte, before a page that cannot be read.
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  void* const pages =
      mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  ASSERT_EQ(mprotect(static_cast<char*>(pages) + page, page, PROT_NONE), 0);
  char* const last = static_cast<char*>(pages) + page - 1;
  std::fill(static_cast<char*>(pages), last, 'x');
  *last = '\0';
  for (std::size_t length = 0; length <= 40; ++length) EXPECT_EQ(measure(last - length), length);
  munmap(pages, 2 * page);
}

// The C library's own formatting, which the printf here never calls.
int formatted(char (&text)[256], const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const int count = std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  return count;
}

// printf against it: the bytes written and the count returned.
template <typename... Arguments>
void expectAsFormatted(const char* format, Arguments... arguments) {
  char expected[256];
  const int count = formatted(expected, format, arguments...);
  int returned = 0;
  EXPECT_EQ(output([&] { returned = print(format, arguments...); }), expected) << format;
  EXPECT_EQ(returned, count) << format;
}

TEST(MuslFastPaths, PrintfAsTheLibraryFormats) {
  expectAsFormatted("");
  expectAsFormatted("\t\t\xd5\xbb\n");
  expectAsFormatted("%d", 0);
  expectAsFormatted("%d ", INT_MIN);
  expectAsFormatted("[%d|%d]", INT_MAX, -7);
  expectAsFormatted("%s and %s", "text", static_cast<const char*>(nullptr));
  expectAsFormatted("%c%c%%%s", 'a', 0xd5, "");
  expectAsFormatted("100%%");
  // Handed on to the C library.
  expectAsFormatted("%5d|%-3d|%+d", 42, 7, 9);
  expectAsFormatted("[%d|%s] then %05d %s", -3, "a", 42, "b");
  expectAsFormatted("%x %ld %lld %u", 255, 1L << 40, LLONG_MIN, 4000000000U);
  expectAsFormatted("%.2s|%3c|50% off", "abc", 'z', 8);
}

}  // namespace
