// Tests of the iterator base, through the vector iterator: pattern and flag, and the
// comparator given by reference, by handler or not at all.
#include "ORVIterator.h"

#include <gtest/gtest.h>

#include "ContainerTestClasses.h"
#include "ORVVector.h"
#include "ORVVectorIterator.h"
#include "PEVBaseUnknownCmpAddr.h"

namespace {

class ORVIteratorTest : public ORVContainerTestBase {};

}  // namespace

TEST_F(ORVIteratorTest, WithoutComparatorTheGlobalAddressComparatorIsUsed) {
  ORVVector vector(ORVDoNothingAtDelete);
  ORVVectorIterator iterator(&vector, &_A, 1, nullptr);
  EXPECT_EQ(&iterator.GetComparator(), PEVBaseUnknownCmpAddr::GetGlobal());
  EXPECT_FALSE(iterator.GetHComparator());
  EXPECT_EQ(iterator.GetPattern(), &_A);
  EXPECT_EQ(iterator.WithPattern(), 1u);
  iterator.SetPattern(&_B);
  iterator.SetWithPattern(0);
  EXPECT_EQ(iterator.GetPattern(), &_B);
  EXPECT_EQ(iterator.WithPattern(), 0u);
}

TEST_F(ORVIteratorTest, ComparatorByHandlerIsSharedAndByReferenceIsNot) {
  ORVVector vector(ORVDoNothingAtDelete);
  ORVTestShapeCmpName byName;
  ORVVectorIterator iterator(&vector, &_A, 1, &byName);
  EXPECT_EQ(&iterator.GetComparator(), &byName);
  EXPECT_EQ(byName.GetRefCount(), 1u);

  ORVComparatorRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &byName);
  iterator.SetHComparator(handler);
  EXPECT_EQ(&iterator.GetComparator(), &byName);
  EXPECT_EQ(iterator.GetHComparator().Get(), &byName);
  EXPECT_EQ(byName.GetRefCount(), 3u);

  ORVTestShapeCmpLength byLength;
  iterator.SetComparator(byLength);
  EXPECT_EQ(&iterator.GetComparator(), &byLength);
  EXPECT_FALSE(iterator.GetHComparator());
  EXPECT_EQ(byName.GetRefCount(), 2u);
}

TEST_F(ORVIteratorTest, AnEmptyComparatorHandlerHoldsTheGlobalAddressComparator) {
  ORVVector vector(ORVDoNothingAtDelete);
  PEVBaseUnknownCmpAddr* global = PEVBaseUnknownCmpAddr::GetGlobal();
  {
    ORVVectorIterator iterator(&vector, nullptr, 0, nullptr);
    iterator.SetHComparator(ORVComparatorRfHndlr());
    EXPECT_EQ(&iterator.GetComparator(), global);
    EXPECT_EQ(iterator.GetHComparator().Get(), global);
    EXPECT_EQ(global->GetRefCount(), 2u);
  }
  EXPECT_EQ(global->GetRefCount(), 1u);
}
