// ORVNLSMsgBldr.h - the deferred form of a national-language text.
//
// A builder names a catalog and a message key and produces the final text only when a
// display asks for it (Build). Building never fails: a missing catalog or message gives
// a text marked "!!!" that names them. Builders travel in ORVNLSMsgBldrRfHndlr.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"
#include "PEVUnicodeString.h"

class ORV_EXPORT ORVNLSMsgBldr : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVNLSMsgBldr)

public:
  virtual const char* GetMsgCatalogName() const = 0;
  virtual const char* GetMsgId() const = 0;
  virtual PEVUnicodeString Build() = 0;
};

ORV_RFHNDLR(ORVNLSMsgBldr, PEVBaseUnknownRfHndlr);
