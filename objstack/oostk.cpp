#include "objstack/oostk.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// An array of n zeroed slots (none for n <= 0). calloc hands out zero pages
// without touching them, so even a huge stack costs nothing until it is used.
int* zeroedSlots(int n) {
  if (n <= 0) return nullptr;
  void* slots = std::calloc(static_cast<std::size_t>(n), sizeof(int));
  if (slots == nullptr) std::exit(-1);
  return static_cast<int*>(slots);
}

void copySlots(int* to, const int* from, int n) {
  if (n > 0) std::memmove(to, from, static_cast<std::size_t>(n) * sizeof(int));
}

}  // namespace

OOSTK::OOSTK(int n) : items(zeroedSlots(n)), capacity(n > 0 ? n : 0), count(0) {}

OOSTK::OOSTK(const OOSTK& s)
    : items(zeroedSlots(s.capacity)), capacity(s.capacity), count(s.count) {
  copySlots(items, s.items, capacity);
}

OOSTK::~OOSTK() { std::free(items); }

int OOSTK::size() const { return capacity; }

int OOSTK::pos() const { return count; }

int OOSTK::get(int i) const { return i >= 0 && i < capacity ? items[i] : 0; }

OOSTK& OOSTK::push(int e) {
  if (count == capacity) std::exit(-1);
  items[count] = e;
  ++count;
  return *this;
}

OOSTK& OOSTK::pop(int& e) {
  if (count == 0) std::exit(-1);
  --count;
  e = items[count];
  return *this;
}

OOSTK& OOSTK::assign(const OOSTK& s) {
  if (capacity < s.capacity) {
    int* larger = zeroedSlots(s.capacity);
    std::free(items);
    items = larger;
    capacity = s.capacity;
  }
  copySlots(items, s.items, s.capacity);  // memmove: s may be this stack
  count = s.count;
  return *this;
}

void OOSTK::print() const {
  for (int i = 0; i < count; ++i) std::printf("%d ", items[i]);
}
