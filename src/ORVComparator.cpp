#include "ORVComparator.h"

ORV_META_OBJECT_DEFINE(ORVComparator, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVComparator)

unsigned int ORVComparator::CanBeUsedInSetSortedBySecond(
    const ORVComparator& iSortingComparator) const {
  return GetMetaObject()->IsAKindOf(iSortingComparator.GetMetaObject());
}

unsigned int ORVComparator::SortsSetAsSecondCanBeUsed(
    const ORVComparator& iSearchComparator) const {
  return iSearchComparator.GetMetaObject()->IsAKindOf(GetMetaObject());
}

unsigned int ORVComparator::FirstCanBeUsedInSetSortedBySecond(const ORVComparator& iSearch,
                                                              const ORVComparator& iSorting) {
  return iSearch.CanBeUsedInSetSortedBySecond(iSorting) ||
         iSorting.SortsSetAsSecondCanBeUsed(iSearch);
}
