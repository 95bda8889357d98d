#include "objstack/oostk.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// An array of n zeroed slots, or none (null) when n <= 0; ends the process
// with status -1 when it cannot be had. calloc hands out zero pages without
// touching them, so even a huge stack costs nothing until it is used.
int* zeroedSlots(int n) {
  if (n <= 0) return nullptr;
  void* slots = std::calloc(static_cast<std::size_t>(n), sizeof(int));
  if (slots == nullptr) std::exit(-1);
  return static_cast<int*>(slots);
}

}  // namespace

OOSTK::OOSTK(int n) : items(zeroedSlots(n)), capacity(n > 0 ? n : 0), count(0) {}

OOSTK::OOSTK(const OOSTK& s)
    : items(zeroedSlots(s.capacity)), capacity(s.capacity), count(s.count) {
  std::copy_n(s.items, capacity, items);
}

OOSTK::~OOSTK() { std::free(items); }

int OOSTK::size() const { return capacity; }

int OOSTK::pos() const { return count; }

int OOSTK::get(int i) const { return i >= 0 && i < capacity ? items[i] : 0; }

OOSTK& OOSTK::push(int e) {
  if (count == capacity) std::exit(-1);
  items[count++] = e;
  return *this;
}

OOSTK& OOSTK::pop(int& e) {
  if (count == 0) std::exit(-1);
  e = items[--count];
  return *this;
}

OOSTK& OOSTK::assign(const OOSTK& s) {
  if (&s == this) return *this;
  if (capacity < s.capacity) {
    int* larger = zeroedSlots(s.capacity);
    std::free(items);
    items = larger;
    capacity = s.capacity;
  }
  std::copy_n(s.items, s.capacity, items);
  count = s.count;
  return *this;
}

void OOSTK::print() const {
  for (int i = 0; i < count; ++i) std::printf("%d ", items[i]);
}
