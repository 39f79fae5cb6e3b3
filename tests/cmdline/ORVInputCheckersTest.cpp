// Tests of the input helpers beside the command line: environment variables and their
// checker, the merging-mode checker and set, the prefixed-value checker with prefixes A
// (exactly 8), B (at least 2) and C (1 to 3), and the mapped-code family.
#include <gtest/gtest.h>

#include <tuple>

#include "ChildProcess.h"
#include "CmdLnTestSupport.h"
#include "ORVEnvironmentVariable.h"
#include "ORVEnvironmentVariableChecker.h"
#include "ORVExtAnyChars.h"
#include "ORVInputGuiMergingModeChecker.h"
#include "ORVInputPrefixedValueChecker.h"
#include "ORVMappedCodeCmpCodeVal.h"
#include "ORVMappedCodeConvCodeToExtChars.h"
#include "ORVMappedCodeHashCodeVal.h"
#include "ORVMappedCodeSet.h"
#include "ORVMappedCodeWithNames.h"
#include "ORVMergingModes.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVVector.h"

TEST(ORVEnvironmentVariable, AWrittenValueOutlivesTheWriterAndTheCleaner) {
  std::string value(100000, 'v');
  ChildResult child = RunInChild([&] {
    {
      ORVGlobalObjectCleaner cleaner;
      auto* variable = new ORVEnvironmentVariable("ORV_TEST_A");
      variable->Write(value.c_str());
      if (value != variable->Read(0)) _exit(1);
      variable->Release();
      std::vector<std::string> reuse(8, std::string(value.size() + 11, 'x'));  // freed memory
      if (value != getenv("ORV_TEST_A")) _exit(2);
    }
    if (value != getenv("ORV_TEST_A")) _exit(3);
  });
  EXPECT_EQ(child._ExitStatus, 0);
}

TEST_F(CmdLnTest, AVariableIsReadOnceAndTheEmptyRequiredOnesAreReportedInOrder) {
  setenv("ORV_TEST_A", "first", 1);
  ORVEnvironmentVariable a("ORV_TEST_A"), b("ORV_TEST_B"), c("ORV_TEST_C");
  EXPECT_EQ(a.Read(0), nullptr);  // not read yet
  EXPECT_STREQ(a.Read(1), "first");
  unsetenv("ORV_TEST_A");
  EXPECT_STREQ(a.Read(1), "first");  // its own copy, not the environment's
  a.Write(nullptr);
  EXPECT_STREQ(getenv("ORV_TEST_A"), "");
  EXPECT_TRUE(a.IsEmpty(1));
  // "A=B" would read and set the variable A.
  for (const char* name : {(const char*)nullptr, "", "ORV_TEST_A=B"})
    ExpectFatalReport([name] { ORVEnvironmentVariable bad(name); },
                      "A variable name must be specified", "src/ORVEnvironmentVariable.cpp");
  ORVEnvironmentVariable a2("ORV_TEST_A");
  ORVEnvironmentVariableChecker checker(TestMessage("ADVICE")), ready(TestMessage("ADVICE"));
  for (ORVEnvironmentVariable* variable : {&b, &a2, &c})
    checker.Add(*variable);
  ready.Add(c);
  setenv("ORV_TEST_C", "set", 1);  // ORV_TEST_A is empty: it counts as missing
  EXPECT_EQ(Outcome(checker.ReadAndCheck()),
            "type 1 in src/ORVEnvironmentVariableChecker.cpp; request ORVBC 0150; diagnostic "
            "ORVBC 0151: ORV_TEST_B, ORV_TEST_A; advice CMDLNTEST ADVICE");
  EXPECT_EQ(Outcome(ready.ReadAndCheck()), "success");
  unsetenv("ORV_TEST_A");
  unsetenv("ORV_TEST_C");
}

const std::string kFailed =
    "type 1 in src/ORVInputGuiMergingModeChecker.cpp; request CMDLNTEST R; diagnostic ORVBC 0023: ";

