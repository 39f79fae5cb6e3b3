// Tests of the object model: the fatal conversion checks, and the reference handlers (an
// assignment that releases the object's owner, kind checks, the fatal texts shared by every
// handler class).

#include "SuiteHelpers.h"
#include "TestClasses.h"

namespace {

const char kConversionFile[] = "src/ORVMacro.cpp";
const char kHandlerFile[] = "src/ORVRefHandler.cpp";

// A handler assigned an object held only by what its old reference owns keeps the new one
// alive while the old one goes.
struct ShapeHoldingAnother : ORVTestShape {
  using ORVTestShape::ORVTestShape;
  ORVTestShapeRfHndlr _Held;
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
