// Tests of the object model: the meta-object protocol, the conversion checks, and the
// reference handlers (counts on Set, copy and assignment, kind checks, the fatal texts
// shared by every handler class).

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
  EXPECT_EQ(std::make_tuple(meta->GetParent(), meta->GetTypeOfClass(), meta->GetInstanceSize(),
                            ORVTestCircle::MetaObject()->GetParent()),
            std::make_tuple(PEVBaseUnknown::MetaObject(), PEVTypeOfClassImplementation,
                            sizeof(ORVTestUntouched), ORVTestShape::MetaObject()));
  EXPECT_EQ(std::string(meta->GetExtensionName()) + " " + meta->GetFrameworkName(),
            "PEVNull TovakBase");
  ORVTestCircle circle;
  const ORVTestShape& asShape = circle;
  EXPECT_STREQ(asShape.IsA(), "ORVTestCircle");
  EXPECT_TRUE(asShape.IsAKindOf("PEVBaseUnknown") && !asShape.IsAKindOf("ORVTestSquare"));
  // No class can be created from its meta-object.
  EXPECT_TRUE(!ORVTestShape::CreateItself() && !ORVTestUntouched::CreateItself());
  // A null object passes the conversion checks even without meta-class; so do objects of
  // the class or a derived one, through each of the three checks.
  PEVBaseUnknown* object = &circle;
  const PEVBaseUnknown* constant = &circle;
  EXPECT_EQ(std::make_tuple(ORVConversionCheckVar(nullptr, nullptr),
                            ORVConversionCheckVar(object, ORVTestShape::MetaObject()),
                            ORVConversionCheckConst(constant, ORVTestCircle::MetaObject()),
                            ORVConversionCheckConstToVar(constant, PEVBaseUnknown::MetaObject()),
                            ORVCheckedCast<ORVTestShape>(object),
                            ORVCheckedCastToVar<ORVTestCircle>(constant)),
            std::make_tuple(nullptr, object, constant, object, &circle, &circle));
}

const char kHandlerFile[] = "src/ORVRefHandler.cpp";

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

