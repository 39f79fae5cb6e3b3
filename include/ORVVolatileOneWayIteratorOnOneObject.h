// ORVVolatileOneWayIteratorOnOneObject.h - a volatile sequence of one object.
//
// The object is not reference-held.
#pragma once

#include "ORVExport.h"
#include "ORVVolatileOneWayIterator.h"

class ORV_EXPORT ORVVolatileOneWayIteratorOnOneObject : public ORVVolatileOneWayIterator {
  ORV_META_OBJECT(ORVVolatileOneWayIteratorOnOneObject)

public:
  explicit ORVVolatileOneWayIteratorOnOneObject(const PEVBaseUnknown* iObject)
      : _pObject(iObject) {}

  using ORVVolatileOneWayIterator::Next;
  // The object, then null until SetpObject.
  const PEVBaseUnknown* Next() override;
  void SetpObject(const PEVBaseUnknown* iObject) { _pObject = iObject; }

private:
  const PEVBaseUnknown* _pObject;
};
