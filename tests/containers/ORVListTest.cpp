// Tests of ORVList, its cursor and iterator: order of the insertions, index and cursor
// bounds, removal during iteration, patterns, copies, disposal, link notifications,
// the damaged-chain checks and every fatal text.
#include "ORVList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVListCursor.h"
#include "ORVListIterator.h"

using testing::ElementsAre;

namespace {

const char kListFile[] = "src/ORVList.cpp";
const char kIteratorFile[] = "src/ORVListIterator.cpp";

class ORVListTest : public ORVContainerTestBase {
protected:
  // A cursor on the link at iIndex.
  static ORVListCursor CursorAt(const ORVList& iList, int iIndex) {
    return ORVListCursor(iList.SearchIndex(iIndex));
  }
  ORVList _List{ORVDoNothingAtDelete};
};
using ORVListDeathTest = ORVListTest;

}  // namespace

TEST_F(ORVListTest, SearchesFromALinkInBothDirections) {
  ORVTestShapeCmpName byName;
  ORVTestShape pattern("a");
  ORVTestShape absent("z");
  AppendAll(_List, {&_A, &_B, &_A});
  ORVListLink* first = _List.SearchIndex(0);
  ORVListLink* middle = _List.SearchIndex(1);
  ORVListLink* last = _List.SearchIndex(2);
  EXPECT_EQ(_List.Search(first, 1, &pattern, byName), first);  // the start is included
  EXPECT_EQ(_List.Search(middle, 1, &pattern, byName), last);
  EXPECT_EQ(_List.Search(middle, 0, &pattern, byName), first);
  EXPECT_EQ(_List.Search(_List.GetTail(), 0, &pattern, byName), last);
  EXPECT_EQ(_List.Search(_List.GetHead(), 1, &pattern, byName), first);
  EXPECT_EQ(_List.Search(first, 1, &absent, byName), _List.GetTail());
  EXPECT_EQ(_List.Search(last, 0, &absent, byName), _List.GetHead());
  EXPECT_EQ(_List.SearchObject(middle, &_A), last);
  EXPECT_EQ(_List.SearchObject(first, &_C), nullptr);
  EXPECT_EQ(_List.SearchIndex(3), _List.GetTail());
  EXPECT_EQ(_List.SearchIndex(-2), first);
}

