#include "ORVVolatileOneWayIteratorForIterator.h"

#include "ORVOneWayIterator.h"

ORV_META_OBJECT_DEFINE(ORVVolatileOneWayIteratorForIterator, ORVVolatileOneWayIterator)

const PEVBaseUnknown* ORVVolatileOneWayIteratorForIterator::Next() {
  return Convert(_pIterator->Next(), _pConvertor);
}
