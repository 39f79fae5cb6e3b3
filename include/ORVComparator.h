// ORVComparator.h - orders and matches container elements, the strategy of searches and sorts.
//
// An element matches a pattern when CompareObjects(pattern, element) is 0. Whether
// a search comparator agrees with the order of a set sorted by another comparator is
// decided by the two compatibility questions, which a comparator class overrides to
// declare compatibility with another class. Comparators have no state of their own.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORV_EXPORT ORVComparator : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVComparator)

public:
  // Negative, 0 or positive as iFirst sorts before, equal to or after iSecond.
  virtual int CompareObjects(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const = 0;
  // Default: this comparator's class is iSortingComparator's class or derives from it.
  virtual unsigned int CanBeUsedInSetSortedBySecond(const ORVComparator& iSortingComparator) const;
  // Default: iSearchComparator's class is this comparator's class or derives from it.
  virtual unsigned int SortsSetAsSecondCanBeUsed(const ORVComparator& iSearchComparator) const;

  // True when a set sorted by iSorting can be searched with iSearch: either side may say so.
  static unsigned int FirstCanBeUsedInSetSortedBySecond(const ORVComparator& iSearch,
                                                        const ORVComparator& iSorting);
};

ORV_RFHNDLR(ORVComparator, PEVBaseUnknownRfHndlr);
