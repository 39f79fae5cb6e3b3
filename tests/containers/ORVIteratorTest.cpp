// Tests of the iterators: the base (the comparator given by reference, by handler or not at
// all), the vector iterator (fresh searches, positions left out of bounds by changes of the
// vector, no vector), the iterator with handlers (forwarding, keeping the container, pattern and
// comparator alive, its refusals), the one-way iterators over a range and over one object, the
// volatile one-way iterators and the convertors they apply.
#include "ORVIterator.h"

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <string>
#include <tuple>
#include <type_traits>

#include "ContainerTestClasses.h"
#include "ORVCoupledConvertor.h"
#include "ORVIteratorWithAllRfHndlr.h"
#include "ORVOneWayIteratorOnInterval.h"
#include "ORVOneWayIteratorOnOneObject.h"
#include "ORVVector.h"
#include "ORVVectorIterator.h"
#include "ORVVolatileIteratorOnPatternForContainer.h"
#include "ORVVolatileOneWayIteratorForContainer.h"
#include "ORVVolatileOneWayIteratorForIterator.h"
#include "ORVVolatileOneWayIteratorOnOneObject.h"
#include "ORVVolatileOneWayIteratorWithConvertor.h"
#include "PEVBaseUnknownCmpAddr.h"

// Converts a shape into a new shape whose name has a suffix; keeps what it made.
class ORVTestShapeConvSuffix : public ORVConvertor {
  ORV_META_OBJECT(ORVTestShapeConvSuffix)

public:
  explicit ORVTestShapeConvSuffix(std::string iSuffix) : _Suffix(std::move(iSuffix)) {}
  void Set(const PEVBaseUnknown* iObject) override {
    _Made.emplace_back(NameOf(iObject) + _Suffix);
  }
  const PEVBaseUnknown* GetConverted() const override {
    return _Made.empty() ? nullptr : &_Made.back();
  }
  std::string _Suffix;
  std::deque<ORVTestShape> _Made;
};
ORV_META_OBJECT_DEFINE(ORVTestShapeConvSuffix, ORVConvertor)

namespace {

const char kWithAllFile[] = "src/ORVIteratorWithAllRfHndlr.cpp";

// A handler of iObject, taking a reference of its own or adopting the caller's.
template <class Handler, class Object>
Handler Held(Object* iObject, ORVRfHndlrStateEnum iState = ORVRfHndlrAddRef) {
  Handler handler;
  handler.Set(iState, iObject);
  return handler;
}

int IndexOf(ORVIterator& iIterator) {
  return ORVCheckedCast<ORVVectorCursor>(iIterator.Position())->GetIndex();
}

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

class ORVIteratorTest : public ORVContainerTestBase {
protected:
  ORVIteratorTest() { AppendAll(_Vector, {&_A, &_B, &_C, &_B}); }

  ORVVector _Vector{ORVDoNothingAtDelete};
  ORVTestShapeCmpName _ByName;
  ORVTestShapeConvSuffix _Primed{"'"};
  ORVTestShapeConvSuffix _Starred{"*"};
};
using ORVIteratorDeathTest = ORVIteratorTest;

}  // namespace

// Without comparator, or given an empty handler, the iterator uses the global address
// comparator; through the handler it holds it.
TEST_F(ORVIteratorTest, TheComparatorByHandlerIsHeldAndByReferenceIsNot) {
  PEVBaseUnknownCmpAddr* global = PEVBaseUnknownCmpAddr::GetGlobal();
  ORVVectorIterator iterator(&_Vector, &_B, 1, nullptr);
  EXPECT_EQ(&iterator.GetComparator(), global);
  EXPECT_FALSE(iterator.GetHComparator());
  iterator.SetHComparator(ORVComparatorRfHndlr());
  EXPECT_EQ(iterator.GetHComparator().Get(), global);
  EXPECT_EQ(global->GetRefCount(), 2u);
  iterator.SetHComparator(Held<ORVComparatorRfHndlr>(&_ByName));
  EXPECT_EQ(&iterator.GetComparator(), &_ByName);
  EXPECT_EQ(_ByName.GetRefCount(), 2u);
  EXPECT_EQ(global->GetRefCount(), 1u);
  ORVTestShapeCmpLength byLength;
  iterator.SetComparator(byLength);
  EXPECT_EQ(&iterator.GetComparator(), &byLength);
  EXPECT_FALSE(iterator.GetHComparator());
  // Setting the comparator the handler already holds keeps its only reference.
  iterator.SetHComparator(Held<ORVComparatorRfHndlr>(new ORVTestShapeCmpName, ORVRfHndlrAdopt));
  iterator.SetComparator(iterator.GetComparator());
  EXPECT_EQ(iterator.GetHComparator().Get()->GetRefCount(), 1u);
  EXPECT_EQ(iterator.Next(), &_B);
}

