#include "ORVHashTable.h"

#include <climits>

#include "ORVFatal.h"
#include "ORVHashCursor.h"
#include "ORVHashIterator.h"
#include "ORVIteratorChain.h"
#include "PEVBaseUnknownCmpAddr.h"
#include "PEVBaseUnknownHashAddr.h"

ORV_META_OBJECT_DEFINE(ORVHashTable, ORVDirAccContainer)
ORV_RFHNDLR_DEFINE(ORVHashTable)

namespace {

const int kMinimumDimension = 16;
const int kMaximumDimension = 1 << 30;

}  // namespace

ORVHashTable::ORVHashTable(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iSizeHint)
    : ORVHashTable(*PEVBaseUnknownHashAddr::GetGlobal(), *PEVBaseUnknownCmpAddr::GetGlobal(),
                   iWhatToDoAtDelete, iSizeHint) {}

ORVHashTable::ORVHashTable(const ORVHashCoder& iCoder, const ORVComparator& iComparator,
                           ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iSizeHint)
    : ORVDirAccContainer(iWhatToDoAtDelete), _pCoder(&iCoder), _pComparator(&iComparator) {
  Init(iSizeHint);
}

ORVHashTable::ORVHashTable(const ORVHashTable& iOther) : ORVDirAccContainer(ORVDoNothingAtDelete) {
  Copy(iOther);
}

ORVHashTable::~ORVHashTable() {
  DisposeOfElementsAtDelete();
  Free();
}

ORVHashTable& ORVHashTable::operator=(const ORVHashTable& iOther) {
  if (GetLink()) ORV_FATAL("Not yet implemented with a Link");
  // Freeing first would lose the very links to copy.
  if (&iOther == this) return *this;
  Free();
  Copy(iOther);
  return *this;
}

int ORVHashTable::Size() const {
  return _Count;
}

unsigned int ORVHashTable::IsEmpty() const {
  return _Count == 0;
}

unsigned int ORVHashTable::Contains(const PEVBaseUnknown* iObject) const {
  const Bucket& bucket = _pBuckets[BucketIndexOf(iObject)];
  for (const Node* node = bucket._Head._pNext; node != &bucket._Tail; node = node->_pNext)
    if (static_cast<const Link*>(node)->_pElement == iObject) return 1;
  return 0;
}

PEVBaseUnknown* ORVHashTable::LookupOne(const PEVBaseUnknown* iPattern,
                                        const ORVComparator& iComparator) const {
  unsigned int code = _pCoder->Code(iPattern);
  const Bucket& bucket = _pBuckets[code & (unsigned int)(_Dimension - 1)];
  if (&iComparator != _pComparator) {
    Link* link = BucketSearch(bucket, iPattern, iComparator);
    return link ? link->_pElement : nullptr;
  }
  // The table's own comparator agrees with its coder: an element with another code
  // cannot match, and its stored code says so without a comparison.
  for (Node* node = bucket._Head._pNext; node != &bucket._Tail; node = node->_pNext) {
    auto* link = static_cast<Link*>(node);
    if (link->_Code == code && iComparator.CompareObjects(iPattern, link->_pElement) == 0)
      return link->_pElement;
  }
  return nullptr;
}

PEVBaseUnknown* ORVHashTable::LookupOne(const PEVBaseUnknown* iPattern) const {
  return LookupOne(iPattern, *_pComparator);
}

void ORVHashTable::Add(PEVBaseUnknown* iObject, unsigned int iNotify) {
  if (_Count == INT_MAX) ORV_CHECKED_SIZE((long long)_Count + 1, "ORVHashTable");
  if (iNotify && GetLink()) GetLink()->AddObject(iObject, this);
  unsigned int code = _pCoder->Code(iObject);
  BucketInsert(_pBuckets[code & (unsigned int)(_Dimension - 1)], iObject, code);
  ++_Count;
  if (_Count > 2LL * _Dimension) ResizeTable();
}

unsigned int ORVHashTable::Remove(const PEVBaseUnknown* iObject, unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->RemoveObject(iObject, this);
  return RemoveAll(iObject) > 0;
}

