// ORVCmdLnOptOneArg.h - an option that takes one argument into a string of the caller.
//
// The caller's string must outlive the option; Reset does not empty it. A second
// argument fails with ORVBC "0009"; an option given without its required argument fails
// its check with "0004".
#pragma once

#include "ORVCmdLnOpt.h"

class ORVString;

class ORV_EXPORT ORVCmdLnOptOneArg : public ORVCmdLnOpt {
  ORV_META_OBJECT(ORVCmdLnOptOneArg)

public:
  // iArgument receives the argument; with iArgumentRequired the option may not be given
  // without it.
  ORVCmdLnOptOneArg(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames, ORVCmdLnOptStatusEnum iStatus,
                    const ORVParamNLSMsgBldrRfHndlr& iUsage, ORVString& iArgument,
                    unsigned int iArgumentRequired);

  unsigned int IsTheLastOption() const override;
  unsigned int AcceptsOneMoreArgument() const override;
  long AddArgument(const char* iArgument) override;
  long Check() const override;
  void Reset() override;

  virtual const ORVString& GetArgument() const;
  virtual unsigned int ArgumentIsAdded() const;

private:
  ORVString& _Argument;
  unsigned int _ArgumentRequired;
  unsigned int _ArgumentAdded = 0;
};
