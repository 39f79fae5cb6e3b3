#include "ORVCmdLnOptMultiArg.h"

#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnError.h"
#include "ORVContainer.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOptMultiArg, ORVCmdLnOpt)

ORVCmdLnOptMultiArg::ORVCmdLnOptMultiArg(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                                         ORVCmdLnOptStatusEnum iStatus,
                                         const ORVParamNLSMsgBldrRfHndlr& iUsage,
                                         ORVContainer& iArgumentSet, int iMinimum, int iMaximum,
                                         unsigned int iIsTheLast)
    : ORVCmdLnOpt(iAnalyzer, iNames, iStatus, iUsage),
      _ArgumentSet(iArgumentSet),
      _Minimum(iMinimum),
      _Maximum(iMaximum),
      _IsTheLast(iIsTheLast) {}

unsigned int ORVCmdLnOptMultiArg::IsTheLastOption() const {
  return _IsTheLast;
}

unsigned int ORVCmdLnOptMultiArg::AcceptsOneMoreArgument() const {
  return _Maximum < 0 || _Count < _Maximum;
}

long ORVCmdLnOptMultiArg::AddArgument(const char* iArgument) {
  if (AcceptsOneMoreArgument()) {
    _ArgumentSet.Add(new ORVString(iArgument), ORVNotify);
    ++_Count;
    return ORVCmdLnSuccess();
  }
  PEVUnicodeString fragment = GetCommandNameAndNamesForMsg(iArgument);
  PEVUnicodeString names = GetNamesOrCommandNameForMsg(nullptr);
  ORVNLSMsgBldrRfHndlr advice = GetCmdLnAnalyzer().GetHShortUsageBldr();
  if (_Minimum == _Maximum && _Minimum == 1)
    return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0009>(names), advice);
  if (_Minimum == _Maximum)
    return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0010>(names, _Minimum), advice);
  if (_Minimum > 0) {
    return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0011>(names, _Minimum, _Maximum),
                           advice);
  }
  return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0012>(names, _Maximum), advice);
}

long ORVCmdLnOptMultiArg::Check() const {
  long result = ORVCmdLnOpt::Check();
  if (result != 0 || !IsDefined()) return result;
  bool tooFew = _Minimum > 0 && _Count < _Minimum;
  bool tooMany = _Maximum >= 0 && _Count > _Maximum;
  if (!tooFew && !tooMany) return result;
  PEVUnicodeString fragment = GetCommandNameAndNamesForMsg(nullptr);
  PEVUnicodeString names = GetNamesOrCommandNameForMsg(nullptr);
  ORVNLSMsgBldrRfHndlr advice = GetCmdLnAnalyzer().GetHShortUsageBldr();
  if (_Minimum == _Maximum && _Minimum == 1)
    return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0004>(names), advice);
  if (_Minimum == _Maximum)
    return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0005>(names, _Minimum), advice);
  if (_Minimum <= 0)
    return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0008>(names, _Maximum), advice);
  if (_Maximum >= 0) {
    return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0006>(names, _Minimum, _Maximum),
                           advice);
  }
  return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0007>(names, _Minimum), advice);
}

void ORVCmdLnOptMultiArg::Reset() {
  ORVCmdLnOpt::Reset();
  _Count = 0;
}

const ORVContainer& ORVCmdLnOptMultiArg::GetArgumentSet() const {
  return _ArgumentSet;
}
