// ORVHashTable beside std::unordered_set: one million insertions, successful and
// failed lookups of texts. Ours holds ORVString elements keyed by the library's text
// hash coder and comparator (ORVStringExtCharsHash, ORVStringExtCharsCmp: virtual calls
// with class checks); the reference holds std::string_view keys of the same texts, made
// beforehand as our elements are, with the same hash written inline and string
// equality. Neither is told the number of elements in advance. The memory each takes
// per element, allocation overhead included, is reported as a counter.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "BenchmarkRatio.h"
#include "ORVHashTable.h"
#include "ORVString.h"
#include "ORVStringExtCharsCmp.h"
#include "ORVStringExtCharsHash.h"

namespace {

const int kCount = 1000000;

// The texts of the elements, probes holding the same texts (other objects, in another
// order) and probes holding texts that are not there; each as our strings and as the
// reference's.
struct BenchData {
  BenchData() {
    std::mt19937 generator(7);
    char name[64];
    for (int i = 0; i < kCount; ++i) {
      snprintf(name, sizeof(name), "item-%08x-%d", (unsigned)generator(), i);
      _ElementTexts.emplace_back(name);
    }
    std::vector<int> order(kCount);
    for (int i = 0; i < kCount; ++i)
      order[(std::size_t)i] = i;
    std::shuffle(order.begin(), order.end(), generator);
    for (int i : order)
      _FoundTexts.push_back(_ElementTexts[(std::size_t)i]);  // a copy of the text
    for (int i = 0; i < kCount; ++i) {
      snprintf(name, sizeof(name), "miss-%08x-%d", (unsigned)generator(), i);
      _MissingTexts.emplace_back(name);
    }
    for (auto* texts : {&_ElementTexts, &_FoundTexts, &_MissingTexts}) {
      auto& strings = texts == &_ElementTexts ? _Elements
                      : texts == &_FoundTexts ? _Found
                                              : _Missing;
      for (const std::string& text : *texts)
        strings.push_back(new ORVString(text.c_str()));
    }
  }

  std::vector<std::string> _ElementTexts;
  std::vector<std::string> _FoundTexts;
  std::vector<std::string> _MissingTexts;
  std::vector<PEVBaseUnknown*> _Elements;
  std::vector<PEVBaseUnknown*> _Found;
  std::vector<PEVBaseUnknown*> _Missing;
};

const BenchData& Data() {
  static const BenchData* data = new BenchData();
  return *data;
}

// The text hash of the library (length, then code * 17 + signed byte), inline.
struct ReferenceHash {
  std::size_t operator()(std::string_view iText) const {
    auto hash = (uint32_t)iText.size();
    for (char character : iText)
      hash = hash * UINT32_C(17) + (uint32_t)(int)(signed char)character;
    return hash;
  }
};
using ReferenceSet = std::unordered_set<std::string_view, ReferenceHash>;

// Bytes the process has taken from malloc, in the heap and in mapped blocks.
long long AllocatedBytes() {
  struct mallinfo2 info = mallinfo2();
  return (long long)(info.uordblks + info.hblkhd);
}

ORVHashTable* MakeTable() {
  return new ORVHashTable(*ORVStringExtCharsHash::GetGlobal(), *ORVStringExtCharsCmp::GetGlobal(),
                          ORVDoNothingAtDelete, 0);
}

void FillOurs(ORVHashTable& ioTable) {
  for (PEVBaseUnknown* element : Data()._Elements)
    ioTable.Add(element, 0);
}

void FillReference(ReferenceSet& ioSet) {
  for (const std::string& text : Data()._ElementTexts)
    ioSet.insert(text);
}

double OursBytesPerElement() {
  long long before = AllocatedBytes();
  ORVHashTable* table = MakeTable();
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
    ORVHashTable* table = MakeTable();
    FillOurs(*table);
    benchmark::DoNotOptimize(table->Size());
    table->Release();
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
  ORVHashTable* table = MakeTable();
  FillOurs(*table);
  for (auto _ : ioState)
    for (PEVBaseUnknown* probe : iProbes)
      benchmark::DoNotOptimize(table->LookupOne(probe));
  table->Release();
}

void HashLookupReference(benchmark::State& ioState, const std::vector<std::string>& iProbes) {
  ReferenceSet set;
  FillReference(set);
  for (auto _ : ioState)
    for (const std::string& probe : iProbes) {
      auto found = set.find(probe);
      benchmark::DoNotOptimize(found == set.end() ? nullptr : found->data());
    }
}

void HashLookupFoundOurs(benchmark::State& ioState) {
  HashLookupOurs(ioState, Data()._Found);
}
void HashLookupFoundReference(benchmark::State& ioState) {
  HashLookupReference(ioState, Data()._FoundTexts);
}
void HashLookupMissingOurs(benchmark::State& ioState) {
  HashLookupOurs(ioState, Data()._Missing);
}
void HashLookupMissingReference(benchmark::State& ioState) {
  HashLookupReference(ioState, Data()._MissingTexts);
}

}  // namespace

ORV_BENCHMARK_COMPARED(HashInsert, kMillisecond, 1.5);

ORV_BENCHMARK_COMPARED(HashLookupFound, kMillisecond, 1.3);

ORV_BENCHMARK_COMPARED(HashLookupMissing, kMillisecond, 1.3);
