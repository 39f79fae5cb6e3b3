#include "ORVExecGraphNodeWithId.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphNodeWithId, ORVExecGraphNode)
ORV_RFHNDLR_DEFINE(ORVExecGraphNodeWithId)

ORVExecGraphNodeWithId::ORVExecGraphNodeWithId(const ORVString& iIdentifier)
    : _Identifier(iIdentifier) {}

const ORVString& ORVExecGraphNodeWithId::GetIdentifier() const {
  return _Identifier;
}
