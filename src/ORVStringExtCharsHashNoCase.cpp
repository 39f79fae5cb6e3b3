#include "ORVStringExtCharsHashNoCase.h"

#include <cctype>

#include "ORVGlobal.h"
#include "ORVStringExtCharsText.h"

ORV_META_OBJECT_DEFINE(ORVStringExtCharsHashNoCase, ORVHashCoder)

namespace {

// The lower-case form as a signed byte, so that a character without case hashes as in
// the case-sensitive coder.
int LowerAsSignedByte(unsigned char iCharacter) {
  return (signed char)tolower(iCharacter);
}

}  // namespace

ORVStringExtCharsHashNoCase* ORVStringExtCharsHashNoCase::_pGlobal = nullptr;

ORVStringExtCharsHashNoCase::~ORVStringExtCharsHashNoCase() {
  ORVForgetGlobal(_pGlobal, this);
}

unsigned int ORVStringExtCharsHashNoCase::Code(const PEVBaseUnknown* iObject) const {
  return ORVHashText<LowerAsSignedByte>(iObject, __FILE__, __LINE__);
}

ORVStringExtCharsHashNoCase* ORVStringExtCharsHashNoCase::GetGlobal() {
  return ORVMakeGlobal<ORVStringExtCharsHashNoCase>(_pGlobal);
}
