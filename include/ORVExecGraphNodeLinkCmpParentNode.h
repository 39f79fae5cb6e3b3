// ORVExecGraphNodeLinkCmpParentNode.h - orders ORVExecGraphNodeLink objects by their parent node,
// and finds them with a bare ORVExecGraphNode as pattern.
//
// An argument that is a ORVExecGraphNodeLink is replaced by its key, one that is a ORVExecGraphNode
// is its own key; the keys are compared by address. A null argument is a null key. Another class is
// a fatal internal error. GetGlobal makes the one shared instance on first use and registers it
// with the global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVExport.h"
#include "PEVBaseUnknownCmpAddr.h"

class ORV_EXPORT ORVExecGraphNodeLinkCmpParentNode : public PEVBaseUnknownCmpAddr {
  ORV_META_OBJECT(ORVExecGraphNodeLinkCmpParentNode)

public:
  ~ORVExecGraphNodeLinkCmpParentNode() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVExecGraphNodeLinkCmpParentNode* GetGlobal();

private:
  static ORVExecGraphNodeLinkCmpParentNode* _pGlobal;
};
