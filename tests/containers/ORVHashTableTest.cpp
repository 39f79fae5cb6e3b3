// Tests of ORVHashTable, its cursor and iterator: bucket counts and growth on the
// stored codes, iteration order, lookups confined to the pattern's bucket, duplicates,
// removal at a cursor during iteration, copies with the same layout, disposal, link
// notifications and the fatal texts.
#include "ORVHashTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "FatalReport.h"
#include "ORVHashCursor.h"
#include "ORVHashIterator.h"
#include "PEVBaseUnknownCmpAddr.h"
#include "PEVBaseUnknownHashAddr.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const char kTableFile[] = "src/ORVHashTable.cpp";

class ORVHashTableTest : public ORVContainerTestBase {
protected:
  // A shape named iName that lives as long as the test.
  ORVTestShape* Shape(const std::string& iName) {
    _Shapes.emplace_back(iName);
    return &_Shapes.back();
  }

  // The names met walking the table forward (or backward) without pattern.
  static std::vector<std::string> Names(const ORVHashTable& iTable, bool iForward = true) {
    std::vector<std::string> names;
    ORVIterator* iterator = iTable.MakeIterator(nullptr);
    if (!iForward) iterator->ToEnd();
    for (int i = 0; i < iTable.Size(); ++i)
      names.push_back(NameOf(iForward ? iterator->Next() : iterator->Previous()));
    EXPECT_EQ(iForward ? iterator->Next() : iterator->Previous(), nullptr);
    iterator->Release();
    return names;
  }

  // The names in bucket iIndex, in chain order.
  static std::vector<std::string> BucketNames(const ORVHashTable& iTable, int iIndex) {
    std::vector<std::string> names;
    const ORVHashTable::Bucket& bucket = iTable.GetBucket(iIndex);
    for (const ORVHashTable::Node* node = bucket._Head._pNext; node != &bucket._Tail;
         node = node->_pNext)
      names.push_back(NameOf(static_cast<const ORVHashTable::Link*>(node)->_pElement));
    return names;
  }

  static int BucketOf(ORVIterator& iIterator) {
    return ORVCheckedCast<ORVHashCursor>(iIterator.Position())->GetBucketIndex();
  }

  ORVTestShapeHashNumber _ByNumber;
  ORVTestShapeCmpName _ByName;
  std::deque<ORVTestShape> _Shapes;  // a deque: the shapes must not move
};
using ORVHashTableDeathTest = ORVHashTableTest;

}  // namespace

TEST_F(ORVHashTableTest, BucketCountIsThePowerOfTwoAtLeastTheHint) {
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(0), 16);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(1), 16);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(16), 16);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(17), 32);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(100), 128);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(-7), 16);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(1 << 30), 1 << 30);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding((1 << 30) + 1), 1 << 30);
  EXPECT_EQ(ORVHashTable::PowerTwoRounding(INT_MAX), 1 << 30);
  ORVHashTable table(ORVDoNothingAtDelete, 100);
  EXPECT_EQ(table.GetDimension(), 128);
  EXPECT_TRUE(table.IsAKindOf("ORVDirAccContainer"));
}

TEST_F(ORVHashTableTest, GrowsAtThe33rdElementWithoutCodingAgain) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  EXPECT_EQ(table.GetDimension(), 16);
  for (int i = 0; i < 32; ++i)
    table.Add(Shape(std::to_string(i * 7)), 0);
  EXPECT_EQ(table.GetDimension(), 16);
  table.Add(Shape("1000"), 0);
  EXPECT_EQ(table.GetDimension(), 32);
  EXPECT_EQ(table.Size(), 33);
  EXPECT_EQ(_ByNumber._Calls, 33);  // one code per addition, none for the growth
  for (int i = 0; i < 32; ++i) {
    for (const std::string& name : BucketNames(table, i))
      EXPECT_EQ(std::stoul(name) % 32, (unsigned long)i) << name;
  }
}

