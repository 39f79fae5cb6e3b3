// ORVTreeAsPathIteratorFilter.h - chooses which nodes ORVTreeAsPathIterator returns.
//
// Completed by the client. A rejected node is not returned, but its children are
// still walked.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORVTreeAsPathIteratorElement;

class ORV_EXPORT ORVTreeAsPathIteratorFilter : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTreeAsPathIteratorFilter)

public:
  // Non-zero when the node current in iElement is to be returned.
  virtual unsigned int ReturnCurrent(const ORVTreeAsPathIteratorElement& iElement) const = 0;
};

ORV_RFHNDLR(ORVTreeAsPathIteratorFilter, PEVBaseUnknownRfHndlr);
