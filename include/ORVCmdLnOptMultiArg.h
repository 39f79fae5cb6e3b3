// ORVCmdLnOptMultiArg.h - an option that takes a bounded number of arguments.
//
// Each argument becomes a new ORVString added to the caller's container, which must
// outlive the option and disposes of the strings (its delete policy or its owner); Reset
// neither empties it nor frees them. A minimum of 0 or less means none, a negative
// maximum no limit. One argument too many fails at once (ORVBC "0009" to "0012"); too
// few fail the check ("0004" to "0008").
#pragma once

#include "ORVCmdLnOpt.h"

class ORVContainer;

class ORV_EXPORT ORVCmdLnOptMultiArg : public ORVCmdLnOpt {
  ORV_META_OBJECT(ORVCmdLnOptMultiArg)

public:
  // With iIsTheLast every later argument is taken as an argument, even one starting
  // with "-".
  ORVCmdLnOptMultiArg(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                      ORVCmdLnOptStatusEnum iStatus, const ORVParamNLSMsgBldrRfHndlr& iUsage,
                      ORVContainer& iArgumentSet, int iMinimum, int iMaximum,
                      unsigned int iIsTheLast);

  unsigned int IsTheLastOption() const override;
  unsigned int AcceptsOneMoreArgument() const override;
  long AddArgument(const char* iArgument) override;
  long Check() const override;
  void Reset() override;

  virtual const ORVContainer& GetArgumentSet() const;

  // The arguments taken since the last Reset.
  int GetCount() const { return _Count; }

private:
  ORVContainer& _ArgumentSet;
  int _Minimum;
  int _Maximum;
  int _Count = 0;
  unsigned int _IsTheLast;
};
