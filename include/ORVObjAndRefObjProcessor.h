// ORVObjAndRefObjProcessor.h - the client's side of an object manager: it tells which
// objects are to be treated and completes the pending ones in one go.
//
// Attached to managers by ORVObjAndRefObjMngr::SetProcessor, which does not own it.
#pragma once

#include "ORVMacro.h"

class ORVObjAndRefObjMngr;

class ORV_EXPORT ORVObjAndRefObjProcessor : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVObjAndRefObjProcessor)

public:
  virtual long Initialize() = 0;
  // 0: not to treat; 2: to treat but not complete yet; any other value: to treat.
  virtual int GetTreatmentMode(PEVBaseUnknown& iObj) = 0;
  // Completes the objects of the attached manager's set to complete.
  virtual long CompleteObjects() = 0;
  virtual void AttachMngr(ORVObjAndRefObjMngr& iMngr) = 0;
  virtual void DetachMngr(ORVObjAndRefObjMngr& iMngr) = 0;
};
