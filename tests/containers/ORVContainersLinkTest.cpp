// Tests of ORVContainersLink: joining and filling, propagation between a list, a
// vector and a hash table for every change, disposal of the elements once, leaving the
// set on destruction or when the link handler is emptied, and the fatal texts.
#include "ORVContainersLink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVHashTable.h"
#include "ORVIterator.h"
#include "ORVList.h"
#include "ORVListCursor.h"
#include "ORVVector.h"
#include "ORVVectorCursor.h"

using testing::ElementsAre;
using testing::UnorderedElementsAre;

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
  ORVContainersLinkTest() { _Link.Set(ORVRfHndlrAdopt, new ORVContainersLink()); }

  // The list, the vector and the hash table, linked in that order.
  void LinkAll() {
    _Link->AddContainer(&_List);
    _Link->AddContainer(&_Vector);
    _Link->AddContainer(&_Table);
  }

  ORVContainersLinkRfHndlr _Link;
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
  EXPECT_TRUE(_List.IsEmpty());
  EXPECT_TRUE(_Vector.IsEmpty());
  EXPECT_TRUE(_Table.IsEmpty());
  AppendAll(_Vector, {new ORVTestShape("destroyed"), new ORVTestCircle("too")});
  _Vector.Destroy();
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_TRUE(_List.IsEmpty());
  EXPECT_TRUE(_Table.IsEmpty());
}

TEST_F(ORVContainersLinkTest, DestroyingContainersOneByOneFinallyDestroysTheLink) {
  int destroyed = 0;
  auto* link = new ORVTestCountedLink(&destroyed);
  auto* list = new ORVList(ORVDoNothingAtDelete);
  auto* vector = new ORVVector(ORVDoNothingAtDelete);
  auto* table = new ORVHashTable(ORVDoNothingAtDelete, 0);
  link->AddContainer(list);
  link->AddContainer(vector);
  link->AddContainer(table);
  link->Release();  // the containers hold it now
  vector->Release();
  EXPECT_EQ(link->GetContainerSet().Size(), 2);
  list->Append(&_A);
  EXPECT_TRUE(table->Contains(&_A));
  table->Release();
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(link->GetContainerSet().Size(), 1);
  EXPECT_EQ(link->GetContainerSet()[0], list);
  list->Append(&_B);  // nobody else to tell
  list->Release();
  EXPECT_EQ(destroyed, 1);
}

TEST_F(ORVContainersLinkTest, RemoveContainerUnlinksIt) {
  LinkAll();
  _Link->RemoveContainer(&_Vector);
  EXPECT_EQ(_Vector.GetLink(), nullptr);
  EXPECT_EQ(_Link->GetContainerSet().Size(), 2);
  EXPECT_EQ(_Link->GetRefCount(), 3u);
  _List.Append(&_A);
  EXPECT_TRUE(_Vector.IsEmpty());
  EXPECT_TRUE(_Table.Contains(&_A));
  // Unlinking the holder of the last reference lets the link go at once.
  int destroyed = 0;
  ORVVector lone(ORVDoNothingAtDelete);
  ORVContainersLink* link = new ORVTestCountedLink(&destroyed);
  link->AddContainer(&lone);
  link->Release();
  link->RemoveContainer(&lone);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(lone.GetLink(), nullptr);
  // A link destroyed first leaves its containers unlinked.
  ORVList second(ORVDoNothingAtDelete);
  {
    ORVContainersLink first;
    first.AddContainer(&lone);
    first.AddContainer(&second);
  }
  EXPECT_EQ(lone.GetLink(), nullptr);
  EXPECT_EQ(second.GetLink(), nullptr);
  lone.Append(&_A);
  EXPECT_TRUE(second.IsEmpty());
}

