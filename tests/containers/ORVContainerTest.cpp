// Tests of the container base, through the vector: WhatToDoAtDelete and each disposal,
// the containers link and its notifications, identity lookups, ContainsSameObjects.
#include "ORVContainer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVHashTable.h"
#include "ORVIterator.h"
#include "ORVList.h"
#include "ORVVector.h"

using testing::ElementsAre;

namespace {

const char kContainerFile[] = "src/ORVContainer.cpp";

class ORVContainerTest : public ORVContainerTestBase {};
using ORVContainerDeathTest = ORVContainerTest;

}  // namespace

TEST_F(ORVContainerTest, EachWhatToDoAtDeleteTellsTheLinkAndDisposesOfTheElementsOnce) {
  int live = ORVTestShape::_LiveCount;
  // {kind, a new one, whether Destroy deletes the elements rather than release them}
  const std::tuple<const char*, std::function<ORVContainer*()>, bool> kinds[] = {
      {"vector", [] { return new ORVVector(ORVDoNothingAtDelete); }, true},
      {"list", [] { return new ORVList(ORVDoNothingAtDelete); }, false},
      {"hash table", [] { return new ORVHashTable(ORVDoNothingAtDelete, 0); }, true}};
  // {what to do, notifications}; the elements are two owned shapes, a null and, but when
  // Destroy deletes, a shape referenced elsewhere.
  const std::pair<ORVContainerWhatToDoAtDeleteEnum, std::vector<std::string>> rows[] = {
      {ORVDoNothingAtDelete, {"RemoveContainer"}},
      {ORVClearAtDelete, {"Clear", "RemoveContainer"}},
      {ORVReleaseElementsAtDelete, {"Clear", "RemoveContainer"}},
      {ORVDestroyElementsAtDelete, {"Clear", "RemoveContainer"}}};
  for (const auto& [kind, make, deletes] : kinds) {
    for (const auto& [whatToDo, notifications] : rows) {
      SCOPED_TRACE(std::string(kind) + " " + std::to_string(whatToDo));
      ORVTestRecordingLink* link = Record({});
      ORVTestShape::_DestroyedNames.clear();
      _A.AddRef();
      ORVTestShape* first = new ORVTestShape("first");
      ORVTestShape* second = new ORVTestCircle("second");
      bool withA = whatToDo != ORVDestroyElementsAtDelete || !deletes;
      ORVContainer* container = make();
      container->SetWhatToDoAtDelete(whatToDo);
      EXPECT_EQ(container->GetWhatToDoAtDelete(), whatToDo);
      container->SetHLink(_Links.back());
      AddAll(*container, {first, nullptr, second});
      if (withA) container->Add(&_A, 0);
      std::vector<std::string> owned = Names(*container);  // disposed of in this order
      owned.erase(std::remove_if(owned.begin(), owned.end(),
                                 [](const std::string& iName) {
                                   return iName.size() == 1 || iName == "null";
                                 }),
                  owned.end());
      container->Release();
      EXPECT_EQ(link->Texts(), notifications);
      EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, notifications.size() == 1 ? -1
                                                     : withA                   ? 4
                                                                               : 3);
      if (whatToDo < ORVReleaseElementsAtDelete) {
        EXPECT_EQ(_A.GetRefCount(), 2u);
        EXPECT_EQ(ORVTestShape::_LiveCount, live + 2);
        _A.Release();
        first->Release();
        second->Release();
        continue;
      }
      EXPECT_EQ(_A.GetRefCount(), withA ? 1u : 2u);
      if (!withA) _A.Release();
      EXPECT_EQ(ORVTestShape::_LiveCount, live);
      EXPECT_EQ(ORVTestShape::_DestroyedNames, owned);
      EXPECT_EQ(owned.size(), 2u);
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

TEST_F(ORVContainerTest, ChangesAreReportedBeforeTheyAreMadeWhenNotifySaysSo) {
  ORVVector vector(ORVDoNothingAtDelete);
  ORVTestRecordingLink* link = Record({&vector});
  vector.Add(&_A, 0);
  vector.Replace(&_A, &_B, 0);
  vector.Remove(&_B, 0);
  vector.Clear(0);
  EXPECT_TRUE(link->_Notifications.empty());
  vector.Add(&_A, 1);
  vector.Add(&_B, 1);
  vector.Replace(&_B, &_C, 1);
  vector.Remove(&_A, 1);
  vector.Clear(1);
  _A.AddRef();
  vector.Add(&_A, 0);
  vector.ReleaseElementsAndClear();
  EXPECT_EQ(_A.GetRefCount(), 1u);
  int live = ORVTestShape::_LiveCount;
  vector.Add(new ORVTestShape("destroyed"), 0);
  vector.Destroy();
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_TRUE(vector.IsEmpty());
  EXPECT_THAT(link->Texts(), ElementsAre("AddObject a", "AddObject b", "ReplaceObject b c",
                                         "RemoveObject a", "Clear", "Clear", "Clear"));
  std::vector<int> sizes;
  for (const auto& notification : link->_Notifications) {
    sizes.push_back(notification._SizeOfFrom);
    EXPECT_EQ(notification._pFrom, &vector);
  }
  EXPECT_THAT(sizes, ElementsAre(0, 1, 2, 2, 1, 1, 1));
}

TEST_F(ORVContainerTest, LinkIsSharedSetOnceAndEmptiedWithAnEmptyHandler) {
  ORVTestRecordingLink* first = Record({});
  ORVTestRecordingLink* second = Record({});
  {
    ORVVector vector(ORVDoNothingAtDelete);
    ORVVector other(ORVDoNothingAtDelete);
    EXPECT_EQ(vector.GetLink(), nullptr);
    vector.SetHLink(_Links[0]);
    EXPECT_EQ(vector.GetLink(), first);
    EXPECT_EQ(vector.GetHLink().Get(), first);
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
  EXPECT_THAT(second->Texts(), ElementsAre("RemoveContainer", "RemoveContainer"));
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

TEST_F(ORVContainerTest, ContainsSameObjectsComparesSizesAndMembership) {
  // {first, second, same}: repeated elements are not counted, the walk looks past null
  // elements, different sizes differ.
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
