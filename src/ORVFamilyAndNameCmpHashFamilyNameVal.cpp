// The comparator and the hash coder of objects by family address and name.
#include <cstdint>

#include "ORVFamilyAndName.h"
#include "ORVFamilyAndNameCmpFamilyNameVal.h"
#include "ORVFamilyAndNameHashFamilyNameVal.h"
#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "ORVMappedCode.h"
#include "ORVObjWithFamilyCmpFamily.h"
#include "ORVString.h"
#include "ORVStringExtCharsCmp.h"
#include "ORVStringExtCharsHash.h"
#include "PEVBaseUnknownHashAddr.h"

ORV_META_OBJECT_DEFINE(ORVFamilyAndNameCmpFamilyNameVal, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVFamilyAndNameHashFamilyNameVal, ORVHashCoder)
ORV_GLOBAL_INSTANCE_DEFINE(ORVFamilyAndNameCmpFamilyNameVal)
ORV_GLOBAL_INSTANCE_DEFINE(ORVFamilyAndNameHashFamilyNameVal)

int ORVFamilyAndNameCmpFamilyNameVal::CompareObjects(const PEVBaseUnknown* iObj1,
                                                     const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 or pObj2 is NULL");
  const auto* first = ORVCheckedCast<ORVFamilyAndName>(iObj1);
  const auto* second = ORVCheckedCast<ORVFamilyAndName>(iObj2);
  uintptr_t firstFamily = reinterpret_cast<uintptr_t>(&first->GetFamily());
  uintptr_t secondFamily = reinterpret_cast<uintptr_t>(&second->GetFamily());
  if (firstFamily != secondFamily) return firstFamily < secondFamily ? -1 : 1;
  return ORVStringExtCharsCmp::GetGlobal()->CompareObjects(&first->GetName(), &second->GetName());
}

unsigned int ORVFamilyAndNameCmpFamilyNameVal::SortsSetAsSecondCanBeUsed(
    const ORVComparator& iSearchComparator) const {
  return ORVComparator::SortsSetAsSecondCanBeUsed(iSearchComparator) ||
         iSearchComparator.GetMetaObject()->IsAKindOf(ORVObjWithFamilyCmpFamily::MetaObject());
}

unsigned int ORVFamilyAndNameHashFamilyNameVal::Code(const PEVBaseUnknown* iObject) const {
  if (!iObject) ORV_FATAL("pObj1 is NULL");
  const auto* object = ORVCheckedCast<ORVFamilyAndName>(iObject);
  return PEVBaseUnknownHashAddr::GetGlobal()->Code(&object->GetFamily()) +
         ORVStringExtCharsHash::GetGlobal()->Code(&object->GetName());
}
