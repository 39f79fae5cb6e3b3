// Tests of the container base, through the vector: WhatToDoAtDelete and each disposal,
// the containers link and its notifications, identity lookups, ContainsSameObjects.
#include "ORVContainer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ContainerTestClasses.h"
#include "FatalReport.h"
#include "ORVIterator.h"
#include "ORVVector.h"
#include "ORVVectorCursor.h"

using testing::ElementsAre;

namespace {

const char kContainerFile[] = "src/ORVContainer.cpp";

class ORVContainerTest : public ORVContainerTestBase {};
using ORVContainerDeathTest = ORVContainerTest;

}  // namespace

TEST_F(ORVContainerTest, WhatToDoAtDeleteIsStoredAndChangeable) {
  ORVVector vector(ORVReleaseElementsAtDelete);
  EXPECT_EQ(vector.GetWhatToDoAtDelete(), ORVReleaseElementsAtDelete);
  vector.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
  EXPECT_EQ(vector.GetWhatToDoAtDelete(), ORVDoNothingAtDelete);
  EXPECT_TRUE(vector.IsAKindOf("ORVContainer"));
  EXPECT_TRUE(vector.IsAKindOf("ORVSeqCollection"));
  EXPECT_FALSE(vector.IsAKindOf("ORVDirAccContainer"));
}

TEST_F(ORVContainerDeathTest, WhatToDoAtDeleteOutsideZeroToThreeIsFatal) {
  EXPECT_EXIT(ORVVector((ORVContainerWhatToDoAtDeleteEnum)4), testing::ExitedWithCode(255),
              FatalReportPattern("Invalid value 4 for the enum WhatToDoAtDelete", kContainerFile));
  ORVVector vector(ORVDoNothingAtDelete);
  EXPECT_EXIT(vector.SetWhatToDoAtDelete((ORVContainerWhatToDoAtDeleteEnum)-1),
              testing::ExitedWithCode(255),
              FatalReportPattern("Invalid value -1 for the enum WhatToDoAtDelete", kContainerFile));
}

TEST_F(ORVContainerTest, DoNothingAtDeleteLeavesElementsAndDoesNotClearTheLink) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  auto* vector = new ORVVector(ORVDoNothingAtDelete);
  vector->SetHLink(handler);
  vector->Add(&_A, 0);
  vector->Release();
  EXPECT_THAT(link->Texts(), ElementsAre("RemoveContainer"));
  EXPECT_EQ(_A.GetRefCount(), 1u);
}

TEST_F(ORVContainerTest, ClearAtDeleteTellsTheLinkAndLeavesElements) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  auto* vector = new ORVVector(ORVClearAtDelete);
  vector->SetHLink(handler);
  vector->Add(&_A, 0);
  vector->Add(&_B, 0);
  vector->Release();
  EXPECT_THAT(link->Texts(), ElementsAre("Clear", "RemoveContainer"));
  EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, 2);  // told before it cleared
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(_B.GetRefCount(), 1u);
}

TEST_F(ORVContainerTest, ReleaseElementsAtDeleteReleasesEachElementOnceSkippingNulls) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  int live = ORVTestShape::_LiveCount;
  auto* owned = new ORVTestShape("owned");
  _A.AddRef();
  {
    ORVVector vector(ORVReleaseElementsAtDelete);
    vector.SetHLink(handler);
    vector.Add(&_A, 0);
    vector.Add(nullptr, 0);
    vector.Add(owned, 0);
  }
  EXPECT_THAT(link->Texts(), ElementsAre("Clear", "RemoveContainer"));
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(ORVTestShape::_LiveCount, live);  // the owned shape went with its last reference
}

TEST_F(ORVContainerTest, DestroyElementsAtDeleteDeletesEachElementSkippingNulls) {
  ORVTestShape::_DestroyedNames.clear();
  int live = ORVTestShape::_LiveCount;
  {
    ORVVector vector(ORVDestroyElementsAtDelete);
    vector.Append(new ORVTestShape("first"));
    vector.Append(nullptr);
    vector.Append(new ORVTestCircle("second"));
  }
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_THAT(ORVTestShape::_DestroyedNames, ElementsAre("first", "second"));
}

