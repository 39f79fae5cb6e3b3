#include "PEVTimes.h"

#include <ctime>
#include <vector>

namespace {

struct CounterPair {
  long _CpuStart;      // milliseconds
  long _ElapsedStart;  // milliseconds
};

std::vector<CounterPair>& Counters() {
  static auto* counters = new std::vector<CounterPair>();
  return *counters;
}

long Milliseconds(clockid_t iClock) {
  struct timespec now;
  if (clock_gettime(iClock, &now) != 0) return 0;
  return (long)now.tv_sec * 1000 + now.tv_nsec / 1000000;
}

CounterPair Now() {
  return {Milliseconds(CLOCK_PROCESS_CPUTIME_ID), Milliseconds(CLOCK_MONOTONIC)};
}

}  // namespace

int PEVStartLibServices() {
  struct timespec probe;
  if (clock_gettime(CLOCK_MONOTONIC, &probe) != 0) return -1;
  if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &probe) != 0) return -1;
  return 0;
}

int PEVResetTimes(int iHandle) {
  std::vector<CounterPair>& counters = Counters();
  if (iHandle >= 0 && (std::size_t)iHandle < counters.size()) {
    counters[(std::size_t)iHandle] = Now();
    return iHandle;
  }
  counters.push_back(Now());
  return (int)counters.size() - 1;
}

int PEVGetTimes(int iHandle, int* oCpuTime, int* oElapsedTime) {
  std::vector<CounterPair>& counters = Counters();
  if (iHandle < 0 || (std::size_t)iHandle >= counters.size() || !oCpuTime || !oElapsedTime)
    return -1;
  CounterPair now = Now();
  const CounterPair& start = counters[(std::size_t)iHandle];
  *oCpuTime = (int)(now._CpuStart - start._CpuStart);
  *oElapsedTime = (int)(now._ElapsedStart - start._ElapsedStart);
  return 0;
}
