// Tests of the host information, the OS types and the UUID calculator, globals made
// again after a cleaner: the texts uname gives, the UNIX family by code and name,
// identifiers the caller keeps, a replaced calculator that outlives its maker's
// reference, and the one-setting rule.
#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <set>

#include "ORVHostInfo.h"
#include "ORVOSType.h"
#include "ORVOSTypes.h"
#include "ORVUUIDCalculator.h"
#include "SuiteHelpers.h"

namespace {

class ORVTestCalculator : public ORVUUIDCalculator {
public:
  ORVString Get() override { return (ORVString("test-") += ++_Count); }

private:
  int _Count = 0;
};

}  // namespace

TEST(ORVHostInfo, TheGlobalDescribesTheMachineAsUnameDoes) {
  ORVGlobalObjectCleaner cleaner;
  struct utsname system {};
  ASSERT_EQ(uname(&system), 0);
  ORVHostInfo* host = ORVHostInfo::GetGlobal();
  EXPECT_EQ(ORVHostInfo::GetGlobal(), host);
  EXPECT_EQ(std::string(host->GetHostName().GetChars()) + "|" + host->GetOSName().GetChars() + "|" +
                host->GetOSVersion().GetChars() + "|" + host->GetProcessorType().GetChars(),
            std::string(system.nodename) + "|" + system.sysname + "|" + system.release + "|" +
                system.machine);
  EXPECT_EQ(host->GetOSType(), ORVOSTypes::GetGlobalUnixOSType());
  EXPECT_EQ(cleaner.GetCount(), 2);  // the host and the family it named
}

TEST(ORVOSTypes, EachFamilyIsOneGlobalWithItsCodeAndName) {
  {
    ORVGlobalObjectCleaner cleaner;
    const ORVOSType* unixType = ORVOSTypes::GetGlobalUnixOSType();
    const ORVOSType* windows = ORVOSTypes::GetGlobalWindowsOSType();
    EXPECT_EQ(ORVOSTypes::GetGlobalWindowsOSType(), windows);
    EXPECT_EQ(std::string(unixType->GetCode().GetChars()) + " " + windows->GetCode().GetChars() +
                  " " + Utf8(unixType->GetHNameBldr()->Build()) + " " +
                  Utf8(windows->GetHNameBldr()->Build()),
              "UNIX WINDOWS UNIX Windows");
  }
  // Released by the first cleaner, the families are made again for the next one.
  ORVGlobalObjectCleaner cleaner;
  EXPECT_STREQ(ORVOSTypes::GetGlobalUnixOSType()->GetCode().GetChars(), "UNIX");
  EXPECT_EQ(cleaner.GetCount(), 1);
}

TEST(ORVUUIDCalculator, AReplacedCalculatorServesUntilTheCleanerEnds) {
  {
    ORVGlobalObjectCleaner cleaner;
    auto* replacement = new ORVTestCalculator();
    ORVUUIDCalculator::SetGlobal(*replacement);
    replacement->Release();  // the global keeps a reference of its own
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
  for (bool made : {true, false})
    ExpectFatal(
        [made] {
          if (made) ORVUUIDCalculator::GetGlobal();
          ORVUUIDCalculator::SetGlobal(*new ORVTestCalculator());
          ORVUUIDCalculator::SetGlobal(*new ORVTestCalculator());
        },
        "A global calculator has already been set", "src/ORVUUIDCalculator.cpp");
}
