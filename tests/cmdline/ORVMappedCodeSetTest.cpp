// Tests of the mapped-code family: a set finds its codes by text through the code
// comparator and hash coder, which take a mapped code as its code string, and the
// converter presents a code as character data.
#include "ORVMappedCodeSet.h"

#include <gtest/gtest.h>

#include "CmdLnTestSupport.h"
#include "ORVExtAnyChars.h"
#include "ORVMappedCodeCmpCodeVal.h"
#include "ORVMappedCodeConvCodeToExtChars.h"
#include "ORVMappedCodeHashCodeVal.h"
#include "ORVMappedCodeWithNames.h"
#include "ORVStringExtCharsHash.h"

TEST_F(CmdLnTest, MappedCodesAreFoundAndComparedByTheirText) {
  ORVMappedCode plain("WIN");
  ORVMappedCodeWithName named("UNIX", ORVNLSMsgBldrRfHndlr());
  ORVMappedCodeWithNames both("MAC", ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr());
  ORVMappedCodeSet set(2);
  for (ORVMappedCode* code :
       {(ORVMappedCode*)&plain, (ORVMappedCode*)&named, (ORVMappedCode*)&both})
    set.AddMappedCode(*code);
  EXPECT_EQ(set.GetMappedCodeTable().Size(), 3);
  EXPECT_EQ(set.LookupMappedCodeOnCode(ORVExtAnyChars("UNIX")), &named);
  EXPECT_EQ(set.LookupMappedCodeOnCode(ORVExtAnyChars("MAC")), &both);
  EXPECT_EQ(set.LookupMappedCodeOnCode(ORVExtAnyChars("unix")), nullptr);
  EXPECT_EQ(set.LookupMappedCodeOnCode(ORVExtAnyChars("WIN2")), nullptr);

  const ORVMappedCodeCmpCodeVal& compare = *ORVMappedCodeCmpCodeVal::GetGlobal();
  EXPECT_EQ(ORVMappedCodeCmpCodeVal::GetGlobal(), &compare);
  ORVString win("WIN");
  ORVExtAnyChars mac("MAC");
  EXPECT_EQ(compare.CompareObjects(&plain, &win), 0);
  EXPECT_EQ(compare.CompareObjects(&mac, &both), 0);
  EXPECT_LT(compare.CompareObjects(&both, &plain), 0);
  EXPECT_GT(compare.CompareObjects(&win, &mac), 0);
  const ORVMappedCodeHashCodeVal& hash = *ORVMappedCodeHashCodeVal::GetGlobal();
  EXPECT_EQ(hash.Code(&plain), ORVStringExtCharsHash::GetGlobal()->Code(&win));
  EXPECT_EQ(hash.Code(&win), ORVStringExtCharsHash::GetGlobal()->Code(&win));

  ORVMappedCodeConvCodeToExtChars convert;
  convert.Set(&both);
  ASSERT_NE(convert.GetConverted(), nullptr);
  EXPECT_STREQ(ORVCheckedCast<ORVExtAnyChars>(convert.GetConverted())->GetChars(), "MAC");
  convert.Set(nullptr);
  EXPECT_EQ(convert.GetConverted(), nullptr);
}

TEST_F(CmdLnTest, NullMappedCodesAreFatal) {
  ORVMappedCode code("X");
  ExpectFatalReport([&] { ORVMappedCodeCmpCodeVal::GetGlobal()->CompareObjects(&code, nullptr); },
                    "pObj1 == NULL OR pObj2 == NULL", "src/ORVMappedCodeCmpCodeVal.cpp");
  ExpectFatalReport([] { ORVMappedCodeHashCodeVal::GetGlobal()->Code(nullptr); }, "pObj1 == NULL",
                    "src/ORVMappedCodeHashCodeVal.cpp");
}
