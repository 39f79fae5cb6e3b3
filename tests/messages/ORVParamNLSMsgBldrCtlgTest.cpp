// Tests of the catalog-backed message builder: one load per builder, the three fallback
// texts, parameter array growth and reuse, and null names of the ready-text builder.
#include "ORVParamNLSMsgBldrCtlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "MessagesTestSupport.h"
#include "PEVMsg.h"
#include "PEVMsgCatalog.h"

namespace {

// A new builder of iKey in iCatalog, searched for or found in iPath.
ORVParamNLSMsgBldrCtlgRfHndlr Make(const char* iKey, const char* iCatalog = "BLDRTEST",
                                   const char* iPath = nullptr) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg(iCatalog, iKey, iPath));
  return builder;
}

// "count/capacity:" of the parameter array of iBuilder, then its parameters joined by "|".
std::string Parameters(const ORVParamNLSMsgBldrCtlgRfHndlr& iBuilder) {
  std::string text = std::to_string(iBuilder->GetNbParameters()) + "/" +
                     std::to_string(iBuilder->GetParameterCapacity()) + ":";
  for (int i = 0; i < iBuilder->GetNbParameters(); ++i)
    text += (i ? "|" : " ") + Utf8(iBuilder->GetParameter(i));
  return text;
}

// The test catalogs first on the path, English as language.
class ORVParamNLSMsgBldrCtlgTest : public testing::Test {
protected:
  void SetUp() override { setenv("PEV_CATALOG_PATH", ORV_TEST_DATA_DIR "/catalogs", 1); }
  void TearDown() override { unsetenv("PEV_CATALOG_PATH"); }
};

}  // namespace

TEST_F(ORVParamNLSMsgBldrCtlgTest, BuildsTheCatalogTextWithItsParametersLoadingItOnce) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("THREE");
  builder->AddNewParameter(PEVUnicodeString("one"));
  builder->AddNewParameter(ORVString("two"));
  builder->AddNewParameter(3);
  EXPECT_EQ(Utf8(builder->Build()) + "|" + builder->GetLastErrorMsg().GetChars(),
            "first one, second two, third 3|");
  // The catalog is read once, on the first build.
  int before = PEVMsgCatalog::GetLoadCount();
  ORVParamNLSMsgBldrCtlgRfHndlr plain = Make("NONE");
  EXPECT_EQ(PEVMsgCatalog::GetLoadCount(), before);  // nothing built, nothing read
  EXPECT_EQ(Utf8(plain->Build()) + Utf8(plain->Build()), "plain textplain text");
  EXPECT_NE(plain->MakeOrGetMsgBuilder(), nullptr);
  EXPECT_EQ(PEVMsgCatalog::GetLoadCount(), before + 1);
}

TEST_F(ORVParamNLSMsgBldrCtlgTest, MissingCatalogIsTriedOnceAndMissingKeyNamed) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("0201", "NOSUCHCAT");
  builder->AddNewParameter("ignored");
  PEVMsgCatalog catalog;
  ASSERT_EQ(catalog.LoadMsgCatalog("NOSUCHCAT", nullptr), 0);
  std::string loadError = Utf8(catalog.GetError());
  ASSERT_FALSE(loadError.empty());
  int before = PEVMsgCatalog::GetLoadCount();
  std::string expected =
      "NOSUCHCAT - 0201 !!! Invalid message catalog NOSUCHCAT: " + loadError + " !!!";
  EXPECT_EQ(Utf8(builder->Build()) + "|" + Utf8(builder->Build()), expected + "|" + expected);
  EXPECT_EQ(builder->MakeOrGetMsgBuilder(), nullptr);
  EXPECT_EQ(PEVMsgCatalog::GetLoadCount(), before + 1);
  EXPECT_EQ(builder->GetLastErrorMsg().GetChars(), loadError);
  // A missing key names key and catalog.
  ORVParamNLSMsgBldrCtlgRfHndlr absent = Make("ABSENT");
  EXPECT_EQ(Utf8(absent->Build()),
            "BLDRTEST - ABSENT !!! ABSENT not found in catalog BLDRTEST !!!");
  EXPECT_STREQ(absent->GetLastErrorMsg().GetChars(), "ABSENT not found in catalog BLDRTEST");
  ASSERT_NE(absent->MakeOrGetMsgBuilder(), nullptr);
  EXPECT_TRUE(absent->MakeOrGetMsgBuilder()->IsEmpty());
}