TEST_F(ORVContainersLinkDeathTest, MisuseAndANullEntryInTheSetAreFatal) {
  ExpectFatalReport([&] { _Link->AddContainer(nullptr); }, "ORVContainersLink::AddContainer(NULL)",
                    kLinkFile);
  ExpectFatalReport([&] { _Link->FillAndAddContainer(nullptr); },
                    "ORVContainersLink::FillAndAddContainer(NULL)", kLinkFile);
  ExpectFatalReport([&] { _Link->RemoveContainer(nullptr); }, "pContainer is NULL", kLinkFile);
  _Vector.Append(&_A);
  ExpectFatalReport([&] { _Link->FillAndAddContainer(&_Vector); }, "The container must be empty",
                    kLinkFile);
  _Vector.Clear(0);
  ORVContainersLinkRfHndlr other;
  other.Set(ORVRfHndlrAdopt, new ORVContainersLink());
  other->AddContainer(&_Table);
  std::string hasLink = "The container already has a Link";
  ExpectFatalReport([&] { _Link->AddContainer(&_Table); }, hasLink, "src/ORVContainer.cpp");
  ExpectFatalReport([&] { other->AddContainer(&_Table); }, hasLink, "src/ORVContainer.cpp");
  other->AddContainer(&_List);
  // Only a broken set can hold a null entry.
  const_cast<ORVVector&>(other->GetContainerSet()).Set(0, nullptr);
  ExpectFatalReport([&] { _List.Add(&_A, 1); }, "pContainer is NULL", kLinkFile);
  ExpectFatalReport([&] { _List.Clear(1); }, "pContainer is NULL", kLinkFile);
  ExpectFatalReport([&] { other->FillAndAddContainer(&_Vector); }, "pContainerRef is NULL",
                    kLinkFile);
  const_cast<ORVVector&>(other->GetContainerSet()).Set(0, &_Table);
}

TEST_F(ORVContainersLinkTest, FillingTakesTheFirstContainersIterationOrder) {
  _Link->AddContainer(&_List);
  AppendAll(_List, {&_A, &_B, nullptr, &_C});  // a null is not the end of the elements
  _Link->FillAndAddContainer(&_Vector);
  EXPECT_THAT(Names(_Vector), ElementsAre("a", "b", "null", "c"));
  EXPECT_EQ(_Vector.GetLink(), _Link.Get());
  _Link->FillAndAddContainer(&_Table);
  EXPECT_THAT(Names(_Table), UnorderedElementsAre("a", "b", "null", "c"));
  _Vector.Append(&_D);
  EXPECT_TRUE(_Table.Contains(&_D));
  // Into an empty set: nothing to copy.
  ORVContainersLinkRfHndlr other;
  other.Set(ORVRfHndlrAdopt, new ORVContainersLink());
  ORVVector lone(ORVDoNothingAtDelete);
  other->FillAndAddContainer(&lone);
  EXPECT_TRUE(lone.IsEmpty());
  EXPECT_EQ(other->GetContainerSet().Size(), 1);
}

TEST_F(ORVContainersLinkTest, EmptyingALinkHandlerLeavesTheSet) {
  LinkAll();
  {
    ORVVector leaving(ORVDoNothingAtDelete);
    _Link->AddContainer(&leaving);
    EXPECT_EQ(_Link->GetContainerSet().Size(), 4);
    leaving.SetHLink(ORVContainersLinkRfHndlr());
    EXPECT_EQ(_Link->GetContainerSet().Size(), 3);
    _List.Append(&_A);
    EXPECT_TRUE(leaving.IsEmpty());
  }
  _List.Append(&_B);  // the link no longer knows the destroyed vector
  EXPECT_THAT(Names(_Vector), ElementsAre("a", "b"));
  EXPECT_EQ(_Table.Size(), 2);
  // Emptied, a container can join another link.
  _Table.SetHLink(ORVContainersLinkRfHndlr());
  ORVContainersLinkRfHndlr other;
  other.Set(ORVRfHndlrAdopt, new ORVContainersLink());
  other->AddContainer(&_Table);
  EXPECT_EQ(_Link->GetContainerSet().Size(), 2);
}
