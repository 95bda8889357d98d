#include "recstack/stackrec.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

// An array of n zeroed slots, or null when n < 0 or it cannot be had: the
// callers report that failure in their own ways. calloc hands out zero pages
// without touching them, so even a huge stack costs nothing until it is used.
// One slot at least, so that a stack of capacity 0 has an array too.
static int* zeroedSlots(int n) {
  if (n < 0) return NULL;
  return (int*)calloc(n > 0 ? (size_t)n : 1, sizeof(int));
}

void initStack(STACKREC* s, int n) {
  s->items = zeroedSlots(n);
  if (s->items == NULL) return;
  s->capacity = n;
  s->count = 0;
}

void initStackFrom(STACKREC* dst, const STACKREC* src) {
  dst->items = zeroedSlots(src->capacity);
  if (dst->items == NULL) {
    printf("构造失败！\n");
    return;
  }
  memcpy(dst->items, src->items, (size_t)src->count * sizeof(int));
  dst->capacity = src->capacity;
  dst->count = src->count;
  printf("构造成功！\n");
}

int size(const STACKREC* s) { return s->capacity; }

int pos(const STACKREC* s) { return s->count; }

int get(const STACKREC* s, int i) { return i >= 0 && i < s->capacity ? s->items[i] : 0; }

STACKREC* push(STACKREC* s, int v) {
  if (s->count == s->capacity) exit(-1);
  s->items[s->count] = v;
  s->count++;
  return s;
}

STACKREC* pop(STACKREC* s, int* e) {
  if (s->count == 0) exit(-1);
  s->count--;
  *e = s->items[s->count];
  return s;
}

STACKREC* assign(STACKREC* dst, const STACKREC* src) {
  if (dst->capacity < src->capacity) {
    int* larger = zeroedSlots(src->capacity);
    if (larger == NULL) exit(-1);
    free(dst->items);
    dst->items = larger;
  }
  // memmove: src may be dst itself.
  memmove(dst->items, src->items, (size_t)src->capacity * sizeof(int));
  dst->capacity = src->capacity;
  dst->count = src->count;
  return dst;
}

void print(const STACKREC* s) {
  for (int i = 0; i < s->count; i++) printf("%d ", s->items[i]);
}

void destroy(STACKREC* s) {
  if (s == NULL) return;
  free(s->items);
  free(s);
}
