// Tests of ORVList, its cursor and iterator that its model test leaves out: copies, iterators
// outliving the list, the damaged-chain checks and every fatal text.
#include "ORVList.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVListCursor.h"
#include "ORVListIterator.h"

namespace {

const char kListFile[] = "src/ORVList.cpp";
const char kIteratorFile[] = "src/ORVListIterator.cpp";

class ORVListTest : public ORVContainerTestBase {
protected:
  ORVList _List{ORVDoNothingAtDelete};
};
using ORVListDeathTest = ORVListTest;

void ExpectFatal(const std::function<void()>& iBody, const std::string& iText) {
  ExpectFatalReport(iBody, iText, kListFile);
}

}  // namespace

TEST_F(ORVListTest, CopiesShareElementsInOrderAndTakeWhatToDoAtDelete) {
  ORVList list(ORVReleaseElementsAtDelete);
  AppendAll(list, {&_A, &_B, &_C});
  ORVTestRecordingLink* link = Record({&list});
  ORVList copy(list);
  EXPECT_EQ(Names(copy), (std::vector<std::string>{"a", "b", "c"}));
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
  EXPECT_EQ(Names(_List), Names(copy));
  for (ORVList* owner : {&list, &copy, &_List})
    owner->SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}

TEST_F(ORVListDeathTest, WrongIndexesCursorsAndLinkedChangesAreFatal) {
  AppendAll(_List, {&_A, &_B, &_C});
  ExpectFatal([&] { _List.Insert(&_D, INT_MAX); },
              "ORVList::Insert(PEVBaseUnknown *, int): wrong index");
  ExpectFatal([&] { _List.Set(3, &_D); }, "ORVList::operator [](int index): wrong index");
  ORVListCursor nowhere, head(_List.GetHead()), tail(_List.GetTail());
  ExpectFatal([&] { _List.Set(&nowhere, &_D); }, "link is NULL");
  ExpectFatal([&] { _List.InsertBefore(&nowhere, &_D); }, "link is NULL");
  ExpectFatal([&] { _List.InsertAfter(&nowhere, &_D); }, "link is NULL");
  ExpectFatal([&] { _List.Replace(&nowhere, &_D); }, "link is NULL");
  ExpectFatal([&] { _List.Remove(&nowhere); }, "link is NULL");
  ExpectFatal([&] { _List.Remove(static_cast<ORVCursor*>(nullptr)); }, "cursor is NULL");
  std::string wrongObject = "ORVList::operator [](const PEVBaseUnknown *) const: wrong object";
  ExpectFatal([&] { _List.Set(&head, &_D); }, wrongObject);
  ExpectFatal([&] { _List.Set(&tail, &_D); }, wrongObject);
  ORVListIterator iterator, lost(&_List, &nowhere, nullptr, 0, nullptr);
  ExpectFatalReport([&] { iterator.ToBegin(); }, "list_ is NULL", kIteratorFile);
  ExpectFatalReport([&] { lost.Next(); }, "link is NULL", kIteratorFile);
  ORVList empty(ORVDoNothingAtDelete);
  ORVListCursor onA(_List.SearchIndex(0));
  Record({&_List});
  ExpectFatal([&] { _List.Set(0, &_D); }, "Not yet implemented with a Link");
  ExpectFatal([&] { _List.Set(&onA, &_D); }, "Not yet implemented with a Link");
  ExpectFatal([&] { _List = empty; }, "Not yet implemented with a Link");
}

// Each walk over a list whose middle link lost its next (or previous) pointer.
TEST_F(ORVListDeathTest, DamagedChainIsFatalToWalksAndClearing) {
  auto damaged = [this](const std::function<void(ORVList&)>& iWalk, bool iNext = true) {
    return [this, iWalk, iNext] {
      AppendAll(_List, {&_A, &_B, &_C});
      if (iNext) _List.SearchIndex(1)->SetNext(nullptr);
      if (!iNext) _List.SearchIndex(1)->SetPrevious(nullptr);
      iWalk(_List);
    };
  };
  ExpectFatal(damaged([&](ORVList& ioList) { ioList.Contains(&_D); }), "link is NULL");
  ExpectFatal(damaged([&](ORVList& ioList) { ioList.LookupOne(&_D); }), "link is NULL");
  ExpectFatal(damaged([](ORVList& ioList) { ioList[2]; }), "link is NULL");
  ExpectFatal(damaged([](ORVList& ioList) { ioList.Clear(0); }), "link is NULL");
  ExpectFatal(damaged([](ORVList& ioList) { ORVList copy(ioList); }), "link is NULL");
  ExpectFatal(damaged([&](ORVList& ioList) {
                _A.AddRef();  // released before the walk meets the break
                _B.AddRef();
                ioList.ReleaseElementsAndClear();
              }),
              "llp is NULL");
  ORVTestShapeCmpName byName;
  ExpectFatal(
      damaged([&](ORVList& ioList) { ioList.Search(ioList.GetTail(), 0, &_D, byName); }, false),
      "link is NULL");
  ExpectFatalReport(damaged([](ORVList& ioList) {
                      ORVListIterator iterator(&ioList, nullptr, 0, nullptr);
                      while (iterator.Next()) {
                      }
                    }),
                    "link is NULL", kIteratorFile);
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
