#include "ORVVolatileOneWayIteratorOnOneObject.h"

ORV_META_OBJECT_DEFINE(ORVVolatileOneWayIteratorOnOneObject, ORVVolatileOneWayIterator)

const PEVBaseUnknown* ORVVolatileOneWayIteratorOnOneObject::Next() {
  const PEVBaseUnknown* object = _pObject;
  _pObject = nullptr;
  return object;
}
