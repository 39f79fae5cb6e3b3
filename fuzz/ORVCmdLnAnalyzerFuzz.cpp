// Command-line analysis against arbitrary argument arrays: the input, cut at its NULs, is
// the array (each argument in a buffer of exactly its size), analysed by a command with
// every option kind, both length managers, the help manager and a converter. An analysis
// must succeed with values that respect the declarations, or give the help report (1)
// or PEV_E_FAIL, each with an error whose text builds completely from the catalogs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "EveryOptionCommand.h"
#include "ORVGlobalObjectCleaner.h"

namespace {

const int kMaxArguments = 64;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The test catalog first, then the library's beside it.
  setenv("PEV_CATALOG_PATH", ORV_FUZZ_CATALOG_DIR, 1);
  new ORVGlobalObjectCleaner;  // lives as long as the process
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  const char* bytes = reinterpret_cast<const char*>(iData);
  std::vector<std::unique_ptr<char[]>> storage;
  std::vector<const char*> arguments;
  bool marks = false;
  for (size_t start = 0; start < iSize && arguments.size() < kMaxArguments;) {
    size_t length = strnlen(bytes + start, iSize - start);
    storage.emplace_back(new char[length + 1]);
    memcpy(storage.back().get(), bytes + start, length);
    storage.back()[length] = '\0';
    arguments.push_back(storage.back().get());
    marks = marks || strpbrk(arguments.back(), "!?") != nullptr;
    start += length + 1;
  }
  {
    EveryOptionCommand command;
    long code = command._Analyzer.Analyze(arguments.data(), static_cast<int>(arguments.size()));
    std::string problem = EveryOptionOutcomeProblem(command, code, marks);
    if (!problem.empty()) {
      fprintf(stderr, "%s\n", problem.c_str());
      __builtin_trap();
    }
  }
  PEVError::PEVCleanLastError();
  return 0;
}
