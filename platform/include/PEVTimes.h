// PEVTimes.h - CPU and elapsed time counters of the platform.
//
// A counter pair is started by PEVResetTimes and read by PEVGetTimes, both in
// milliseconds: CPU time of the process and monotonic elapsed time. The counter
// table is process-wide and unlocked.
#pragma once

#include "PEVExport.h"

extern "C" {
// Prepares the counters; 0 on success.
PEV_EXPORT int PEVStartLibServices();
// Restarts counter pair iHandle, or starts a new one for -1 (or an unknown handle);
// returns the handle of the pair.
PEV_EXPORT int PEVResetTimes(int iHandle);
// The CPU and elapsed milliseconds since the pair was reset; 0 on success, -1 for an
// unknown handle or null output.
PEV_EXPORT int PEVGetTimes(int iHandle, int* oCpuTime, int* oElapsedTime);
}
