// ORVTreeAsTreeIterator.h - walks a tree in pre-order as ORVTreeAsPathIterator does,
// and tells each level's element whether its node has a next sibling, so that the
// tree can be drawn.
//
// It reads one child ahead on every level. Ownership, depth, end and failures are
// those of ORVTreeAsPathIterator; there is no filter. Not thread-safe.
#pragma once

#include "ORVChildExtractor.h"
#include "ORVExport.h"
#include "ORVTreeAsTreeIteratorElement.h"
#include "ORVTreeAsTreeIteratorElementMaker.h"
#include "ORVTreeIterator.h"
#include "ORVVector.h"

class ORVOneWayIterator;

class ORV_EXPORT ORVTreeAsTreeIterator : public ORVTreeIterator {
  ORV_META_OBJECT(ORVTreeAsTreeIterator)

public:
  ORVTreeAsTreeIterator(const ORVChildExtractorRfHndlr& iHChildExtractor,
                        const ORVTreeAsTreeIteratorElementMakerRfHndlr& iHElementMaker,
                        const PEVBaseUnknown* iRoot);
  ~ORVTreeAsTreeIterator() override;
  ORVTreeAsTreeIterator(const ORVTreeAsTreeIterator&) = delete;
  ORVTreeAsTreeIterator& operator=(const ORVTreeAsTreeIterator&) = delete;

  // The element of the next node, its next sibling set; null at the end and after.
  ORVTreeAsTreeIteratorElement* Next() override;
  const ORVVector& GetElementSet() const override;
  virtual ORVTreeAsTreeIteratorElement* GetCurrentElement() const;
  virtual int GetCurrentElementIdx() const;

private:
  ORVChildExtractorRfHndlr _HChildExtractor;
  ORVTreeAsTreeIteratorElementMakerRfHndlr _HElementMaker;
  const PEVBaseUnknown* _pPendingRoot;
  unsigned int _End = 0;
  ORVVector _Iterators{ORVDoNothingAtDelete};
  int _Level = -1;
  ORVOneWayIterator* _pCurrentIterator = nullptr;
  ORVTreeAsTreeIteratorElement* _pCurrentElement = nullptr;
  ORVVector _Elements{ORVDoNothingAtDelete};
};
