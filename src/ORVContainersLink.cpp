#include "ORVContainersLink.h"

#include "ORVContainer.h"
#include "ORVFatal.h"
#include "ORVIterator.h"
#include "ORVVector.h"

ORV_META_OBJECT_DEFINE(ORVContainersLink, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVContainersLink)

ORVContainersLink::ORVContainersLink() : _pContainerSet(new ORVVector(ORVDoNothingAtDelete)) {}

ORVContainersLink::~ORVContainersLink() {
  // Each container leaving drops itself from the set: walk a copy.
  ORVVector containers(*_pContainerSet);
  ORVContainersLinkRfHndlr none;
  for (int i = 0; i < containers.Size(); ++i) {
    auto* container = static_cast<ORVContainer*>(containers[i]);
    if (container && container->GetLink() == this) container->SetHLink(none);
  }
  _pContainerSet->Release();
}

void ORVContainersLink::AddContainer(ORVContainer* iContainer) {
  if (!iContainer) ORV_FATAL("ORVContainersLink::AddContainer(NULL)");
  Join(iContainer);
}

void ORVContainersLink::FillAndAddContainer(ORVContainer* iContainer) {
  if (!iContainer) ORV_FATAL("ORVContainersLink::FillAndAddContainer(NULL)");
  if (!iContainer->IsEmpty()) ORV_FATAL("The container must be empty");
  if (_pContainerSet->Size() > 0) {
    ORVContainer* first = static_cast<ORVContainer*>((*_pContainerSet)[0]);
    if (!first) ORV_FATAL("pContainerRef is NULL");
    // Size() steps rather than "until null": a null element is not the end.
    int size = first->Size();
    ORVIterator* iterator = first->MakeIterator(nullptr);
    for (int i = 0; i < size; ++i)
      iContainer->Add(iterator->Next(), ORVDoNotNotify);
    iterator->Release();
  }
  Join(iContainer);
}

void ORVContainersLink::RemoveContainer(ORVContainer* iContainer) {
  if (!iContainer) ORV_FATAL("pContainer is NULL");
  ForgetContainer(iContainer);
  // Last: the container's reference may be the one keeping this link alive.
  iContainer->SetHLink(ORVContainersLinkRfHndlr());
}

const ORVVector& ORVContainersLink::GetContainerSet() const {
  return *_pContainerSet;
}

void ORVContainersLink::AddObject(PEVBaseUnknown* iObject, ORVContainer* iFrom) {
  for (int i = 0; i < _pContainerSet->Size(); ++i) {
    ORVContainer* container = ContainerAt(i);
    if (container != iFrom) container->Add(iObject, ORVDoNotNotify);
  }
}

void ORVContainersLink::RemoveObject(const PEVBaseUnknown* iObject, ORVContainer* iFrom) {
  for (int i = 0; i < _pContainerSet->Size(); ++i) {
    ORVContainer* container = ContainerAt(i);
    if (container != iFrom) container->Remove(iObject, ORVDoNotNotify);
  }
}

void ORVContainersLink::ReplaceObject(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                                      ORVContainer* iFrom) {
  for (int i = 0; i < _pContainerSet->Size(); ++i) {
    ORVContainer* container = ContainerAt(i);
    if (container != iFrom) container->Replace(iOld, iNew, ORVDoNotNotify);
  }
}

void ORVContainersLink::Clear(ORVContainer* iFrom) {
  for (int i = 0; i < _pContainerSet->Size(); ++i) {
    ORVContainer* container = ContainerAt(i);
    if (container != iFrom) container->Clear(ORVDoNotNotify);
  }
}

void ORVContainersLink::Join(ORVContainer* iContainer) {
  ORVContainersLinkRfHndlr self;
  self.Set(ORVRfHndlrAddRef, this);
  iContainer->SetHLink(self);
  _pContainerSet->Append(iContainer);
}

void ORVContainersLink::ForgetContainer(const ORVContainer* iContainer) {
  _pContainerSet->Remove(iContainer, ORVDoNotNotify);
}

ORVContainer* ORVContainersLink::ContainerAt(int iIndex) const {
  auto* container = static_cast<ORVContainer*>((*_pContainerSet)[iIndex]);
  if (!container) ORV_FATAL("pContainer is NULL");
  return container;
}
