// ORVMappedCodeWithName.h - a mapped code with the national-language name it stands for.
//
// The name is a message builder held in a reference handler (shared with the caller);
// it is built only when a text is asked for. An empty handler is allowed until a user
// of the name dereferences it.
#pragma once

#include "ORVMappedCode.h"
#include "ORVNLSMsgBldr.h"

class ORV_EXPORT ORVMappedCodeWithName : public ORVMappedCode {
  ORV_META_OBJECT(ORVMappedCodeWithName)

public:
  ORVMappedCodeWithName();
  ORVMappedCodeWithName(const char* iCode, const ORVNLSMsgBldrRfHndlr& iHNameBldr);

  virtual void SetHNameBldr(const ORVNLSMsgBldrRfHndlr& iHNameBldr);
  virtual const ORVNLSMsgBldrRfHndlr& GetHNameBldr() const;

private:
  ORVNLSMsgBldrRfHndlr _HNameBldr;
};
