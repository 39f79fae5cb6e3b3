#include "ORVStringConvToExtChars.h"

#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVStringConvToExtChars, ORVConvertor)

void ORVStringConvToExtChars::Set(const PEVBaseUnknown* iObject) {
  if (!iObject) {
    _NothingConverted = 1;
    return;
  }
  const auto* text = ORVCheckedCast<ORVString>(iObject);
  _NothingConverted = 0;
  _Converted.SetChars(text->GetChars());
}

const PEVBaseUnknown* ORVStringConvToExtChars::GetConverted() const {
  if (_NothingConverted) return nullptr;
  return &_Converted;
}
