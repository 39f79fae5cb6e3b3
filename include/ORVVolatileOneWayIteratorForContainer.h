// ORVVolatileOneWayIteratorForContainer.h - the elements of a container, converted.
//
// The container's iterator is made on the first Next and released with this one.
// Container and convertor are not reference-held and must outlive the iterator.
#pragma once

#include "ORVExport.h"
#include "ORVVolatileOneWayIterator.h"

class ORVContainer;
class ORVIterator;

class ORV_EXPORT ORVVolatileOneWayIteratorForContainer : public ORVVolatileOneWayIterator {
  ORV_META_OBJECT(ORVVolatileOneWayIteratorForContainer)

public:
  // A null convertor hands out the elements themselves.
  ORVVolatileOneWayIteratorForContainer(const ORVContainer& iContainer, ORVConvertor* iConvertor)
      : _pContainer(&iContainer), _pConvertor(iConvertor) {}
  ~ORVVolatileOneWayIteratorForContainer() override;
  // It owns the container's iterator: a copy would release it twice.
  ORVVolatileOneWayIteratorForContainer(const ORVVolatileOneWayIteratorForContainer&) = delete;
  ORVVolatileOneWayIteratorForContainer& operator=(const ORVVolatileOneWayIteratorForContainer&) =
      delete;

  using ORVVolatileOneWayIterator::Next;
  const PEVBaseUnknown* Next() override;

private:
  const ORVContainer* _pContainer;
  ORVIterator* _pIterator = nullptr;
  ORVConvertor* _pConvertor;
};
