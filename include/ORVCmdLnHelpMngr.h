// ORVCmdLnHelpMngr.h - adds the help option "-h|-help|-?" to a command and answers it.
//
// The manager creates and owns the help option (a no-argument option of status
// ORVCmdLnOptHelp, registered where the manager is constructed). When the option was
// given, the analysis returns 1 with an information error (type 4) whose diagnostic is
// the whole help text: the short usage, every option's usage line and the explained
// usage. Building the help without a short usage is a fatal internal error.
#pragma once

#include "ORVCmdLnOptMngr.h"
#include "ORVNLSMsgBldr.h"
#include "PEVUnicodeString.h"

class ORVCmdLnOptNoArg;
class ORVParamNLSMsgBldr;

class ORV_EXPORT ORVCmdLnHelpMngr : public ORVCmdLnOptMngr {
  ORV_META_OBJECT(ORVCmdLnHelpMngr)

public:
  // A non-null iShortUsage (normally the analyzer's short usage builder) receives the
  // help option's names as its next parameter; iExplainedUsage may be empty.
  ORVCmdLnHelpMngr(ORVCmdLnAnalyzer& iAnalyzer, ORVParamNLSMsgBldr* iShortUsage,
                   const ORVNLSMsgBldrRfHndlr& iExplainedUsage);
  ~ORVCmdLnHelpMngr() override;

  // Success while the help option is not given; otherwise the help result (code 1).
  long Check() const override;
  // Nothing: the analyzer resets the help option with the other options.
  void Reset() override;

  // The short usage, then each option's usage line, then the explained usage after an
  // empty line, each ending with "\n".
  virtual PEVUnicodeString GetHelp() const;
  virtual ORVCmdLnOptNoArg& GetHelpOpt() const;
  virtual const ORVNLSMsgBldrRfHndlr& GetHExplainedUsageBldr() const;

private:
  ORVCmdLnOptNoArg* _pHelpOpt = nullptr;  // one reference, released by the destructor
  ORVNLSMsgBldrRfHndlr _HExplainedUsageBldr;
};
