// The stack record and its functions, including what the menu cannot reach:
// other capacities, and initialisations whose array cannot be obtained.

#include "recstack/stackrec.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/unit/printed.h"

namespace {

using testing::ExitedWithCode;

// Owns a record and gives it back with destroy() when the test ends, so that
// a failed assertion does not also bring a leak report. It stands for the
// record wherever the functions take one.
class Record {
 public:
  explicit Record(STACKREC* s) : s_(s) {}
  Record(Record&& other) noexcept : s_(other.s_) { other.s_ = nullptr; }
  Record& operator=(Record&&) = delete;
  ~Record() { destroy(s_); }
  operator STACKREC*() const { return s_; }
  STACKREC* operator->() const { return s_; }

 private:
  STACKREC* s_;
};

// A zeroed record, as the console obtains it.
Record newRecord() { return Record(static_cast<STACKREC*>(std::calloc(1, sizeof(STACKREC)))); }

std::string printedRecord(const STACKREC* s) {
  return output([&] { print(s); });
}

Record filledRecord(int capacity, int elements) {
  Record s = newRecord();
  initStack(s, capacity);
  for (int e = 0; e < elements; ++e) push(s, e);
  return s;
}

TEST(StackRecordTest, DestroyOfNoRecordDoesNothing) { destroy(nullptr); }

TEST(StackRecordTest, InitStackGivesAnEmptyStackOfTheCapacity) {
  Record s = newRecord();
  initStack(s, 10);
  ASSERT_NE(s->items, nullptr);
  EXPECT_EQ(size(s), 10);
  EXPECT_EQ(pos(s), 0);
  EXPECT_EQ(printedRecord(s), "");
  EXPECT_EQ(get(s, 9), 0);
}

TEST(StackRecordTest, HoldsElementsLastInFirstOut) {
  Record s = filledRecord(10, 10);
  EXPECT_EQ(printedRecord(s), "0 1 2 3 4 5 6 7 8 9 ");
  int e = -1;
  EXPECT_EQ(pop(s, &e), s);  // chains
  EXPECT_EQ(e, 9);
  EXPECT_EQ(pos(s), 9);
  EXPECT_EQ(get(s, 9), 9);  // the slot keeps its value
  EXPECT_EQ(push(s, 42), s);
  EXPECT_EQ(get(s, 9), 42);
}

TEST(StackRecordTest, GetOutsideTheArrayGivesZero) {
  Record s = filledRecord(3, 3);
  EXPECT_EQ(get(s, 3), 0);
  EXPECT_EQ(get(s, -1), 0);
}

TEST(StackRecordDeathTest, CapacityZeroIsAStackThatHoldsNothing) {
  Record s = newRecord();
  initStack(s, 0);
  ASSERT_NE(s->items, nullptr);
  EXPECT_EQ(size(s), 0);
  EXPECT_EXIT(push(s, 1), ExitedWithCode(255), "^$");
}

TEST(StackRecordTest, NegativeCapacityFailsSilentlyAndKeepsTheFields) {
  Record s = newRecord();
  s->capacity = 4;
  s->count = 2;
  EXPECT_EQ(output([&] { initStack(s, -1); }), "");
  EXPECT_EQ(s->items, nullptr);
  EXPECT_EQ(s->capacity, 4);
  EXPECT_EQ(s->count, 2);
}

TEST(StackRecordTest, InitStackFromCopiesTheStoredElements) {
  Record src = filledRecord(10, 10);
  int e;
  pop(src, &e);
  pop(src, &e);
  Record dst = newRecord();
  EXPECT_EQ(output([&] { initStackFrom(dst, src); }), "构造成功！\n");
  EXPECT_EQ(size(dst), 10);
  EXPECT_EQ(pos(dst), 8);
  EXPECT_EQ(printedRecord(dst), "0 1 2 3 4 5 6 7 ");
  EXPECT_EQ(get(dst, 8), 0);  // above the count: only the stored ones are copied
  push(dst, 100);
  EXPECT_EQ(get(src, 8), 8);
}

TEST(StackRecordTest, AssignIntoASmallerStackReplacesItsArray) {
  Record src = filledRecord(10, 4);
  Record dst = filledRecord(5, 5);
  EXPECT_EQ(assign(dst, src), dst);
  EXPECT_EQ(size(dst), 10);
  EXPECT_EQ(pos(dst), 4);
  EXPECT_EQ(printedRecord(dst), "0 1 2 3 ");
  for (int e = 0; e < 6; ++e) push(dst, e);  // room up to 10
  EXPECT_EQ(pos(src), 4);
}

TEST(StackRecordDeathTest, AssignIntoALargerStackTakesTheSmallerCapacity) {
  Record src = filledRecord(3, 3);
  Record dst = filledRecord(8, 1);
  assign(dst, src);
  EXPECT_EQ(size(dst), 3);
  EXPECT_EQ(pos(dst), 3);
  EXPECT_EQ(printedRecord(dst), "0 1 2 ");
  EXPECT_EXIT(push(dst, 3), ExitedWithCode(255), "^$");
  Record larger = filledRecord(6, 6);
  assign(dst, larger);  // grows again past the capacity it was given
  EXPECT_EQ(size(dst), 6);
  EXPECT_EQ(printedRecord(dst), "0 1 2 3 4 5 ");
}

TEST(StackRecordTest, AssignCopiesTheSlotsAboveTheCount) {
  Record src = filledRecord(4, 4);
  int e;
  pop(src, &e);
  Record dst = filledRecord(4, 0);
  assign(dst, src);
  EXPECT_EQ(pos(dst), 3);
  EXPECT_EQ(get(dst, 3), 3);
  assign(dst, dst);
  EXPECT_EQ(printedRecord(dst), "0 1 2 ");
}

TEST(StackRecordDeathTest, OverflowAndUnderflowExitWithMinusOneSilently) {
  Record full = filledRecord(10, 10);
  EXPECT_EXIT(push(full, 10), ExitedWithCode(255), "^$");
  Record empty = filledRecord(10, 0);
  int e = 5;
  EXPECT_EXIT(pop(empty, &e), ExitedWithCode(255), "^$");
  EXPECT_EQ(e, 5);
}

// The sanitizers' allocator ignores an address-space limit, and so does an
// emulator (qemu-user) running the tests: these run in the plain build only,
// and only where the limit is enforced (Linux).
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__) && !defined(RUN_BY_EMULATOR)

