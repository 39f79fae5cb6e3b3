#include "ORVExtIntegerCmp.h"

#include "ORVExtInteger.h"
#include "ORVFatal.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVExtIntegerCmp, ORVComparator)

ORVExtIntegerCmp* ORVExtIntegerCmp::_pGlobal = nullptr;

ORVExtIntegerCmp::~ORVExtIntegerCmp() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVExtIntegerCmp::CompareObjects(const PEVBaseUnknown* iObj1,
                                     const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 == NULL OR pObj2 == NULL");
  PEVMetaClass* integerMeta = ORVExtInteger::MetaObject();
  if (!iObj1->GetMetaObject()->IsAKindOf(integerMeta)) ORV_FATAL("pObj1 is not an ORVExtInteger");
  if (!iObj2->GetMetaObject()->IsAKindOf(integerMeta)) ORV_FATAL("pObj2 is not an ORVExtInteger");
  const auto* integer1 = static_cast<const ORVExtInteger*>(iObj1);
  const auto* integer2 = static_cast<const ORVExtInteger*>(iObj2);
  unsigned int isNull1 = integer1->IsDbNull();
  unsigned int isNull2 = integer2->IsDbNull();
  if (isNull1 || isNull2) {
    if (isNull1 && isNull2) return 0;
    return isNull2 ? 1 : -1;
  }
  int value1 = integer1->GetInteger();
  int value2 = integer2->GetInteger();
  if (value1 > value2) return 1;
  if (value1 < value2) return -1;
  return 0;
}

ORVExtIntegerCmp* ORVExtIntegerCmp::GetGlobal() {
  return ORVMakeGlobal<ORVExtIntegerCmp>(_pGlobal);
}
