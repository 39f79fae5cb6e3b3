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

TEST_F(ORVVectorIteratorTest, AnIndexOutOfTheElementsIsBroughtBackBeforeStepping) {
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

TEST_F(ORVVectorIteratorDeathTest, AnIteratorWithoutVectorIsFatal) {
  ORVVectorIterator iterator(nullptr, nullptr, 0, nullptr);
  iterator.ToBegin();
  ExpectFatalReport([&] { iterator.Next(); }, "vector_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { iterator.Previous(); }, "vector_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { iterator.ToEnd(); }, "vector_ is NULL", kIteratorFile);
}
