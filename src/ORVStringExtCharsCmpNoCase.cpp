#include "ORVStringExtCharsCmpNoCase.h"

#include <strings.h>

#include "ORVGlobal.h"
#include "ORVStringExtCharsText.h"

ORV_META_OBJECT_DEFINE(ORVStringExtCharsCmpNoCase, ORVComparator)

ORVStringExtCharsCmpNoCase* ORVStringExtCharsCmpNoCase::_pGlobal = nullptr;

ORVStringExtCharsCmpNoCase::~ORVStringExtCharsCmpNoCase() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVStringExtCharsCmpNoCase::CompareObjects(const PEVBaseUnknown* iObj1,
                                               const PEVBaseUnknown* iObj2) const {
  return ORVCompareTexts<strcasecmp>(iObj1, iObj2, __FILE__, __LINE__);
}

ORVStringExtCharsCmpNoCase* ORVStringExtCharsCmpNoCase::GetGlobal() {
  return ORVMakeGlobal<ORVStringExtCharsCmpNoCase>(_pGlobal);
}
