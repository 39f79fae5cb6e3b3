#include "ORVStringExtCharsHash.h"

#include "ORVGlobal.h"
#include "ORVStringExtCharsText.h"

ORV_META_OBJECT_DEFINE(ORVStringExtCharsHash, ORVHashCoder)

namespace {

int AsSignedByte(unsigned char iCharacter) {
  return (signed char)iCharacter;
}

}  // namespace

ORVStringExtCharsHash* ORVStringExtCharsHash::_pGlobal = nullptr;

ORVStringExtCharsHash::~ORVStringExtCharsHash() {
  ORVForgetGlobal(_pGlobal, this);
}

unsigned int ORVStringExtCharsHash::Code(const PEVBaseUnknown* iObject) const {
  return ORVHashText<AsSignedByte>(iObject, __FILE__, __LINE__);
}

ORVStringExtCharsHash* ORVStringExtCharsHash::GetGlobal() {
  return ORVMakeGlobal<ORVStringExtCharsHash>(_pGlobal);
}
