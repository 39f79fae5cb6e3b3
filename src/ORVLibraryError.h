// ORVLibraryError.h - the library's own user-facing failures, made in one way.
//
// ORV_LIBRARY_ERROR(diagnostic) and ORV_LIBRARY_ERROR_WITH_ADVICE(diagnostic, advice)
// make an ORVError of type 1 (critical) and code PEV_E_FAIL, without request, naming
// the source file and line of the call, make it the last error and give the failure
// code to return:
//   return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0201>(iName, strerror(error)));
#pragma once

#include "ORVCatalogKeys.h"
#include "ORVNLSMsgBldr.h"

long ORVMakeLibraryError(const char* iFile, int iLine, const ORVNLSMsgBldrRfHndlr& iDiagnostic,
                         const ORVNLSMsgBldrRfHndlr& iAdvice);

#define ORV_LIBRARY_ERROR(diagnostic) \
  ORVMakeLibraryError(__FILE__, __LINE__, diagnostic, ORVNLSMsgBldrRfHndlr())
#define ORV_LIBRARY_ERROR_WITH_ADVICE(diagnostic, advice) \
  ORVMakeLibraryError(__FILE__, __LINE__, diagnostic, advice)
