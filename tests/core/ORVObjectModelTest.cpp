// Tests of the object model: the meta-object protocol, the conversion checks, and the
// reference handlers (counts on Set, copy and assignment, kind checks, the fatal texts
// shared by every handler class).
#include <gtest/gtest.h>

#include "ORVMacro.h"
#include "ORVRefHandler.h"
#include "ORVString.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

// Registered only through the test below, so that its first use is ClassName().
class ORVTestUntouched : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTestUntouched)
};
ORV_META_OBJECT_DEFINE(ORVTestUntouched, PEVBaseUnknown)

namespace {

const char kConversionFile[] = "src/ORVMacro.cpp";

TEST(ORVMacro, ClassNameRegistersTheClassUnderItsDirectBaseAndObjectsAnswerAndPassAsTheirClass) {
  EXPECT_STREQ(ORVTestUntouched::ClassName(), "ORVTestUntouched");
  PEVMetaClass* meta = ORVTestUntouched::MetaObject();
  EXPECT_EQ(meta->GetParent(), PEVBaseUnknown::MetaObject());
  EXPECT_EQ(meta->GetTypeOfClass(), PEVTypeOfClassImplementation);
  EXPECT_EQ(std::string(meta->GetExtensionName()) + " " + meta->GetFrameworkName(),
            "PEVNull TovakBase");
  EXPECT_EQ(meta->GetInstanceSize(), sizeof(ORVTestUntouched));
  EXPECT_EQ(ORVTestUntouched::ClassId(), meta->GetClassId());
  EXPECT_EQ(ORVTestCircle::MetaObject()->GetParent(), ORVTestShape::MetaObject());
  ORVTestCircle circle;
  const ORVTestShape& asShape = circle;
  EXPECT_STREQ(asShape.IsA(), "ORVTestCircle");
  EXPECT_TRUE(asShape.IsAKindOf("PEVBaseUnknown"));
  EXPECT_FALSE(asShape.IsAKindOf("ORVTestSquare"));
  // No class can be created from its meta-object.
  EXPECT_EQ(ORVTestShape::CreateItself(), nullptr);
  EXPECT_EQ(ORVTestUntouched::CreateItself(), nullptr);
  // A null object passes the conversion checks even without meta-class; so do objects of
  // the class or a derived one, through each of the three checks.
  EXPECT_EQ(ORVConversionCheckVar(nullptr, nullptr), nullptr);
  PEVBaseUnknown* object = &circle;
  const PEVBaseUnknown* constant = &circle;
  EXPECT_EQ(ORVConversionCheckVar(object, ORVTestShape::MetaObject()), object);
  EXPECT_EQ(ORVConversionCheckConst(constant, ORVTestCircle::MetaObject()), constant);
  EXPECT_EQ(ORVConversionCheckConstToVar(constant, PEVBaseUnknown::MetaObject()), object);
  EXPECT_EQ(ORVCheckedCast<ORVTestShape>(object), &circle);
  EXPECT_EQ(ORVCheckedCastToVar<ORVTestCircle>(constant), &circle);
}

TEST(ORVConversionCheckDeathTest, ObjectOfAnotherClassOrNullMetaClassIsFatal) {
  ORVTestSquare square;
  ExpectFatal([&] { ORVConversionCheckVar(&square, ORVTestCircle::MetaObject()); },
              "ORVConversionCheck::Check: object is not a \"ORVTestCircle\" but a "
              "\"ORVTestSquare\"",
              kConversionFile);
  ExpectFatal([&] { ORVConversionCheckConst(&square, nullptr); }, "pMetaClass is NULL",
              kConversionFile);
}

const char kHandlerFile[] = "src/ORVRefHandler.cpp";

TEST(ORVRefHandler, SetAdoptsOrAddsReplacesAndReleasesWhileCopiesAndAssignmentsShare) {
  ORVTestShape shape, other;
  {
    ORVTestShapeRfHndlr handler;
    auto* adopted = new ORVTestShape("adopted");
    EXPECT_EQ(handler.Set(ORVRfHndlrAdopt, adopted), adopted);
    EXPECT_EQ(adopted->GetRefCount(), 1u);
    handler.Set(ORVRfHndlrAddRef, &shape);
    EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "adopted");
    handler.Set(ORVRfHndlrAddRef, &shape);  // the held pointer again changes no count
    handler.Set(ORVRfHndlrAdopt, &shape);
    EXPECT_EQ(shape.GetRefCount(), 2u);
    handler.Set(ORVRfHndlrAddRef, &other);
    EXPECT_EQ(shape.GetRefCount(), 1u);
    EXPECT_EQ(other.GetRefCount(), 2u);
    EXPECT_EQ(handler.Set(ORVRfHndlrAddRef, nullptr), nullptr);  // null releases and empties
    EXPECT_EQ(other.GetRefCount(), 1u);
    EXPECT_FALSE(handler);
    // Any state other than AddRef adopts.
    handler.Set(static_cast<ORVRfHndlrStateEnum>(7), new ORVTestShape("any state"));
    EXPECT_EQ(handler->GetRefCount(), 1u);
  }
  EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "any state");
  // Copies and assignments share; dereferencing gives the object.
  ORVTestCircle circle;
  ORVTestCircleRfHndlr original;
  original.Set(ORVRfHndlrAddRef, &circle);
  ORVTestCircleRfHndlr copy(original);
  EXPECT_EQ(copy.Get(), &circle);
  ORVTestShapeRfHndlr asBase(copy);  // a derived handler copies into its base handler
  EXPECT_EQ(circle.GetRefCount(), 4u);
  ORVTestShapeRfHndlr target;
  target = original;  // a handler of a derived class is accepted
  EXPECT_EQ(&*target, &circle);
  EXPECT_EQ(circle.GetRefCount(), 5u);
  ORVTestShapeRfHndlr& alias = target;
  target = alias;
  EXPECT_EQ(circle.GetRefCount(), 5u);
  ORVTestShapeRfHndlr empty;
  target = empty;  // assigning an empty handler empties both
  EXPECT_FALSE(target || empty);
  EXPECT_EQ(circle.GetRefCount(), 4u);
  EXPECT_EQ(asBase.GetManagedMetaObject(), ORVTestShape::MetaObject());
  PEVBaseUnknownRfHndlr root;  // the root takes any object
  root.Set(ORVRfHndlrAddRef, &circle);
  EXPECT_EQ(root.Get(), &circle);
  EXPECT_EQ(root.GetManagedMetaObject(), PEVBaseUnknown::MetaObject());
}

