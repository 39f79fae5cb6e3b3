// ORVHashTable beside std::unordered_set: one million insertions, successful and
// failed lookups of elements keyed by name. Both sides hash and compare through the
// same coder and comparator objects (FNV-1a and strcmp of an ORVString), by the same
// virtual calls; neither is told the number of elements in advance. The memory each
// takes per element, allocation overhead included, is reported as a counter.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <unordered_set>
#include <vector>

#include "BenchNamed.h"
#include "BenchmarkRatio.h"
#include "ORVComparator.h"
#include "ORVHashCoder.h"
#include "ORVHashTable.h"

namespace {

const int kCount = 1000000;

// The elements, probes holding the same names (other objects, in another order) and
// probes holding names that are not there.
struct BenchData {
  BenchData() {
    std::mt19937 generator(7);
    char name[64];
    for (int i = 0; i < kCount; ++i) {
      snprintf(name, sizeof(name), "item-%08x-%d", (unsigned)generator(), i);
      _Elements.push_back(MakeBenchNamed(name));
    }
    std::vector<int> order(kCount);
    for (int i = 0; i < kCount; ++i)
      order[(std::size_t)i] = i;
    std::shuffle(order.begin(), order.end(), generator);
    _pCoder = MakeBenchNameHash();
    _pComparator = MakeBenchNameCmp();
    for (int i : order) {
      // The same name again, from the element itself.
      snprintf(name, sizeof(name), "%s", BenchNamedName(_Elements[(std::size_t)i]));
      _Found.push_back(MakeBenchNamed(name));
    }
    for (int i = 0; i < kCount; ++i) {
      snprintf(name, sizeof(name), "miss-%08x-%d", (unsigned)generator(), i);
      _Missing.push_back(MakeBenchNamed(name));
    }
  }

  std::vector<PEVBaseUnknown*> _Elements;
  std::vector<PEVBaseUnknown*> _Found;
  std::vector<PEVBaseUnknown*> _Missing;
  ORVHashCoder* _pCoder;
  ORVComparator* _pComparator;
};

const BenchData& Data() {
  static const BenchData* data = new BenchData();
  return *data;
}

// The reference's hash and equality: the same coder and comparator.
struct ReferenceHash {
  std::size_t operator()(const PEVBaseUnknown* iElement) const {
    return Data()._pCoder->Code(iElement);
  }
};
struct ReferenceEqual {
  bool operator()(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const {
    return Data()._pComparator->CompareObjects(iFirst, iSecond) == 0;
  }
};
using ReferenceSet = std::unordered_set<PEVBaseUnknown*, ReferenceHash, ReferenceEqual>;

// Bytes the process has taken from malloc, in the heap and in mapped blocks.
long long AllocatedBytes() {
  struct mallinfo2 info = mallinfo2();
  return (long long)(info.uordblks + info.hblkhd);
}

void FillOurs(ORVHashTable& ioTable) {
  for (PEVBaseUnknown* element : Data()._Elements)
    ioTable.Add(element, 0);
}

void FillReference(ReferenceSet& ioSet) {
  for (PEVBaseUnknown* element : Data()._Elements)
    ioSet.insert(element);
}

double OursBytesPerElement() {
  long long before = AllocatedBytes();
  auto* table = new ORVHashTable(*Data()._pCoder, *Data()._pComparator, ORVDoNothingAtDelete, 0);
  FillOurs(*table);
  long long used = AllocatedBytes() - before;
  table->Release();
  return (double)used / kCount;
}

double ReferenceBytesPerElement() {
  long long before = AllocatedBytes();
  auto* set = new ReferenceSet();
  FillReference(*set);
  long long used = AllocatedBytes() - before;
  delete set;
  return (double)used / kCount;
}

void HashInsertOurs(benchmark::State& ioState) {
  Data();
  ioState.counters["bytes_per_element"] = OursBytesPerElement();
  for (auto _ : ioState) {
    ORVHashTable table(*Data()._pCoder, *Data()._pComparator, ORVDoNothingAtDelete, 0);
    FillOurs(table);
    benchmark::DoNotOptimize(table.Size());
  }
}

void HashInsertReference(benchmark::State& ioState) {
  Data();
  ioState.counters["bytes_per_element"] = ReferenceBytesPerElement();
  for (auto _ : ioState) {
    ReferenceSet set;
    FillReference(set);
    benchmark::DoNotOptimize(set.size());
  }
}

void HashLookupOurs(benchmark::State& ioState, const std::vector<PEVBaseUnknown*>& iProbes) {
  ORVHashTable table(*Data()._pCoder, *Data()._pComparator, ORVDoNothingAtDelete, 0);
  FillOurs(table);
  for (auto _ : ioState)
    for (PEVBaseUnknown* probe : iProbes)
      benchmark::DoNotOptimize(table.LookupOne(probe));
}

void HashLookupReference(benchmark::State& ioState, const std::vector<PEVBaseUnknown*>& iProbes) {
  ReferenceSet set;
  FillReference(set);
  for (auto _ : ioState)
    for (PEVBaseUnknown* probe : iProbes) {
      auto found = set.find(probe);
      benchmark::DoNotOptimize(found == set.end() ? nullptr : *found);
    }
}

void HashLookupFoundOurs(benchmark::State& ioState) {
  HashLookupOurs(ioState, Data()._Found);
}
void HashLookupFoundReference(benchmark::State& ioState) {
  HashLookupReference(ioState, Data()._Found);
}
void HashLookupMissingOurs(benchmark::State& ioState) {
  HashLookupOurs(ioState, Data()._Missing);
}
void HashLookupMissingReference(benchmark::State& ioState) {
  HashLookupReference(ioState, Data()._Missing);
}

}  // namespace

BENCHMARK(HashInsertOurs)->Name("HashInsert/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(HashInsertReference)->Name("HashInsert/reference")->Unit(benchmark::kMillisecond);
ORV_BENCHMARK_TARGET(HashInsert, 1.5);

BENCHMARK(HashLookupFoundOurs)->Name("HashLookupFound/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(HashLookupFoundReference)
    ->Name("HashLookupFound/reference")
    ->Unit(benchmark::kMillisecond);
ORV_BENCHMARK_TARGET(HashLookupFound, 1.3);

BENCHMARK(HashLookupMissingOurs)->Name("HashLookupMissing/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(HashLookupMissingReference)
    ->Name("HashLookupMissing/reference")
    ->Unit(benchmark::kMillisecond);
ORV_BENCHMARK_TARGET(HashLookupMissing, 1.3);
