/* ORVCBUUID.h - unique identifiers of 20 radix-64 characters made of the time, the
 * host, the process and a per-second counter.
 *
 * At most 65,536 identifiers per second and process: the next one waits for the next
 * second. A child process after fork starts its own counters. The result lives in one
 * static buffer and the state is process-wide: use it from one thread. */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The new identifier, overwritten by the next call. */
ORV_EXPORT const char* uuid_gen(void);

#ifdef __cplusplus
}
#endif
