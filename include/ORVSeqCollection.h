// ORVSeqCollection.h - containers with an order and positions (list, vector).
//
// Positional changes are reported to the containers link as additions, removals and
// replacements; index, cursor and sortedness rules are each container's own.
#pragma once

#include "ORVContainer.h"
#include "ORVExport.h"

class ORV_EXPORT ORVSeqCollection : public ORVContainer {
  ORV_META_OBJECT(ORVSeqCollection)

public:
  explicit ORVSeqCollection(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);

  using ORVContainer::Remove;
  using ORVContainer::Replace;

  // The element at a zero-based position.
  virtual PEVBaseUnknown* operator[](int iIndex) const = 0;
  virtual void Set(int iIndex, PEVBaseUnknown* iObject) = 0;
  virtual PEVBaseUnknown* operator[](const ORVCursor* iCursor) const = 0;
  virtual void Set(const ORVCursor* iCursor, PEVBaseUnknown* iObject) = 0;
  // Inserts so that iObject gets position iIndex.
  virtual void Insert(PEVBaseUnknown* iObject, int iIndex) = 0;
  virtual void Append(PEVBaseUnknown* iObject) = 0;
  // 1 when inserted after the cursor's element, 0 when there was no place.
  virtual unsigned int InsertAfter(ORVCursor* iCursor, PEVBaseUnknown* iObject) = 0;
  virtual unsigned int InsertBefore(ORVCursor* iCursor, PEVBaseUnknown* iObject) = 0;
  // The element replaced, or null when the cursor is on no element.
  virtual PEVBaseUnknown* Replace(const ORVCursor* iCursor, PEVBaseUnknown* iObject) = 0;
  // The element removed, or null when the cursor is on no element.
  virtual PEVBaseUnknown* Remove(ORVCursor* iCursor) = 0;
  // Null when empty.
  virtual PEVBaseUnknown* First() const = 0;
  virtual PEVBaseUnknown* Last() const = 0;
  virtual PEVBaseUnknown* ExtractFirst() = 0;
  virtual PEVBaseUnknown* ExtractLast() = 0;
};

ORV_RFHNDLR(ORVSeqCollection, ORVContainerRfHndlr);
