// Tests of the object model: the fatal conversion checks, and the reference handlers (an
// assignment that releases the object's owner, kind checks, the fatal texts shared by every
// handler class).

#include "ORVString.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

namespace {

const char kConversionFile[] = "src/ORVMacro.cpp";
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

TEST(ORVRefHandler, AssigningAnObjectThatTheOldOneOwnsKeepsItAlive) {
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