TEST_F(ORVListTest, CopiesShareElementsInOrderAndTakeWhatToDoAtDelete) {
  ORVList list(ORVReleaseElementsAtDelete);
  AppendAll(list, {&_A, &_B, &_C});
  ORVTestRecordingLink* link = Record({&list});
  ORVList copy(list);
  EXPECT_THAT(Names(copy), ElementsAre("a", "b", "c"));
  EXPECT_EQ(copy.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  EXPECT_EQ(copy.GetLink(), nullptr);
  EXPECT_EQ(_A.GetRefCount(), 1u);  // shared without AddRef
  _List.Append(&_D);
  _List = copy;
  EXPECT_EQ(ElementsOf(_List, false), ElementsOf(copy));
  EXPECT_EQ(_List.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  EXPECT_TRUE(link->_Notifications.empty());
  ORVList& alias = _List;  // assigned to itself: unchanged
  _List = alias;
  EXPECT_THAT(Names(_List), ElementsAre("a", "b", "c"));
  for (ORVList* owner : {&list, &copy, &_List})
    owner->SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}

TEST_F(ORVListDeathTest, WrongIndexesAndLinkedCopiesAreFatal) {
  AppendAll(_List, {&_A, &_B, &_C});
  ORVList empty(ORVDoNothingAtDelete);
  std::string insert = "ORVList::Insert(PEVBaseUnknown *, int): wrong index";
  ExpectFatalReport([&] { _List.Insert(&_D, 4); }, insert, kListFile);
  ExpectFatalReport([&] { _List.Insert(&_D, INT_MAX); }, insert, kListFile);
  ExpectFatalReport([&] { empty.Insert(&_D, 1); }, insert, kListFile);
  std::string set = "ORVList::operator [](int index): wrong index";
  ExpectFatalReport([&] { _List.Set(3, &_D); }, set, kListFile);
  ExpectFatalReport([&] { empty.Set(0, &_D); }, set, kListFile);
  Record({&_List});
  ORVListCursor onA = CursorAt(_List, 0);
  std::string linked = "Not yet implemented with a Link";
  ExpectFatalReport([&] { _List.Set(0, &_D); }, linked, kListFile);
  ExpectFatalReport([&] { _List.Set(&onA, &_D); }, linked, kListFile);
  ExpectFatalReport([&] { _List = empty; }, linked, kListFile);
  ORVList& alias = _List;
  ExpectFatalReport([&] { _List = alias; }, linked, kListFile);  // checked first
}

TEST_F(ORVListDeathTest, CursorMisuseIsFatal) {
  AppendAll(_List, {&_A, &_B, &_C});
  ORVListCursor nowhere;
  ExpectFatalReport([&] { _List.Set(&nowhere, &_D); }, "link is NULL", kListFile);
  ExpectFatalReport([&] { _List.InsertBefore(&nowhere, &_D); }, "link is NULL", kListFile);
  ExpectFatalReport([&] { _List.InsertAfter(&nowhere, &_D); }, "link is NULL", kListFile);
  ExpectFatalReport([&] { _List.Replace(&nowhere, &_D); }, "link is NULL", kListFile);
  ExpectFatalReport([&] { _List.Remove(&nowhere); }, "link is NULL", kListFile);
  ExpectFatalReport([&] { _List.Remove(static_cast<ORVCursor*>(nullptr)); }, "cursor is NULL",
                    kListFile);
  ExpectFatalReport([&] { _List.InsertAfter(nullptr, &_D); }, "cursor is NULL", kListFile);
  ORVListCursor head(_List.GetHead());
  ORVListCursor tail(_List.GetTail());
  std::string wrongObject = "ORVList::operator [](const PEVBaseUnknown *) const: wrong object";
  ExpectFatalReport([&] { _List.Set(&head, &_D); }, wrongObject, kListFile);
  ExpectFatalReport([&] { _List.Set(&tail, &_D); }, wrongObject, kListFile);
  ORVTestCursor foreign;
  std::string conversion = WrongCursorText("ORVListCursor");
  ExpectFatalReport([&] { _List.Remove(&foreign); }, conversion, "src/ORVMacro.cpp");
  ExpectFatalReport([&] { _List.MakeIterator(&foreign); }, conversion, "src/ORVMacro.cpp");
  ORVListIterator iterator;
  ExpectFatalReport([&] { iterator.Next(); }, "list_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { iterator.Previous(); }, "list_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { iterator.ToBegin(); }, "list_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { iterator.ToEnd(); }, "list_ is NULL", kIteratorFile);
  ORVListIterator lost(&_List, &nowhere, nullptr, 0, nullptr);
  ExpectFatalReport([&] { lost.Next(); }, "link is NULL", kIteratorFile);
}

TEST_F(ORVListDeathTest, DamagedChainIsFatalToWalksAndClearing) {
  // Each walk over a list whose middle link lost its next (or previous) pointer.
  auto damaged = [this](const std::function<void(ORVList&)>& iWalk, bool iNext = true) {
    return [this, iWalk, iNext] {
      AppendAll(_List, {&_A, &_B, &_C});
      if (iNext) _List.SearchIndex(1)->SetNext(nullptr);
      if (!iNext) _List.SearchIndex(1)->SetPrevious(nullptr);
      iWalk(_List);
    };
  };
  std::string linkIsNull = "link is NULL";
  ExpectFatalReport(damaged([&](ORVList& ioList) { ioList.Contains(&_D); }), linkIsNull, kListFile);
  ExpectFatalReport(damaged([&](ORVList& ioList) { ioList.LookupOne(&_D); }), linkIsNull,
                    kListFile);
  ExpectFatalReport(damaged([](ORVList& ioList) { ioList[2]; }), linkIsNull, kListFile);
  ExpectFatalReport(damaged([](ORVList& ioList) { ioList.Clear(0); }), linkIsNull, kListFile);
  ExpectFatalReport(damaged([](ORVList& ioList) { ORVList copy(ioList); }), linkIsNull, kListFile);
  ExpectFatalReport(damaged([&](ORVList& ioList) {
                      _A.AddRef();  // released before the walk meets the break
                      _B.AddRef();
                      ioList.ReleaseElementsAndClear();
                    }),
                    "llp is NULL", kListFile);
  ORVTestShapeCmpName byName;
  ExpectFatalReport(
      damaged([&](ORVList& ioList) { ioList.Search(ioList.GetTail(), 0, &_D, byName); }, false),
      linkIsNull, kListFile);
  ExpectFatalReport(damaged([](ORVList& ioList) {
                      ORVListIterator iterator(&ioList, nullptr, 0, nullptr);
                      while (iterator.Next()) {
                      }
                    }),
                    linkIsNull, kIteratorFile);
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
  _A.AddRef();
  _B.AddRef();
  AppendAll(_List, {&_A, new Watcher(_List, &sizeSeen), &_B});
  _List.Destroy();
  EXPECT_EQ(sizeSeen, 0);
  EXPECT_TRUE(_List.IsEmpty());
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(_B.GetRefCount(), 1u);
}

TEST_F(ORVListDeathTest, AnIteratorOutlivingItsListIsLeftWithoutIt) {
  auto* list = new ORVList(ORVDoNothingAtDelete);
  AppendAll(*list, {&_A, &_B});
  ORVIterator* iterator = list->MakeIterator(nullptr);
  EXPECT_EQ(iterator->Next(), &_A);
  delete list;
  ExpectFatalReport([&] { iterator->Next(); }, "list_ is NULL", kIteratorFile);
  iterator->Release();  // still safe: it no longer reaches the list
}
