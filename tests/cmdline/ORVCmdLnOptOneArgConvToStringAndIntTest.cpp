// Tests of ORVCmdLnOptOneArgConvToStringAndInt: the split at the last separator, the
// number conversion and its two failures with the option's own usage as advice.
#include "ORVCmdLnOptOneArgConvToStringAndInt.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVString.h"

namespace {

class ORVCmdLnOptOneArgConvToStringAndIntTest : public CmdLnTest {
protected:
  // Converts iArgument given to -p with iSeparator; the text, the number (which starts
  // at -99) and the result code.
  long Convert(const char* iArgument, char iSeparator = ':') {
    _Analyzer.Reset();
    _Text = "unchanged";
    _Number = -99;
    EXPECT_EQ(Analyze(_Analyzer, {"-p", iArgument}), 0);
    return _Converter.Convert(iSeparator, _Text, _Number);
  }
  std::string Failure(const char* iArgument, const std::string& iDiagnostic) {
    return CmdLnTest::Failure("ORVCmdLnOptOneArgConvToStringAndInt.cpp",
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
  struct Case {
    const char* _Argument;
    const char* _Text;
    int _Number;
  };
  for (const Case& test : {Case{"name:12", "name", 12}, Case{"a:b:7", "a:b", 7}, Case{":5", "", 5},
                           Case{"x: 42", "x", 42}, Case{"x:+3", "x", 3},
                           Case{"x:-2147483648", "x", INT_MIN}, Case{"::0", ":", 0}}) {
    EXPECT_EQ(Convert(test._Argument), 0) << test._Argument;
    EXPECT_STREQ(_Text.GetChars(), test._Text) << test._Argument;
    EXPECT_EQ(_Number, test._Number) << test._Argument;
  }
  EXPECT_EQ(Convert("key=value=9", '='), 0);
  EXPECT_STREQ(_Text.GetChars(), "key=value");
  EXPECT_EQ(_Number, 9);
}

TEST_F(ORVCmdLnOptOneArgConvToStringAndIntTest, AValueWithoutSeparatorFailsWithTheWholeValue) {
  long code = Convert("name");
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code), Failure("name", "0018: name | :"));
  EXPECT_STREQ(_Text.GetChars(), "name");
  EXPECT_EQ(_Number, -99);
  // A NUL separator is never found in the characters.
  code = Convert("a:1", '\0');
  EXPECT_EQ(DescribeLastError(code), Failure("a:1", "0018: a:1 | "));
  EXPECT_STREQ(_Text.GetChars(), "a:1");
}

TEST_F(ORVCmdLnOptOneArgConvToStringAndIntTest, ABadNumberTextFailsWithThatText) {
  long code = Convert("name:");
  EXPECT_EQ(DescribeLastError(code), Failure("name:", "0015: "));
  EXPECT_STREQ(_Text.GetChars(), "name");
  EXPECT_EQ(_Number, -99);  // an empty number text changes nothing

  code = Convert("name:x");
  EXPECT_EQ(DescribeLastError(code), Failure("name:x", "0015: x"));
  EXPECT_STREQ(_Text.GetChars(), "name");
  EXPECT_EQ(_Number, 0);  // what the conversion read is stored

  code = Convert("name:12 ");
  EXPECT_EQ(DescribeLastError(code), Failure("name:12 ", "0015: 12 "));
  EXPECT_EQ(_Number, 12);

  // Beyond int, as the range error of a 32-bit long.
  code = Convert("n:2147483648");
  EXPECT_EQ(DescribeLastError(code), Failure("n:2147483648", "0015: 2147483648"));
  EXPECT_EQ(_Number, INT_MAX);
  code = Convert("n:-99999999999999999999");
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(_Number, INT_MIN);
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
