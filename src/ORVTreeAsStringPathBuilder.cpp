#include "ORVTreeAsStringPathBuilder.h"

#include "ORVTreeIterator.h"
#include "ORVTreeIteratorElement.h"
#include "ORVVector.h"

ORV_META_OBJECT_DEFINE(ORVTreeAsStringPathBuilder, PEVBaseUnknown)

void ORVTreeAsStringPathBuilder::GetRelativePath(const ORVTreeIteratorElement& iElement,
                                                 PEVUnicodeString& oPath) const {
  oPath = "";
  const ORVTreeIterator* iterator = iElement.GetTreeIterator();
  if (!iterator) return;
  const ORVVector& elements = iterator->GetElementSet();
  int depth = iElement.GetIteratorElementSetIdx();
  for (int level = 0; level <= depth; ++level) {
    const auto* element = ORVCheckedCast<ORVTreeIteratorElement>(elements[level]);
    if (level > 0) oPath += _Separator;
    _HConverter->SetElement(*element);
    oPath += _HConverter->GetName();
  }
}