TEST_F(ORVHashTableTest, IterationFollowsBucketsThenInsertionOrder) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  table.Add(Shape("1"), 0);
  table.Add(Shape("17"), 0);
  table.Add(Shape("2"), 0);
  EXPECT_THAT(Names(table), ElementsAre("1", "17", "2"));
  EXPECT_THAT(Names(table, false), ElementsAre("2", "17", "1"));
  EXPECT_THAT(BucketNames(table, 1), ElementsAre("1", "17"));
  EXPECT_THAT(BucketNames(table, 2), ElementsAre("2"));
  // 30 more elements in bucket 5 make the table grow.
  for (int i = 0; i < 30; ++i)
    table.Add(Shape("5"), 0);
  EXPECT_EQ(table.GetDimension(), 32);
  EXPECT_THAT(BucketNames(table, 1), ElementsAre("1"));
  EXPECT_THAT(BucketNames(table, 17), ElementsAre("17"));
  EXPECT_THAT(BucketNames(table, 2), ElementsAre("2"));
  std::vector<std::string> names = Names(table);
  EXPECT_EQ(names[0], "1");
  EXPECT_EQ(names[1], "2");
  EXPECT_EQ(names.back(), "17");
}

TEST_F(ORVHashTableTest, GrowthKeepsTheOrderWithinABucket) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (const char* name : {"3a", "19a", "35a", "3b", "51", "19b"})
    table.Add(Shape(name), 0);
  for (int i = 0; i < 27; ++i)
    table.Add(Shape("4"), 0);
  ASSERT_EQ(table.GetDimension(), 32);
  EXPECT_THAT(BucketNames(table, 3), ElementsAre("3a", "35a", "3b"));
  EXPECT_THAT(BucketNames(table, 19), ElementsAre("19a", "51", "19b"));
}

TEST_F(ORVHashTableTest, DuplicatesAreStoredAndRemovedTogether) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  ORVTestShape* seven = Shape("7");
  table.Add(seven, 0);
  table.Add(Shape("23"), 0);
  table.Add(seven, 0);
  EXPECT_EQ(table.Size(), 3);
  EXPECT_TRUE(table.Remove(seven, 0));
  EXPECT_EQ(table.Size(), 1);
  EXPECT_FALSE(table.Contains(seven));
  EXPECT_FALSE(table.Remove(seven, 0));
  EXPECT_EQ(table.Size(), 1);
}

TEST_F(ORVHashTableTest, LookupsSearchOnlyThePatternsBucket) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  ORVTestShape* one = Shape("1");
  ORVTestShape* seventeen = Shape("17");
  table.Add(one, 0);
  table.Add(seventeen, 0);
  ORVTestShapeCmpLength byLength;
  // "2" is as long as "1", but its code selects another bucket.
  EXPECT_EQ(table.LookupOne(Shape("2"), byLength), nullptr);
  // "33" shares bucket 1: the first of its length there.
  EXPECT_EQ(table.LookupOne(Shape("33"), byLength), seventeen);
  EXPECT_EQ(table.LookupOne(Shape("1")), one);  // the table's comparator: by name
  EXPECT_FALSE(table.Contains(Shape("1")));     // but Contains wants the object itself
  EXPECT_TRUE(table.Contains(one));
  EXPECT_EQ(table.LookupOne(Shape("9")), nullptr);
}

TEST_F(ORVHashTableTest, TheTablesComparatorIsAskedOnlyAboutElementsOfTheSameCode) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (const char* name : {"1", "17", "33", "17"})
    table.Add(Shape(name), 0);
  EXPECT_EQ(NameOf(table.LookupOne(Shape("17"))), "17");
  EXPECT_EQ(_ByName._Comparisons, 1);
  EXPECT_EQ(table.LookupOne(Shape("49")), nullptr);
  EXPECT_EQ(_ByName._Comparisons, 1);
  // Another comparator, even of the same class, is asked about the whole bucket.
  ORVTestShapeCmpName other;
  EXPECT_EQ(NameOf(table.LookupOne(Shape("17"), other)), "17");
  EXPECT_EQ(other._Comparisons, 2);
}

