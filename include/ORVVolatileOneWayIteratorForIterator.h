// ORVVolatileOneWayIteratorForIterator.h - the objects of a one-way iterator, converted.
//
// The source iterator and the convertor are not reference-held.
#pragma once

#include "ORVExport.h"
#include "ORVVolatileOneWayIterator.h"

class ORVOneWayIterator;

class ORV_EXPORT ORVVolatileOneWayIteratorForIterator : public ORVVolatileOneWayIterator {
  ORV_META_OBJECT(ORVVolatileOneWayIteratorForIterator)

public:
  // A null convertor hands out the objects themselves.
  ORVVolatileOneWayIteratorForIterator(ORVOneWayIterator& iIterator, ORVConvertor* iConvertor)
      : _pIterator(&iIterator), _pConvertor(iConvertor) {}

  using ORVVolatileOneWayIterator::Next;
  const PEVBaseUnknown* Next() override;

private:
  ORVOneWayIterator* _pIterator;
  ORVConvertor* _pConvertor;
};
