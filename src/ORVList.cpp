#include "ORVList.h"

#include <climits>

#include "ORVFatal.h"
#include "ORVIteratorChain.h"
#include "ORVListCursor.h"
#include "ORVListIterator.h"

ORV_META_OBJECT_DEFINE(ORVList, ORVSeqCollection)

// The insertion and removal of the list's operations, inlined into each.
inline void ORVList::InsertLink(ORVListLink* iLink, PEVBaseUnknown* iObject, unsigned int iNotify) {
  if (!iLink) ORV_FATAL("link is NULL");
  if (_Count == INT_MAX) ORV_CHECKED_SIZE((long long)_Count + 1, "ORVList");
  // The base's link, read without a virtual call on every element.
  ORVContainersLink* containersLink = iNotify ? ORVContainer::GetLink() : nullptr;
  if (containersLink) containersLink->AddObject(iObject, this);
  ORVListLink* next = NextOf(iLink);
  auto* link = new ORVListLink(next, iLink, iObject);
  iLink->SetNext(link);
  next->SetPrevious(link);
  ++_Count;
}

inline PEVBaseUnknown* ORVList::RemoveLink(ORVListLink* iLink, unsigned int iNotify) {
  if (!iLink) ORV_FATAL("link is NULL");
  ORVContainersLink* containersLink = iNotify ? ORVContainer::GetLink() : nullptr;
  if (containersLink) containersLink->RemoveObject(iLink->GetElement(), this);
  ORVListLink* next = NextOf(iLink);
  ORVListLink* previous = PreviousOf(iLink);
  next->SetPrevious(previous);
  previous->SetNext(next);
  if (_pFirstIterator) StepIteratorsOff(iLink);
  PEVBaseUnknown* element = iLink->GetElement();
  ReleaseLink(iLink);
  --_Count;
  return element;
}

ORVList::ORVList(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete)
    : ORVSeqCollection(iWhatToDoAtDelete) {
  Init();
}

ORVList::ORVList(const ORVList& iOther) : ORVSeqCollection(ORVDoNothingAtDelete) {
  Init();
  Copy(iOther);
}

ORVList::~ORVList() {
  DisposeOfElementsAtDelete();
  Empty();
  // Left without list, their use is the fatal report rather than a read of this list.
  while (ORVListIterator* iterator = _pFirstIterator) {
    ORVUnchainIterator(_pFirstIterator, *iterator, &ORVListIterator::_Chain);
    iterator->_pList = nullptr;
  }
}

ORVList& ORVList::operator=(const ORVList& iOther) {
  if (GetLink()) ORV_FATAL("Not yet implemented with a Link");
  // Emptying first would lose the very links to copy.
  if (&iOther == this) return *this;
  Copy(iOther);
  return *this;
}

int ORVList::Size() const {
  return _Count;
}

unsigned int ORVList::IsEmpty() const {
  return _Head.GetNext() == &_Tail;
}

unsigned int ORVList::Contains(const PEVBaseUnknown* iObject) const {
  return SearchObject(_Head.GetNext(), iObject) != nullptr;
}

PEVBaseUnknown* ORVList::LookupOne(const PEVBaseUnknown* iPattern,
                                   const ORVComparator& iComparator) const {
  ORVListLink* link = Search(_Head.GetNext(), 1, iPattern, iComparator);
  return link == &_Tail ? nullptr : link->GetElement();
}

void ORVList::Add(PEVBaseUnknown* iObject, unsigned int iNotify) {
  InsertLink(&_Head, iObject, iNotify);
}

unsigned int ORVList::Remove(const PEVBaseUnknown* iObject, unsigned int iNotify) {
  unsigned int found = 0;
  for (ORVListLink* link = SearchObject(_Head.GetNext(), iObject); link;) {
    ORVListLink* next = NextOf(link);
    RemoveLink(link, iNotify);
    found = 1;
    link = SearchObject(next, iObject);
  }
  return found;
}

unsigned int ORVList::Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                              unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->ReplaceObject(iOld, iNew, this);
  unsigned int found = 0;
  for (ORVListLink* link = SearchObject(_Head.GetNext(), iOld); link;
       link = SearchObject(NextOf(link), iOld)) {
    link->SetElement(iNew);
    found = 1;
  }
  return found;
}

