// Tests of ORVList, its cursor and iterator: order of the insertions, index and cursor
// bounds, removal during iteration, patterns, copies, disposal, link notifications,
// the damaged-chain checks and every fatal text.
#include "ORVList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "FatalReport.h"
#include "ORVListCursor.h"
#include "ORVListIterator.h"

using testing::ElementsAre;

namespace {

const char kListFile[] = "src/ORVList.cpp";
const char kIteratorFile[] = "src/ORVListIterator.cpp";

class ORVListTest : public ORVContainerTestBase {
protected:
  // The names of the elements, first to last, walking the links.
  static std::vector<std::string> Names(const ORVList& iList) {
    std::vector<std::string> names;
    for (ORVListLink* link = iList.GetHead()->GetNext(); link != iList.GetTail();
         link = link->GetNext())
      names.push_back(NameOf(link->GetElement()));
    return names;
  }

  // The same, walking back from the last element.
  static std::vector<std::string> NamesBackward(const ORVList& iList) {
    std::vector<std::string> names;
    for (ORVListLink* link = iList.GetTail()->GetPrevious(); link != iList.GetHead();
         link = link->GetPrevious())
      names.insert(names.begin(), NameOf(link->GetElement()));
    return names;
  }

  // Appends a, b, c.
  void FillABC(ORVList& ioList) {
    ioList.Append(&_A);
    ioList.Append(&_B);
    ioList.Append(&_C);
  }

  // A cursor on the link at iIndex.
  static ORVListCursor CursorAt(const ORVList& iList, int iIndex) {
    return ORVListCursor(iList.SearchIndex(iIndex));
  }
};
using ORVListDeathTest = ORVListTest;

}  // namespace

TEST_F(ORVListTest, AddPutsAtTheFrontAndAppendAtTheBack) {
  ORVList added(ORVDoNothingAtDelete);
  added.Add(&_A, 0);
  added.Add(&_B, 0);
  EXPECT_THAT(Names(added), ElementsAre("b", "a"));
  ORVList appended(ORVDoNothingAtDelete);
  appended.Append(&_A);
  appended.Append(&_B);
  EXPECT_THAT(Names(appended), ElementsAre("a", "b"));
  EXPECT_THAT(NamesBackward(appended), ElementsAre("a", "b"));
  EXPECT_EQ(appended.Size(), 2);
  EXPECT_TRUE(appended.IsAKindOf("ORVSeqCollection"));
}

TEST_F(ORVListTest, EmptyListHasItsSentinelsFacingEachOther) {
  ORVList list(ORVDoNothingAtDelete);
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.Size(), 0);
  EXPECT_EQ(list.GetHead()->GetNext(), list.GetTail());
  EXPECT_EQ(list.GetTail()->GetPrevious(), list.GetHead());
  EXPECT_EQ(list.GetHead()->GetPrevious(), list.GetHead());
  EXPECT_EQ(list.GetTail()->GetNext(), list.GetTail());
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
  EXPECT_EQ(list.ExtractFirst(), nullptr);
  EXPECT_EQ(list.ExtractLast(), nullptr);
  EXPECT_EQ(list[0], nullptr);
}

TEST_F(ORVListTest, InsertBoundsFrontToAppend) {
  ORVList list(ORVDoNothingAtDelete);
  list.Insert(&_B, 0);
  list.Insert(&_A, -5);
  EXPECT_THAT(Names(list), ElementsAre("a", "b"));
  list.Insert(&_D, list.Size());
  list.Insert(&_C, 2);
  EXPECT_THAT(Names(list), ElementsAre("a", "b", "c", "d"));
  list.Insert(&_D, INT_MIN);
  EXPECT_EQ(list.First(), &_D);
}

TEST_F(ORVListDeathTest, InsertBeyondTheEndIsFatal) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  std::string pattern =
      FatalReportPattern("ORVList::Insert(PEVBaseUnknown *, int): wrong index", kListFile);
  EXPECT_EXIT(list.Insert(&_D, 4), testing::ExitedWithCode(255), pattern);
  EXPECT_EXIT(list.Insert(&_D, INT_MAX), testing::ExitedWithCode(255), pattern);
  ORVList empty(ORVDoNothingAtDelete);
  EXPECT_EXIT(empty.Insert(&_D, 1), testing::ExitedWithCode(255), pattern);
}

