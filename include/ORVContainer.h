// ORVContainer.h - the base of the containers of library objects.
//
// Containers hold plain element pointers: adding does not AddRef and removing does
// not Release. Only ReleaseElementsAndClear, Destroy and the destructor (according to
// WhatToDoAtDelete) touch the elements. Null elements may be stored. A container may
// share a containers link, which it tells of its changes before making them when the
// notify argument is set. Iterators and lookups hand out new iterators whose one
// reference passes to the caller. Broken rules end the process with a fatal report.
#pragma once

#include "ORVContainersLink.h"
#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORVComparator;
class ORVCursor;
class ORVIterator;

// The notify argument of a container's changes: whether its link hears of the change
// (and passes it on to the other containers of its set) before it is made.
constexpr unsigned int ORVNotify = 1;
constexpr unsigned int ORVDoNotNotify = 0;

// What the destructor of a concrete container does with the elements it still holds.
enum ORVContainerWhatToDoAtDeleteEnum {
  ORVDoNothingAtDelete = 0,        // frees its storage only; the link is not told
  ORVClearAtDelete = 1,            // Clear(ORVNotify): the link is told
  ORVReleaseElementsAtDelete = 2,  // ReleaseElementsAndClear()
  ORVDestroyElementsAtDelete = 3,  // Destroy()
};

class ORV_EXPORT ORVContainer : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVContainer)

public:
  // A value outside 0..3 is fatal.
  explicit ORVContainer(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);
  // Tells the link, if any, that the container goes away.
  ~ORVContainer() override;
  ORVContainer(const ORVContainer&) = delete;
  ORVContainer& operator=(const ORVContainer&) = delete;

  virtual int Size() const = 0;
  virtual unsigned int IsEmpty() const = 0;
  // Whether an element is iObject itself.
  virtual unsigned int Contains(const PEVBaseUnknown* iObject) const = 0;
  virtual void SetWhatToDoAtDelete(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);
  virtual ORVContainerWhatToDoAtDeleteEnum GetWhatToDoAtDelete() const;
  // The first element matching iPattern in iteration order, or null. Without
  // comparator: address identity (a container with a comparator of its own uses that).
  virtual PEVBaseUnknown* LookupOne(const PEVBaseUnknown* iPattern,
                                    const ORVComparator& iComparator) const = 0;
  virtual PEVBaseUnknown* LookupOne(const PEVBaseUnknown* iPattern) const;
  // A new iterator over the elements matching iPattern, before the first one or at
  // iCursor; without comparator, by the container's own comparison, as NewIterator.
  virtual ORVIterator* LookupAll(const PEVBaseUnknown* iPattern,
                                 const ORVComparator& iComparator) const;
  virtual ORVIterator* LookupAll(const PEVBaseUnknown* iPattern) const;
  virtual ORVIterator* LookupAll(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                                 const ORVComparator& iComparator) const;
  virtual ORVIterator* LookupAll(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern) const;
  virtual void Add(PEVBaseUnknown* iObject, unsigned int iNotify) = 0;
  // Removes the elements that are iObject itself; non-zero if there was one.
  virtual unsigned int Remove(const PEVBaseUnknown* iObject, unsigned int iNotify) = 0;
  // Puts iNew where iOld itself is; non-zero if iOld was found.
  virtual unsigned int Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                               unsigned int iNotify) = 0;
  // Removes all elements without touching them.
  virtual void Clear(unsigned int iNotify) = 0;
  // Releases every element, then empties the container.
  virtual void ReleaseElementsAndClear() = 0;
  // Disposes of every element, then empties the container.
  virtual void Destroy() = 0;
  // A new iterator without pattern at iCursor, or before the first element.
  virtual ORVIterator* MakeIterator(const ORVCursor* iCursor) const;
  virtual ORVContainersLinkRfHndlr& GetHLink();
  // The link, or null. Inline: the containers' own changes ask it without a call.
  virtual ORVContainersLink* GetLink() const { return _HLink.Get(); }
  // Shares the link of iHLink; an empty handler empties the link, and the container
  // leaves that link's set. Setting a link while one is set is fatal.
  virtual void SetHLink(const ORVContainersLinkRfHndlr& iHLink);
  // Same size, and every element of this container is in iOther (address identity).
  virtual unsigned int ContainsSameObjects(const ORVContainer& iOther) const;

  static unsigned int SetsContainSameObjects(const ORVContainer& iFirst,
                                             const ORVContainer& iSecond);

protected:
  // The concrete container's new iterator at iCursor (null: before the first element),
  // handing out the elements matching iPattern by iComparator when iWithPattern is set.
  // A null comparator is the container's own comparison: its comparator if it has one,
  // address identity otherwise. The lookups and MakeIterator above all end here.
  virtual ORVIterator* NewIterator(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                                   unsigned int iWithPattern,
                                   const ORVComparator* iComparator) const = 0;
  // What the destructor of a concrete container does with the elements it still holds,
  // by WhatToDoAtDelete; called there, before the container frees its storage.
  void DisposeOfElementsAtDelete();

private:
  ORVContainersLinkRfHndlr _HLink;
  ORVContainerWhatToDoAtDeleteEnum _WhatToDoAtDelete = ORVDoNothingAtDelete;
};

ORV_RFHNDLR(ORVContainer, PEVBaseUnknownRfHndlr);
