// ORVExtVarPointer.h - an external reference to a modifiable library object.
//
// GetVarPointer gives null for DbNull; GetVarRef is fatal then.
#pragma once

#include "ORVExtPointer.h"

class ORV_EXPORT ORVExtVarPointer : public ORVExtPointer {
  ORV_META_OBJECT(ORVExtVarPointer)

public:
  virtual PEVBaseUnknown* GetVarPointer() const = 0;
  virtual PEVBaseUnknown& GetVarRef() const = 0;
};
