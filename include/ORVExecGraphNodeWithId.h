// ORVExecGraphNodeWithId.h - an execution-graph node named by an identifier.
//
// The identifier is copied at construction; the identifier comparator and hash coder
// find nodes by it. Not thread-safe.
#pragma once

#include "ORVExecGraphNode.h"
#include "ORVExport.h"
#include "ORVString.h"

class ORV_EXPORT ORVExecGraphNodeWithId : public ORVExecGraphNode {
  ORV_META_OBJECT(ORVExecGraphNodeWithId)

public:
  explicit ORVExecGraphNodeWithId(const ORVString& iIdentifier);

  virtual const ORVString& GetIdentifier() const;

private:
  ORVString _Identifier;
};

ORV_RFHNDLR(ORVExecGraphNodeWithId, ORVExecGraphNodeRfHndlr);
