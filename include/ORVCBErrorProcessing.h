/* ORVCBErrorProcessing.h - the service layer's pluggable error hook.
 *
 * An error is built as up to three catalog messages (err_msg: level 0 request, 1
 * diagnostic, 2 advice), then recorded and, by severity, displayed (err_msg_record).
 * The default table (ErrorProcessingStart) makes ORVError records that become the last
 * error. The installed table, the pending messages and the report buffer are
 * process-wide and unlocked: use them from one thread. */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct err_handlers {
  /* One message; iParameters is a null-terminated array of texts. */
  void (*msg)(const char* iCatalog, int iLevel, const char* iKey, const char* const* iParameters);
  /* Turns the pending messages into a recorded error of severity 0 to 3. */
  void (*record)(const char* iFile, int iLine, int iSeverity);
  /* Shows the last recorded error. */
  void (*display)(void);
} err_handlers;

/* Installs iTable (not copied: it must outlive its use); a later call replaces it. */
ORV_EXPORT void err_start(const err_handlers* iTable);
/* Installs the default table. */
ORV_EXPORT void ErrorProcessingStart(void);

/* Builds one message; the text parameters follow the key and end with a null pointer. */
ORV_EXPORT void err_msg(const char* iCatalog, int iLevel, const char* iKey, ...);
/* Records the pending messages; severity 0 and 1 display the error, 2 leaves it as the
 * last error, 3 displays it and exits with status 127. */
ORV_EXPORT void err_msg_record(const char* iFile, int iLine, int iSeverity);
/* Shows the last recorded error; nothing without a table. */
ORV_EXPORT void err_display(void);

/* "#ERR# Fatal internal error at FILE:LINE: " and the formatted text on standard
 * error, then abort. The report is cut to 1,023 bytes. */
__attribute__((noreturn)) ORV_EXPORT void err_prog(const char* iFile, int iLine,
                                                   const char* iFormat, ...)
    __attribute__((format(printf, 3, 4)));
/* The same report as "#ERR# Warning at FILE:LINE: "; returns. */
ORV_EXPORT void err_prog_warning(const char* iFile, int iLine, const char* iFormat, ...)
    __attribute__((format(printf, 3, 4)));

#ifdef __cplusplus
}
#endif
