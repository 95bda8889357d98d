// Throughput of the containers against their peers in the standard library:
// push+pop on the three stacks, and one removal from the two queues built of
// stacks, whose cost grows with the length of the queue.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <queue>
#include <vector>

#include "heirqueue/queis.h"
#include "objstack/oostk.h"
#include "pairqueue/que2s.h"
#include "recstack/stackrec.h"
#include "stack/stack.h"

namespace {

constexpr int kDepth = 1024;  // elements pushed, then popped, per iteration

// STACK through a pointer whose dynamic type the compiler cannot see, so that
// each call goes through the table, as in the programs.
void StackThroughPointer(benchmark::State& state) {
  STACK* s = new STACK(kDepth);
  benchmark::DoNotOptimize(s);
  int e = 0;
  for (auto _ : state) {
    for (int i = 0; i < kDepth; ++i) s->push(i);
    for (int i = 0; i < kDepth; ++i) s->pop(e);
    benchmark::DoNotOptimize(e);
  }
  state.SetItemsProcessed(state.iterations() * kDepth);
  delete s;
}
BENCHMARK(StackThroughPointer);

void ObjectStack(benchmark::State& state) {
  OOSTK s(kDepth);
  int e = 0;
  for (auto _ : state) {
    for (int i = 0; i < kDepth; ++i) s.push(i);
    for (int i = 0; i < kDepth; ++i) s.pop(e);
    benchmark::DoNotOptimize(e);
  }
  state.SetItemsProcessed(state.iterations() * kDepth);
}
BENCHMARK(ObjectStack);

void StackRecord(benchmark::State& state) {
  STACKREC* s = static_cast<STACKREC*>(std::calloc(1, sizeof(STACKREC)));
  initStack(s, kDepth);
  int e = 0;
  for (auto _ : state) {
    for (int i = 0; i < kDepth; ++i) push(s, i);
    for (int i = 0; i < kDepth; ++i) pop(s, &e);
    benchmark::DoNotOptimize(e);
  }
  state.SetItemsProcessed(state.iterations() * kDepth);
  destroy(s);
}
BENCHMARK(StackRecord);

void StdVectorReserved(benchmark::State& state) {
  std::vector<int> s;
  s.reserve(kDepth);
  int e = 0;
  for (auto _ : state) {
    for (int i = 0; i < kDepth; ++i) s.push_back(i);
    for (int i = 0; i < kDepth; ++i) {
      e = s.back();
      s.pop_back();
    }
    benchmark::DoNotOptimize(e);
  }
  state.SetItemsProcessed(state.iterations() * kDepth);
}
BENCHMARK(StdVectorReserved);

// One removal from a queue of n elements, then one insertion so that the
// queue keeps its length.
template <typename Queue>
void RemoveOne(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Queue q(n);
  for (int i = 0; i < n; ++i) q.push(i);
  int e = 0;
  for (auto _ : state) {
    q.pop(e);
    q.push(e);
  }
  benchmark::DoNotOptimize(e);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RemoveOne<QUE2S>)->Name("QUE2S_RemoveOne")->Arg(15)->Arg(150)->Arg(1500)->Arg(15000);
BENCHMARK(RemoveOne<QUEIS>)->Name("QUEIS_RemoveOne")->Arg(15)->Arg(150)->Arg(1500)->Arg(15000);

void StdQueueRemoveOne(benchmark::State& state) {
  std::queue<int> q;
  for (int i = 0; i < state.range(0); ++i) q.push(i);
  int e = 0;
  for (auto _ : state) {
    e = q.front();
    q.pop();
    q.push(e);
  }
  benchmark::DoNotOptimize(e);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(StdQueueRemoveOne)->Arg(15)->Arg(150)->Arg(1500)->Arg(15000);

}  // namespace

BENCHMARK_MAIN();
