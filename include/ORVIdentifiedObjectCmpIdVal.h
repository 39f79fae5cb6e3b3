// ORVIdentifiedObjectCmpIdVal.h - orders identified objects by identifier text, so that
// one can be looked up with its identifier as an ORVString or ORVExtChars.
//
// An identified object stands for its identifier; anything else goes to the string
// comparator as it is, with its rules and fatal errors (a null object among them).
// GetGlobal: one shared instance, released by the global object cleaner.
#pragma once

#include "ORVStringExtCharsCmp.h"

class ORV_EXPORT ORVIdentifiedObjectCmpIdVal : public ORVStringExtCharsCmp {
  ORV_META_OBJECT(ORVIdentifiedObjectCmpIdVal)
  ORV_GLOBAL_INSTANCE(ORVIdentifiedObjectCmpIdVal)

public:
  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;
};
