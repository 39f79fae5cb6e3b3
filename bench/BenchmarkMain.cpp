// The benchmark program: runs every case with repetitions and prints the ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "BenchmarkRatio.h"
#include "ORVGlobalObjectCleaner.h"

namespace {

struct Measure {
  double _Median = NAN;
  double _Mean = NAN;
  double _Deviation = NAN;
};

struct Case {
  Measure _Ours;
  Measure _Reference;
  double _Target = NAN;
};

std::map<std::string, Case>& Cases() {
  static std::map<std::string, Case> cases;
  return cases;
}

// Collects the aggregates of "<Case>/ours" and "<Case>/reference" while printing as usual.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& iRuns) override {
    ConsoleReporter::ReportRuns(iRuns);
    for (const Run& run : iRuns)
      Collect(run);
  }

private:
  void Collect(const Run& iRun) {
    std::string name = iRun.run_name.function_name;
    std::size_t slash = name.rfind('/');
    if (slash == std::string::npos) return;
    std::string side = name.substr(slash + 1);
    if (side != "ours" && side != "reference") return;
    Case& entry = Cases()[name.substr(0, slash)];
    Measure& measure = side == "ours" ? entry._Ours : entry._Reference;
    double time = iRun.GetAdjustedRealTime();
    if (iRun.run_type != Run::RT_Aggregate) {
      if (std::isnan(measure._Median)) measure._Median = measure._Mean = time;
      return;
    }
    if (iRun.aggregate_name == "median") measure._Median = time;
    if (iRun.aggregate_name == "mean") measure._Mean = time;
    if (iRun.aggregate_name == "stddev") measure._Deviation = time;
  }
};

double Noise(const Measure& iMeasure) {
  if (std::isnan(iMeasure._Deviation) || !(iMeasure._Mean > 0)) return NAN;
  return 100.0 * iMeasure._Deviation / iMeasure._Mean;
}

void PrintRatios() {
  printf("\n%-40s %14s %14s %8s %8s %9s %9s  %s\n", "case (median real time)", "ours", "reference",
         "ratio", "target", "noise us", "noise ref", "verdict");
  for (const auto& [name, entry] : Cases()) {
    double ratio = entry._Ours._Median / entry._Reference._Median;
    const char* verdict = std::isnan(entry._Target) ? "-"
                          : std::isnan(ratio)       ? "not run"
                          : ratio <= entry._Target  ? "met"
                                                    : "MISSED";
    printf("%-40s %14.1f %14.1f %8.3f %8.2f %8.1f%% %8.1f%%  %s\n", name.c_str(),
           entry._Ours._Median, entry._Reference._Median, ratio, entry._Target, Noise(entry._Ours),
           Noise(entry._Reference), verdict);
  }
}

bool HasOption(int iArgc, char** iArgv, const char* iPrefix) {
  for (int i = 1; i < iArgc; ++i)
    if (strncmp(iArgv[i], iPrefix, strlen(iPrefix)) == 0) return true;
  return false;
}

}  // namespace

bool ORVRegisterBenchmarkTarget(const char* iCase, double iRatio) {
  Cases()[iCase]._Target = iRatio;
  return true;
}

int main(int iArgc, char** iArgv) {
  // As in any client: the lazily made globals (default comparators) register with it.
  ORVGlobalObjectCleaner cleaner;
  std::vector<char*> arguments(iArgv, iArgv + iArgc);
  static char repetitions[] = "--benchmark_repetitions=5";
  static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
  if (!HasOption(iArgc, iArgv, "--benchmark_repetitions")) arguments.push_back(repetitions);
  if (!HasOption(iArgc, iArgv, "--benchmark_report_aggregates_only"))
    arguments.push_back(aggregatesOnly);
  int count = (int)arguments.size();
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintRatios();
  return 0;
}
