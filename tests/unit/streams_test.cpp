// The console layer's own number formatting for std::cout, against the
// standard library's: each value written must give the same characters.

#include "platform/streams.h"

#include <gtest/gtest.h>

#include <climits>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>
#include <string>

namespace {

// The locale of std::cout once the console layer has set it up; the
// stream's buffer is left as it was.
const std::locale& consoleLocale() {
  static const std::locale locale = [] {
    std::streambuf* const out = std::cout.rdbuf();
    console::setUpStandardStreams();
    std::cout.rdbuf(out);
    return std::cout.getloc();
  }();
  return locale;
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
  const std::locale ours = consoleLocale(), standard = std::locale::classic();
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

}  // namespace
