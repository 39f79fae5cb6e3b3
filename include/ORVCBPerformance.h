/* ORVCBPerformance.h - named call counters and wall-clock times of measured code.
 *
 * On when ORVCB_PERF is set ("print": each measure is printed as it ends); off, only
 * perf_begin counts calls. Times are monotonic nanoseconds, less the time the module
 * spends printing and bookkeeping. Tables go to standard output. The list of records
 * and the clock base are process-wide and unlocked: use them from one thread. */
#pragma once

#include <stdint.h>

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Owned by the caller, normally static: { "name" } and the rest zero. */
typedef struct perf_counter {
  const char* name;
  int calls;
  /* During a measure its start; after perf_end its duration (nanoseconds). */
  int64_t partial;
  int64_t total;
  int registered;
  struct perf_counter* next;
  /* 1 between perf_begin and perf_end, so that perf_reset keeps the start. */
  int open;
} perf_counter;

ORV_EXPORT void perf_begin(perf_counter* ioCounter);
ORV_EXPORT void perf_end(perf_counter* ioCounter);
/* The last duration, or the total, as seconds and microseconds. */
ORV_EXPORT void perf_get_partial(const perf_counter* iCounter, int* oSeconds, int* oMicroseconds);
ORV_EXPORT void perf_get_total(const perf_counter* iCounter, int* oSeconds, int* oMicroseconds);
/* Zeroes the calls and times of every record; an open measure keeps its start. */
ORV_EXPORT void perf_reset(void);
ORV_EXPORT void perf_print(void);
ORV_EXPORT void perf_reset_time(void);
/* "label: <since perf_reset_time> - from last measure: <since the last call>". */
ORV_EXPORT void perf_print_time(const char* iLabel);

#ifdef __cplusplus
}
#endif
