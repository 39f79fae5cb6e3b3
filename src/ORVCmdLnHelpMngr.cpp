#include "ORVCmdLnHelpMngr.h"

#include "ORVCatalogKeys.h"
#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnError.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVError.h"
#include "ORVNLSMsgBldrFromString.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnHelpMngr, ORVCmdLnOptMngr)

namespace {

constexpr char kHelpNames[] = "-h|-help|-?";
// The key of the help text shown as a diagnostic: a ready text, not a catalog message.
constexpr char kHelpTextKey[] = "CONCAT";

}  // namespace

ORVCmdLnHelpMngr::ORVCmdLnHelpMngr(ORVCmdLnAnalyzer& iAnalyzer, ORVParamNLSMsgBldr* iShortUsage,
                                   const ORVNLSMsgBldrRfHndlr& iExplainedUsage)
    : ORVCmdLnOptMngr(iAnalyzer), _HExplainedUsageBldr(iExplainedUsage) {
  // The option sets parameter 0 of its usage line to its names again.
  _pHelpOpt = new ORVCmdLnOptNoArg(iAnalyzer, kHelpNames, ORVCmdLnOptHelp,
                                   ORVMakeCatalogMessage<ORVBC_0101>(kHelpNames));
  if (iShortUsage) iShortUsage->AddNewParameter(_pHelpOpt->GetNamesOrCommandNameForMsg(nullptr));
}

ORVCmdLnHelpMngr::~ORVCmdLnHelpMngr() {
  _pHelpOpt->Release();
}

long ORVCmdLnHelpMngr::Check() const {
  if (!_pHelpOpt->IsDefined()) return ORVCmdLnSuccess();
  ORVNLSMsgBldrRfHndlr help;
  help.Set(ORVRfHndlrAdopt,
           new ORVNLSMsgBldrFromString(GetHelp(), ORVBC_0101._Catalog, kHelpTextKey));
  ORVError* error = new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), help,
                                 ORVNLSMsgBldrRfHndlr(), PEVErrorTypeInformation, 1);
  return PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
}

void ORVCmdLnHelpMngr::Reset() {}

PEVUnicodeString ORVCmdLnHelpMngr::GetHelp() const {
  const ORVCmdLnAnalyzer& analyzer = _pHelpOpt->GetCmdLnAnalyzer();
  PEVUnicodeString help = analyzer.GetHShortUsageBldr()->Build();
  help += "\n";
  const ORVVector& options = analyzer.GetOptionSet();
  for (int index = 0; index < options.Size(); ++index) {
    ORVNLSMsgBldrRfHndlr usage = static_cast<ORVCmdLnOpt*>(options[index])->GetHUsageBldr();
    if (!usage) continue;
    help += usage->Build();
    help += "\n";
  }
  if (!_HExplainedUsageBldr) return help;
  if (options.Size() > 0) help += "\n";
  help += _HExplainedUsageBldr->Build();
  help += "\n";
  return help;
}

ORVCmdLnOptNoArg& ORVCmdLnHelpMngr::GetHelpOpt() const {
  return *_pHelpOpt;
}

const ORVNLSMsgBldrRfHndlr& ORVCmdLnHelpMngr::GetHExplainedUsageBldr() const {
  return _HExplainedUsageBldr;
}
