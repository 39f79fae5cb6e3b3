// ORVExecGraphNode.h - a work item of an execution graph, with the step it belongs to.
//
// A new node holds a new step of its own; the builder merges the steps of the nodes of
// a cycle through overrides. The node holds its step through a counted reference. The
// build step marks how far a build has handled the node (0, 1, 2). Following the
// override chain shortens it, so that later walks are direct. Not thread-safe.
#pragma once

#include "ORVExecGraphStep.h"
#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVExecGraphNode : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVExecGraphNode)

public:
  ORVExecGraphNode();
  ORVExecGraphNode(const ORVExecGraphNode&) = delete;
  ORVExecGraphNode& operator=(const ORVExecGraphNode&) = delete;

  // The held step (not followed) gets iHStep as override, then the node holds iHStep.
  virtual void OverrideHStep(const ORVExecGraphStepRfHndlr& iHStep);
  // The handler of the final step: the node's own, or the last override of its chain.
  virtual const ORVExecGraphStepRfHndlr& GetHStep() const;
  // The node then holds its final step directly.
  virtual const ORVExecGraphStepRfHndlr& GetHStepWithReinit();
  virtual void SetBuildStep(int iBuildStep);
  virtual int GetBuildStep() const;

protected:
  // A new step and build step 0.
  void Init();

private:
  friend class ORVExecGraphBuilder;

  ORVExecGraphStepRfHndlr _HStep;
  int _BuildStep = 0;
  // Working state of a build: the first of the node's links and their count.
  int _BuildFirstLink = -1;
  int _BuildLinkCount = 0;
  unsigned int _BuildGeneration = 0;  // the build that set the two above
};

ORV_RFHNDLR(ORVExecGraphNode, PEVBaseUnknownRfHndlr);
