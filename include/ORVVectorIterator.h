// ORVVectorIterator.h - walks a vector's positions both ways.
//
// With a pattern, each step asks the vector's Search, so a sorted vector searches
// binarily on the first step from a new starting point and then only looks at the
// next element while the run of matches continues. The vector is not reference-held
// and must outlive the iterator; an index the vector's changes left out of bounds is
// brought back within -1..count before the iterator steps.
#pragma once

#include "ORVExport.h"
#include "ORVIterator.h"
#include "ORVVectorCursor.h"

class ORVVector;

class ORV_EXPORT ORVVectorIterator : public ORVIterator {
  ORV_META_OBJECT(ORVVectorIterator)

public:
  // Before the first element.
  ORVVectorIterator(const ORVVector* iVector, const PEVBaseUnknown* iPattern,
                    unsigned int iWithPattern, const ORVComparator* iComparator);
  // At a copy of iCursor (an ORVVectorCursor), or before the first element when null.
  ORVVectorIterator(const ORVVector* iVector, const ORVCursor* iCursor,
                    const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                    const ORVComparator* iComparator);

  PEVBaseUnknown* Next() override;
  PEVBaseUnknown* Previous() override;
  void ToBegin() override;
  void ToEnd() override;
  const ORVCursor* Position() override;
  void SetWithPattern(unsigned int iWithPattern) override;
  void SetPattern(const PEVBaseUnknown* iPattern) override;
  void SetComparator(const ORVComparator& iComparator) override;
  void SetHComparator(const ORVComparatorRfHndlr& iHComparator) override;

private:
  // Fatal without a vector; otherwise its count.
  int CheckedCount() const;

  const ORVVector* _pVector;
  ORVVectorCursor _Cursor;
  unsigned int _FirstSearch = 1;  // the next pattern search starts afresh
};
