#include "ORVVector.h"

#include <climits>

#include <cstring>

#include "ORVFatal.h"
#include "ORVVectorCursor.h"
#include "ORVVectorIterator.h"

ORV_META_OBJECT_DEFINE(ORVVector, ORVSeqCollection)
ORV_RFHNDLR_DEFINE(ORVVector)

ORVVector::ORVVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete)
    : ORVSeqCollection(iWhatToDoAtDelete) {}

ORVVector::ORVVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iCapacity)
    : ORVSeqCollection(iWhatToDoAtDelete) {
  if (iCapacity < 1) ORV_FATAL("Can not create an empty vector");
  _pContents = new PEVBaseUnknown*[iCapacity];
  _Capacity = iCapacity;
}

ORVVector::ORVVector(const ORVVector& iOther) : ORVSeqCollection(ORVDoNothingAtDelete) {
  if (iOther._Count > 0) {
    _pContents = new PEVBaseUnknown*[iOther._Count];
    _Capacity = iOther._Count;
    Copy(iOther._pContents, _pContents, iOther._Count);
    _Count = iOther._Count;
  }
  SetWhatToDoAtDelete(iOther.GetWhatToDoAtDelete());
}

ORVVector::~ORVVector() {
  DisposeOfElementsAtDelete();
  delete[] _pContents;
}

ORVVector& ORVVector::operator=(const ORVVector& iOther) {
  if (GetLink()) ORV_FATAL("Not yet implemented with a Link");
  if (&iOther != this) {
    if (_Capacity < iOther._Count) {
      delete[] _pContents;
      _pContents = new PEVBaseUnknown*[iOther._Count];
      _Capacity = iOther._Count;
    }
    if (iOther._Count > 0) Copy(iOther._pContents, _pContents, iOther._Count);
    _Count = iOther._Count;
  }
  SetWhatToDoAtDelete(iOther.GetWhatToDoAtDelete());
  return *this;
}

int ORVVector::Size() const {
  return _Count;
}

unsigned int ORVVector::IsEmpty() const {
  return _Count < 1;
}

unsigned int ORVVector::Contains(const PEVBaseUnknown* iObject) const {
  return SearchObject(0, 1, iObject) < _Count;
}

PEVBaseUnknown* ORVVector::LookupOne(const PEVBaseUnknown* iPattern,
                                     const ORVComparator& iComparator) const {
  int index = Search(0, 1, 1, iPattern, iComparator);
  return (*this)[index];
}

void ORVVector::Add(PEVBaseUnknown* iObject, unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->AddObject(iObject, this);
  InsertSilently(_Count, iObject);
}

unsigned int ORVVector::Remove(const PEVBaseUnknown* iObject, unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->RemoveObject(iObject, this);
  int kept = 0;
  for (int i = 0; i < _Count; ++i)
    if (_pContents[i] != iObject) _pContents[kept++] = _pContents[i];
  unsigned int found = kept < _Count;
  _Count = kept;
  return found;
}

unsigned int ORVVector::Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                                unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->ReplaceObject(iOld, iNew, this);
  unsigned int found = 0;
  for (int i = 0; i < _Count; ++i) {
    if (_pContents[i] != iOld) continue;
    _pContents[i] = iNew;
    found = 1;
  }
  return found;
}

void ORVVector::Clear(unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->Clear(this);
  _Count = 0;
}

void ORVVector::ReleaseElementsAndClear() {
  if (GetLink()) GetLink()->Clear(this);
  // Detached first: a release that reaches back into the vector, or frees it, leaves
  // the elements still to release untouched.
  int count = _Count;
  PEVBaseUnknown** contents = Detach();
  for (int i = 0; i < count; ++i)
    if (contents[i]) contents[i]->Release();
  delete[] contents;
}

void ORVVector::Destroy() {
  if (GetLink()) GetLink()->Clear(this);
  int count = _Count;
  PEVBaseUnknown** contents = Detach();
  for (int i = 0; i < count; ++i)
    delete contents[i];
  delete[] contents;
}

PEVBaseUnknown** ORVVector::Detach() {
  PEVBaseUnknown** contents = _pContents;
  _pContents = nullptr;
  _Count = 0;
  _Capacity = 0;
  return contents;
}

ORVIterator* ORVVector::NewIterator(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                                    unsigned int iWithPattern,
                                    const ORVComparator* iComparator) const {
  return new ORVVectorIterator(this, iCursor, iPattern, iWithPattern, iComparator);
}

void ORVVector::Set(int iIndex, PEVBaseUnknown* iObject) {
  if (iIndex < 0) ORV_FATAL("ORVVector::Set(int, PEVBaseUnknown *): wrong position");
  if (iIndex >= _Count) SetDimension(ORV_CHECKED_SIZE((long long)iIndex + 1, "ORVVector"));
  if (GetLink()) GetLink()->ReplaceObject(_pContents[iIndex], iObject, this);
  _pContents[iIndex] = iObject;
}

PEVBaseUnknown* ORVVector::operator[](const ORVCursor* iCursor) const {
  if (!iCursor) return nullptr;
  return (*this)[CursorIndex(iCursor)];
}

void ORVVector::Set(const ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  int index = CursorIndex(iCursor);
  if (index < 0 || index >= _Count)
    ORV_FATAL("ORVVector::operator[](const PEVBaseUnknown *): wrong position");
  if (GetLink()) GetLink()->ReplaceObject(_pContents[index], iObject, this);
  _pContents[index] = iObject;
}

