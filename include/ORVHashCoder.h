// ORVHashCoder.h - hash codes of container elements, the strategy of the hash table.
//
// Objects that the comparator used alongside finds equal must get equal codes.
// Hash coders have no state of their own.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVHashCoder : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVHashCoder)

public:
  virtual unsigned int Code(const PEVBaseUnknown* iObject) const = 0;
};
