// ORVCmdLnOptMngr.h - a check made after every argument of a command line was placed.
//
// A manager registers itself with its analyzer when constructed; managers are checked in
// registration order and the first failure ends the analysis. The tool owns its
// managers; the analyzer only points at them.
#pragma once

#include "ORVMacro.h"

class ORVCmdLnAnalyzer;

class ORV_EXPORT ORVCmdLnOptMngr : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVCmdLnOptMngr)

public:
  explicit ORVCmdLnOptMngr(ORVCmdLnAnalyzer& iAnalyzer);
  ORVCmdLnOptMngr(const ORVCmdLnOptMngr&) = delete;
  ORVCmdLnOptMngr& operator=(const ORVCmdLnOptMngr&) = delete;

  // 0 when the constraint holds, else a failure code.
  virtual long Check() const = 0;
  // Back to the state before any analysis.
  virtual void Reset() = 0;
  virtual ORVCmdLnAnalyzer& GetCmdLnAnalyzer() const;

private:
  ORVCmdLnAnalyzer& _Analyzer;
};
