// ORVIdAndParentId.h - an identified object that also knows its parent's identifier.
//
// Both identifiers are copies sharing the given strings' storage.
#pragma once

#include "ORVIdentifiedObject.h"
#include "ORVString.h"

class ORV_EXPORT ORVIdAndParentId : public ORVIdentifiedObject {
  ORV_META_OBJECT(ORVIdAndParentId)

public:
  ORVIdAndParentId(const ORVString& iIdentifier, const ORVString& iParentId);

  const ORVString& GetIdentifier() const override;
  virtual const ORVString& GetParentId() const;

private:
  ORVString _Identifier;
  ORVString _ParentId;
};
