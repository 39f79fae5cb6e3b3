// Tests of ORVCmdLnOptOneArgConvToStringAndInt: the split at the last separator, the
// number conversion and its two failures with the option's own usage as advice.
#include "ORVCmdLnOptOneArgConvToStringAndInt.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptOneArg.h"

namespace {

class ORVCmdLnOptOneArgConvToStringAndIntTest : public CmdLnTest {
protected:
  // Converts iArgument given to -p with iSeparator: the result code, the description of
  // its failure if any, then the text and the number (which starts at -99).
  std::string Convert(const char* iArgument, char iSeparator = ':') {
    _Analyzer.Reset();
    _Text = "unchanged";
    _Number = -99;
    EXPECT_EQ(Analyze(_Analyzer, {"-p", iArgument}), 0);
    long code = _Converter.Convert(iSeparator, _Text, _Number);
    std::string result = code == 0 ? "0" : std::to_string(code) + " " + DescribeLastError(code);
    return result + " [" + _Text.GetChars() + "] " + std::to_string(_Number);
  }
  std::string Failure(const char* iArgument, const std::string& iDiagnostic) {
    return std::to_string(PEV_E_FAIL) + " " +
           CmdLnTest::Failure("ORVCmdLnOptOneArgConvToStringAndInt.cpp",
                              std::string("mk -p \"") + iArgument + "\"", iDiagnostic,
                              "CMDLNTEST NAME: -p");
  }

  ORVCmdLnAnalyzer _Analyzer{"mk", TestMessage("USAGE")};
  ORVString _Argument;
  ORVCmdLnOptOneArg _Option{_Analyzer,           "-p",      ORVCmdLnOptOptional,
                            TestMessage("NAME"), _Argument, 1};
  ORVCmdLnOptOneArgConvToStringAndInt _Converter{_Option};
  ORVString _Text;
  int _Number = 0;
};

}  // namespace

TEST_F(ORVCmdLnOptOneArgConvToStringAndIntTest, SplitsAtTheLastSeparator) {
  EXPECT_EQ(Convert("name:12"), "0 [name] 12");
  EXPECT_EQ(Convert("a:b:7"), "0 [a:b] 7");
  EXPECT_EQ(Convert(":5"), "0 [] 5");
  EXPECT_EQ(Convert("x: 42"), "0 [x] 42");
  EXPECT_EQ(Convert("x:+3"), "0 [x] 3");
  EXPECT_EQ(Convert("x:-2147483648"), "0 [x] " + std::to_string(INT_MIN));
  EXPECT_EQ(Convert("::0"), "0 [:] 0");
  EXPECT_EQ(Convert("key=value=9", '='), "0 [key=value] 9");
}

TEST_F(ORVCmdLnOptOneArgConvToStringAndIntTest, AValueWithoutSeparatorFailsWithTheWholeValue) {
  EXPECT_EQ(Convert("name"), Failure("name", "0018: name | :") + " [name] -99");
  // A NUL separator is never found in the characters.
  EXPECT_EQ(Convert("a:1", '\0'), Failure("a:1", "0018: a:1 | ") + " [a:1] -99");
}

TEST_F(ORVCmdLnOptOneArgConvToStringAndIntTest, ABadNumberTextFailsWithThatText) {
  // An empty number text changes nothing; otherwise what the conversion read is stored.
  EXPECT_EQ(Convert("name:"), Failure("name:", "0015: ") + " [name] -99");
  EXPECT_EQ(Convert("name:x"), Failure("name:x", "0015: x") + " [name] 0");
  EXPECT_EQ(Convert("name:12 "), Failure("name:12 ", "0015: 12 ") + " [name] 12");
  // Beyond int, as the range error of a 32-bit long.
  EXPECT_EQ(Convert("n:2147483648"),
            Failure("n:2147483648", "0015: 2147483648") + " [n] " + std::to_string(INT_MAX));
  EXPECT_EQ(Convert("n:-99999999999999999999"),
            Failure("n:-99999999999999999999", "0015: -99999999999999999999") + " [n] " +
                std::to_string(INT_MIN));
}

TEST_F(ORVCmdLnOptOneArgConvToStringAndIntTest, TheTextMayBeTheOptionsOwnString) {
  Convert("left:right:3");
  EXPECT_EQ(_Converter.Convert(':', _Argument, _Number), 0);
  EXPECT_STREQ(_Argument.GetChars(), "left:right");
  EXPECT_EQ(_Number, 3);
  _Argument = "plain";
  EXPECT_EQ(_Converter.Convert(':', _Argument, _Number), PEV_E_FAIL);
  EXPECT_STREQ(_Argument.GetChars(), "plain");
}
