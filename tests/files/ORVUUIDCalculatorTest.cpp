// Tests of the UUID calculator: identifiers the caller keeps, a replaced global
// calculator that outlives its maker's reference, and the one-setting rule.
#include "ORVUUIDCalculator.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "SuiteHelpers.h"

namespace {

class ORVTestCalculator : public ORVUUIDCalculator {
public:
  ORVString Get() override {
    ORVString id("test-");
    id += ++_Count;
    return id;
  }

private:
  int _Count = 0;
};

}  // namespace

TEST(ORVUUIDCalculator, EachIdentifierIsTheCallersOwnCopy) {
  ORVGlobalObjectCleaner cleaner;
  ORVUUIDCalculator* calculator = ORVUUIDCalculator::GetGlobal();
  EXPECT_EQ(ORVUUIDCalculator::GetGlobal(), calculator);
  ORVString first = calculator->Get();
  std::string kept = first.GetChars();
  std::set<std::string> all = {kept};
  for (int i = 0; i < 100; ++i)
    all.insert(calculator->Get().GetChars());
  EXPECT_EQ(all.size(), 101u);
  EXPECT_EQ(kept, first.GetChars());  // not overwritten by the next identifiers
  EXPECT_EQ(first.GetLength(), 20);
}

TEST(ORVUUIDCalculator, AReplacedCalculatorServesUntilTheCleanerEnds) {
  {
    ORVGlobalObjectCleaner cleaner;
    auto* replacement = new ORVTestCalculator();
    ORVUUIDCalculator::SetGlobal(*replacement);
    replacement->Release();  // the maker lets go: the global keeps its own reference
    EXPECT_EQ(ORVUUIDCalculator::GetGlobal(), replacement);
    EXPECT_STREQ(ORVUUIDCalculator::GetGlobal()->Get().GetChars(), "test-1");
    EXPECT_STREQ(ORVUUIDCalculator::GetGlobal()->Get().GetChars(), "test-2");
  }
  // Once released, the global is a new default calculator.
  ORVGlobalObjectCleaner cleaner;
  EXPECT_FALSE(ORVUUIDCalculator::GetGlobal()->IsAKindOf("ORVTestCalculator"));
  EXPECT_EQ(ORVUUIDCalculator::GetGlobal()->Get().GetLength(), 20);
}

TEST(ORVUUIDCalculatorDeathTest, SettingAfterAGlobalExistsIsFatal) {
  const char* file = "src/ORVUUIDCalculator.cpp";
  ExpectFatal(
      [] {
        ORVUUIDCalculator::GetGlobal();
        ORVUUIDCalculator::SetGlobal(*new ORVUUIDCalculator());
      },
      "A global calculator has already been set", file);
  ExpectFatal(
      [] {
        ORVUUIDCalculator::SetGlobal(*new ORVTestCalculator());
        ORVUUIDCalculator::SetGlobal(*new ORVTestCalculator());
      },
      "A global calculator has already been set", file);
}
