#ifndef PAIRQUEUE_QUE2S_H_
#define PAIRQUEUE_QUE2S_H_

#include "stack/stack.h"

// A bounded first-in-first-out queue of int made of two stacks, and working
// only through their public operations. store holds the queue, oldest at the
// bottom; spare is empty between operations and holds the newer elements
// while pop digs the oldest one out from under them. Insertion is one push;
// removal moves the n - 1 newer elements out and back, 4(n - 1) + 1 stack
// operations. A full queue's push and an empty queue's pop end the process
// with status -1. Nothing here is virtual.
class QUE2S {
 public:
  // A capacity of 0 or less makes a queue that can hold nothing.
  explicit QUE2S(int n);
  // The copy holds q's elements in q's order and shares no storage with it.
  QUE2S(const QUE2S& q);
  QUE2S& operator=(const QUE2S&) = delete;  // assign() is the way to copy

  int pos() const;   // the number of elements
  int size() const;  // the capacity
  QUE2S& push(int v);
  // Removes the oldest element into e.
  QUE2S& pop(int& e);
  // Takes over q's elements in q's order; the capacity grows to q's when q's
  // is larger (both stacks alike) and stays otherwise.
  QUE2S& assign(const QUE2S& q);
  // Writes the elements, oldest first, each as "%d " through printf.
  void print() const;

  // How a drawing sees the queue (platform/drawing.h): its elements, oldest
  // first, in store, and the two stacks it is made of.
  template <typename Drawing>
  void describeTo(Drawing& drawing, const char* role) const {
    drawing.queue(role, size(), pos(), [this](int i) { return store.get(i); });
    drawing.stack("store", store.size(), store.pos(), [this](int i) { return store.get(i); });
    drawing.stack("spare", spare.size(), spare.pos(), [this](int i) { return spare.get(i); });
    drawing.endQueue();
  }

 private:
  STACK store;
  STACK spare;
};

#endif  // PAIRQUEUE_QUE2S_H_
