// Tests of the host information and the OS types: the texts uname gives, one global
// each, the UNIX family by code and name, and globals made again after a cleaner.
#include "ORVHostInfo.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include "ORVOSType.h"
#include "ORVOSTypes.h"
#include "SuiteHelpers.h"

TEST(ORVHostInfo, TheGlobalDescribesTheMachineAsUnameDoes) {
  ORVGlobalObjectCleaner cleaner;
  struct utsname system {};
  ASSERT_EQ(uname(&system), 0);
  ORVHostInfo* host = ORVHostInfo::GetGlobal();
  EXPECT_EQ(ORVHostInfo::GetGlobal(), host);
  EXPECT_STREQ(host->GetHostName().GetChars(), system.nodename);
  EXPECT_STREQ(host->GetOSName().GetChars(), system.sysname);
  EXPECT_STREQ(host->GetOSVersion().GetChars(), system.release);
  EXPECT_STREQ(host->GetProcessorType().GetChars(), system.machine);
  EXPECT_EQ(host->GetOSType(), ORVOSTypes::GetGlobalUnixOSType());
  EXPECT_EQ(cleaner.GetCount(), 2);  // the host and the family it named
}

TEST(ORVOSTypes, EachFamilyIsOneGlobalWithItsCodeAndName) {
  const ORVOSType* unixType = nullptr;
  {
    ORVGlobalObjectCleaner cleaner;
    unixType = ORVOSTypes::GetGlobalUnixOSType();
    const ORVOSType* windows = ORVOSTypes::GetGlobalWindowsOSType();
    EXPECT_EQ(ORVOSTypes::GetGlobalUnixOSType(), unixType);
    EXPECT_EQ(ORVOSTypes::GetGlobalWindowsOSType(), windows);
    EXPECT_STREQ(unixType->GetCode().GetChars(), "UNIX");
    EXPECT_STREQ(windows->GetCode().GetChars(), "WINDOWS");
    EXPECT_EQ(Utf8(unixType->GetHNameBldr()->Build()), "UNIX");
    EXPECT_EQ(Utf8(windows->GetHNameBldr()->Build()), "Windows");
  }
  // Released by the first cleaner, the families are made again for the next one.
  ORVGlobalObjectCleaner cleaner;
  EXPECT_STREQ(ORVOSTypes::GetGlobalUnixOSType()->GetCode().GetChars(), "UNIX");
  EXPECT_EQ(cleaner.GetCount(), 1);
}
