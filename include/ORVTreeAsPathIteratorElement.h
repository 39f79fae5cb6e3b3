// ORVTreeAsPathIteratorElement.h - the element kind of ORVTreeAsPathIterator.
//
// Completed by the client (see ORVTreeIteratorElement).
#pragma once

#include "ORVExport.h"
#include "ORVTreeIteratorElement.h"

class ORV_EXPORT ORVTreeAsPathIteratorElement : public ORVTreeIteratorElement {
  ORV_META_OBJECT(ORVTreeAsPathIteratorElement)

public:
  using ORVTreeIteratorElement::ORVTreeIteratorElement;
};
