// ORVHashCursor.h - a position in a hash table: a bucket and a node of its chain.
//
// The node is a link or one of the bucket's sentinels (before its first link, after
// its last). A default cursor is in no bucket: an iterator starts over from it. A
// cursor is not told of the table's changes and is good until the table grows.
#pragma once

#include "ORVCursor.h"
#include "ORVExport.h"
#include "ORVHashTable.h"

class ORV_EXPORT ORVHashCursor : public ORVCursor {
  ORV_META_OBJECT(ORVHashCursor)

public:
  // In no bucket.
  ORVHashCursor() = default;
  ORVHashCursor(int iBucketIndex, ORVHashTable::Node* iLink)
      : _BucketIndex(iBucketIndex), _pLink(iLink) {}
  ORVHashCursor(const ORVHashCursor& iOther)
      : ORVCursor(), _BucketIndex(iOther._BucketIndex), _pLink(iOther._pLink) {}
  ORVHashCursor& operator=(const ORVHashCursor& iOther) {
    _BucketIndex = iOther._BucketIndex;
    _pLink = iOther._pLink;
    return *this;
  }

  int GetBucketIndex() const { return _BucketIndex; }
  ORVHashTable::Node* GetLink() const { return _pLink; }
  void Set(int iBucketIndex, ORVHashTable::Node* iLink) {
    _BucketIndex = iBucketIndex;
    _pLink = iLink;
  }

private:
  int _BucketIndex = -1;
  ORVHashTable::Node* _pLink = nullptr;
};
