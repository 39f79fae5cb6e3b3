#include "ORVTreeAsTreeIterator.h"

#include "ORVFatal.h"
#include "ORVOneWayIterator.h"
#include "ORVTreeIteratorLevels.h"

ORV_META_OBJECT_DEFINE(ORVTreeAsTreeIterator, ORVTreeIterator)

ORVTreeAsTreeIterator::ORVTreeAsTreeIterator(
    const ORVChildExtractorRfHndlr& iHChildExtractor,
    const ORVTreeAsTreeIteratorElementMakerRfHndlr& iHElementMaker, const PEVBaseUnknown* iRoot)
    : _HChildExtractor(iHChildExtractor), _HElementMaker(iHElementMaker), _pPendingRoot(iRoot) {}

ORVTreeAsTreeIterator::~ORVTreeAsTreeIterator() {
  ORVTreeReleaseLevels(_Iterators, _Elements);
}

// One child of look-ahead per level: the element of a level keeps the sibling that comes
// after its current object, read as the object is placed.
ORVTreeAsTreeIteratorElement* ORVTreeAsTreeIterator::Next() {
  return ORVTreeWalkNext<ORVTreeAsTreeIteratorElement>(
      {_pPendingRoot, _End, _Iterators, _Level, _pCurrentIterator, _pCurrentElement, _Elements},
      *_HChildExtractor, *_HElementMaker, *this,
      [](ORVTreeAsTreeIteratorElement& iElement) { return iElement.GetNextObject(); },
      [this](ORVTreeAsTreeIteratorElement& iElement) {
        iElement.SetNextObject(_pCurrentIterator ? _pCurrentIterator->Next() : nullptr);
        return true;
      },
      [](ORVTreeAsTreeIteratorElement& iElement) { iElement.SetNextObject(nullptr); });
}

const ORVVector& ORVTreeAsTreeIterator::GetElementSet() const {
  return _Elements;
}

ORVTreeAsTreeIteratorElement* ORVTreeAsTreeIterator::GetCurrentElement() const {
  return _pCurrentElement;
}

int ORVTreeAsTreeIterator::GetCurrentElementIdx() const {
  return _Level;
}