TEST_F(ORVListTest, IndexesBelowZeroReadTheFirstAndBeyondTheEndReadNull) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  EXPECT_EQ(list[-1], &_A);
  EXPECT_EQ(list[INT_MIN], &_A);
  EXPECT_EQ(list[0], &_A);
  EXPECT_EQ(list[2], &_C);
  EXPECT_EQ(list[3], nullptr);
  EXPECT_EQ(list[INT_MAX], nullptr);
  list.Set(1, &_D);
  list.Set(-4, &_B);  // the first element, as the read
  EXPECT_THAT(Names(list), ElementsAre("b", "d", "c"));
}

TEST_F(ORVListDeathTest, SetWhereThereIsNoElementIsFatal) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  std::string pattern =
      FatalReportPattern("ORVList::operator [](int index): wrong index", kListFile);
  EXPECT_EXIT(list.Set(3, &_D), testing::ExitedWithCode(255), pattern);
  ORVList empty(ORVDoNothingAtDelete);
  EXPECT_EXIT(empty.Set(0, &_D), testing::ExitedWithCode(255), pattern);
}

TEST_F(ORVListTest, RemoveTakesEveryOccurrenceAndReportsEachOne) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVList list(ORVDoNothingAtDelete);
  list.Append(&_A);
  list.Append(&_B);
  list.Append(&_A);
  list.Append(&_A);
  list.SetHLink(handler);
  EXPECT_TRUE(list.Remove(&_A, 1));
  EXPECT_THAT(Names(list), ElementsAre("b"));
  EXPECT_FALSE(list.Remove(&_A, 1));  // absent: nothing reported
  EXPECT_THAT(link->Texts(), ElementsAre("RemoveObject a", "RemoveObject a", "RemoveObject a"));
  std::vector<int> sizes;
  for (const auto& notification : link->_Notifications)
    sizes.push_back(notification._SizeOfFrom);
  EXPECT_THAT(sizes, ElementsAre(4, 3, 2));  // each told before its removal
}

TEST_F(ORVListTest, NullElementsAreStoredFoundAndRemoved) {
  ORVList list(ORVDoNothingAtDelete);
  EXPECT_FALSE(list.Contains(nullptr));  // the sentinels hold no element
  list.Append(nullptr);
  list.Append(&_A);
  list.Append(nullptr);
  EXPECT_TRUE(list.Contains(nullptr));
  EXPECT_EQ(list.Size(), 3);
  EXPECT_TRUE(list.Remove(nullptr, 0));
  EXPECT_THAT(Names(list), ElementsAre("a"));
  EXPECT_FALSE(list.Remove(nullptr, 0));
}

TEST_F(ORVListTest, ReplaceByObjectIsReportedEvenWhenAbsent) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVList list(ORVDoNothingAtDelete);
  list.Append(&_A);
  list.Append(&_B);
  list.Append(&_A);
  list.SetHLink(handler);
  EXPECT_TRUE(list.Replace(&_A, &_C, 1));
  EXPECT_THAT(Names(list), ElementsAre("c", "b", "c"));
  EXPECT_FALSE(list.Replace(&_A, &_D, 1));
  EXPECT_TRUE(list.Replace(&_C, &_C, 0));  // replacing by itself ends
  EXPECT_THAT(link->Texts(), ElementsAre("ReplaceObject a c", "ReplaceObject a d"));
}

TEST_F(ORVListTest, PositionalChangesAreReportedAsNotifySays) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVList list(ORVDoNothingAtDelete);
  list.SetHLink(handler);
  list.Add(&_B, 1);
  list.Add(&_D, 0);
  list.Append(&_C);
  list.Insert(&_A, 0);
  ORVListCursor onC = CursorAt(list, 3);
  list.InsertAfter(&onC, &_D);
  list.InsertBefore(&onC, &_B);
  EXPECT_EQ(list.Replace(&onC, &_A), &_C);
  EXPECT_EQ(list.ExtractFirst(), &_A);
  EXPECT_EQ(list.ExtractLast(), &_D);
  list.Clear(1);
  list.Clear(0);
  EXPECT_THAT(link->Texts(),
              ElementsAre("AddObject b", "AddObject c", "AddObject a", "AddObject d", "AddObject b",
                          "ReplaceObject c a", "RemoveObject a", "RemoveObject d", "Clear"));
}

