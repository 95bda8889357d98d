#include "heirqueue/queis.h"

#include <cstdlib>

// The calls STACK::push, STACK::pop and STACK::assign below name the base
// part's own operations, bound at compile time: through the table they would
// reach this class's overrides and recurse.

QUEIS::QUEIS(int m) : STACK(m), store(m) {}

QUEIS::QUEIS(const QUEIS& q) : STACK(q.store.size()), store(q.store) {}

int QUEIS::size() const { return store.size(); }

int QUEIS::pos() const { return store.pos(); }

STACK& QUEIS::push(int v) {
  if (store.pos() >= store.size()) std::exit(-1);
  store.push(v);
  return *this;
}

STACK& QUEIS::pop(int& e) {
  // The base part cannot overflow: it starts empty, has store's capacity, and
  // takes n - 1 elements. On an empty queue both loops are skipped and
  // store's pop ends the process.
  const int n = store.pos();
  int t;
  for (int i = 0; i < n - 1; ++i) {
    store.pop(t);
    STACK::push(t);
  }
  store.pop(e);
  for (int j = 0; j < n - 1; ++j) {
    STACK::pop(t);
    store.push(t);
  }
  return *this;
}

void QUEIS::print() const { store.print(); }

QUEIS::~QUEIS() = default;  // store, then the base part, each releasing its array

QUEIS& QUEIS::assignQueue(const QUEIS& q) {
  store.assign(q.store);
  // The base part takes q's store too, which gives it the same capacity as
  // this queue's store, and is then emptied again.
  const int n = q.store.pos();
  STACK::assign(q.store);
  int discarded;
  for (int k = 0; k < n; ++k) STACK::pop(discarded);
  return *this;
}
