// The benchmark program: runs every case with repetitions, then summarises the ratios.
//
// The runs are shown by Google Benchmark's own reporter, so its flags hold
// (--benchmark_format, --benchmark_color: colour only on a terminal unless asked). The
// summary follows --benchmark_format unless --ratio_format=console|json|csv says
// otherwise, and goes to standard output unless --ratio_out=<file> names a file. When
// both are JSON on standard output, the summary is the member "ratios" of the one
// document. Times are nanoseconds; noise is the coefficient of variation in percent.
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BenchmarkRatio.h"
#include "ORVGlobalObjectCleaner.h"

namespace {

struct Measure {
  double _Median = NAN;  // nanoseconds, as every time below
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

double Nanoseconds(double iTime, benchmark::TimeUnit iUnit) {
  return iTime * (1e9 / benchmark::GetTimeUnitMultiplier(iUnit));
}

// Passes everything to the reporter the flags chose, and collects the aggregates of
// "<Case>/ours" and "<Case>/reference".
class RatioReporter : public benchmark::BenchmarkReporter {
public:
  explicit RatioReporter(benchmark::BenchmarkReporter& ioDisplay) : _Display(ioDisplay) {}

  bool ReportContext(const Context& iContext) override { return _Display.ReportContext(iContext); }
  void ReportRuns(const std::vector<Run>& iRuns) override {
    _Display.ReportRuns(iRuns);
    for (const Run& run : iRuns)
      Collect(run);
  }
  void Finalize() override { _Display.Finalize(); }

private:
  void Collect(const Run& iRun) {
    std::string name = iRun.run_name.function_name;
    std::size_t slash = name.rfind('/');
    if (slash == std::string::npos || iRun.error_occurred) return;
    std::string side = name.substr(slash + 1);
    if (side != "ours" && side != "reference") return;
    Case& entry = Cases()[name.substr(0, slash)];
    Measure& measure = side == "ours" ? entry._Ours : entry._Reference;
    double time = Nanoseconds(iRun.GetAdjustedRealTime(), iRun.time_unit);
    if (iRun.run_type != Run::RT_Aggregate) {
      if (std::isnan(measure._Median)) measure._Median = measure._Mean = time;
      return;
    }
    if (iRun.aggregate_name == "median") measure._Median = time;
    if (iRun.aggregate_name == "mean") measure._Mean = time;
    if (iRun.aggregate_name == "stddev") measure._Deviation = time;
  }

