#include "ORVMappedCodeHashCodeVal.h"

#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "ORVMappedCode.h"

ORV_META_OBJECT_DEFINE(ORVMappedCodeHashCodeVal, ORVStringExtCharsHash)

ORVMappedCodeHashCodeVal* ORVMappedCodeHashCodeVal::_pGlobal = nullptr;

ORVMappedCodeHashCodeVal::~ORVMappedCodeHashCodeVal() {
  ORVForgetGlobal(_pGlobal, this);
}

unsigned int ORVMappedCodeHashCodeVal::Code(const PEVBaseUnknown* iObject) const {
  if (!iObject) ORV_FATAL("pObj1 == NULL");
  if (iObject->GetMetaObject()->IsAKindOf(ORVMappedCode::MetaObject()))
    return ORVStringExtCharsHash::Code(&static_cast<const ORVMappedCode*>(iObject)->GetCode());
  return ORVStringExtCharsHash::Code(iObject);
}

ORVMappedCodeHashCodeVal* ORVMappedCodeHashCodeVal::GetGlobal() {
  return ORVMakeGlobal<ORVMappedCodeHashCodeVal>(_pGlobal);
}