void ORVList::Clear(unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->Clear(this);
  Empty();
}

void ORVList::ReleaseElementsAndClear() {
  if (GetLink()) GetLink()->Clear(this);
  // The chain is detached first: a release that reaches back into the list sees it
  // empty, and the last link of the chain still leads to the tail.
  ORVListLink* link = _Head.GetNext();
  RewindIterators();
  Init();
  while (link != &_Tail) {
    if (!link) ORV_FATAL("llp is NULL");
    ORVListLink* next = link->GetNext();
    if (link->GetElement()) link->GetElement()->Release();
    link->Release();
    link = next;
  }
}

void ORVList::Destroy() {
  ORVList::ReleaseElementsAndClear();
}

ORVIterator* ORVList::NewIterator(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                                  unsigned int iWithPattern,
                                  const ORVComparator* iComparator) const {
  return new ORVListIterator(this, iCursor, iPattern, iWithPattern, iComparator);
}

PEVBaseUnknown* ORVList::operator[](int iIndex) const {
  ORVListLink* link = SearchIndex(iIndex);
  return link == &_Tail ? nullptr : link->GetElement();
}

void ORVList::Set(int iIndex, PEVBaseUnknown* iObject) {
  if (GetLink()) ORV_FATAL("Not yet implemented with a Link");
  ORVListLink* link = SearchIndex(iIndex);
  if (link == &_Tail) ORV_FATAL("ORVList::operator [](int index): wrong index");
  link->SetElement(iObject);
}

PEVBaseUnknown* ORVList::operator[](const ORVCursor* iCursor) const {
  if (!iCursor) return nullptr;
  ORVListLink* link = CursorLink(iCursor);
  if (!link || IsSentinel(link)) return nullptr;
  return link->GetElement();
}

void ORVList::Set(const ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  if (GetLink()) ORV_FATAL("Not yet implemented with a Link");
  ORVListLink* link = CursorLink(iCursor);
  if (!link) ORV_FATAL("link is NULL");
  if (IsSentinel(link))
    ORV_FATAL("ORVList::operator [](const PEVBaseUnknown *) const: wrong object");
  link->SetElement(iObject);
}

void ORVList::Insert(PEVBaseUnknown* iObject, int iIndex) {
  if (iIndex < 1) {
    InsertLink(&_Head, iObject, ORVNotify);
    return;
  }
  ORVListLink* link = SearchIndex(iIndex - 1);
  if (link == &_Tail) ORV_FATAL("ORVList::Insert(PEVBaseUnknown *, int): wrong index");
  InsertLink(link, iObject, ORVNotify);
}

void ORVList::Append(PEVBaseUnknown* iObject) {
  InsertLink(_Tail.GetPrevious(), iObject, ORVNotify);
}

unsigned int ORVList::InsertAfter(ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  ORVListLink* link = CursorLink(iCursor);
  if (link == &_Tail) return 0;
  InsertLink(link, iObject, ORVNotify);
  return 1;
}

unsigned int ORVList::InsertBefore(ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  ORVListLink* link = CursorLink(iCursor);
  if (!link) ORV_FATAL("link is NULL");
  if (link == &_Head) return 0;
  InsertLink(PreviousOf(link), iObject, ORVNotify);
  return 1;
}

PEVBaseUnknown* ORVList::Replace(const ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  ORVListLink* link = CursorLink(iCursor);
  if (!link) ORV_FATAL("link is NULL");
  if (IsSentinel(link)) return nullptr;
  PEVBaseUnknown* old = link->GetElement();
  if (GetLink()) GetLink()->ReplaceObject(old, iObject, this);
  link->SetElement(iObject);
  return old;
}

PEVBaseUnknown* ORVList::Remove(ORVCursor* iCursor) {
  ORVListLink* link = CursorLink(iCursor);
  if (!link) ORV_FATAL("link is NULL");
  if (IsSentinel(link)) return nullptr;
  static_cast<ORVListCursor*>(iCursor)->SetLink(PreviousOf(link));
  return RemoveLink(link, ORVNotify);
}

PEVBaseUnknown* ORVList::First() const {
  if (IsEmpty()) return nullptr;
  return NextOf(&_Head)->GetElement();
}

PEVBaseUnknown* ORVList::Last() const {
  if (IsEmpty()) return nullptr;
  return PreviousOf(&_Tail)->GetElement();
}

