// ORVFamilyAndNameHashFamilyNameVal.h - hash codes of objects known by family and name,
// agreeing with ORVFamilyAndNameCmpFamilyNameVal: the family address's code plus the
// name's (32-bit sum).
//
// The object must be an ORVFamilyAndName; a null one is a fatal internal error.
// GetGlobal: one shared instance, released by the global object cleaner.
#pragma once

#include "ORVHashCoder.h"

class ORV_EXPORT ORVFamilyAndNameHashFamilyNameVal : public ORVHashCoder {
  ORV_META_OBJECT(ORVFamilyAndNameHashFamilyNameVal)
  ORV_GLOBAL_INSTANCE(ORVFamilyAndNameHashFamilyNameVal)

public:
  unsigned int Code(const PEVBaseUnknown* iObject) const override;
};
