// Tests of PEVMsgCatalog and PEVMsg: catalog files, language choice, search path,
// parameters, escapes and malformed lines; the text of a PEVError from its catalog.
#include "PEVMsgCatalog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "PEVError.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"

namespace {

// Runs each test with the test catalogs first on the path and English as language.
class PEVMsgCatalogTest : public testing::Test {
protected:
  void SetUp() override {
    setenv("PEV_CATALOG_PATH", ORV_TEST_DATA_DIR "/catalogs", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "C", 1);
  }
  void TearDown() override {
    SetUp();
    unsetenv("PEV_CATALOG_PATH");
  }

  std::string Build(const char* iKey, std::initializer_list<const char*> iParameters) {
    PEVMsgCatalog catalog;
    EXPECT_GT(catalog.LoadMsgCatalog("TESTCAT", nullptr), 0);
    PEVMsg message = catalog.GetCatalogMsg(iKey);
    std::vector<PEVUnicodeString> parameters(iParameters.begin(), iParameters.end());
    return Utf8(message.BuildMessage(parameters.data(), (int)parameters.size()));
  }
};

}  // namespace

// Missing parameters build as empty text; the highest parameter index counts every
// parameter used. Escapes and percent signs are text; malformed and comment lines
// define nothing.
TEST_F(PEVMsgCatalogTest, BuildsMessagesAndErrorTextsAndNamesTheLanguagesAMissingCatalogWasSought) {
  EXPECT_EQ(Build("GREETING", {"Ann", "Bob"}), "Hello Ann, this is Bob.");
  EXPECT_EQ(Build("SWAPPED", {"one", "two"}), "two before one");
  EXPECT_EQ(Build("TENTH", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}), "ten and 1");
  EXPECT_EQ(Build("GREETING", {"Ann"}), "Hello Ann, this is .");
  EXPECT_EQ(Build("ESCAPES", {}), "a\tb\nc\\d 100% done");
  PEVMsgCatalog catalog;
  ASSERT_GT(catalog.LoadMsgCatalog("TESTCAT", nullptr), 0);
  auto highest = [&](const char* iKey) { return catalog.GetCatalogMsg(iKey).GetMaxParamIndex(); };
  EXPECT_EQ(std::vector<int>(
                {highest("GREETING"), highest("NOPARAM"), highest("TENTH"), highest("HIGHEST")}),
            std::vector<int>({2, 0, 10, 3}));
  EXPECT_EQ(Utf8(catalog.GetCatalogMsg("GREETING").BuildMessage(nullptr, 0)), "Hello , this is .");
  for (const char* key : {"MALFORMED_NO_TEXT", "#", "COMMENTED", "NO_SUCH_KEY"})
    EXPECT_TRUE(catalog.GetCatalogMsg(key).IsEmpty()) << key;
  // A byte order mark does not hide the first key.
  TemporaryDirectory directory;
  mkdir(directory.Path("en").c_str(), 0700);
  WriteWholeFile(directory.Path("en/BOMCAT.msg"), "\uFEFFFIRST first text\n");
  ASSERT_GT(catalog.LoadMsgCatalog("BOMCAT", directory.GetPath().c_str()), 0);
  EXPECT_EQ(Utf8(catalog.GetCatalogMsg("FIRST").BuildMessage(nullptr, 0)), "first text");
  // Percent signs that are not parameters, and a trailing backslash, are text.
  PEVMsg message = PEVMsg::Parse("50% of %0 and %x, 5%%");
  EXPECT_EQ(message.GetMaxParamIndex(), 0);
  EXPECT_EQ(Utf8(message.BuildMessage(nullptr, 0)), "50% of %0 and %x, 5%");
  EXPECT_EQ(Utf8(PEVMsg::Parse("trailing \\").BuildMessage(nullptr, 0)), "trailing \\");
  // An error's text is its catalog message; without catalog and identifier it is empty,
  // and a missing key names both.
  PEVError bare;
  EXPECT_TRUE(bare.GetNLSMessage().IsEmpty());
  PEVError error(3, "TESTCAT", "GREETING");
  error.AddMsgParameter("Ann");
  error.AddMsgParameter("Bob");
  PEVError* clone = error.CloneSelf();
  EXPECT_EQ(Utf8(clone->GetNLSDiagnostic()), "Hello Ann, this is Bob.");
  clone->Release();
  PEVError missing(0, "TESTCAT", "NO_SUCH_KEY");
  EXPECT_EQ(Utf8(missing.GetNLSMessage()), "TESTCAT - NO_SUCH_KEY");
  // An explicit path replaces the search; every load is counted. A missing catalog names
  // the languages and directories searched.
  setenv("LANG", "fr_FR", 1);
  int before = PEVMsgCatalog::GetLoadCount();
  EXPECT_GT(catalog.LoadMsgCatalog("TESTCAT", ORV_TEST_DATA_DIR "/catalogs"), 0);
  EXPECT_EQ(catalog.LoadMsgCatalog("ORVBC", ORV_TEST_DATA_DIR "/catalogs"), 0);
  EXPECT_EQ(PEVMsgCatalog::GetLoadCount(), before + 2);
  EXPECT_EQ(catalog.LoadMsgCatalog("NOSUCHCAT", nullptr), 0);
  using testing::HasSubstr;
  EXPECT_THAT(
      Utf8(catalog.GetError()),
      testing::AllOf(HasSubstr("NOSUCHCAT"), HasSubstr("fr_FR, fr, en"),
                     HasSubstr(ORV_TEST_DATA_DIR "/catalogs"), HasSubstr(ORV_BUILD_CATALOG_DIR)));
  // A catalog name cannot leave the catalog directories.
  EXPECT_EQ(catalog.LoadMsgCatalog("../en/TESTCAT", nullptr), 0);
  EXPECT_EQ(catalog.LoadMsgCatalog("", nullptr), 0);
  // The language falls back from territory to language to English.
  setenv("LANG", "fr_CA.UTF-8", 1);
  EXPECT_EQ(Build("GREETING", {"A", "B"}), "Allo A, ici B.");
  setenv("LC_MESSAGES", "de_DE", 1);
  EXPECT_EQ(Build("GREETING", {"A", "B"}), "Hello A, this is B.");
  setenv("LC_ALL", "fr", 1);
  EXPECT_EQ(Build("GREETING", {"A", "B"}), "Bonjour A, ici B.");
}
