// Tests of the one-way iterators over a range of a vector and over one object.
#include "ORVOneWayIteratorOnInterval.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "ContainerTestClasses.h"
#include "ORVOneWayIteratorOnOneObject.h"
#include "ORVVector.h"

namespace {

// What iCalls calls of Next gave, space-separated: names, "-" for null.
std::string Calls(ORVOneWayIterator& ioIterator, int iCalls) {
  std::string names;
  for (int call = 0; call < iCalls; ++call) {
    PEVBaseUnknown* object = ioIterator.Next();
    names += (call ? " " : "") + (object ? NameOf(object) : std::string("-"));
  }
  return names;
}

class ORVOneWayIteratorOnIntervalTest : public ORVContainerTestBase {
protected:
  void SetUp() override { AppendAll(_Vector, {&_A, &_B, &_C, &_D, &_E, &_F}); }
  ORVTestShape _E{"e"};
  ORVTestShape _F{"f"};
  ORVVector _Vector{ORVDoNothingAtDelete};
};

}  // namespace

// The count positions from the first: positions outside the vector give null, and a
// range reaching the end of int neither overflows nor wraps to the start.
TEST_F(ORVOneWayIteratorOnIntervalTest, WalksTheCountPositionsFromTheFirst) {
  // {first, count, calls, expected}
  const std::tuple<int, int, int, const char*> rows[] = {
      {2, 3, 4, "c d e -"}, {2, 0, 1, "-"},         {2, -4, 1, "-"},       {4, 10, 3, "e f -"},
      {-1, 3, 2, "- a"},    {5, INT_MAX, 2, "f -"}, {INT_MAX, 1, 2, "- -"}};
  for (const auto& [first, count, calls, expected] : rows) {
    ORVOneWayIteratorOnInterval iterator(_Vector, first, count);
    EXPECT_EQ(Calls(iterator, calls), expected) << first << " " << count;
    iterator.ToBegin();
    EXPECT_EQ(Calls(iterator, calls), expected) << first << " " << count << " again";
  }
  ORVOneWayIteratorOnInterval interval(_Vector, 0, 1);
  EXPECT_TRUE(interval.IsAKindOf("ORVOneWayIterator"));
  EXPECT_FALSE(interval.IsAKindOf("ORVIterator"));
}

TEST_F(ORVOneWayIteratorOnIntervalTest, OneObjectIsGivenOnceUntilSetAgain) {
  ORVOneWayIteratorOnOneObject iterator(&_B);
  EXPECT_EQ(iterator.Next(), &_B);
  EXPECT_EQ(iterator.Next(), nullptr);
  iterator.SetpObject(&_C);
  EXPECT_EQ(Calls(iterator, 2), "c -");
  ORVOneWayIteratorOnOneObject empty(nullptr);
  EXPECT_EQ(empty.Next(), nullptr);
  EXPECT_EQ(ORVOneWayIteratorOnOneObject::MetaObject()->GetParent(),
            ORVOneWayIterator::MetaObject());
}