  benchmark::BenchmarkReporter& _Display;
};

// One line of the summary; NaN stands for "not known".
struct Summary {
  std::string _Name;
  double _Ours, _Reference, _Ratio, _Target, _NoiseOurs, _NoiseReference;
  const char* _Verdict;
};

double Noise(const Measure& iMeasure) {
  if (std::isnan(iMeasure._Deviation) || !(iMeasure._Mean > 0)) return NAN;
  return 100.0 * iMeasure._Deviation / iMeasure._Mean;
}

// The cases of which at least one side ran: a filter's left-outs are not shown.
std::vector<Summary> Summaries() {
  std::vector<Summary> lines;
  for (const auto& [name, entry] : Cases()) {
    if (std::isnan(entry._Ours._Median) && std::isnan(entry._Reference._Median)) continue;
    double ratio = entry._Ours._Median / entry._Reference._Median;
    const char* verdict = std::isnan(entry._Target) || std::isnan(ratio) ? "-"
                          : ratio <= entry._Target                       ? "met"
                                                                         : "MISSED";
    lines.push_back({name, entry._Ours._Median, entry._Reference._Median, ratio, entry._Target,
                     Noise(entry._Ours), Noise(entry._Reference), verdict});
  }
  return lines;
}

std::string Number(double iValue, const char* iFormat, const char* iUnknown) {
  if (std::isnan(iValue) || std::isinf(iValue)) return iUnknown;
  char text[64];
  snprintf(text, sizeof text, iFormat, iValue);
  return text;
}

void WriteConsole(std::ostream& ioOut, const std::vector<Summary>& iLines) {
  if (iLines.empty()) return;
  char line[256];
  snprintf(line, sizeof line, "\n%-40s %14s %14s %8s %8s %13s %12s  %s\n",
           "case (median real time)", "ours ns", "reference ns", "ratio", "target", "noise ours %",
           "noise ref %", "verdict");
  ioOut << line;
  for (const Summary& entry : iLines) {
    snprintf(line, sizeof line, "%-40s %14s %14s %8s %8s %13s %12s  %s\n", entry._Name.c_str(),
             Number(entry._Ours, "%.1f", "-").c_str(),
             Number(entry._Reference, "%.1f", "-").c_str(),
             Number(entry._Ratio, "%.3f", "-").c_str(), Number(entry._Target, "%.2f", "-").c_str(),
             Number(entry._NoiseOurs, "%.1f", "-").c_str(),
             Number(entry._NoiseReference, "%.1f", "-").c_str(), entry._Verdict);
    ioOut << line;
  }
}

const char* const kFieldNames[] = {"case",
                                   "ours_ns",
                                   "reference_ns",
                                   "ratio",
                                   "target",
                                   "noise_ours_percent",
                                   "noise_reference_percent",
                                   "verdict"};

std::vector<std::string> Fields(const Summary& iEntry, const char* iUnknown) {
  return {iEntry._Name,
          Number(iEntry._Ours, "%.3f", iUnknown),
          Number(iEntry._Reference, "%.3f", iUnknown),
          Number(iEntry._Ratio, "%.4f", iUnknown),
          Number(iEntry._Target, "%.2f", iUnknown),
          Number(iEntry._NoiseOurs, "%.2f", iUnknown),
          Number(iEntry._NoiseReference, "%.2f", iUnknown),
          iEntry._Verdict};
}

// The array of the summary lines, each an object; unknown numbers are null.
std::string JsonArray(const std::vector<Summary>& iLines) {
  std::string text = "[";
  for (std::size_t line = 0; line < iLines.size(); ++line) {
    std::vector<std::string> fields = Fields(iLines[line], "null");
    text += line == 0 ? "\n    {" : ",\n    {";
    for (std::size_t field = 0; field < fields.size(); ++field) {
      bool quoted = field == 0 || field == fields.size() - 1;  // case names hold no quote
      text += std::string(field == 0 ? "" : ", ") + "\"" + kFieldNames[field] + "\": ";
      text += quoted ? "\"" + fields[field] + "\"" : fields[field];
    }
    text += "}";
  }
  return text + (iLines.empty() ? "]" : "\n  ]");
}

void WriteCsv(std::ostream& ioOut, const std::vector<Summary>& iLines) {
  for (std::size_t field = 0; field < std::size(kFieldNames); ++field)
    ioOut << (field == 0 ? "" : ",") << kFieldNames[field];
  ioOut << "\n";
  for (const Summary& entry : iLines) {
    std::vector<std::string> fields = Fields(entry, "");
    for (std::size_t field = 0; field < fields.size(); ++field)
      ioOut << (field == 0 ? "" : ",") << fields[field];
    ioOut << "\n";
  }
}

// The value of the option iName ("--name=value") among the arguments, removed from
// them; iDefault when it is not given.
std::string TakeOption(std::vector<char*>& ioArguments, const char* iName,
                       const std::string& iDefault) {
  std::string prefix = std::string(iName) + "=";
  std::string value = iDefault;
  for (std::size_t index = 1; index < ioArguments.size();) {
    if (strncmp(ioArguments[index], prefix.c_str(), prefix.size()) == 0) {
      value = ioArguments[index] + prefix.size();
      ioArguments.erase(ioArguments.begin() + (long)index);
    } else {
      ++index;
    }
  }
  return value;
}

bool HasOption(const std::vector<char*>& iArguments, const char* iPrefix) {
  for (std::size_t index = 1; index < iArguments.size(); ++index)
    if (strncmp(iArguments[index], iPrefix, strlen(iPrefix)) == 0) return true;
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
  std::string benchmarkFormat = "console";
  for (char* argument : arguments)
    if (strncmp(argument, "--benchmark_format=", 19) == 0) benchmarkFormat = argument + 19;
  std::string ratioFormat = TakeOption(arguments, "--ratio_format", benchmarkFormat);
  std::string ratioOut = TakeOption(arguments, "--ratio_out", "");
  if (ratioFormat != "console" && ratioFormat != "json" && ratioFormat != "csv") {
    fprintf(stderr, "%s: --ratio_format must be console, json or csv, not '%s'\n", iArgv[0],
            ratioFormat.c_str());
    return 1;
  }
  static char repetitions[] = "--benchmark_repetitions=5";
  static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
  if (!HasOption(arguments, "--benchmark_repetitions")) arguments.push_back(repetitions);
  if (!HasOption(arguments, "--benchmark_report_aggregates_only"))
    arguments.push_back(aggregatesOnly);
  int count = (int)arguments.size();
  arguments.push_back(nullptr);
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;

  // The library's own choice of reporter and colours; kept by the library.
  benchmark::BenchmarkReporter* display = benchmark::CreateDefaultDisplayReporter();
  bool oneDocument = ratioOut.empty() && ratioFormat == "json" && benchmarkFormat == "json";
  std::ostringstream document;
  if (oneDocument) display->SetOutputStream(&document);
  RatioReporter reporter(*display);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::vector<Summary> lines = Summaries();
  if (oneDocument) {
    std::string text = document.str();
    std::size_t end = text.rfind('}');
    if (end == std::string::npos) {  // nothing was reported (a listing, say)
      std::cout << text;
    } else {
      std::cout << text.substr(0, end) << ",\n  \"ratios\": " << JsonArray(lines) << "\n"
                << text.substr(end);
    }
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
  }
  std::ofstream file;
  if (!ratioOut.empty()) {
    file.open(ratioOut);
    if (!file) {
      fprintf(stderr, "%s: cannot write %s: %s\n", iArgv[0], ratioOut.c_str(), strerror(errno));
      return 1;
    }
  }
  std::ostream& out = ratioOut.empty() ? std::cout : file;
  if (ratioFormat == "console") WriteConsole(out, lines);
  if (ratioFormat == "json") out << "{\n  \"ratios\": " << JsonArray(lines) << "\n}\n";
  if (ratioFormat == "csv") {
    if (ratioOut.empty() && benchmarkFormat == "csv") out << "\n";
    WriteCsv(out, lines);
  }
  out.flush();
  return out.good() ? 0 : 1;
}
