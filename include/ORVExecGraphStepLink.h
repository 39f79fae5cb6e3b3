// ORVExecGraphStepLink.h - an edge of the step graph: the step comes after the parent
// step; a null parent step marks a root step.
//
// Both are plain pointers: the steps live as long as the nodes that hold them. Not
// thread-safe.
#pragma once

#include "ORVExecGraphStep.h"
#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVExecGraphStepLink : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVExecGraphStepLink)

public:
  ORVExecGraphStepLink(ORVExecGraphStep* iParentStep, ORVExecGraphStep& iStep);
  ORVExecGraphStepLink(const ORVExecGraphStepLink&) = delete;
  ORVExecGraphStepLink& operator=(const ORVExecGraphStepLink&) = delete;

  virtual ORVExecGraphStep* GetParentStep() const;
  virtual ORVExecGraphStep* GetStep() const;

private:
  friend class ORVExecGraphBuilder;

  ORVExecGraphStep* _pParentStep;
  ORVExecGraphStep* _pStep;
};

ORV_RFHNDLR(ORVExecGraphStepLink, PEVBaseUnknownRfHndlr);
