// Tests of ORVVector: growth, positional and cursor operations with their bounds,
// link notifications, copies, fatal texts, and a randomized comparison with std::vector.
#include "ORVVector.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

#include "ContainerTestClasses.h"
#include "FatalReport.h"
#include "ORVIterator.h"
#include "ORVVectorCursor.h"

using testing::ElementsAre;

namespace {

const char kVectorFile[] = "src/ORVVector.cpp";

class ORVVectorTest : public ORVContainerTestBase {
protected:
  // The names of the elements, in order.
  static std::vector<std::string> Names(const ORVVector& iVector) {
    std::vector<std::string> names;
    for (int i = 0; i < iVector.Size(); ++i)
      names.push_back(NameOf(iVector[i]));
    return names;
  }

  // A vector holding a, b, c.
  void FillABC(ORVVector& ioVector) {
    ioVector.Append(&_A);
    ioVector.Append(&_B);
    ioVector.Append(&_C);
  }
};
using ORVVectorDeathTest = ORVVectorTest;

}  // namespace

TEST_F(ORVVectorTest, CapacityGrowsToTwiceAndEight) {
  ORVVector vector(ORVDoNothingAtDelete);
  EXPECT_EQ(vector.GetCapacity(), 0);
  EXPECT_EQ(vector.Contents(), nullptr);
  // (number of elements, capacity) after each append that changed the capacity.
  std::vector<std::pair<int, int>> changes;
  for (int i = 0; i < 121; ++i) {
    int capacity = vector.GetCapacity();
    vector.Append(i == 8 ? &_C : &_A);
    if (vector.GetCapacity() != capacity) changes.emplace_back(vector.Size(), vector.GetCapacity());
  }
  EXPECT_THAT(changes,
              ElementsAre(std::make_pair(1, 8), std::make_pair(9, 24), std::make_pair(25, 56),
                          std::make_pair(57, 120), std::make_pair(121, 248)));
  EXPECT_EQ(vector[8], &_C);  // the elements moved with the array
}

TEST_F(ORVVectorTest, InitialCapacityOfOneGrowsToTen) {
  ORVVector vector(ORVDoNothingAtDelete, 1);
  EXPECT_EQ(vector.GetCapacity(), 1);
  vector.Append(&_A);
  EXPECT_EQ(vector.GetCapacity(), 1);
  vector.Append(&_B);
  EXPECT_EQ(vector.GetCapacity(), 10);
  EXPECT_THAT(Names(vector), ElementsAre("a", "b"));
}

TEST_F(ORVVectorDeathTest, EmptyInitialCapacityIsFatal) {
  EXPECT_EXIT(ORVVector(ORVDoNothingAtDelete, 0), testing::ExitedWithCode(255),
              FatalReportPattern("Can not create an empty vector", kVectorFile));
  EXPECT_EXIT(ORVVector(ORVDoNothingAtDelete, -3), testing::ExitedWithCode(255),
              FatalReportPattern("Can not create an empty vector", kVectorFile));
}

TEST_F(ORVVectorTest, SetBeyondTheEndGrowsWithNullsAndReportsAReplacement) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(handler);
  vector.Set(5, &_A);
  EXPECT_EQ(vector.Size(), 6);
  EXPECT_THAT(Names(vector), ElementsAre("null", "null", "null", "null", "null", "a"));
  vector.Set(2, &_B);
  EXPECT_THAT(Names(vector), ElementsAre("null", "null", "b", "null", "null", "a"));
  EXPECT_THAT(link->Texts(), ElementsAre("ReplaceObject null a", "ReplaceObject null b"));
}

TEST_F(ORVVectorTest, SetBeyondTheEndNullsSlotsLeftFromEarlierElements) {
  ORVVector vector(ORVDoNothingAtDelete);
  FillABC(vector);
  vector.Clear(0);
  vector.Set(2, &_D);
  EXPECT_THAT(Names(vector), ElementsAre("null", "null", "d"));
}

TEST_F(ORVVectorDeathTest, SetAtANegativeIndexOrPastIntIsFatal) {
  ORVVector vector(ORVDoNothingAtDelete);
  EXPECT_EXIT(
      vector.Set(-1, &_A), testing::ExitedWithCode(255),
      FatalReportPattern("ORVVector::Set(int, PEVBaseUnknown *): wrong position", kVectorFile));
  EXPECT_EXIT(vector.Set(INT_MAX, &_A), testing::ExitedWithCode(255),
              FatalReportPattern("ORVVector: size overflow", kVectorFile));
}