TEST_F(ORVHashTableTest, AddressKeyFindsOnlyTheObjectItself) {
  ORVHashTable table(ORVDoNothingAtDelete, 0);
  ORVTestShape otherA("a");
  table.Add(&_A, 0);
  table.Add(&_B, 0);
  table.Add(nullptr, 0);
  EXPECT_EQ(table.LookupOne(&_A), &_A);
  EXPECT_EQ(table.LookupOne(&otherA), nullptr);
  EXPECT_TRUE(table.Contains(nullptr));
  EXPECT_EQ(&table.GetCoder(), PEVBaseUnknownHashAddr::GetGlobal());
  EXPECT_EQ(&table.GetComparator(), PEVBaseUnknownCmpAddr::GetGlobal());
  EXPECT_THAT(Names(table), testing::UnorderedElementsAre("a", "b", "null"));
}

TEST_F(ORVHashTableTest, PatternIteratorStaysInThePatternsBucket) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  ORVTestShape* firstFive = Shape("5");
  ORVTestShape* secondFive = Shape("5");
  table.Add(Shape("21"), 0);
  table.Add(firstFive, 0);
  table.Add(Shape("6"), 0);
  table.Add(secondFive, 0);
  ORVIterator* iterator = table.LookupAll(Shape("5"));
  EXPECT_EQ(iterator->Next(), firstFive);
  EXPECT_EQ(iterator->Next(), secondFive);
  EXPECT_EQ(iterator->Next(), nullptr);
  EXPECT_EQ(BucketOf(*iterator), 5);
  EXPECT_EQ(iterator->Previous(), secondFive);
  EXPECT_EQ(iterator->Previous(), firstFive);
  EXPECT_EQ(iterator->Previous(), nullptr);
  iterator->ToEnd();
  EXPECT_EQ(iterator->Previous(), secondFive);
  iterator->Release();
  // A bucket holding no match: null at once.
  iterator = table.LookupAll(Shape("37"));
  EXPECT_EQ(iterator->Next(), nullptr);
  iterator->Release();
  // Another comparator, same bucket: "37" is as long as "21".
  ORVTestShapeCmpLength byLength;
  iterator = table.LookupAll(Shape("37"), byLength);
  EXPECT_EQ(NameOf(iterator->Next()), "21");
  EXPECT_EQ(iterator->Next(), nullptr);
  iterator->Release();
}

TEST_F(ORVHashTableTest, IteratorStopsAtBothEndsAndResumes) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  table.Add(Shape("0"), 0);
  table.Add(Shape("15"), 0);
  ORVHashIterator iterator(&table, nullptr, 0, nullptr);
  EXPECT_EQ(iterator.Previous(), nullptr);
  EXPECT_EQ(BucketOf(iterator), 0);
  EXPECT_EQ(NameOf(iterator.Next()), "0");
  EXPECT_EQ(NameOf(iterator.Next()), "15");
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(BucketOf(iterator), 15);
  EXPECT_EQ(NameOf(iterator.Previous()), "15");
  EXPECT_EQ(NameOf(iterator.Previous()), "0");
  EXPECT_EQ(iterator.Previous(), nullptr);
  ORVHashTable empty(ORVDoNothingAtDelete, 0);
  ORVHashIterator onEmpty(&empty, nullptr, 0, nullptr);
  EXPECT_EQ(onEmpty.Next(), nullptr);
  EXPECT_EQ(onEmpty.Previous(), nullptr);
}

