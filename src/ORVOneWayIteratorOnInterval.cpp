#include "ORVOneWayIteratorOnInterval.h"

#include <climits>

#include "ORVVector.h"

ORV_META_OBJECT_DEFINE(ORVOneWayIteratorOnInterval, ORVOneWayIterator)

namespace {

// The last position of the range; no vector position reaches INT_MAX, so capping the
// range there keeps the stepping from overflowing without losing an element.
int LastPosition(int iFirst, int iCount) {
  long long last = (long long)iFirst + iCount - 1;
  if (last > INT_MAX - 1) return INT_MAX - 1;
  if (last < (long long)INT_MIN) return INT_MIN;
  return (int)last;
}

}  // namespace

ORVOneWayIteratorOnInterval::ORVOneWayIteratorOnInterval(const ORVVector& iVector, int iFirst,
                                                         int iCount)
    : _pVector(&iVector), _First(iFirst), _Current(iFirst), _Last(LastPosition(iFirst, iCount)) {}

PEVBaseUnknown* ORVOneWayIteratorOnInterval::Next() {
  if (_Current > _Last) return nullptr;
  return (*_pVector)[_Current++];
}

void ORVOneWayIteratorOnInterval::ToBegin() {
  _Current = _First;
}
