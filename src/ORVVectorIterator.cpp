#include "ORVVectorIterator.h"

#include "ORVFatal.h"
#include "ORVVector.h"

ORV_META_OBJECT_DEFINE(ORVVectorIterator, ORVIterator)

namespace {

// An index the vector's changes left outside -1..count, brought back within.
int Clamped(int iIndex, int iCount) {
  if (iIndex > iCount) return iCount;
  if (iIndex < -1) return -1;
  return iIndex;
}

}  // namespace

ORVVectorIterator::ORVVectorIterator(const ORVVector* iVector, const PEVBaseUnknown* iPattern,
                                     unsigned int iWithPattern, const ORVComparator* iComparator)
    : ORVIterator(iPattern, iWithPattern, iComparator), _pVector(iVector) {}

ORVVectorIterator::ORVVectorIterator(const ORVVector* iVector, const ORVCursor* iCursor,
                                     const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                                     const ORVComparator* iComparator)
    : ORVIterator(iPattern, iWithPattern, iComparator), _pVector(iVector) {
  if (iCursor) _Cursor = *ORVCheckedCast<ORVVectorCursor>(iCursor);
}

PEVBaseUnknown* ORVVectorIterator::Next() {
  int count = CheckedCount();
  int index = Clamped(_Cursor.GetIndex(), count);
  if (index < count) {
    ++index;
    if (WithPattern())
      index = _pVector->Search(index, 1, _FirstSearch, GetPattern(), GetComparator());
    _FirstSearch = 0;
  }
  if (index >= count) {
    _FirstSearch = 1;
    _Cursor.SetIndex(count);
    return nullptr;
  }
  _Cursor.SetIndex(index);
  return (*_pVector)[index];
}

PEVBaseUnknown* ORVVectorIterator::Previous() {
  int count = CheckedCount();
  int index = Clamped(_Cursor.GetIndex(), count);
  if (index >= 0) {
    --index;
    if (WithPattern())
      index = _pVector->Search(index, 0, _FirstSearch, GetPattern(), GetComparator());
    _FirstSearch = 0;
  }
  if (index < 0) {
    _FirstSearch = 1;
    _Cursor.SetIndex(-1);
    return nullptr;
  }
  _Cursor.SetIndex(index);
  return (*_pVector)[index];
}

void ORVVectorIterator::ToBegin() {
  _Cursor.SetIndex(-1);
  _FirstSearch = 1;
}

void ORVVectorIterator::ToEnd() {
  _Cursor.SetIndex(CheckedCount());
  _FirstSearch = 1;
}

const ORVCursor* ORVVectorIterator::Position() {
  return &_Cursor;
}

void ORVVectorIterator::SetWithPattern(unsigned int iWithPattern) {
  _FirstSearch = 1;
  ORVIterator::SetWithPattern(iWithPattern);
}

void ORVVectorIterator::SetPattern(const PEVBaseUnknown* iPattern) {
  _FirstSearch = 1;
  ORVIterator::SetPattern(iPattern);
}

void ORVVectorIterator::SetComparator(const ORVComparator& iComparator) {
  _FirstSearch = 1;
  ORVIterator::SetComparator(iComparator);
}

void ORVVectorIterator::SetHComparator(const ORVComparatorRfHndlr& iHComparator) {
  _FirstSearch = 1;
  ORVIterator::SetHComparator(iHComparator);
}

int ORVVectorIterator::CheckedCount() const {
  if (!_pVector) ORV_FATAL("vector_ is NULL");
  return _pVector->Size();
}
