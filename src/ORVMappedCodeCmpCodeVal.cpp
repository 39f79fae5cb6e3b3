#include "ORVMappedCodeCmpCodeVal.h"

#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "ORVMappedCode.h"

ORV_META_OBJECT_DEFINE(ORVMappedCodeCmpCodeVal, ORVStringExtCharsCmp)

ORVMappedCodeCmpCodeVal* ORVMappedCodeCmpCodeVal::_pGlobal = nullptr;

namespace {

const PEVBaseUnknown* CodeOrSelf(const PEVBaseUnknown* iObject) {
  if (!iObject->GetMetaObject()->IsAKindOf(ORVMappedCode::MetaObject())) return iObject;
  return &static_cast<const ORVMappedCode*>(iObject)->GetCode();
}

}  // namespace

ORVMappedCodeCmpCodeVal::~ORVMappedCodeCmpCodeVal() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVMappedCodeCmpCodeVal::CompareObjects(const PEVBaseUnknown* iObj1,
                                            const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 == NULL OR pObj2 == NULL");
  return ORVStringExtCharsCmp::CompareObjects(CodeOrSelf(iObj1), CodeOrSelf(iObj2));
}

ORVMappedCodeCmpCodeVal* ORVMappedCodeCmpCodeVal::GetGlobal() {
  return ORVMakeGlobal<ORVMappedCodeCmpCodeVal>(_pGlobal);
}
