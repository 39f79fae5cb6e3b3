// The comparator and the hash coder of objects with family by family address.
#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "ORVMappedCode.h"
#include "ORVObjWithFamily.h"
#include "ORVObjWithFamilyCmpFamily.h"
#include "ORVObjWithFamilyHashFamily.h"

ORV_META_OBJECT_DEFINE(ORVObjWithFamilyCmpFamily, PEVBaseUnknownCmpAddr)
ORV_META_OBJECT_DEFINE(ORVObjWithFamilyHashFamily, PEVBaseUnknownHashAddr)
ORV_GLOBAL_INSTANCE_DEFINE(ORVObjWithFamilyCmpFamily)
ORV_GLOBAL_INSTANCE_DEFINE(ORVObjWithFamilyHashFamily)

namespace {

const PEVBaseUnknown* FamilyOrSelf(const PEVBaseUnknown* iObject) {
  if (!iObject->GetMetaObject()->IsAKindOf(ORVObjWithFamily::MetaObject())) return iObject;
  return &static_cast<const ORVObjWithFamily*>(iObject)->GetFamily();
}

}  // namespace

int ORVObjWithFamilyCmpFamily::CompareObjects(const PEVBaseUnknown* iObj1,
                                              const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 == NULL or pObj2 == NULL");
  return PEVBaseUnknownCmpAddr::CompareObjects(FamilyOrSelf(iObj1), FamilyOrSelf(iObj2));
}

unsigned int ORVObjWithFamilyHashFamily::Code(const PEVBaseUnknown* iObject) const {
  if (!iObject) ORV_FATAL("pObj1 == NULL");
  return PEVBaseUnknownHashAddr::Code(FamilyOrSelf(iObject));
}
