#include "ORVCmdLnOptNoArg.h"

#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnError.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOptNoArg, ORVCmdLnOpt)

ORVCmdLnOptNoArg::ORVCmdLnOptNoArg(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                                   ORVCmdLnOptStatusEnum iStatus,
                                   const ORVParamNLSMsgBldrRfHndlr& iUsage)
    : ORVCmdLnOpt(iAnalyzer, iNames, iStatus, iUsage) {}

unsigned int ORVCmdLnOptNoArg::IsTheLastOption() const {
  return 0;
}

unsigned int ORVCmdLnOptNoArg::AcceptsOneMoreArgument() const {
  return 0;
}

long ORVCmdLnOptNoArg::AddArgument(const char* iArgument) {
  return ORV_CMDLN_ERROR(GetCommandNameAndNamesForMsg(iArgument),
                         ORVMakeCatalogMessage<ORVBC_0003>(GetNamesOrCommandNameForMsg(nullptr)),
                         GetCmdLnAnalyzer().GetHShortUsageBldr());
}
