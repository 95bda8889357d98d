// STACK's container rules, including those the menu cannot reach cheaply.

#include "stack/stack.h"

#include <gtest/gtest.h>

#include "tests/unit/printed.h"

namespace {

using testing::ExitedWithCode;

STACK filled(int capacity, int elements) {
  STACK s(capacity);
  for (int e = 1; e <= elements; ++e) s.push(e);
  return s;
}

TEST(StackTest, GetOutsideTheArrayGivesZero) {
  STACK s = filled(3, 3);
  EXPECT_EQ(s.get(3), 0);
  EXPECT_EQ(s.get(-1), 0);
  EXPECT_EQ(s.get(-2147483647 - 1), 0);
  EXPECT_EQ(s.get(2147483647), 0);
}

TEST(StackTest, CapacityZeroOrNegativeHoldsNothing) {
  for (int n : {0, -1, -2147483647 - 1}) {
    STACK s(n);
    EXPECT_EQ(s.size(), 0) << n;
    EXPECT_EQ(s.pos(), 0) << n;
    EXPECT_EQ(s.get(0), 0) << n;
    EXPECT_EQ(printed(s), "") << n;
  }
}

TEST(StackTest, CopyCarriesEverySlotAndSharesNothing) {
  STACK source = filled(5, 5);
  int e;
  source.pop(e).pop(e);
  STACK copy(source);
  EXPECT_EQ(copy.size(), 5);
  EXPECT_EQ(copy.pos(), 3);
  EXPECT_EQ(copy.get(3), 4);  // above the top, carried over all the same
  EXPECT_EQ(copy.get(4), 5);

  copy.push(40);
  EXPECT_EQ(source.get(3), 4);
  EXPECT_EQ(source.pos(), 3);
  source.push(99);
  EXPECT_EQ(copy.get(3), 40);
}

TEST(StackTest, CopyOfAnEmptyStackIsEmpty) {
  STACK empty(0);
  STACK copy(empty);
  EXPECT_EQ(copy.size(), 0);
  EXPECT_EQ(copy.pos(), 0);
}

TEST(StackTest, AssignFromMoreSlotsTakesTheSourceCapacity) {
  STACK source = filled(5, 4);
  STACK s = filled(2, 2);
  s.assign(source);
  EXPECT_EQ(s.size(), 5);
  EXPECT_EQ(s.pos(), 4);
  EXPECT_EQ(printed(s), "1 2 3 4 ");
  s.push(9);  // room up to the new capacity
  EXPECT_EQ(s.pos(), 5);
  source.push(7);
  EXPECT_EQ(s.get(4), 9);  // the arrays stay apart
}

TEST(StackTest, AssignFromSameSlotsCopiesAllOfThem) {
  STACK source = filled(4, 4);
  int e;
  source.pop(e).pop(e);
  STACK s(4);
  s.push(100);
  s.assign(source);
  EXPECT_EQ(s.size(), 4);
  EXPECT_EQ(s.pos(), 2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.get(i), i + 1) << i;
}

TEST(StackTest, AssignFromFewerSlotsKeepsCapacityAndTheSlotsAbove) {
  STACK s = filled(8, 7);
  s.assign(filled(5, 2));
  EXPECT_EQ(s.size(), 8);
  EXPECT_EQ(s.pos(), 2);
  EXPECT_EQ(s.get(4), 0);  // below the source's capacity: the source's slot
  EXPECT_EQ(s.get(5), 6);  // above it: kept
  EXPECT_EQ(s.get(6), 7);
}

TEST(StackTest, AssignToItselfChangesNothing) {
  STACK s = filled(4, 3);
  s.assign(s);
  EXPECT_EQ(s.size(), 4);
  EXPECT_EQ(s.pos(), 3);
  EXPECT_EQ(printed(s), "1 2 3 ");
}

TEST(StackDeathTest, OverflowExitsWithMinusOneSilently) {
  STACK full = filled(5, 5);
  EXPECT_EXIT(full.push(6), ExitedWithCode(255), "^$");
  STACK none(0);
  EXPECT_EXIT(none.push(1), ExitedWithCode(255), "^$");
  STACK negative(-3);
  EXPECT_EXIT(negative.push(1), ExitedWithCode(255), "^$");
}

TEST(StackDeathTest, UnderflowExitsWithMinusOneAndLeavesTheOutParameter) {
  STACK empty(3);
  int e = 42;
  EXPECT_EXIT(empty.pop(e), ExitedWithCode(255), "^$");
  EXPECT_EQ(e, 42);
  STACK drained = filled(2, 2);
  drained.pop(e).pop(e);
  EXPECT_EXIT(drained.pop(e), ExitedWithCode(255), "^$");
}

}  // namespace
