// ORVTreeIteratorLevels.h - the per-level bookkeeping shared by the tree iterators.
#pragma once

#include "ORVTreeIteratorElement.h"
#include "ORVTreeIteratorElementMaker.h"
#include "ORVVector.h"

// The element of iLevel: the one kept in ioElements, or a new one from iMaker, kept
// there. Null when the maker made none; the caller reports it.
inline ORVTreeIteratorElement* ORVTreeLevelElement(ORVVector& ioElements, int iLevel,
                                                   ORVTreeIteratorElementMaker& iMaker,
                                                   const ORVTreeIterator& iIterator) {
  auto* element = static_cast<ORVTreeIteratorElement*>(ioElements[iLevel]);
  if (element) return element;
  element = iMaker.MakeElement(iIterator, iLevel);
  if (element) ioElements.Set(iLevel, element);
  return element;
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
