// ORVListCursor.h - a position in a list: the link it points at.
//
// At the list's head sentinel it is before the first element, at the tail sentinel
// after the last one; a default cursor points nowhere. A cursor is not told when its
// link leaves the list: only Remove(cursor) moves the cursor it is given.
#pragma once

#include "ORVCursor.h"
#include "ORVExport.h"

class ORVListLink;

class ORV_EXPORT ORVListCursor : public ORVCursor {
  ORV_META_OBJECT(ORVListCursor)

public:
  // Points nowhere.
  ORVListCursor() = default;
  explicit ORVListCursor(ORVListLink* iLink) : _pLink(iLink) {}
  ORVListCursor(const ORVListCursor& iOther) : ORVCursor(), _pLink(iOther._pLink) {}
  ORVListCursor& operator=(const ORVListCursor& iOther) {
    _pLink = iOther._pLink;
    return *this;
  }

  ORVListLink* GetLink() const { return _pLink; }
  void SetLink(ORVListLink* iLink) { _pLink = iLink; }

private:
  ORVListLink* _pLink = nullptr;
};
