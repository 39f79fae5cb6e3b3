// Tests of the mapped-code family: found, compared and hashed by their code text.
#include "ORVMappedCodeSet.h"

#include <gtest/gtest.h>

#include "CmdLnTestSupport.h"
#include "ORVExtAnyChars.h"
#include "ORVMappedCodeCmpCodeVal.h"
#include "ORVMappedCodeConvCodeToExtChars.h"
#include "ORVMappedCodeHashCodeVal.h"
#include "ORVMappedCodeWithNames.h"

TEST_F(CmdLnTest, MappedCodesAreFoundComparedAndConvertedByTheirText) {
  ORVMappedCode plain("WIN");
  ORVMappedCodeWithNames named("MAC", {}, {});
  ORVMappedCodeSet set(1);
  set.AddMappedCode(plain);
  set.AddMappedCode(named);
  EXPECT_EQ(set.LookupMappedCodeOnCode(ORVExtAnyChars("MAC")), &named);
  EXPECT_EQ(set.LookupMappedCodeOnCode(ORVExtAnyChars("WIN")), &plain);
  EXPECT_EQ(set.LookupMappedCodeOnCode(ORVExtAnyChars("mac")), nullptr);
  ORVString win("WIN");
  EXPECT_EQ(ORVMappedCodeCmpCodeVal::GetGlobal()->CompareObjects(&win, &plain), 0);
  EXPECT_LT(ORVMappedCodeCmpCodeVal::GetGlobal()->CompareObjects(&named, &win), 0);
  EXPECT_EQ(ORVMappedCodeHashCodeVal::GetGlobal()->Code(&plain),
            ORVMappedCodeHashCodeVal::GetGlobal()->Code(&win));
  ORVMappedCodeConvCodeToExtChars convert;
  convert.Set(&named);
  EXPECT_STREQ(ORVCheckedCast<ORVExtAnyChars>(convert.GetConverted())->GetChars(), "MAC");
  convert.Set(nullptr);
  EXPECT_EQ(convert.GetConverted(), nullptr);
  ExpectFatalReport([&] { ORVMappedCodeCmpCodeVal::GetGlobal()->CompareObjects(&plain, nullptr); },
                    "pObj1 == NULL OR pObj2 == NULL", "src/ORVMappedCodeCmpCodeVal.cpp");
}
