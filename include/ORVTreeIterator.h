// ORVTreeIterator.h - walks a tree depth-first, one node per Next.
//
// Each level of the walk has one element object (see ORVTreeIteratorElement) that
// describes the node current at that level; the elements live in the iterator's
// element set, one per level, and are reused for every node met at their depth.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORVTreeIteratorElement;
class ORVVector;

class ORV_EXPORT ORVTreeIterator : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTreeIterator)

public:
  // The element of the next node, valid until the following call; null at the end.
  virtual ORVTreeIteratorElement* Next() = 0;
  // The elements, one per level reached so far (index = level).
  virtual const ORVVector& GetElementSet() const = 0;
};
