// ORVTreeIteratorLevels.h - the per-level bookkeeping shared by the tree iterators.
#pragma once

#include "ORVFatal.h"
#include "ORVTreeIteratorElement.h"
#include "ORVTreeIteratorElementMaker.h"
#include "ORVVector.h"

// The element of iLevel as an Element: the one kept in ioElements, or a new one from
// iMaker, kept there. A maker that makes none is a fatal internal error.
template <class Element>
Element* ORVTreeLevelElement(ORVVector& ioElements, int iLevel, ORVTreeIteratorElementMaker& iMaker,
                             const ORVTreeIterator& iIterator) {
  auto* element = static_cast<ORVTreeIteratorElement*>(ioElements[iLevel]);
  if (!element) {
    element = iMaker.MakeElement(iIterator, iLevel);
    if (!element) ORV_FATAL("MakeElement() returned NULL for level " << iLevel);
    ioElements.Set(iLevel, element);
  }
  return ORVCheckedCast<Element>(element);
}

// Releases, rather than deletes, the iterators and elements of every level: a caller
// may still hold an element. Such an element forgets the iterator that goes away.
inline void ORVTreeReleaseLevels(ORVVector& ioIterators, ORVVector& ioElements) {
  ioIterators.ReleaseElementsAndClear();
  for (int level = 0; level < ioElements.Size(); ++level)
    if (auto* element = static_cast<ORVTreeIteratorElement*>(ioElements[level]))
      element->ForgetTreeIterator();
  ioElements.ReleaseElementsAndClear();
}
