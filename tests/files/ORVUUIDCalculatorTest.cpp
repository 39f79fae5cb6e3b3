// Tests of the UUID calculator: identifiers the caller keeps, a replaced global that
// outlives its maker's reference, and the one-setting rule.
#include "ORVUUIDCalculator.h"

#include <gtest/gtest.h>

#include <set>

#include "SuiteHelpers.h"

namespace {

class ORVTestCalculator : public ORVUUIDCalculator {
public:
  ORVString Get() override { return (ORVString("test-") += ++_Count); }

private:
  int _Count = 0;
};

}  // namespace

TEST(ORVUUIDCalculator, AReplacedCalculatorServesUntilTheCleanerEnds) {
  {
    ORVGlobalObjectCleaner cleaner;
    auto* replacement = new ORVTestCalculator();
    ORVUUIDCalculator::SetGlobal(*replacement);
    replacement->Release();  // the global keeps a reference of its own
    EXPECT_EQ(ORVUUIDCalculator::GetGlobal(), replacement);
    EXPECT_STREQ(ORVUUIDCalculator::GetGlobal()->Get().GetChars(), "test-1");
    EXPECT_STREQ(ORVUUIDCalculator::GetGlobal()->Get().GetChars(), "test-2");
  }
  // Released by the first cleaner, the global is a new default calculator, whose
  // identifiers are the caller's own copies.
  ORVGlobalObjectCleaner cleaner;
  ORVUUIDCalculator* calculator = ORVUUIDCalculator::GetGlobal();
  EXPECT_FALSE(calculator->IsAKindOf("ORVTestCalculator"));
  ORVString first = calculator->Get();
  std::string kept = first.GetChars();
  std::set<std::string> all = {kept};
  for (int i = 0; i < 100; ++i)
    all.insert(calculator->Get().GetChars());
  EXPECT_EQ(all.size(), 101u);
  EXPECT_EQ(kept, first.GetChars());
  EXPECT_EQ(first.GetLength(), 20);
}

TEST(ORVUUIDCalculatorDeathTest, SettingAfterAGlobalExistsIsFatal) {
  for (bool made : {true, false}) {
    ExpectFatal(
        [made] {
          if (made) ORVUUIDCalculator::GetGlobal();
          ORVUUIDCalculator::SetGlobal(*new ORVTestCalculator());
          ORVUUIDCalculator::SetGlobal(*new ORVTestCalculator());
        },
        "A global calculator has already been set", "src/ORVUUIDCalculator.cpp");
  }
}
