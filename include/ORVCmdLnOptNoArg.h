// ORVCmdLnOptNoArg.h - an option that takes no argument (a switch).
//
// Any argument handed to it fails with ORVBC "0003"; through the analyzer that happens
// only when the command has no option of its own arguments.
#pragma once

#include "ORVCmdLnOpt.h"

class ORV_EXPORT ORVCmdLnOptNoArg : public ORVCmdLnOpt {
  ORV_META_OBJECT(ORVCmdLnOptNoArg)

public:
  ORVCmdLnOptNoArg(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames, ORVCmdLnOptStatusEnum iStatus,
                   const ORVParamNLSMsgBldrRfHndlr& iUsage);

  unsigned int IsTheLastOption() const override;
  unsigned int AcceptsOneMoreArgument() const override;
  // Always fails.
  long AddArgument(const char* iArgument) override;
};