// An index the vector's changes left out of the elements is brought back before a step.
TEST_F(ORVIteratorTest, VectorIteratorStepsBackIntoTheVectorAfterItShrinks) {
  ORVVectorIterator iterator(&_Vector, nullptr, 0, &_ByName);
  iterator.ToEnd();
  _Vector.Clear(0);
  AppendAll(_Vector, {&_D, &_B});
  EXPECT_EQ(iterator.Previous(), &_B);  // not the stale slot 3
  EXPECT_EQ(IndexOf(iterator), 1);
  iterator.ToEnd();
  _Vector.ExtractLast();
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(IndexOf(iterator), 1);
}

TEST_F(ORVIteratorTest, WithAllRfHndlrForwardsEveryQuestionToTheWrappedIterator) {
  ORVIterator* wrapped = _Vector.LookupAll(&_B, _ByName);
  ORVIteratorWithAllRfHndlr iterator(wrapped, {}, Held<PEVBaseUnknownRfHndlr>(&_B), {});
  EXPECT_EQ(iterator.GetPattern(), &_B);
  EXPECT_EQ(iterator.WithPattern(), 1u);
  EXPECT_EQ(&iterator.GetComparator(), &_ByName);
  EXPECT_EQ(Calls(iterator, 2), "b b");
  EXPECT_EQ(IndexOf(iterator), 3);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(iterator.Previous(), &_B);
  iterator.SetWithPattern(0);
  EXPECT_EQ(iterator.Previous(), &_C);
  iterator.ToEnd();
  EXPECT_EQ(IndexOf(*wrapped), 4);
  iterator.ToBegin();
  EXPECT_EQ(IndexOf(*wrapped), -1);
  iterator.SetWithPattern(1);
  auto* byLength = new ORVTestShapeCmpLength();
  iterator.SetHComparator(Held<ORVComparatorRfHndlr>(byLength, ORVRfHndlrAdopt));
  EXPECT_EQ(&wrapped->GetComparator(), byLength);
  EXPECT_EQ(iterator.GetHComparator().Get(), byLength);
  EXPECT_EQ(byLength->GetRefCount(), 2u);  // this iterator and the wrapped one
  EXPECT_EQ(Calls(iterator, 2), "a b");
}

TEST_F(ORVIteratorTest, WithAllRfHndlrKeepsContainerPatternAndComparatorAliveUntilItGoes) {
  int live = ORVTestShape::_LiveCount;
  auto* vector = new ORVVector(ORVReleaseElementsAtDelete);
  auto* pattern = new ORVTestShape("x");
  auto* comparator = new ORVTestShapeCmpName();
  AppendAll(*vector, {new ORVTestShape("w"), new ORVTestShape("x")});
  auto* iterator = new ORVIteratorWithAllRfHndlr(
      vector->LookupAll(pattern, *comparator), Held<ORVContainerRfHndlr>(vector, ORVRfHndlrAdopt),
      Held<PEVBaseUnknownRfHndlr>(pattern, ORVRfHndlrAdopt),
      Held<ORVComparatorRfHndlr>(comparator, ORVRfHndlrAdopt));
  EXPECT_EQ(vector->GetRefCount(), 1u);
  EXPECT_EQ(NameOf(iterator->Next()), "x");
  EXPECT_EQ(comparator->_Comparisons, 2);
  iterator->Release();
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
}

