// The console layer's own number formatting and parsing for std::cout and
// std::cin, against the standard library's: each value written and each text
// read must give the same characters, value and stream state with both.

#include "platform/streams.h"

#include <gtest/gtest.h>

#include <climits>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>
#include <string>

namespace {

// The locales of std::cout and std::cin once the console layer has set them
// up; the streams themselves are left as they were.
struct ConsoleLocales {
  ConsoleLocales() {
    std::streambuf* const out = std::cout.rdbuf();
    console::setUpStandardStreams();
    output = std::cout.getloc();
    input = std::cin.getloc();
    std::cout.rdbuf(out);
  }
  std::locale output, input;
};

const ConsoleLocales& locales() {
  static const ConsoleLocales instance;
  return instance;
}

template <typename Integer>
std::string written(const std::locale& locale, Integer value,
                    std::ios_base& (*format)(std::ios_base&) = std::dec, int width = 0) {
  std::ostringstream out;
  out.imbue(locale);
  out << format << std::setw(width) << value << '|' << value;  // the width is for one value
  return out.str();
}

TEST(StreamsTest, WritesIntegersAsTheStandardFacetDoes) {
  const std::locale ours = locales().output, standard = std::locale::classic();
  for (const long long value : {0LL, 7LL, -7LL, 10LL, -10LL, 2147483647LL, -2147483648LL,
                                LLONG_MAX, LLONG_MIN}) {
    EXPECT_EQ(written(ours, value), written(standard, value));
    EXPECT_EQ(written(ours, static_cast<long>(value)), written(standard, static_cast<long>(value)));
    EXPECT_EQ(written(ours, static_cast<int>(value)), written(standard, static_cast<int>(value)));
    EXPECT_EQ(written(ours, value, std::hex), written(standard, value, std::hex));
    EXPECT_EQ(written(ours, value, std::showpos), written(standard, value, std::showpos));
    EXPECT_EQ(written(ours, value, std::dec, 25), written(standard, value, std::dec, 25));
  }
  EXPECT_EQ(written(ours, ULLONG_MAX), written(standard, ULLONG_MAX));
  EXPECT_EQ(written(ours, ULONG_MAX), written(standard, ULONG_MAX));
}

struct Read {
  long long value;
  std::ios_base::iostate state;
  std::string rest;
};

Read read(const std::locale& locale, const std::string& text,
          std::ios_base& (*format)(std::ios_base&) = std::dec) {
  std::istringstream in(text);
  in.imbue(locale);
  long long value = 12345;
  in >> format >> value;
  const std::ios_base::iostate state = in.rdstate();
  in.clear();
  return {value, state, std::string(std::istreambuf_iterator<char>(in), {})};
}

TEST(StreamsTest, ReadsIntegersAsTheStandardFacetDoes) {
  const std::locale ours = locales().input, standard = std::locale::classic();
  for (const char* text : {"0", "42\n", "-42 x", "+42", "007", "-", "+", "-x", "x", "", "  5",
                           "9223372036854775807", "9223372036854775808", "-9223372036854775808",
                           "-9223372036854775809", "123456789012345678901234567890\n"}) {
    const Read mine = read(ours, text), theirs = read(standard, text);
    EXPECT_EQ(mine.value, theirs.value) << '"' << text << '"';
    EXPECT_EQ(mine.state, theirs.state) << '"' << text << '"';
    EXPECT_EQ(mine.rest, theirs.rest) << '"' << text << '"';
  }
  EXPECT_EQ(read(ours, "1f", std::hex).value, 0x1f);  // another format goes the standard way
}

}  // namespace
