// Tests of the reference handlers: counts on Set, copy and assignment, kind checks,
// and the fatal texts shared by every handler class.
#include "ORVRefHandler.h"

#include <gtest/gtest.h>

#include "FatalReport.h"
#include "ORVGlobalObjectCleaner.h"
#include "TestClasses.h"

namespace {

const char kHandlerFile[] = "src/ORVRefHandler.cpp";

}  // namespace

TEST(ORVRefHandler, AdoptKeepsTheCountAndDestructionDestroys) {
  int live = ORVTestShape::_LiveCount;
  {
    ORVTestShapeRfHndlr handler;
    auto* shape = new ORVTestShape("adopted");
    EXPECT_EQ(handler.Set(ORVRfHndlrAdopt, shape), shape);
    EXPECT_EQ(shape->GetRefCount(), 1u);
    EXPECT_EQ(ORVTestShape::_LiveCount, live + 1);
  }
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "adopted");
}

TEST(ORVRefHandler, AddRefRaisesTheCountUntilTheHandlerGoes) {
  ORVTestShape shape;
  {
    ORVTestShapeRfHndlr handler;
    handler.Set(ORVRfHndlrAddRef, &shape);
    EXPECT_EQ(shape.GetRefCount(), 2u);
  }
  EXPECT_EQ(shape.GetRefCount(), 1u);
}

TEST(ORVRefHandler, SettingTheHeldPointerChangesNoCount) {
  ORVTestShape shape;
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &shape);
  handler.Set(ORVRfHndlrAddRef, &shape);
  EXPECT_EQ(shape.GetRefCount(), 2u);
  handler.Set(ORVRfHndlrAdopt, &shape);
  EXPECT_EQ(shape.GetRefCount(), 2u);
}

TEST(ORVRefHandler, SettingNullReleasesAndEmpties) {
  ORVTestShape shape;
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &shape);
  EXPECT_EQ(handler.Set(ORVRfHndlrAddRef, nullptr), nullptr);
  EXPECT_EQ(shape.GetRefCount(), 1u);
  EXPECT_FALSE(handler);
  EXPECT_EQ(handler.Get(), nullptr);
}

TEST(ORVRefHandler, AnyStateOtherThanAddRefAdopts) {
  auto* shape = new ORVTestShape();
  ORVTestShapeRfHndlr handler;
  handler.Set(static_cast<ORVRfHndlrStateEnum>(7), shape);
  EXPECT_EQ(shape->GetRefCount(), 1u);
}

TEST(ORVRefHandler, ReplacingReleasesTheOldObjectAndReferencesTheNew) {
  ORVTestShape first;
  ORVTestShape second;
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &first);
  handler.Set(ORVRfHndlrAddRef, &second);
  EXPECT_EQ(first.GetRefCount(), 1u);
  EXPECT_EQ(second.GetRefCount(), 2u);
}

TEST(ORVRefHandler, CopyConstructionShares) {
  ORVTestCircle circle;
  ORVTestCircleRfHndlr original;
  original.Set(ORVRfHndlrAddRef, &circle);
  ORVTestCircleRfHndlr copy(original);
  EXPECT_EQ(copy.Get(), &circle);
  EXPECT_EQ(circle.GetRefCount(), 3u);
  ORVTestShapeRfHndlr asBase(copy);  // a derived handler copies into its base handler
  EXPECT_EQ(circle.GetRefCount(), 4u);
}

TEST(ORVRefHandler, AssigningAnEmptyHandlerEmptiesBoth) {
  ORVTestShape shape;
  ORVTestShapeRfHndlr full;
  full.Set(ORVRfHndlrAddRef, &shape);
  ORVTestShapeRfHndlr empty;
  full = empty;
  EXPECT_FALSE(full);
  EXPECT_FALSE(empty);
  EXPECT_EQ(shape.GetRefCount(), 1u);
}

