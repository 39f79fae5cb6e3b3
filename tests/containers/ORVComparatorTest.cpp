// Tests of the comparators: compatibility of a search comparator with a sort order,
// the address comparator and its global instance.
#include "ORVComparator.h"

#include <gtest/gtest.h>

#include <cstdint>

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

TEST_F(ORVComparatorTest, ADerivedClassCanSearchASetSortedByItsBaseButNotTheReverse) {
  EXPECT_TRUE(_ByNameDerived.CanBeUsedInSetSortedBySecond(_ByName));
  EXPECT_TRUE(_ByName.SortsSetAsSecondCanBeUsed(_ByNameDerived));
  EXPECT_TRUE(Can(_ByNameDerived, _ByName));
  EXPECT_FALSE(_ByName.CanBeUsedInSetSortedBySecond(_ByNameDerived));
  EXPECT_FALSE(_ByNameDerived.SortsSetAsSecondCanBeUsed(_ByName));
  EXPECT_FALSE(Can(_ByName, _ByNameDerived));
}

TEST_F(ORVComparatorTest, UnrelatedClassesAreIncompatibleUnlessOneDeclaresOtherwise) {
  EXPECT_FALSE(Can(_ByLength, _ByName));
  EXPECT_FALSE(Can(_ByName, _ByLength));
  EXPECT_TRUE(Can(_ByLengthCompatible, _ByName));  // its own override says so
  EXPECT_TRUE(Can(_ByLengthCompatible, _ByNameDerived));
  EXPECT_FALSE(Can(_ByName, _ByLengthCompatible));
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
