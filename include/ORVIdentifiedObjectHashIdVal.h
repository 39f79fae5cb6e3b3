// ORVIdentifiedObjectHashIdVal.h - hash codes of identified objects by identifier text,
// agreeing with ORVIdentifiedObjectCmpIdVal.
//
// An identified object stands for its identifier; anything else goes to the string
// hash coder as it is, with its rules and fatal errors.
// GetGlobal: one shared instance, released by the global object cleaner.
#pragma once

#include "ORVStringExtCharsHash.h"

class ORV_EXPORT ORVIdentifiedObjectHashIdVal : public ORVStringExtCharsHash {
  ORV_META_OBJECT(ORVIdentifiedObjectHashIdVal)
  ORV_GLOBAL_INSTANCE(ORVIdentifiedObjectHashIdVal)

public:
  unsigned int Code(const PEVBaseUnknown* iObject) const override;
};
