// ORVTreeAsStringPathBuilder.h - the path of a tree-walk element as one text: the names
// of the nodes from the top down to it, joined by a separator.
//
// Holds a counted reference to the name converter. The cost is proportional to the
// element's depth. Not thread-safe (the converter holds the element it names).
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "ORVTreeIteratorElementConvToCaseName.h"
#include "PEVUnicodeString.h"

class ORV_EXPORT ORVTreeAsStringPathBuilder : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTreeAsStringPathBuilder)

public:
  ORVTreeAsStringPathBuilder(const ORVTreeIteratorElementConvToCaseNameRfHndlr& iHConverter,
                             const PEVUnicodeString& iSeparator)
      : _HConverter(iHConverter), _Separator(iSeparator) {}

  // oPath: the names of levels 0 to the element's, the separator between two names.
  // Empty for an element whose iterator is gone or whose level is negative.
  virtual void GetRelativePath(const ORVTreeIteratorElement& iElement,
                               PEVUnicodeString& oPath) const;

private:
  ORVTreeIteratorElementConvToCaseNameRfHndlr _HConverter;
  PEVUnicodeString _Separator;
};
