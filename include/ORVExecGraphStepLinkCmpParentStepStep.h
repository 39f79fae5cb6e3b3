// ORVExecGraphStepLinkCmpParentStepStep.h - orders step links by parent step, then step
// (addresses as unsigned numbers), so that equal links are the same dependency.
//
// Both arguments must be step links: null or another class is a fatal internal error.
// GetGlobal makes the one shared instance on first use and registers it with the
// global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVComparator.h"
#include "ORVExport.h"

class ORV_EXPORT ORVExecGraphStepLinkCmpParentStepStep : public ORVComparator {
  ORV_META_OBJECT(ORVExecGraphStepLinkCmpParentStepStep)

public:
  ~ORVExecGraphStepLinkCmpParentStepStep() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVExecGraphStepLinkCmpParentStepStep* GetGlobal();

private:
  static ORVExecGraphStepLinkCmpParentStepStep* _pGlobal;
};
