#include "ORVStringExtCharsConvToUpperExtChars.h"

#include "ORVStringExtCharsCaseConversion.h"

ORV_META_OBJECT_DEFINE(ORVStringExtCharsConvToUpperExtChars, ORVConvertor)

void ORVStringExtCharsConvToUpperExtChars::Set(const PEVBaseUnknown* iObject) {
  if (!iObject) {
    _NothingConverted = 1;
    return;
  }
  ORVConvertStringExtCharsCase(iObject, _Converted, &ORVString::ToUpper);
  _NothingConverted = 0;
}

const PEVBaseUnknown* ORVStringExtCharsConvToUpperExtChars::GetConverted() const {
  if (_NothingConverted) return nullptr;
  return &_Converted;
}
