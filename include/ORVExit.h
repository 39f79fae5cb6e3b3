// ORVExit.h - the end of the process after a fatal report, or at a client's request.
#pragma once

#include "ORVExport.h"

extern "C" {
// Prints the calling stack on standard output, then ends the process at once with
// iStatus (_exit: no atexit handler, no buffer flush), or aborts for a core image
// when ORV_DUMP_CORE is set to a non-empty value. Never returns.
[[noreturn]] ORV_EXPORT void ORVExit(int iStatus);
}
