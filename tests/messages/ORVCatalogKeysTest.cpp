// Tests of catalog messages: the catalog-key table (every entry's text is shipped with
// exactly its parameters, messages are made from the table, and no source file writes a
// catalog key or catalog name as a literal of its own) and the catalog-backed message
// builder (one load per builder, the three fallback texts, parameter array growth and
// reuse, and null names of the ready-text builder).
#include "../../src/ORVCatalogKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

#include "MessagesTestSupport.h"
#include "PEVMsgCatalog.h"
#include "TemporaryDirectory.h"

namespace {

// "text:line" of each string literal of iSource that names a catalog or a catalog key:
// the table's catalogs and keys, the shipped catalogs' names, and any four-digit text
// (the form of ORVBC keys). Comments and character literals are left out. (Without
// <regex>: GCC 12 warns on its internals under the sanitizers.)
std::vector<std::string> CatalogLiterals(const std::string& iSource) {
  std::set<std::string> reserved = {"ORVBC", "ORVCMD", "ORVSYS", "ORVSOCK", "ORVCOM"};
  for (const ORVCatalogKey* entry : ORVCatalogKeyTable)
    reserved.insert({entry->_Catalog, entry->_Key});
  std::vector<std::string> found;
  // Keeps iText, the literal that starts at iAt, with its line.
  auto keep = [&](const std::string& iText, std::size_t iAt) {
    if (reserved.count(iText) ||
        (iText.size() == 4 && iText.find_first_not_of("0123456789") == std::string::npos))
      found.push_back(iText + ":" +
                      std::to_string(1 + std::count(iSource.begin(), iSource.begin() + iAt, '\n')));
  };
  for (std::size_t i = 0; i < iSource.size();) {
    char character = iSource[i];
    unsigned char before = i ? iSource[i - 1] : ' ';
    if (iSource.compare(i, 2, "//") == 0) {
      i = iSource.find('\n', i);
    } else if (iSource.compare(i, 2, "/*") == 0) {
      i = std::min(iSource.find("*/", i + 2), iSource.size()) + 2;
    } else if (iSource.compare(i, 2, "R\"") == 0 && (!isalnum(before) || strchr("8uUL", before))) {
      // The closing of a raw string is ")", its delimiter and a quote.
      std::size_t open = iSource.find('(', i + 2);
      std::size_t end = iSource.find(")" + iSource.substr(i + 2, open - i - 2) + "\"", open);
      if (open == std::string::npos || end == std::string::npos) break;
      keep(iSource.substr(open + 1, end - open - 1), i);
      i = end + open - i;
    } else if (character == '"' || (character == '\'' && !isdigit(before))) {
      // A quote after a digit separates digits (1'000); it opens nothing.
      std::size_t end = i + 1;
      while (end < iSource.size() && iSource[end] != character && iSource[end] != '\n')
        end += iSource[end] == '\\' ? 2 : 1;
      if (character == '"') keep(iSource.substr(i + 1, end - i - 1), i);
      i = end + 1;
    } else {
      ++i;
    }
  }
  return found;
}

const char kTestCatalogs[] = ORV_TEST_DATA_DIR "/catalogs";

// A new builder of iKey in iCatalog, found among the test catalogs.
ORVParamNLSMsgBldrCtlgRfHndlr Make(const char* iKey, const char* iCatalog = "BLDRTEST") {
  ORVParamNLSMsgBldrCtlgRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg(iCatalog, iKey, kTestCatalogs));
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

}  // namespace

TEST(ORVCatalogKeys, EveryEntryIsShippedWithExactlyItsParametersAndMakesItsMessage) {
  std::set<std::string> seen;
  for (const ORVCatalogKey* entry : ORVCatalogKeyTable) {
    std::string name = std::string(entry->_Catalog) + " " + entry->_Key;
    EXPECT_TRUE(seen.insert(name).second) << name << " is listed twice";
    PEVMsgCatalog catalog;
    ASSERT_GT(catalog.LoadMsgCatalog(entry->_Catalog, ORV_BUILD_CATALOG_DIR), 0)
        << Utf8(catalog.GetError());
    PEVMsg message = catalog.GetCatalogMsg(entry->_Key);
    ASSERT_FALSE(message.IsEmpty()) << name << " is not in the shipped catalog";
    EXPECT_EQ(message.GetMaxParamIndex(), entry->_ParameterCount) << name;
    // Every parameter shows, none is skipped.
    std::vector<PEVUnicodeString> parameters;
    for (int i = 1; i <= entry->_ParameterCount; ++i)
      parameters.emplace_back(("<parameter " + std::to_string(i) + ">").c_str());
    std::string built = Utf8(message.BuildMessage(parameters.data(), (int)parameters.size()));
    for (const PEVUnicodeString& parameter : parameters)
      EXPECT_NE(built.find(Utf8(parameter)), std::string::npos) << name << ": " << built;
  }
  // A message is made from its entry with its parameters in order.
  ORVParamNLSMsgBldrCtlgRfHndlr rename =
      ORVMakeCatalogMessage<ORVBC_0215>("old", ORVString("new"), PEVUnicodeString("reason"));
  EXPECT_EQ(std::string(rename->GetMsgCatalogName()) + " " + rename->GetMsgId() + " [" +
                rename->GetMsgCatalogPath() + "] " + std::to_string(rename->GetNbParameters()) +
                " " + Utf8(rename->GetParameter(0)) + " " + Utf8(rename->GetParameter(2)),
            "ORVBC 0215 [] 3 old reason");
  EXPECT_EQ(rename->GetRefCount(), 1u);
}

