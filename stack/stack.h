#ifndef STACK_STACK_H_
#define STACK_STACK_H_

// A bounded last-in-first-out stack of int. The capacity is fixed when the
// stack is made; only assign() from a stack with more slots enlarges it, and
// nothing ever shrinks it.
//
// Slot 0 is the bottom. Popping leaves the slot's value in place, and a slot
// never written reads as 0. Pushing onto a full stack or popping an empty one
// ends the process with status -1 and prints nothing; so does a failure to
// obtain the element array. Every operation is virtual, so that a class built
// on a stack (the inheriting queue) can stand in for it.
class STACK {
 public:
  // A capacity of 0 or less makes a stack that can hold nothing. The array
  // costs no memory until its slots are used, however large the capacity.
  explicit STACK(int n);
  // The copy has an array of its own holding all of s's slots, not only the
  // stored elements.
  STACK(const STACK& s);
  STACK& operator=(const STACK&) = delete;  // assign() is the way to copy
  virtual ~STACK();

  virtual int size() const;  // the capacity
  virtual int pos() const;   // the number of stored elements
  // The value in slot i, read even above the top; 0 when i lies outside the
  // array.
  virtual int get(int i) const;
  virtual STACK& push(int e);
  // Removes the top element into e.
  virtual STACK& pop(int& e);
  // Takes over s's count and all of s's slots; the array grows to s's
  // capacity when s has more slots, and the slots above s's capacity keep
  // their values.
  virtual STACK& assign(const STACK& s);
  // Writes the elements, bottom first, each as "%d " through printf.
  virtual void print() const;

 private:
  int* items;
  int capacity;
  int count;
};

#endif  // STACK_STACK_H_
