// ORVVector and ORVSortedVector beside std::vector: appending, indexing, sorting and
// binary search on one million elements. Both sides of a case handle the same
// pointers; sorting and searching call the same comparator through the same virtual
// call.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "BenchKeyed.h"
#include "BenchmarkRatio.h"
#include "ORVComparator.h"
#include "ORVSortedVector.h"
#include "ORVVector.h"

namespace {

const int kCount = 1000000;

// The elements (keys 0..kCount-1 in random order) and as many probes of existing keys.
struct BenchData {
  BenchData() {
    std::mt19937 generator(42);
    std::vector<int> keys(kCount);
    for (int i = 0; i < kCount; ++i)
      keys[(std::size_t)i] = i;
    std::shuffle(keys.begin(), keys.end(), generator);
    for (int key : keys)
      _Elements.push_back(MakeBenchKeyed(key));
    for (int i = 0; i < kCount; ++i)
      _Probes.push_back(MakeBenchKeyed((int)(generator() % (unsigned)kCount)));
    _pComparator = MakeBenchKeyCmp();
  }

  std::vector<PEVBaseUnknown*> _Elements;
  std::vector<PEVBaseUnknown*> _Probes;
  ORVComparator* _pComparator;
};

const BenchData& Data() {
  static const BenchData* data = new BenchData();
  return *data;
}

const ORVComparator& OpaqueComparator() {
  return *Data()._pComparator;
}

void VectorAppendOurs(benchmark::State& ioState) {
  const std::vector<PEVBaseUnknown*>& elements = Data()._Elements;
  for (auto _ : ioState) {
    ORVVector vector(ORVDoNothingAtDelete);
    for (PEVBaseUnknown* element : elements)
      vector.Append(element);
    benchmark::DoNotOptimize(vector.Contents());
    benchmark::ClobberMemory();
  }
}

void VectorAppendReference(benchmark::State& ioState) {
  const std::vector<PEVBaseUnknown*>& elements = Data()._Elements;
  for (auto _ : ioState) {
    std::vector<void*> vector;
    for (PEVBaseUnknown* element : elements)
      vector.push_back(element);
    benchmark::DoNotOptimize(vector.data());
    benchmark::ClobberMemory();
  }
}

// Both sides scan one array allocated at its final size: how a grown array is mapped
// (the allocator's business) is not measured here.
void VectorIndexOurs(benchmark::State& ioState) {
  ORVVector vector(ORVDoNothingAtDelete, kCount);
  for (PEVBaseUnknown* element : Data()._Elements)
    vector.Append(element);
  for (auto _ : ioState) {
    int count = vector.Size();
    for (int i = 0; i < count; ++i)
      benchmark::DoNotOptimize(vector[i]);
  }
}

void VectorIndexReference(benchmark::State& ioState) {
  std::vector<void*> vector(Data()._Elements.begin(), Data()._Elements.end());
  for (auto _ : ioState) {
    int count = (int)vector.size();
    for (int i = 0; i < count; ++i)
      benchmark::DoNotOptimize(vector[(std::size_t)i]);
  }
}

// Indexing through the base class, as code holding an ORVSeqCollection& does: a
// virtual call per element. For information: no target.
void VectorIndexThroughBaseOurs(benchmark::State& ioState) {
  ORVVector vector(ORVDoNothingAtDelete, kCount);
  for (PEVBaseUnknown* element : Data()._Elements)
    vector.Append(element);
  const ORVSeqCollection* sequence = &vector;
  benchmark::DoNotOptimize(sequence);
  for (auto _ : ioState) {
    int count = sequence->Size();
    for (int i = 0; i < count; ++i)
      benchmark::DoNotOptimize((*sequence)[i]);
  }
}

void SortedVectorSortOurs(benchmark::State& ioState) {
  ORVVector unsorted(ORVDoNothingAtDelete, kCount);
  for (PEVBaseUnknown* element : Data()._Elements)
    unsorted.Append(element);
  ORVSortedVector vector(OpaqueComparator(), ORVDoNothingAtDelete, kCount);
  for (auto _ : ioState) {
    ioState.PauseTiming();
    static_cast<ORVVector&>(vector) = unsorted;
    ioState.ResumeTiming();
    vector.Sort();
    benchmark::ClobberMemory();
  }
}

void SortedVectorSortReference(benchmark::State& ioState) {
  const ORVComparator& comparator = OpaqueComparator();
  std::vector<PEVBaseUnknown*> vector(Data()._Elements);
  for (auto _ : ioState) {
    ioState.PauseTiming();
    vector = Data()._Elements;
    ioState.ResumeTiming();
    std::sort(vector.begin(), vector.end(),
              [&comparator](const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) {
                return comparator.CompareObjects(iFirst, iSecond) < 0;
              });
    benchmark::ClobberMemory();
  }
}

void SortedVectorLookupOneOurs(benchmark::State& ioState) {
  ORVSortedVector vector(OpaqueComparator(), ORVDoNothingAtDelete, kCount);
  for (PEVBaseUnknown* element : Data()._Elements)
    vector.Append(element);
  vector.Sort();
  const std::vector<PEVBaseUnknown*>& probes = Data()._Probes;
  for (auto _ : ioState)
    for (PEVBaseUnknown* probe : probes)
      benchmark::DoNotOptimize(vector.LookupOne(probe));
}

void SortedVectorLookupOneReference(benchmark::State& ioState) {
  const ORVComparator& comparator = OpaqueComparator();
  std::vector<PEVBaseUnknown*> vector(Data()._Elements);
  std::sort(vector.begin(), vector.end(),
            [&comparator](const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) {
              return comparator.CompareObjects(iFirst, iSecond) < 0;
            });
  const std::vector<PEVBaseUnknown*>& probes = Data()._Probes;
  for (auto _ : ioState) {
    for (PEVBaseUnknown* probe : probes) {
      auto found = std::lower_bound(
          vector.begin(), vector.end(), probe,
          [&comparator](const PEVBaseUnknown* iElement, const PEVBaseUnknown* iProbe) {
            return comparator.CompareObjects(iElement, iProbe) < 0;
          });
      benchmark::DoNotOptimize(*found);
    }
  }
}

}  // namespace

ORV_BENCHMARK_COMPARED(VectorAppend, kMillisecond, 1.5);

ORV_BENCHMARK_COMPARED(VectorIndex, kMicrosecond, 1.5);
BENCHMARK(VectorIndexThroughBaseOurs)
    ->Name("VectorIndexThroughBase/ours")
    ->Unit(benchmark::kMicrosecond);

ORV_BENCHMARK_COMPARED(SortedVectorSort, kMillisecond, 1.2);

ORV_BENCHMARK_COMPARED(SortedVectorLookupOne, kMillisecond, 1.3);
