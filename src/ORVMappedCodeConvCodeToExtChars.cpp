#include "ORVMappedCodeConvCodeToExtChars.h"

#include "ORVMappedCode.h"

ORV_META_OBJECT_DEFINE(ORVMappedCodeConvCodeToExtChars, ORVConvertor)

void ORVMappedCodeConvCodeToExtChars::Set(const PEVBaseUnknown* iObject) {
  if (!iObject) {
    _Converted.SetToDbNull();
    return;
  }
  _Converted.SetChars(ORVCheckedCast<ORVMappedCode>(iObject)->GetCode().GetChars());
}

const PEVBaseUnknown* ORVMappedCodeConvCodeToExtChars::GetConverted() const {
  if (_Converted.IsDbNull()) return nullptr;
  return &_Converted;
}
