// ORVExecGraphNodeCmpStep.h - orders ORVExecGraphNode objects by their final step, and finds them
// with a bare ORVExecGraphStep as pattern.
//
// An argument that is a ORVExecGraphNode is replaced by its key, one that is a ORVExecGraphStep is
// its own key; the keys are compared by address. A null argument is fatal. Another class is a fatal
// internal error. GetGlobal makes the one shared instance on first use and registers it with the
// global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVExport.h"
#include "PEVBaseUnknownCmpAddr.h"

class ORV_EXPORT ORVExecGraphNodeCmpStep : public PEVBaseUnknownCmpAddr {
  ORV_META_OBJECT(ORVExecGraphNodeCmpStep)

public:
  ~ORVExecGraphNodeCmpStep() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVExecGraphNodeCmpStep* GetGlobal();

private:
  static ORVExecGraphNodeCmpStep* _pGlobal;
};
