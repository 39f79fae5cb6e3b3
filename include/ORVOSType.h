// ORVOSType.h - an operating-system family as a mapped code with its name.
//
// The two families are the global instances of ORVOSTypes; destroying one makes
// ORVOSTypes forget it.
#pragma once

#include "ORVMappedCodeWithName.h"

class ORV_EXPORT ORVOSType : public ORVMappedCodeWithName {
  ORV_META_OBJECT(ORVOSType)

public:
  ORVOSType();
  ORVOSType(const char* iCode, const ORVNLSMsgBldrRfHndlr& iHNameBldr);
  ~ORVOSType() override;
};
