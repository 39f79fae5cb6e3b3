// Tests of ORVGlobalObjectCleaner: registration, release order, growth, lifecycle errors.
#include "ORVGlobalObjectCleaner.h"

#include <gtest/gtest.h>

#include <string>

#include "ORVFatalErrorDisplay.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

namespace {

const char kCleanerFile[] = "src/ORVGlobalObjectCleaner.cpp";

// A global whose release registers another one, as a badly written global would.
class ORVTestRegistersAtRelease : public ORVTestShape {
public:
  ~ORVTestRegistersAtRelease() override { ORVGlobalObjectCleaner::Add(new ORVTestShape()); }
};

}  // namespace

TEST(ORVGlobalObjectCleaner, ReleasesInReverseOrderOfRegistration) {
  ORVTestShape::_DestroyedNames.clear();
  {
    ORVGlobalObjectCleaner cleaner;
    EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), &cleaner);
    for (int i = 0; i < 101; ++i) {
      auto* shape = new ORVTestShape(std::to_string(i));
      EXPECT_EQ(ORVGlobalObjectCleaner::Add(shape), shape);
      EXPECT_EQ(cleaner.GetCapacity(), i < 100 ? 100 : 200);
    }
    EXPECT_EQ(cleaner.GetCount(), 101);
  }
  ASSERT_EQ(ORVTestShape::_DestroyedNames.size(), 101u);
  for (int i = 0; i < 101; ++i)  // the last one made goes first
    EXPECT_EQ(ORVTestShape::_DestroyedNames[(std::size_t)i], std::to_string(100 - i));
  EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), nullptr);
}

TEST(ORVGlobalObjectCleaner, ReleasesOnlyTheRegisteredReferenceAndMayBeFollowedByAnother) {
  ORVTestShape shape;
  {
    ORVGlobalObjectCleaner first;
    shape.AddRef();
    ORVGlobalObjectCleaner::Add(&shape);
    EXPECT_STREQ(ORVFatalErrorDisplay::GetGlobal()->IsA(), "ORVFatalErrorDisplayToTerm");
    EXPECT_EQ(first.GetCount(), 2);  // the shape and the display, made once
  }
  EXPECT_EQ(shape.GetRefCount(), 1u);
  ORVGlobalObjectCleaner second;
  EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), &second);
  EXPECT_EQ(second.GetCount(), 0);
  // The later cleaner gets a fresh fatal error display, made and registered again.
  EXPECT_STREQ(ORVFatalErrorDisplay::GetGlobal()->IsA(), "ORVFatalErrorDisplayToTerm");
  EXPECT_EQ(second.GetCount(), 1);
}

TEST(ORVGlobalObjectCleanerDeathTest, NoCleanerASecondOneANullObjectOrLateRegistrationIsFatal) {
  ASSERT_EQ(ORVGlobalObjectCleaner::GetInstance(), nullptr);
  ORVTestShape shape;
  ExpectFatalReport([&] { ORVGlobalObjectCleaner::Add(&shape); },
                    "One global object cleaner must exist", kCleanerFile);
  ExpectFatal([] { ORVGlobalObjectCleaner second; }, "Only one global object cleaner can exist",
              kCleanerFile);
  ExpectFatal([] { ORVGlobalObjectCleaner::Add(nullptr); }, "ORVGlobalObjectCleaner::Add(<NULL>)",
              kCleanerFile);
  // The object registered in the body is released when the check's cleaner goes.
  ExpectFatal([] { ORVGlobalObjectCleaner::Add(new ORVTestRegistersAtRelease()); },
              "ORVGlobalObjectCleaner::Add(...) during or after destruction", kCleanerFile);
}
