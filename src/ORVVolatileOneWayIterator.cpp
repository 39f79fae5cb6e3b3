#include "ORVVolatileOneWayIterator.h"

#include "ORVConvertor.h"

ORV_META_OBJECT_DEFINE(ORVVolatileOneWayIterator, PEVBaseUnknown)

long ORVVolatileOneWayIterator::Next(const PEVBaseUnknown*& oObject) {
  oObject = Next();
  return 0;
}

const PEVBaseUnknown* ORVVolatileOneWayIterator::Convert(const PEVBaseUnknown* iElement,
                                                         ORVConvertor* iConvertor) {
  if (!iElement || !iConvertor) return iElement;
  iConvertor->Set(iElement);
  return iConvertor->GetConverted();
}
