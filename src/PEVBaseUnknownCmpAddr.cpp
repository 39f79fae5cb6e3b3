#include "PEVBaseUnknownCmpAddr.h"

#include <cstdint>

#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(PEVBaseUnknownCmpAddr, ORVComparator)

PEVBaseUnknownCmpAddr* PEVBaseUnknownCmpAddr::_pGlobal = nullptr;

PEVBaseUnknownCmpAddr::~PEVBaseUnknownCmpAddr() {
  ORVForgetGlobal(_pGlobal, this);
}

int PEVBaseUnknownCmpAddr::CompareObjects(const PEVBaseUnknown* iFirst,
                                          const PEVBaseUnknown* iSecond) const {
  auto first = (uintptr_t)iFirst;
  auto second = (uintptr_t)iSecond;
  if (first > second) return 1;
  if (first < second) return -1;
  return 0;
}

PEVBaseUnknownCmpAddr* PEVBaseUnknownCmpAddr::GetGlobal() {
  return ORVMakeGlobal<PEVBaseUnknownCmpAddr>(_pGlobal);
}
