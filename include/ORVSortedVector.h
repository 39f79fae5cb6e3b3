// ORVSortedVector.h - a vector with an ordering comparator, sorting and binary search.
//
// The sorted flag says whether the elements are known to be in comparator order;
// nothing inserts in order: a change that may break the order clears the flag and
// the caller sorts (Sort or SetIsSorted) before relying on binary search. Lookups
// search binarily whenever the search comparator agrees with the order. The
// comparator is not reference-held: the caller keeps it alive. Sorting and binary
// searches go through one process-wide comparator slot, set for their duration:
// sorted vectors are for one thread. A check of a wrongly sorted vector is fatal.
#pragma once

#include "ORVComparator.h"
#include "ORVExport.h"
#include "ORVVector.h"

class ORV_EXPORT ORVSortedVector : public ORVVector {
  ORV_META_OBJECT(ORVSortedVector)

public:
  // Without comparator: the global PEVBaseUnknownCmpAddr (order of addresses).
  explicit ORVSortedVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);
  ORVSortedVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iCapacity);
  ORVSortedVector(const ORVComparator& iComparator,
                  ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);
  ORVSortedVector(const ORVComparator& iComparator,
                  ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iCapacity);
  ORVSortedVector(const ORVSortedVector& iOther);
  ORVSortedVector& operator=(const ORVSortedVector& iOther);
  // From any vector: a sorted vector's order and comparator come along; the elements
  // of a plain vector are taken as unsorted.
  ORVVector& operator=(const ORVVector& iOther) override;

  using ORVVector::LookupAll;
  using ORVVector::LookupOne;

  // With its own comparator.
  PEVBaseUnknown* LookupOne(const PEVBaseUnknown* iPattern) const override;
  ORVIterator* LookupAll(const PEVBaseUnknown* iPattern) const override;
  ORVIterator* LookupAll(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern) const override;
  void Add(PEVBaseUnknown* iObject, unsigned int iNotify) override;
  unsigned int Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                       unsigned int iNotify) override;
  void Clear(unsigned int iNotify) override;
  void ReleaseElementsAndClear() override;
  void Destroy() override;
  void Set(int iIndex, PEVBaseUnknown* iObject) override;
  void Set(const ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  void Insert(PEVBaseUnknown* iObject, int iIndex) override;
  void Append(PEVBaseUnknown* iObject) override;
  unsigned int InsertAfter(ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  unsigned int InsertBefore(ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  PEVBaseUnknown* Replace(const ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  // Binary when SearchUsesSort(iComparator): the first search from a new starting
  // point finds the end of the run of matches nearest iStart; a continued search
  // looks at iStart only.
  int Search(int iStart, unsigned int iForward, unsigned int iFirstSearch,
             const PEVBaseUnknown* iPattern, const ORVComparator& iComparator) const override;
  // Narrowed to the run of elements equal to iObject when sorted.
  int SearchObject(int iStart, unsigned int iFirstSearch,
                   const PEVBaseUnknown* iObject) const override;

  // Unstable sort in comparator order; sets the sorted flag.
  virtual void Sort();
  // The flag, or true below two elements.
  virtual unsigned int IsSorted() const;
  // With iSorted and iCheck set and two elements or more, fatal unless in order.
  virtual void SetIsSorted(unsigned int iSorted, unsigned int iCheck);
  // Keeps the flag only when iComparator agrees with the current order.
  virtual void SetComparator(const ORVComparator& iComparator);
  virtual const ORVComparator* GetComparator() const;
  // Whether a search with iComparator can be binary.
  virtual unsigned int SearchUsesSort(const ORVComparator& iComparator) const;
  virtual unsigned int SearchUsesSort() const;

protected:
  // Compares the elements at iFirst and iSecond (pointers to element pointers) with
  // the comparator of the sort or search under way; fatal outside one.
  static int CompareFun(const void* iFirst, const void* iSecond);

private:
  unsigned int _Sorted = 1;
  const ORVComparator* _pComparator;

  static const ORVComparator* _pSortComparator;  // set for the duration of a sort or search
  friend class ORVSortedVectorComparatorSlot;
};

ORV_RFHNDLR(ORVSortedVector, ORVVectorRfHndlr);
