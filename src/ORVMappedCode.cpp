#include "ORVMappedCode.h"

ORV_META_OBJECT_DEFINE(ORVMappedCode, PEVBaseUnknown)

ORVMappedCode::ORVMappedCode() = default;

ORVMappedCode::ORVMappedCode(const char* iCode) : _Code(iCode) {}

void ORVMappedCode::SetCode(const char* iCode) {
  _Code = iCode;
}

const ORVString& ORVMappedCode::GetCode() const {
  return _Code;
}
