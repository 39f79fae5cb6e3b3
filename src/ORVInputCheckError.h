// ORVInputCheckError.h - the failures of the input value checkers, made in one way.
//
// ORV_INPUT_CHECK_ERROR(request, diagnostic, advice) makes an ORVError of type 1
// (critical) and code PEV_E_FAIL with the caller's request, naming the source file and
// line of the call, makes it the last error and gives the failure code to return.
// ORVInputCheckSuccess() is the success code.
#pragma once

#include "ORVCatalogKeys.h"
#include "ORVError.h"

inline long ORVMakeInputCheckError(const char* iFile, int iLine,
                                   const ORVNLSMsgBldrRfHndlr& iRequest,
                                   const ORVNLSMsgBldrRfHndlr& iDiagnostic,
                                   const ORVNLSMsgBldrRfHndlr& iAdvice) {
  ORVError* error =
      new ORVError(iFile, iLine, iRequest, iDiagnostic, iAdvice, PEVErrorTypeCritical, PEV_E_FAIL);
  return PEVError::GetReturn(2, error, nullptr, iFile, iLine);
}

#define ORV_INPUT_CHECK_ERROR(request, diagnostic, advice) \
  ORVMakeInputCheckError(__FILE__, __LINE__, request, diagnostic, advice)

inline long ORVInputCheckSuccess() {
  return PEVError::GetReturn(1, nullptr, nullptr, __FILE__, __LINE__);
}
