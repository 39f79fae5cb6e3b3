// Tests of the one-way iterators over a range of a vector and over one object.
#include "ORVOneWayIteratorOnInterval.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ContainerTestClasses.h"
#include "ORVOneWayIteratorOnOneObject.h"
#include "ORVVector.h"

namespace {

std::string Walk(ORVOneWayIterator& ioIterator) {
  std::string names;
  while (PEVBaseUnknown* object = ioIterator.Next())
    names += NameOf(object);
  return names;
}

class ORVOneWayIteratorOnIntervalTest : public ORVContainerTestBase {
protected:
  void SetUp() override {
    for (ORVTestShape* shape : {&_A, &_B, &_C, &_D, &_E, &_F})
      _Vector.Append(shape);
  }
  ORVTestShape _E{"e"};
  ORVTestShape _F{"f"};
  ORVVector _Vector{ORVDoNothingAtDelete};
};

}  // namespace

TEST_F(ORVOneWayIteratorOnIntervalTest, WalksTheCountPositionsFromTheFirst) {
  ORVOneWayIteratorOnInterval iterator(_Vector, 2, 3);
  EXPECT_EQ(Walk(iterator), "cde");
  EXPECT_EQ(iterator.Next(), nullptr);
  iterator.ToBegin();
  EXPECT_EQ(Walk(iterator), "cde");
}

TEST_F(ORVOneWayIteratorOnIntervalTest, EmptyRangeEndsAtOnce) {
  ORVOneWayIteratorOnInterval none(_Vector, 2, 0);
  EXPECT_EQ(none.Next(), nullptr);
  ORVOneWayIteratorOnInterval negative(_Vector, 2, -4);
  EXPECT_EQ(negative.Next(), nullptr);
}

TEST_F(ORVOneWayIteratorOnIntervalTest, PositionsOutsideTheVectorGiveNull) {
  ORVOneWayIteratorOnInterval beyond(_Vector, 4, 10);
  EXPECT_EQ(Walk(beyond), "ef");
  ORVOneWayIteratorOnInterval before(_Vector, -1, 3);
  EXPECT_EQ(before.Next(), nullptr);  // position -1 holds nothing
  EXPECT_EQ(NameOf(before.Next()), "a");
  // A range reaching the end of int neither overflows nor wraps to the start.
  ORVOneWayIteratorOnInterval huge(_Vector, 5, INT_MAX);
  EXPECT_EQ(NameOf(huge.Next()), "f");
  EXPECT_EQ(huge.Next(), nullptr);
  ORVOneWayIteratorOnInterval top(_Vector, INT_MAX, 1);
  EXPECT_EQ(top.Next(), nullptr);
  EXPECT_EQ(top.Next(), nullptr);
}

TEST_F(ORVOneWayIteratorOnIntervalTest, OneObjectIsGivenOnceUntilSetAgain) {
  ORVOneWayIteratorOnOneObject iterator(&_B);
  EXPECT_EQ(iterator.Next(), &_B);
  EXPECT_EQ(iterator.Next(), nullptr);
  iterator.SetpObject(&_C);
  EXPECT_EQ(Walk(iterator), "c");
  ORVOneWayIteratorOnOneObject empty(nullptr);
  EXPECT_EQ(empty.Next(), nullptr);
}

TEST_F(ORVOneWayIteratorOnIntervalTest, ClassTree) {
  ORVOneWayIteratorOnInterval interval(_Vector, 0, 1);
  EXPECT_TRUE(interval.IsAKindOf("ORVOneWayIterator"));
  EXPECT_FALSE(interval.IsAKindOf("ORVIterator"));
  EXPECT_EQ(ORVOneWayIteratorOnOneObject::MetaObject()->GetParent(),
            ORVOneWayIterator::MetaObject());
}
