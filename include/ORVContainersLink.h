// ORVContainersLink.h - keeps several containers holding the same elements.
//
// A container with a link reports its changes to the link before it makes them
// (with notify set); the link repeats them, without notify, on the other containers
// of its set. Each linked container holds a counted reference to the link; the link
// holds plain pointers to its containers, and a container leaves the set when it is
// destroyed. Here are the notifications the containers make.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORVContainer;

class ORV_EXPORT ORVContainersLink : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVContainersLink)

public:
  // iContainer goes away and leaves the set.
  virtual void RemoveContainer(ORVContainer* iContainer) = 0;
  // iObject was added to iFrom.
  virtual void AddObject(PEVBaseUnknown* iObject, ORVContainer* iFrom) = 0;
  // iObject is being removed from iFrom.
  virtual void RemoveObject(const PEVBaseUnknown* iObject, ORVContainer* iFrom) = 0;
  // iOld is being replaced by iNew in iFrom.
  virtual void ReplaceObject(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                             ORVContainer* iFrom) = 0;
  // iFrom is being cleared.
  virtual void Clear(ORVContainer* iFrom) = 0;
};

ORV_RFHNDLR(ORVContainersLink, PEVBaseUnknownRfHndlr);
