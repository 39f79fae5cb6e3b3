// ORVIteratorWithAllRfHndlr.h - an iterator that keeps alive what the iterator it wraps uses.
//
// Owns the wrapped iterator (its one reference is taken over and released at
// destruction) and holds the container, the pattern and the comparator in handlers,
// so that an iterator can outlive the caller's own references. Every question goes to
// the wrapped iterator. A pattern or comparator given by plain pointer would escape
// the handlers: SetPattern and SetComparator are fatal, as are a null iterator and
// handlers that do not hold the wrapped iterator's comparator and pattern.
#pragma once

#include "ORVComparator.h"
#include "ORVContainer.h"
#include "ORVExport.h"
#include "ORVIterator.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORV_EXPORT ORVIteratorWithAllRfHndlr : public ORVIterator {
  ORV_META_OBJECT(ORVIteratorWithAllRfHndlr)

public:
  // An empty comparator handler accepts any comparator of the iterator; an empty
  // pattern handler requires the iterator to have no pattern.
  ORVIteratorWithAllRfHndlr(ORVIterator* iIterator, const ORVContainerRfHndlr& iHContainer,
                            const PEVBaseUnknownRfHndlr& iHPattern,
                            const ORVComparatorRfHndlr& iHComparator);
  ~ORVIteratorWithAllRfHndlr() override;
  ORVIteratorWithAllRfHndlr(const ORVIteratorWithAllRfHndlr&) = delete;
  ORVIteratorWithAllRfHndlr& operator=(const ORVIteratorWithAllRfHndlr&) = delete;

  PEVBaseUnknown* Next() override;
  PEVBaseUnknown* Previous() override;
  void ToBegin() override;
  void ToEnd() override;
  const ORVCursor* Position() override;
  void SetWithPattern(unsigned int iWithPattern) override;
  unsigned int WithPattern() const override;
  const PEVBaseUnknown* GetPattern() const override;
  // Fatal: the pattern would not be held.
  void SetPattern(const PEVBaseUnknown* iPattern) override;
  // Fatal: the comparator would not be held.
  void SetComparator(const ORVComparator& iComparator) override;
  // Keeps the comparator in this iterator's handler, then gives it to the wrapped one.
  void SetHComparator(const ORVComparatorRfHndlr& iHComparator) override;
  const ORVComparator& GetComparator() const override;
  const ORVComparatorRfHndlr& GetHComparator() const override;

private:
  ORVIterator* _pIterator;
  ORVContainerRfHndlr _HContainer;
  PEVBaseUnknownRfHndlr _HPattern;
  ORVComparatorRfHndlr _HKeptComparator;
};
