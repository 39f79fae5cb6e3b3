// ORVFamilyAndNameCmpFamilyNameVal.h - orders objects known by family and name: by the
// family's address (the lower first), then by name text.
//
// Both objects must be ORVFamilyAndName; a null one is a fatal internal error. A set so
// sorted is also sorted by family alone (ORVObjWithFamilyCmpFamily may search it).
// GetGlobal: one shared instance, released by the global object cleaner.
#pragma once

#include "ORVComparator.h"

class ORV_EXPORT ORVFamilyAndNameCmpFamilyNameVal : public ORVComparator {
  ORV_META_OBJECT(ORVFamilyAndNameCmpFamilyNameVal)
  ORV_GLOBAL_INSTANCE(ORVFamilyAndNameCmpFamilyNameVal)

public:
  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;
  unsigned int SortsSetAsSecondCanBeUsed(const ORVComparator& iSearchComparator) const override;
};
