// Tests of the one-way iterators (over a range of a vector, over one object), of the volatile
// one-way iterators and of the convertors they apply.
#include "ORVVolatileOneWayIterator.h"

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <string>
#include <tuple>
#include <type_traits>

#include "ContainerTestClasses.h"
#include "ORVCoupledConvertor.h"
#include "ORVOneWayIteratorOnInterval.h"
#include "ORVOneWayIteratorOnOneObject.h"
#include "ORVVector.h"
#include "ORVVolatileIteratorOnPatternForContainer.h"
#include "ORVVolatileOneWayIteratorForContainer.h"
#include "ORVVolatileOneWayIteratorForIterator.h"
#include "ORVVolatileOneWayIteratorOnOneObject.h"
#include "ORVVolatileOneWayIteratorWithConvertor.h"

// Converts a shape into a new shape whose name has a suffix; keeps what it made.
class ORVTestShapeConvSuffix : public ORVConvertor {
  ORV_META_OBJECT(ORVTestShapeConvSuffix)

public:
  explicit ORVTestShapeConvSuffix(std::string iSuffix) : _Suffix(std::move(iSuffix)) {}
  void Set(const PEVBaseUnknown* iObject) override {
    _Made.emplace_back(NameOf(iObject) + _Suffix);
    ++_SetCount;
  }
  const PEVBaseUnknown* GetConverted() const override {
    return _Made.empty() ? nullptr : &_Made.back();
  }
  int _SetCount = 0;

private:
  std::string _Suffix;
  std::deque<ORVTestShape> _Made;
};
ORV_META_OBJECT_DEFINE(ORVTestShapeConvSuffix, ORVConvertor)

namespace {

// What iCalls calls of Next gave, space-separated: names, "-" for null.
template <class Iterator>
std::string Calls(Iterator& ioIterator, int iCalls) {
  std::string names;
  for (int call = 0; call < iCalls; ++call) {
    const PEVBaseUnknown* object = ioIterator.Next();
    names += (call ? " " : "") + (object ? NameOf(object) : std::string("-"));
  }
  return names;
}

class ORVVolatileOneWayIteratorTest : public ORVContainerTestBase {
protected:
  ORVVolatileOneWayIteratorTest() { AppendAll(_Vector, {&_A, &_B, &_C, &_B}); }
  ORVVector _Vector{ORVDoNothingAtDelete};
  ORVTestShapeConvSuffix _Primed{"'"};
  ORVTestShapeConvSuffix _Starred{"*"};
};

}  // namespace

// The count positions from the first: positions outside the vector give null, and a
// range reaching either end of int neither overflows nor wraps.
TEST_F(ORVVolatileOneWayIteratorTest, IntervalWalksTheCountPositionsFromTheFirst) {
  // {first, count, calls, expected}
  const std::tuple<int, int, int, const char*> rows[] = {
      {1, 2, 3, "b c -"}, {1, 0, 1, "-"},         {1, -4, 1, "-"},        {2, 10, 3, "c b -"},
      {-1, 3, 2, "- a"},  {3, INT_MAX, 2, "b -"}, {INT_MAX, 1, 2, "- -"}, {INT_MIN, -5, 2, "- -"}};
  for (const auto& [first, count, calls, expected] : rows) {
    ORVOneWayIteratorOnInterval iterator(_Vector, first, count);
    EXPECT_EQ(Calls(iterator, calls), expected) << first << " " << count;
    iterator.ToBegin();
    EXPECT_EQ(Calls(iterator, calls), expected) << first << " " << count << " again";
  }
}

TEST_F(ORVVolatileOneWayIteratorTest, OneObjectIsGivenOnceUntilSetAgain) {
  ORVOneWayIteratorOnOneObject one(&_B);
  ORVVolatileOneWayIteratorOnOneObject volatileOne(&_C);
  EXPECT_EQ(Calls(one, 2) + " " + Calls(volatileOne, 2), "b - c -");
  one.SetpObject(&_C);
  volatileOne.SetpObject(&_D);
  EXPECT_EQ(Calls(one, 2) + " " + Calls(volatileOne, 2), "c - d -");
}

TEST_F(ORVVolatileOneWayIteratorTest, IteratorsOverContainersAndIteratorsConvertTheirElements) {
  ORVVolatileOneWayIteratorForContainer plain(_Vector, nullptr), converted(_Vector, &_Primed);
  EXPECT_EQ(Calls(plain, 5), "a b c b -");
  const PEVBaseUnknown* first = nullptr;
  EXPECT_EQ(converted.Next(first), 0);
  EXPECT_EQ(NameOf(first), "a'");
  EXPECT_EQ(Calls(converted, 4), "b' c' b' -");
  EXPECT_EQ(_Primed._SetCount, 4);  // not for the end
  ORVOneWayIteratorOnInterval interval(_Vector, 1, 2);
  ORVVolatileOneWayIteratorForIterator fromInterval(interval, &_Primed);
  ORVVolatileOneWayIteratorWithConvertor twice(fromInterval, &_Starred);
  EXPECT_EQ(Calls(twice, 3), "b'* c'* -");
  ORVCoupledConvertor coupled(_Primed, _Starred);
  coupled.Set(&_A);
  EXPECT_EQ(NameOf(coupled.GetConverted()), "a'*");
  EXPECT_EQ(ORVCoupledConvertor::MetaObject()->GetParent(), ORVConvertor::MetaObject());
}

TEST_F(ORVVolatileOneWayIteratorTest, PatternIteratorFindsTheMatchesAndRestarts) {
  ORVTestShapeCmpName byName;
  ORVVolatileIteratorOnPatternForContainer iterator(_Vector, &byName, &_Primed);
  ORVVolatileIteratorOnPatternForContainer byAddress(_Vector, nullptr, nullptr);
  ExpectFatalReport([&] { iterator.Next(); }, "GoToFirst() must be called before",
                    "src/ORVVolatileIteratorOnPatternForContainer.cpp");
  ORVTestShape pattern("b"), other("c");
  iterator.GoToFirst(&pattern);
  EXPECT_EQ(Calls(iterator, 3), "b' b' -");
  iterator.GoToFirst(&other);
  EXPECT_EQ(Calls(iterator, 2), "c' -");
  byAddress.GoToFirst(&pattern);
  EXPECT_EQ(byAddress.Next(), nullptr);
  byAddress.GoToFirst(&_B);
  EXPECT_EQ(Calls(byAddress, 3), "b b -");
}

// They own the container's iterator: a copy would release it twice.
static_assert(!std::is_copy_constructible_v<ORVVolatileOneWayIteratorForContainer> &&
              !std::is_copy_assignable_v<ORVVolatileOneWayIteratorForContainer>);
static_assert(!std::is_copy_constructible_v<ORVVolatileIteratorOnPatternForContainer> &&
              !std::is_copy_assignable_v<ORVVolatileIteratorOnPatternForContainer>);
