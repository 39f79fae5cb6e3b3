// ORVListLink.h - one element's place in an ORVList: the element between two links.
//
// A list creates a link with new when it inserts an element and releases it when the
// element leaves; the list's two sentinels are links without element. The element is
// not reference-held. Links are reached through list cursors; changing their pointers
// from outside damages the chain, which the list's walks then report as fatal.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVListLink final : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVListLink)

public:
  ORVListLink() = default;
  ORVListLink(ORVListLink* iNext, ORVListLink* iPrevious, PEVBaseUnknown* iElement)
      : _pNext(iNext), _pPrevious(iPrevious), _pElement(iElement) {}
  ORVListLink(const ORVListLink&) = delete;
  ORVListLink& operator=(const ORVListLink&) = delete;

  ORVListLink* GetNext() const { return _pNext; }
  ORVListLink* GetPrevious() const { return _pPrevious; }
  PEVBaseUnknown* GetElement() const { return _pElement; }
  void SetNext(ORVListLink* iNext) { _pNext = iNext; }
  void SetPrevious(ORVListLink* iPrevious) { _pPrevious = iPrevious; }
  void SetElement(PEVBaseUnknown* iElement) { _pElement = iElement; }

private:
  ORVListLink* _pNext = nullptr;
  ORVListLink* _pPrevious = nullptr;
  PEVBaseUnknown* _pElement = nullptr;
};
