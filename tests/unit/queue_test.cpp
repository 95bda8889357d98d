// The two queues built from stacks: QUE2S (two stack members) and QUEIS (a
// stack that holds one more). Both must behave as one bounded FIFO queue; the
// rules they share are typed tests, the rest is particular to each.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <type_traits>

#include "heirqueue/queis.h"
#include "pairqueue/que2s.h"
#include "tests/unit/printed.h"

namespace {

using testing::ExitedWithCode;

// The queues differ in the name of their queue assignment.
void assignQueue(QUE2S& q, const QUE2S& from) { q.assign(from); }
void assignQueue(QUEIS& q, const QUEIS& from) { q.assignQueue(from); }

template <typename Queue>
class QueueTest : public testing::Test {
 protected:
  static void fill(Queue& q, int from, int to) {
    for (int v = from; v <= to; ++v) q.push(v);
  }
  static int popped(Queue& q) {
    int e = -1;
    q.pop(e);
    return e;
  }
};

template <typename Queue>
class QueueDeathTest : public QueueTest<Queue> {};

using Queues = testing::Types<QUE2S, QUEIS>;

// Each queue's tests named after its class, as in QueueTest/QUEIS.
struct QueueName {
  template <typename Queue>
  static std::string GetName(int) {
    return std::is_same<Queue, QUE2S>::value ? "QUE2S" : "QUEIS";
  }
};
TYPED_TEST_SUITE(QueueTest, Queues, QueueName);
TYPED_TEST_SUITE(QueueDeathTest, Queues, QueueName);

TYPED_TEST(QueueTest, WrapsAroundThroughFillsAndDrains) {
  TypeParam q(2);
  q.push(1);
  q.push(2);
  EXPECT_EQ(this->popped(q), 1);
  q.push(3);
  EXPECT_EQ(this->popped(q), 2);
  EXPECT_EQ(this->popped(q), 3);
  EXPECT_EQ(q.pos(), 0);
  EXPECT_EQ(printed(q), "");
}

// Against a reference queue, often at full capacity. This also shows the
// scratch stack empty after every operation: removal only moves elements
// between the two stacks, so one left behind in the scratch stack would be
// missing from the queue's length (and two would overflow it at capacity).
TYPED_TEST(QueueTest, AgreesWithAReferenceQueueAtFullCapacity) {
  const int capacity = 7;
  TypeParam q(capacity);
  std::deque<int> reference;
  unsigned state = 12345;
  for (int step = 0; step < 2000; ++step) {
    state = state * 1103515245u + 12345u;
    const bool push = reference.empty() || (reference.size() < capacity && (state >> 16) % 3 != 0);
    if (push) {
      q.push(step);
      reference.push_back(step);
    } else {
      ASSERT_EQ(this->popped(q), reference.front()) << "step " << step;
      reference.pop_front();
    }
    ASSERT_EQ(q.pos(), static_cast<int>(reference.size()));
    ASSERT_EQ(q.size(), capacity);
  }
  std::string expected;
  for (int v : reference) expected += std::to_string(v) + " ";
  EXPECT_EQ(printed(q), expected);
}

TYPED_TEST(QueueDeathTest, CapacityZeroOrNegativeHoldsNothing) {
  for (int n : {0, -5}) {
    TypeParam q(n);
    EXPECT_EQ(q.size(), 0) << n;
    EXPECT_EQ(q.pos(), 0) << n;
    EXPECT_EQ(printed(q), "") << n;
    EXPECT_EXIT(q.push(1), ExitedWithCode(255), "^$") << n;
  }
}

TYPED_TEST(QueueTest, CopyIsIndependent) {
  TypeParam source(15);
  this->fill(source, 0, 14);
  TypeParam copy(source);
  EXPECT_EQ(printed(copy), "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 ");
  EXPECT_EQ(this->popped(copy), 0);
  EXPECT_EQ(source.pos(), 15);
  EXPECT_EQ(this->popped(source), 0);
  EXPECT_EQ(this->popped(source), 1);
  EXPECT_EQ(this->popped(copy), 1);
  EXPECT_EQ(copy.pos(), 13);
}

TYPED_TEST(QueueTest, AssignIntoALargerQueueKeepsItsCapacity) {
  TypeParam source(15);
  this->fill(source, 0, 14);
  TypeParam q(20);
  assignQueue(q, source);
  EXPECT_EQ(q.pos(), 15);
  EXPECT_EQ(q.size(), 20);
  EXPECT_EQ(this->popped(q), 0);
  this->fill(q, 100, 105);  // room up to 20
  EXPECT_EQ(q.pos(), 20);
  EXPECT_EQ(source.pos(), 15);
}

TYPED_TEST(QueueTest, AssignIntoASmallerQueueTakesTheSourceCapacity) {
  TypeParam source(15);
  this->fill(source, 0, 14);
  TypeParam q(5);
  assignQueue(q, source);
  EXPECT_EQ(q.size(), 15);
  EXPECT_EQ(q.pos(), 15);
  for (int v = 0; v < 15; ++v) ASSERT_EQ(this->popped(q), v);
  this->fill(q, 0, 14);  // both stacks grew: a full queue still drains
  EXPECT_EQ(this->popped(q), 0);
}

TYPED_TEST(QueueTest, AssignReplacesEverythingTheQueueHeld) {
  TypeParam source(15);
  this->fill(source, 0, 14);
  TypeParam q(20);
  this->fill(q, 100, 102);
  assignQueue(q, source);
  EXPECT_EQ(printed(q), "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 ");
}

TYPED_TEST(QueueTest, AssignToItselfKeepsTheElements) {
  TypeParam q(4);
  this->fill(q, 1, 3);
  assignQueue(q, q);
  EXPECT_EQ(printed(q), "1 2 3 ");
  q.push(4);
  EXPECT_EQ(this->popped(q), 1);
}

TYPED_TEST(QueueDeathTest, OverflowAndUnderflowExitWithMinusOne) {
  TypeParam full(15);
  this->fill(full, 0, 14);
  EXPECT_EXIT(full.push(15), ExitedWithCode(255), "^$");
  TypeParam fresh(3);
  EXPECT_EXIT(this->popped(fresh), ExitedWithCode(255), "^$");
  TypeParam drained(2);
  this->fill(drained, 1, 2);
  this->popped(drained);
  this->popped(drained);
  EXPECT_EXIT(this->popped(drained), ExitedWithCode(255), "^$");
}

// QUEIS is a STACK: its base part, reached through STACK's own operations, is
// the scratch stack, empty between operations but holding what went through.
TEST(InheritingQueueTest, BasePartIsAnEmptyScratchStack) {
  QUEIS q(15);
  for (int v = 0; v < 15; ++v) q.push(v);
  EXPECT_EQ(q.STACK::pos(), 0);
  int e;
  q.pop(e);
  EXPECT_EQ(q.STACK::pos(), 0);
  EXPECT_EQ(q.STACK::size(), 15);
  // The removal moved 14, 13, ..., 1 through the base part.
  EXPECT_EQ(q.get(0), 14);
  EXPECT_EQ(q.get(13), 1);
  EXPECT_EQ(q.get(14), 0);

  QUEIS small(3);
  small.assignQueue(q);
  EXPECT_EQ(small.STACK::pos(), 0);
  EXPECT_EQ(small.STACK::size(), 15);  // grew with store
  QUEIS copy(q);
  EXPECT_EQ(copy.STACK::pos(), 0);
  EXPECT_EQ(copy.STACK::size(), 15);
}

TEST(InheritingQueueTest, InheritedAssignActsOnTheBasePartAlone) {
  QUEIS q(4);
  q.push(1);
  STACK other(6);
  other.push(8).push(9);
  q.assign(other);
  EXPECT_EQ(q.pos(), 1);  // the queue in store is untouched
  EXPECT_EQ(q.STACK::pos(), 2);
  EXPECT_EQ(q.STACK::size(), 6);
  EXPECT_EQ(q.get(1), 9);
}

TEST(InheritingQueueDeathTest, WorksThroughAStackPointer) {
  STACK* s = new QUEIS(3);
  s->push(1).push(2).push(3);
  EXPECT_EQ(s->size(), 3);
  EXPECT_EQ(s->pos(), 3);
  int e;
  s->pop(e);
  EXPECT_EQ(e, 1);
  EXPECT_EQ(printed(*s), "2 3 ");
  EXPECT_EXIT(s->push(4).push(5), ExitedWithCode(255), "^$");
  delete s;  // through STACK's virtual destructor; LeakSanitizer checks the rest
}

}  // namespace