// In a child process: makes address space scarce, so that an array of
// 1 << 28 slots (1 GiB) cannot be obtained any more.
void limitAddressSpace() {
  const rlim_t limit = rlim_t{512} << 20;
  const rlimit scarce = {limit, limit};
  setrlimit(RLIMIT_AS, &scarce);
  dup2(STDERR_FILENO, STDOUT_FILENO);  // what the record prints, for the matcher
}

TEST(StackRecordDeathTest, FailedInitStackLeavesNoStackAndPrintsNothing) {
  Record s = newRecord();
  auto initialise = [&] {
    limitAddressSpace();
    initStack(s, 1 << 28);
    std::exit(s->items == nullptr && s->capacity == 0 ? 3 : 4);
  };
  EXPECT_EXIT(initialise(), ExitedWithCode(3), "^$");
}

TEST(StackRecordDeathTest, FailedInitStackFromReportsFailure) {
  Record src = filledRecord(1 << 28, 2);  // zero pages: costs nothing yet
  Record dst = newRecord();
  auto copy = [&] {
    limitAddressSpace();
    initStackFrom(dst, src);
    std::fflush(stdout);
    std::exit(dst->items == nullptr && dst->count == 0 ? 3 : 4);
  };
  EXPECT_EXIT(copy(), ExitedWithCode(3), "构造失败！");
}

TEST(StackRecordDeathTest, FailedAssignExitsWithMinusOne) {
  Record src = filledRecord(1 << 28, 2);
  Record dst = filledRecord(2, 0);
  auto grow = [&] {
    limitAddressSpace();
    assign(dst, src);
  };
  EXPECT_EXIT(grow(), ExitedWithCode(255), "^$");
}

#endif  // an address-space limit

}  // namespace
