#include "ORVLibraryError.h"

#include "ORVError.h"

long ORVMakeLibraryError(const char* iFile, int iLine, const ORVNLSMsgBldrRfHndlr& iRequest,
                         const ORVNLSMsgBldrRfHndlr& iDiagnostic,
                         const ORVNLSMsgBldrRfHndlr& iAdvice) {
  auto* error =
      new ORVError(iFile, iLine, iRequest, iDiagnostic, iAdvice, PEVErrorTypeCritical, PEV_E_FAIL);
  return PEVError::GetReturn(PEVReturnError, error, nullptr, iFile, iLine);
}

long ORVLibrarySuccess() {
  return PEVError::GetReturn(PEVReturnSuccess, nullptr, nullptr, __FILE__, __LINE__);
}
