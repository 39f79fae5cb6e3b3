// Tests of the volatile one-way iterators and the convertors they apply.
#include "ORVVolatileOneWayIterator.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <type_traits>

#include "ContainerTestClasses.h"
#include "ORVCoupledConvertor.h"
#include "ORVList.h"
#include "ORVOneWayIteratorOnInterval.h"
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
    const auto* shape = ORVCheckedCast<ORVTestShape>(iObject);
    _Made.emplace_back(shape ? shape->GetName() + _Suffix : "null" + _Suffix);
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

std::string Walk(ORVVolatileOneWayIterator& ioIterator) {
  std::string names;
  while (const PEVBaseUnknown* object = ioIterator.Next())
    names += NameOf(object) + " ";
  return names;
}

class ORVVolatileOneWayIteratorTest : public ORVContainerTestBase {
protected:
  void SetUp() override {
    for (ORVTestShape* shape : {&_A, &_B, &_C, &_B})
      _Vector.Append(shape);
  }
  ORVVector _Vector{ORVDoNothingAtDelete};
  ORVTestShapeConvSuffix _Primed{"'"};
  ORVTestShapeConvSuffix _Starred{"*"};
};

}  // namespace

TEST_F(ORVVolatileOneWayIteratorTest, CoupledConvertorChainsTheTwoConversions) {
  ORVCoupledConvertor coupled(_Primed, _Starred);
  coupled.Set(&_A);
  const PEVBaseUnknown* converted = coupled.GetConverted();
  EXPECT_EQ(NameOf(converted), "a'*");
  EXPECT_EQ(coupled.GetConverted(), converted);  // the same object until the next Set
  EXPECT_EQ(_Starred._SetCount, 1);
  EXPECT_EQ(ORVCoupledConvertor::MetaObject()->GetParent(), ORVConvertor::MetaObject());
}

TEST_F(ORVVolatileOneWayIteratorTest, ForContainerWalksTheContainerConverted) {
  ORVVolatileOneWayIteratorForContainer plain(_Vector, nullptr);
  EXPECT_EQ(Walk(plain), "a b c b ");
  ORVVolatileOneWayIteratorForContainer converted(_Vector, &_Primed);
  const PEVBaseUnknown* first = nullptr;
  EXPECT_EQ(converted.Next(first), 0);
  EXPECT_EQ(NameOf(first), "a'");
  EXPECT_EQ(Walk(converted), "b' c' b' ");
  EXPECT_EQ(converted.Next(first), 0);
  EXPECT_EQ(first, nullptr);
  ORVList list(ORVDoNothingAtDelete);
  AppendAll(list, {&_C, &_A});
  ORVVolatileOneWayIteratorForContainer overList(list, &_Starred);
  EXPECT_EQ(Walk(overList), "c* a* ");
}

TEST_F(ORVVolatileOneWayIteratorTest, ForIteratorAndWithConvertorConvertTheirSource) {
  ORVOneWayIteratorOnInterval interval(_Vector, 1, 2);
  ORVVolatileOneWayIteratorForIterator fromInterval(interval, &_Primed);
  ORVVolatileOneWayIteratorWithConvertor twice(fromInterval, &_Starred);
  EXPECT_EQ(Walk(twice), "b'* c'* ");
  ORVOneWayIteratorOnInterval again(_Vector, 0, 1);
  ORVVolatileOneWayIteratorForIterator unconverted(again, nullptr);
  ORVVolatileOneWayIteratorWithConvertor passThrough(unconverted, nullptr);
  EXPECT_EQ(Walk(passThrough), "a ");
}

TEST_F(ORVVolatileOneWayIteratorTest, NullElementsEndTheWalkWithoutConversion) {
  ORVVector& withNull = VectorOf({nullptr, &_A});
  ORVVolatileOneWayIteratorForContainer iterator(withNull, &_Primed);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(_Primed._SetCount, 0);
}

TEST_F(ORVVolatileOneWayIteratorTest, PatternIteratorFindsTheMatchesAndRestarts) {
  ORVTestShapeCmpName byName;
  ORVVolatileIteratorOnPatternForContainer iterator(_Vector, &byName, &_Primed);
  ORVTestShape pattern("b");
  iterator.GoToFirst(&pattern);
  EXPECT_EQ(Walk(iterator), "b' b' ");
  ORVTestShape other("c");
  iterator.GoToFirst(&other);
  EXPECT_EQ(Walk(iterator), "c' ");
  iterator.GoToFirst(&pattern);
  const PEVBaseUnknown* object = nullptr;
  EXPECT_EQ(iterator.Next(object), 0);
  EXPECT_EQ(NameOf(object), "b'");
  // Without comparator: by address.
  ORVVolatileIteratorOnPatternForContainer byAddress(_Vector, nullptr, nullptr);
  byAddress.GoToFirst(&pattern);
  EXPECT_EQ(byAddress.Next(), nullptr);
  byAddress.GoToFirst(&_B);
  EXPECT_EQ(Walk(byAddress), "b b ");
}

TEST_F(ORVVolatileOneWayIteratorTest, PatternIteratorNeedsGoToFirst) {
  ORVVolatileIteratorOnPatternForContainer iterator(_Vector, nullptr, nullptr);
  ExpectFatalReport([&] { iterator.Next(); }, "GoToFirst() must be called before",
                    "src/ORVVolatileIteratorOnPatternForContainer.cpp");
}

// They own the container's iterator: a copy would release it twice.
static_assert(!std::is_copy_constructible_v<ORVVolatileOneWayIteratorForContainer> &&
              !std::is_copy_assignable_v<ORVVolatileOneWayIteratorForContainer>);
static_assert(!std::is_copy_constructible_v<ORVVolatileIteratorOnPatternForContainer> &&
              !std::is_copy_assignable_v<ORVVolatileIteratorOnPatternForContainer>);

TEST_F(ORVVolatileOneWayIteratorTest, OneObjectIsGivenOnceUntilSetAgain) {
  ORVVolatileOneWayIteratorOnOneObject iterator(&_C);
  EXPECT_EQ(Walk(iterator), "c ");
  iterator.SetpObject(&_D);
  const PEVBaseUnknown* object = nullptr;
  EXPECT_EQ(iterator.Next(object), 0);
  EXPECT_EQ(object, &_D);
  EXPECT_EQ(iterator.Next(), nullptr);
}
