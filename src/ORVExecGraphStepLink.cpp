#include "ORVExecGraphStepLink.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphStepLink, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVExecGraphStepLink)

ORVExecGraphStepLink::ORVExecGraphStepLink(ORVExecGraphStep* iParentStep, ORVExecGraphStep& iStep)
    : _pParentStep(iParentStep), _pStep(&iStep) {}

ORVExecGraphStep* ORVExecGraphStepLink::GetParentStep() const {
  return _pParentStep;
}

ORVExecGraphStep* ORVExecGraphStepLink::GetStep() const {
  return _pStep;
}
