// ORVList.h - a doubly linked list of element pointers.
//
// Holds plain element pointers (see ORVContainer): each element sits in its own link
// (ORVListLink) between a head and a tail sentinel. Add puts an element at the front,
// Append at the back. Positions are ORVListCursor objects pointing at links; access
// by index walks from the first element. Copies share the element pointers without
// AddRef, so two lists must not both dispose of the same elements; Destroy releases
// the elements as ReleaseElementsAndClear does. Misuse (a null or misplaced cursor, a
// wrong index, a positional Set or a copy on a linked list) and a damaged chain of
// links are fatal. Not thread-safe.
#pragma once

#include "ORVExport.h"
#include "ORVListLink.h"
#include "ORVSeqCollection.h"

class ORVListIterator;

class ORV_EXPORT ORVList : public ORVSeqCollection {
  ORV_META_OBJECT(ORVList)
  friend class ORVListIterator;

public:
  explicit ORVList(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);
  // Same elements in the same order and WhatToDoAtDelete; no link.
  ORVList(const ORVList& iOther);
  // Disposes of the elements according to WhatToDoAtDelete, then frees the links.
  ~ORVList() override;
  // Empties this list (elements untouched), then takes iOther's elements and
  // WhatToDoAtDelete; fatal when this list has a link. Assigning a list to itself
  // changes nothing.
  virtual ORVList& operator=(const ORVList& iOther);

  int Size() const override;
  unsigned int IsEmpty() const override;
  unsigned int Contains(const PEVBaseUnknown* iObject) const override;
  using ORVContainer::LookupOne;
  // The first match walking from the first element.
  PEVBaseUnknown* LookupOne(const PEVBaseUnknown* iPattern,
                            const ORVComparator& iComparator) const override;
  // Inserts at the front.
  void Add(PEVBaseUnknown* iObject, unsigned int iNotify) override;
  // Removes every link holding iObject itself, each removal reported.
  unsigned int Remove(const PEVBaseUnknown* iObject, unsigned int iNotify) override;
  // Reported first, whether or not iOld is there.
  unsigned int Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                       unsigned int iNotify) override;
  void Clear(unsigned int iNotify) override;
  // Releases the elements first to last (nulls skipped) and frees their links.
  void ReleaseElementsAndClear() override;
  // Exactly ReleaseElementsAndClear: the elements are released, not deleted.
  void Destroy() override;

  // Null at or beyond the count; the first element for 0 and below.
  PEVBaseUnknown* operator[](int iIndex) const override;
  // Not reported to the link; fatal on a linked list or where there is no element.
  void Set(int iIndex, PEVBaseUnknown* iObject) override;
  // Null at the sentinels.
  PEVBaseUnknown* operator[](const ORVCursor* iCursor) const override;
  // Not reported to the link; fatal on a linked list or off an element.
  void Set(const ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  // Below 1 at the front; otherwise after the element at iIndex-1, which must exist.
  void Insert(PEVBaseUnknown* iObject, int iIndex) override;
  void Append(PEVBaseUnknown* iObject) override;
  // 0 at the tail; at the head inserts at the front.
  unsigned int InsertAfter(ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  // 0 at the head; at the tail appends. The cursor stays on its link.
  unsigned int InsertBefore(ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  PEVBaseUnknown* Replace(const ORVCursor* iCursor, PEVBaseUnknown* iObject) override;
  // The cursor moves to the previous link, so that the next step goes to the link
  // after the removed one.
  PEVBaseUnknown* Remove(ORVCursor* iCursor) override;
  PEVBaseUnknown* First() const override;
  PEVBaseUnknown* Last() const override;
  // Reported to the link.
  PEVBaseUnknown* ExtractFirst() override;
  PEVBaseUnknown* ExtractLast() override;

  // From iFrom (included) forward when iForward is set, else backward: the first link
  // whose element matches iPattern, or the sentinel reached.
  ORVListLink* Search(ORVListLink* iFrom, unsigned int iForward, const PEVBaseUnknown* iPattern,
                      const ORVComparator& iComparator) const;
  // From iFrom (included) forward: the first link holding iObject itself, or null.
  ORVListLink* SearchObject(ORVListLink* iFrom, const PEVBaseUnknown* iObject) const;
  // The link at iIndex (the first for 0 and below), or the tail at or beyond the count.
  ORVListLink* SearchIndex(int iIndex) const;
  // The sentinels, for cursors: before the first element and after the last one.
  ORVListLink* GetHead() const { return const_cast<ORVListLink*>(&_Head); }
  ORVListLink* GetTail() const { return const_cast<ORVListLink*>(&_Tail); }

protected:
  ORVIterator* NewIterator(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                           unsigned int iWithPattern,
                           const ORVComparator* iComparator) const override;
  // Empty sentinels and count 0; the links are not freed.
  void Init();
  // Frees all links; elements untouched.
  void Empty();
  // Frees all links, then appends iOther's elements and takes its WhatToDoAtDelete.
  void Copy(const ORVList& iOther);
  // Inserts iObject after iLink (not the tail), reported when iNotify is set.
  void InsertInternal(ORVListLink* iLink, PEVBaseUnknown* iObject, unsigned int iNotify);
  // Removes iLink (not a sentinel), reported when iNotify is set; returns its element.
  PEVBaseUnknown* RemoveInternal(ORVListLink* iLink, unsigned int iNotify);

private:
  // InsertInternal and RemoveInternal, inline within the list's own operations.
  void InsertLink(ORVListLink* iLink, PEVBaseUnknown* iObject, unsigned int iNotify);
  PEVBaseUnknown* RemoveLink(ORVListLink* iLink, unsigned int iNotify);
  // Release of a link, without a virtual call when it is the last reference (the
  // link's class is final).
  static void ReleaseLink(ORVListLink* iLink) {
    if (iLink->GetRefCount() == 1)
      delete iLink;
    else
      iLink->Release();
  }
  // The link of a list cursor; fatal for a null cursor or one of another container.
  static ORVListLink* CursorLink(const ORVCursor* iCursor);
  unsigned int IsSentinel(const ORVListLink* iLink) const {
    return iLink == &_Head || iLink == &_Tail;
  }
  // The link after iLink; fatal when the chain is broken there.
  static ORVListLink* NextOf(const ORVListLink* iLink) {
    ORVListLink* next = iLink->GetNext();
    if (!next) BrokenChain();
    return next;
  }
  static ORVListLink* PreviousOf(const ORVListLink* iLink) {
    ORVListLink* previous = iLink->GetPrevious();
    if (!previous) BrokenChain();
    return previous;
  }
  // The fatal report of a null next or previous link.
  [[noreturn]] static void BrokenChain();
  // The live iterators, so that none is left on a freed link.
  void AttachIterator(ORVListIterator* iIterator) const;
  void DetachIterator(ORVListIterator* iIterator) const;
  // Iterators on iLink move back one link, as Remove(cursor) moves its cursor.
  void StepIteratorsOff(const ORVListLink* iLink);
  // Iterators on an element link go to the head: every element link is leaving.
  void RewindIterators();

  int _Count = 0;
  ORVListLink _Head;
  ORVListLink _Tail;
  mutable ORVListIterator* _pFirstIterator = nullptr;
};
