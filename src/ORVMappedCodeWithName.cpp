#include "ORVMappedCodeWithName.h"

ORV_META_OBJECT_DEFINE(ORVMappedCodeWithName, ORVMappedCode)

ORVMappedCodeWithName::ORVMappedCodeWithName() = default;

ORVMappedCodeWithName::ORVMappedCodeWithName(const char* iCode,
                                             const ORVNLSMsgBldrRfHndlr& iHNameBldr)
    : ORVMappedCode(iCode), _HNameBldr(iHNameBldr) {}

void ORVMappedCodeWithName::SetHNameBldr(const ORVNLSMsgBldrRfHndlr& iHNameBldr) {
  _HNameBldr = iHNameBldr;
}

const ORVNLSMsgBldrRfHndlr& ORVMappedCodeWithName::GetHNameBldr() const {
  return _HNameBldr;
}
