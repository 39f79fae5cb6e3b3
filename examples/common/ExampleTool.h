// ExampleTool.h - what the example tools do alike: the messages of their catalogs and
// the first step of their command line.
#pragma once

#include "ORVCmdLnAnalyzer.h"
#include "ORVErrorMngr.h"
#include "ORVParamNLSMsgBldrCtlg.h"

// A new builder of iKey in the tool's catalog iCatalog, iParameters added in order.
template <typename... Parameters>
ORVParamNLSMsgBldrCtlgRfHndlr ToolMessage(const char* iCatalog, const char* iKey,
                                          const Parameters&... iParameters) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg(iCatalog, iKey, nullptr));
  (builder->AddNewParameter(iParameters), ...);
  return builder;
}

// Analyses the command line of iArgv (iArgv[0] names the tool). The help text is shown
// as an information, ending the run with iHelpStatus; a mistake is shown and kept as the
// tool's error, ending it with iErrorStatus. True when the tool goes on.
inline bool AnalyzeToolCommandLine(ORVCmdLnAnalyzer& ioAnalyzer, int iArgc, char** iArgv,
                                   ORVErrorMngr& ioErrors, int iHelpStatus, int iErrorStatus,
                                   int& oStatus) {
  long code = ioAnalyzer.Analyze(iArgv + 1, iArgc - 1);
  if (code == 0) return true;
  if (code == 1)
    ioErrors.DisplayAndForgetError(code);
  else
    ioErrors.DisplayAndKeepError(code, 1);
  oStatus = code == 1 ? iHelpStatus : iErrorStatus;
  return false;
}
