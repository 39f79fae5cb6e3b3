#include "ORVTreeAsPathIteratorFilterWithCurrentSet.h"

#include "ORVTreeAsPathIteratorElement.h"

ORV_META_OBJECT_DEFINE(ORVTreeAsPathIteratorFilterWithCurrentSet, ORVTreeAsPathIteratorFilter)

unsigned int ORVTreeAsPathIteratorFilterWithCurrentSet::ReturnCurrent(
    const ORVTreeAsPathIteratorElement& iElement) const {
  return _HSet->Contains(iElement.GetCurrentObject());
}
