#include "ORVTreeAsPathIterator.h"

#include "ORVFatal.h"
#include "ORVOneWayIterator.h"
#include "ORVTreeIteratorLevels.h"

ORV_META_OBJECT_DEFINE(ORVTreeAsPathIterator, ORVTreeIterator)

ORVTreeAsPathIterator::ORVTreeAsPathIterator(
    const ORVChildExtractorRfHndlr& iHChildExtractor,
    const ORVTreeAsPathIteratorElementMakerRfHndlr& iHElementMaker,
    const ORVTreeAsPathIteratorFilterRfHndlr& iHFilter, const PEVBaseUnknown* iRoot)
    : _HChildExtractor(iHChildExtractor),
      _HElementMaker(iHElementMaker),
      _HFilter(iHFilter),
      _pPendingRoot(iRoot) {}

ORVTreeAsPathIterator::~ORVTreeAsPathIterator() {
  ORVTreeReleaseLevels(_Iterators, _Elements);
}

// Siblings come from the level's iterator; the filter decides where the walk stops.
ORVTreeAsPathIteratorElement* ORVTreeAsPathIterator::Next() {
  return ORVTreeWalkNext<ORVTreeAsPathIteratorElement>(
      {_pPendingRoot, _End, _Iterators, _Level, _pCurrentIterator, _pCurrentElement, _Elements},
      *_HChildExtractor, *_HElementMaker, *this,
      [this](ORVTreeAsPathIteratorElement&) {
        return _pCurrentIterator ? _pCurrentIterator->Next() : nullptr;
      },
      [this](ORVTreeAsPathIteratorElement& iElement) {
        return !_HFilter || _HFilter->ReturnCurrent(iElement);
      },
      [](ORVTreeAsPathIteratorElement&) {});
}

const ORVVector& ORVTreeAsPathIterator::GetElementSet() const {
  return _Elements;
}

ORVTreeAsPathIteratorElement* ORVTreeAsPathIterator::GetCurrentElement() const {
  return _pCurrentElement;
}

int ORVTreeAsPathIterator::GetCurrentElementIdx() const {
  return _Level;
}
