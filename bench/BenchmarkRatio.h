// BenchmarkRatio.h - pairs of benchmarks, ours beside the reference, and their ratio.
//
// A case registers two benchmarks named "<Case>/ours" and "<Case>/reference" doing
// the same work, and its target with ORV_BENCHMARK_TARGET(Case, ratio). After the
// run, the program prints for every case the medians of both, their ratio, the
// target and the noise (coefficient of variation of the repetitions).
#pragma once

// Registers the largest acceptable ratio ours / reference of a case.
bool ORVRegisterBenchmarkTarget(const char* iCase, double iRatio);

#define ORV_BENCHMARK_TARGET_NAME(Case) orvBenchmarkTarget##Case
#define ORV_BENCHMARK_TARGET(Case, ratio) \
  static const bool ORV_BENCHMARK_TARGET_NAME(Case) = ORVRegisterBenchmarkTarget(#Case, ratio)
// Registers Case##Ours and Case##Reference as "Case/ours" and "Case/reference" in
// unit, and their largest acceptable ratio.
#define ORV_BENCHMARK_COMPARED(Case, unit, ratio)                              \
  BENCHMARK(Case##Ours)->Name(#Case "/ours")->Unit(benchmark::unit);           \
  BENCHMARK(Case##Reference)->Name(#Case "/reference")->Unit(benchmark::unit); \
  ORV_BENCHMARK_TARGET(Case, ratio)
