#include "ORVExecGraphNode.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphNode, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVExecGraphNode)

ORVExecGraphNode::ORVExecGraphNode() {
  Init();
}

void ORVExecGraphNode::Init() {
  _HStep.Set(ORVRfHndlrAdopt, new ORVExecGraphStep());
  _BuildStep = 0;
}

void ORVExecGraphNode::OverrideHStep(const ORVExecGraphStepRfHndlr& iHStep) {
  _HStep->SetHOverride(iHStep);
  _HStep = iHStep;
}

const ORVExecGraphStepRfHndlr& ORVExecGraphNode::GetHStep() const {
  // Chains of one or two steps, the usual case, have nothing to shorten.
  if (!_HStep->_HOverride) return _HStep;
  if (!_HStep->_HOverride->_HOverride) return _HStep->_HOverride;
  const ORVExecGraphStepRfHndlr* final = &_HStep;
  while ((*final)->_HOverride)
    final = &(*final)->_HOverride;
  // Every step of the chain then overrides to the final step directly: walks stay
  // short however the chain grew. The handler `next` keeps the following step alive
  // while the one before lets go of it.
  ORVExecGraphStepRfHndlr next = _HStep;
  while (next.Get() != final->Get() && next->_HOverride.Get() != final->Get()) {
    ORVExecGraphStepRfHndlr after = next->_HOverride;
    next->_HOverride = *final;
    next = after;
  }
  return _HStep->_HOverride ? _HStep->_HOverride : _HStep;
}

const ORVExecGraphStepRfHndlr& ORVExecGraphNode::GetHStepWithReinit() {
  const ORVExecGraphStepRfHndlr& final = GetHStep();
  if (&final != &_HStep) _HStep = ORVExecGraphStepRfHndlr(final);
  return _HStep;
}

void ORVExecGraphNode::SetBuildStep(int iBuildStep) {
  _BuildStep = iBuildStep;
}

int ORVExecGraphNode::GetBuildStep() const {
  return _BuildStep;
}
