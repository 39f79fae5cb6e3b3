// ORVCmdLnError.h - the failures of the command-line classes, made in one way.
//
// ORV_CMDLN_ERROR(fragment, diagnostic, advice) makes an ORVError of type 1 (critical)
// and code PEV_E_FAIL whose request is ORVBC "0013" on the fragment of the command line
// at fault, naming the source file and line of the call, makes it the last error and
// gives the failure code to return. ORVCmdLnSuccess() is the success code.
// ORV_CMDLN_CHECK_LENGTH is the length check of the length managers.
#pragma once

#include "ORVCatalogKeys.h"
#include "ORVCmdLnOpt.h"
#include "ORVError.h"
#include "ORVString.h"

inline long ORVMakeCmdLnError(const char* iFile, int iLine, const PEVUnicodeString& iFragment,
                              const ORVNLSMsgBldrRfHndlr& iDiagnostic,
                              const ORVNLSMsgBldrRfHndlr& iAdvice) {
  ORVError* error = new ORVError(iFile, iLine, ORVMakeCatalogMessage<ORVBC_0013>(iFragment),
                                 iDiagnostic, iAdvice, PEVErrorTypeCritical, PEV_E_FAIL);
  return PEVError::GetReturn(2, error, nullptr, iFile, iLine);
}

#define ORV_CMDLN_ERROR(fragment, diagnostic, advice) \
  ORVMakeCmdLnError(__FILE__, __LINE__, fragment, diagnostic, advice)

inline long ORVCmdLnSuccess() {
  return PEVError::GetReturn(1, nullptr, nullptr, __FILE__, __LINE__);
}

// 0 when iValue has from iMinimum to iMaximum characters (a negative maximum: no
// maximum); otherwise the length failure of iOption for that value ("0020" for an exact
// length, "0016" for a range, "0019" for a minimum only), made at iFile and iLine, with
// the option's own usage as advice.
inline long ORVCheckCmdLnValueLength(const char* iFile, int iLine, const ORVCmdLnOpt& iOption,
                                     const ORVString& iValue, int iMinimum, int iMaximum) {
  int length = iValue.GetLength();
  if (length >= iMinimum && (iMaximum < 0 || length <= iMaximum)) return ORVCmdLnSuccess();
  PEVUnicodeString fragment = iOption.GetCommandNameAndNamesForMsg(iValue.GetChars());
  ORVNLSMsgBldrRfHndlr diagnostic;
  if (iMaximum < 0)
    diagnostic = ORVMakeCatalogMessage<ORVBC_0019>(iValue, length, iMinimum);
  else if (iMinimum == iMaximum)
    diagnostic = ORVMakeCatalogMessage<ORVBC_0020>(iValue, length, iMinimum);
  else
    diagnostic = ORVMakeCatalogMessage<ORVBC_0016>(iValue, length, iMinimum, iMaximum);
  return ORVMakeCmdLnError(iFile, iLine, fragment, diagnostic, iOption.GetHUsageBldr());
}

#define ORV_CMDLN_CHECK_LENGTH(option, value, minimum, maximum) \
  ORVCheckCmdLnValueLength(__FILE__, __LINE__, option, value, minimum, maximum)
