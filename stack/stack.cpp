#include "stack/stack.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/drawing.h"

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

STACK::STACK(int n) : items(zeroedSlots(n)), capacity(n > 0 ? n : 0), count(0) {}

STACK::STACK(const STACK& s)
    : items(zeroedSlots(s.capacity)), capacity(s.capacity), count(s.count) {
  std::copy_n(s.items, capacity, items);
}

STACK::~STACK() { std::free(items); }

int STACK::size() const { return capacity; }

int STACK::pos() const { return count; }

int STACK::get(int i) const { return i >= 0 && i < capacity ? items[i] : 0; }

STACK& STACK::push(int e) {
  if (count == capacity) std::exit(-1);
  items[count++] = e;
  console::stepTaken();
  return *this;
}

STACK& STACK::pop(int& e) {
  if (count == 0) std::exit(-1);
  e = items[--count];
  console::stepTaken();
  return *this;
}

STACK& STACK::assign(const STACK& s) {
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

void STACK::print() const {
  for (int i = 0; i < count; ++i) std::printf("%d ", items[i]);
}
