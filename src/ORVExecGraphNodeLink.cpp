#include "ORVExecGraphNodeLink.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphNodeLink, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVExecGraphNodeLink)

ORVExecGraphNodeLink::ORVExecGraphNodeLink(ORVExecGraphNode* iParentNode, ORVExecGraphNode& iNode)
    : _pParentNode(iParentNode), _pNode(&iNode) {}

ORVExecGraphNodeLink::~ORVExecGraphNodeLink() {
  _pParentNode = nullptr;
  _pNode = nullptr;
}

ORVExecGraphNode* ORVExecGraphNodeLink::GetParentNode() const {
  return _pParentNode;
}

ORVExecGraphNode* ORVExecGraphNodeLink::GetNode() const {
  return _pNode;
}
