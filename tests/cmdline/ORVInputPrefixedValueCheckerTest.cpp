// Tests of the prefixed-value checker with prefixes A (exactly 8), B (at least 2) and
// C (1 to 3): every outcome without default prefix, with one, with optional prefixes.
#include "ORVInputPrefixedValueChecker.h"

#include <gtest/gtest.h>

#include "CmdLnTestSupport.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVVector.h"

namespace {

ORVNLSMsgBldrRfHndlr Name(const char* iText) {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, "CAT", "KEY"));
  return builder;
}

class ORVInputPrefixedValueCheckerTest : public CmdLnTest {
protected:
  void SetUp() override {
    CmdLnTest::SetUp();
    for (ORVInputValuePrefix* prefix : {&_A, &_B, &_C})
      _Prefixes.Append(prefix);
  }
  // "<prefix or null> <value>: <outcome>"; a failure's advice is given by its head only.
  static std::string Checked(ORVInputPrefixedValueChecker& iChecker, const std::string& iInput) {
    const ORVInputValuePrefix* prefix = &_Unset;
    ORVString value("before");
    std::string outcome = Outcome(iChecker.Check(iInput.c_str(), prefix, value, TestMessage("R")));
    std::size_t lines = outcome.find(kLines);
    if (lines != std::string::npos) outcome.erase(lines);
    return (prefix ? prefix->GetCode().GetChars() : "null") + std::string(" ") + value.GetChars() +
           ": " + outcome;
  }
  static std::string Failed(const std::string& iDiagnostic, const std::string& iHead) {
    return "type 1 in src/ORVInputPrefixedValueChecker.cpp; request CMDLNTEST R; diagnostic "
           "ORVBC " +
           iDiagnostic + "; advice ORVBC " + iHead;
  }

  static inline const std::string kLines =
      "A: Account, 8 characters\nB: Branch, at least 2 characters\nC: Code, from 1 to 3 "
      "characters\n";
  static inline ORVInputValuePrefix _Unset;
  ORVInputValuePrefix _A{"A", Name("Account"), 8, 8}, _B{"B", Name("Branch"), 2, -1},
      _C{"C", Name("Code"), 1, 3};
  ORVVector _Prefixes{ORVDoNothingAtDelete};
};

}  // namespace

TEST_F(ORVInputPrefixedValueCheckerTest, WithoutDefaultEveryValueNeedsAKnownPrefix) {
  ORVInputPrefixedValueChecker checker(_Prefixes, 0u);
  std::string head = "0311: ";
  std::pair<std::string, std::string> cases[] = {
      {"A:12345678", "A 12345678: success"},
      {"A:abc", "A abc: " + Failed("0314: A:abc | 3 | 8", head)},
      {"A:123456789", "A 123456789: " + Failed("0314: A:123456789 | 9 | 8", head)},
      {"B:x", "B x: " + Failed("0320: B:x | 1 | 2", head)},
      {"B:" + std::string(5000, 'y'), "B " + std::string(5000, 'y') + ": success"},
      {"C:", "C : " + Failed("0317: C: | 0 | 1 | 3", head)},
      {"C:abcd", "C abcd: " + Failed("0317: C:abcd | 4 | 1 | 3", head)},
      {"C:a:b", "C a:b: success"},  // only the first colon separates
      {"a:12345678", "null 12345678: " + Failed("0313: a:12345678 | a", head)},
      {"12345678", "null 12345678: " + Failed("0310: 12345678", head)},
      {":12345678", "null 12345678: " + Failed("0310: :12345678", head)},
      {"", "null : " + Failed("0310: ", head)}};
  for (const auto& [input, expected] : cases)
    EXPECT_EQ(Checked(checker, input), expected);
  // The advice lists every prefix of the set.
  EXPECT_EQ(Utf8(checker.GetHAdviceWithPrefixesBldr()->Build()),
            "A value is typed as prefix:value, with one of these prefixes:\n" + kLines);
}

TEST_F(ORVInputPrefixedValueCheckerTest, ADefaultOrOptionalPrefixTakesValuesWithoutOne) {
  ORVInputValuePrefix outside("D", Name("Default"), 8, 8);  // need not be in the set
  for (const ORVInputValuePrefix* preset : {&_A, &outside}) {
    ORVInputPrefixedValueChecker checker(_Prefixes, *preset);
    std::string code = preset->GetCode().GetChars(), head = "0315: " + code + " | ";
    EXPECT_EQ(Checked(checker, "12345678"), code + " 12345678: success");
    EXPECT_EQ(Checked(checker, ":12345678"), code + " 12345678: success");
    EXPECT_EQ(Checked(checker, "123"), code + " 123: " + Failed("0314: 123 | 3 | 8", head));
    EXPECT_EQ(Checked(checker, "Z:12345678"),
              "null 12345678: " + Failed("0313: Z:12345678 | Z", head));
  }
  ORVInputPrefixedValueChecker optional(_Prefixes, 1u);
  EXPECT_EQ(Checked(optional, "Z:12345678"), "null Z:12345678: success");
  EXPECT_EQ(Checked(optional, "no colon"), "null no colon: success");
  EXPECT_EQ(Checked(optional, ":x"), "null :x: success");
  EXPECT_EQ(Checked(optional, "A:1"), "A 1: " + Failed("0314: A:1 | 1 | 8", "0316: "));
}

TEST_F(ORVInputPrefixedValueCheckerTest, APrefixWithoutMinimumIsFatal) {
  ExpectFatalReport([] { ORVInputValuePrefix().GetValueLengthMini(); },
                    "ValueLengthMini must be greater or equal than 0",
                    "src/ORVInputValuePrefix.cpp");
}
