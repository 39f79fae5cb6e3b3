// The comparator and the hash coder of objects by family code and name.
#include "ORVFamilyAndName.h"
#include "ORVFamilyAndNameCmpFamilyCodeValNameVal.h"
#include "ORVFamilyAndNameHashFamilyCodeValNameVal.h"
#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "ORVMappedCode.h"
#include "ORVString.h"
#include "ORVStringExtCharsCmp.h"
#include "ORVStringExtCharsHash.h"

ORV_META_OBJECT_DEFINE(ORVFamilyAndNameCmpFamilyCodeValNameVal, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVFamilyAndNameHashFamilyCodeValNameVal, ORVHashCoder)
ORV_GLOBAL_INSTANCE_DEFINE(ORVFamilyAndNameCmpFamilyCodeValNameVal)
ORV_GLOBAL_INSTANCE_DEFINE(ORVFamilyAndNameHashFamilyCodeValNameVal)

int ORVFamilyAndNameCmpFamilyCodeValNameVal::CompareObjects(const PEVBaseUnknown* iObj1,
                                                            const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 or pObj2 is NULL");
  const auto* first = ORVCheckedCast<ORVFamilyAndName>(iObj1);
  const auto* second = ORVCheckedCast<ORVFamilyAndName>(iObj2);
  const ORVStringExtCharsCmp* texts = ORVStringExtCharsCmp::GetGlobal();
  int byCode = texts->CompareObjects(&first->GetFamily().GetCode(), &second->GetFamily().GetCode());
  if (byCode != 0) return byCode;
  return texts->CompareObjects(&first->GetName(), &second->GetName());
}

unsigned int ORVFamilyAndNameHashFamilyCodeValNameVal::Code(const PEVBaseUnknown* iObject) const {
  if (!iObject) ORV_FATAL("pObj1 is NULL");
  const auto* object = ORVCheckedCast<ORVFamilyAndName>(iObject);
  const ORVStringExtCharsHash* texts = ORVStringExtCharsHash::GetGlobal();
  return texts->Code(&object->GetFamily().GetCode()) + texts->Code(&object->GetName());
}