TEST_F(ORVParamNLSMsgBldrCtlgTest, WrongParameterCountsAreFilledAndReported) {
  const std::string wrong = " !!! Wrong message BLDRTEST - THREE: ";
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("THREE");
  builder->AddNewParameter("one");
  EXPECT_EQ(Utf8(builder->Build()),
            "first one, second ???, third ???" + wrong + "1 parameters instead of 3 !!!");
  EXPECT_STREQ(builder->GetLastErrorMsg().GetChars(),
               "Message BLDRTEST - THREE: 1 parameters instead of 3");
  EXPECT_EQ(Parameters(builder), "1/3: one");  // the filling is not counted
  // A later build with the right count is clean, but the error message keeps its past.
  builder->AddNewParameter("two");
  builder->AddNewParameter("three");
  EXPECT_EQ(Utf8(builder->Build()), "first one, second two, third three");
  builder->AddNewParameter("four");
  EXPECT_EQ(Utf8(builder->Build()),
            "first one, second two, third three" + wrong + "4 parameters instead of 3 !!!");
  EXPECT_STREQ(builder->GetLastErrorMsg().GetChars(),
               "Message BLDRTEST - THREE: 1 parameters instead of 3"
               "Message BLDRTEST - THREE: 4 parameters instead of 3");
}

TEST_F(ORVParamNLSMsgBldrCtlgTest, ParameterArrayGrowsByDoublingFromTenAndIsReusedWhenCleared) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("THREE");
  EXPECT_EQ(Parameters(builder), "0/0:");
  builder->SetParameter(4, "five");
  builder->SetParameter(1, 22);  // below the count: the count stays
  EXPECT_EQ(Parameters(builder), "5/10: |22|||five");
  for (int i = 5; i < 12; ++i)
    builder->AddNewParameter(i);
  EXPECT_EQ(Parameters(builder), "12/20: |22|||five|5|6|7|8|9|10|11");
  builder->SetParameter(40, ORVString("far"));
  EXPECT_EQ(Parameters(builder).substr(0, 6), "41/80:");
  builder->ClearParameterArray();
  EXPECT_EQ(Parameters(builder), "0/80:");
  builder->AddNewParameter("x");
  // Skipping over an entry leaves it empty, not holding what the earlier use left there.
  builder->SetParameter(2, "z");
  EXPECT_EQ(Utf8(builder->Build()), "first x, second , third z");
  // Shrinking keeps what fits.
  builder->ResizeParameterArray(2);
  EXPECT_EQ(Parameters(builder), "2/2: x|");
  builder->AddNewParameter("c2");
  EXPECT_EQ(Parameters(builder), "3/4: x||c2");
  builder->ResizeParameterArray(0);
  EXPECT_EQ(Utf8(builder->Build()),
            "first ???, second ???, third ??? !!! Wrong message BLDRTEST - THREE: 0 parameters "
            "instead of 3 !!!");
}

TEST_F(ORVParamNLSMsgBldrCtlgTest, NullTextsAreStoredEmpty) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make(nullptr, nullptr);
  builder->AddNewParameter((const char*)nullptr);
  EXPECT_EQ(std::string(builder->GetMsgCatalogName()) + builder->GetMsgId() +
                Utf8(builder->GetParameter(0)),
            "");
  EXPECT_EQ(Utf8(builder->Build()).rfind(" -  !!! Invalid message catalog : ", 0), 0u);
  // So are those of the ready-text builder, whose texts the other tests build.
  ORVNLSMsgBldrFromString unnamed("", nullptr, nullptr);
  EXPECT_EQ(std::string(unnamed.GetMsgCatalogName()) + unnamed.GetMsgId(), "");
}

TEST(ORVParamNLSMsgBldrCtlgDeathTest, NegativeIndexOrSizeIsFatal) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("ONE");
  const char* file = "src/ORVParamNLSMsgBldrCtlg.cpp";
  ExpectFatal([&] { builder->SetParameter(-1, "x"); },
              "ORVParamNLSMsgBldrCtlg::SetParameter(): iIndex < 0", file);
  ExpectFatal([&] { builder->ResizeParameterArray(-1); },
              "ORVParamNLSMsgBldrCtlg::ResizeParameterArray(): iNbParameters < 0", file);
}
