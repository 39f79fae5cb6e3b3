#include "ORVNLSMsgBldrFromString.h"

ORV_META_OBJECT_DEFINE(ORVNLSMsgBldrFromString, ORVNLSMsgBldr)

ORVNLSMsgBldrFromString::ORVNLSMsgBldrFromString(const PEVUnicodeString& iText,
                                                 const char* iCatalogName, const char* iMsgId)
    : _Text(iText), _CatalogName(iCatalogName), _MsgId(iMsgId) {}

const char* ORVNLSMsgBldrFromString::GetMsgCatalogName() const {
  return _CatalogName.GetChars();
}

const char* ORVNLSMsgBldrFromString::GetMsgId() const {
  return _MsgId.GetChars();
}

PEVUnicodeString ORVNLSMsgBldrFromString::Build() {
  return _Text;
}