TEST_F(ORVContainerTest, ReleaseElementsAndClearAndDestroyTellTheLinkAndEmpty) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(handler);
  _A.AddRef();
  vector.Add(&_A, 0);
  vector.ReleaseElementsAndClear();
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(vector.Size(), 0);
  int live = ORVTestShape::_LiveCount;
  vector.Add(new ORVTestShape("destroyed"), 0);
  vector.Destroy();
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_TRUE(vector.IsEmpty());
  EXPECT_THAT(link->Texts(), ElementsAre("Clear", "Clear"));
  EXPECT_EQ(link->_Notifications[0]._SizeOfFrom, 1);
  EXPECT_EQ(link->_Notifications[1]._SizeOfFrom, 1);
}

TEST_F(ORVContainerTest, NotifyReportsEachChangeBeforeItIsMade) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(handler);
  vector.Add(&_A, 1);
  vector.Add(&_B, 1);
  vector.Replace(&_B, &_C, 1);
  vector.Remove(&_A, 1);
  vector.Clear(1);
  EXPECT_THAT(link->Texts(), ElementsAre("AddObject a", "AddObject b", "ReplaceObject b c",
                                         "RemoveObject a", "Clear"));
  std::vector<int> sizes;
  for (const auto& notification : link->_Notifications) {
    sizes.push_back(notification._SizeOfFrom);
    EXPECT_EQ(notification._pFrom, &vector);
  }
  EXPECT_THAT(sizes, ElementsAre(0, 1, 2, 2, 1));
}

TEST_F(ORVContainerTest, WithoutNotifyTheLinkIsNotTold) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(handler);
  vector.Add(&_A, 0);
  vector.Replace(&_A, &_B, 0);
  vector.Remove(&_B, 0);
  vector.Clear(0);
  EXPECT_TRUE(link->_Notifications.empty());
}

TEST_F(ORVContainerTest, LinkIsSharedSetOnceAndEmptiedWithAnEmptyHandler) {
  ORVTestRecordingLink* first;
  ORVContainersLinkRfHndlr firstHandler = MakeRecordingLink(&first);
  ORVTestRecordingLink* second;
  ORVContainersLinkRfHndlr secondHandler = MakeRecordingLink(&second);
  {
    ORVVector vector(ORVDoNothingAtDelete);
    EXPECT_EQ(vector.GetLink(), nullptr);
    vector.SetHLink(firstHandler);
    EXPECT_EQ(vector.GetLink(), first);
    EXPECT_EQ(vector.GetHLink().Get(), first);
    EXPECT_EQ(first->GetRefCount(), 2u);
    vector.SetHLink(ORVContainersLinkRfHndlr());
    EXPECT_EQ(vector.GetLink(), nullptr);
    EXPECT_EQ(first->GetRefCount(), 1u);
    vector.SetHLink(ORVContainersLinkRfHndlr());  // emptying an empty link is allowed
    vector.SetHLink(secondHandler);
    EXPECT_EQ(vector.GetLink(), second);
  }
  EXPECT_TRUE(first->_Notifications.empty());  // left before the vector went
  EXPECT_THAT(second->Texts(), ElementsAre("RemoveContainer"));
  EXPECT_EQ(second->GetRefCount(), 1u);
}

TEST_F(ORVContainerDeathTest, ASecondLinkIsFatal) {
  ORVTestRecordingLink* first;
  ORVContainersLinkRfHndlr firstHandler = MakeRecordingLink(&first);
  ORVTestRecordingLink* second;
  ORVContainersLinkRfHndlr secondHandler = MakeRecordingLink(&second);
  ORVVector vector(ORVDoNothingAtDelete);
  vector.SetHLink(firstHandler);
  EXPECT_EXIT(vector.SetHLink(secondHandler), testing::ExitedWithCode(255),
              FatalReportPattern("The container already has a Link", kContainerFile));
  EXPECT_EXIT(vector.SetHLink(firstHandler), testing::ExitedWithCode(255),
              FatalReportPattern("The container already has a Link", kContainerFile));
}

