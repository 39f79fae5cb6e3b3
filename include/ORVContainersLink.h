// ORVContainersLink.h - keeps several containers holding the same elements.
//
// A container with a link reports its changes to the link before it makes them
// (with notify set); the link repeats them, without notify, on the other containers
// of its set, so that a change travels one step. Each linked container holds a
// counted reference to the link; the link holds plain pointers to its containers. A
// container leaves the set when it is destroyed or its link handler is emptied, so the
// link never calls a container that is gone; the link goes with its last container.
// Null containers and filling a non-empty container are fatal. Not thread-safe.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORVContainer;
class ORVVector;

class ORV_EXPORT ORVContainersLink : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVContainersLink)

public:
  // An empty set.
  ORVContainersLink();
  // The containers still in the set lose their link; they are not touched otherwise.
  ~ORVContainersLink() override;
  ORVContainersLink(const ORVContainersLink&) = delete;
  ORVContainersLink& operator=(const ORVContainersLink&) = delete;

  // Links iContainer, whose contents already agree with the others'.
  virtual void AddContainer(ORVContainer* iContainer);
  // Adds the elements of the first container of the set to the empty iContainer, in
  // that container's iteration order, then links it.
  virtual void FillAndAddContainer(ORVContainer* iContainer);
  // Unlinks iContainer (every occurrence) and empties its link handler.
  virtual void RemoveContainer(ORVContainer* iContainer);
  // The linked containers (plain pointers), in the order they joined.
  virtual const ORVVector& GetContainerSet() const;
  // iObject was added to iFrom: added to the others.
  virtual void AddObject(PEVBaseUnknown* iObject, ORVContainer* iFrom);
  // iObject is being removed from iFrom: removed from the others.
  virtual void RemoveObject(const PEVBaseUnknown* iObject, ORVContainer* iFrom);
  // iOld is being replaced by iNew in iFrom: replaced in the others.
  virtual void ReplaceObject(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew, ORVContainer* iFrom);
  // iFrom is being cleared: the others are cleared, their elements untouched.
  virtual void Clear(ORVContainer* iFrom);

private:
  friend class ORVContainer;

  // Joins the set: iContainer takes this link, then is appended.
  void Join(ORVContainer* iContainer);
  // Drops iContainer from the set without touching it: the container has let go of
  // this link on its own.
  void ForgetContainer(const ORVContainer* iContainer);
  // The container at iIndex of the set; fatal when it is null.
  ORVContainer* ContainerAt(int iIndex) const;

  // Owned; held through a pointer because the container headers need this class first.
  ORVVector* _pContainerSet;
};

ORV_RFHNDLR(ORVContainersLink, PEVBaseUnknownRfHndlr);
