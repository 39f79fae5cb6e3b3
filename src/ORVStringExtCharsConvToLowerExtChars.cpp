#include "ORVStringExtCharsConvToLowerExtChars.h"

#include "ORVStringExtCharsCaseConversion.h"

ORV_META_OBJECT_DEFINE(ORVStringExtCharsConvToLowerExtChars, ORVConvertor)

void ORVStringExtCharsConvToLowerExtChars::Set(const PEVBaseUnknown* iObject) {
  if (!iObject) {
    _NothingConverted = 1;
    return;
  }
  ORVConvertStringExtCharsCase(iObject, _Converted, &ORVString::ToLower);
  _NothingConverted = 0;
}

const PEVBaseUnknown* ORVStringExtCharsConvToLowerExtChars::GetConverted() const {
  if (_NothingConverted) return nullptr;
  return &_Converted;
}
