// ORVListIterator.h - walks a list's links both ways.
//
// With a pattern, each step walks on to the next link whose element matches. The
// list is not reference-held; it knows its iterators: when the link under an iterator
// leaves the list by any path the iterator moves back one link (as Remove(cursor)
// moves its cursor), so that its next step goes to the element that followed; when
// the list is emptied it goes to the head, and when the list is destroyed it is left
// without list. Operations on an iterator without a list, and a cursor pointing
// nowhere, are fatal.
#pragma once

#include "ORVExport.h"
#include "ORVIterator.h"
#include "ORVIteratorChainLinks.h"
#include "ORVList.h"
#include "ORVListCursor.h"

class ORV_EXPORT ORVListIterator final : public ORVIterator {
  ORV_META_OBJECT(ORVListIterator)

public:
  // On no list.
  ORVListIterator();
  // Before the first element.
  ORVListIterator(const ORVList* iList, const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                  const ORVComparator* iComparator);
  // At a copy of iCursor (an ORVListCursor), or before the first element when null.
  ORVListIterator(const ORVList* iList, const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                  unsigned int iWithPattern, const ORVComparator* iComparator);
  // Known to the same list.
  ORVListIterator(const ORVListIterator& iOther);
  ORVListIterator& operator=(const ORVListIterator&) = delete;
  ~ORVListIterator() override;

  // Inline for the plain step along a sound chain; everything else goes to the
  // checked step.
  PEVBaseUnknown* Next() override {
    ORVListLink* link = _Cursor.GetLink();
    if (!_pList || !link || WithPattern()) return NextChecked();
    ORVListLink* tail = _pList->GetTail();
    if (link == tail) return nullptr;
    ORVListLink* next = link->GetNext();
    if (!next) return NextChecked();
    _Cursor.SetLink(next);
    return next == tail ? nullptr : next->GetElement();
  }
  PEVBaseUnknown* Previous() override {
    ORVListLink* link = _Cursor.GetLink();
    if (!_pList || !link || WithPattern()) return PreviousChecked();
    ORVListLink* head = _pList->GetHead();
    if (link == head) return nullptr;
    ORVListLink* previous = link->GetPrevious();
    if (!previous) return PreviousChecked();
    _Cursor.SetLink(previous);
    return previous == head ? nullptr : previous->GetElement();
  }
  void ToBegin() override;
  void ToEnd() override;
  const ORVCursor* Position() override;

private:
  // The steps with every check, and with the pattern.
  PEVBaseUnknown* NextChecked();
  PEVBaseUnknown* PreviousChecked();
  // Fatal without a list.
  const ORVList& CheckedList() const;
  // The cursor's link; fatal when it points nowhere.
  ORVListLink* CheckedLink() const;

  friend class ORVList;

  const ORVList* _pList = nullptr;
  ORVListCursor _Cursor;
  // The other iterators of the list.
  ORVIteratorChainLinks<ORVListIterator> _Chain;
};