TEST_F(ORVContainerDeathTest, DereferencingAnEmptyLinkHandlerIsFatal) {
  ORVVector vector(ORVDoNothingAtDelete);
  EXPECT_EXIT(
      vector.GetHLink()->Clear(&vector), testing::ExitedWithCode(255),
      FatalReportPattern("xxxRfHndlr::operator->(): Pointer == NULL", "src/ORVRefHandler.cpp"));
}

TEST_F(ORVContainerTest, ALinkOutlivesTheContainersThatHeldIt) {
  ORVTestRecordingLink* link;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&link);
  {
    ORVVector first(ORVDoNothingAtDelete);
    ORVVector second(ORVDoNothingAtDelete);
    first.SetHLink(handler);
    second.SetHLink(handler);
    EXPECT_EQ(link->GetRefCount(), 3u);
  }
  ASSERT_EQ(link->_Notifications.size(), 2u);
  EXPECT_EQ(link->GetRefCount(), 1u);
}

TEST_F(ORVContainerTest, LookupWithoutComparatorFindsOnlyTheObjectItself) {
  ORVTestShape otherA("a");
  ORVVector vector(ORVDoNothingAtDelete);
  vector.Append(&_B);
  vector.Append(&_A);
  EXPECT_EQ(vector.LookupOne(&otherA), nullptr);
  EXPECT_EQ(vector.LookupOne(&_A), &_A);
  ORVTestShapeCmpName byName;
  EXPECT_EQ(vector.LookupOne(&otherA, byName), &_A);
  EXPECT_FALSE(vector.Contains(&otherA));
  EXPECT_TRUE(vector.Contains(&_A));
}

TEST_F(ORVContainerTest, LookupAllOnAnEmptyContainerEndsAtOnce) {
  ORVVector vector(ORVDoNothingAtDelete);
  ORVIterator* iterator = vector.LookupAll(&_A);
  EXPECT_EQ(iterator->Next(), nullptr);
  EXPECT_EQ(iterator->Next(), nullptr);
  iterator->Release();
}

TEST_F(ORVContainerTest, ContainsSameObjectsComparesSizesAndMembership) {
  ORVVector empty1(ORVDoNothingAtDelete);
  ORVVector empty2(ORVDoNothingAtDelete);
  EXPECT_TRUE(empty1.ContainsSameObjects(empty2));

  ORVVector twiceA(ORVDoNothingAtDelete);
  twiceA.Append(&_A);
  twiceA.Append(&_A);
  ORVVector aAndB(ORVDoNothingAtDelete);
  aAndB.Append(&_A);
  aAndB.Append(&_B);
  EXPECT_TRUE(twiceA.ContainsSameObjects(aAndB));  // repeated elements are not counted
  EXPECT_FALSE(aAndB.ContainsSameObjects(twiceA));
  EXPECT_TRUE(ORVContainer::SetsContainSameObjects(twiceA, aAndB));
  EXPECT_FALSE(ORVContainer::SetsContainSameObjects(aAndB, twiceA));

  ORVVector bAndA(ORVDoNothingAtDelete);
  bAndA.Append(&_B);
  bAndA.Append(&_A);
  EXPECT_TRUE(aAndB.ContainsSameObjects(bAndA));
  bAndA.Append(&_C);
  EXPECT_FALSE(aAndB.ContainsSameObjects(bAndA));  // sizes differ
}

TEST_F(ORVContainerTest, ContainsSameObjectsLooksPastNullElements) {
  ORVVector nullAndA(ORVDoNothingAtDelete);
  nullAndA.Append(nullptr);
  nullAndA.Append(&_A);
  ORVVector nullAndB(ORVDoNothingAtDelete);
  nullAndB.Append(nullptr);
  nullAndB.Append(&_B);
  EXPECT_FALSE(nullAndA.ContainsSameObjects(nullAndB));
  ORVVector aAndNull(ORVDoNothingAtDelete);
  aAndNull.Append(&_A);
  aAndNull.Append(nullptr);
  EXPECT_TRUE(nullAndA.ContainsSameObjects(aAndNull));
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
