// ORVList beside std::list<void*>: appending one million elements, walking them with
// an iterator, and removing every other element at the iterator's cursor while
// walking. Both sides hold the same pointers. The walk uses the list's own iterator
// class; the walk through the base class is measured beside, for information.
#include <benchmark/benchmark.h>

#include <list>
#include <vector>

#include "BenchKeyed.h"
#include "BenchmarkRatio.h"
#include "ORVIterator.h"
#include "ORVList.h"
#include "ORVListIterator.h"

namespace {

const int kCount = 1000000;

const std::vector<PEVBaseUnknown*>& Elements() {
  static const std::vector<PEVBaseUnknown*>* elements = [] {
    auto* made = new std::vector<PEVBaseUnknown*>();
    for (int i = 0; i < kCount; ++i)
      made->push_back(MakeBenchKeyed(i));
    return made;
  }();
  return *elements;
}

void FillOurs(ORVList& ioList) {
  for (PEVBaseUnknown* element : Elements())
    ioList.Append(element);
}

void FillReference(std::list<void*>& ioList) {
  for (PEVBaseUnknown* element : Elements())
    ioList.push_back(element);
}

void ListAppendOurs(benchmark::State& ioState) {
  Elements();
  for (auto _ : ioState) {
    ORVList list(ORVDoNothingAtDelete);
    FillOurs(list);
    benchmark::DoNotOptimize(list.Size());
  }
}

void ListAppendReference(benchmark::State& ioState) {
  Elements();
  for (auto _ : ioState) {
    std::list<void*> list;
    FillReference(list);
    benchmark::DoNotOptimize(list.size());
  }
}

void ListIterateOurs(benchmark::State& ioState) {
  ORVList list(ORVDoNothingAtDelete);
  FillOurs(list);
  for (auto _ : ioState) {
    ORVListIterator iterator(&list, nullptr, 0, nullptr);
    while (PEVBaseUnknown* element = iterator.Next())
      benchmark::DoNotOptimize(element);
  }
}

// Through the iterator MakeIterator hands out, as code holding an ORVContainer& does:
// a virtual call per element. For information: no target.
void ListIterateThroughBaseOurs(benchmark::State& ioState) {
  ORVList list(ORVDoNothingAtDelete);
  FillOurs(list);
  const ORVContainer* container = &list;
  benchmark::DoNotOptimize(container);
  for (auto _ : ioState) {
    ORVIterator* iterator = container->MakeIterator(nullptr);
    while (PEVBaseUnknown* element = iterator->Next())
      benchmark::DoNotOptimize(element);
    iterator->Release();
  }
}

void ListIterateReference(benchmark::State& ioState) {
  std::list<void*> list;
  FillReference(list);
  for (auto _ : ioState)
    for (void* element : list)
      benchmark::DoNotOptimize(element);
}

void ListRemoveAtCursorOurs(benchmark::State& ioState) {
  ORVList list(ORVDoNothingAtDelete);
  for (auto _ : ioState) {
    ioState.PauseTiming();
    list.Clear(0);
    FillOurs(list);
    ioState.ResumeTiming();
    ORVIterator* iterator = list.MakeIterator(nullptr);
    auto* cursor = const_cast<ORVCursor*>(iterator->Position());
    bool remove = true;
    while (iterator->Next()) {
      if (remove) benchmark::DoNotOptimize(list.Remove(cursor));
      remove = !remove;
    }
    iterator->Release();
  }
}

void ListRemoveAtCursorReference(benchmark::State& ioState) {
  std::list<void*> list;
  for (auto _ : ioState) {
    ioState.PauseTiming();
    list.clear();
    FillReference(list);
    ioState.ResumeTiming();
    bool remove = true;
    for (auto it = list.begin(); it != list.end();) {
      if (remove) {
        benchmark::DoNotOptimize(*it);
        it = list.erase(it);
      } else {
        ++it;
      }
      remove = !remove;
    }
  }
}

}  // namespace

ORV_BENCHMARK_COMPARED(ListAppend, kMillisecond, 1.3);

ORV_BENCHMARK_COMPARED(ListIterate, kMillisecond, 1.3);
BENCHMARK(ListIterateThroughBaseOurs)
    ->Name("ListIterateThroughBase/ours")
    ->Unit(benchmark::kMillisecond);

ORV_BENCHMARK_COMPARED(ListRemoveAtCursor, kMillisecond, 1.3);
