/* ORVCBTrace.h - time-stamped diagnostic lines on standard output, by component.
 *
 * Off unless ORVCB_TRACE is set ("all": every component; any other value: that
 * component only) or trc_set_component chose a filter first. Output errors are
 * ignored. The trace state is process-wide and unlocked: use it from one thread. */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Sets the filter (null: off, "all": every component, else that one only); once
 * called, ORVCB_TRACE is no longer read. */
ORV_EXPORT void trc_set_component(const char* iComponent);

/* Writes "YYYY/MM/DD hh:mm:ss.uuuuuu: " and the formatted text when iComponent
 * passes the filter; 1 when a line was written, else 0. */
ORV_EXPORT int trc_print(const char* iComponent, const char* iFormat, ...)
    __attribute__((format(printf, 2, 3)));

#ifdef __cplusplus
}
#endif
