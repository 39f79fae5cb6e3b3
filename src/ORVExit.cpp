#include "ORVExit.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>

#include "ORVCoverageDump.h"
#include "PEVBasicStackTrace.h"

void ORVExit(int iStatus) {
  PEVBasicStackTrace trace;
  trace.GetTrace();
  fflush(stdout);
  trace.Print(stdout, 0, 0);
  fflush(stdout);
  ORVWriteCoverageCounters();
  const char* dumpCore = getenv("ORV_DUMP_CORE");
  if (dumpCore && *dumpCore) abort();
  _exit(iStatus);
}
