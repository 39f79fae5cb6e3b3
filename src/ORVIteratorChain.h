// ORVIteratorChain.h - how a container chains its live iterators: the newest first,
// through the links (iLinks) each iterator holds.
#pragma once

#include "ORVIteratorChainLinks.h"

template <class Iterator>
using ORVIteratorLinksMember = ORVIteratorChainLinks<Iterator> Iterator::*;

template <class Iterator>
void ORVChainIterator(Iterator*& ioFirst, Iterator& ioIterator,
                      ORVIteratorLinksMember<Iterator> iLinks) {
  ORVIteratorChainLinks<Iterator>& links = ioIterator.*iLinks;
  links._pPrevious = nullptr;
  links._pNext = ioFirst;
  if (ioFirst) (ioFirst->*iLinks)._pPrevious = &ioIterator;
  ioFirst = &ioIterator;
}

template <class Iterator>
void ORVUnchainIterator(Iterator*& ioFirst, Iterator& ioIterator,
                        ORVIteratorLinksMember<Iterator> iLinks) {
  ORVIteratorChainLinks<Iterator>& links = ioIterator.*iLinks;
  if (links._pPrevious)
    (links._pPrevious->*iLinks)._pNext = links._pNext;
  else
    ioFirst = links._pNext;
  if (links._pNext) (links._pNext->*iLinks)._pPrevious = links._pPrevious;
  links._pNext = links._pPrevious = nullptr;
}