TEST(ORVRefHandler, AssignmentSharesAndSelfAssignmentChangesNothing) {
  ORVTestCircle circle;
  ORVTestCircleRfHndlr source;
  source.Set(ORVRfHndlrAddRef, &circle);
  ORVTestShapeRfHndlr target;
  target = source;  // a handler of a derived class is accepted
  EXPECT_EQ(target.Get(), &circle);
  EXPECT_EQ(circle.GetRefCount(), 3u);
  ORVTestShapeRfHndlr& alias = target;
  target = alias;
  EXPECT_EQ(circle.GetRefCount(), 3u);
}

TEST(ORVRefHandler, DereferenceGivesTheObject) {
  ORVTestShape shape("seen");
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &shape);
  EXPECT_EQ(handler->GetName(), "seen");
  EXPECT_EQ(&*handler, &shape);
  EXPECT_EQ(handler.GetManagedMetaObject(), ORVTestShape::MetaObject());
}

TEST(ORVRefHandler, RootHandlerTakesAnyObject) {
  ORVTestSquare square;
  PEVBaseUnknownRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &square);
  EXPECT_EQ(handler.Get(), &square);
  EXPECT_EQ(handler.GetManagedMetaObject(), PEVBaseUnknown::MetaObject());
}

class ORVRefHandlerDeathTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
};

TEST_F(ORVRefHandlerDeathTest, SetOfAnObjectOfAnotherClassIsFatal) {
  ORVTestSquare square;
  ORVTestCircleRfHndlr circles;
  PEVBaseUnknownRfHndlr& asRoot = circles;
  EXPECT_EXIT(asRoot.Set(ORVRfHndlrAddRef, &square), testing::ExitedWithCode(255),
              FatalReportPattern("xxxRfHndlr::Set(): the object is a ORVTestSquare that "
                                 "does'nt derive from ORVTestCircle",
                                 kHandlerFile));
}

TEST_F(ORVRefHandlerDeathTest, AssignmentOfAHandlerOfAnotherClassIsFatal) {
  ORVTestCircleRfHndlr circles;
  ORVTestShapeRfHndlr shapes;  // empty: the check is made all the same
  ORVTestShapeRfHndlr& asShapes = circles;
  EXPECT_EXIT(asShapes = shapes, testing::ExitedWithCode(255),
              FatalReportPattern("xxxRfHndlr::operator=(): the handler to copy manage "
                                 "ORVTestShape that does'nt derive from ORVTestCircle",
                                 kHandlerFile));
}

TEST_F(ORVRefHandlerDeathTest, NewOfAnyHandlerIsFatal) {
  EXPECT_EXIT(new ORVTestShapeRfHndlr(), testing::ExitedWithCode(255),
              FatalReportPattern("xxxRfHndlr::operator new", kHandlerFile));
  EXPECT_EXIT(new PEVBaseUnknownRfHndlr(), testing::ExitedWithCode(255),
              FatalReportPattern("xxxRfHndlr::operator new", kHandlerFile));
  EXPECT_EXIT(ORVRefHandler::operator new(sizeof(PEVBaseUnknownRfHndlr)),
              testing::ExitedWithCode(255),
              FatalReportPattern("ORVRefHandler::operator new", kHandlerFile));
}

TEST_F(ORVRefHandlerDeathTest, DereferencingAnEmptyHandlerIsFatal) {
  ORVTestShapeRfHndlr empty;
  EXPECT_EXIT(empty->GetName(), testing::ExitedWithCode(255),
              FatalReportPattern("xxxRfHndlr::operator->(): Pointer == NULL", kHandlerFile));
  EXPECT_EXIT((*empty).GetName(), testing::ExitedWithCode(255),
              FatalReportPattern("xxxRfHndlr::operator*(): Pointer == NULL", kHandlerFile));
}

TEST_F(ORVRefHandlerDeathTest, FailConcatenatesItsTextsWithNullAsEmpty) {
  EXPECT_EXIT(ORVRefHandler::Fail("a", nullptr, "b", "", "c"), testing::ExitedWithCode(255),
              FatalReportPattern("abc", kHandlerFile));
}
