// ORVConvertor.h - turns one object into another form, for the volatile iterators.
//
// The converted object belongs to the convertor and stays valid until the next Set.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVConvertor : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVConvertor)

public:
  // Takes the object to convert.
  virtual void Set(const PEVBaseUnknown* iObject) = 0;
  // The converted form of the last object set.
  virtual const PEVBaseUnknown* GetConverted() const = 0;
};
