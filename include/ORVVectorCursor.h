// ORVVectorCursor.h - a position in a vector: an index.
//
// -1 is before the first element, the vector's count after the last one. A cursor
// is not told when its vector changes: an index left outside -1..count by a change
// is brought back within those bounds by the operations that step from it.
#pragma once

#include "ORVCursor.h"
#include "ORVExport.h"

class ORV_EXPORT ORVVectorCursor : public ORVCursor {
  ORV_META_OBJECT(ORVVectorCursor)

public:
  // Before the first element.
  ORVVectorCursor() = default;
  explicit ORVVectorCursor(int iIndex) : _Index(iIndex) {}
  ORVVectorCursor(const ORVVectorCursor& iOther) : ORVCursor(), _Index(iOther._Index) {}
  ORVVectorCursor& operator=(const ORVVectorCursor& iOther) {
    _Index = iOther._Index;
    return *this;
  }

  int GetIndex() const { return _Index; }
  void SetIndex(int iIndex) { _Index = iIndex; }

private:
  int _Index = -1;
};
