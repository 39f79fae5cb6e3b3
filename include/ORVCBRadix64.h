/* ORVCBRadix64.h - unsigned 32-bit numbers as short texts of the alphabet
 * "+-0-9A-Za-z" (value 0 first; not the published Base64 alphabet).
 *
 * A length outside 1..6, or a value that does not fit the length, is a fatal
 * programming error (err_prog). The coded text lives in one static buffer: use it from
 * one thread. */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The last iLength characters of the six that code iValue; valid until the next call. */
ORV_EXPORT const char* radix64_code(unsigned int iValue, int iLength);
/* The value of the first six characters of iText (fewer when it is shorter);
 * characters outside the alphabet count 0. */
ORV_EXPORT unsigned int radix64_decode(const char* iText);

#ifdef __cplusplus
}
#endif
