// Tests of the prefixed-value checker: every outcome of prefixes A (exactly 8) and
// B (at least 2) with and without default prefix or optional prefix, the advice that
// lists the prefixes, and the prefix's unset minimum.
#include "ORVInputPrefixedValueChecker.h"

#include <gtest/gtest.h>

#include <string>

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
  ORVInputPrefixedValueCheckerTest() : _Prefixes(ORVDoNothingAtDelete) {
    _Prefixes.Append(&_A);
    _Prefixes.Append(&_B);
    _Prefixes.Append(&_C);
  }

  // "prefix <code or null>, value <value>: <outcome>".
  static std::string Checked(ORVInputPrefixedValueChecker& iChecker, const char* iInput) {
    const ORVInputValuePrefix* prefix = &_Unset;
    ORVString value("before");
    long code = iChecker.Check(iInput, prefix, value, TestMessage("REQUEST"));
    return std::string("prefix ") + (prefix ? prefix->GetCode().GetChars() : "null") + ", value " +
           value.GetChars() + ": " + Outcome(code);
  }
  static std::string Failed(const std::string& iPrefix, const std::string& iValue,
                            const std::string& iDiagnostic, const std::string& iAdviceHead) {
    return "prefix " + iPrefix + ", value " + iValue +
           ": type 1 in src/ORVInputPrefixedValueChecker.cpp; request CMDLNTEST REQUEST; "
           "diagnostic ORVBC " +
           iDiagnostic + "; advice ORVBC " + iAdviceHead + kLines;
  }

  static inline const std::string kLines =
      "A: Account, 8 characters\nB: Branch, at least 2 characters\nC: Code, from 1 to 3 "
      "characters\n";
  static inline ORVInputValuePrefix _Unset;
  ORVInputValuePrefix _A{"A", Name("Account"), 8, 8};
  ORVInputValuePrefix _B{"B", Name("Branch"), 2, -1};
  ORVInputValuePrefix _C{"C", Name("Code"), 1, 3};
  ORVVector _Prefixes;
};

}  // namespace

TEST_F(ORVInputPrefixedValueCheckerTest, WithoutDefaultEveryValueNeedsAKnownPrefix) {
  ORVInputPrefixedValueChecker checker(_Prefixes, 0u);
  struct Case {
    std::string _Input;
    std::string _Expected;
  } cases[] = {
      {"A:12345678", "prefix A, value 12345678: success"},
      {"A:abc", Failed("A", "abc", "0314: A:abc | 3 | 8", "0311: ")},
      {"A:123456789", Failed("A", "123456789", "0314: A:123456789 | 9 | 8", "0311: ")},
      {"B:x", Failed("B", "x", "0320: B:x | 1 | 2", "0311: ")},
      {"B:" + std::string(5000, 'y'), "prefix B, value " + std::string(5000, 'y') + ": success"},
      {"C:", Failed("C", "", "0317: C: | 0 | 1 | 3", "0311: ")},
      {"C:abcd", Failed("C", "abcd", "0317: C:abcd | 4 | 1 | 3", "0311: ")},
      {"C:a:b", "prefix C, value a:b: success"},  // only the first colon separates
      {"Z:12345678", Failed("null", "12345678", "0313: Z:12345678 | Z", "0311: ")},
      {"a:12345678", Failed("null", "12345678", "0313: a:12345678 | a", "0311: ")},
      {"12345678", Failed("null", "12345678", "0310: 12345678", "0311: ")},
      {":12345678", Failed("null", "12345678", "0310: :12345678", "0311: ")},
      {"", Failed("null", "", "0310: ", "0311: ")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Checked(checker, c._Input.c_str()), c._Expected);
  EXPECT_EQ(Checked(checker, nullptr), Failed("null", "", "0310: ", "0311: "));
}

TEST_F(ORVInputPrefixedValueCheckerTest, ADefaultPrefixTakesValuesTypedWithoutOne) {
  // The default prefix need not be in the set.
  ORVInputValuePrefix outside("D", Name("Default"), 8, 8);
  for (const ORVInputValuePrefix* preset : {&_A, &outside}) {
    ORVInputPrefixedValueChecker checker(_Prefixes, *preset);
    std::string code = preset->GetCode().GetChars();
    std::string head = "0315: " + code + " | ";
    EXPECT_EQ(Checked(checker, "12345678"), "prefix " + code + ", value 12345678: success");
    EXPECT_EQ(Checked(checker, ":12345678"), "prefix " + code + ", value 12345678: success");
    EXPECT_EQ(Checked(checker, "123"), Failed(code, "123", "0314: 123 | 3 | 8", head));
    EXPECT_EQ(Checked(checker, "Z:12345678"),
              Failed("null", "12345678", "0313: Z:12345678 | Z", head));
    EXPECT_EQ(Checked(checker, "B:xy"), "prefix B, value xy: success");
  }
}

TEST_F(ORVInputPrefixedValueCheckerTest, AnOptionalPrefixTakesAnyOtherInputWhole) {
  ORVInputPrefixedValueChecker checker(_Prefixes, 1u);
  EXPECT_EQ(Checked(checker, "Z:12345678"), "prefix null, value Z:12345678: success");
  EXPECT_EQ(Checked(checker, "no colon"), "prefix null, value no colon: success");
  EXPECT_EQ(Checked(checker, ":x"), "prefix null, value :x: success");
  EXPECT_EQ(Checked(checker, "A:1"), Failed("A", "1", "0314: A:1 | 1 | 8", "0316: "));
}

TEST_F(ORVInputPrefixedValueCheckerTest, TheAdviceListsThePrefixesInEnglish) {
  ORVInputPrefixedValueChecker checker(_Prefixes, _A);
  EXPECT_EQ(Utf8(checker.GetHAdviceWithPrefixesBldr()->Build()),
            "A value is typed as prefix:value, or without prefix for the prefix A, with one of "
            "these prefixes:\n" +
                kLines);
}

TEST_F(ORVInputPrefixedValueCheckerTest, APrefixWithoutMinimumOrNameIsFatal) {
  const char* file = "src/ORVInputValuePrefix.cpp";
  ExpectFatalReport([] { ORVInputValuePrefix().GetValueLengthMini(); },
                    "ValueLengthMini must be greater or equal than 0", file);
  ExpectFatalReport([] { ORVInputValuePrefix().SetValueLengthMini(-1); },
                    "ValueLengthMini must be greater or equal than 0", file);
  ExpectFatalReport(
      [this] {
        ORVInputValuePrefix nameless("N", ORVNLSMsgBldrRfHndlr(), 1, 1);
        _Prefixes.Append(&nameless);
        ORVInputPrefixedValueChecker(_Prefixes, 0u).GetHAdviceWithPrefixesBldr();
      },
      "xxxRfHndlr::operator->(): Pointer == NULL", "src/ORVRefHandler.cpp");
}