TEST(ORVCatalogKeys, NoSourceWritesACatalogKeyOutsideTheTableAsTheScanOfStringsSeesThem) {
  std::string source =
      "// \"0201\" in a comment\n"
      "/* \"ORVBC\"\n   still a comment */\n"
      "int n = 1'000; char quote = '\"'; char c = '0';\n"
      "f(\"0201\", \"ORVBC\", \"Not a key\", \"12345\", \"020\");\n"
      "g(R\"x(6030)x\", \"esc\\\"aped\", \"ORVSYS\");\n";
  EXPECT_EQ(CatalogLiterals(source),
            (std::vector<std::string>{"0201:5", "ORVBC:5", "6030:6", "ORVSYS:6"}));
  // No source of the library writes one.
  std::set<std::string> scanned;
  for (const auto& entry : std::filesystem::directory_iterator(ORV_SOURCE_DIR "/src")) {
    std::string name = entry.path().filename().string(), extension = entry.path().extension();
    if ((extension != ".cpp" && extension != ".h") || name == "ORVCatalogKeys.h") continue;
    scanned.insert(name);
    for (const std::string& literal : CatalogLiterals(ReadWholeFile(entry.path())))
      ADD_FAILURE() << "src/" << name << ": " << literal
                    << " is a catalog name or key (text:line); use an entry of ORVCatalogKeys.h";
  }
  // The files that make catalog messages were among those read.
  for (const char* maker :
       {"ORVError.cpp", "ORVFileUtilities.cpp", "ORVMessageDisplayToAsciiFile.cpp",
        "ORVUtilitiesPlatform.cpp", "ORVDateUtilities.cpp", "ORVCmdLnError.h",
        "ORVCmdLnAnalyzer.cpp", "ORVCmdLnHelpMngr.cpp"})
    EXPECT_EQ(scanned.count(maker), 1u) << maker;
}

TEST(ORVParamNLSMsgBldrCtlgTest, MissingCatalogIsTriedOnceMissingKeyNamedAndNullNamesEmpty) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("0201", "NOSUCHCAT");
  builder->AddNewParameter("ignored");
  PEVMsgCatalog catalog;
  ASSERT_EQ(catalog.LoadMsgCatalog("NOSUCHCAT", kTestCatalogs), 0);
  std::string loadError = Utf8(catalog.GetError());
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
  // Null names and parameters are stored empty: an invalid catalog without a name. So are
  // those of the ready-text builder, whose texts the other tests build.
  ORVParamNLSMsgBldrCtlgRfHndlr unset = Make(nullptr, nullptr);
  unset->AddNewParameter((const char*)nullptr);
  EXPECT_EQ(
      std::string(unset->GetMsgCatalogName()) + unset->GetMsgId() + Utf8(unset->GetParameter(0)),
      "");
  EXPECT_EQ(Utf8(unset->Build()).rfind(" -  !!! Invalid message catalog : ", 0), 0u);
  ORVNLSMsgBldrFromString unnamed("", nullptr, nullptr);
  EXPECT_EQ(std::string(unnamed.GetMsgCatalogName()) + unnamed.GetMsgId(), "");
}

TEST(ORVParamNLSMsgBldrCtlgTest, WrongParameterCountsAreFilledAndEachIsAddedToTheErrorMessage) {
  const std::string wrong = " !!! Wrong message BLDRTEST - THREE: ";
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("THREE");
  builder->AddNewParameter("one");
  EXPECT_EQ(Utf8(builder->Build()),
            "first one, second ???, third ???" + wrong + "1 parameters instead of 3 !!!");
  for (const char* more : {"two", "three", "four"})
    builder->AddNewParameter(more);
  EXPECT_EQ(Utf8(builder->Build()),
            "first one, second two, third three" + wrong + "4 parameters instead of 3 !!!");
  EXPECT_STREQ(builder->GetLastErrorMsg().GetChars(),
               "Message BLDRTEST - THREE: 1 parameters instead of 3"
               "Message BLDRTEST - THREE: 4 parameters instead of 3");
}

TEST(ORVParamNLSMsgBldrCtlgTest, ParameterArrayGrowsByDoublingFromTenAndIsReusedWhenCleared) {
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
  builder->ResizeParameterArray(0);
  EXPECT_EQ(Utf8(builder->Build()),
            "first ???, second ???, third ??? !!! Wrong message BLDRTEST - THREE: 0 parameters "
            "instead of 3 !!!");
}

TEST(ORVParamNLSMsgBldrCtlgDeathTest, NegativeIndexOrSizeIsFatal) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder = Make("ONE");
  const char* file = "src/ORVParamNLSMsgBldrCtlg.cpp";
  ExpectFatal([&] { builder->SetParameter(-1, "x"); },
              "ORVParamNLSMsgBldrCtlg::SetParameter(): iIndex < 0", file);
  ExpectFatal([&] { builder->ResizeParameterArray(-1); },
              "ORVParamNLSMsgBldrCtlg::ResizeParameterArray(): iNbParameters < 0", file);
}
