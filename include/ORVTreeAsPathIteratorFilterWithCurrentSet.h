// ORVTreeAsPathIteratorFilterWithCurrentSet.h - accepts the nodes that are in a set.
//
// Holds a counted reference to the container; membership is by address.
#pragma once

#include "ORVContainer.h"
#include "ORVExport.h"
#include "ORVTreeAsPathIteratorFilter.h"

class ORV_EXPORT ORVTreeAsPathIteratorFilterWithCurrentSet : public ORVTreeAsPathIteratorFilter {
  ORV_META_OBJECT(ORVTreeAsPathIteratorFilterWithCurrentSet)

public:
  explicit ORVTreeAsPathIteratorFilterWithCurrentSet(const ORVContainerRfHndlr& iHSet)
      : _HSet(iHSet) {}

  // Whether the set contains the element's current object.
  unsigned int ReturnCurrent(const ORVTreeAsPathIteratorElement& iElement) const override;

private:
  ORVContainerRfHndlr _HSet;
};
