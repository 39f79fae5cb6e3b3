#include "ORVStringExtCharsCmp.h"

#include "ORVGlobal.h"
#include "ORVStringExtCharsText.h"

ORV_META_OBJECT_DEFINE(ORVStringExtCharsCmp, ORVComparator)

ORVStringExtCharsCmp* ORVStringExtCharsCmp::_pGlobal = nullptr;

ORVStringExtCharsCmp::~ORVStringExtCharsCmp() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVStringExtCharsCmp::CompareObjects(const PEVBaseUnknown* iObj1,
                                         const PEVBaseUnknown* iObj2) const {
  return ORVCompareTexts<strcmp>(iObj1, iObj2, __FILE__, __LINE__);
}

ORVStringExtCharsCmp* ORVStringExtCharsCmp::GetGlobal() {
  return ORVMakeGlobal<ORVStringExtCharsCmp>(_pGlobal);
}