TEST_F(ORVListTest, CursorInsertionsAtTheSentinels) {
  ORVList list(ORVDoNothingAtDelete);
  ORVListCursor head(list.GetHead());
  ORVListCursor tail(list.GetTail());
  EXPECT_EQ(list.InsertAfter(&tail, &_A), 0u);
  EXPECT_EQ(list.InsertBefore(&head, &_A), 0u);
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.InsertAfter(&head, &_B), 1u);   // at the front
  EXPECT_EQ(list.InsertBefore(&tail, &_C), 1u);  // appends
  EXPECT_EQ(list.InsertAfter(&head, &_A), 1u);
  EXPECT_THAT(Names(list), ElementsAre("a", "b", "c"));
  ORVListCursor onB = CursorAt(list, 1);
  EXPECT_EQ(list.InsertBefore(&onB, &_D), 1u);
  EXPECT_EQ(list[&onB], &_B);  // the cursor stays on its link
  EXPECT_THAT(Names(list), ElementsAre("a", "d", "b", "c"));
}

TEST_F(ORVListTest, CursorReadsReplacesAndSetsOnlyOnElements) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  ORVListCursor head(list.GetHead());
  ORVListCursor tail(list.GetTail());
  ORVListCursor nowhere;
  EXPECT_EQ(list[&head], nullptr);
  EXPECT_EQ(list[&tail], nullptr);
  EXPECT_EQ(list[&nowhere], nullptr);
  EXPECT_EQ(list[static_cast<const ORVCursor*>(nullptr)], nullptr);
  EXPECT_EQ(list.Replace(&head, &_D), nullptr);
  EXPECT_EQ(list.Replace(&tail, &_D), nullptr);
  EXPECT_EQ(list.Remove(&head), nullptr);
  EXPECT_EQ(list.Remove(&tail), nullptr);
  EXPECT_EQ(head.GetLink(), list.GetHead());
  ORVListCursor onB = CursorAt(list, 1);
  EXPECT_EQ(list[&onB], &_B);
  list.Set(&onB, &_D);
  EXPECT_THAT(Names(list), ElementsAre("a", "d", "c"));
}

TEST_F(ORVListTest, RemoveAtACursorDuringIterationGoesOnWithTheNextElement) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  list.Append(&_D);
  list.SetHLink(handler);
  ORVIterator* iterator = list.MakeIterator(nullptr);
  std::vector<std::string> seen;
  for (PEVBaseUnknown* element = iterator->Next(); element; element = iterator->Next()) {
    seen.push_back(NameOf(element));
    if (element == &_B || element == &_C) {
      EXPECT_EQ(list.Remove(const_cast<ORVCursor*>(iterator->Position())), element);
    }
  }
  iterator->Release();
  EXPECT_THAT(seen, ElementsAre("a", "b", "c", "d"));
  EXPECT_THAT(Names(list), ElementsAre("a", "d"));
  EXPECT_THAT(link->Texts(), ElementsAre("RemoveObject b", "RemoveObject c"));
  EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, 4);  // told before the removal
}

TEST_F(ORVListTest, RemoveAtACursorMovesItToThePreviousLink) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  ORVListCursor onA = CursorAt(list, 0);
  EXPECT_EQ(list.Remove(&onA), &_A);
  EXPECT_EQ(onA.GetLink(), list.GetHead());
  ORVListCursor onC = CursorAt(list, 1);
  EXPECT_EQ(list.Remove(&onC), &_C);
  EXPECT_EQ(list[&onC], &_B);
  EXPECT_EQ(list.Size(), 1);
}

TEST_F(ORVListTest, IteratorStopsAtBothEndsAndResumes) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  ORVListIterator iterator(&list, nullptr, 0, nullptr);
  EXPECT_EQ(iterator.Previous(), nullptr);
  EXPECT_EQ(ORVCheckedCast<ORVListCursor>(iterator.Position())->GetLink(), list.GetHead());
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Next(), &_B);
  EXPECT_EQ(iterator.Next(), &_C);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(ORVCheckedCast<ORVListCursor>(iterator.Position())->GetLink(), list.GetTail());
  EXPECT_EQ(iterator.Previous(), &_C);
  iterator.ToBegin();
  EXPECT_EQ(iterator.Next(), &_A);
  iterator.ToEnd();
  EXPECT_EQ(iterator.Previous(), &_C);
  EXPECT_EQ(iterator.Previous(), &_B);
  EXPECT_EQ(iterator.Previous(), &_A);
  EXPECT_EQ(iterator.Previous(), nullptr);
}

