// ORVTreeIteratorElementConvToCaseName.h - names the node of a tree-walk element, for
// the builders that render a walk as text.
//
// Completed by the client.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"
#include "PEVUnicodeString.h"

class ORVTreeIteratorElement;

class ORV_EXPORT ORVTreeIteratorElementConvToCaseName : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTreeIteratorElementConvToCaseName)

public:
  // Takes the element whose name GetName gives.
  virtual void SetElement(const ORVTreeIteratorElement& iElement) = 0;
  virtual PEVUnicodeString GetName() const = 0;
};

ORV_RFHNDLR(ORVTreeIteratorElementConvToCaseName, PEVBaseUnknownRfHndlr);
