// ORVCmdLnAnalyzer.h - assigns the arguments of a command line to its declared options.
//
// A tool makes one analyzer, then its options and option managers, which register
// themselves in construction order. The analyzer keeps plain pointers to them: it owns
// neither, and they must outlive its use. Analyze places every argument, then lets every
// option and every manager check itself; the first user mistake is returned as a result
// code whose ORVError holds the request ORVBC "0013" with the fragment at fault, a
// diagnostic and the short usage as advice. A null argument array or argument is a fatal
// internal error. Not thread-safe.
#pragma once

#include "ORVMacro.h"
#include "ORVParamNLSMsgBldr.h"
#include "ORVVector.h"
#include "PEVUnicodeString.h"

class ORVCmdLnOpt;
class ORVCmdLnOptMngr;

class ORV_EXPORT ORVCmdLnAnalyzer : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVCmdLnAnalyzer)

public:
  // Sets parameter 0 of a non-null short usage builder to the command name.
  ORVCmdLnAnalyzer(PEVUnicodeString iCommandName, const ORVParamNLSMsgBldrRfHndlr& iShortUsage);
  ORVCmdLnAnalyzer(const ORVCmdLnAnalyzer&) = delete;
  ORVCmdLnAnalyzer& operator=(const ORVCmdLnAnalyzer&) = delete;

  virtual const PEVUnicodeString& GetCommandName() const;
  // Appends the option; a help option becomes the analyzer's help option.
  virtual void AddOption(ORVCmdLnOpt& iOption);
  virtual void AddOptMngr(ORVCmdLnOptMngr& iOptMngr);
  // A new handler on the short usage builder, empty when there is none.
  virtual ORVNLSMsgBldrRfHndlr GetHShortUsageBldr() const;
  // The options and the managers in registration order (ORVCmdLnOpt, ORVCmdLnOptMngr).
  virtual const ORVVector& GetOptionSet() const;
  virtual const ORVVector& GetOptMngrSet() const;
  // Analyses iCount arguments (the command name excluded): 0 on success, otherwise the
  // code of the first failure, or 1 for a help request answered by the help manager.
  // Resets nothing: a second analysis needs Reset first.
  virtual long Analyze(const char* const* iArguments, int iCount);
  // Resets every option, then every manager.
  virtual void Reset();
  // The first option one of whose names is iName exactly (case-sensitive, no
  // abbreviation), or null. The empty name finds the option of the command's own
  // arguments.
  virtual ORVCmdLnOpt* LookupOneOption(const char* iName) const;

  // The last registered help option, or null.
  ORVCmdLnOpt* GetHelpOption() const { return _pHelpOption; }

private:
  PEVUnicodeString _CommandName;
  ORVParamNLSMsgBldrRfHndlr _HShortUsageBldr;
  ORVVector _OptionSet;
  ORVVector _OptMngrSet;
  ORVCmdLnOpt* _pHelpOption = nullptr;
};
