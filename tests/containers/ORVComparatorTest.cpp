// Tests of the comparators: compatibility of a search comparator with a sort order,
// the address comparator and its global instance.
#include "ORVComparator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "ContainerTestClasses.h"
#include "PEVBaseUnknownCmpAddr.h"

namespace {

class ORVComparatorTest : public ORVContainerTestBase {
protected:
  static unsigned int Can(const ORVComparator& iSearch, const ORVComparator& iSorting) {
    return ORVComparator::FirstCanBeUsedInSetSortedBySecond(iSearch, iSorting);
  }

  ORVTestShapeCmpName _ByName;
  ORVTestShapeCmpNameDerived _ByNameDerived;
  ORVTestShapeCmpLength _ByLength;
  ORVTestShapeCmpLengthCompatible _ByLengthCompatible;
};

const PEVBaseUnknown* Address(uintptr_t iAddress) {
  return reinterpret_cast<const PEVBaseUnknown*>(iAddress);
}

}  // namespace

// {search, sorting, compatible}: a derived class can search a set sorted by its base but
// not the reverse; unrelated classes cannot, unless one declares otherwise.
TEST_F(ORVComparatorTest, ASearchFitsTheOrderOfItsBaseClassOrWhereItDeclaresSo) {
  const std::tuple<const ORVComparator*, const ORVComparator*, bool> rows[] = {
      {&_ByNameDerived, &_ByName, true},      {&_ByName, &_ByNameDerived, false},
      {&_ByLength, &_ByName, false},          {&_ByName, &_ByLength, false},
      {&_ByLengthCompatible, &_ByName, true}, {&_ByLengthCompatible, &_ByNameDerived, true},
      {&_ByName, &_ByLengthCompatible, false}};
  for (const auto& [search, sorting, compatible] : rows)
    EXPECT_EQ(Can(*search, *sorting) != 0, compatible)
        << search->GetMetaObject()->GetClassName() << " "
        << sorting->GetMetaObject()->GetClassName();
  EXPECT_TRUE(_ByNameDerived.CanBeUsedInSetSortedBySecond(_ByName));
  EXPECT_TRUE(_ByName.SortsSetAsSecondCanBeUsed(_ByNameDerived));
  EXPECT_FALSE(_ByName.CanBeUsedInSetSortedBySecond(_ByNameDerived));
  EXPECT_FALSE(_ByNameDerived.SortsSetAsSecondCanBeUsed(_ByName));
}

TEST_F(ORVComparatorTest, AddressComparatorOrdersAddressesAsUnsignedNumbers) {
  PEVBaseUnknownCmpAddr comparator;
  EXPECT_EQ(comparator.CompareObjects(&_A, &_A), 0);
  EXPECT_EQ(comparator.CompareObjects(Address(0x2000), Address(0x1000)), 1);
  EXPECT_EQ(comparator.CompareObjects(Address(0x1000), Address(0x2000)), -1);
  EXPECT_EQ(comparator.CompareObjects(nullptr, nullptr), 0);
  // Above 2^63 still compares above: the addresses are not taken as signed.
  EXPECT_EQ(comparator.CompareObjects(Address(UINTPTR_MAX), Address(1)), 1);
  EXPECT_EQ(comparator.CompareObjects(Address(uintptr_t{1} << 63), Address(0x7fff)), 1);
}

TEST(ORVComparatorGlobal, OneInstanceRegisteredWithTheCleanerAndForgottenWhenReleased) {
  {
    ORVGlobalObjectCleaner cleaner;
    PEVBaseUnknownCmpAddr* global = PEVBaseUnknownCmpAddr::GetGlobal();
    EXPECT_EQ(PEVBaseUnknownCmpAddr::GetGlobal(), global);
    EXPECT_EQ(cleaner.GetCount(), 1);
    EXPECT_EQ(global->GetRefCount(), 1u);
  }
  ORVGlobalObjectCleaner next;
  PEVBaseUnknownCmpAddr::GetGlobal();
  EXPECT_EQ(next.GetCount(), 1);  // a fresh instance, registered with the new cleaner
}
