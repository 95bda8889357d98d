// The console layer's pass counter; its reads and writes are exercised through
// the programs, in the transcripts.

#include "platform/console.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(PassCounterTest, CountsOnAndWrapsAsA32BitCounter) {
  EXPECT_EQ(console::nextPass(1), 2);
  EXPECT_EQ(console::nextPass(-1), 0);
  EXPECT_EQ(console::nextPass(INT_MAX - 1), INT_MAX);
  EXPECT_EQ(console::nextPass(INT_MAX), INT_MIN);
  EXPECT_EQ(console::nextPass(INT_MIN), INT_MIN + 1);
}

}  // namespace