TEST_F(ORVVectorTest, IndexesOutsideTheElementsReadAsNull) {
  ORVVector vector(ORVDoNothingAtDelete);
  EXPECT_EQ(vector.First(), nullptr);
  EXPECT_EQ(vector.Last(), nullptr);
  EXPECT_EQ(vector[0], nullptr);
  FillABC(vector);
  EXPECT_EQ(vector[-1], nullptr);
  EXPECT_EQ(vector[INT_MIN], nullptr);
  EXPECT_EQ(vector[3], nullptr);
  EXPECT_EQ(vector.First(), &_A);
  EXPECT_EQ(vector.Last(), &_C);
}

TEST_F(ORVVectorTest, ExtractFirstAndLastAreNotReported) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  FillABC(vector);
  vector.SetHLink(handler);
  EXPECT_EQ(vector.ExtractFirst(), &_A);
  EXPECT_THAT(Names(vector), ElementsAre("b", "c"));
  EXPECT_EQ(vector.ExtractLast(), &_C);
  EXPECT_EQ(vector.ExtractLast(), &_B);
  EXPECT_EQ(vector.ExtractFirst(), nullptr);
  EXPECT_EQ(vector.ExtractLast(), nullptr);
  EXPECT_TRUE(link->_Notifications.empty());
}

TEST_F(ORVVectorTest, RemoveTakesEveryOccurrenceAndReportsOnce) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.Append(&_A);
  vector.Append(&_B);
  vector.Append(&_A);
  vector.SetHLink(handler);
  EXPECT_TRUE(vector.Remove(&_A, 1));
  EXPECT_THAT(Names(vector), ElementsAre("b"));
  EXPECT_FALSE(vector.Remove(&_A, 1));  // reported even when absent
  EXPECT_THAT(link->Texts(), ElementsAre("RemoveObject a", "RemoveObject a"));
}

TEST_F(ORVVectorTest, ReplaceByObjectTakesEveryOccurrence) {
  ORVVector vector(ORVDoNothingAtDelete);
  vector.Append(&_A);
  vector.Append(&_B);
  vector.Append(&_A);
  EXPECT_TRUE(vector.Replace(&_A, &_C, 0));
  EXPECT_THAT(Names(vector), ElementsAre("c", "b", "c"));
  EXPECT_FALSE(vector.Replace(&_A, &_D, 0));
}

TEST_F(ORVVectorTest, ClearKeepsTheArray) {
  ORVVector vector(ORVDoNothingAtDelete);
  FillABC(vector);
  PEVBaseUnknown** contents = vector.Contents();
  vector.Clear(0);
  EXPECT_TRUE(vector.IsEmpty());
  EXPECT_EQ(vector.GetCapacity(), 8);
  vector.Append(&_D);
  EXPECT_EQ(vector.Contents(), contents);
}

TEST_F(ORVVectorTest, InsertAtEachPositionAndReportTheAddition) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(handler);
  vector.Insert(&_B, 0);
  vector.Insert(&_A, 0);
  vector.Insert(&_D, 2);
  vector.Insert(&_C, 2);
  EXPECT_THAT(Names(vector), ElementsAre("a", "b", "c", "d"));
  EXPECT_THAT(link->Texts(),
              ElementsAre("AddObject b", "AddObject a", "AddObject d", "AddObject c"));
  EXPECT_EQ(link->_Notifications[3]._SizeOfFrom, 3);  // before the insertion
}

TEST_F(ORVVectorDeathTest, InsertOutsideZeroToCountIsFatal) {
  ORVVector vector(ORVDoNothingAtDelete);
  FillABC(vector);
  std::string pattern =
      FatalReportPattern("ORVVector::Insert(PEVBaseUnknown *, int): wrong position", kVectorFile);
  EXPECT_EXIT(vector.Insert(&_D, 4), testing::ExitedWithCode(255), pattern);
  EXPECT_EXIT(vector.Insert(&_D, -1), testing::ExitedWithCode(255), pattern);
}

TEST_F(ORVVectorTest, InsertAfterACursor) {
  ORVVector vector(ORVDoNothingAtDelete);
  ORVVectorCursor beforeFirst;
  EXPECT_EQ(vector.InsertAfter(&beforeFirst, &_B), 1u);
  EXPECT_EQ(vector.InsertAfter(&beforeFirst, &_A), 1u);  // -1 inserts at the front
  ORVVectorCursor onB(1);
  EXPECT_EQ(vector.InsertAfter(&onB, &_C), 1u);
  EXPECT_EQ(onB.GetIndex(), 1);
  EXPECT_THAT(Names(vector), ElementsAre("a", "b", "c"));
  ORVVectorCursor atEnd(3);
  EXPECT_EQ(vector.InsertAfter(&atEnd, &_D), 0u);
  ORVVectorCursor farBelow(-2);
  EXPECT_EQ(vector.InsertAfter(&farBelow, &_D), 0u);
  EXPECT_EQ(vector.Size(), 3);
}

