// ORVOneWayIterator.h - walks a sequence of objects forward, once.
//
// An iterator is created with new by whoever hands it out; its one reference passes
// to the caller, who releases it.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVOneWayIterator : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVOneWayIterator)

public:
  // The next object, or null at the end.
  virtual PEVBaseUnknown* Next() = 0;
};
