#include "ORVMappedCodeWithNames.h"

ORV_META_OBJECT_DEFINE(ORVMappedCodeWithNames, ORVMappedCodeWithName)

ORVMappedCodeWithNames::ORVMappedCodeWithNames() = default;

ORVMappedCodeWithNames::ORVMappedCodeWithNames(const char* iCode,
                                               const ORVNLSMsgBldrRfHndlr& iHNameBldr,
                                               const ORVNLSMsgBldrRfHndlr& iHShortNameBldr)
    : ORVMappedCodeWithName(iCode, iHNameBldr), _HShortNameBldr(iHShortNameBldr) {}

void ORVMappedCodeWithNames::SetHShortNameBldr(const ORVNLSMsgBldrRfHndlr& iHShortNameBldr) {
  _HShortNameBldr = iHShortNameBldr;
}

const ORVNLSMsgBldrRfHndlr& ORVMappedCodeWithNames::GetHShortNameBldr() const {
  return _HShortNameBldr;
}