TEST_F(ORVVectorTest, InsertBeforeACursorKeepsTheCursorOnItsElement) {
  ORVVector vector(ORVDoNothingAtDelete);
  ORVVectorCursor atEnd(0);
  EXPECT_EQ(vector.InsertBefore(&atEnd, &_C), 1u);  // at count: appends
  EXPECT_EQ(atEnd.GetIndex(), 1);
  ORVVectorCursor onC(0);
  EXPECT_EQ(vector.InsertBefore(&onC, &_A), 1u);
  EXPECT_EQ(onC.GetIndex(), 1);
  EXPECT_EQ(vector[&onC], &_C);
  EXPECT_EQ(vector.InsertBefore(&onC, &_B), 1u);
  EXPECT_EQ(vector[&onC], &_C);
  EXPECT_THAT(Names(vector), ElementsAre("a", "b", "c"));
  ORVVectorCursor beforeFirst;
  EXPECT_EQ(vector.InsertBefore(&beforeFirst, &_D), 0u);
  ORVVectorCursor stale(7);  // the vector shrank since
  EXPECT_EQ(vector.InsertBefore(&stale, &_D), 0u);
  EXPECT_EQ(stale.GetIndex(), 7);
  EXPECT_EQ(vector.Size(), 3);
}

TEST_F(ORVVectorTest, ReplaceAndReadAtACursor) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  FillABC(vector);
  vector.SetHLink(handler);
  ORVVectorCursor onB(1);
  EXPECT_EQ(vector[&onB], &_B);
  EXPECT_EQ(vector.Replace(&onB, &_D), &_B);
  EXPECT_EQ(vector[&onB], &_D);
  vector.Set(&onB, &_A);
  EXPECT_EQ(vector[1], &_A);
  ORVVectorCursor outside(3);
  EXPECT_EQ(vector.Replace(&outside, &_D), nullptr);
  EXPECT_EQ(vector[&outside], nullptr);
  ORVVectorCursor beforeFirst;
  EXPECT_EQ(vector[&beforeFirst], nullptr);
  EXPECT_EQ(vector[static_cast<const ORVCursor*>(nullptr)], nullptr);
  EXPECT_THAT(link->Texts(), ElementsAre("ReplaceObject b d", "ReplaceObject d a"));
}

TEST_F(ORVVectorTest, RemoveAtACursorStepsItBackAndReportsAfterwards) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  FillABC(vector);
  vector.SetHLink(handler);
  ORVIterator* iterator = vector.MakeIterator(nullptr);
  EXPECT_EQ(iterator->Next(), &_A);
  EXPECT_EQ(iterator->Next(), &_B);
  ORVVectorCursor cursor(*ORVCheckedCast<ORVVectorCursor>(iterator->Position()));
  EXPECT_EQ(vector.Remove(&cursor), &_B);
  EXPECT_EQ(cursor.GetIndex(), 0);
  iterator->ToBegin();
  iterator->Release();
  iterator = vector.MakeIterator(&cursor);
  EXPECT_EQ(iterator->Next(), &_C);  // the element after the removed one
  iterator->Release();
  EXPECT_THAT(link->Texts(), ElementsAre("RemoveObject b"));
  EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, 2);
  ORVVectorCursor outside(2);
  EXPECT_EQ(vector.Remove(&outside), nullptr);
  EXPECT_EQ(outside.GetIndex(), 2);
}

