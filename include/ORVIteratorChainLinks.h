// ORVIteratorChainLinks.h - an iterator's place among the live iterators of its
// container, which keeps them chained so that it can move them off what it removes and
// cut them loose when it goes away. A copied iterator starts outside any chain.
#pragma once

template <class Iterator>
struct ORVIteratorChainLinks {
  ORVIteratorChainLinks() = default;
  ORVIteratorChainLinks(const ORVIteratorChainLinks&) {}
  ORVIteratorChainLinks& operator=(const ORVIteratorChainLinks&) { return *this; }

  Iterator* _pNext = nullptr;
  Iterator* _pPrevious = nullptr;
};
