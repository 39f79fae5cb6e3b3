// ORVChildExtractor.h - gives the children of a node to the tree iterators.
//
// Completed by the client for its own tree type. Each call hands out a new one-way
// iterator whose one reference passes to the caller (the tree iterator releases it).
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORVOneWayIterator;

class ORV_EXPORT ORVChildExtractor : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVChildExtractor)

public:
  // A new iterator over the children of iParent, or null when it has none. A null
  // parent asks for the top level of a forest.
  virtual ORVOneWayIterator* ExtractChildren(const PEVBaseUnknown* iParent) = 0;
};

ORV_RFHNDLR(ORVChildExtractor, PEVBaseUnknownRfHndlr);
