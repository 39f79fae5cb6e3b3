#include "ORVIdentifiedObject.h"

#include "ORVOFStream.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVIdentifiedObject, PEVBaseUnknown)

void ORVIdentifiedObject::Dump(ORVOFStream& oStream) const {
  const ORVString& identifier = GetIdentifier();
  oStream << "Addr: " << static_cast<const void*>(this)
          << " Class: " << GetMetaObject()->GetClassName() << " Identifier: \"";
  // Every character, NULs included: the identifier is a counted text.
  for (int i = 0; i < identifier.GetLength(); ++i)
    oStream << identifier.GetChars()[i];
  oStream << "\"";
}

ORVOFStream& operator<<(ORVOFStream& oStream, const ORVIdentifiedObject& iObject) {
  iObject.Dump(oStream);
  return oStream;
}
