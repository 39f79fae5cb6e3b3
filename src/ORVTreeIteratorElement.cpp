#include "ORVTreeIteratorElement.h"

ORV_META_OBJECT_DEFINE(ORVTreeIteratorElement, PEVBaseUnknown)

const ORVTreeIterator* ORVTreeIteratorElement::GetTreeIterator() const {
  return _pTreeIterator;
}

int ORVTreeIteratorElement::GetIteratorElementSetIdx() const {
  return _Level;
}
