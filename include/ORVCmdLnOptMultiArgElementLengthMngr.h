// ORVCmdLnOptMultiArgElementLengthMngr.h - bounds the length of every value of a
// multi-argument option.
//
// Walks the option's argument set (ORVString elements) and reports the first value out
// of bounds with ORVBC "0016", "0019" or "0020" and the option's own usage as advice. The
// option and its set must outlive the manager; a negative maximum means no maximum. An
// element that is null or not a string is a fatal internal error. The walk uses the
// global address comparator, which needs the global object cleaner.
#pragma once

#include "ORVCmdLnOptMngr.h"

class ORVCmdLnOptMultiArg;

class ORV_EXPORT ORVCmdLnOptMultiArgElementLengthMngr : public ORVCmdLnOptMngr {
  ORV_META_OBJECT(ORVCmdLnOptMultiArgElementLengthMngr)

public:
  ORVCmdLnOptMultiArgElementLengthMngr(ORVCmdLnAnalyzer& iAnalyzer,
                                       const ORVCmdLnOptMultiArg& iOption, int iMinimum,
                                       int iMaximum);

  long Check() const override;
  // Nothing to reset.
  void Reset() override;

private:
  const ORVCmdLnOptMultiArg& _Option;
  int _Minimum;
  int _Maximum;
};
