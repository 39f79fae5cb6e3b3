#include "ORVCmdLnOptOneArg.h"

#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnError.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOptOneArg, ORVCmdLnOpt)

ORVCmdLnOptOneArg::ORVCmdLnOptOneArg(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                                     ORVCmdLnOptStatusEnum iStatus,
                                     const ORVParamNLSMsgBldrRfHndlr& iUsage, ORVString& iArgument,
                                     unsigned int iArgumentRequired)
    : ORVCmdLnOpt(iAnalyzer, iNames, iStatus, iUsage),
      _Argument(iArgument),
      _ArgumentRequired(iArgumentRequired) {}

unsigned int ORVCmdLnOptOneArg::IsTheLastOption() const {
  return 0;
}

unsigned int ORVCmdLnOptOneArg::AcceptsOneMoreArgument() const {
  return _ArgumentAdded == 0;
}

long ORVCmdLnOptOneArg::AddArgument(const char* iArgument) {
  if (!AcceptsOneMoreArgument()) {
    return ORV_CMDLN_ERROR(GetCommandNameAndNamesForMsg(iArgument),
                           ORVMakeCatalogMessage<ORVBC_0009>(GetNamesOrCommandNameForMsg(nullptr)),
                           GetCmdLnAnalyzer().GetHShortUsageBldr());
  }
  _Argument = iArgument;
  _ArgumentAdded = 1;
  return ORVCmdLnSuccess();
}

long ORVCmdLnOptOneArg::Check() const {
  long result = ORVCmdLnOpt::Check();
  if (result != 0 || !IsDefined() || !_ArgumentRequired || _ArgumentAdded) return result;
  return ORV_CMDLN_ERROR(GetCommandNameAndNamesForMsg(nullptr),
                         ORVMakeCatalogMessage<ORVBC_0004>(GetNamesOrCommandNameForMsg(nullptr)),
                         GetCmdLnAnalyzer().GetHShortUsageBldr());
}

void ORVCmdLnOptOneArg::Reset() {
  ORVCmdLnOpt::Reset();
  _ArgumentAdded = 0;
}

const ORVString& ORVCmdLnOptOneArg::GetArgument() const {
  return _Argument;
}

unsigned int ORVCmdLnOptOneArg::ArgumentIsAdded() const {
  return _ArgumentAdded;
}
