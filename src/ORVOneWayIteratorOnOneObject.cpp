#include "ORVOneWayIteratorOnOneObject.h"

ORV_META_OBJECT_DEFINE(ORVOneWayIteratorOnOneObject, ORVOneWayIterator)

PEVBaseUnknown* ORVOneWayIteratorOnOneObject::Next() {
  PEVBaseUnknown* object = _pObject;
  _pObject = nullptr;
  return object;
}

void ORVOneWayIteratorOnOneObject::SetpObject(PEVBaseUnknown* iObject) {
  _pObject = iObject;
}
