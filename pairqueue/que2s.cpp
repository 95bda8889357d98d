#include "pairqueue/que2s.h"

QUE2S::QUE2S(int n) : store(n), spare(n) {}

QUE2S::QUE2S(const QUE2S& q) : store(q.store), spare(q.spare) {}

int QUE2S::pos() const { return store.pos(); }

int QUE2S::size() const { return store.size(); }

QUE2S& QUE2S::push(int v) {
  store.push(v);
  return *this;
}

QUE2S& QUE2S::pop(int& e) {
  // spare cannot overflow: it starts empty, has store's capacity, and takes
  // n - 1 elements. On an empty queue both loops are skipped and store's pop
  // ends the process.
  const int n = store.pos();
  int t;
  for (int i = 0; i < n - 1; ++i) {
    store.pop(t);
    spare.push(t);
  }
  store.pop(e);
  for (int j = 0; j < n - 1; ++j) {
    spare.pop(t);
    store.push(t);
  }
  return *this;
}

QUE2S& QUE2S::assign(const QUE2S& q) {
  store.assign(q.store);
  spare.assign(q.spare);  // empty, but keeps the two capacities equal
  return *this;
}

void QUE2S::print() const { store.print(); }