TEST_F(ORVVectorDeathTest, CursorMisuseIsFatal) {
  ORVVector vector(ORVDoNothingAtDelete);
  FillABC(vector);
  ORVVectorCursor outside(3);
  EXPECT_EXIT(vector.Set(&outside, &_D), testing::ExitedWithCode(255),
              FatalReportPattern("ORVVector::operator[](const PEVBaseUnknown *): wrong position",
                                 kVectorFile));
  ORVVectorCursor beforeFirst;
  EXPECT_EXIT(vector.Set(&beforeFirst, &_D), testing::ExitedWithCode(255),
              FatalReportPattern("ORVVector::operator[](const PEVBaseUnknown *): wrong position",
                                 kVectorFile));
  EXPECT_EXIT(vector.InsertBefore(nullptr, &_D), testing::ExitedWithCode(255),
              FatalReportPattern("cursor is NULL", kVectorFile));
  EXPECT_EXIT(vector.Remove(static_cast<ORVCursor*>(nullptr)), testing::ExitedWithCode(255),
              FatalReportPattern("cursor is NULL", kVectorFile));
  EXPECT_EXIT(vector.InsertAfter(nullptr, &_D), testing::ExitedWithCode(255),
              FatalReportPattern("cursor is NULL", kVectorFile));
  ORVTestCursor foreign;
  EXPECT_EXIT(vector.Remove(&foreign), testing::ExitedWithCode(255),
              FatalReportPattern("ORVConversionCheck::Check: object is not a \"ORVVectorCursor\" "
                                 "but a \"ORVTestCursor\"",
                                 "src/ORVMacro.cpp"));
  EXPECT_EXIT(vector.MakeIterator(&foreign), testing::ExitedWithCode(255),
              FatalReportPattern("ORVConversionCheck::Check: object is not a \"ORVVectorCursor\" "
                                 "but a \"ORVTestCursor\"",
                                 "src/ORVMacro.cpp"));
}

TEST_F(ORVVectorTest, AddAppendsAndAppendReportsTheAddition) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(handler);
  vector.Add(&_A, 1);
  vector.Add(&_B, 0);
  vector.Append(&_C);
  EXPECT_THAT(Names(vector), ElementsAre("a", "b", "c"));
  EXPECT_THAT(link->Texts(), ElementsAre("AddObject a", "AddObject c"));
}

TEST_F(ORVVectorTest, LinearSearchesInBothDirections) {
  ORVTestShapeCmpName byName;
  ORVTestShape pattern("a");
  ORVVector vector(ORVDoNothingAtDelete);
  vector.Append(&_A);
  vector.Append(&_B);
  vector.Append(&_A);
  EXPECT_EQ(vector.Search(0, 1, 1, &pattern, byName), 0);
  EXPECT_EQ(vector.Search(1, 1, 0, &pattern, byName), 2);
  EXPECT_EQ(vector.Search(3, 1, 1, &pattern, byName), 3);  // at the end: unchanged
  EXPECT_EQ(vector.Search(2, 0, 1, &pattern, byName), 2);
  EXPECT_EQ(vector.Search(1, 0, 1, &pattern, byName), 0);
  EXPECT_EQ(vector.Search(-1, 0, 1, &pattern, byName), -1);
  ORVTestShape absent("z");
  EXPECT_EQ(vector.Search(0, 1, 1, &absent, byName), 3);
  EXPECT_EQ(vector.Search(2, 0, 1, &absent, byName), -1);
  // Starts outside the elements are brought back within them.
  EXPECT_EQ(vector.Search(-5, 1, 1, &pattern, byName), 0);
  EXPECT_EQ(vector.Search(9, 0, 1, &pattern, byName), 2);
  EXPECT_EQ(vector.SearchObject(1, 1, &_A), 2);
  EXPECT_EQ(vector.SearchObject(-4, 1, &_A), 0);
  EXPECT_EQ(vector.SearchObject(0, 1, &_C), 3);
  EXPECT_EQ(vector.SearchObject(5, 1, &_C), 5);
}

TEST_F(ORVVectorTest, CopiesShareTheElementsAndTakeWhatToDoAtDeleteButNotTheLink) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVClearAtDelete);
  FillABC(vector);
  vector.SetHLink(handler);
  ORVVector copy(vector);
  EXPECT_THAT(Names(copy), ElementsAre("a", "b", "c"));
  EXPECT_EQ(copy.GetCapacity(), 3);
  EXPECT_EQ(copy.GetWhatToDoAtDelete(), ORVClearAtDelete);
  EXPECT_EQ(copy.GetLink(), nullptr);
  ORVVector empty(ORVDoNothingAtDelete);
  ORVVector emptyCopy(empty);
  EXPECT_EQ(emptyCopy.GetCapacity(), 0);
  copy.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}

