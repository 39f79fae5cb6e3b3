// ORVString beside std::string: copying a 1 KiB value (sharing against copying),
// appending one character at a time, and extracting 16 characters.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchmarkRatio.h"
#include "ORVString.h"

namespace {

const int kAppendedChars = 1000;

std::string Letters(int iCount) {
  std::string letters;
  for (int i = 0; i < iCount; ++i)
    letters += (char)('a' + i % 26);
  return letters;
}

void StringCopy1KiBOurs(benchmark::State& ioState) {
  ORVString source(Letters(1024).c_str());
  for (auto _ : ioState) {
    ORVString copy(source);
    benchmark::DoNotOptimize(copy.GetChars());
    benchmark::ClobberMemory();
  }
}

void StringCopy1KiBReference(benchmark::State& ioState) {
  std::string source = Letters(1024);
  for (auto _ : ioState) {
    std::string copy(source);
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}

void StringAppendCharOurs(benchmark::State& ioState) {
  std::string letters = Letters(kAppendedChars);
  for (auto _ : ioState) {
    ORVString value;
    for (int i = 0; i < kAppendedChars; ++i)
      value.Concat(&letters[i], 1);
    benchmark::DoNotOptimize(value.GetChars());
    benchmark::ClobberMemory();
  }
  ioState.SetItemsProcessed(ioState.iterations() * kAppendedChars);
}

void StringAppendCharReference(benchmark::State& ioState) {
  std::string letters = Letters(kAppendedChars);
  for (auto _ : ioState) {
    std::string value;
    for (int i = 0; i < kAppendedChars; ++i)
      value.push_back(letters[i]);
    benchmark::DoNotOptimize(value.data());
    benchmark::ClobberMemory();
  }
  ioState.SetItemsProcessed(ioState.iterations() * kAppendedChars);
}

void StringSubString16Ours(benchmark::State& ioState) {
  ORVString source(Letters(256).c_str());
  int start = 0;
  for (auto _ : ioState) {
    ORVString part = source.SubString(start, 16);
    benchmark::DoNotOptimize(part.GetChars());
    benchmark::ClobberMemory();
    start += 7;
    if (start >= 240) start -= 240;
  }
}

void StringSubString16Reference(benchmark::State& ioState) {
  std::string source = Letters(256);
  std::size_t start = 0;
  for (auto _ : ioState) {
    std::string part = source.substr(start, 16);
    benchmark::DoNotOptimize(part.data());
    benchmark::ClobberMemory();
    start += 7;
    if (start >= 240) start -= 240;
  }
}

}  // namespace

BENCHMARK(StringCopy1KiBOurs)->Name("StringCopy1KiB/ours");
BENCHMARK(StringCopy1KiBReference)->Name("StringCopy1KiB/reference");
ORV_BENCHMARK_TARGET(StringCopy1KiB, 0.25);

BENCHMARK(StringAppendCharOurs)->Name("StringAppendChar/ours");
BENCHMARK(StringAppendCharReference)->Name("StringAppendChar/reference");
ORV_BENCHMARK_TARGET(StringAppendChar, 2.0);

BENCHMARK(StringSubString16Ours)->Name("StringSubString16/ours");
BENCHMARK(StringSubString16Reference)->Name("StringSubString16/reference");
ORV_BENCHMARK_TARGET(StringSubString16, 2.0);