unsigned int ORVHashTable::Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                                   unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->ReplaceObject(iOld, iNew, this);
  // The removal and the additions are this replacement: not reported again, so that
  // the other linked containers are not changed twice.
  int removed = RemoveAll(iOld);
  for (int i = 0; i < removed; ++i)
    Add(iNew, ORVDoNotNotify);
  return removed > 0;
}

void ORVHashTable::Clear(unsigned int iNotify) {
  if (iNotify && GetLink()) GetLink()->Clear(this);
  RewindIterators();
  ForgetRemovedLink();
  for (int i = 0; i < _Dimension; ++i)
    BucketDelete(_pBuckets[i]);
  _Count = 0;
}

void ORVHashTable::ReleaseElementsAndClear() {
  if (GetLink()) GetLink()->Clear(this);
  // Detached first: a release that reaches back into the table sees it empty.
  Bucket detached;
  DetachAll(detached);
  BucketReleaseElements(detached);
}

void ORVHashTable::Destroy() {
  if (GetLink()) GetLink()->Clear(this);
  Bucket detached;
  DetachAll(detached);
  BucketDestroy(detached);
}

ORVIterator* ORVHashTable::NewIterator(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                                       unsigned int iWithPattern,
                                       const ORVComparator* iComparator) const {
  return new ORVHashIterator(this, iCursor, iPattern, iWithPattern,
                             iComparator ? iComparator : _pComparator);
}

PEVBaseUnknown* ORVHashTable::Remove(ORVCursor* iCursor) {
  if (!iCursor) ORV_FATAL("cursor is NULL");
  Node* node = ORVCheckedCast<ORVHashCursor>(iCursor)->GetLink();
  // A sentinel, nothing, or a link already out of the table.
  if (!node || !node->_pNext || !node->_pPrevious || node == _pRemovedLink) return nullptr;
  auto* link = static_cast<Link*>(node);
  link->_pPrevious->_pNext = link->_pNext;
  link->_pNext->_pPrevious = link->_pPrevious;
  ForgetRemovedLink();
  _pRemovedLink = link;
  if (GetLink()) GetLink()->RemoveObject(link->_pElement, this);
  --_Count;
  return link->_pElement;
}

void ORVHashTable::SetCoder(const ORVHashCoder& iCoder) {
  _pCoder = &iCoder;
}

void ORVHashTable::SetComparator(const ORVComparator& iComparator) {
  _pComparator = &iComparator;
}

int ORVHashTable::PowerTwoRounding(int iSizeHint) {
  int dimension = kMinimumDimension;
  while (dimension < iSizeHint && dimension < kMaximumDimension)
    dimension *= 2;
  return dimension;
}

void ORVHashTable::Init(int iSizeHint) {
  _Dimension = PowerTwoRounding(iSizeHint);
  _pBuckets = new Bucket[_Dimension];
  for (int i = 0; i < _Dimension; ++i)
    BucketInit(_pBuckets[i]);
  _Count = 0;
}

void ORVHashTable::Free() {
  // Left without table, their use is the fatal report rather than a read of freed buckets.
  while (ORVHashIterator* iterator = _pFirstIterator) {
    ORVUnchainIterator(_pFirstIterator, *iterator, &ORVHashIterator::_Chain);
    iterator->_pTable = nullptr;
  }
  ForgetRemovedLink();
  for (int i = 0; i < _Dimension; ++i)
    BucketDelete(_pBuckets[i]);
  delete[] _pBuckets;
  _pBuckets = nullptr;
  _Dimension = 0;
  _Count = 0;
}

void ORVHashTable::Copy(const ORVHashTable& iOther) {
  if (GetLink()) ORV_FATAL("Not yet implemented with a Link");
  _Dimension = iOther._Dimension;
  _pBuckets = new Bucket[_Dimension];
  for (int i = 0; i < _Dimension; ++i) {
    Bucket& bucket = _pBuckets[i];
    BucketInit(bucket);
    const Bucket& source = iOther._pBuckets[i];
    for (const Node* node = source._Head._pNext; node != &source._Tail; node = node->_pNext) {
      const auto* link = static_cast<const Link*>(node);
      BucketInsert(bucket, link->_pElement, link->_Code);
    }
  }
  _Count = iOther._Count;
  _pCoder = iOther._pCoder;
  _pComparator = iOther._pComparator;
  SetWhatToDoAtDelete(iOther.GetWhatToDoAtDelete());
}

