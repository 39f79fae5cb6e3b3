// ORVVolatileIteratorOnPattern.h - a volatile iterator over the elements that match a
// pattern, restartable on another pattern.
#pragma once

#include "ORVExport.h"
#include "ORVVolatileOneWayIterator.h"

class ORV_EXPORT ORVVolatileIteratorOnPattern : public ORVVolatileOneWayIterator {
  ORV_META_OBJECT(ORVVolatileIteratorOnPattern)

public:
  // (Re)starts the walk on the elements matching iPattern (not reference-held).
  virtual void GoToFirst(const PEVBaseUnknown* iPattern) = 0;
};
