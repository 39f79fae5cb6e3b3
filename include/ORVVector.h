// ORVVector.h - a growable array of element pointers with positional access.
//
// Holds plain element pointers (see ORVContainer): copies share them without AddRef,
// so two vectors must not both dispose of the same elements. The capacity grows to
// capacity x 2 + 8 (or the size needed) and never shrinks. Searches are linear.
// Positions outside the elements read as null; writing at a negative position, a
// vector created empty and a size beyond int are fatal. Not thread-safe.
#pragma once

#include "ORVExport.h"
#include "ORVSeqCollection.h"

class ORV_EXPORT ORVVector : public ORVSeqCollection {
  ORV_META_OBJECT(ORVVector)

public:
  explicit ORVVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);
  // iCapacity slots at once; fatal below 1.
  ORVVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iCapacity);
  // Same elements and WhatToDoAtDelete; no link.
  ORVVector(const ORVVector& iOther);
  // Disposes of the elements according to WhatToDoAtDelete, then frees the array.
  ~ORVVector() override;
  // Same elements and WhatToDoAtDelete; fatal when this vector has a link.
  virtual ORVVector& operator=(const ORVVector& iOther);

  int Size() const override;
  unsigned int IsEmpty() const override;
  unsigned int Contains(const PEVBaseUnknown* iObject) const override;
  using ORVContainer::LookupOne;
  PEVBaseUnknown* LookupOne(const PEVBaseUnknown* iPattern,
                            const ORVComparator& iComparator) const override;
  // Appends.
  void Add(PEVBaseUnknown* iObject, unsigned int iNotify) override;
  unsigned int Remove(const PEVBaseUnknown* iObject, unsigned int iNotify) override;
  unsigned int Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                       unsigned int iNotify) override;
  // Keeps the array.
  void Clear(unsigned int iNotify) override;
  void ReleaseElementsAndClear() override;
  // Deletes every non-null element through its virtual destructor.
  void Destroy() override;

  // Null outside 0..count-1.
  PEVBaseUnknown* operator[](int iIndex) const override {
    if (iIndex < 0 || iIndex >= _Count) return nullptr;
    return _pContents[iIndex];
  }
  // Grows to iIndex+1 elements (nulls in between) when iIndex is beyond the end;
  // reports the replacement to the link; fatal for a negative index.
  void Set(int iIndex, PEVBaseUnknown* iObject) override;
  PEVBaseUnknown* operator[](const ORVCursor* iCursor) const override;
  // The cursor must be on an element.
  void Set(const ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  // iIndex in 0..count.
  void Insert(PEVBaseUnknown* iObject, int iIndex) override;
  // Inline while there is room and no link to tell: filling a vector is a hot loop.
  void Append(PEVBaseUnknown* iObject) override {
    if (_Count < _Capacity && !GetLink()) {
      _pContents[_Count++] = iObject;
      return;
    }
    InsertInternal(_Count, iObject);
  }
  // 0 when the cursor is beyond the last element (or below -1); -1 inserts at the front.
  unsigned int InsertAfter(ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  // 0 when the cursor is before the first element (or beyond the end); the cursor then
  // moves up one so that it stays on its element.
  unsigned int InsertBefore(ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  PEVBaseUnknown* Replace(const ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  // The cursor moves down one, so that the next step goes to the following element.
  PEVBaseUnknown* Remove(ORVCursor* iCursor) override;
  PEVBaseUnknown* First() const override;
  PEVBaseUnknown* Last() const override;
  // Not reported to the link.
  PEVBaseUnknown* ExtractFirst() override;
  PEVBaseUnknown* ExtractLast() override;

  // The matching index from iStart in the direction (see the implementation): count
  // forward or -1 backward when none. The first-search flag is for the sorted vector.
  virtual int Search(int iStart, unsigned int iForward, unsigned int iFirstSearch,
                     const PEVBaseUnknown* iPattern, const ORVComparator& iComparator) const;
  // The lowest index from iStart up whose element is iObject itself, or count.
  virtual int SearchObject(int iStart, unsigned int iFirstSearch,
                           const PEVBaseUnknown* iObject) const;

  // Sets the count, growing the array if needed; new slots hold null.
  void SetDimension(int iDimension);
  PEVBaseUnknown** Contents() const { return _pContents; }
  int GetCapacity() const { return _Capacity; }

protected:
  ORVIterator* NewIterator(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                           unsigned int iWithPattern,
                           const ORVComparator* iComparator) const override;
  // Moves iCount pointers from iFrom to iTo; the runs may overlap.
  void Copy(PEVBaseUnknown** iFrom, PEVBaseUnknown** iTo, int iCount) const;
  // Reports the addition to the link if there is one, then inserts at iIndex.
  void InsertInternal(int iIndex, PEVBaseUnknown* iObject);
  // Removes and returns the element at iIndex; nothing is reported.
  PEVBaseUnknown* RemoveInternal(int iIndex);

private:
  // Inserts at iIndex without reporting.
  void InsertSilently(int iIndex, PEVBaseUnknown* iObject);
  // The cursor's index; fatal for a null cursor or a cursor of another container.
  static int CursorIndex(const ORVCursor* iCursor);
  // Leaves the vector empty without array; returns the array, for the caller to free.
  PEVBaseUnknown** Detach();

  int _Count = 0;
  int _Capacity = 0;
  PEVBaseUnknown** _pContents = nullptr;
};

ORV_RFHNDLR(ORVVector, ORVSeqCollectionRfHndlr);
