#include "ORVMacro.h"

#include "ORVFatal.h"

namespace {

const PEVBaseUnknown* Check(const PEVBaseUnknown* iObject, PEVMetaClass* iMetaClass) {
  if (!iObject) return nullptr;
  if (!iMetaClass) ORV_FATAL("pMetaClass is NULL");
  if (iObject->GetMetaObject()->IsAKindOf(iMetaClass)) return iObject;
  ORV_FATAL("ORVConversionCheck::Check: object is not a "
            << '"' << iMetaClass->GetClassName() << '"' << " but a " << '"' << iObject->IsA()
            << '"');
}

}  // namespace

PEVBaseUnknown* ORVConversionCheckVar(PEVBaseUnknown* object, PEVMetaClass* pMetaClass) {
  return const_cast<PEVBaseUnknown*>(Check(object, pMetaClass));
}

const PEVBaseUnknown* ORVConversionCheckConst(const PEVBaseUnknown* object,
                                              PEVMetaClass* pMetaClass) {
  return Check(object, pMetaClass);
}

PEVBaseUnknown* ORVConversionCheckConstToVar(const PEVBaseUnknown* object,
                                             PEVMetaClass* pMetaClass) {
  return const_cast<PEVBaseUnknown*>(Check(object, pMetaClass));
}
