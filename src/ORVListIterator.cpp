#include "ORVListIterator.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVListIterator, ORVIterator)

ORVListIterator::ORVListIterator()
    : ORVIterator(nullptr, ORVWithoutPattern, (const ORVComparator*)nullptr) {}

ORVListIterator::ORVListIterator(const ORVList* iList, const PEVBaseUnknown* iPattern,
                                 unsigned int iWithPattern, const ORVComparator* iComparator)
    : ORVIterator(iPattern, iWithPattern, iComparator), _pList(iList) {
  if (!iList) return;
  _Cursor.SetLink(iList->GetHead());
  iList->AttachIterator(this);
}

ORVListIterator::ORVListIterator(const ORVList* iList, const ORVCursor* iCursor,
                                 const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                                 const ORVComparator* iComparator)
    : ORVListIterator(iList, iPattern, iWithPattern, iComparator) {
  if (iCursor) _Cursor = *ORVCheckedCast<ORVListCursor>(iCursor);
}

ORVListIterator::ORVListIterator(const ORVListIterator& iOther)
    : ORVIterator(iOther), _pList(iOther._pList), _Cursor(iOther._Cursor) {
  if (_pList) _pList->AttachIterator(this);
}

ORVListIterator::~ORVListIterator() {
  if (_pList) _pList->DetachIterator(this);
}

PEVBaseUnknown* ORVListIterator::NextChecked() {
  const ORVList& list = CheckedList();
  ORVListLink* link = CheckedLink();
  ORVListLink* tail = list.GetTail();
  if (link != tail) {
    link = link->GetNext();
    if (WithPattern()) link = list.Search(link, 1, GetPattern(), GetComparator());
    if (!link) ORV_FATAL("link is NULL");
    _Cursor.SetLink(link);
  }
  return link == tail ? nullptr : link->GetElement();
}

PEVBaseUnknown* ORVListIterator::PreviousChecked() {
  const ORVList& list = CheckedList();
  ORVListLink* link = CheckedLink();
  ORVListLink* head = list.GetHead();
  if (link != head) {
    link = link->GetPrevious();
    if (WithPattern()) link = list.Search(link, 0, GetPattern(), GetComparator());
    if (!link) ORV_FATAL("link is NULL");
    _Cursor.SetLink(link);
  }
  return link == head ? nullptr : link->GetElement();
}

void ORVListIterator::ToBegin() {
  _Cursor.SetLink(CheckedList().GetHead());
}

void ORVListIterator::ToEnd() {
  _Cursor.SetLink(CheckedList().GetTail());
}

const ORVCursor* ORVListIterator::Position() {
  return &_Cursor;
}

const ORVList& ORVListIterator::CheckedList() const {
  if (!_pList) ORV_FATAL("list_ is NULL");
  return *_pList;
}

ORVListLink* ORVListIterator::CheckedLink() const {
  ORVListLink* link = _Cursor.GetLink();
  if (!link) ORV_FATAL("link is NULL");
  return link;
}
