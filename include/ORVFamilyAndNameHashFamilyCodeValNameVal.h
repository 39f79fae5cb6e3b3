// ORVFamilyAndNameHashFamilyCodeValNameVal.h - hash codes of objects known by family and
// name, agreeing with ORVFamilyAndNameCmpFamilyCodeValNameVal: the family code's code
// plus the name's (32-bit sum).
//
// The object must be an ORVFamilyAndName; a null one is a fatal internal error.
// GetGlobal: one shared instance, released by the global object cleaner.
#pragma once

#include "ORVHashCoder.h"

class ORV_EXPORT ORVFamilyAndNameHashFamilyCodeValNameVal : public ORVHashCoder {
  ORV_META_OBJECT(ORVFamilyAndNameHashFamilyCodeValNameVal)
  ORV_GLOBAL_INSTANCE(ORVFamilyAndNameHashFamilyCodeValNameVal)

public:
  unsigned int Code(const PEVBaseUnknown* iObject) const override;
};