PEVBaseUnknown* ORVList::ExtractFirst() {
  if (IsEmpty()) return nullptr;
  return RemoveLink(NextOf(&_Head), ORVNotify);
}

PEVBaseUnknown* ORVList::ExtractLast() {
  if (IsEmpty()) return nullptr;
  return RemoveLink(PreviousOf(&_Tail), ORVNotify);
}

ORVListLink* ORVList::Search(ORVListLink* iFrom, unsigned int iForward,
                             const PEVBaseUnknown* iPattern,
                             const ORVComparator& iComparator) const {
  const ORVListLink* end = iForward ? &_Tail : &_Head;
  ORVListLink* link = iFrom;
  for (;;) {
    if (!link) ORV_FATAL("link is NULL");
    if (link == end) return link;
    if (!IsSentinel(link) && iComparator.CompareObjects(iPattern, link->GetElement()) == 0)
      return link;
    link = iForward ? link->GetNext() : link->GetPrevious();
  }
}

ORVListLink* ORVList::SearchObject(ORVListLink* iFrom, const PEVBaseUnknown* iObject) const {
  for (ORVListLink* link = iFrom; link != &_Tail; link = link->GetNext()) {
    if (!link) ORV_FATAL("link is NULL");
    if (link->GetElement() == iObject && link != &_Head) return link;
  }
  return nullptr;
}

ORVListLink* ORVList::SearchIndex(int iIndex) const {
  if (iIndex >= _Count) return GetTail();
  ORVListLink* link = NextOf(&_Head);
  for (int i = 0; i < iIndex && link != &_Tail; ++i)
    link = NextOf(link);
  return link;
}

void ORVList::Init() {
  _Head.SetNext(&_Tail);
  _Head.SetPrevious(&_Head);
  _Tail.SetNext(&_Tail);
  _Tail.SetPrevious(&_Head);
  _Count = 0;
}

void ORVList::Empty() {
  RewindIterators();
  ORVListLink* link = _Head.GetNext();
  while (link != &_Tail) {
    if (!link) ORV_FATAL("link is NULL");
    ORVListLink* next = link->GetNext();
    ReleaseLink(link);
    link = next;
  }
  Init();
}

void ORVList::Copy(const ORVList& iOther) {
  if (GetLink()) ORV_FATAL("Not yet implemented with a Link");
  Empty();
  for (ORVListLink* link = NextOf(&iOther._Head); link != &iOther._Tail; link = NextOf(link))
    InsertLink(_Tail.GetPrevious(), link->GetElement(), ORVDoNotNotify);
  SetWhatToDoAtDelete(iOther.GetWhatToDoAtDelete());
}

void ORVList::InsertInternal(ORVListLink* iLink, PEVBaseUnknown* iObject, unsigned int iNotify) {
  InsertLink(iLink, iObject, iNotify);
}

PEVBaseUnknown* ORVList::RemoveInternal(ORVListLink* iLink, unsigned int iNotify) {
  return RemoveLink(iLink, iNotify);
}

ORVListLink* ORVList::CursorLink(const ORVCursor* iCursor) {
  if (!iCursor) ORV_FATAL("cursor is NULL");
  return ORVCheckedCast<ORVListCursor>(iCursor)->GetLink();
}

void ORVList::BrokenChain() {
  ORV_FATAL("link is NULL");
}

void ORVList::AttachIterator(ORVListIterator* iIterator) const {
  ORVChainIterator(_pFirstIterator, *iIterator, &ORVListIterator::_Chain);
}

void ORVList::DetachIterator(ORVListIterator* iIterator) const {
  ORVUnchainIterator(_pFirstIterator, *iIterator, &ORVListIterator::_Chain);
}

void ORVList::StepIteratorsOff(const ORVListLink* iLink) {
  for (ORVListIterator* iterator = _pFirstIterator; iterator; iterator = iterator->_Chain._pNext)
    if (iterator->_Cursor.GetLink() == iLink) iterator->_Cursor.SetLink(iLink->GetPrevious());
}

void ORVList::RewindIterators() {
  for (ORVListIterator* iterator = _pFirstIterator; iterator; iterator = iterator->_Chain._pNext)
    if (!IsSentinel(iterator->_Cursor.GetLink())) iterator->_Cursor.SetLink(&_Head);
}
