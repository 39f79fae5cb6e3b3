// ORVExecGraphStepLinkCmpParentStep.h - orders ORVExecGraphStepLink objects by their parent step,
// and finds them with a bare ORVExecGraphStep as pattern.
//
// An argument that is a ORVExecGraphStepLink is replaced by its key, one that is a ORVExecGraphStep
// is its own key; the keys are compared by address. A null argument is a null key (the parent of
// the root links). Another class is a fatal internal error. GetGlobal makes the one shared instance
// on first use and registers it with the global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVExport.h"
#include "PEVBaseUnknownCmpAddr.h"

class ORV_EXPORT ORVExecGraphStepLinkCmpParentStep : public PEVBaseUnknownCmpAddr {
  ORV_META_OBJECT(ORVExecGraphStepLinkCmpParentStep)

public:
  ~ORVExecGraphStepLinkCmpParentStep() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVExecGraphStepLinkCmpParentStep* GetGlobal();

private:
  static ORVExecGraphStepLinkCmpParentStep* _pGlobal;
};
