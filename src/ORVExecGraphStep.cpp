#include "ORVExecGraphStep.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphStep, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVExecGraphStep)

ORVExecGraphStep::~ORVExecGraphStep() {
  // Each step this one alone keeps alive is emptied before it goes, so that its own
  // destructor has no chain left to release.
  ORVExecGraphStepRfHndlr next = _HOverride;
  _HOverride.Set(ORVRfHndlrAdopt, nullptr);
  while (next.Get() && next->GetRefCount() == 1) {
    ORVExecGraphStepRfHndlr after = next->_HOverride;
    next->_HOverride.Set(ORVRfHndlrAdopt, nullptr);
    next = after;
  }
}

void ORVExecGraphStep::SetHOverride(const ORVExecGraphStepRfHndlr& iHOverride) {
  if (iHOverride.Get() == this) ORV_FATAL("The step can't override itself");
  if (!iHOverride) ORV_FATAL("An override must be defined");
  if (iHOverride->_HOverride) ORV_FATAL("An override can't be overriden");
  _HOverride = iHOverride;
}

const ORVExecGraphStepRfHndlr& ORVExecGraphStep::GetHOverride() const {
  return _HOverride;
}

void ORVExecGraphStep::SetParentStep(const ORVExecGraphStep* iParentStep) {
  _pParentStep = iParentStep;
}

const ORVExecGraphStep* ORVExecGraphStep::GetParentStep() const {
  return _pParentStep;
}

void ORVExecGraphStep::SetRankIfGreater(int iRank) {
  if (iRank > _Rank) _Rank = iRank;
}

int ORVExecGraphStep::GetRank() const {
  return _Rank;
}