void ORVVector::Insert(PEVBaseUnknown* iObject, int iIndex) {
  if (iIndex < 0 || iIndex > _Count)
    ORV_FATAL("ORVVector::Insert(PEVBaseUnknown *, int): wrong position");
  InsertInternal(iIndex, iObject);
}

unsigned int ORVVector::InsertAfter(ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  int index = CursorIndex(iCursor);
  if (index < -1 || index >= _Count) return 0;
  InsertInternal(index + 1, iObject);
  return 1;
}

unsigned int ORVVector::InsertBefore(ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  int index = CursorIndex(iCursor);
  if (index < 0 || index > _Count) return 0;
  InsertInternal(index, iObject);
  static_cast<ORVVectorCursor*>(iCursor)->SetIndex(index + 1);
  return 1;
}

PEVBaseUnknown* ORVVector::Replace(const ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  int index = CursorIndex(iCursor);
  if (index < 0 || index >= _Count) return nullptr;
  PEVBaseUnknown* old = _pContents[index];
  if (GetLink()) GetLink()->ReplaceObject(old, iObject, this);
  _pContents[index] = iObject;
  return old;
}

PEVBaseUnknown* ORVVector::Remove(ORVCursor* iCursor) {
  int index = CursorIndex(iCursor);
  if (index < 0 || index >= _Count) return nullptr;
  PEVBaseUnknown* removed = RemoveInternal(index);
  if (GetLink()) GetLink()->RemoveObject(removed, this);
  static_cast<ORVVectorCursor*>(iCursor)->SetIndex(index - 1);
  return removed;
}

PEVBaseUnknown* ORVVector::First() const {
  return (*this)[0];
}

PEVBaseUnknown* ORVVector::Last() const {
  return (*this)[_Count - 1];
}

PEVBaseUnknown* ORVVector::ExtractFirst() {
  if (_Count < 1) return nullptr;
  return RemoveInternal(0);
}

PEVBaseUnknown* ORVVector::ExtractLast() {
  if (_Count < 1) return nullptr;
  return RemoveInternal(_Count - 1);
}

// Linear; a start outside the elements is brought back within them, except a start
// already past the end in the direction of the search, which is returned as it is.
int ORVVector::Search(int iStart, unsigned int iForward, unsigned int,
                      const PEVBaseUnknown* iPattern, const ORVComparator& iComparator) const {
  if (iForward) {
    if (iStart >= _Count) return iStart;
    for (int i = iStart < 0 ? 0 : iStart; i < _Count; ++i)
      if (iComparator.CompareObjects(iPattern, _pContents[i]) == 0) return i;
    return _Count;
  }
  if (iStart < 0) return iStart;
  for (int i = iStart >= _Count ? _Count - 1 : iStart; i >= 0; --i)
    if (iComparator.CompareObjects(iPattern, _pContents[i]) == 0) return i;
  return -1;
}

int ORVVector::SearchObject(int iStart, unsigned int, const PEVBaseUnknown* iObject) const {
  if (iStart >= _Count) return iStart;
  for (int i = iStart < 0 ? 0 : iStart; i < _Count; ++i)
    if (_pContents[i] == iObject) return i;
  return _Count;
}

void ORVVector::SetDimension(int iDimension) {
  if (iDimension < 0) ORV_FATAL("ORVVector::SetDimension(int): wrong dimension");
  if (iDimension > _Capacity) {
    // The doubled capacity stops at the largest int rather than refusing the growth.
    long long doubled = (long long)_Capacity * 2 + 8;
    int capacity = doubled > INT_MAX ? INT_MAX : (int)doubled;
    if (iDimension > capacity) capacity = iDimension;
    auto** contents = new PEVBaseUnknown*[capacity];
    if (_Count > 0) Copy(_pContents, contents, _Count);
    delete[] _pContents;
    _pContents = contents;
    _Capacity = capacity;
  }
  for (int i = _Count; i < iDimension; ++i)
    _pContents[i] = nullptr;
  _Count = iDimension;
}

void ORVVector::Copy(PEVBaseUnknown** iFrom, PEVBaseUnknown** iTo, int iCount) const {
  // NOLINTNEXTLINE(bugprone-sizeof-expression): an array of object pointers
  memmove(iTo, iFrom, (size_t)iCount * sizeof(*iFrom));
}

void ORVVector::InsertInternal(int iIndex, PEVBaseUnknown* iObject) {
  if (GetLink()) GetLink()->AddObject(iObject, this);
  InsertSilently(iIndex, iObject);
}

PEVBaseUnknown* ORVVector::RemoveInternal(int iIndex) {
  PEVBaseUnknown* removed = _pContents[iIndex];
  Copy(_pContents + iIndex + 1, _pContents + iIndex, _Count - iIndex - 1);
  --_Count;
  return removed;
}

void ORVVector::InsertSilently(int iIndex, PEVBaseUnknown* iObject) {
  int count = _Count;
  if (count < _Capacity)
    _Count = count + 1;
  else
    SetDimension(ORV_CHECKED_SIZE((long long)count + 1, "ORVVector"));
  if (iIndex < count) Copy(_pContents + iIndex, _pContents + iIndex + 1, count - iIndex);
  _pContents[iIndex] = iObject;
}

int ORVVector::CursorIndex(const ORVCursor* iCursor) {
  if (!iCursor) ORV_FATAL("cursor is NULL");
  return ORVCheckedCast<ORVVectorCursor>(iCursor)->GetIndex();
}
