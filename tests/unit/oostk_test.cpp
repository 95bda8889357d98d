// OOSTK's container rules, including those the menu cannot reach cheaply.

#include "objstack/oostk.h"

#include <gtest/gtest.h>

#include "tests/unit/printed.h"

namespace {

using testing::ExitedWithCode;

void fill(OOSTK& s, int from, int to) {
  for (int e = from; e <= to; ++e) s.push(e);
}

TEST(ObjectStackTest, GetOutsideTheArrayGivesZeroAndFreshSlotsReadZero) {
  OOSTK s(3);
  s.push(7);
  EXPECT_EQ(s.get(1), 0);
  EXPECT_EQ(s.get(3), 0);
  EXPECT_EQ(s.get(-1), 0);
  EXPECT_EQ(s.get(-2147483647 - 1), 0);
}

TEST(ObjectStackDeathTest, CapacityZeroOrNegativeHoldsNothing) {
  for (int n : {0, -3}) {
    OOSTK s(n);
    EXPECT_EQ(s.size(), 0) << n;
    EXPECT_EQ(s.pos(), 0) << n;
    EXPECT_EQ(s.get(0), 0) << n;
    EXPECT_EXIT(s.push(1), ExitedWithCode(255), "^$") << n;
    int e;
    EXPECT_EXIT(s.pop(e), ExitedWithCode(255), "^$") << n;
  }
}

TEST(ObjectStackTest, CopyCarriesEverySlotAndSharesNothing) {
  OOSTK s(4);
  fill(s, 7, 9);
  int e;
  s.pop(e).pop(e);
  OOSTK copy(s);
  EXPECT_EQ(copy.size(), 4);
  EXPECT_EQ(copy.pos(), 1);
  EXPECT_EQ(copy.get(1), 8);
  EXPECT_EQ(copy.get(2), 9);
  copy.push(1).push(2);
  EXPECT_EQ(s.pos(), 1);
  EXPECT_EQ(s.get(1), 8);
}

TEST(ObjectStackTest, AssignIntoALargerStackKeepsItsCapacityAndUpperSlots) {
  OOSTK source(5);
  fill(source, 1, 5);
  OOSTK s(10);
  fill(s, 11, 17);
  s.assign(source);
  EXPECT_EQ(s.size(), 10);
  EXPECT_EQ(s.pos(), 5);
  EXPECT_EQ(printed(s), "1 2 3 4 5 ");
  EXPECT_EQ(s.get(5), 16);
  EXPECT_EQ(s.get(6), 17);
}

TEST(ObjectStackTest, AssignToItselfChangesNothing) {
  OOSTK s(5);
  fill(s, 1, 3);
  s.assign(s);
  EXPECT_EQ(s.size(), 5);
  EXPECT_EQ(s.pos(), 3);
  EXPECT_EQ(printed(s), "1 2 3 ");
}

TEST(ObjectStackDeathTest, OverflowAndUnderflowExitWithMinusOneSilently) {
  OOSTK full(5);
  fill(full, 1, 5);
  EXPECT_EXIT(full.push(6), ExitedWithCode(255), "^$");
  OOSTK empty(5);
  int e = 3;
  EXPECT_EXIT(empty.pop(e), ExitedWithCode(255), "^$");
  EXPECT_EQ(e, 3);
}

}  // namespace