TEST_F(ORVVectorTest, AssignmentReplacesTheArrayOnlyWhenTooSmall) {
  ORVVector source(ORVReleaseElementsAtDelete);
  FillABC(source);
  ORVVector small(ORVDoNothingAtDelete, 2);
  small = source;
  EXPECT_THAT(Names(small), ElementsAre("a", "b", "c"));
  EXPECT_EQ(small.GetCapacity(), 3);
  EXPECT_EQ(small.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  ORVVector large(ORVDoNothingAtDelete, 50);
  PEVBaseUnknown** contents = large.Contents();
  large = source;
  EXPECT_EQ(large.Contents(), contents);
  EXPECT_THAT(Names(large), ElementsAre("a", "b", "c"));
  ORVVector& alias = large;
  large = alias;
  EXPECT_THAT(Names(large), ElementsAre("a", "b", "c"));
  ORVVector empty(ORVDoNothingAtDelete);
  large = empty;
  EXPECT_TRUE(large.IsEmpty());
  small.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
  large.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
  source.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}

TEST_F(ORVVectorDeathTest, AssigningToALinkedVectorIsFatal) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(handler);
  ORVVector source(ORVDoNothingAtDelete);
  EXPECT_EXIT(vector = source, testing::ExitedWithCode(255),
              FatalReportPattern("Not yet implemented with a Link", kVectorFile));
}

// Random operations on a vector and on a std::vector, compared after each step.
TEST_F(ORVVectorTest, BehavesAsAStdVectorUnderRandomOperations) {
  std::vector<ORVTestShape> pool;
  pool.reserve(8);  // the shapes must not move
  for (int i = 0; i < 8; ++i)
    pool.emplace_back(std::string(1, (char)('a' + i)));
  std::mt19937 generator(20240611);
  auto random = [&generator](int iBound) { return (int)(generator() % (unsigned)iBound); };
  ORVVector vector(ORVDoNothingAtDelete);
  std::vector<PEVBaseUnknown*> model;
  for (int step = 0; step < 20000; ++step) {
    PEVBaseUnknown* element = random(9) == 0 ? nullptr : &pool[(std::size_t)random(8)];
    int size = (int)model.size();
    switch (random(10)) {
      case 0:
        vector.Append(element);
        model.push_back(element);
        break;
      case 1: {
        int index = random(size + 1);
        vector.Insert(element, index);
        model.insert(model.begin() + index, element);
        break;
      }
      case 2: {
        int index = random(size + 3);
        vector.Set(index, element);
        if (index >= size) model.resize((std::size_t)index + 1, nullptr);
        model[(std::size_t)index] = element;
        break;
      }
      case 3: {
        int index = random(size + 2) - 1;
        ORVVectorCursor cursor(index);
        PEVBaseUnknown* removed = vector.Remove(&cursor);
        if (index < 0 || index >= size) {
          ASSERT_EQ(removed, nullptr);
          ASSERT_EQ(cursor.GetIndex(), index);
          break;
        }
        ASSERT_EQ(removed, model[(std::size_t)index]);
        ASSERT_EQ(cursor.GetIndex(), index - 1);
        model.erase(model.begin() + index);
        break;
      }
      case 4:
        ASSERT_EQ(vector.ExtractFirst(), model.empty() ? nullptr : model.front());
        if (!model.empty()) model.erase(model.begin());
        break;
      case 5:
        ASSERT_EQ(vector.ExtractLast(), model.empty() ? nullptr : model.back());
        if (!model.empty()) model.pop_back();
        break;
      case 6: {
        bool present = std::find(model.begin(), model.end(), element) != model.end();
        ASSERT_EQ(vector.Remove(element, 1) != 0, present);
        model.erase(std::remove(model.begin(), model.end(), element), model.end());
        break;
      }
      case 7: {
        PEVBaseUnknown* replacement = &pool[(std::size_t)random(8)];
        bool present = std::find(model.begin(), model.end(), element) != model.end();
        ASSERT_EQ(vector.Replace(element, replacement, 1) != 0, present);
        std::replace(model.begin(), model.end(), element, replacement);
        break;
      }
      case 8: {
        int index = random(size + 2) - 1;
        ORVVectorCursor cursor(index);
        bool inserted = vector.InsertAfter(&cursor, element) != 0;
        ASSERT_EQ(inserted, index < size);
        if (inserted) model.insert(model.begin() + index + 1, element);
        break;
      }
      default:
        if (random(50) == 0) {
          vector.Clear(1);
          model.clear();
        }
        break;
    }
    ASSERT_EQ(vector.Size(), (int)model.size());
    for (int i = 0; i < vector.Size(); ++i)
      ASSERT_EQ(vector[i], model[(std::size_t)i]);
    ASSERT_GE(vector.GetCapacity(), vector.Size());
    ASSERT_EQ(vector.Contains(element) != 0,
              std::find(model.begin(), model.end(), element) != model.end());
  }
}
