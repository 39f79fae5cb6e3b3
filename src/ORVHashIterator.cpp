#include "ORVHashIterator.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVHashIterator, ORVIterator)

// A cursor position at a bucket's sentinel. The cursor holds plain node pointers, for
// the table's own changes through it (Remove(cursor), on a table that is not const);
// the iterator only reads the nodes of its const table.
static ORVHashTable::Node* PositionAt(const ORVHashTable::Node& iSentinel) {
  return const_cast<ORVHashTable::Node*>(&iSentinel);
}

ORVHashIterator::ORVHashIterator(const ORVHashTable* iTable, const PEVBaseUnknown* iPattern,
                                 unsigned int iWithPattern, const ORVComparator* iComparator)
    : ORVIterator(iPattern, iWithPattern, iComparator), _pTable(iTable) {
  if (!iTable) return;
  ORVHashIterator::ToBegin();
  iTable->AttachIterator(this);
}

ORVHashIterator::ORVHashIterator(const ORVHashTable* iTable, const ORVCursor* iCursor,
                                 const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                                 const ORVComparator* iComparator)
    : ORVHashIterator(iTable, iPattern, iWithPattern, iComparator) {
  if (iCursor) _Cursor = *ORVCheckedCast<ORVHashCursor>(iCursor);
}

ORVHashIterator::ORVHashIterator(const ORVHashIterator& iOther)
    : ORVIterator(iOther), _pTable(iOther._pTable), _Cursor(iOther._Cursor) {
  if (_pTable) _pTable->AttachIterator(this);
}

ORVHashIterator::~ORVHashIterator() {
  if (_pTable) _pTable->DetachIterator(this);
}

PEVBaseUnknown* ORVHashIterator::Next() {
  const ORVHashTable& table = CheckedTable();
  StartOverIfLost(table, 1);
  unsigned int withPattern = WithPattern();
  int last = table.GetDimension() - 1;
  int index = _Cursor.GetBucketIndex();
  ORVHashTable::Node* node = _Cursor.GetLink();
  for (;;) {
    // A node without next is the bucket's tail.
    if (node->_pNext) {
      node = node->_pNext;
      while (withPattern && node->_pNext && !Matches(node))
        node = node->_pNext;
      if (node->_pNext) {
        _Cursor.Set(index, node);
        return static_cast<ORVHashTable::Link*>(node)->_pElement;
      }
    }
    if (withPattern || index >= last) {
      _Cursor.Set(index, node);
      return nullptr;
    }
    ++index;
    node = PositionAt(table.GetBucket(index)._Head);
  }
}

PEVBaseUnknown* ORVHashIterator::Previous() {
  const ORVHashTable& table = CheckedTable();
  StartOverIfLost(table, 0);
  unsigned int withPattern = WithPattern();
  int index = _Cursor.GetBucketIndex();
  ORVHashTable::Node* node = _Cursor.GetLink();
  for (;;) {
    // A node without previous is the bucket's head.
    if (node->_pPrevious) {
      node = node->_pPrevious;
      while (withPattern && node->_pPrevious && !Matches(node))
        node = node->_pPrevious;
      if (node->_pPrevious) {
        _Cursor.Set(index, node);
        return static_cast<ORVHashTable::Link*>(node)->_pElement;
      }
    }
    if (withPattern || index <= 0) {
      _Cursor.Set(index, node);
      return nullptr;
    }
    --index;
    node = PositionAt(table.GetBucket(index)._Tail);
  }
}

void ORVHashIterator::ToBegin() {
  const ORVHashTable& table = CheckedTable();
  int index = FirstBucket(table, 0);
  _Cursor.Set(index, PositionAt(table.GetBucket(index)._Head));
}

void ORVHashIterator::ToEnd() {
  const ORVHashTable& table = CheckedTable();
  int index = FirstBucket(table, table.GetDimension() - 1);
  _Cursor.Set(index, PositionAt(table.GetBucket(index)._Tail));
}

const ORVCursor* ORVHashIterator::Position() {
  return &_Cursor;
}

const ORVHashTable& ORVHashIterator::CheckedTable() const {
  if (!_pTable) ORV_FATAL("table_ is NULL");
  return *_pTable;
}

int ORVHashIterator::FirstBucket(const ORVHashTable& iTable, int iOtherwise) const {
  return WithPattern() ? iTable.BucketIndexOf(GetPattern()) : iOtherwise;
}

void ORVHashIterator::StartOverIfLost(const ORVHashTable& iTable, unsigned int iForward) {
  int index = _Cursor.GetBucketIndex();
  if (_Cursor.GetLink() && index >= 0 && index < iTable.GetDimension()) return;
  if (iForward)
    ToBegin();
  else
    ToEnd();
}

unsigned int ORVHashIterator::Matches(const ORVHashTable::Node* iLink) const {
  const PEVBaseUnknown* element = static_cast<const ORVHashTable::Link*>(iLink)->_pElement;
  return GetComparator().CompareObjects(GetPattern(), element) == 0;
}
