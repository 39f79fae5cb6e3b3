// ORVOneWayIteratorOnOneObject.h - a sequence of one object: the first Next gives it.
//
// The object is not reference-held.
#pragma once

#include "ORVExport.h"
#include "ORVOneWayIterator.h"

class ORV_EXPORT ORVOneWayIteratorOnOneObject : public ORVOneWayIterator {
  ORV_META_OBJECT(ORVOneWayIteratorOnOneObject)

public:
  explicit ORVOneWayIteratorOnOneObject(PEVBaseUnknown* iObject) : _pObject(iObject) {}

  // The object, then null until SetpObject.
  PEVBaseUnknown* Next() override;
  virtual void SetpObject(PEVBaseUnknown* iObject);

private:
  PEVBaseUnknown* _pObject;
};
