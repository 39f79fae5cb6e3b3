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

// The walk of ORVTreeAsPathIterator with one child of look-ahead per level: the
// element of a level keeps the sibling that comes after its current object.
ORVTreeAsTreeIteratorElement* ORVTreeAsTreeIterator::Next() {
  if (_End) return nullptr;
  unsigned int climbed = 0;
  for (;;) {
    const PEVBaseUnknown* candidate = nullptr;
    const PEVBaseUnknown* next = nullptr;
    if (_pPendingRoot) {
      if (_pCurrentIterator) ORV_FATAL("_pCurrentIterator != NULL");
      candidate = _pPendingRoot;
      _pPendingRoot = nullptr;
      _Level = 0;
      _Iterators.Set(0, nullptr);
      _pCurrentElement =
          ORVTreeLevelElement<ORVTreeAsTreeIteratorElement>(_Elements, 0, *_HElementMaker, *this);
    } else {
      if (!climbed) {
        const PEVBaseUnknown* parent =
            _pCurrentElement ? _pCurrentElement->GetCurrentObject() : nullptr;
        ORVOneWayIterator* children = _HChildExtractor->ExtractChildren(parent);
        if (children) {
          candidate = children->Next();
          if (candidate) {
            ++_Level;
            _pCurrentIterator = children;
            _Iterators.Set(_Level, children);
            _pCurrentElement = ORVTreeLevelElement<ORVTreeAsTreeIteratorElement>(
                _Elements, _Level, *_HElementMaker, *this);
            next = children->Next();
          } else {
            children->Release();
          }
        }
      }
      climbed = 0;
      if (!candidate) {
        if (!_pCurrentElement) {
          _End = 1;
          return nullptr;
        }
        candidate = _pCurrentElement->GetNextObject();
        if (!candidate) {
          if (_pCurrentIterator) _pCurrentIterator->Release();
          _Iterators.Set(_Level, nullptr);
          _pCurrentElement->SetCurrentObject(nullptr);
          _pCurrentElement->SetNextObject(nullptr);
          --_Level;
          if (_Level < 0) {
            _pCurrentIterator = nullptr;
            _pCurrentElement = nullptr;
            _End = 1;
            return nullptr;
          }
          _pCurrentIterator = static_cast<ORVOneWayIterator*>(_Iterators[_Level]);
          _pCurrentElement = static_cast<ORVTreeAsTreeIteratorElement*>(_Elements[_Level]);
          climbed = 1;
          continue;
        }
        if (_pCurrentIterator) next = _pCurrentIterator->Next();
      }
    }
    _pCurrentElement->SetCurrentObject(candidate);
    _pCurrentElement->SetNextObject(next);
    return _pCurrentElement;
  }
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