TEST_F(ORVIteratorDeathTest, NoVectorAndWhatWouldEscapeTheHandlersAreFatal) {
  ORVVectorIterator noVector(nullptr, nullptr, 0, nullptr);
  ExpectFatalReport([&] { noVector.Next(); }, "vector_ is NULL", "src/ORVVectorIterator.cpp");
  auto make = [&](ORVIterator* iIterator, const PEVBaseUnknownRfHndlr& iPattern,
                  const ORVComparatorRfHndlr& iComparator) {
    ORVIteratorWithAllRfHndlr(iIterator, {}, iPattern, iComparator);
  };
  ExpectFatalReport([&] { make(nullptr, {}, {}); }, "pIterator == NULL", kWithAllFile);
  auto other = Held<ORVComparatorRfHndlr>(new ORVTestShapeCmpName(), ORVRfHndlrAdopt);
  ExpectFatalReport([&] { make(_Vector.LookupAll(&_A, _ByName), {}, other); }, "Wrong comparator",
                    kWithAllFile);
  ExpectFatalReport(
      [&] { make(_Vector.LookupAll(&_A, _ByName), Held<PEVBaseUnknownRfHndlr>(&_B), {}); },
      "Wrong Pattern", kWithAllFile);
  ORVIteratorWithAllRfHndlr iterator(_Vector.MakeIterator(nullptr), {}, {}, {});
  ExpectFatalReport([&] { iterator.SetPattern(&_A); }, "SetPattern() is prohibited here",
                    kWithAllFile);
  ExpectFatalReport([&] { iterator.SetComparator(_ByName); }, "SetComparator() is prohibited here",
                    kWithAllFile);
}

// The count positions from the first: positions outside the vector give null, and a
// range reaching either end of int neither overflows nor wraps.
TEST_F(ORVIteratorTest, IntervalWalksTheCountPositionsFromTheFirst) {
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

TEST_F(ORVIteratorTest, IteratorsOverOneObjectContainersAndIteratorsConvertTheirElements) {
  ORVOneWayIteratorOnOneObject one(&_B);  // one object is given once until set again
  ORVVolatileOneWayIteratorOnOneObject volatileOne(&_C);
  EXPECT_EQ(Calls(one, 2) + " " + Calls(volatileOne, 2), "b - c -");
  one.SetpObject(&_C);
  volatileOne.SetpObject(&_D);
  EXPECT_EQ(Calls(one, 2) + " " + Calls(volatileOne, 2), "c - d -");
  ORVVolatileOneWayIteratorForContainer plain(_Vector, nullptr), converted(_Vector, &_Primed);
  EXPECT_EQ(Calls(plain, 5), "a b c b -");
  const PEVBaseUnknown* first = nullptr;
  EXPECT_EQ(converted.Next(first), 0);
  EXPECT_EQ(NameOf(first), "a'");
  EXPECT_EQ(Calls(converted, 4), "b' c' b' -");
  EXPECT_EQ(_Primed._Made.size(), 4u);  // not for the end
  ORVOneWayIteratorOnInterval interval(_Vector, 1, 2);
  ORVVolatileOneWayIteratorForIterator fromInterval(interval, &_Primed);
  ORVVolatileOneWayIteratorWithConvertor twice(fromInterval, &_Starred);
  EXPECT_EQ(Calls(twice, 3), "b'* c'* -");
  ORVCoupledConvertor coupled(_Primed, _Starred);
  coupled.Set(&_A);
  EXPECT_EQ(NameOf(coupled.GetConverted()), "a'*");
  EXPECT_EQ(ORVCoupledConvertor::MetaObject()->GetParent(), ORVConvertor::MetaObject());
}

TEST_F(ORVIteratorTest, PatternIteratorFindsTheMatchesAndRestarts) {
  ORVVolatileIteratorOnPatternForContainer iterator(_Vector, &_ByName, &_Primed);
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
