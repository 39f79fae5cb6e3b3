#include "ORVIdObjConvIdToExtChars.h"

#include "ORVIdentifiedObject.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVIdObjConvIdToExtChars, ORVConvertor)

ORVIdObjConvIdToExtChars::ORVIdObjConvIdToExtChars() {
  _Converted.SetToDbNull();
}

ORVIdObjConvIdToExtChars::ORVIdObjConvIdToExtChars(const ORVIdentifiedObject* iObject) {
  Set(iObject);
}

void ORVIdObjConvIdToExtChars::Set(const PEVBaseUnknown* iObject) {
  _pObject = ORVCheckedCast<ORVIdentifiedObject>(iObject);
  if (!_pObject) {
    _Converted.SetToDbNull();
    return;
  }
  _Converted.SetChars(_pObject->GetIdentifier().GetChars());
}

const PEVBaseUnknown* ORVIdObjConvIdToExtChars::GetConverted() const {
  return &_Converted;
}
