// The two stack classes, STACK (every operation virtual) and OOSTK (nothing
// virtual), keep one contract: its rules, including those the menu cannot
// reach cheaply, as typed tests.

#include "stack/stack.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "objstack/oostk.h"
#include "tests/unit/printed.h"

namespace {

using testing::ExitedWithCode;

template <typename Stack>
class StackTest : public testing::Test {
 protected:
  // A stack of capacity holding 1 to elements.
  static Stack filled(int capacity, int elements) {
    Stack s(capacity);
    for (int e = 1; e <= elements; ++e) s.push(e);
    return s;
  }
};

template <typename Stack>
class StackDeathTest : public StackTest<Stack> {};

using Stacks = testing::Types<STACK, OOSTK>;

// Each class's tests named after it, as in StackTest/OOSTK.
struct StackName {
  template <typename Stack>
  static std::string GetName(int) {
    return std::is_same<Stack, STACK>::value ? "STACK" : "OOSTK";
  }
};
TYPED_TEST_SUITE(StackTest, Stacks, StackName);
TYPED_TEST_SUITE(StackDeathTest, Stacks, StackName);

TYPED_TEST(StackTest, GetOutsideTheArrayGivesZeroAndFreshSlotsReadZero) {
  TypeParam s = this->filled(3, 1);
  EXPECT_EQ(s.get(1), 0);
  EXPECT_EQ(s.get(3), 0);
  EXPECT_EQ(s.get(-1), 0);
  EXPECT_EQ(s.get(-2147483647 - 1), 0);
  EXPECT_EQ(s.get(2147483647), 0);
}

TYPED_TEST(StackTest, CapacityZeroOrNegativeHoldsNothing) {
  for (int n : {0, -1, -2147483647 - 1}) {
    TypeParam s(n);
    EXPECT_EQ(s.size(), 0) << n;
    EXPECT_EQ(s.pos(), 0) << n;
    EXPECT_EQ(s.get(0), 0) << n;
    EXPECT_EQ(printed(s), "") << n;
  }
}

TYPED_TEST(StackTest, CopyCarriesEverySlotAndSharesNothing) {
  TypeParam source = this->filled(5, 5);
  int e;
  source.pop(e).pop(e);
  TypeParam copy(source);
  EXPECT_EQ(copy.size(), 5);
  EXPECT_EQ(copy.pos(), 3);
  EXPECT_EQ(copy.get(3), 4);  // above the top, carried over all the same
  EXPECT_EQ(copy.get(4), 5);

  copy.push(40);
  EXPECT_EQ(source.get(3), 4);
  EXPECT_EQ(source.pos(), 3);
  source.push(99);
  EXPECT_EQ(copy.get(3), 40);

  TypeParam empty(0);
  TypeParam emptyCopy(empty);
  EXPECT_EQ(emptyCopy.size(), 0);
  EXPECT_EQ(emptyCopy.pos(), 0);
}

TYPED_TEST(StackTest, AssignFromMoreSlotsTakesTheSourceCapacity) {
  TypeParam source = this->filled(5, 4);
  TypeParam s = this->filled(2, 2);
  s.assign(source);
  EXPECT_EQ(s.size(), 5);
  EXPECT_EQ(s.pos(), 4);
  EXPECT_EQ(printed(s), "1 2 3 4 ");
  s.push(9);  // room up to the new capacity
  EXPECT_EQ(s.pos(), 5);
  source.push(7);
  EXPECT_EQ(s.get(4), 9);  // the arrays stay apart
}

TYPED_TEST(StackTest, AssignFromSameSlotsCopiesAllOfThem) {
  TypeParam source = this->filled(4, 4);
  int e;
  source.pop(e).pop(e);
  TypeParam s(4);
  s.push(100);
  s.assign(source);
  EXPECT_EQ(s.size(), 4);
  EXPECT_EQ(s.pos(), 2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.get(i), i + 1) << i;
}

TYPED_TEST(StackTest, AssignFromFewerSlotsKeepsCapacityAndTheSlotsAbove) {
  TypeParam s = this->filled(8, 7);
  s.assign(this->filled(5, 2));
  EXPECT_EQ(s.size(), 8);
  EXPECT_EQ(s.pos(), 2);
  EXPECT_EQ(s.get(4), 0);  // below the source's capacity: the source's slot
  EXPECT_EQ(s.get(5), 6);  // above it: kept
  EXPECT_EQ(s.get(6), 7);
}

TYPED_TEST(StackTest, AssignToItselfChangesNothing) {
  TypeParam s = this->filled(4, 3);
  s.assign(s);
  EXPECT_EQ(s.size(), 4);
  EXPECT_EQ(s.pos(), 3);
  EXPECT_EQ(printed(s), "1 2 3 ");
}

TYPED_TEST(StackDeathTest, OverflowExitsWithMinusOneSilently) {
  TypeParam full = this->filled(5, 5);
  EXPECT_EXIT(full.push(6), ExitedWithCode(255), "^$");
  TypeParam none(0);
  EXPECT_EXIT(none.push(1), ExitedWithCode(255), "^$");
  TypeParam negative(-3);
  EXPECT_EXIT(negative.push(1), ExitedWithCode(255), "^$");
}

TYPED_TEST(StackDeathTest, UnderflowExitsWithMinusOneAndLeavesTheOutParameter) {
  TypeParam empty(3);
  int e = 42;
  EXPECT_EXIT(empty.pop(e), ExitedWithCode(255), "^$");
  EXPECT_EQ(e, 42);
  TypeParam drained = this->filled(2, 2);
  drained.pop(e).pop(e);
  EXPECT_EXIT(drained.pop(e), ExitedWithCode(255), "^$");
  TypeParam none(0);
  EXPECT_EXIT(none.pop(e), ExitedWithCode(255), "^$");
}

}  // namespace
