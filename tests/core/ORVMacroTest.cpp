// Tests of the meta-object protocol and the conversion checks.
#include "ORVMacro.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

// Registered only through the test below, so that its first use is ClassName().
class ORVTestUntouched : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTestUntouched)
};
ORV_META_OBJECT_DEFINE(ORVTestUntouched, PEVBaseUnknown)

namespace {

const char kConversionFile[] = "src/ORVMacro.cpp";

TEST(ORVMacro, ClassNameRegistersTheClassUnderItsDirectBaseAndObjectsAnswerTheirOwnClass) {
  EXPECT_STREQ(ORVTestUntouched::ClassName(), "ORVTestUntouched");
  PEVMetaClass* meta = ORVTestUntouched::MetaObject();
  EXPECT_EQ(meta->GetParent(), PEVBaseUnknown::MetaObject());
  EXPECT_EQ(meta->GetTypeOfClass(), PEVTypeOfClassImplementation);
  EXPECT_STREQ(meta->GetExtensionName(), "PEVNull");
  EXPECT_STREQ(meta->GetFrameworkName(), "TovakBase");
  EXPECT_EQ(meta->GetInstanceSize(), sizeof(ORVTestUntouched));
  EXPECT_EQ(ORVTestUntouched::ClassId(), meta->GetClassId());
  EXPECT_EQ(ORVTestCircle::MetaObject()->GetParent(), ORVTestShape::MetaObject());
  ORVTestCircle circle;
  const ORVTestShape& asShape = circle;
  EXPECT_STREQ(asShape.IsA(), "ORVTestCircle");
  EXPECT_EQ(asShape.GetMetaObject(), ORVTestCircle::MetaObject());
  EXPECT_TRUE(asShape.IsAKindOf("PEVBaseUnknown"));
  EXPECT_FALSE(asShape.IsAKindOf("ORVTestSquare"));
  // No class can be created from its meta-object.
  EXPECT_EQ(ORVTestShape::CreateItself(), nullptr);
  EXPECT_EQ(ORVTestUntouched::CreateItself(), nullptr);
}

// A null object passes even without meta-class; so do objects of the class or a derived one.
TEST(ORVConversionCheck, NullObjectsAndKindsOfTheClassPass) {
  EXPECT_EQ(ORVConversionCheckVar(nullptr, nullptr), nullptr);
  EXPECT_EQ(ORVConversionCheckConst(nullptr, nullptr), nullptr);
  EXPECT_EQ(ORVConversionCheckConstToVar(nullptr, nullptr), nullptr);
  ORVTestCircle circle;
  PEVBaseUnknown* object = &circle;
  const PEVBaseUnknown* constant = &circle;
  EXPECT_EQ(ORVConversionCheckVar(object, ORVTestShape::MetaObject()), object);
  EXPECT_EQ(ORVConversionCheckConst(constant, ORVTestCircle::MetaObject()), constant);
  EXPECT_EQ(ORVConversionCheckConstToVar(constant, PEVBaseUnknown::MetaObject()), object);
  EXPECT_EQ(ORVCheckedCast<ORVTestShape>(object), &circle);
  EXPECT_EQ(ORVCheckedCast<ORVTestCircle>(constant), &circle);
  EXPECT_EQ(ORVCheckedCastToVar<ORVTestCircle>(constant), &circle);
}

TEST(ORVConversionCheckDeathTest, ObjectOfAnotherClassOrNullMetaClassIsFatal) {
  // The report on standard error, the stack trace on standard output.
  ORVTestSquare square;
  ChildResult child = RunInChild([&] {
    ORVGlobalObjectCleaner cleaner;
    ORVConversionCheckVar(&square, ORVTestCircle::MetaObject());
  });
  EXPECT_EQ(child._ExitStatus, 255);
  EXPECT_THAT(child._Stderr, testing::MatchesRegex(FatalReportPattern(
                                 "ORVConversionCheck::Check: object is not a \"ORVTestCircle\" "
                                 "but a \"ORVTestSquare\"",
                                 kConversionFile)));
  EXPECT_EQ(child._Stdout.rfind("Stack trace:\n", 0), 0u) << child._Stdout;
  EXPECT_NE(child._Stdout.find("ORVExit"), std::string::npos) << child._Stdout;
  ExpectFatal([&] { ORVConversionCheckConst(&square, nullptr); }, "pMetaClass is NULL",
              kConversionFile);
}

}  // namespace
