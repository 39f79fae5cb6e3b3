#include "ORVContainer.h"

#include "ORVFatal.h"
#include "ORVIterator.h"
#include "PEVBaseUnknownCmpAddr.h"

ORV_META_OBJECT_DEFINE(ORVContainer, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVContainer)

ORVContainer::ORVContainer(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete) {
  ORVContainer::SetWhatToDoAtDelete(iWhatToDoAtDelete);
}

ORVContainer::~ORVContainer() {
  if (!_HLink) return;
  // The link may drop this container's reference to it while it works: keep it alive.
  ORVContainersLinkRfHndlr link(_HLink);
  link->RemoveContainer(this);
}

void ORVContainer::DisposeOfElementsAtDelete() {
  switch (_WhatToDoAtDelete) {
    case ORVClearAtDelete:
      Clear(ORVNotify);
      break;
    case ORVReleaseElementsAtDelete:
      ReleaseElementsAndClear();
      break;
    case ORVDestroyElementsAtDelete:
      Destroy();
      break;
    default:
      break;
  }
}

void ORVContainer::SetWhatToDoAtDelete(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete) {
  int value = iWhatToDoAtDelete;
  if (value < ORVDoNothingAtDelete || value > ORVDestroyElementsAtDelete)
    ORV_FATAL("Invalid value " << value << " for the enum WhatToDoAtDelete");
  _WhatToDoAtDelete = iWhatToDoAtDelete;
}

ORVContainerWhatToDoAtDeleteEnum ORVContainer::GetWhatToDoAtDelete() const {
  return _WhatToDoAtDelete;
}

PEVBaseUnknown* ORVContainer::LookupOne(const PEVBaseUnknown* iPattern) const {
  return LookupOne(iPattern, *PEVBaseUnknownCmpAddr::GetGlobal());
}

ORVIterator* ORVContainer::LookupAll(const PEVBaseUnknown* iPattern,
                                     const ORVComparator& iComparator) const {
  return NewIterator(nullptr, iPattern, ORVWithPattern, &iComparator);
}

ORVIterator* ORVContainer::LookupAll(const PEVBaseUnknown* iPattern) const {
  return NewIterator(nullptr, iPattern, ORVWithPattern, nullptr);
}

ORVIterator* ORVContainer::LookupAll(const ORVCursor* iCursor, const PEVBaseUnknown* iPattern,
                                     const ORVComparator& iComparator) const {
  return NewIterator(iCursor, iPattern, ORVWithPattern, &iComparator);
}

ORVIterator* ORVContainer::LookupAll(const ORVCursor* iCursor,
                                     const PEVBaseUnknown* iPattern) const {
  return NewIterator(iCursor, iPattern, ORVWithPattern, nullptr);
}

ORVIterator* ORVContainer::MakeIterator(const ORVCursor* iCursor) const {
  return NewIterator(iCursor, nullptr, ORVWithoutPattern, nullptr);
}

ORVContainersLinkRfHndlr& ORVContainer::GetHLink() {
  return _HLink;
}

void ORVContainer::SetHLink(const ORVContainersLinkRfHndlr& iHLink) {
  if (iHLink && _HLink) ORV_FATAL("The container already has a Link");
  if (iHLink || !_HLink) {
    _HLink = iHLink;
    return;
  }
  // Letting go of the link: it must forget this container too, or it would call it
  // once it is gone. Kept alive here, as this container may hold its last reference.
  ORVContainersLinkRfHndlr leaving(_HLink);
  _HLink = iHLink;
  leaving->ForgetContainer(this);
}

unsigned int ORVContainer::ContainsSameObjects(const ORVContainer& iOther) const {
  if (Size() != iOther.Size()) return 0;
  // Size() steps rather than "until null": a null element is not the end.
  int size = Size();
  ORVIterator* iterator = MakeIterator(nullptr);
  unsigned int same = 1;
  for (int i = 0; same && i < size; ++i)
    same = iOther.Contains(iterator->Next()) ? 1 : 0;
  iterator->Release();
  return same;
}

unsigned int ORVContainer::SetsContainSameObjects(const ORVContainer& iFirst,
                                                  const ORVContainer& iSecond) {
  return iFirst.ContainsSameObjects(iSecond);
}
