#ifndef HEIRQUEUE_QUEIS_H_
#define HEIRQUEUE_QUEIS_H_

#include "stack/stack.h"

// A bounded first-in-first-out queue of int that is a STACK and holds one more
// STACK. The member store holds the queue, oldest at the bottom; the base part
// is the scratch stack of removal and is empty between operations. size, pos,
// push, pop and print are overridden to show the queue in store; get and
// assign are STACK's own and act on the base part alone. A full queue's push
// and an empty queue's pop end the process with status -1.
class QUEIS : public STACK {
 public:
  // A capacity of 0 or less makes a queue that can hold nothing.
  explicit QUEIS(int m);
  // The copy holds q's elements in q's order and shares no storage with it;
  // q's base part is not read.
  QUEIS(const QUEIS& q);
  QUEIS& operator=(const QUEIS&) = delete;  // assignQueue() is the way to copy

  int size() const override;  // the capacity
  int pos() const override;   // the number of elements
  STACK& push(int v) override;
  // Removes the oldest element into e, moving the n - 1 newer ones through
  // the base part and back: 4(n - 1) + 1 stack operations.
  STACK& pop(int& e) override;
  // Writes the elements, oldest first, each as "%d " through printf.
  void print() const override;
  ~QUEIS() override;

  // Makes this queue hold exactly q's elements in q's order. Both stacks take
  // q's capacity when it is larger and keep theirs otherwise.
  virtual QUEIS& assignQueue(const QUEIS& q);

  // How a drawing sees the queue (platform/drawing.h): its elements, oldest
  // first, in store, and the two stacks it is made of, the base part and
  // store.
  template <typename Drawing>
  void describeTo(Drawing& drawing, const char* role) const {
    drawing.queue(role, size(), pos(), [this](int i) { return store.get(i); });
    drawing.stack("base", STACK::size(), STACK::pos(), [this](int i) { return STACK::get(i); });
    drawing.stack("store", store.size(), store.pos(), [this](int i) { return store.get(i); });
    drawing.endQueue();
  }

 private:
  STACK store;
};

#endif  // HEIRQUEUE_QUEIS_H_
