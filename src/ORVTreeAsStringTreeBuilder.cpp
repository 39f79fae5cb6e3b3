#include "ORVTreeAsStringTreeBuilder.h"

#include "ORVTreeAsTreeIteratorElement.h"
#include "ORVTreeIterator.h"
#include "ORVVector.h"

ORV_META_OBJECT_DEFINE(ORVTreeAsStringTreeBuilder, PEVBaseUnknown)

ORVTreeAsStringTreeBuilder::ORVTreeAsStringTreeBuilder(
    const ORVTreeIteratorElementConvToCaseNameRfHndlr& iHConverter)
    : ORVTreeAsStringTreeBuilder(iHConverter, " ", "!", "   ", "+", "- ") {}

ORVTreeAsStringTreeBuilder::ORVTreeAsStringTreeBuilder(
    const ORVTreeIteratorElementConvToCaseNameRfHndlr& iHConverter,
    const PEVUnicodeString& iBlankMark, const PEVUnicodeString& iContinuationMark,
    const PEVUnicodeString& iIndentation, const PEVUnicodeString& iBranchMark,
    const PEVUnicodeString& iNameLead)
    : _HConverter(iHConverter),
      _BlankMark(iBlankMark),
      _ContinuationMark(iContinuationMark),
      _Indentation(iIndentation),
      _BranchMark(iBranchMark),
      _NameLead(iNameLead) {}

void ORVTreeAsStringTreeBuilder::GetStringsForTree(const ORVTreeAsTreeIteratorElement& iElement,
                                                   PEVUnicodeString& oPrefix,
                                                   PEVUnicodeString& oLine) const {
  oPrefix = "";
  oLine = "";
  const ORVTreeIterator* iterator = iElement.GetTreeIterator();
  if (!iterator) return;
  const ORVVector& elements = iterator->GetElementSet();
  int depth = iElement.GetIteratorElementSetIdx();
  for (int level = 1; level < depth; ++level) {
    const auto* above = ORVCheckedCast<ORVTreeAsTreeIteratorElement>(elements[level]);
    oPrefix += _Indentation;
    oPrefix += above->HasNextObject() ? _ContinuationMark : _BlankMark;
  }
  if (depth > 0) {
    oPrefix += _Indentation;
    oLine = oPrefix;
    oPrefix += _ContinuationMark;
    oLine += _BranchMark;
  }
  oLine += _NameLead;
  _HConverter->SetElement(iElement);
  oLine += _HConverter->GetName();
}
