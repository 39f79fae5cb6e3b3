// Tests of ORVVector: growth, positional and cursor operations with their bounds,
// link notifications, copies, fatal texts, and a randomized comparison with std::vector.
#include "ORVVector.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVIterator.h"
#include "ORVVectorCursor.h"

using testing::ElementsAre;

namespace {

const char kVectorFile[] = "src/ORVVector.cpp";

class ORVVectorTest : public ORVContainerTestBase {
protected:
  ORVVector _Vector{ORVDoNothingAtDelete};
};
using ORVVectorDeathTest = ORVVectorTest;

}  // namespace

TEST_F(ORVVectorTest, CapacityGrowsToTwiceAndEight) {
  EXPECT_EQ(_Vector.GetCapacity(), 0);
  EXPECT_EQ(_Vector.Contents(), nullptr);
  // (number of elements, capacity) after each append that changed the capacity.
  std::vector<std::pair<int, int>> changes;
  for (int i = 0; i < 121; ++i) {
    int capacity = _Vector.GetCapacity();
    _Vector.Append(i == 8 ? &_C : &_A);
    if (_Vector.GetCapacity() != capacity) changes.emplace_back(_Vector.Size(), capacity);
  }
  EXPECT_THAT(changes,
              ElementsAre(std::make_pair(1, 0), std::make_pair(9, 8), std::make_pair(25, 24),
                          std::make_pair(57, 56), std::make_pair(121, 120)));
  EXPECT_EQ(_Vector.GetCapacity(), 248);
  EXPECT_EQ(_Vector[8], &_C);  // the elements moved with the array
  ORVVector one(ORVDoNothingAtDelete, 1);
  AppendAll(one, {&_A});
  EXPECT_EQ(one.GetCapacity(), 1);
  one.Append(&_B);
  EXPECT_EQ(one.GetCapacity(), 10);
  EXPECT_THAT(Names(one), ElementsAre("a", "b"));
}

TEST_F(ORVVectorDeathTest, WrongPositionsCursorsAndLinkedCopiesAreFatal) {
  ExpectFatalReport([] { ORVVector(ORVDoNothingAtDelete, 0); }, "Can not create an empty vector",
                    kVectorFile);
  ExpectFatalReport([] { ORVVector(ORVDoNothingAtDelete, -3); }, "Can not create an empty vector",
                    kVectorFile);
  ExpectFatalReport([&] { _Vector.Set(-1, &_A); },
                    "ORVVector::Set(int, PEVBaseUnknown *): wrong position", kVectorFile);
  ExpectFatalReport([&] { _Vector.Set(INT_MAX, &_A); }, "ORVVector: size overflow", kVectorFile);
  AppendAll(_Vector, {&_A, &_B, &_C});
  std::string insert = "ORVVector::Insert(PEVBaseUnknown *, int): wrong position";
  ExpectFatalReport([&] { _Vector.Insert(&_D, 4); }, insert, kVectorFile);
  ExpectFatalReport([&] { _Vector.Insert(&_D, -1); }, insert, kVectorFile);
  ORVVectorCursor outside(3);
  ORVVectorCursor beforeFirst;
  std::string set = "ORVVector::operator[](const PEVBaseUnknown *): wrong position";
  ExpectFatalReport([&] { _Vector.Set(&outside, &_D); }, set, kVectorFile);
  ExpectFatalReport([&] { _Vector.Set(&beforeFirst, &_D); }, set, kVectorFile);
  ExpectFatalReport([&] { _Vector.InsertBefore(nullptr, &_D); }, "cursor is NULL", kVectorFile);
  ExpectFatalReport([&] { _Vector.Remove(static_cast<ORVCursor*>(nullptr)); }, "cursor is NULL",
                    kVectorFile);
  ExpectFatalReport([&] { _Vector.InsertAfter(nullptr, &_D); }, "cursor is NULL", kVectorFile);
  ORVTestCursor foreign;
  std::string conversion = WrongCursorText("ORVVectorCursor");
  ExpectFatalReport([&] { _Vector.Remove(&foreign); }, conversion, "src/ORVMacro.cpp");
  ExpectFatalReport([&] { _Vector.MakeIterator(&foreign); }, conversion, "src/ORVMacro.cpp");
  ORVVector source(ORVDoNothingAtDelete);
  Record({&_Vector});
  ExpectFatalReport([&] { _Vector = source; }, "Not yet implemented with a Link", kVectorFile);
}

