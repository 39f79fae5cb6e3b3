// Tests of ORVHashTable, its cursor and iterator that its model test leaves out: bucket
// counts and growth on the stored codes, copies with the same layout, the coder and
// comparator replaced, cursors and iterators in no bucket
// or under an emptied or growing table, and the fatal texts.
#include "ORVHashTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVHashCursor.h"
#include "ORVHashIterator.h"
#include "PEVBaseUnknownHashAddr.h"

namespace {

class ORVHashTableTest : public ORVContainerTestBase {
protected:
  // Adds shapes named iNames to the table.
  void AddNamed(std::initializer_list<const char*> iNames) {
    for (const char* name : iNames)
      _Table.Add(Shape(name), ORVDoNotNotify);
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
  static PEVBaseUnknown* RemoveAt(ORVHashTable& ioTable, ORVIterator& iIterator) {
    return ioTable.Remove(const_cast<ORVCursor*>(iIterator.Position()));
  }

  ORVTestShapeHashNumber _ByNumber;
  ORVTestShapeCmpName _ByName;
  ORVHashTable _Table{_ByNumber, _ByName, ORVDoNothingAtDelete, 0};
};
using ORVHashTableDeathTest = ORVHashTableTest;

}  // namespace

TEST_F(ORVHashTableTest, BucketCountIsThePowerOfTwoAtLeastTheHintAndGrowsAtThe33rdElement) {
  const int rows[][2] = {{0, 16},           {1, 16},  {16, 16},           {17, 32},
                         {100, 128},        {-7, 16}, {1 << 30, 1 << 30}, {(1 << 30) + 1, 1 << 30},
                         {INT_MAX, 1 << 30}};
  for (const auto& row : rows)
    EXPECT_EQ(ORVHashTable::PowerTwoRounding(row[0]), row[1]) << row[0];
  ORVHashTable hinted(ORVDoNothingAtDelete, 100);
  EXPECT_EQ(hinted.GetDimension(), 128);
  for (int i = 0; i < 33; ++i)
    _Table.Add(Shape(std::to_string(i * 7)), 0);
  EXPECT_EQ(_Table.GetDimension(), 32);
  EXPECT_EQ(_ByNumber._Calls, 33);  // one code per addition, none for the growth
}

TEST_F(ORVHashTableTest, TheRemovedLinkFollowsLaterChangesOfItsNeighbours) {
  AddNamed({"1", "17", "33", "49"});
  ORVIterator* iterator = _Table.MakeIterator(nullptr);
  EXPECT_EQ(NameOf(iterator->Next()), "1");
  RemoveAt(_Table, *iterator);
  _Table.Remove(&_Shapes[1], ORVDoNotNotify);  // the removed link's next neighbour goes
  EXPECT_EQ(NameOf(iterator->Next()), "33");
  RemoveAt(_Table, *iterator);
  // Growing moves every link: the removed one leads to its new bucket's ends; the rest
  // of its old bucket is out of reach, it goes on from its new bucket.
  for (int i = 0; i < 40; ++i)
    _Table.Add(Shape("2"), ORVDoNotNotify);
  EXPECT_EQ(_Table.GetDimension(), 32);
  EXPECT_EQ(NameOf(iterator->Next()), "2");
  iterator->Release();
}

TEST_F(ORVHashTableTest, CopiesKeepTheBucketLayoutAndShareTheElements) {
  ORVHashTable source(_ByNumber, _ByName, ORVClearAtDelete, 0);
  for (int i = 0; i < 40; ++i)
    source.Add(Shape(std::to_string(i * 5)), 0);
  source.Add(Shape("5"), ORVDoNotNotify);  // a duplicate key in bucket 5
  int calls = _ByNumber._Calls;
  ORVHashTable copy(source), assigned(ORVDoNothingAtDelete, 1000);
  EXPECT_EQ(_ByNumber._Calls, calls);  // the stored codes are copied
  EXPECT_EQ(copy.GetDimension(), source.GetDimension());
  for (int i = 0; i < copy.GetDimension(); ++i)
    EXPECT_EQ(BucketNames(copy, i), BucketNames(source, i));
  EXPECT_EQ(&copy.GetCoder(), &_ByNumber);
  EXPECT_EQ(&copy.GetComparator(), &_ByName);
  EXPECT_EQ(copy.GetWhatToDoAtDelete(), ORVClearAtDelete);
  assigned.Add(&_A, ORVDoNotNotify);
  assigned = source;
  EXPECT_EQ(assigned.GetDimension(), 32);
  EXPECT_EQ(NameOf(assigned.LookupOne(Shape("35"))), "35");
  ORVHashTable& alias = assigned;  // assigned to itself: unchanged
  assigned = alias;
  EXPECT_EQ(Names(assigned), Names(source));
}

TEST_F(ORVHashTableTest, CoderAndComparatorAreReplacedWithoutReplacing) {
  ORVHashTable table(ORVDoNothingAtDelete, 0);
  ORVTestShape *twenty = Shape("20"), *second = Shape("20");
  table.Add(twenty, ORVDoNotNotify);
  table.SetCoder(_ByNumber);
  table.SetComparator(_ByName);
  table.Add(second, ORVDoNotNotify);
  EXPECT_TRUE(table.Contains(second));
  table.SetCoder(*PEVBaseUnknownHashAddr::GetGlobal());
  EXPECT_TRUE(table.Contains(twenty));  // still where the address coder put it
}

TEST_F(ORVHashTableDeathTest, MisuseIsFatal) {
  auto fatal = [](const std::function<void()>& iBody, const char* iText, const char* iFile) {
    ExpectFatalReport(iBody, iText, std::string("src/ORVHash") + iFile + ".cpp");
  };
  ORVHashTable other(ORVDoNothingAtDelete, 0);
  Record({&_Table});
  fatal([&] { _Table = other; }, "Not yet implemented with a Link", "Table");
  fatal([&] { _Table.Remove(static_cast<ORVCursor*>(nullptr)); }, "cursor is NULL", "Table");
  ORVHashIterator lost(nullptr, nullptr, 0, nullptr);
  fatal([&] { lost.Next(); }, "table_ is NULL", "Iterator");
  fatal([&] { lost.Previous(); }, "table_ is NULL", "Iterator");
  fatal([&] { lost.ToBegin(); }, "table_ is NULL", "Iterator");
  fatal([&] { lost.ToEnd(); }, "table_ is NULL", "Iterator");
}

// A cursor in no bucket starts over, from the start or from the end; removing at it, at
// a bucket's head or tail or at a link already out changes nothing.
TEST_F(ORVHashTableTest, ACursorInNoBucketStartsOverAndRemovesNothing) {
  AddNamed({"0", "15"});
  ORVHashCursor nowhere;
  for (bool forward : {true, false}) {
    ORVIterator* lost = _Table.MakeIterator(&nowhere);
    EXPECT_EQ(NameOf(forward ? lost->Next() : lost->Previous()), forward ? "0" : "15");
    lost->Release();
  }
  EXPECT_EQ(_Table.Remove(&nowhere), nullptr);
  ORVHashIterator iterator(&_Table, nullptr, 0, nullptr);
  EXPECT_EQ(RemoveAt(_Table, iterator), nullptr);  // a head
  iterator.ToEnd();
  EXPECT_EQ(RemoveAt(_Table, iterator), nullptr);  // a tail
  iterator.ToBegin();
  iterator.Next();
  ORVHashCursor onZero(*ORVCheckedCast<ORVHashCursor>(iterator.Position()));
  EXPECT_EQ(NameOf(_Table.Remove(&onZero)), "0");
  EXPECT_EQ(_Table.Remove(&onZero), nullptr);  // already out of the table
  EXPECT_EQ(NameOf(iterator.Next()), "15");
}

TEST_F(ORVHashTableTest, IteratorsGoOnWhenTheTableIsEmptiedOrGrowsUnderThem) {
  // Emptied under an iterator on a link: it starts over, in the empty table and after.
  AddNamed({"1", "2"});
  ORVIterator* onLink = _Table.MakeIterator(nullptr);
  EXPECT_EQ(NameOf(onLink->Next()), "1");
  _Table.Clear(0);
  EXPECT_EQ(onLink->Next(), nullptr);
  AddNamed({"3"});
  onLink->ToBegin();
  EXPECT_EQ(NameOf(onLink->Next()), "3");
  onLink->Release();
  _Table.Clear(0);
  // Growing under iterators at a bucket's head: one before every element, one with a
  // pattern whose bucket moves (21 is in bucket 5 of 16, then in bucket 21 of 32).
  AddNamed({"5", "21"});
  ORVIterator* all = _Table.MakeIterator(nullptr);
  ORVIterator* matching = _Table.LookupAll(Shape("21"), _ByName);
  for (int i = 0; i < 40; ++i)
    _Table.Add(Shape(std::to_string(100 + i)), 0);
  ASSERT_EQ(_Table.GetDimension(), 32);
  std::multiset<std::string> seen;
  for (PEVBaseUnknown* element = all->Next(); element; element = all->Next())
    seen.insert(NameOf(element));
  EXPECT_EQ(seen.size(), 42u);
  EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()).size(), 42u);
  EXPECT_EQ(NameOf(matching->Next()), "21");
  EXPECT_EQ(matching->Next(), nullptr);
  all->Release();
  matching->Release();
}