TEST_F(ORVListTest, PatternIterationStopsOnlyAtMatchesBothWays) {
  ORVTestShapeCmpName byName;
  ORVTestShape otherA("a");
  ORVTestShape secondA("a");
  ORVList list(ORVDoNothingAtDelete);
  list.Append(&_A);
  list.Append(&_B);
  list.Append(&secondA);
  list.Append(&_C);
  ORVIterator* iterator = list.LookupAll(&otherA, byName);
  EXPECT_TRUE(iterator->WithPattern());
  EXPECT_EQ(iterator->Next(), &_A);
  EXPECT_EQ(iterator->Next(), &secondA);
  EXPECT_EQ(iterator->Next(), nullptr);
  EXPECT_EQ(iterator->Previous(), &secondA);
  EXPECT_EQ(iterator->Previous(), &_A);
  EXPECT_EQ(iterator->Previous(), nullptr);
  iterator->Release();
  // From a cursor: the matches after it.
  ORVListCursor onB = CursorAt(list, 1);
  iterator = list.LookupAll(&onB, &otherA, byName);
  EXPECT_EQ(iterator->Next(), &secondA);
  iterator->Release();
  // Without comparator: identity.
  iterator = list.LookupAll(&otherA);
  EXPECT_EQ(iterator->Next(), nullptr);
  EXPECT_EQ(ORVCheckedCast<ORVListCursor>(iterator->Position())->GetLink(), list.GetTail());
  iterator->Release();
  iterator = list.LookupAll(&onB, &secondA);
  EXPECT_EQ(iterator->Next(), &secondA);
  EXPECT_EQ(iterator->Next(), nullptr);
  iterator->Release();
}

TEST_F(ORVListTest, LookupOneWalksFromTheFirstElement) {
  ORVTestShapeCmpName byName;
  ORVTestShape otherB("b");
  ORVTestShape secondB("b");
  ORVList list(ORVDoNothingAtDelete);
  list.Append(&_A);
  list.Append(&_B);
  list.Append(&secondB);
  EXPECT_EQ(list.LookupOne(&otherB, byName), &_B);
  EXPECT_EQ(byName._Comparisons, 2);
  EXPECT_EQ(list.LookupOne(&otherB), nullptr);
  EXPECT_EQ(list.LookupOne(&secondB), &secondB);
  EXPECT_EQ(list.LookupOne(&_D, byName), nullptr);
  EXPECT_TRUE(list.Contains(&secondB));
  EXPECT_FALSE(list.Contains(&otherB));
}

TEST_F(ORVListTest, MakeIteratorStartsAtACopyOfTheCursor) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  ORVListCursor onB = CursorAt(list, 1);
  ORVIterator* iterator = list.MakeIterator(&onB);
  EXPECT_FALSE(iterator->WithPattern());
  EXPECT_EQ(iterator->Next(), &_C);
  EXPECT_EQ(onB.GetLink(), list.SearchIndex(1));  // the given cursor did not move
  iterator->Release();
  ORVIterator* fromStart = list.MakeIterator(nullptr);
  EXPECT_EQ(fromStart->Next(), &_A);
  fromStart->Release();
}

TEST_F(ORVListTest, SearchesFromALinkInBothDirections) {
  ORVTestShapeCmpName byName;
  ORVTestShape pattern("a");
  ORVList list(ORVDoNothingAtDelete);
  list.Append(&_A);
  list.Append(&_B);
  list.Append(&_A);
  ORVListLink* first = list.SearchIndex(0);
  ORVListLink* last = list.SearchIndex(2);
  EXPECT_EQ(list.Search(first, 1, &pattern, byName), first);  // the start is included
  EXPECT_EQ(list.Search(list.SearchIndex(1), 1, &pattern, byName), last);
  EXPECT_EQ(list.Search(list.SearchIndex(1), 0, &pattern, byName), first);
  EXPECT_EQ(list.Search(list.GetTail(), 0, &pattern, byName), last);
  EXPECT_EQ(list.Search(list.GetHead(), 1, &pattern, byName), first);
  ORVTestShape absent("z");
  EXPECT_EQ(list.Search(first, 1, &absent, byName), list.GetTail());
  EXPECT_EQ(list.Search(last, 0, &absent, byName), list.GetHead());
  EXPECT_EQ(list.SearchObject(list.SearchIndex(1), &_A), last);
  EXPECT_EQ(list.SearchObject(first, &_C), nullptr);
  EXPECT_EQ(list.SearchIndex(3), list.GetTail());
  EXPECT_EQ(list.SearchIndex(-2), first);
}

