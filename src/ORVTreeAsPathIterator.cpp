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

// Pre-order, one loop turn per step: the root, a descent to a first child, a step to a
// sibling, or a climb out of a finished level (after which the climb goes sideways).
ORVTreeAsPathIteratorElement* ORVTreeAsPathIterator::Next() {
  if (_End) return nullptr;
  unsigned int climbed = 0;
  for (;;) {
    const PEVBaseUnknown* candidate = nullptr;
    if (_pPendingRoot) {
      if (_pCurrentIterator) ORV_FATAL("_pCurrentIterator != NULL");
      candidate = _pPendingRoot;
      _pPendingRoot = nullptr;
      _Level = 0;
      _Iterators.Set(0, nullptr);
      _pCurrentElement =
          ORVTreeLevelElement<ORVTreeAsPathIteratorElement>(_Elements, 0, *_HElementMaker, *this);
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
            _pCurrentElement = ORVTreeLevelElement<ORVTreeAsPathIteratorElement>(
                _Elements, _Level, *_HElementMaker, *this);
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
        if (_pCurrentIterator) candidate = _pCurrentIterator->Next();
        if (!candidate) {
          if (_pCurrentIterator) _pCurrentIterator->Release();
          _Iterators.Set(_Level, nullptr);
          _pCurrentElement->SetCurrentObject(nullptr);
          --_Level;
          if (_Level < 0) {
            _pCurrentIterator = nullptr;
            _pCurrentElement = nullptr;
            _End = 1;
            return nullptr;
          }
          _pCurrentIterator = static_cast<ORVOneWayIterator*>(_Iterators[_Level]);
          _pCurrentElement = static_cast<ORVTreeAsPathIteratorElement*>(_Elements[_Level]);
          climbed = 1;
          continue;
        }
      }
    }
    _pCurrentElement->SetCurrentObject(candidate);
    if (!_HFilter || _HFilter->ReturnCurrent(*_pCurrentElement)) return _pCurrentElement;
  }
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
