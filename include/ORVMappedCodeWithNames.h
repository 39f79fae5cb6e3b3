// ORVMappedCodeWithNames.h - a mapped code with a name and a short name.
//
// Both names are message builders held in reference handlers, built when displayed.
#pragma once

#include "ORVMappedCodeWithName.h"

class ORV_EXPORT ORVMappedCodeWithNames : public ORVMappedCodeWithName {
  ORV_META_OBJECT(ORVMappedCodeWithNames)

public:
  ORVMappedCodeWithNames();
  ORVMappedCodeWithNames(const char* iCode, const ORVNLSMsgBldrRfHndlr& iHNameBldr,
                         const ORVNLSMsgBldrRfHndlr& iHShortNameBldr);

  virtual void SetHShortNameBldr(const ORVNLSMsgBldrRfHndlr& iHShortNameBldr);
  virtual const ORVNLSMsgBldrRfHndlr& GetHShortNameBldr() const;

private:
  ORVNLSMsgBldrRfHndlr _HShortNameBldr;
};