TEST_F(ORVVectorTest, LinearSearchesInBothDirections) {
  ORVTestShapeCmpName byName;
  ORVTestShape pattern("a");
  ORVTestShape absent("z");
  AppendAll(_Vector, {&_A, &_B, &_A});
  // {start, forward, expected} with the pattern, first search.
  const int rows[][3] = {{0, 1, 0},   {3, 1, 3},  {2, 0, 2}, {1, 0, 0},
                         {-1, 0, -1}, {-5, 1, 0}, {9, 0, 2}};
  for (const auto& row : rows)
    EXPECT_EQ(_Vector.Search(row[0], row[1], 1, &pattern, byName), row[2]) << row[0] << row[1];
  EXPECT_EQ(_Vector.Search(1, 1, 0, &pattern, byName), 2);  // continued from the start
  EXPECT_EQ(_Vector.Search(0, 1, 1, &absent, byName), 3);
  EXPECT_EQ(_Vector.Search(2, 0, 1, &absent, byName), -1);
  EXPECT_EQ(_Vector.SearchObject(1, 1, &_A), 2);
  EXPECT_EQ(_Vector.SearchObject(-4, 1, &_A), 0);
  EXPECT_EQ(_Vector.SearchObject(0, 1, &_C), 3);
  EXPECT_EQ(_Vector.SearchObject(5, 1, &_C), 5);
}

TEST_F(ORVVectorTest, CopiesShareTheElementsAndTakeWhatToDoAtDeleteButNotTheLink) {
  ORVVector source(ORVReleaseElementsAtDelete);
  AppendAll(source, {&_A, &_B, &_C});
  Record({&source});
  ORVVector copy(source);
  EXPECT_THAT(Names(copy), ElementsAre("a", "b", "c"));
  EXPECT_EQ(copy.GetCapacity(), 3);
  EXPECT_EQ(copy.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  EXPECT_EQ(copy.GetLink(), nullptr);
  ORVVector emptyCopy(_Vector);
  EXPECT_EQ(emptyCopy.GetCapacity(), 0);
  // Assignment replaces the array only when it is too small.
  ORVVector small(ORVDoNothingAtDelete, 2);
  small = source;
  EXPECT_THAT(Names(small), ElementsAre("a", "b", "c"));
  EXPECT_EQ(small.GetCapacity(), 3);
  EXPECT_EQ(small.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  ORVVector large(ORVDoNothingAtDelete, 50);
  PEVBaseUnknown** contents = large.Contents();
  large = source;
  EXPECT_EQ(large.Contents(), contents);
  ORVVector& alias = large;
  large = alias;
  EXPECT_THAT(Names(large), ElementsAre("a", "b", "c"));
  large = _Vector;
  EXPECT_TRUE(large.IsEmpty());
  for (ORVVector* owner : {&source, &copy, &small, &large})
    owner->SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}

// A removal at a cursor steps the cursor back and is reported after it is made.
TEST_F(ORVVectorTest, RemovalAtACursorIsReportedAfterItIsMade) {
  AppendAll(_Vector, {&_A, &_B, &_C});
  ORVTestRecordingLink* link = Record({&_Vector});
  ORVVectorCursor onB(1);
  EXPECT_EQ(_Vector.Remove(&onB), &_B);
  EXPECT_EQ(onB.GetIndex(), 0);
  EXPECT_THAT(link->Texts(), ElementsAre("RemoveObject b"));
  EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, 2);
}
