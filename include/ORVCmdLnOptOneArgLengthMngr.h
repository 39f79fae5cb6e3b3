// ORVCmdLnOptOneArgLengthMngr.h - bounds the length of a one-argument option's value.
//
// Checks the value only when one was given. A value out of bounds fails with ORVBC
// "0016", "0019" or "0020" and the option's own usage as advice. The option must outlive
// the manager; a negative maximum means no maximum.
#pragma once

#include "ORVCmdLnOptMngr.h"

class ORVCmdLnOptOneArg;

class ORV_EXPORT ORVCmdLnOptOneArgLengthMngr : public ORVCmdLnOptMngr {
  ORV_META_OBJECT(ORVCmdLnOptOneArgLengthMngr)

public:
  ORVCmdLnOptOneArgLengthMngr(ORVCmdLnAnalyzer& iAnalyzer, const ORVCmdLnOptOneArg& iOption,
                              int iMinimum, int iMaximum);

  long Check() const override;
  // Nothing to reset.
  void Reset() override;

private:
  const ORVCmdLnOptOneArg& _Option;
  int _Minimum;
  int _Maximum;
};
