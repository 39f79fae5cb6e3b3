// ORVTreeIteratorElementMaker.h - makes the per-level elements of a tree walk.
//
// Completed by the client. The new element's one reference passes to the iterator.
// A maker that returns null breaks the iterator's rule: the iterator ends the process
// with a fatal report.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORVTreeIterator;
class ORVTreeIteratorElement;

class ORV_EXPORT ORVTreeIteratorElementMaker : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTreeIteratorElementMaker)

public:
  // A new element of iTreeIterator for the level iLevel.
  virtual ORVTreeIteratorElement* MakeElement(const ORVTreeIterator& iTreeIterator, int iLevel) = 0;
};

ORV_RFHNDLR(ORVTreeIteratorElementMaker, PEVBaseUnknownRfHndlr);
