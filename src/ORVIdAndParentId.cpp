#include "ORVIdAndParentId.h"

ORV_META_OBJECT_DEFINE(ORVIdAndParentId, ORVIdentifiedObject)

ORVIdAndParentId::ORVIdAndParentId(const ORVString& iIdentifier, const ORVString& iParentId)
    : _Identifier(iIdentifier), _ParentId(iParentId) {}

const ORVString& ORVIdAndParentId::GetIdentifier() const {
  return _Identifier;
}

const ORVString& ORVIdAndParentId::GetParentId() const {
  return _ParentId;
}
