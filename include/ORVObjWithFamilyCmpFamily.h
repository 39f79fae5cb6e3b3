// ORVObjWithFamilyCmpFamily.h - orders objects with family by the address of their
// family, so that all the objects of one family are found with any one of them or with
// an ORVSearchOnFamily key.
//
// An object with family stands for its family; anything else for itself. A null object
// is a fatal internal error. GetGlobal: one shared instance, released by the global
// object cleaner.
#pragma once

#include "PEVBaseUnknownCmpAddr.h"

class ORV_EXPORT ORVObjWithFamilyCmpFamily : public PEVBaseUnknownCmpAddr {
  ORV_META_OBJECT(ORVObjWithFamilyCmpFamily)
  ORV_GLOBAL_INSTANCE(ORVObjWithFamilyCmpFamily)

public:
  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;
};
