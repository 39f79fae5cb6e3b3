// ORVObjWithFamily.h - the base of client objects that belong to a family, a mapped
// code that outlives them.
//
// Containers group such objects by family through ORVObjWithFamilyCmpFamily and
// ORVObjWithFamilyHashFamily, which compare the family objects by address.
#pragma once

#include "ORVMacro.h"

class ORVMappedCode;

class ORV_EXPORT ORVObjWithFamily : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVObjWithFamily)

public:
  virtual const ORVMappedCode& GetFamily() const = 0;
};
