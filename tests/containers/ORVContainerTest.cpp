// Tests of the container base, through the vector, the list and the hash table:
// WhatToDoAtDelete and each disposal, the containers link and its notifications,
// ContainsSameObjects, and the handlers of the container classes.
#include "ORVContainer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVHashTable.h"
#include "ORVList.h"
#include "ORVVector.h"

namespace {

const char kContainerFile[] = "src/ORVContainer.cpp";

class ORVContainerTest : public ORVContainerTestBase {};
using ORVContainerDeathTest = ORVContainerTest;
using Texts = std::vector<std::string>;

}  // namespace

// The elements are two owned shapes, a null and, but when Destroy deletes, a shape
// referenced elsewhere; all but doing nothing tell the link of a Clear first.
TEST_F(ORVContainerTest, EachWhatToDoAtDeleteTellsTheLinkAndDisposesOfTheElementsOnce) {
  int live = ORVTestShape::_LiveCount;
  // {kind, a new one, whether Destroy deletes the elements rather than release them}
  const std::tuple<const char*, std::function<ORVContainer*()>, bool> kinds[] = {
      {"vector", [] { return new ORVVector(ORVDoNothingAtDelete); }, true},
      {"list", [] { return new ORVList(ORVDoNothingAtDelete); }, false},
      {"hash table", [] { return new ORVHashTable(ORVDoNothingAtDelete, 0); }, true}};
  for (const auto& [kind, make, deletes] : kinds) {
    for (int whatToDo = ORVDoNothingAtDelete; whatToDo <= ORVDestroyElementsAtDelete; ++whatToDo) {
      SCOPED_TRACE(std::string(kind) + " " + std::to_string(whatToDo));
      ORVTestRecordingLink* link = Record({});
      ORVTestShape::_DestroyedNames.clear();
      _A.AddRef();
      ORVTestShape *first = new ORVTestShape("first"), *second = new ORVTestCircle("second");
      bool withA = whatToDo != ORVDestroyElementsAtDelete || !deletes;
      bool disposes = whatToDo >= ORVReleaseElementsAtDelete;
      ORVContainer* container = make();
      container->SetWhatToDoAtDelete((ORVContainerWhatToDoAtDeleteEnum)whatToDo);
      container->SetHLink(_Links.back());
      AddAll(*container, {first, nullptr, second});
      if (withA) container->Add(&_A, 0);
      Texts owned;  // disposed of in this order
      for (const std::string& name : Names(*container))
        if (name.size() > 4) owned.push_back(name);
      EXPECT_EQ(owned.size(), 2u);
      container->Release();
      EXPECT_EQ(link->Texts(),
                (whatToDo ? Texts{"Clear", "RemoveContainer"} : Texts{"RemoveContainer"}));
      EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, !whatToDo ? -1 : withA ? 4 : 3);
      EXPECT_EQ(_A.GetRefCount(), disposes && withA ? 1u : 2u);
      EXPECT_EQ(ORVTestShape::_LiveCount, live + (disposes ? 0 : 2));
      EXPECT_EQ(ORVTestShape::_DestroyedNames, disposes ? owned : Texts());
      if (!disposes || !withA) _A.Release();
      if (!disposes) first->Release(), second->Release();
    }
  }
}

TEST_F(ORVContainerDeathTest, WhatToDoAtDeleteOutsideZeroToThreeIsFatal) {
  ExpectFatalReport([] { ORVVector((ORVContainerWhatToDoAtDeleteEnum)4); },
                    "Invalid value 4 for the enum WhatToDoAtDelete", kContainerFile);
  ORVVector vector(ORVDoNothingAtDelete);
  ExpectFatalReport([&] { vector.SetWhatToDoAtDelete((ORVContainerWhatToDoAtDeleteEnum)-1); },
                    "Invalid value -1 for the enum WhatToDoAtDelete", kContainerFile);
}

TEST_F(ORVContainerTest, LinkIsSharedSetOnceAndEmptiedWithAnEmptyHandler) {
  ORVTestRecordingLink *first = Record({}), *second = Record({});
  {
    ORVVector vector(ORVDoNothingAtDelete), other(ORVDoNothingAtDelete);
    vector.SetHLink(_Links[0]);
    EXPECT_EQ(first->GetRefCount(), 2u);
    vector.SetHLink(ORVContainersLinkRfHndlr());
    EXPECT_EQ(vector.GetLink(), nullptr);
    EXPECT_EQ(first->GetRefCount(), 1u);
    vector.SetHLink(ORVContainersLinkRfHndlr());  // emptying an empty link is allowed
    vector.SetHLink(_Links[1]);
    other.SetHLink(_Links[1]);
    EXPECT_EQ(second->GetRefCount(), 3u);
  }
  EXPECT_TRUE(first->_Notifications.empty());  // left before the vector went
  EXPECT_EQ(second->Texts(), (Texts{"RemoveContainer", "RemoveContainer"}));
  EXPECT_EQ(second->GetRefCount(), 1u);  // the link outlives the containers that held it
}

TEST_F(ORVContainerDeathTest, ASecondLinkAndAnEmptyLinkHandlerAreFatal) {
  ORVVector vector(ORVDoNothingAtDelete);
  ExpectFatalReport([&] { vector.GetHLink()->Clear(&vector); },
                    "xxxRfHndlr::operator->(): Pointer == NULL", "src/ORVRefHandler.cpp");
  Record({&vector});
  Record({});
  std::string text = "The container already has a Link";
  ExpectFatalReport([&] { vector.SetHLink(_Links[1]); }, text, kContainerFile);
  ExpectFatalReport([&] { vector.SetHLink(_Links[0]); }, text, kContainerFile);
}

// Repeated elements are not counted, the walk looks past null elements, different
// sizes differ.
TEST_F(ORVContainerTest, ContainsSameObjectsComparesSizesAndMembership) {
  using List = std::vector<PEVBaseUnknown*>;
  const std::tuple<List, List, bool> rows[] = {{{}, {}, true},
                                               {{&_A, &_A}, {&_A, &_B}, true},
                                               {{&_A, &_B}, {&_A, &_A}, false},
                                               {{&_A, &_B}, {&_B, &_A}, true},
                                               {{nullptr, &_A}, {nullptr, &_B}, false},
                                               {{nullptr, &_A}, {&_A, nullptr}, true},
                                               {{&_A, &_B}, {&_B, &_A, &_C}, false}};
  for (const auto& [first, second, same] : rows) {
    SCOPED_TRACE(testing::PrintToString(Names(VectorOf(first))) + " " +
                 testing::PrintToString(Names(VectorOf(second))));
    EXPECT_EQ(VectorOf(first).ContainsSameObjects(VectorOf(second)) != 0, same);
    EXPECT_EQ(ORVContainer::SetsContainSameObjects(VectorOf(first), VectorOf(second)) != 0, same);
  }
}

TEST_F(ORVContainerTest, HandlersFollowTheContainerTree) {
  ORVVectorRfHndlr vectorHandler;
  vectorHandler.Set(ORVRfHndlrAdopt, new ORVVector(ORVDoNothingAtDelete));
  ORVSeqCollectionRfHndlr sequence;
  sequence = vectorHandler;
  ORVContainerRfHndlr container(sequence);
  EXPECT_EQ(container.Get(), vectorHandler.Get());
  EXPECT_EQ(container->GetRefCount(), 3u);
  EXPECT_EQ(ORVSeqCollectionRfHndlr().GetManagedMetaObject(), ORVSeqCollection::MetaObject());
}
