// ORVExecGraphStepLinkHashParentStepStep.h - hash codes of step links, agreeing with
// ORVExecGraphStepLinkCmpParentStepStep: the address hash of the parent step plus that
// of the step, in 32-bit arithmetic.
//
// Null or another class is a fatal internal error. GetGlobal makes the one shared
// instance on first use and registers it with the global object cleaner (process-wide,
// unlocked state).
#pragma once

#include "ORVExport.h"
#include "ORVHashCoder.h"

class ORV_EXPORT ORVExecGraphStepLinkHashParentStepStep : public ORVHashCoder {
  ORV_META_OBJECT(ORVExecGraphStepLinkHashParentStepStep)

public:
  ~ORVExecGraphStepLinkHashParentStepStep() override;

  unsigned int Code(const PEVBaseUnknown* iObject) const override;

  static ORVExecGraphStepLinkHashParentStepStep* GetGlobal();

private:
  static ORVExecGraphStepLinkHashParentStepStep* _pGlobal;
};
