#include "ORVExecGraphNodeLinkCmpParentNode.h"

#include "ORVExecGraphKey.h"
#include "ORVExecGraphNodeLink.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphNodeLinkCmpParentNode, PEVBaseUnknownCmpAddr)

namespace {

const PEVBaseUnknown* ParentOf(const ORVExecGraphNodeLink* iLink) {
  return iLink->GetParentNode();
}

}  // namespace

ORVExecGraphNodeLinkCmpParentNode* ORVExecGraphNodeLinkCmpParentNode::_pGlobal = nullptr;

ORVExecGraphNodeLinkCmpParentNode::~ORVExecGraphNodeLinkCmpParentNode() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVExecGraphNodeLinkCmpParentNode::CompareObjects(const PEVBaseUnknown* iObj1,
                                                      const PEVBaseUnknown* iObj2) const {
  const PEVBaseUnknown* key1 = ORVExecGraphKey<ORVExecGraphNodeLink, ORVExecGraphNode>(
      iObj1, "pObj1", ParentOf, __FILE__, __LINE__);
  const PEVBaseUnknown* key2 = ORVExecGraphKey<ORVExecGraphNodeLink, ORVExecGraphNode>(
      iObj2, "pObj2", ParentOf, __FILE__, __LINE__);
  return PEVBaseUnknownCmpAddr::CompareObjects(key1, key2);
}

ORVExecGraphNodeLinkCmpParentNode* ORVExecGraphNodeLinkCmpParentNode::GetGlobal() {
  return ORVMakeGlobal<ORVExecGraphNodeLinkCmpParentNode>(_pGlobal);
}
