#include "ORVCmdLnOptOneArgLengthMngr.h"

#include "ORVCmdLnError.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVCmdLnValueLength.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOptOneArgLengthMngr, ORVCmdLnOptMngr)

ORVCmdLnOptOneArgLengthMngr::ORVCmdLnOptOneArgLengthMngr(ORVCmdLnAnalyzer& iAnalyzer,
                                                         const ORVCmdLnOptOneArg& iOption,
                                                         int iMinimum, int iMaximum)
    : ORVCmdLnOptMngr(iAnalyzer), _Option(iOption), _Minimum(iMinimum), _Maximum(iMaximum) {}

long ORVCmdLnOptOneArgLengthMngr::Check() const {
  if (!_Option.ArgumentIsAdded()) return ORVCmdLnSuccess();
  return ORV_CMDLN_CHECK_LENGTH(_Option, _Option.GetArgument(), _Minimum, _Maximum);
}

void ORVCmdLnOptOneArgLengthMngr::Reset() {}

// Shared with the multi-argument manager, which checks each element so.
long ORVCheckCmdLnValueLength(const char* iFile, int iLine, const ORVCmdLnOpt& iOption,
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
  return ORVMakeLibraryError(iFile, iLine, ORVMakeCatalogMessage<ORVBC_0013>(fragment), diagnostic,
                             iOption.GetHUsageBldr());
}
