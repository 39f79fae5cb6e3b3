// ORVTreeAsTreeIteratorElement.h - the element kind of ORVTreeAsTreeIterator: it also
// knows the next sibling of its current object, so that a tree can be drawn.
//
// Completed by the client (see ORVTreeIteratorElement).
#pragma once

#include "ORVExport.h"
#include "ORVTreeAsPathIteratorElement.h"

class ORV_EXPORT ORVTreeAsTreeIteratorElement : public ORVTreeAsPathIteratorElement {
  ORV_META_OBJECT(ORVTreeAsTreeIteratorElement)

public:
  using ORVTreeAsPathIteratorElement::ORVTreeAsPathIteratorElement;

  // The sibling that follows the current object, or null.
  virtual void SetNextObject(const PEVBaseUnknown* iObject) = 0;
  virtual const PEVBaseUnknown* GetNextObject() const = 0;
  virtual unsigned int HasNextObject() const = 0;
};
