// Tests of ORVVector that its model test leaves out: the fatal texts, copies and their
// arrays, and when a removal is reported.
#include "ORVVector.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVVectorCursor.h"

namespace {

const char kVectorFile[] = "src/ORVVector.cpp";

class ORVVectorTest : public ORVContainerTestBase {
protected:
  ORVVector _Vector{ORVDoNothingAtDelete};
};
using ORVVectorDeathTest = ORVVectorTest;

}  // namespace

TEST_F(ORVVectorDeathTest, WrongPositionsCursorsAndLinkedCopiesAreFatal) {
  auto fatal = [](const std::function<void()>& iBody, const std::string& iText) {
    ExpectFatalReport(iBody, iText, kVectorFile);
  };
  fatal([] { ORVVector(ORVDoNothingAtDelete, 0); }, "Can not create an empty vector");
  fatal([&] { _Vector.Set(-1, &_A); }, "ORVVector::Set(int, PEVBaseUnknown *): wrong position");
  fatal([&] { _Vector.Set(INT_MAX, &_A); }, "ORVVector: size overflow");
  AppendAll(_Vector, {&_A, &_B, &_C});
  std::string insert = "ORVVector::Insert(PEVBaseUnknown *, int): wrong position";
  fatal([&] { _Vector.Insert(&_D, 4); }, insert);
  fatal([&] { _Vector.Insert(&_D, -1); }, insert);
  ORVVectorCursor outside(3), beforeFirst;
  std::string set = "ORVVector::operator[](const PEVBaseUnknown *): wrong position";
  fatal([&] { _Vector.Set(&outside, &_D); }, set);
  fatal([&] { _Vector.Set(&beforeFirst, &_D); }, set);
  fatal([&] { _Vector.InsertBefore(nullptr, &_D); }, "cursor is NULL");
  ORVTestCursor foreign;
  ExpectFatalReport(
      [&] { _Vector.Remove(&foreign); },
      "ORVConversionCheck::Check: object is not a \"ORVVectorCursor\" but a \"ORVTestCursor\"",
      "src/ORVMacro.cpp");
  ORVVector source(ORVDoNothingAtDelete);
  Record({&_Vector});
  fatal([&] { _Vector = source; }, "Not yet implemented with a Link");
}

// Copies share the elements and take WhatToDoAtDelete, not the link; an assignment
// replaces the array only when it is too small.
TEST_F(ORVVectorTest, CopiesShareTheElementsAndTakeWhatToDoAtDeleteButNotTheLink) {
  ORVVector source(ORVReleaseElementsAtDelete), small(ORVDoNothingAtDelete, 2);
  ORVVector large(ORVDoNothingAtDelete, 50);
  AppendAll(source, {&_A, &_B, &_C});
  Record({&source});
  ORVVector copy(source), emptyCopy(_Vector);
  EXPECT_EQ(Names(copy), Names(source));
  EXPECT_EQ(copy.GetCapacity(), 3);
  EXPECT_EQ(copy.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  EXPECT_EQ(copy.GetLink(), nullptr);
  EXPECT_EQ(emptyCopy.GetCapacity(), 0);
  emptyCopy.Destroy();  // without an array
  EXPECT_TRUE(emptyCopy.IsEmpty());
  small = source;
  EXPECT_EQ(Names(small), Names(source));
  EXPECT_EQ(small.GetCapacity(), 3);
  EXPECT_EQ(small.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  PEVBaseUnknown** contents = large.Contents();
  large = source;
  EXPECT_EQ(large.Contents(), contents);
  ORVVector& alias = large;  // assigned to itself: unchanged
  large = alias;
  EXPECT_EQ(Names(large), Names(source));
  large = _Vector;
  EXPECT_TRUE(large.IsEmpty());
  for (ORVVector* owner : {&source, &copy, &small, &large})
    owner->SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}
