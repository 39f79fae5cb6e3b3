#include "ORVOSTypes.h"

#include "ORVCatalogKeys.h"
#include "ORVGlobal.h"
#include "ORVOSType.h"

ORVOSType* ORVOSTypes::_pWindowsOSType = nullptr;
ORVOSType* ORVOSTypes::_pUnixOSType = nullptr;

namespace {

// The family whose code is the catalog key of its name.
template <const ORVCatalogKey& Name>
ORVOSType* MakeOSType(ORVOSType*& ioSlot) {
  if (!ioSlot) {
    ioSlot = new ORVOSType(Name._Key, ORVMakeCatalogMessage<Name>());
    ORVGlobalObjectCleaner::Add(ioSlot);
  }
  return ioSlot;
}

}  // namespace

const ORVOSType* ORVOSTypes::GetGlobalWindowsOSType() {
  return MakeOSType<ORVBC_WINDOWS>(_pWindowsOSType);
}

const ORVOSType* ORVOSTypes::GetGlobalUnixOSType() {
  return MakeOSType<ORVBC_UNIX>(_pUnixOSType);
}

void ORVOSTypes::Forget(const ORVOSType* iType) {
  ORVForgetGlobal(_pWindowsOSType, iType);
  ORVForgetGlobal(_pUnixOSType, iType);
}
