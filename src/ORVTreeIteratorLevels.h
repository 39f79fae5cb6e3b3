// ORVTreeIteratorLevels.h - the per-level bookkeeping shared by the tree iterators.
#pragma once

#include "ORVChildExtractor.h"
#include "ORVFatal.h"
#include "ORVOneWayIterator.h"
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

// The levels of a tree iterator's walk, as its members: the walk changes them.
template <class Element>
struct ORVTreeWalkLevels {
  const PEVBaseUnknown*& _pPendingRoot;
  unsigned int& _End;
  ORVVector& _Iterators;  // per level; null for the root's level
  int& _Level;
  ORVOneWayIterator*& _pCurrentIterator;
  Element*& _pCurrentElement;
  ORVVector& _Elements;  // per level, kept and reused
};

// The next node of a pre-order walk kept in ioLevels, one loop turn per step: the root,
// a descent to a first child, a step to a sibling, or a climb out of a finished level
// (after which the climb goes sideways). The iterator's own parts: iSibling gives the
// next sibling of the current level's element, iPlaced is told of each node placed in
// its element and says whether the walk stops there, iLeft of an element whose level is
// finished. Null at the end, for ever after.
template <class Element, class Sibling, class Placed, class Left>
Element* ORVTreeWalkNext(const ORVTreeWalkLevels<Element>& ioLevels, ORVChildExtractor& iExtractor,
                         ORVTreeIteratorElementMaker& iMaker, const ORVTreeIterator& iIterator,
                         Sibling iSibling, Placed iPlaced, Left iLeft) {
  if (ioLevels._End) return nullptr;
  Element*& current = ioLevels._pCurrentElement;
  int& level = ioLevels._Level;
  unsigned int climbed = 0;
  for (;;) {
    const PEVBaseUnknown* candidate = nullptr;
    if (ioLevels._pPendingRoot) {
      if (ioLevels._pCurrentIterator) ORV_FATAL("_pCurrentIterator != NULL");
      candidate = ioLevels._pPendingRoot;
      ioLevels._pPendingRoot = nullptr;
      level = 0;
      ioLevels._Iterators.Set(0, nullptr);
      current = ORVTreeLevelElement<Element>(ioLevels._Elements, 0, iMaker, iIterator);
    } else {
      if (!climbed) {
        const PEVBaseUnknown* parent = current ? current->GetCurrentObject() : nullptr;
        ORVOneWayIterator* children = iExtractor.ExtractChildren(parent);
        if (children) {
          candidate = children->Next();
          if (candidate) {
            ++level;
            ioLevels._pCurrentIterator = children;
            ioLevels._Iterators.Set(level, children);
            current = ORVTreeLevelElement<Element>(ioLevels._Elements, level, iMaker, iIterator);
          } else {
            children->Release();
          }
        }
      }
      climbed = 0;
      if (!candidate) {
        if (!current) {
          ioLevels._End = 1;
          return nullptr;
        }
        candidate = iSibling(*current);
        if (!candidate) {
          if (ioLevels._pCurrentIterator) ioLevels._pCurrentIterator->Release();
          ioLevels._Iterators.Set(level, nullptr);
          current->SetCurrentObject(nullptr);
          iLeft(*current);
          --level;
          if (level < 0) {
            ioLevels._pCurrentIterator = nullptr;
            current = nullptr;
            ioLevels._End = 1;
            return nullptr;
          }
          ioLevels._pCurrentIterator = static_cast<ORVOneWayIterator*>(ioLevels._Iterators[level]);
          current = static_cast<Element*>(ioLevels._Elements[level]);
          climbed = 1;
          continue;
        }
      }
    }
    current->SetCurrentObject(candidate);
    if (iPlaced(*current)) return current;
  }
}
