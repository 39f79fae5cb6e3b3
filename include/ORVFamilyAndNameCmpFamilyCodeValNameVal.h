// ORVFamilyAndNameCmpFamilyCodeValNameVal.h - orders objects known by family and name:
// by the family's code text, then by name text. Distinct families with equal codes
// count as one.
//
// Both objects must be ORVFamilyAndName; a null one is a fatal internal error.
// GetGlobal: one shared instance, released by the global object cleaner.
#pragma once

#include "ORVComparator.h"

class ORV_EXPORT ORVFamilyAndNameCmpFamilyCodeValNameVal : public ORVComparator {
  ORV_META_OBJECT(ORVFamilyAndNameCmpFamilyCodeValNameVal)
  ORV_GLOBAL_INSTANCE(ORVFamilyAndNameCmpFamilyCodeValNameVal)

public:
  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;
};
