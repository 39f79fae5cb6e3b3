// ORVVolatileIteratorOnPatternForContainer.h - the elements of a container that match a
// pattern, converted.
//
// GoToFirst makes the container's pattern iterator once and restarts it afterwards;
// Next before any GoToFirst is a fatal error. Container, comparator and convertor are
// not reference-held and must outlive the iterator.
#pragma once

#include "ORVExport.h"
#include "ORVVolatileIteratorOnPattern.h"

class ORVComparator;
class ORVContainer;
class ORVIterator;

class ORV_EXPORT ORVVolatileIteratorOnPatternForContainer : public ORVVolatileIteratorOnPattern {
  ORV_META_OBJECT(ORVVolatileIteratorOnPatternForContainer)

public:
  // A null comparator matches by address; a null convertor hands out the elements.
  ORVVolatileIteratorOnPatternForContainer(const ORVContainer& iContainer,
                                           const ORVComparator* iComparator,
                                           ORVConvertor* iConvertor)
      : _pContainer(&iContainer), _pComparator(iComparator), _pConvertor(iConvertor) {}
  ~ORVVolatileIteratorOnPatternForContainer() override;
  // It owns the container's iterator: a copy would release it twice.
  ORVVolatileIteratorOnPatternForContainer(const ORVVolatileIteratorOnPatternForContainer&) =
      delete;
  ORVVolatileIteratorOnPatternForContainer& operator=(
      const ORVVolatileIteratorOnPatternForContainer&) = delete;

  using ORVVolatileOneWayIterator::Next;
  const PEVBaseUnknown* Next() override;
  void GoToFirst(const PEVBaseUnknown* iPattern) override;

private:
  const ORVContainer* _pContainer;
  const ORVComparator* _pComparator;
  ORVConvertor* _pConvertor;
  ORVIterator* _pIterator = nullptr;
};
