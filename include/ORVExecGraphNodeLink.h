// ORVExecGraphNodeLink.h - a dependency of an execution graph: the node comes after the
// parent node.
//
// Both are plain pointers: the caller keeps the nodes alive. Not thread-safe.
#pragma once

#include "ORVExecGraphNode.h"
#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVExecGraphNodeLink : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVExecGraphNodeLink)

public:
  ORVExecGraphNodeLink(ORVExecGraphNode* iParentNode, ORVExecGraphNode& iNode);
  // Forgets both nodes without releasing them.
  ~ORVExecGraphNodeLink() override;
  ORVExecGraphNodeLink(const ORVExecGraphNodeLink&) = delete;
  ORVExecGraphNodeLink& operator=(const ORVExecGraphNodeLink&) = delete;

  virtual ORVExecGraphNode* GetParentNode() const;
  virtual ORVExecGraphNode* GetNode() const;

private:
  ORVExecGraphNode* _pParentNode;
  ORVExecGraphNode* _pNode;
};

ORV_RFHNDLR(ORVExecGraphNodeLink, PEVBaseUnknownRfHndlr);
