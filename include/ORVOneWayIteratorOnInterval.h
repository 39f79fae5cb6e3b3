// ORVOneWayIteratorOnInterval.h - walks a range of positions of a vector, forward.
//
// The range is not checked against the vector's size: positions outside the elements
// give null, which ends the walk. The vector is not reference-held and must outlive
// the iterator.
#pragma once

#include "ORVExport.h"
#include "ORVOneWayIterator.h"

class ORVVector;

class ORV_EXPORT ORVOneWayIteratorOnInterval : public ORVOneWayIterator {
  ORV_META_OBJECT(ORVOneWayIteratorOnInterval)

public:
  // The iCount positions from iFirst.
  ORVOneWayIteratorOnInterval(const ORVVector& iVector, int iFirst, int iCount);

  PEVBaseUnknown* Next() override;
  // Back to the first position of the range.
  virtual void ToBegin();

private:
  const ORVVector* _pVector;
  int _First;
  int _Current;
  int _Last;
};
