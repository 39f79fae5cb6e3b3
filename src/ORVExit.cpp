#include "ORVExit.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>

#include "PEVBasicStackTrace.h"

#ifdef ORV_COVERAGE_DUMP
// Coverage builds only: the process ends without running what is registered for exit,
// so the coverage counters are written here.
extern "C" void __gcov_dump(void);
#endif

void ORVExit(int iStatus) {
  PEVBasicStackTrace trace;
  trace.GetTrace();
  fflush(stdout);
  trace.Print(stdout, 0, 0);
  fflush(stdout);
#ifdef ORV_COVERAGE_DUMP
  __gcov_dump();
#endif
  const char* dumpCore = getenv("ORV_DUMP_CORE");
  if (dumpCore && *dumpCore) abort();
  _exit(iStatus);
}
