// ORVTreeAsPathIterator.h - walks a tree in pre-order, each node with the path of
// elements from the top down to it.
//
// The walk keeps its own stack of levels (iterators and elements in two vectors), so
// its depth costs memory, never call stack. It holds counted references to the child
// extractor, the element maker and the optional filter, one reference to each child
// iterator it is walking and to each per-level element; destruction releases them. An
// element returned by Next describes its node only until the next call. The walk runs
// once: after its end Next always answers null. A maker that makes no element is a
// fatal internal error. Not thread-safe.
#pragma once

#include "ORVChildExtractor.h"
#include "ORVExport.h"
#include "ORVTreeAsPathIteratorElement.h"
#include "ORVTreeAsPathIteratorElementMaker.h"
#include "ORVTreeAsPathIteratorFilter.h"
#include "ORVTreeIterator.h"
#include "ORVVector.h"

class ORVOneWayIterator;

class ORV_EXPORT ORVTreeAsPathIterator : public ORVTreeIterator {
  ORV_META_OBJECT(ORVTreeAsPathIterator)

public:
  // A null root walks the forest the extractor gives for the null parent. An empty
  // filter handler accepts every node.
  ORVTreeAsPathIterator(const ORVChildExtractorRfHndlr& iHChildExtractor,
                        const ORVTreeAsPathIteratorElementMakerRfHndlr& iHElementMaker,
                        const ORVTreeAsPathIteratorFilterRfHndlr& iHFilter,
                        const PEVBaseUnknown* iRoot);
  ~ORVTreeAsPathIterator() override;
  // It owns references to its iterators and elements: a copy would release them twice.
  ORVTreeAsPathIterator(const ORVTreeAsPathIterator&) = delete;
  ORVTreeAsPathIterator& operator=(const ORVTreeAsPathIterator&) = delete;

  // The element of the next accepted node; null at the end and for ever after.
  ORVTreeAsPathIteratorElement* Next() override;
  const ORVVector& GetElementSet() const override;
  // The element of the current level, or null before the walk and after its end.
  virtual ORVTreeAsPathIteratorElement* GetCurrentElement() const;
  // The current level: -1 before the walk and after its end.
  virtual int GetCurrentElementIdx() const;

private:
  ORVChildExtractorRfHndlr _HChildExtractor;
  ORVTreeAsPathIteratorElementMakerRfHndlr _HElementMaker;
  ORVTreeAsPathIteratorFilterRfHndlr _HFilter;
  const PEVBaseUnknown* _pPendingRoot;
  unsigned int _End = 0;
  ORVVector _Iterators{ORVDoNothingAtDelete};  // per level; null for the root's level
  int _Level = -1;
  ORVOneWayIterator* _pCurrentIterator = nullptr;
  ORVTreeAsPathIteratorElement* _pCurrentElement = nullptr;
  ORVVector _Elements{ORVDoNothingAtDelete};  // per level, kept and reused
};
