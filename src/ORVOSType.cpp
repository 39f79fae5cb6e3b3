#include "ORVOSType.h"

#include "ORVOSTypes.h"

ORV_META_OBJECT_DEFINE(ORVOSType, ORVMappedCodeWithName)

ORVOSType::ORVOSType() = default;

ORVOSType::ORVOSType(const char* iCode, const ORVNLSMsgBldrRfHndlr& iHNameBldr)
    : ORVMappedCodeWithName(iCode, iHNameBldr) {}

ORVOSType::~ORVOSType() {
  ORVOSTypes::Forget(this);
}