TEST_F(ORVHashTableTest, IteratorsStartAtACopyOfTheCursor) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  table.Add(Shape("1"), 0);
  table.Add(Shape("2"), 0);
  table.Add(Shape("3"), 0);
  ORVIterator* first = table.MakeIterator(nullptr);
  EXPECT_EQ(&first->GetComparator(), &_ByName);
  first->Next();
  ORVIterator* second = table.MakeIterator(first->Position());
  EXPECT_EQ(NameOf(second->Next()), "2");
  EXPECT_EQ(NameOf(first->Next()), "2");  // each has its own cursor
  second->Release();
  first->Release();
  // A cursor in no bucket starts over, from the start or from the end.
  ORVHashCursor nowhere;
  ORVIterator* lost = table.MakeIterator(&nowhere);
  EXPECT_EQ(NameOf(lost->Next()), "1");
  lost->Release();
  lost = table.MakeIterator(&nowhere);
  EXPECT_EQ(NameOf(lost->Previous()), "3");
  lost->Release();
}

TEST_F(ORVHashTableTest, RemoveAtACursorKeepsTheIteratorGoing) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (const char* name : {"1", "17", "33", "2", "3"})
    table.Add(Shape(name), 0);
  table.SetHLink(handler);
  ORVIterator* iterator = table.MakeIterator(nullptr);
  std::vector<std::string> seen;
  for (PEVBaseUnknown* element = iterator->Next(); element; element = iterator->Next()) {
    seen.push_back(NameOf(element));
    if (NameOf(element) != "17" && NameOf(element) != "2") {
      EXPECT_EQ(table.Remove(const_cast<ORVCursor*>(iterator->Position())), element);
    }
  }
  EXPECT_THAT(seen, ElementsAre("1", "17", "33", "2", "3"));
  EXPECT_THAT(Names(table), ElementsAre("17", "2"));
  EXPECT_EQ(table.Size(), 2);
  EXPECT_THAT(link->Texts(), ElementsAre("RemoveObject 1", "RemoveObject 33", "RemoveObject 3"));
  // Backward too: from the removed link to its previous neighbour.
  iterator->ToEnd();
  EXPECT_EQ(NameOf(iterator->Previous()), "2");
  EXPECT_EQ(NameOf(table.Remove(const_cast<ORVCursor*>(iterator->Position()))), "2");
  EXPECT_EQ(NameOf(iterator->Previous()), "17");
  iterator->Release();
}

TEST_F(ORVHashTableTest, RemoveAtACursorOffAnElementChangesNothing) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  table.Add(Shape("4"), 0);
  ORVHashCursor nowhere;
  EXPECT_EQ(table.Remove(&nowhere), nullptr);
  ORVHashIterator iterator(&table, nullptr, 0, nullptr);
  EXPECT_EQ(table.Remove(const_cast<ORVCursor*>(iterator.Position())), nullptr);  // a head
  iterator.ToEnd();
  EXPECT_EQ(table.Remove(const_cast<ORVCursor*>(iterator.Position())), nullptr);  // a tail
  iterator.ToBegin();
  iterator.Next();
  ORVHashCursor onFour(*ORVCheckedCast<ORVHashCursor>(iterator.Position()));
  EXPECT_EQ(NameOf(table.Remove(&onFour)), "4");
  EXPECT_EQ(table.Remove(&onFour), nullptr);  // already out of the table
  EXPECT_EQ(table.Size(), 0);
  EXPECT_EQ(iterator.Next(), nullptr);
}

TEST_F(ORVHashTableTest, TheRemovedLinkFollowsLaterChangesOfItsNeighbours) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  ORVTestShape* seventeen = Shape("17");
  for (ORVTestShape* shape : {Shape("1"), seventeen, Shape("33"), Shape("49")})
    table.Add(shape, 0);
  ORVIterator* iterator = table.MakeIterator(nullptr);
  EXPECT_EQ(NameOf(iterator->Next()), "1");
  table.Remove(const_cast<ORVCursor*>(iterator->Position()));
  table.Remove(seventeen, 0);  // the removed link's next neighbour goes
  EXPECT_EQ(NameOf(iterator->Next()), "33");
  table.Remove(const_cast<ORVCursor*>(iterator->Position()));
  // Growing moves every link: the removed one leads to its new bucket's ends.
  for (int i = 0; i < 40; ++i)
    table.Add(Shape("2"), 0);
  EXPECT_EQ(table.GetDimension(), 32);
  // The rest of its old bucket is out of reach; it goes on from its new bucket.
  EXPECT_EQ(NameOf(iterator->Next()), "2");
  iterator->Release();
  EXPECT_EQ(table.Size(), 41);
}

