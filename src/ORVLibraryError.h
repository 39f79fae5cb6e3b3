// ORVLibraryError.h - the library's own user-facing failures, made in one way.
//
// ORVMakeLibraryError makes an ORVError of type 1 (critical) and code PEV_E_FAIL with
// the request (may be empty), diagnostic and advice given, naming the source file and
// line of the call, makes it the last error and gives the failure code to return.
// ORV_LIBRARY_ERROR(diagnostic) and ORV_LIBRARY_ERROR_WITH_ADVICE(diagnostic, advice)
// make one without request at the place of the call:
//   return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0201>(iName, strerror(error)));
// ORVLibrarySuccess() is the success code of the same calls.
#pragma once

#include "ORVCatalogKeys.h"
#include "ORVNLSMsgBldr.h"

long ORVMakeLibraryError(const char* iFile, int iLine, const ORVNLSMsgBldrRfHndlr& iRequest,
                         const ORVNLSMsgBldrRfHndlr& iDiagnostic,
                         const ORVNLSMsgBldrRfHndlr& iAdvice);
long ORVLibrarySuccess();

#define ORV_LIBRARY_ERROR(diagnostic)                                         \
  ORVMakeLibraryError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), diagnostic, \
                      ORVNLSMsgBldrRfHndlr())
#define ORV_LIBRARY_ERROR_WITH_ADVICE(diagnostic, advice) \
  ORVMakeLibraryError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), diagnostic, advice)
