// ORVCoverageDump.h - coverage builds only: the paths that end the process without
// running what is registered for exit (_exit, abort) write the coverage counters first.
#pragma once

#ifdef ORV_COVERAGE_DUMP
extern "C" void __gcov_dump(void);
#endif

inline void ORVWriteCoverageCounters() {
#ifdef ORV_COVERAGE_DUMP
  __gcov_dump();
#endif
}
