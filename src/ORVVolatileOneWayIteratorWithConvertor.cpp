#include "ORVVolatileOneWayIteratorWithConvertor.h"

ORV_META_OBJECT_DEFINE(ORVVolatileOneWayIteratorWithConvertor, ORVVolatileOneWayIterator)

const PEVBaseUnknown* ORVVolatileOneWayIteratorWithConvertor::Next() {
  return Convert(_pIterator->Next(), _pConvertor);
}
