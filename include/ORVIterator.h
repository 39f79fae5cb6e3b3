// ORVIterator.h - walks a container both ways, optionally stopping only at matches.
//
// With the with-pattern flag set, Next and Previous stop only at elements that the
// comparator finds equal to the pattern (CompareObjects(pattern, element) == 0). The
// pattern is not reference-held; the comparator is held through the comparator
// handler when it was given through one, otherwise the caller keeps it alive. An
// iterator holds no reference on its container: the container must outlive it.
// Iterators made without comparator use the global address comparator, which needs
// the global object cleaner.
#pragma once

#include "ORVComparator.h"
#include "ORVExport.h"
#include "ORVOneWayIterator.h"

class ORVCursor;

// The with-pattern argument of the iterators: whether only the elements matching the
// pattern are handed out, or all of them.
constexpr unsigned int ORVWithPattern = 1;
constexpr unsigned int ORVWithoutPattern = 0;

class ORV_EXPORT ORVIterator : public ORVOneWayIterator {
  ORV_META_OBJECT(ORVIterator)

public:
  // A null comparator means the global PEVBaseUnknownCmpAddr.
  ORVIterator(const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
              const ORVComparator* iComparator);
  // An empty handler means the global PEVBaseUnknownCmpAddr, then held by the handler.
  ORVIterator(const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
              const ORVComparatorRfHndlr& iHComparator);

  // The next (matching) element; null at the end, where the iterator then stays.
  PEVBaseUnknown* Next() override = 0;
  // The previous (matching) element; null before the first, where it then stays.
  virtual PEVBaseUnknown* Previous() = 0;
  virtual void ToBegin() = 0;
  virtual void ToEnd() = 0;
  // The iterator's own cursor, valid as long as the iterator.
  virtual const ORVCursor* Position() = 0;
  virtual void SetWithPattern(unsigned int iWithPattern);
  // Inline: a concrete iterator's step reads it without a call.
  virtual unsigned int WithPattern() const { return _WithPattern; }
  virtual const PEVBaseUnknown* GetPattern() const;
  virtual void SetPattern(const PEVBaseUnknown* iPattern);
  // By reference: the caller keeps it alive; empties the comparator handler unless it
  // holds that very comparator.
  virtual void SetComparator(const ORVComparator& iComparator);
  // By handler: shared; an empty handler takes the global address comparator.
  virtual void SetHComparator(const ORVComparatorRfHndlr& iHComparator);
  virtual const ORVComparator& GetComparator() const;
  virtual const ORVComparatorRfHndlr& GetHComparator() const;

private:
  const PEVBaseUnknown* _pPattern;
  unsigned int _WithPattern;
  const ORVComparator* _pComparator = nullptr;
  ORVComparatorRfHndlr _HComparator;  // holds the comparator given through a handler
};