TEST_F(ORVHashTableTest, ReplaceIsReportedOnceAndKeepsTheCount) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  ORVTestShape* four = Shape("4");
  ORVTestShape* nine = Shape("9");
  table.Add(four, 0);
  table.Add(four, 0);
  table.SetHLink(handler);
  EXPECT_TRUE(table.Replace(four, nine, 0));
  EXPECT_THAT(link->Texts(), IsEmpty());  // notify 0: nothing reported
  EXPECT_EQ(table.Size(), 2);             // both occurrences replaced
  EXPECT_THAT(BucketNames(table, 9), ElementsAre("9", "9"));
  EXPECT_TRUE(table.Replace(nine, four, 1));
  EXPECT_FALSE(table.Replace(nine, four, 1));
  EXPECT_THAT(link->Texts(), ElementsAre("ReplaceObject 9 4", "ReplaceObject 9 4"));
  EXPECT_THAT(BucketNames(table, 4), ElementsAre("4", "4"));
}

TEST_F(ORVHashTableTest, ChangesAreReportedBeforeTheyAreMade) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  table.SetHLink(handler);
  table.Add(Shape("1"), 1);
  table.Add(Shape("2"), 0);
  table.Remove(Shape("3"), 1);  // absent: reported all the same
  table.Clear(1);
  table.Clear(0);
  EXPECT_THAT(link->Texts(), ElementsAre("AddObject 1", "RemoveObject 3", "Clear"));
  EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, 0);
  EXPECT_EQ(link->_Notifications[2]._SizeOfFrom, 2);
}

TEST_F(ORVHashTableTest, ClearingKeepsTheBucketCount) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (int i = 0; i < 40; ++i)
    table.Add(Shape(std::to_string(i)), 0);
  table.Clear(0);
  EXPECT_EQ(table.GetDimension(), 32);
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_THAT(Names(table), IsEmpty());
  table.Add(Shape("8"), 0);
  EXPECT_THAT(Names(table), ElementsAre("8"));
}

TEST_F(ORVHashTableTest, DisposalReleasesOrDeletesEachElementOnce) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  int live = ORVTestShape::_LiveCount;
  _A.AddRef();
  {
    ORVHashTable table(ORVReleaseElementsAtDelete, 0);
    table.SetHLink(handler);
    table.Add(&_A, 0);
    table.Add(nullptr, 0);
    table.Add(new ORVTestShape("owned"), 0);
  }
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_THAT(link->Texts(), ElementsAre("Clear", "RemoveContainer"));
  ORVTestShape::_DestroyedNames.clear();
  {
    ORVHashTable table(ORVDestroyElementsAtDelete, 0);
    table.Add(new ORVTestShape("first"), 0);
    table.Add(nullptr, 0);
    table.Add(new ORVTestCircle("second"), 0);
  }
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_THAT(ORVTestShape::_DestroyedNames, testing::UnorderedElementsAre("first", "second"));
}

