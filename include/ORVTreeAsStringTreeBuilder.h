// ORVTreeAsStringTreeBuilder.h - the line of a tree-walk element in a drawn tree: an
// indentation per level with continuation marks where a level has more siblings to
// come, a branch mark, a name lead and the node's name.
//
// Holds a counted reference to the name converter. The cost is proportional to the
// element's depth. Not thread-safe (the converter holds the element it names).
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "ORVTreeIteratorElementConvToCaseName.h"
#include "PEVUnicodeString.h"

class ORVTreeAsTreeIteratorElement;

class ORV_EXPORT ORVTreeAsStringTreeBuilder : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTreeAsStringTreeBuilder)

public:
  // Blank mark " ", continuation mark "!", indentation of three blanks, branch mark "+",
  // name lead "- ".
  explicit ORVTreeAsStringTreeBuilder(
      const ORVTreeIteratorElementConvToCaseNameRfHndlr& iHConverter);
  ORVTreeAsStringTreeBuilder(const ORVTreeIteratorElementConvToCaseNameRfHndlr& iHConverter,
                             const PEVUnicodeString& iBlankMark,
                             const PEVUnicodeString& iContinuationMark,
                             const PEVUnicodeString& iIndentation,
                             const PEVUnicodeString& iBranchMark,
                             const PEVUnicodeString& iNameLead);

  // oLine: the element's own line; oPrefix: what lines continuing it begin with. Both
  // empty for an element whose iterator is gone.
  virtual void GetStringsForTree(const ORVTreeAsTreeIteratorElement& iElement,
                                 PEVUnicodeString& oPrefix, PEVUnicodeString& oLine) const;

private:
  ORVTreeIteratorElementConvToCaseNameRfHndlr _HConverter;
  PEVUnicodeString _BlankMark;
  PEVUnicodeString _ContinuationMark;
  PEVUnicodeString _Indentation;
  PEVUnicodeString _BranchMark;
  PEVUnicodeString _NameLead;
};