TEST_F(CmdLnTest, OnlyMergingModesOneToFourPassAndTheSetLeavesItsElementsToTheirOwner) {
  // The outcome of a check of the values; the vector is kept for the modes' set below.
  ORVVector values(ORVDestroyElementsAtDelete);
  auto checked = [&values](std::vector<const char*> iValues) {
    values.Destroy();
    for (const char* value : iValues)
      values.Append(new ORVString(value));
    std::string outcome = Outcome(ORVInputGuiMergingModeChecker().Check(values, TestMessage("R")));
    return outcome.rfind(kFailed, 0) == 0 ? outcome.substr(kFailed.size()) : outcome;
  };
  EXPECT_EQ(checked({}), "success");
  const std::pair<const char*, const char*> kFailures[] = {
      {"0", "0"}, {"5", "5"}, {"", "0"}, {"abc", "0"}, {"4.0", "4"}, {"99999999999", "2147483647"}};
  for (auto [value, read] : kFailures)
    EXPECT_EQ(checked({value}), read + std::string(" | 1|2|3|4; advice <none>")) << value;
  EXPECT_EQ(checked({"1", "7", "0"}), "7 | 1|2|3|4; advice <none>");  // the first
  // The global set, released later by the cleaner, must not destroy the elements of the
  // given vector, which destroys them itself.
  EXPECT_EQ(checked({"1", "2", "3", "4"}), "success");
  ORVMergingModes* modes = ORVMergingModes::GetGlobal();
  EXPECT_EQ(ORVMergingModes::GetGlobal(), modes);
  modes->SetMergingModesSet(values);
  EXPECT_EQ(Texts(modes->GetMergingModesSet()), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(modes->GetMergingModesSet().GetWhatToDoAtDelete(), ORVDoNothingAtDelete);
}

// Without default every value needs a known prefix; a default prefix, which need not be in
// the set, or an optional prefix takes values without one.
TEST_F(CmdLnTest, ValuesNeedAKnownPrefixUnlessADefaultOrOptionalOneIsSet) {
  const auto name = [](const char* iText) {
    ORVNLSMsgBldrRfHndlr builder;
    builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, "CAT", "KEY"));
    return builder;
  };
  ORVInputValuePrefix a{"A", name("Account"), 8, 8}, b{"B", name("Branch"), 2, -1},
      c{"C", name("Code"), 1, 3}, outside("D", name("Default"), 8, 8), unset;
  ORVVector prefixes(ORVDoNothingAtDelete);
  for (ORVInputValuePrefix* prefix : {&a, &b, &c})
    prefixes.Append(prefix);
  ORVInputPrefixedValueChecker none(prefixes, 0u), d(prefixes, outside), optional(prefixes, 1u);
  const std::string kLines =
      "A: Account, 8 characters\nB: Branch, at least 2 characters\nC: Code, from 1 to 3 "
      "characters\n";
  // "<prefix or null> <value>: <outcome>"; a failure's advice is given by its head only.
  const auto checked = [&](ORVInputPrefixedValueChecker& iChecker, const std::string& iInput) {
    const ORVInputValuePrefix* prefix = &unset;
    ORVString value("before");
    std::string outcome = Outcome(iChecker.Check(iInput.c_str(), prefix, value, TestMessage("R")));
    if (std::size_t lines = outcome.find(kLines); lines != std::string::npos) outcome.erase(lines);
    return (prefix ? prefix->GetCode().GetChars() : "null") + std::string(" ") + value.GetChars() +
           ": " + outcome;
  };
  const auto failed = [](const std::string& iDiagnostic, const std::string& iHead) {
    return "type 1 in src/ORVInputPrefixedValueChecker.cpp; request CMDLNTEST R; diagnostic "
           "ORVBC " +
           iDiagnostic + "; advice ORVBC " + iHead;
  };
  const std::string h = "0311: ", hd = "0315: D | ", many(5000, 'y');
  const std::tuple<ORVInputPrefixedValueChecker*, std::string, std::string> kCases[] = {
      {&none, "A:12345678", "A 12345678: success"},
      {&none, "A:abc", "A abc: " + failed("0314: A:abc | 3 | 8", h)},
      {&none, "B:x", "B x: " + failed("0320: B:x | 1 | 2", h)},
      {&none, "B:" + many, "B " + many + ": success"},
      {&none, "C:", "C : " + failed("0317: C: | 0 | 1 | 3", h)},
      {&none, "C:abcd", "C abcd: " + failed("0317: C:abcd | 4 | 1 | 3", h)},
      {&none, "C:a:b", "C a:b: success"},  // only the first colon separates
      {&none, "a:12345678", "null 12345678: " + failed("0313: a:12345678 | a", h)},
      {&none, ":12345678", "null 12345678: " + failed("0310: :12345678", h)},
      {&none, "", "null : " + failed("0310: ", h)},
      {&d, "12345678", "D 12345678: success"},
      {&d, ":12345678", "D 12345678: success"},
      {&d, "123", "D 123: " + failed("0314: 123 | 3 | 8", hd)},
      {&d, "Z:12345678", "null 12345678: " + failed("0313: Z:12345678 | Z", hd)},
      {&optional, "Z:12345678", "null Z:12345678: success"},
      {&optional, "no colon", "null no colon: success"},
      {&optional, "A:1", "A 1: " + failed("0314: A:1 | 1 | 8", "0316: ")}};
  for (const auto& [checker, input, expected] : kCases)
    EXPECT_EQ(checked(*checker, input), expected) << input;
  // The advice lists every prefix of the set.
  EXPECT_EQ(Utf8(none.GetHAdviceWithPrefixesBldr()->Build()),
            "A value is typed as prefix:value, with one of these prefixes:\n" + kLines);
  ExpectFatalReport([] { ORVInputValuePrefix().GetValueLengthMini(); },
                    "ValueLengthMini must be greater or equal than 0",
                    "src/ORVInputValuePrefix.cpp");
}

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
