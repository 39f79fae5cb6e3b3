#include "ORVIdObjConvIdToString.h"

#include "ORVIdentifiedObject.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVIdObjConvIdToString, ORVConvertor)

ORVIdObjConvIdToString::ORVIdObjConvIdToString(const ORVIdentifiedObject* iObject) {
  Set(iObject);
}

void ORVIdObjConvIdToString::Set(const PEVBaseUnknown* iObject) {
  _pObject = ORVCheckedCast<ORVIdentifiedObject>(iObject);
}

const PEVBaseUnknown* ORVIdObjConvIdToString::GetConverted() const {
  if (!_pObject) return nullptr;
  return &_pObject->GetIdentifier();
}