void ORVHashTable::ResizeTable() {
  if (_Dimension >= kMaximumDimension) return;
  int oldDimension = _Dimension;
  int dimension = ORV_CHECKED_SIZE((long long)oldDimension * 2, "ORVHashTable");
  auto* buckets = new Bucket[dimension];
  for (int i = 0; i < dimension; ++i)
    BucketInit(buckets[i]);
  for (int i = 0; i < oldDimension; ++i) {
    Bucket& old = _pBuckets[i];
    for (Node* node = old._Head._pNext; node != &old._Tail;) {
      auto* link = static_cast<Link*>(node);
      node = node->_pNext;
      int target = (link->_Code & (unsigned int)oldDimension) ? i + oldDimension : i;
      BucketMove(buckets[target], link);
    }
  }
  if (_pFirstIterator) ReanchorIterators(_pBuckets, oldDimension, buckets);
  delete[] _pBuckets;
  _pBuckets = buckets;
  _Dimension = dimension;
  if (_pRemovedLink) {
    // Its neighbours were in the old buckets: it now leads to its new bucket's ends.
    Bucket& bucket = _pBuckets[_pRemovedLink->_Code & (unsigned int)(dimension - 1)];
    _pRemovedLink->_pNext = &bucket._Tail;
    _pRemovedLink->_pPrevious = &bucket._Head;
  }
}

void ORVHashTable::BucketInit(Bucket& oBucket) {
  oBucket._Head._pNext = &oBucket._Tail;
  oBucket._Head._pPrevious = nullptr;
  oBucket._Tail._pNext = nullptr;
  oBucket._Tail._pPrevious = &oBucket._Head;
}

void ORVHashTable::BucketDelete(Bucket& ioBucket) {
  for (Node* node = ioBucket._Head._pNext; node != &ioBucket._Tail;) {
    Node* next = node->_pNext;
    delete static_cast<Link*>(node);
    node = next;
  }
  BucketInit(ioBucket);
}

void ORVHashTable::BucketReleaseElements(Bucket& ioBucket) {
  for (Node* node = ioBucket._Head._pNext; node != &ioBucket._Tail;) {
    auto* link = static_cast<Link*>(node);
    node = node->_pNext;
    if (link->_pElement) link->_pElement->Release();
    delete link;
  }
  BucketInit(ioBucket);
}

void ORVHashTable::BucketDestroy(Bucket& ioBucket) {
  for (Node* node = ioBucket._Head._pNext; node != &ioBucket._Tail;) {
    auto* link = static_cast<Link*>(node);
    node = node->_pNext;
    delete link->_pElement;
    delete link;
  }
  BucketInit(ioBucket);
}

ORVHashTable::Link* ORVHashTable::BucketSearch(const Bucket& iBucket,
                                               const PEVBaseUnknown* iPattern,
                                               const ORVComparator& iComparator) {
  for (Node* node = iBucket._Head._pNext; node != &iBucket._Tail; node = node->_pNext) {
    auto* link = static_cast<Link*>(node);
    if (iComparator.CompareObjects(iPattern, link->_pElement) == 0) return link;
  }
  return nullptr;
}

void ORVHashTable::BucketInsert(Bucket& ioBucket, PEVBaseUnknown* iObject, unsigned int iCode) {
  auto* link = new Link;
  link->_pElement = iObject;
  link->_Code = iCode;
  BucketMove(ioBucket, link);
}

void ORVHashTable::BucketMove(Bucket& ioBucket, Link* iLink) {
  Node* last = ioBucket._Tail._pPrevious;
  iLink->_pNext = &ioBucket._Tail;
  iLink->_pPrevious = last;
  last->_pNext = iLink;
  ioBucket._Tail._pPrevious = iLink;
}

int ORVHashTable::RemoveAll(const PEVBaseUnknown* iObject) {
  Bucket& bucket = _pBuckets[BucketIndexOf(iObject)];
  int removed = 0;
  for (Node* node = bucket._Head._pNext; node != &bucket._Tail;) {
    auto* link = static_cast<Link*>(node);
    node = node->_pNext;
    if (link->_pElement != iObject) continue;
    DeleteLink(link);
    ++removed;
  }
  _Count -= removed;
  return removed;
}

