#include "ORVCBErrorProcessing.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ORVCBAllocation.h"
#include "ORVCBErrorTranslators.h"
#include "ORVCoverageDump.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "PEVTypes.h"

namespace {

const err_handlers* _pTable = nullptr;
// One reference each, or null: the request, diagnostic and advice to come.
ORVParamNLSMsgBldrCtlg* _pPending[3] = {nullptr, nullptr, nullptr};
// The report buffer of err_prog and err_prog_warning.
char _Report[1024];
// At most this many text parameters of one err_msg are handed on; the rest are dropped.
const int kMaxParameters = 32;

void ReportAllocationFailure() {
  errno = ENOMEM;
  sys_error(__FILE__, __LINE__, SYS_ALLOC, "1", nullptr);
}

void DefaultMsg(const char* iCatalog, int iLevel, const char* iKey,
                const char* const* iParameters) {
  if (iLevel < 0 || iLevel > 2)
    err_prog(__FILE__, __LINE__, "Unknown error message type (%d)\n", iLevel);
  // The root's allocation ends the process itself when memory runs out; only the test
  // seam can refuse it here.
  ORVParamNLSMsgBldrCtlg* builder =
      ORVCBAllocationRefused() ? nullptr : new ORVParamNLSMsgBldrCtlg(iCatalog, iKey, nullptr);
  if (!builder) {
    ReportAllocationFailure();
    return;
  }
  for (const char* const* parameter = iParameters; parameter && *parameter; ++parameter)
    builder->AddNewParameter(*parameter);
  if (_pPending[iLevel]) _pPending[iLevel]->Release();
  _pPending[iLevel] = builder;
}

// The pending builder of iLevel as a handler holding its reference; the slot is emptied.
ORVNLSMsgBldrRfHndlr TakePending(int iLevel) {
  ORVNLSMsgBldrRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, _pPending[iLevel]);
  _pPending[iLevel] = nullptr;
  return handler;
}

void DefaultRecord(const char* iFile, int iLine, int iSeverity) {
  static const PEVErrorType kTypes[] = {PEVErrorTypeInformation, PEVErrorTypeWarning,
                                        PEVErrorTypeCritical, PEVErrorTypeFatal};
  if (iSeverity < 0 || iSeverity > 3)
    err_prog(__FILE__, __LINE__, "Wrong error type (%d)\n", iSeverity);
  ORVError* error = nullptr;
  if (!ORVCBAllocationRefused()) {
    ORVNLSMsgBldrRfHndlr request = TakePending(0);
    ORVNLSMsgBldrRfHndlr diagnostic = TakePending(1);
    ORVNLSMsgBldrRfHndlr advice = TakePending(2);
    error = new ORVError(iFile, iLine, request, diagnostic, advice, kTypes[iSeverity], PEV_E_FAIL);
  }
  if (!error) {
    for (int level = 0; level < 3; ++level)
      TakePending(level);
    ReportAllocationFailure();
    return;
  }
  PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
}

void DefaultDisplay() {
  PEVError* last = PEVError::PEVGetLastError(PEV_E_FAIL, nullptr);
  if (!last) return;
  // Library objects live on the root's heap, one reference each.
  ORVErrorDisplay* display = new ORVErrorDisplayToISO8859Term();
  display->Display(*last);
  display->Release();
  last->Release();
  PEVError::PEVCleanLastError();
}

const err_handlers kDefaultTable = {DefaultMsg, DefaultRecord, DefaultDisplay};

// Writes the report: "#ERR#", iKind, the place and the text, cut to the buffer
// (a text ending in a newline keeps it).
void Report(const char* iKind, const char* iFile, int iLine, const char* iFormat,
            va_list iArguments) {
  int used = snprintf(_Report, sizeof _Report, "%s %s at %s:%d: ", "#ERR#", iKind,
                      iFile ? iFile : "", iLine);
  if (used < 0) used = 0;
  if ((size_t)used < sizeof _Report) {
    int wanted = vsnprintf(_Report + used, sizeof _Report - used, iFormat, iArguments);
    size_t length = strnlen(iFormat, sizeof _Report);
    bool cut = wanted >= 0 && (size_t)used + (size_t)wanted >= sizeof _Report;
    if (cut && length > 0 && iFormat[length - 1] == '\n') _Report[sizeof _Report - 2] = '\n';
  }
  fprintf(stderr, "%s\n", _Report);
  fflush(stderr);
  fflush(stdout);
}

}  // namespace

void err_start(const err_handlers* iTable) {
  _pTable = iTable;
}

void ErrorProcessingStart(void) {
  err_start(&kDefaultTable);
}

void err_msg(const char* iCatalog, int iLevel, const char* iKey, ...) {
  if (!_pTable) {
    fprintf(stderr, "Unable to process the error message \"%s\"\n", iKey ? iKey : "");
    return;
  }
  const char* parameters[kMaxParameters + 1];
  int count = 0;
  va_list arguments;
  va_start(arguments, iKey);
  for (const char* parameter = va_arg(arguments, const char*); parameter;
       parameter = va_arg(arguments, const char*))
    if (count < kMaxParameters) parameters[count++] = parameter;
  va_end(arguments);
  parameters[count] = nullptr;
  _pTable->msg(iCatalog, iLevel, iKey, parameters);
}

void err_msg_record(const char* iFile, int iLine, int iSeverity) {
  if (!_pTable) {
    fprintf(stderr, "Unable to create the error message\n");
    return;
  }
  _pTable->record(iFile, iLine, iSeverity);
  if (iSeverity == 2) return;
  _pTable->display();
  if (iSeverity == 3) exit(127);
}

void err_display(void) {
  if (_pTable) _pTable->display();
}

void err_prog(const char* iFile, int iLine, const char* iFormat, ...) {
  va_list arguments;
  va_start(arguments, iFormat);
  Report("Fatal internal error", iFile, iLine, iFormat, arguments);
  va_end(arguments);
  ORVWriteCoverageCounters();
  abort();
}

void err_prog_warning(const char* iFile, int iLine, const char* iFormat, ...) {
  va_list arguments;
  va_start(arguments, iFormat);
  Report("Warning", iFile, iLine, iFormat, arguments);
  va_end(arguments);
}
