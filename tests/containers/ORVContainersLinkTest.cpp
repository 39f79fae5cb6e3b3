// Tests of ORVContainersLink that its model test leaves out: filling, disposal of the
// elements once, leaving the set on destruction, on RemoveContainer or when the link
// handler is emptied, the link's own lifetime, and the fatal texts.
#include "ORVContainersLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVHashTable.h"
#include "ORVList.h"
#include "ORVVector.h"

namespace {

const char kLinkFile[] = "src/ORVContainersLink.cpp";

// A link that counts its destructions.
class ORVTestCountedLink : public ORVContainersLink {
public:
  explicit ORVTestCountedLink(int* oDestroyed) : _pDestroyed(oDestroyed) {}
  ~ORVTestCountedLink() override { ++*_pDestroyed; }

private:
  int* _pDestroyed;
};

class ORVContainersLinkTest : public ORVContainerTestBase {
protected:
  ORVContainersLinkTest() {
    _Link.Set(ORVRfHndlrAdopt, new ORVContainersLink());
    _Other.Set(ORVRfHndlrAdopt, new ORVContainersLink());
  }
  // The list, the vector and the hash table, linked in that order.
  void LinkAll() {
    for (ORVContainer* container :
         {(ORVContainer*)&_List, (ORVContainer*)&_Vector, (ORVContainer*)&_Table})
      _Link->AddContainer(container);
  }
  bool AllEmpty() const { return _List.IsEmpty() && _Vector.IsEmpty() && _Table.IsEmpty(); }

  ORVContainersLinkRfHndlr _Link, _Other;
  ORVList _List{ORVDoNothingAtDelete};
  ORVVector _Vector{ORVDoNothingAtDelete};
  ORVHashTable _Table{ORVDoNothingAtDelete, 0};
};
using ORVContainersLinkDeathTest = ORVContainersLinkTest;

}  // namespace

TEST_F(ORVContainersLinkTest, ReleasingTheElementsOfOneReleasesEachElementOnce) {
  LinkAll();
  int live = ORVTestShape::_LiveCount;
  _A.AddRef();
  AppendAll(_List, {&_A, new ORVTestShape("owned"), nullptr});
  _Table.ReleaseElementsAndClear();
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_TRUE(AllEmpty());
  AppendAll(_Vector, {new ORVTestShape("destroyed"), new ORVTestCircle("too")});
  _Vector.Destroy();
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_TRUE(AllEmpty());
}

// The containers hold the link: it goes with the last of them, or at once when the
// holder of its last reference is unlinked; a link destroyed first unlinks them.
TEST_F(ORVContainersLinkTest, TheLinkLivesAsLongAsItsContainersAndUnlinksThemWhenItGoes) {
  int destroyed = 0;
  auto* link = new ORVTestCountedLink(&destroyed);
  auto* list = new ORVList(ORVDoNothingAtDelete);
  auto* vector = new ORVVector(ORVDoNothingAtDelete);
  auto* table = new ORVHashTable(ORVDoNothingAtDelete, 0);
  for (ORVContainer* container : {(ORVContainer*)list, (ORVContainer*)vector, (ORVContainer*)table})
    link->AddContainer(container);
  link->Release();
  vector->Release();
  list->Append(&_A);
  EXPECT_TRUE(table->Contains(&_A));
  table->Release();
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(ElementsOf(link->GetContainerSet()), std::vector<PEVBaseUnknown*>{list});
  list->Append(&_B);  // nobody else to tell
  list->Release();
  EXPECT_EQ(destroyed, 1);
  link = new ORVTestCountedLink(&destroyed);
  link->AddContainer(&_Vector);
  link->Release();
  link->RemoveContainer(&_Vector);
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(_Vector.GetLink(), nullptr);
  {
    ORVContainersLink first;
    first.AddContainer(&_Vector);
    first.AddContainer(&_List);
  }
  EXPECT_EQ(_Vector.GetLink(), nullptr);
  EXPECT_EQ(_List.GetLink(), nullptr);
  _Vector.Append(&_A);
  EXPECT_TRUE(_List.IsEmpty());
}

// Unlinked by RemoveContainer or by emptying its link handler, a container is told no
// more.
TEST_F(ORVContainersLinkTest, ALeavingContainerIsToldNoMore) {
  LinkAll();
  _Link->RemoveContainer(&_Vector);
  _Table.SetHLink(ORVContainersLinkRfHndlr());
  EXPECT_EQ(_Link->GetContainerSet().Size(), 1);
  _List.Append(&_A);
  EXPECT_TRUE(_Vector.IsEmpty() && _Table.IsEmpty());
}

TEST_F(ORVContainersLinkTest, FillingTakesTheFirstContainersIterationOrder) {
  _Link->AddContainer(&_List);
  AppendAll(_List, {&_A, &_B, nullptr, &_C});  // a null is not the end of the elements
  _Link->FillAndAddContainer(&_Vector);
  EXPECT_EQ(Names(_Vector), (std::vector<std::string>{"a", "b", "null", "c"}));
  _Link->FillAndAddContainer(&_Table);
  EXPECT_EQ(_Table.Size(), 4);
  _Vector.Append(&_D);
  EXPECT_TRUE(_Table.Contains(&_D));
  ORVVector lone(ORVDoNothingAtDelete);
  _Other->FillAndAddContainer(&lone);  // into an empty set: nothing to copy
  EXPECT_TRUE(lone.IsEmpty());
  EXPECT_EQ(_Other->GetContainerSet().Size(), 1);
}

TEST_F(ORVContainersLinkDeathTest, MisuseAndANullEntryInTheSetAreFatal) {
  auto fatal = [](const std::function<void()>& iBody, const std::string& iText) {
    ExpectFatalReport(iBody, iText, kLinkFile);
  };
  fatal([&] { _Link->AddContainer(nullptr); }, "ORVContainersLink::AddContainer(NULL)");
  fatal([&] { _Link->FillAndAddContainer(nullptr); },
        "ORVContainersLink::FillAndAddContainer(NULL)");
  fatal([&] { _Link->RemoveContainer(nullptr); }, "pContainer is NULL");
  _Vector.Append(&_A);
  fatal([&] { _Link->FillAndAddContainer(&_Vector); }, "The container must be empty");
  _Vector.Clear(0);
  _Other->AddContainer(&_Table);
  ExpectFatalReport([&] { _Link->AddContainer(&_Table); }, "The container already has a Link",
                    "src/ORVContainer.cpp");
  _Other->AddContainer(&_List);
  // Only a broken set can hold a null entry.
  const_cast<ORVVector&>(_Other->GetContainerSet()).Set(0, nullptr);
  fatal([&] { _List.Add(&_A, ORVNotify); }, "pContainer is NULL");
  fatal([&] { _Other->FillAndAddContainer(&_Vector); }, "pContainerRef is NULL");
  const_cast<ORVVector&>(_Other->GetContainerSet()).Set(0, &_Table);
}
