// Tests of the iterator base (the comparator given by reference, by handler or not at all),
// of ORVVectorIterator (fresh searches, positions left out of bounds by changes of the vector,
// no vector) and of ORVIteratorWithAllRfHndlr (forwarding, keeping the container, pattern and
// comparator alive, and its refusals).
#include "ORVIterator.h"

#include <gtest/gtest.h>

#include "ContainerTestClasses.h"
#include "ORVIteratorWithAllRfHndlr.h"
#include "ORVVector.h"
#include "ORVVectorIterator.h"
#include "PEVBaseUnknownCmpAddr.h"

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

class ORVIteratorTest : public ORVContainerTestBase {
protected:
  ORVIteratorTest() { AppendAll(_Vector, {&_A, &_B, &_A, &_C}); }

  ORVVector _Vector{ORVDoNothingAtDelete};
  ORVTestShapeCmpName _ByName;
};
using ORVIteratorDeathTest = ORVIteratorTest;

}  // namespace

// Without comparator, or given an empty handler, the iterator uses the global address
// comparator; through the handler it holds it.
TEST_F(ORVIteratorTest, TheComparatorByHandlerIsHeldAndByReferenceIsNot) {
  PEVBaseUnknownCmpAddr* global = PEVBaseUnknownCmpAddr::GetGlobal();
  {
    ORVVectorIterator iterator(&_Vector, &_B, 1, nullptr);
    EXPECT_EQ(&iterator.GetComparator(), global);
    EXPECT_FALSE(iterator.GetHComparator());
    iterator.SetHComparator(ORVComparatorRfHndlr());
    EXPECT_EQ(iterator.GetHComparator().Get(), global);
    EXPECT_EQ(global->GetRefCount(), 2u);
    ORVComparatorRfHndlr handler = Held<ORVComparatorRfHndlr>(&_ByName);
    iterator.SetHComparator(handler);
    EXPECT_EQ(&iterator.GetComparator(), &_ByName);
    EXPECT_EQ(_ByName.GetRefCount(), 3u);
    EXPECT_EQ(global->GetRefCount(), 1u);
    ORVTestShapeCmpLength byLength;
    iterator.SetComparator(byLength);
    EXPECT_EQ(&iterator.GetComparator(), &byLength);
    EXPECT_FALSE(iterator.GetHComparator());
    EXPECT_EQ(_ByName.GetRefCount(), 2u);
    // Setting the comparator the handler already holds keeps its only reference.
    iterator.SetHComparator(Held<ORVComparatorRfHndlr>(new ORVTestShapeCmpName, ORVRfHndlrAdopt));
    iterator.SetComparator(iterator.GetComparator());
    EXPECT_EQ(iterator.GetHComparator().Get()->GetRefCount(), 1u);
    EXPECT_EQ(iterator.Next(), &_B);
  }
  EXPECT_EQ(global->GetRefCount(), 1u);
}

TEST_F(ORVIteratorTest, VectorIteratorStartsAFreshSearchWhenPatternOrComparatorChange) {
  ORVTestShape pattern("b");
  ORVVectorIterator iterator(&_Vector, &pattern, 1, &_ByName);
  EXPECT_EQ(iterator.Next(), &_B);
  iterator.SetPattern(&_C);
  EXPECT_EQ(iterator.Next(), &_C);
  iterator.ToBegin();
  ORVTestShapeCmpLength byLength;
  iterator.SetComparator(byLength);
  EXPECT_EQ(iterator.Next(), &_A);  // every name has length one
  iterator.SetWithPattern(0);
  EXPECT_EQ(iterator.Next(), &_B);
}

TEST_F(ORVIteratorTest, VectorIteratorBringsAnIndexOutOfTheElementsBackBeforeStepping) {
  ORVVectorIterator iterator(&_Vector, nullptr, 0, nullptr);
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
  ORVIterator* wrapped = _Vector.LookupAll(&_A, _ByName);
  ORVIteratorWithAllRfHndlr iterator(wrapped, {}, Held<PEVBaseUnknownRfHndlr>(&_A), {});
  EXPECT_EQ(iterator.GetPattern(), &_A);
  EXPECT_EQ(iterator.WithPattern(), 1u);
  EXPECT_EQ(&iterator.GetComparator(), &_ByName);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Position(), wrapped->Position());
  EXPECT_EQ(IndexOf(iterator), 2);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(iterator.Previous(), &_A);
  iterator.SetWithPattern(0);
  EXPECT_EQ(iterator.Previous(), &_B);
  iterator.ToEnd();
  EXPECT_EQ(IndexOf(*wrapped), 4);
  iterator.ToBegin();
  EXPECT_EQ(IndexOf(*wrapped), -1);
  iterator.SetWithPattern(1);
  auto* byLength = new ORVTestShapeCmpLength();
  ORVComparatorRfHndlr handler = Held<ORVComparatorRfHndlr>(byLength, ORVRfHndlrAdopt);
  iterator.SetHComparator(handler);
  EXPECT_EQ(&wrapped->GetComparator(), byLength);
  EXPECT_EQ(iterator.GetHComparator().Get(), byLength);
  EXPECT_EQ(byLength->GetRefCount(), 3u);  // the caller, this iterator, the wrapped one
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Next(), &_B);
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
  ExpectFatalReport(
      [&] {
        make(_Vector.LookupAll(&_A, _ByName), {},
             Held<ORVComparatorRfHndlr>(new ORVTestShapeCmpName(), ORVRfHndlrAdopt));
      },
      "Wrong comparator", kWithAllFile);
  ExpectFatalReport(
      [&] { make(_Vector.LookupAll(&_A, _ByName), Held<PEVBaseUnknownRfHndlr>(&_B), {}); },
      "Wrong Pattern", kWithAllFile);
  ORVIteratorWithAllRfHndlr iterator(_Vector.MakeIterator(nullptr), {}, {}, {});
  ExpectFatalReport([&] { iterator.SetPattern(&_A); }, "SetPattern() is prohibited here",
                    kWithAllFile);
  ExpectFatalReport([&] { iterator.SetComparator(_ByName); }, "SetComparator() is prohibited here",
                    kWithAllFile);
}
