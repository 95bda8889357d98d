// The console layer's pass counter, and where GBK text may be cut between
// writes; its reads and writes are exercised through the programs, in the
// transcripts. This file is compiled as the programs are, so its narrow
// literals are GBK bytes.

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "platform/gbk.h"
#include "platform/pass.h"

namespace {

TEST(PassCounterTest, CountsOnAndWrapsAsA32BitCounter) {
  EXPECT_EQ(console::nextPass(1), 2);
  EXPECT_EQ(console::nextPass(-1), 0);
  EXPECT_EQ(console::nextPass(INT_MAX - 1), INT_MAX);
  EXPECT_EQ(console::nextPass(INT_MAX), INT_MIN);
  EXPECT_EQ(console::nextPass(INT_MIN), INT_MIN + 1);
}

// Cut anywhere, text keeps its whole characters and holds back only a lead
// byte cut from its second byte, which may be any byte (here "a" and "\x81").
TEST(GbkTest, ACutKeepsWholeCharactersAndHoldsBackALoneLeadByte) {
  const char text[] =
      "a请\x81"
      "a\t选择\xFE\x81!";
  const std::size_t starts[] = {0, 1, 3, 5, 6, 8, 10, 12, 13};  // where each character starts
  const std::size_t size = std::strlen(text);
  std::size_t last = 0;  // the start of the character that a cut at k is in
  for (std::size_t k = 0; k <= size; ++k) {
    for (const std::size_t start : starts)
      if (start <= k) last = start;
    EXPECT_EQ(console::wholeCharacters(text, k), last) << "cut after " << k << " bytes";
  }
}

}  // namespace
