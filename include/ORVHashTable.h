// ORVHashTable.h - a keyed container: elements spread over buckets by a hash code.
//
// Holds plain element pointers (see ORVContainer). The hash coder and the comparator
// define the key and must agree: objects the comparator finds equal get equal codes.
// Neither is reference-held (the caller keeps them alive); the defaults are the global
// address coder and comparator, keying by identity. The bucket count is a power of two
// from 16 to 2^30; the code's low bits select the bucket, and the table doubles its
// buckets when it holds more than two elements per bucket, moving the links by their
// stored codes without calling the coder again. Iteration goes bucket by bucket, in
// insertion order within a bucket. Copies share the element pointers without AddRef.
// The table knows its iterators: growth moves them with their links, a link removed
// under one leaves it on the previous node, so that its next step goes on, and
// emptying puts it back at a bucket's head; a destroyed or reassigned table leaves
// them without table. A cursor copied out of an iterator is good until the table
// grows. Copying into a linked table and a size beyond int are fatal. Not
// thread-safe.
#pragma once

#include "ORVComparator.h"
#include "ORVDirAccContainer.h"
#include "ORVExport.h"
#include "ORVHashCoder.h"

class ORVHashIterator;

class ORV_EXPORT ORVHashTable : public ORVDirAccContainer {
  ORV_META_OBJECT(ORVHashTable)
  friend class ORVHashIterator;

public:
  // A place in a bucket's chain: a link or one of the bucket's two sentinels. The head
  // sentinel has no previous node and the tail sentinel no next one.
  struct Node {
    Node* _pNext;
    Node* _pPrevious;
  };
  // One element, with the code it was given when added.
  struct Link : Node {
    PEVBaseUnknown* _pElement;
    unsigned int _Code;
  };
  // A chain of links between a head and a tail sentinel. The sentinels point at each
  // other, so a bucket is never copied: it stays where the table allocated it.
  struct Bucket {
    Bucket() = default;
    Bucket(const Bucket&) = delete;
    Bucket& operator=(const Bucket&) = delete;
    Node _Head;
    Node _Tail;
  };

  // The bucket count is PowerTwoRounding(iSizeHint); address coder and comparator.
  ORVHashTable(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iSizeHint);
  ORVHashTable(const ORVHashCoder& iCoder, const ORVComparator& iComparator,
               ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iSizeHint);
  // Same buckets, order, elements, codes, coder, comparator and WhatToDoAtDelete; no link.
  ORVHashTable(const ORVHashTable& iOther);
  // Disposes of the elements according to WhatToDoAtDelete, then frees the buckets.
  ~ORVHashTable() override;
  // Frees this table's links and buckets, then copies iOther as the copy constructor
  // does; fatal when this table has a link. Assigning a table to itself changes nothing.
  virtual ORVHashTable& operator=(const ORVHashTable& iOther);

  int Size() const override;
  unsigned int IsEmpty() const override;
  unsigned int Contains(const PEVBaseUnknown* iObject) const override;
  // Only the bucket of iPattern's code (table coder) is searched. With the table's own
  // comparator, only the elements of the same code are compared.
  PEVBaseUnknown* LookupOne(const PEVBaseUnknown* iPattern,
                            const ORVComparator& iComparator) const override;
  // With the table's comparator.
  PEVBaseUnknown* LookupOne(const PEVBaseUnknown* iPattern) const override;
  // Stores iObject even when it is already there; grows past two elements per bucket.
  void Add(PEVBaseUnknown* iObject, unsigned int iNotify) override;
  // Removes every link holding iObject itself; reported once.
  unsigned int Remove(const PEVBaseUnknown* iObject, unsigned int iNotify) override;
  // Removes every link holding iOld itself and adds iNew as many times. Only the
  // replacement is reported (when iNotify is set).
  unsigned int Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                       unsigned int iNotify) override;
  // Keeps the bucket count.
  void Clear(unsigned int iNotify) override;
  void ReleaseElementsAndClear() override;
  // Deletes every non-null element through its virtual destructor.
  void Destroy() override;
  // Removes the cursor's link, reported after the removal; null at a sentinel or
  // without link. The cursor keeps designating the removed link, which keeps its
  // neighbours, so that an iterator at it steps on to them; it is freed at the next
  // removal through a cursor or when the table is emptied.
  PEVBaseUnknown* Remove(ORVCursor* iCursor) override;

  // The bucket count.
  int GetDimension() const { return _Dimension; }
  const ORVHashCoder& GetCoder() const { return *_pCoder; }
  const ORVComparator& GetComparator() const { return *_pComparator; }
  // Plain replacements: the elements are not placed again.
  void SetCoder(const ORVHashCoder& iCoder);
  void SetComparator(const ORVComparator& iComparator);
  // The bucket iObject's code selects.
  int BucketIndexOf(const PEVBaseUnknown* iObject) const {
    return (int)(_pCoder->Code(iObject) & (unsigned int)(_Dimension - 1));
  }
  // The bucket at iIndex, in 0..GetDimension()-1.
  const Bucket& GetBucket(int iIndex) const { return _pBuckets[iIndex]; }
  Bucket& GetBucket(int iIndex) { return _pBuckets[iIndex]; }

  // The smallest power of two at least iSizeHint, within 16..2^30.
  static int PowerTwoRounding(int iSizeHint);

