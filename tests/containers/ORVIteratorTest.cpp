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

TEST_F(ORVIteratorTest, SettingTheComparatorAlreadyHeldKeepsItAlive) {
  ORVVector vector(ORVDoNothingAtDelete);
  vector.Append(&_A);
  ORVVectorIterator iterator(&vector, &_A, 1, nullptr);
  ORVComparatorRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, new ORVTestShapeCmpName);
  iterator.SetHComparator(handler);
  handler.Set(ORVRfHndlrAddRef, nullptr);  // the iterator's handler holds the only reference
  iterator.SetComparator(iterator.GetComparator());
  EXPECT_EQ(iterator.GetHComparator().Get()->GetRefCount(), 1u);
  EXPECT_EQ(iterator.Next(), &_A);
}

// Without comparator, or given an empty handler, the iterator uses the global address
// comparator; through the handler it holds it.
TEST_F(ORVIteratorTest, AnEmptyComparatorHandlerHoldsTheGlobalAddressComparator) {
  ORVVector vector(ORVDoNothingAtDelete);
  PEVBaseUnknownCmpAddr* global = PEVBaseUnknownCmpAddr::GetGlobal();
  {
    ORVVectorIterator iterator(&vector, nullptr, 0, nullptr);
    EXPECT_EQ(&iterator.GetComparator(), global);
    EXPECT_FALSE(iterator.GetHComparator());
    iterator.SetHComparator(ORVComparatorRfHndlr());
    EXPECT_EQ(&iterator.GetComparator(), global);
    EXPECT_EQ(iterator.GetHComparator().Get(), global);
    EXPECT_EQ(global->GetRefCount(), 2u);
  }
  EXPECT_EQ(global->GetRefCount(), 1u);
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
