// ORVIdentifiedObject.h - the base of client objects known by a string identifier.
//
// Containers find such objects by identifier through ORVIdentifiedObjectCmpIdVal and
// ORVIdentifiedObjectHashIdVal, with a plain ORVString or ORVExtChars as the key.
#pragma once

#include "ORVMacro.h"

class ORVOFStream;
class ORVString;

class ORV_EXPORT ORVIdentifiedObject : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVIdentifiedObject)

public:
  virtual const ORVString& GetIdentifier() const = 0;
  // "Addr: <address> Class: <class> Identifier: "<identifier>"", without line end.
  virtual void Dump(ORVOFStream& oStream) const;
};

ORV_EXPORT ORVOFStream& operator<<(ORVOFStream& oStream, const ORVIdentifiedObject& iObject);
