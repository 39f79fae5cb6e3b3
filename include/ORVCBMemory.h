/* ORVCBMemory.h - guarded allocation of the service layer.
 *
 * A size below 1 is a fatal programming error ("Null memory size"); an allocation that
 * fails is reported by sys_error with operation ALLOC, which ends the process once an
 * error table is installed (otherwise the call answers null). */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

ORV_EXPORT void* mem_alloc(int iSize);
/* A size of 0 is refused like mem_alloc's: realloc would free the block. On failure
 * the block is left as it was. */
ORV_EXPORT void* mem_realloc(void* iBlock, unsigned int iSize);
/* free(); a null block is accepted. */
ORV_EXPORT void mem_free(void* iBlock);

#ifdef __cplusplus
}
#endif
