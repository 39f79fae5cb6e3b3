/* ORVCBUtilities.h - small text utilities of the service layer. */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The text after the last "/" of iPath (a pointer into it), or iPath itself. */
ORV_EXPORT const char* last_component(const char* iPath);
/* Convert ioText in place with tolower / toupper, byte by byte. */
ORV_EXPORT void to_lower(char* ioText);
ORV_EXPORT void to_upper(char* ioText);
/* "Sun" for 0 ... "Sat" for 6; "???" outside 0..6. */
ORV_EXPORT const char* day_name(int iDay);
/* The system's own name (uname's sysname, "Linux" here). */
ORV_EXPORT const char* os_name(void);

#ifdef __cplusplus
}
#endif
