// ORVObjWithFamilyHashFamily.h - hash codes of objects with family by the address of
// their family, agreeing with ORVObjWithFamilyCmpFamily.
//
// A null object is a fatal internal error. GetGlobal: one shared instance, released by
// the global object cleaner.
#pragma once

#include "PEVBaseUnknownHashAddr.h"

class ORV_EXPORT ORVObjWithFamilyHashFamily : public PEVBaseUnknownHashAddr {
  ORV_META_OBJECT(ORVObjWithFamilyHashFamily)
  ORV_GLOBAL_INSTANCE(ORVObjWithFamilyHashFamily)

public:
  unsigned int Code(const PEVBaseUnknown* iObject) const override;
};
