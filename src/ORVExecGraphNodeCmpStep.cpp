#include "ORVExecGraphNodeCmpStep.h"

#include "ORVExecGraphKey.h"
#include "ORVExecGraphNode.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphNodeCmpStep, PEVBaseUnknownCmpAddr)

namespace {

const PEVBaseUnknown* FinalStep(const ORVExecGraphNode* iNode) {
  return iNode->GetHStep().Get();
}

}  // namespace

ORVExecGraphNodeCmpStep* ORVExecGraphNodeCmpStep::_pGlobal = nullptr;

ORVExecGraphNodeCmpStep::~ORVExecGraphNodeCmpStep() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVExecGraphNodeCmpStep::CompareObjects(const PEVBaseUnknown* iObj1,
                                            const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 == NULL OR pObj2 == NULL");
  const PEVBaseUnknown* key1 = ORVExecGraphKey<ORVExecGraphNode, ORVExecGraphStep>(
      iObj1, "pObj1", FinalStep, __FILE__, __LINE__);
  const PEVBaseUnknown* key2 = ORVExecGraphKey<ORVExecGraphNode, ORVExecGraphStep>(
      iObj2, "pObj2", FinalStep, __FILE__, __LINE__);
  return PEVBaseUnknownCmpAddr::CompareObjects(key1, key2);
}

ORVExecGraphNodeCmpStep* ORVExecGraphNodeCmpStep::GetGlobal() {
  return ORVMakeGlobal<ORVExecGraphNodeCmpStep>(_pGlobal);
}
