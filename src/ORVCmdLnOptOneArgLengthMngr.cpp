#include "ORVCmdLnOptOneArgLengthMngr.h"

#include "ORVCmdLnError.h"
#include "ORVCmdLnOptOneArg.h"

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