protected:
  // Without comparator, with the table's; at the start of bucket 0 without cursor.
  ORVIterator* NewIterator(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                           unsigned int iWithPattern,
                           const ORVComparator* iComparator) const override;
  // The buckets for iSizeHint, empty.
  void Init(int iSizeHint);
  // Deletes all links and the buckets.
  void Free();
  // Copies iOther's buckets, links, count, coder, comparator and WhatToDoAtDelete into
  // this table, which has no buckets.
  void Copy(const ORVHashTable& iOther);
  // Doubles the buckets, moving each link by its stored code.
  void ResizeTable();

  static void BucketInit(Bucket& oBucket);
  // Deletes the links; the bucket is empty after.
  static void BucketDelete(Bucket& ioBucket);
  // Releases the elements (nulls skipped) while deleting the links.
  static void BucketReleaseElements(Bucket& ioBucket);
  // Deletes the elements (nulls skipped) while deleting the links.
  static void BucketDestroy(Bucket& ioBucket);
  // The first link whose element matches iPattern, or null.
  static Link* BucketSearch(const Bucket& iBucket, const PEVBaseUnknown* iPattern,
                            const ORVComparator& iComparator);
  // Appends a new link holding iObject and iCode.
  static void BucketInsert(Bucket& ioBucket, PEVBaseUnknown* iObject, unsigned int iCode);
  // Appends iLink, taken from a bucket being discarded (its old neighbours keep it).
  static void BucketMove(Bucket& ioBucket, Link* iLink);

private:
  // Removes and deletes every link holding iObject itself; how many there were.
  int RemoveAll(const PEVBaseUnknown* iObject);
  // Takes iLink out of its chain and deletes it.
  void DeleteLink(Link* iLink);
  // Moves every link into oBucket and leaves the table empty.
  void DetachAll(Bucket& oBucket);
  // Frees the link last removed through a cursor.
  void ForgetRemovedLink();
  // The live iterators, so that none is left on freed storage.
  void AttachIterator(ORVHashIterator* iIterator) const;
  void DetachIterator(ORVHashIterator* iIterator) const;
  // Iterators on iLink, which is out of its chain, go to the node before it.
  void StepIteratorsOff(const Link* iLink);
  // Iterators on a link go to their bucket's head: every link is leaving.
  void RewindIterators();
  // After growth: iterators follow their link, or go to the same end of the bucket
  // they now start from in iNewBuckets. iOldBuckets are still allocated.
  void ReanchorIterators(const Bucket* iOldBuckets, int iOldDimension, Bucket* iNewBuckets);

  int _Dimension = 0;
  int _Count = 0;
  Bucket* _pBuckets = nullptr;
  const ORVHashCoder* _pCoder = nullptr;
  const ORVComparator* _pComparator = nullptr;
  // Removed through a cursor, still designated by it; its neighbours are kept current.
  Link* _pRemovedLink = nullptr;
  mutable ORVHashIterator* _pFirstIterator = nullptr;
};

ORV_RFHNDLR(ORVHashTable, ORVContainerRfHndlr);
