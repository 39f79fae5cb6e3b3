// ORVNLSMsgBldrFromString.h - a ready text presented as a message builder.
//
// Keeps copies of the text, the catalog name and the key; Build returns the text.
#pragma once

#include "ORVNLSMsgBldr.h"
#include "ORVString.h"

class ORV_EXPORT ORVNLSMsgBldrFromString : public ORVNLSMsgBldr {
  ORV_META_OBJECT(ORVNLSMsgBldrFromString)

public:
  // Null names are stored as empty texts.
  ORVNLSMsgBldrFromString(const PEVUnicodeString& iText, const char* iCatalogName,
                          const char* iMsgId);

  const char* GetMsgCatalogName() const override;
  const char* GetMsgId() const override;
  PEVUnicodeString Build() override;

private:
  PEVUnicodeString _Text;
  ORVString _CatalogName;
  ORVString _MsgId;
};
