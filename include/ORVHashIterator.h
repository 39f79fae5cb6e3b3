// ORVHashIterator.h - walks a hash table bucket by bucket, both ways.
//
// Without pattern it goes from bucket 0 to the last bucket, in insertion order within
// a bucket; with a pattern it stays in the bucket of the pattern's code, where alone
// matches can be. The table is not reference-held; it keeps the iterator on live
// nodes through growth, removals and clearing, and leaves it without table when it
// is destroyed or reassigned. From a cursor in no bucket a step starts over from the
// start or the end. Operations on an iterator without a table are fatal.
#pragma once

#include "ORVExport.h"
#include "ORVHashCursor.h"
#include "ORVIterator.h"
#include "ORVIteratorChainLinks.h"

class ORV_EXPORT ORVHashIterator : public ORVIterator {
  ORV_META_OBJECT(ORVHashIterator)

public:
  // At the start: of the pattern's bucket with a pattern, of bucket 0 otherwise.
  ORVHashIterator(const ORVHashTable* iTable, const PEVBaseUnknown* iPattern,
                  unsigned int iWithPattern, const ORVComparator* iComparator);
  // At a copy of iCursor (an ORVHashCursor), or at the start when null.
  ORVHashIterator(const ORVHashTable* iTable, const ORVCursor* iCursor,
                  const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                  const ORVComparator* iComparator);
  // Known to the same table.
  ORVHashIterator(const ORVHashIterator& iOther);
  ORVHashIterator& operator=(const ORVHashIterator&) = delete;
  ~ORVHashIterator() override;

  PEVBaseUnknown* Next() override;
  PEVBaseUnknown* Previous() override;
  void ToBegin() override;
  // At the end: of the pattern's bucket with a pattern, of the last bucket otherwise.
  void ToEnd() override;
  const ORVCursor* Position() override;

private:
  // Fatal without a table.
  const ORVHashTable& CheckedTable() const;
  // The bucket the iterator starts and ends in: the pattern's, or iOtherwise.
  int FirstBucket(const ORVHashTable& iTable, int iOtherwise) const;
  // A cursor in no bucket of the table goes to the start, or to the end for a step
  // backward.
  void StartOverIfLost(const ORVHashTable& iTable, unsigned int iForward);
  unsigned int Matches(const ORVHashTable::Node* iLink) const;

  friend class ORVHashTable;

  const ORVHashTable* _pTable;
  ORVHashCursor _Cursor;
  // The other iterators of the table.
  ORVIteratorChainLinks<ORVHashIterator> _Chain;
};