// A handler assigned an object held only by what its old reference owns keeps the new one
// alive while the old one goes: a shape holding a shape, a string holding a string.
struct ShapeHoldingAnother : ORVTestShape {
  using ORVTestShape::ORVTestShape;
  ORVTestShapeRfHndlr _Held;
};
struct StringHoldingAnother : ORVString {
  using ORVString::ORVString;
  ORVStringRfHndlr _Held;
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
  auto* outerString = new StringHoldingAnother("outer");
  outerString->_Held.Set(ORVRfHndlrAdopt, new ORVString("inner"));
  ORVStringRfHndlr strings;
  strings.Set(ORVRfHndlrAdopt, outerString);
  strings = outerString->_Held;
  ASSERT_TRUE(strings);
  EXPECT_STREQ(strings->GetChars(), "inner");
  EXPECT_EQ(strings->GetRefCount(), 1u);
}

TEST(ORVRefHandlerDeathTest, OtherClassesNewOrDereferencingAnEmptyHandlerAreFatal) {
  ORVTestSquare square;
  ORVTestCircleRfHndlr circles;
  PEVBaseUnknownRfHndlr& asRoot = circles;
  ExpectFatal([&] { asRoot.Set(ORVRfHndlrAddRef, &square); },
              "xxxRfHndlr::Set(): the object is a ORVTestSquare that does'nt derive from "
              "ORVTestCircle",
              kHandlerFile);
  ORVTestShapeRfHndlr empty;  // empty: the check is made all the same
  ORVTestShapeRfHndlr& asShapes = circles;
  ExpectFatal([&] { asShapes = empty; },
              "xxxRfHndlr::operator=(): the handler to copy manage ORVTestShape that does'nt "
              "derive from ORVTestCircle",
              kHandlerFile);
  ExpectFatal([] { new PEVBaseUnknownRfHndlr(); }, "xxxRfHndlr::operator new", kHandlerFile);
  ExpectFatal([] { ORVRefHandler::operator new(sizeof(PEVBaseUnknownRfHndlr)); },
              "ORVRefHandler::operator new", kHandlerFile);
  ExpectFatal([&] { empty->GetName(); }, "xxxRfHndlr::operator->(): Pointer == NULL", kHandlerFile);
  ExpectFatal([&] { (*empty).GetName(); }, "xxxRfHndlr::operator*(): Pointer == NULL",
              kHandlerFile);
  // Fail concatenates its texts, null as empty.
  ExpectFatal([] { ORVRefHandler::Fail("a", nullptr, "b", "", "c"); }, "abc", kHandlerFile);
}

}  // namespace