TEST_F(ORVListTest, CopiesShareElementsInOrderAndTakeWhatToDoAtDelete) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVList list(ORVReleaseElementsAtDelete);
  FillABC(list);
  list.SetHLink(handler);
  ORVList copy(list);
  EXPECT_THAT(Names(copy), ElementsAre("a", "b", "c"));
  EXPECT_EQ(copy.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  EXPECT_EQ(copy.GetLink(), nullptr);
  EXPECT_EQ(_A.GetRefCount(), 1u);  // shared without AddRef
  ORVList assigned(ORVDoNothingAtDelete);
  assigned.Append(&_D);
  assigned = copy;
  EXPECT_THAT(Names(assigned), ElementsAre("a", "b", "c"));
  EXPECT_THAT(NamesBackward(assigned), ElementsAre("a", "b", "c"));
  EXPECT_EQ(assigned.Size(), 3);
  EXPECT_EQ(assigned.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  EXPECT_TRUE(link->_Notifications.empty());
  list.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
  copy.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
  assigned.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}

TEST_F(ORVListTest, AssigningAListToItselfKeepsItsElements) {
  ORVList list(ORVClearAtDelete);
  FillABC(list);
  ORVList& alias = list;
  list = alias;
  EXPECT_THAT(Names(list), ElementsAre("a", "b", "c"));
  EXPECT_EQ(list.Size(), 3);
  EXPECT_EQ(list.GetWhatToDoAtDelete(), ORVClearAtDelete);
}

TEST_F(ORVListDeathTest, LinkedListRefusesPositionalSetAndCopies) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  list.SetHLink(handler);
  ORVList other(ORVDoNothingAtDelete);
  std::string pattern = FatalReportPattern("Not yet implemented with a Link", kListFile);
  EXPECT_EXIT(list.Set(0, &_D), testing::ExitedWithCode(255), pattern);
  ORVListCursor onA = CursorAt(list, 0);
  EXPECT_EXIT(list.Set(&onA, &_D), testing::ExitedWithCode(255), pattern);
  EXPECT_EXIT(list = other, testing::ExitedWithCode(255), pattern);
  ORVList& alias = list;
  EXPECT_EXIT(list = alias, testing::ExitedWithCode(255), pattern);  // checked first
}

