// ORVObjAndRefObjMngrGroup.h - drives the managers of several families until none has
// objects left to complete.
//
// The client gives the container of managers; an element that is not a manager is a
// fatal internal error (the conversion check). A typical run: SetProcessor on each
// manager, Initialize, AddObjAndRefObj of the starting objects, Analyze, treat each
// manager's set to treat (TreatObjects), Terminate.
#pragma once

#include "ORVMacro.h"

class ORVContainer;

class ORV_EXPORT ORVObjAndRefObjMngrGroup : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVObjAndRefObjMngrGroup)

public:
  virtual ORVContainer& GetMngrs() = 0;
  // Initialises the managers in iteration order; the first non-zero result stops it.
  virtual long Initialize();
  // The client's treatment of the gathered objects; the group never calls it.
  virtual long TreatObjects() = 0;
  // Passes of CompleteAndAddRefObj over the managers with objects to complete, until a
  // pass finds none (0) or a call fails (its result).
  virtual long Analyze();
  virtual void Terminate();
};
