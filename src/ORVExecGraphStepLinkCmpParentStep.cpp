#include "ORVExecGraphStepLinkCmpParentStep.h"

#include "ORVExecGraphKey.h"
#include "ORVExecGraphStepLink.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphStepLinkCmpParentStep, PEVBaseUnknownCmpAddr)

namespace {

const PEVBaseUnknown* ParentOf(const ORVExecGraphStepLink* iLink) {
  return iLink->GetParentStep();
}

}  // namespace

ORVExecGraphStepLinkCmpParentStep* ORVExecGraphStepLinkCmpParentStep::_pGlobal = nullptr;

ORVExecGraphStepLinkCmpParentStep::~ORVExecGraphStepLinkCmpParentStep() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVExecGraphStepLinkCmpParentStep::CompareObjects(const PEVBaseUnknown* iObj1,
                                                      const PEVBaseUnknown* iObj2) const {
  const PEVBaseUnknown* key1 = ORVExecGraphKey<ORVExecGraphStepLink, ORVExecGraphStep>(
      iObj1, "pObj1", ParentOf, __FILE__, __LINE__);
  const PEVBaseUnknown* key2 = ORVExecGraphKey<ORVExecGraphStepLink, ORVExecGraphStep>(
      iObj2, "pObj2", ParentOf, __FILE__, __LINE__);
  return PEVBaseUnknownCmpAddr::CompareObjects(key1, key2);
}

ORVExecGraphStepLinkCmpParentStep* ORVExecGraphStepLinkCmpParentStep::GetGlobal() {
  return ORVMakeGlobal<ORVExecGraphStepLinkCmpParentStep>(_pGlobal);
}
