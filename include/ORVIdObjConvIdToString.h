// ORVIdObjConvIdToString.h - presents an identified object as its identifier string,
// for the volatile iterators.
//
// The converted value is the object's own string: the object must stay alive while it
// is used. An object that is not an ORVIdentifiedObject is a fatal internal error.
#pragma once

#include "ORVConvertor.h"

class ORVIdentifiedObject;

class ORV_EXPORT ORVIdObjConvIdToString : public ORVConvertor {
  ORV_META_OBJECT(ORVIdObjConvIdToString)

public:
  ORVIdObjConvIdToString() = default;
  explicit ORVIdObjConvIdToString(const ORVIdentifiedObject* iObject);

  void Set(const PEVBaseUnknown* iObject) override;
  // The identifier, or null without object.
  const PEVBaseUnknown* GetConverted() const override;

private:
  const ORVIdentifiedObject* _pObject = nullptr;
};
