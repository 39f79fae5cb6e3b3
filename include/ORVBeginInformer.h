// ORVBeginInformer.h - announces an activity once, before its first output.
//
// An activity calls Inform() before each of its outputs; the informer acts on the
// first call only, until it is made pending again.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVBeginInformer : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVBeginInformer)

public:
  virtual void Inform() = 0;
  // Whether Inform() ran since construction or since the informer was made pending.
  virtual unsigned int SomethingHasBeenDone() const = 0;
};
