// ORVExecGraphStep.h - one execution step of an execution graph: the shared step of
// the nodes of a cycle, or a node's own.
//
// A step may be overridden by another (final) step; overrides form chains that end in
// the final step. The override is a counted reference; the parent step is a plain
// pointer. Releasing a step releases its chain iteratively, so chains as long as the
// input end without deep recursion. Broken rules end the process with a fatal report.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "ORVRefHandler.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORV_EXPORT ORVExecGraphStep : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVExecGraphStep)

public:
  // Nested, so that its inline members see the complete step; named at namespace
  // scope below like every handler.
  ORV_RFHNDLR(ORVExecGraphStep, PEVBaseUnknownRfHndlr);

  ORVExecGraphStep() = default;
  // Lets go of the override chain one step at a time.
  ~ORVExecGraphStep() override;
  ORVExecGraphStep(const ORVExecGraphStep&) = delete;
  ORVExecGraphStep& operator=(const ORVExecGraphStep&) = delete;

  // Fatal when iHOverride is this step, is empty or is itself overridden.
  virtual void SetHOverride(const ORVExecGraphStepRfHndlr& iHOverride);
  virtual const ORVExecGraphStepRfHndlr& GetHOverride() const;
  virtual void SetParentStep(const ORVExecGraphStep* iParentStep);
  virtual const ORVExecGraphStep* GetParentStep() const;
  virtual void SetRankIfGreater(int iRank);
  virtual int GetRank() const;

private:
  friend class ORVExecGraphNode;
  friend class ORVExecGraphBuilder;

  ORVExecGraphStepRfHndlr _HOverride;
  const ORVExecGraphStep* _pParentStep = nullptr;
  int _Rank = 0;
  // Working state of a build: the step's group on the walk's path (-1 when off it), the
  // marks of the analysis and then its run of step links, the count of its parent links
  // not yet ranked, and the last parent step linked to it (to drop duplicate links).
  int _BuildMark = -1;
  int _BuildLinks = 0;
  int _BuildPending = 0;
  const ORVExecGraphStep* _pBuildLastParent = nullptr;
};

using ORVExecGraphStepRfHndlr = ORVExecGraphStep::ORVExecGraphStepRfHndlr;