TEST_F(ORVHashTableTest, CopiesKeepTheBucketLayoutAndShareTheElements) {
  ORVHashTable source(_ByNumber, _ByName, ORVClearAtDelete, 0);
  for (int i = 0; i < 40; ++i)
    source.Add(Shape(std::to_string(i * 5)), 0);
  source.Add(Shape("5"), 0);  // a duplicate key in bucket 5
  int calls = _ByNumber._Calls;
  ORVHashTable copy(source);
  EXPECT_EQ(_ByNumber._Calls, calls);  // the stored codes are copied
  EXPECT_EQ(copy.GetDimension(), source.GetDimension());
  EXPECT_EQ(copy.Size(), source.Size());
  EXPECT_EQ(Names(copy), Names(source));
  for (int i = 0; i < copy.GetDimension(); ++i)
    EXPECT_EQ(BucketNames(copy, i), BucketNames(source, i));
  EXPECT_EQ(&copy.GetCoder(), &_ByNumber);
  EXPECT_EQ(&copy.GetComparator(), &_ByName);
  EXPECT_EQ(copy.GetWhatToDoAtDelete(), ORVClearAtDelete);
  ORVHashTable assigned(ORVDoNothingAtDelete, 1000);
  assigned.Add(&_A, 0);
  assigned = source;
  EXPECT_EQ(assigned.GetDimension(), 32);
  EXPECT_EQ(Names(assigned), Names(source));
  EXPECT_EQ(NameOf(assigned.LookupOne(Shape("35"))), "35");
  ORVHashTable& alias = assigned;
  assigned = alias;
  EXPECT_EQ(Names(assigned), Names(source));
  EXPECT_EQ(assigned.Size(), 41);
}

TEST_F(ORVHashTableTest, CoderAndComparatorAreReplacedWithoutReplacing) {
  ORVHashTable table(ORVDoNothingAtDelete, 0);
  ORVTestShape* twenty = Shape("20");
  table.Add(twenty, 0);
  table.SetCoder(_ByNumber);
  table.SetComparator(_ByName);
  EXPECT_EQ(&table.GetCoder(), &_ByNumber);
  EXPECT_EQ(&table.GetComparator(), &_ByName);
  EXPECT_EQ(table.Size(), 1);
  ORVTestShape* second = Shape("20");
  table.Add(second, 0);
  EXPECT_TRUE(table.Contains(second));
  EXPECT_EQ(table.Size(), 2);
  table.SetCoder(*PEVBaseUnknownHashAddr::GetGlobal());
  EXPECT_TRUE(table.Contains(twenty));  // still where the address coder put it
}

TEST_F(ORVHashTableTest, HandlerFollowsTheContainerTree) {
  ORVHashTableRfHndlr table;
  table.Set(ORVRfHndlrAdopt, new ORVHashTable(ORVDoNothingAtDelete, 0));
  ORVContainerRfHndlr container(table);
  EXPECT_EQ(container.Get(), table.Get());
  EXPECT_EQ(table->GetRefCount(), 2u);
}

TEST_F(ORVHashTableDeathTest, MisuseIsFatal) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVHashTable table(ORVDoNothingAtDelete, 0);
  table.SetHLink(handler);
  ORVHashTable other(ORVDoNothingAtDelete, 0);
  std::string pattern = FatalReportPattern("Not yet implemented with a Link", kTableFile);
  EXPECT_EXIT(table = other, testing::ExitedWithCode(255), pattern);
  ORVHashTable& alias = table;
  EXPECT_EXIT(table = alias, testing::ExitedWithCode(255), pattern);
  EXPECT_EXIT(table.Remove(static_cast<ORVCursor*>(nullptr)), testing::ExitedWithCode(255),
              FatalReportPattern("cursor is NULL", kTableFile));
  ORVTestCursor foreign;
  std::string conversion = FatalReportPattern(
      "ORVConversionCheck::Check: object is not a \"ORVHashCursor\" but a \"ORVTestCursor\"",
      "src/ORVMacro.cpp");
  EXPECT_EXIT(table.Remove(&foreign), testing::ExitedWithCode(255), conversion);
  EXPECT_EXIT(table.MakeIterator(&foreign), testing::ExitedWithCode(255), conversion);
  ORVHashIterator lost(nullptr, nullptr, 0, nullptr);
  std::string noTable = FatalReportPattern("table_ is NULL", "src/ORVHashIterator.cpp");
  EXPECT_EXIT(lost.Next(), testing::ExitedWithCode(255), noTable);
  EXPECT_EXIT(lost.Previous(), testing::ExitedWithCode(255), noTable);
  EXPECT_EXIT(lost.ToBegin(), testing::ExitedWithCode(255), noTable);
  EXPECT_EXIT(lost.ToEnd(), testing::ExitedWithCode(255), noTable);
}
