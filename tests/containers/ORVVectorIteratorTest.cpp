// Tests of ORVVectorIterator: both directions, ends, patterns, starting cursors, and
// positions left out of bounds by changes of the vector.
#include "ORVVectorIterator.h"

#include <gtest/gtest.h>

#include "ContainerTestClasses.h"
#include "ORVVector.h"

namespace {

const char kIteratorFile[] = "src/ORVVectorIterator.cpp";

class ORVVectorIteratorTest : public ORVContainerTestBase {
protected:
  ORVVectorIteratorTest() { AppendAll(_Vector, {&_A, &_B, &_A, &_C}); }

  static int IndexOf(ORVIterator& iIterator) {
    return ORVCheckedCast<ORVVectorCursor>(iIterator.Position())->GetIndex();
  }

  ORVVector _Vector{ORVDoNothingAtDelete};
  ORVTestShapeCmpName _ByName;
};
using ORVVectorIteratorDeathTest = ORVVectorIteratorTest;

}  // namespace

TEST_F(ORVVectorIteratorTest, WalksForwardThenStaysAtTheEnd) {
  ORVVectorIterator iterator(&_Vector, nullptr, 0, nullptr);
  EXPECT_EQ(IndexOf(iterator), -1);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Next(), &_B);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Next(), &_C);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(IndexOf(iterator), 4);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(IndexOf(iterator), 4);
  EXPECT_EQ(iterator.Previous(), &_C);  // resumes from the end
}

TEST_F(ORVVectorIteratorTest, WalksBackwardThenStaysBeforeTheFirst) {
  ORVVectorIterator iterator(&_Vector, nullptr, 0, nullptr);
  EXPECT_EQ(iterator.Previous(), nullptr);
  EXPECT_EQ(IndexOf(iterator), -1);
  EXPECT_EQ(iterator.Next(), &_A);
  iterator.ToEnd();
  EXPECT_EQ(IndexOf(iterator), 4);
  EXPECT_EQ(iterator.Previous(), &_C);
  EXPECT_EQ(iterator.Previous(), &_A);
  iterator.ToBegin();
  EXPECT_EQ(iterator.Previous(), nullptr);
  EXPECT_EQ(iterator.Next(), &_A);
}

TEST_F(ORVVectorIteratorTest, APatternStopsOnlyAtMatches) {
  ORVTestShape pattern("a");
  ORVVectorIterator iterator(&_Vector, &pattern, 1, &_ByName);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(IndexOf(iterator), 0);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(IndexOf(iterator), 2);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(IndexOf(iterator), 4);
  EXPECT_EQ(iterator.Previous(), &_A);
  EXPECT_EQ(IndexOf(iterator), 2);
  EXPECT_EQ(iterator.Previous(), &_A);
  EXPECT_EQ(iterator.Previous(), nullptr);
  EXPECT_EQ(IndexOf(iterator), -1);
}

TEST_F(ORVVectorIteratorTest, ABackwardSearchThatFindsNothingEndsBeforeTheFirst) {
  ORVTestShape absent("z");
  ORVVectorIterator iterator(&_Vector, &absent, 1, &_ByName);
  iterator.ToEnd();
  EXPECT_EQ(iterator.Previous(), nullptr);
  EXPECT_EQ(IndexOf(iterator), -1);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(IndexOf(iterator), 4);
}

TEST_F(ORVVectorIteratorTest, LookupAllAndMakeIteratorStartAtACopyOfTheCursor) {
  ORVVectorCursor onB(1);
  ORVIterator* iterator = _Vector.LookupAll(&onB, &_A);
  EXPECT_EQ(iterator->Next(), &_A);
  EXPECT_EQ(IndexOf(*iterator), 2);
  EXPECT_EQ(onB.GetIndex(), 1);
  iterator->Release();
  iterator = _Vector.MakeIterator(&onB);
  EXPECT_EQ(iterator->WithPattern(), 0u);
  EXPECT_EQ(iterator->Previous(), &_A);
  iterator->Release();
}

TEST_F(ORVVectorIteratorTest, ChangingThePatternOrComparatorStartsAFreshSearch) {
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

TEST_F(ORVVectorIteratorTest, AnIndexLeftBeyondTheEndIsBroughtBackBeforeStepping) {
  ORVVectorIterator iterator(&_Vector, nullptr, 0, nullptr);
  iterator.ToEnd();
  _Vector.Clear(0);
  _Vector.Append(&_D);
  _Vector.Append(&_B);
  EXPECT_EQ(iterator.Previous(), &_B);  // not the stale slot 3
  EXPECT_EQ(IndexOf(iterator), 1);
  iterator.ToEnd();
  _Vector.ExtractLast();
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(IndexOf(iterator), 1);
}

TEST_F(ORVVectorIteratorTest, AnIndexBelowBeforeTheFirstIsBroughtBackBeforeStepping) {
  ORVVectorCursor farBelow(-7);
  ORVVectorIterator forward(&_Vector, &farBelow, nullptr, 0, nullptr);
  EXPECT_EQ(forward.Next(), &_A);
  EXPECT_EQ(IndexOf(forward), 0);
  ORVVectorIterator backward(&_Vector, &farBelow, nullptr, 0, nullptr);
  EXPECT_EQ(backward.Previous(), nullptr);
  EXPECT_EQ(IndexOf(backward), -1);
  ORVVectorCursor farAbove(40);
  ORVVectorIterator fromAbove(&_Vector, &farAbove, nullptr, 0, nullptr);
  EXPECT_EQ(fromAbove.Previous(), &_C);
}

TEST_F(ORVVectorIteratorDeathTest, AnIteratorWithoutVectorIsFatal) {
  ORVVectorIterator iterator(nullptr, nullptr, 0, nullptr);
  iterator.ToBegin();
  ExpectFatalReport([&] { iterator.Next(); }, "vector_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { iterator.Previous(); }, "vector_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { iterator.ToEnd(); }, "vector_ is NULL", kIteratorFile);
}
