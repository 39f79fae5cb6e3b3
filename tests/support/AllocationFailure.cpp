#include "AllocationFailure.h"

namespace {
int _Count = 0, _First = 0, _Second = 0;
}  // namespace

void FailAllocation(int iNth) {
  FailAllocations(iNth, 0);
}

void FailAllocations(int iFirst, int iSecond) {
  _Count = 0;
  _First = iFirst;
  _Second = iSecond;
}

// The library asks before each allocation; non-zero refuses it.
extern "C" __attribute__((visibility("default"))) int ORVCBTestRefuseAllocation(void) {
  return ++_Count == _First || _Count == _Second;
}
