// ORVVolatileOneWayIteratorWithConvertor.h - another volatile iterator's objects, converted.
//
// The source iterator and the convertor are not reference-held.
#pragma once

#include "ORVExport.h"
#include "ORVVolatileOneWayIterator.h"

class ORV_EXPORT ORVVolatileOneWayIteratorWithConvertor : public ORVVolatileOneWayIterator {
  ORV_META_OBJECT(ORVVolatileOneWayIteratorWithConvertor)

public:
  // A null convertor hands out the source's objects themselves.
  ORVVolatileOneWayIteratorWithConvertor(ORVVolatileOneWayIterator& iIterator,
                                         ORVConvertor* iConvertor)
      : _pIterator(&iIterator), _pConvertor(iConvertor) {}

  using ORVVolatileOneWayIterator::Next;
  const PEVBaseUnknown* Next() override;

private:
  ORVVolatileOneWayIterator* _pIterator;
  ORVConvertor* _pConvertor;
};