TEST_F(ORVListDeathTest, CursorMisuseIsFatal) {
  ORVList list(ORVDoNothingAtDelete);
  FillABC(list);
  ORVListCursor nowhere;
  std::string linkIsNull = FatalReportPattern("link is NULL", kListFile);
  EXPECT_EXIT(list.Set(&nowhere, &_D), testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(list.InsertBefore(&nowhere, &_D), testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(list.InsertAfter(&nowhere, &_D), testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(list.Replace(&nowhere, &_D), testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(list.Remove(&nowhere), testing::ExitedWithCode(255), linkIsNull);
  std::string cursorIsNull = FatalReportPattern("cursor is NULL", kListFile);
  EXPECT_EXIT(list.Remove(static_cast<ORVCursor*>(nullptr)), testing::ExitedWithCode(255),
              cursorIsNull);
  EXPECT_EXIT(list.InsertAfter(nullptr, &_D), testing::ExitedWithCode(255), cursorIsNull);
  ORVListCursor head(list.GetHead());
  ORVListCursor tail(list.GetTail());
  std::string wrongObject = FatalReportPattern(
      "ORVList::operator [](const PEVBaseUnknown *) const: wrong object", kListFile);
  EXPECT_EXIT(list.Set(&head, &_D), testing::ExitedWithCode(255), wrongObject);
  EXPECT_EXIT(list.Set(&tail, &_D), testing::ExitedWithCode(255), wrongObject);
  ORVTestCursor foreign;
  std::string conversion = FatalReportPattern(
      "ORVConversionCheck::Check: object is not a \"ORVListCursor\" but a \"ORVTestCursor\"",
      "src/ORVMacro.cpp");
  EXPECT_EXIT(list.Remove(&foreign), testing::ExitedWithCode(255), conversion);
  EXPECT_EXIT(list.MakeIterator(&foreign), testing::ExitedWithCode(255), conversion);
}

TEST_F(ORVListDeathTest, IteratorWithoutListOrPositionIsFatal) {
  ORVListIterator iterator;
  std::string pattern = FatalReportPattern("list_ is NULL", kIteratorFile);
  EXPECT_EXIT(iterator.Next(), testing::ExitedWithCode(255), pattern);
  EXPECT_EXIT(iterator.Previous(), testing::ExitedWithCode(255), pattern);
  EXPECT_EXIT(iterator.ToBegin(), testing::ExitedWithCode(255), pattern);
  EXPECT_EXIT(iterator.ToEnd(), testing::ExitedWithCode(255), pattern);
  ORVList list(ORVDoNothingAtDelete);
  ORVListCursor nowhere;
  ORVListIterator lost(&list, &nowhere, nullptr, 0, nullptr);
  EXPECT_EXIT(lost.Next(), testing::ExitedWithCode(255),
              FatalReportPattern("link is NULL", kIteratorFile));
}

TEST_F(ORVListDeathTest, DamagedChainIsFatalToWalksAndClearing) {
  std::string linkIsNull = FatalReportPattern("link is NULL", kListFile);
  // The middle link loses its next pointer.
  auto damaged = [this](ORVList& ioList) {
    FillABC(ioList);
    ioList.SearchIndex(1)->SetNext(nullptr);
  };
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        damaged(list);
        list.Contains(&_D);
      },
      testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        damaged(list);
        list.LookupOne(&_D);
      },
      testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        damaged(list);
        list[2];
      },
      testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        damaged(list);
        list.Clear(0);
      },
      testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        damaged(list);
        ORVList copy(list);
      },
      testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        damaged(list);
        _A.AddRef();  // released before the walk meets the break
        _B.AddRef();
        list.ReleaseElementsAndClear();
      },
      testing::ExitedWithCode(255), FatalReportPattern("llp is NULL", kListFile));
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        FillABC(list);
        list.SearchIndex(1)->SetPrevious(nullptr);
        ORVTestShapeCmpName byName;
        list.Search(list.GetTail(), 0, &_D, byName);
      },
      testing::ExitedWithCode(255), linkIsNull);
  EXPECT_EXIT(
      {
        ORVList list(ORVDoNothingAtDelete);
        FillABC(list);
        list.SearchIndex(1)->SetNext(nullptr);
        ORVListIterator iterator(&list, nullptr, 0, nullptr);
        while (iterator.Next()) {
        }
      },
      testing::ExitedWithCode(255), FatalReportPattern("link is NULL", kIteratorFile));
}

TEST_F(ORVListTest, DisposalAtDeleteFollowsWhatToDoAtDelete) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  {
    ORVList list(ORVClearAtDelete);
    list.SetHLink(handler);
    list.Append(&_A);
  }
  EXPECT_THAT(link->Texts(), ElementsAre("AddObject a", "Clear", "RemoveContainer"));
  EXPECT_EQ(_A.GetRefCount(), 1u);

  ORVTestShape::_DestroyedNames.clear();
  int live = ORVTestShape::_LiveCount;
  _B.AddRef();
  {
    ORVList list(ORVReleaseElementsAtDelete);
    list.Append(new ORVTestShape("first"));
    list.Append(nullptr);
    list.Append(&_B);
    list.Append(new ORVTestShape("last"));
  }
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_EQ(_B.GetRefCount(), 1u);
  EXPECT_THAT(ORVTestShape::_DestroyedNames, ElementsAre("first", "last"));

  // Destroy releases too: a shape still referenced elsewhere survives.
  _C.AddRef();
  {
    ORVList list(ORVDestroyElementsAtDelete);
    list.Append(&_C);
    list.Append(new ORVTestShape("owned"));
  }
  EXPECT_EQ(_C.GetRefCount(), 1u);
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
}

TEST_F(ORVListTest, ReleasingAnElementThatReachesBackSeesTheListEmpty) {
  // A shape whose destruction asks the list for its size.
  struct Watcher : ORVTestShape {
    Watcher(const ORVList& iList, int* oSize) : ORVTestShape("w"), _pList(&iList), _pSize(oSize) {}
    ~Watcher() override { *_pSize = _pList->Size() + (_pList->IsEmpty() ? 0 : 100); }
    const ORVList* _pList;
    int* _pSize;
  };
  int sizeSeen = -1;
  ORVList list(ORVDoNothingAtDelete);
  _A.AddRef();
  _B.AddRef();
  list.Append(&_A);
  list.Append(new Watcher(list, &sizeSeen));
  list.Append(&_B);
  list.Destroy();
  EXPECT_EQ(sizeSeen, 0);
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(_B.GetRefCount(), 1u);
}
