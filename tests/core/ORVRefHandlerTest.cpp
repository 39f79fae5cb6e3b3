// Tests of the reference handlers: counts on Set, copy and assignment, kind checks,
// and the fatal texts shared by every handler class.
#include "ORVRefHandler.h"

#include <gtest/gtest.h>

#include "ORVString.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

namespace {

const char kHandlerFile[] = "src/ORVRefHandler.cpp";

}  // namespace

TEST(ORVRefHandler, SetAdoptsOrAddsAReferenceAndTheHandlerReleasesIt) {
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
  ORVTestShape shape;
  {
    ORVTestShapeRfHndlr handler;
    handler.Set(ORVRfHndlrAddRef, &shape);
    EXPECT_EQ(shape.GetRefCount(), 2u);
  }
  EXPECT_EQ(shape.GetRefCount(), 1u);
  // Any state other than AddRef adopts.
  auto* adopted = new ORVTestShape();
  ORVTestShapeRfHndlr handler;
  handler.Set(static_cast<ORVRfHndlrStateEnum>(7), adopted);
  EXPECT_EQ(adopted->GetRefCount(), 1u);
}

TEST(ORVRefHandler, SettingTheHeldPointerChangesNoCountAndAnotherReplacesIt) {
  ORVTestShape shape, other;
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &shape);
  handler.Set(ORVRfHndlrAddRef, &shape);
  EXPECT_EQ(shape.GetRefCount(), 2u);
  handler.Set(ORVRfHndlrAdopt, &shape);
  EXPECT_EQ(shape.GetRefCount(), 2u);
  handler.Set(ORVRfHndlrAddRef, &other);
  EXPECT_EQ(shape.GetRefCount(), 1u);
  EXPECT_EQ(other.GetRefCount(), 2u);
  // Null releases and empties.
  EXPECT_EQ(handler.Set(ORVRfHndlrAddRef, nullptr), nullptr);
  EXPECT_EQ(other.GetRefCount(), 1u);
  EXPECT_FALSE(handler);
  EXPECT_EQ(handler.Get(), nullptr);
}

// A shape that holds another: when the holder is the only owner of what it holds, a
// handler assigned that held object must keep it alive while the holder goes.
struct ShapeHoldingAnother : ORVTestShape {
  using ORVTestShape::ORVTestShape;
  ORVTestShapeRfHndlr _Held;
};

TEST(ORVRefHandler, AssigningFromAnObjectThatTheOldReferenceOwnsKeepsTheNewOneAlive) {
  auto* outer = new ShapeHoldingAnother("outer");
  outer->_Held.Set(ORVRfHndlrAdopt, new ORVTestShape("inner"));
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, outer);
  handler = outer->_Held;  // releases outer, whose handler held inner's only other reference
  ASSERT_TRUE(handler);
  EXPECT_EQ(handler->GetName(), "inner");
  EXPECT_EQ(handler->GetRefCount(), 1u);
  EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "outer");
}

// The same with two strings, the first holding the second's only other reference.
struct StringHoldingAnother : ORVString {
  using ORVString::ORVString;
  ORVStringRfHndlr _Held;
};

TEST(ORVRefHandler, AStringHandlerAssignedFromTheStringItReleasesKeepsTheHeldOne) {
  auto* outer = new StringHoldingAnother("outer");
  outer->_Held.Set(ORVRfHndlrAdopt, new ORVString("inner"));
  ORVStringRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, outer);
  handler = outer->_Held;
  ASSERT_TRUE(handler);
  EXPECT_STREQ(handler->GetChars(), "inner");
  EXPECT_EQ(handler->GetRefCount(), 1u);
}

TEST(ORVRefHandler, CopiesAndAssignmentsShare) {
  ORVTestCircle circle;
  ORVTestCircleRfHndlr original;
  original.Set(ORVRfHndlrAddRef, &circle);
  ORVTestCircleRfHndlr copy(original);
  EXPECT_EQ(copy.Get(), &circle);
  EXPECT_EQ(circle.GetRefCount(), 3u);
  ORVTestShapeRfHndlr asBase(copy);  // a derived handler copies into its base handler
  EXPECT_EQ(circle.GetRefCount(), 4u);
  ORVTestShapeRfHndlr target;
  target = original;  // a handler of a derived class is accepted
  EXPECT_EQ(target.Get(), &circle);
  EXPECT_EQ(circle.GetRefCount(), 5u);
  ORVTestShapeRfHndlr& alias = target;
  target = alias;
  EXPECT_EQ(circle.GetRefCount(), 5u);
  // Assigning an empty handler empties both.
  ORVTestShapeRfHndlr empty;
  target = empty;
  EXPECT_FALSE(target);
  EXPECT_FALSE(empty);
  EXPECT_EQ(circle.GetRefCount(), 4u);
}

TEST(ORVRefHandler, DereferenceGivesTheObjectAndTheRootTakesAnyObject) {
  ORVTestShape shape("seen");
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAddRef, &shape);
  EXPECT_EQ(handler->GetName(), "seen");
  EXPECT_EQ(&*handler, &shape);
  EXPECT_EQ(handler.GetManagedMetaObject(), ORVTestShape::MetaObject());
  ORVTestSquare square;
  PEVBaseUnknownRfHndlr root;
  root.Set(ORVRfHndlrAddRef, &square);
  EXPECT_EQ(root.Get(), &square);
  EXPECT_EQ(root.GetManagedMetaObject(), PEVBaseUnknown::MetaObject());
}

TEST(ORVRefHandlerDeathTest, ObjectsOrHandlersOfAnotherClassAreFatal) {
  ORVTestSquare square;
  ORVTestCircleRfHndlr circles;
  PEVBaseUnknownRfHndlr& asRoot = circles;
  ExpectFatal([&] { asRoot.Set(ORVRfHndlrAddRef, &square); },
              "xxxRfHndlr::Set(): the object is a ORVTestSquare that does'nt derive from "
              "ORVTestCircle",
              kHandlerFile);
  ORVTestShapeRfHndlr shapes;  // empty: the check is made all the same
  ORVTestShapeRfHndlr& asShapes = circles;
  ExpectFatal([&] { asShapes = shapes; },
              "xxxRfHndlr::operator=(): the handler to copy manage ORVTestShape that does'nt "
              "derive from ORVTestCircle",
              kHandlerFile);
}

TEST(ORVRefHandlerDeathTest, NewOrDereferencingAnEmptyHandlerIsFatal) {
  ExpectFatal([] { new ORVTestShapeRfHndlr(); }, "xxxRfHndlr::operator new", kHandlerFile);
  ExpectFatal([] { new PEVBaseUnknownRfHndlr(); }, "xxxRfHndlr::operator new", kHandlerFile);
  ExpectFatal([] { ORVRefHandler::operator new(sizeof(PEVBaseUnknownRfHndlr)); },
              "ORVRefHandler::operator new", kHandlerFile);
  ORVTestShapeRfHndlr empty;
  ExpectFatal([&] { empty->GetName(); }, "xxxRfHndlr::operator->(): Pointer == NULL", kHandlerFile);
  ExpectFatal([&] { (*empty).GetName(); }, "xxxRfHndlr::operator*(): Pointer == NULL",
              kHandlerFile);
  // Fail concatenates its texts, null as empty.
  ExpectFatal([] { ORVRefHandler::Fail("a", nullptr, "b", "", "c"); }, "abc", kHandlerFile);
}
