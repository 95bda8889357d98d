#ifndef RECSTACK_STACKREC_H_
#define RECSTACK_STACKREC_H_

// A bounded last-in-first-out stack of int kept in a plain record and handled
// by free functions that take a pointer to it. The record and its array come
// from malloc and go back with free.
//
// The caller obtains the record (zeroed, e.g. with calloc) and hands it to
// initStack or initStackFrom; while items is null the record holds no stack,
// which is also what a failed initialisation leaves. Slot 0 is the bottom,
// and a slot never written reads as 0. Pushing onto a full stack or popping an
// empty one ends the process with status -1 and prints nothing.
struct STACKREC {
  int* items;    // capacity slots, or null while the record holds no stack
  int capacity;  // the number of slots
  int count;     // the number of stored elements; the top is items[count - 1]
};

// Gives s an empty stack of n slots. When the array cannot be obtained (or n
// is negative) s->items is null and the other fields are unchanged; nothing is
// printed. Any array s held before is not released.
void initStack(STACKREC* s, int n);

// Makes dst a copy of src: src's capacity, count and stored elements. Prints
// "构造成功！\n" or, when the array cannot be obtained, "构造失败！\n" and
// leaves dst->items null. Any array dst held before is not released.
void initStackFrom(STACKREC* dst, const STACKREC* src);

int size(const STACKREC* s);  // the capacity
int pos(const STACKREC* s);   // the number of stored elements
// The value in slot i; 0 when i lies outside the array.
int get(const STACKREC* s, int i);
STACKREC* push(STACKREC* s, int v);
// Removes the top element into *e.
STACKREC* pop(STACKREC* s, int* e);

// Copies all of src's slots and its count into dst, and gives dst src's
// capacity: dst's array is replaced when it has fewer slots than src, and
// kept otherwise, so the capacity may become smaller. Ends the process with
// status -1 when a larger array cannot be obtained.
STACKREC* assign(STACKREC* dst, const STACKREC* src);

// Writes the elements, bottom first, each as "%d " through printf.
void print(const STACKREC* s);

// Releases the array and the record itself; s is dead afterwards. A null s
// is nothing to release.
void destroy(STACKREC* s);

#endif  // RECSTACK_STACKREC_H_
