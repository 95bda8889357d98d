// Preloaded into a program (LD_PRELOAD) to stand for a system that starts
// no more threads: every pthread_create fails as at the limit of threads.

#include <errno.h>

extern "C" int pthread_create(void*, const void*, void* (*)(void*), void*) { return EAGAIN; }
