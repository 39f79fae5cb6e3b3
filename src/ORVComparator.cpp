#include "ORVComparator.h"

ORV_META_OBJECT_DEFINE(ORVComparator, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVComparator)

unsigned int ORVComparator::CanBeUsedInSetSortedBySecond(
    const ORVComparator& iSortingComparator) const {
  // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): a meta-object is never null
  return GetMetaObject()->IsAKindOf(iSortingComparator.GetMetaObject());
}

unsigned int ORVComparator::SortsSetAsSecondCanBeUsed(
    const ORVComparator& iSearchComparator) const {
  // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): a meta-object is never null
  return iSearchComparator.GetMetaObject()->IsAKindOf(GetMetaObject());
}

unsigned int ORVComparator::FirstCanBeUsedInSetSortedBySecond(const ORVComparator& iSearch,
                                                              const ORVComparator& iSorting) {
  return iSearch.CanBeUsedInSetSortedBySecond(iSorting) ||
         iSorting.SortsSetAsSecondCanBeUsed(iSearch);
}