TEST(ORVRefHandler, SetAdoptsOrAddsCopiesShareAndAssigningAnObjectTheOldOneOwnsKeepsItAlive) {
  ORVTestShape shape, other;
  const auto Counts = [&] { return std::make_pair(shape.GetRefCount(), other.GetRefCount()); };
  {
    ORVTestShapeRfHndlr handler;
    auto* adopted = new ORVTestShape("adopted");
    EXPECT_EQ(handler.Set(ORVRfHndlrAdopt, adopted), adopted);
    EXPECT_EQ(adopted->GetRefCount(), 1u);
    handler.Set(ORVRfHndlrAddRef, &shape);
    EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "adopted");
    handler.Set(ORVRfHndlrAddRef, &shape);  // the held pointer again changes no count
    handler.Set(ORVRfHndlrAdopt, &shape);
    EXPECT_EQ(Counts(), std::make_pair(2ul, 1ul));
    handler.Set(ORVRfHndlrAddRef, &other);
    EXPECT_EQ(Counts(), std::make_pair(1ul, 2ul));
    EXPECT_EQ(handler.Set(ORVRfHndlrAddRef, nullptr), nullptr);  // null releases and empties
    EXPECT_TRUE(!handler && Counts() == std::make_pair(1ul, 1ul));
    // Any state other than AddRef adopts.
    handler.Set(static_cast<ORVRfHndlrStateEnum>(7), new ORVTestShape("any state"));
    EXPECT_EQ(handler->GetRefCount(), 1u);
  }
  EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "any state");
  // Copies and assignments share, a derived handler copies into its base handler and is
  // accepted by its assignment, and assigning itself changes no count.
  ORVTestCircle circle;
  ORVTestCircleRfHndlr original;
  original.Set(ORVRfHndlrAddRef, &circle);
  ORVTestCircleRfHndlr copy(original);
  ORVTestShapeRfHndlr asBase(copy), target, empty;
  target = original;
  ORVTestShapeRfHndlr& alias = target;
  target = alias;
  EXPECT_EQ(std::make_tuple(copy.Get(), &*target, circle.GetRefCount()),
            std::make_tuple(&circle, &circle, 5ul));
  target = empty;  // assigning an empty handler empties both
  EXPECT_TRUE(!target && !empty && circle.GetRefCount() == 4u);
  PEVBaseUnknownRfHndlr root;  // the root takes any object
  root.Set(ORVRfHndlrAddRef, &circle);
  EXPECT_EQ(std::make_tuple(root.Get(), root.GetManagedMetaObject(), asBase.GetManagedMetaObject()),
            std::make_tuple(&circle, PEVBaseUnknown::MetaObject(), ORVTestShape::MetaObject()));
  // Assigning from an object that the old reference owns keeps the new one alive.
  auto* outer = new ShapeHoldingAnother("outer");
  outer->_Held.Set(ORVRfHndlrAdopt, new ORVTestShape("inner"));
  ORVTestShapeRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, outer);
  handler = outer->_Held;  // releases outer, whose handler held inner's only other reference
  ASSERT_TRUE(handler);
  EXPECT_EQ(std::make_tuple(handler->GetName(), handler->GetRefCount(),
                            ORVTestShape::_DestroyedNames.back()),
            std::make_tuple("inner", 1ul, "outer"));
  auto* outerString = new StringHoldingAnother("outer");
  outerString->_Held.Set(ORVRfHndlrAdopt, new ORVString("inner"));
  ORVStringRfHndlr strings;
  strings.Set(ORVRfHndlrAdopt, outerString);
  strings = outerString->_Held;
  ASSERT_TRUE(strings);
  EXPECT_EQ(std::make_pair(std::string(strings->GetChars()), strings->GetRefCount()),
            std::make_pair(std::string("inner"), 1ul));
}

TEST(ORVObjectModelDeathTest, OtherClassesNullMetaClassesAndEmptyOrNewHandlersAreFatal) {
  ORVTestSquare square;
  ExpectFatal([&] { ORVConversionCheckVar(&square, ORVTestCircle::MetaObject()); },
              "ORVConversionCheck::Check: object is not a \"ORVTestCircle\" but a "
              "\"ORVTestSquare\"",
              kConversionFile);
  ExpectFatal([&] { ORVConversionCheckConst(&square, nullptr); }, "pMetaClass is NULL",
              kConversionFile);
  ORVTestCircleRfHndlr circles;
  PEVBaseUnknownRfHndlr& asRoot = circles;
  ORVTestShapeRfHndlr empty;  // empty: the check is made all the same
  ORVTestShapeRfHndlr& asShapes = circles;
  const std::pair<std::function<void()>, std::string> rows[] = {
      {[&] { asRoot.Set(ORVRfHndlrAddRef, &square); },
       "xxxRfHndlr::Set(): the object is a ORVTestSquare that does'nt derive from ORVTestCircle"},
      {[&] { asShapes = empty; },
       "xxxRfHndlr::operator=(): the handler to copy manage ORVTestShape that does'nt derive "
       "from ORVTestCircle"},
      {[] { new PEVBaseUnknownRfHndlr(); }, "xxxRfHndlr::operator new"},
      {[] { ORVRefHandler::operator new(sizeof(PEVBaseUnknownRfHndlr)); },
       "ORVRefHandler::operator new"},
      {[&] { empty->GetName(); }, "xxxRfHndlr::operator->(): Pointer == NULL"},
      {[&] { (*empty).GetName(); }, "xxxRfHndlr::operator*(): Pointer == NULL"},
      // Fail concatenates its texts, null as empty.
      {[] { ORVRefHandler::Fail("a", nullptr, "b", "", "c"); }, "abc"}};
  for (const auto& [body, text] : rows)
    ExpectFatal(body, text, kHandlerFile);
}

}  // namespace