void ORVHashTable::DeleteLink(Link* iLink) {
  iLink->_pPrevious->_pNext = iLink->_pNext;
  iLink->_pNext->_pPrevious = iLink->_pPrevious;
  // The link removed through a cursor must not lead to a deleted neighbour.
  if (_pRemovedLink) {
    if (_pRemovedLink->_pNext == iLink) _pRemovedLink->_pNext = iLink->_pNext;
    if (_pRemovedLink->_pPrevious == iLink) _pRemovedLink->_pPrevious = iLink->_pPrevious;
  }
  if (_pFirstIterator) StepIteratorsOff(iLink);
  delete iLink;
}

void ORVHashTable::DetachAll(Bucket& oBucket) {
  BucketInit(oBucket);
  RewindIterators();
  ForgetRemovedLink();
  for (int i = 0; i < _Dimension; ++i) {
    Bucket& bucket = _pBuckets[i];
    if (bucket._Head._pNext == &bucket._Tail) continue;
    Node* first = bucket._Head._pNext;
    Node* last = bucket._Tail._pPrevious;
    first->_pPrevious = oBucket._Tail._pPrevious;
    oBucket._Tail._pPrevious->_pNext = first;
    last->_pNext = &oBucket._Tail;
    oBucket._Tail._pPrevious = last;
    BucketInit(bucket);
  }
  _Count = 0;
}

void ORVHashTable::ForgetRemovedLink() {
  if (_pRemovedLink && _pFirstIterator) StepIteratorsOff(_pRemovedLink);
  delete _pRemovedLink;
  _pRemovedLink = nullptr;
}

void ORVHashTable::AttachIterator(ORVHashIterator* iIterator) const {
  ORVChainIterator(_pFirstIterator, *iIterator, &ORVHashIterator::_Chain);
}

void ORVHashTable::DetachIterator(ORVHashIterator* iIterator) const {
  ORVUnchainIterator(_pFirstIterator, *iIterator, &ORVHashIterator::_Chain);
}

void ORVHashTable::StepIteratorsOff(const Link* iLink) {
  for (ORVHashIterator* iterator = _pFirstIterator; iterator; iterator = iterator->_Chain._pNext) {
    ORVHashCursor& cursor = iterator->_Cursor;
    if (cursor.GetLink() == iLink) cursor.Set(cursor.GetBucketIndex(), iLink->_pPrevious);
  }
}

void ORVHashTable::RewindIterators() {
  for (ORVHashIterator* iterator = _pFirstIterator; iterator; iterator = iterator->_Chain._pNext) {
    ORVHashCursor& cursor = iterator->_Cursor;
    int index = cursor.GetBucketIndex();
    Node* node = cursor.GetLink();
    if (index < 0 || index >= _Dimension || !node) continue;
    const Bucket& bucket = _pBuckets[index];
    if (node != &bucket._Head && node != &bucket._Tail) cursor.Set(index, &_pBuckets[index]._Head);
  }
}

void ORVHashTable::ReanchorIterators(const Bucket* iOldBuckets, int iOldDimension,
                                     Bucket* iNewBuckets) {
  unsigned int mask = (unsigned int)(2 * iOldDimension - 1);
  for (ORVHashIterator* iterator = _pFirstIterator; iterator; iterator = iterator->_Chain._pNext) {
    ORVHashCursor& cursor = iterator->_Cursor;
    int index = cursor.GetBucketIndex();
    Node* node = cursor.GetLink();
    if (index < 0 || index >= iOldDimension || !node) continue;
    const Bucket& old = iOldBuckets[index];
    if (node != &old._Head && node != &old._Tail) {
      // A link, in the table or removed through a cursor: its code gives its bucket.
      cursor.Set((int)(static_cast<Link*>(node)->_Code & mask), node);
      continue;
    }
    // The pattern's bucket moves with the growth; without pattern the walk goes on
    // from the same bucket index.
    int target = index;
    if (iterator->WithPattern()) target = (int)(_pCoder->Code(iterator->GetPattern()) & mask);
    Bucket& bucket = iNewBuckets[target];
    cursor.Set(target, node == &old._Head ? &bucket._Head : &bucket._Tail);
  }
}
