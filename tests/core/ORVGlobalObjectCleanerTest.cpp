// Tests of ORVGlobalObjectCleaner: registration, release order, growth, lifecycle errors.
#include "ORVGlobalObjectCleaner.h"

#include <gtest/gtest.h>

#include <string>

#include "FatalReport.h"
#include "ORVFatalErrorDisplay.h"
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
  int live = ORVTestShape::_LiveCount;
  {
    ORVGlobalObjectCleaner cleaner;
    EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), &cleaner);
    for (int i = 0; i < 101; ++i) {
      auto* shape = new ORVTestShape(std::to_string(i));
      EXPECT_EQ(ORVGlobalObjectCleaner::Add(shape), shape);
      EXPECT_EQ(cleaner.GetCapacity(), i < 100 ? 100 : 200);
    }
    EXPECT_EQ(cleaner.GetCount(), 101);
    EXPECT_EQ(ORVTestShape::_LiveCount, live + 101);
  }
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  ASSERT_EQ(ORVTestShape::_DestroyedNames.size(), 101u);
  for (int i = 0; i < 101; ++i)
    EXPECT_EQ(ORVTestShape::_DestroyedNames[(std::size_t)i], std::to_string(100 - i));
  EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), nullptr);
}

TEST(ORVGlobalObjectCleaner, ReleasesOnlyTheRegisteredReference) {
  ORVTestShape shape;
  {
    ORVGlobalObjectCleaner cleaner;
    shape.AddRef();
    ORVGlobalObjectCleaner::Add(&shape);
  }
  EXPECT_EQ(shape.GetRefCount(), 1u);
}

TEST(ORVGlobalObjectCleaner, ANewCleanerMayFollowADestroyedOne) {
  { ORVGlobalObjectCleaner first; }
  ORVGlobalObjectCleaner second;
  EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), &second);
  EXPECT_EQ(second.GetCount(), 0);
}

TEST(ORVGlobalObjectCleaner, LaterCleanerGetsAFreshFatalErrorDisplay) {
  {
    ORVGlobalObjectCleaner first;
    ORVFatalErrorDisplay* display = ORVFatalErrorDisplay::GetGlobal();
    EXPECT_STREQ(display->IsA(), "ORVFatalErrorDisplayToTerm");
    EXPECT_EQ(ORVFatalErrorDisplay::GetGlobal(), display);
    EXPECT_EQ(first.GetCount(), 1);
  }
  ORVGlobalObjectCleaner second;
  ORVFatalErrorDisplay* display = ORVFatalErrorDisplay::GetGlobal();
  EXPECT_STREQ(display->IsA(), "ORVFatalErrorDisplayToTerm");
  EXPECT_EQ(second.GetCount(), 1);  // made and registered again, not the freed one
}

TEST(ORVGlobalObjectCleanerDeathTest, SecondCleanerIsFatal) {
  ORVGlobalObjectCleaner cleaner;
  EXPECT_EXIT(ORVGlobalObjectCleaner second, testing::ExitedWithCode(255),
              FatalReportPattern("Only one global object cleaner can exist", kCleanerFile));
}

TEST(ORVGlobalObjectCleanerDeathTest, NullObjectIsFatal) {
  ORVGlobalObjectCleaner cleaner;
  EXPECT_EXIT(ORVGlobalObjectCleaner::Add(nullptr), testing::ExitedWithCode(255),
              FatalReportPattern("ORVGlobalObjectCleaner::Add(<NULL>)", kCleanerFile));
}

TEST(ORVGlobalObjectCleanerDeathTest, RegistrationDuringDestructionIsFatal) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        ORVGlobalObjectCleaner::Add(new ORVTestRegistersAtRelease());
      },
      testing::ExitedWithCode(255),
      FatalReportPattern("ORVGlobalObjectCleaner::Add(...) during or after destruction",
                         kCleanerFile));
}

TEST(ORVGlobalObjectCleanerDeathTest, RegistrationWithoutCleanerIsFatal) {
  ASSERT_EQ(ORVGlobalObjectCleaner::GetInstance(), nullptr);
  ORVTestShape shape;
  EXPECT_EXIT(ORVGlobalObjectCleaner::Add(&shape), testing::ExitedWithCode(255),
              FatalReportPattern("One global object cleaner must exist", kCleanerFile));
}
