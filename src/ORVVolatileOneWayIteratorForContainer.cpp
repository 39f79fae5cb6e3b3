#include "ORVVolatileOneWayIteratorForContainer.h"

#include "ORVContainer.h"
#include "ORVIterator.h"

ORV_META_OBJECT_DEFINE(ORVVolatileOneWayIteratorForContainer, ORVVolatileOneWayIterator)

ORVVolatileOneWayIteratorForContainer::~ORVVolatileOneWayIteratorForContainer() {
  if (_pIterator) _pIterator->Release();
}

const PEVBaseUnknown* ORVVolatileOneWayIteratorForContainer::Next() {
  if (!_pIterator) _pIterator = _pContainer->MakeIterator(nullptr);
  return Convert(_pIterator->Next(), _pConvertor);
}
