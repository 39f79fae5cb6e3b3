// Tests of the length managers: the bounds tables, values not given, the first
// offending element of a multi-argument option, and the fatal elements.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnOptMultiArgElementLengthMngr.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVCmdLnOptOneArgLengthMngr.h"
#include "ORVString.h"

namespace {

class ORVCmdLnLengthMngrTest : public CmdLnTest {
protected:
  // The result of -o iValue under a length manager of iMinimum to iMaximum.
  std::string OneArgResult(int iMinimum, int iMaximum, const std::vector<const char*>& iArguments) {
    ORVString value;
    ORVCmdLnAnalyzer analyzer("mk", TestMessage("USAGE"));
    ORVCmdLnOptOneArg option(analyzer, "-o|-out", ORVCmdLnOptOptional, TestMessage("NAME"), value,
                             1);
    ORVCmdLnOptOneArgLengthMngr length(analyzer, option, iMinimum, iMaximum);
    EXPECT_EQ(&length.GetCmdLnAnalyzer(), &analyzer);
    long code = Analyze(analyzer, iArguments);
    if (code == 0) return "success";
    std::string description = DescribeLastError(code);
    PEVError::PEVCleanLastError();
    return description;
  }
  static std::string LengthFailure(const char* iFile, const std::string& iValue,
                                   const std::string& iDiagnostic) {
    return std::string("type 1 in src/") + iFile + "; request ORVBC 0013: mk -o|-out \"" + iValue +
           "\"; diagnostic ORVBC " + iDiagnostic + "; advice CMDLNTEST NAME: -o|-out";
  }
};

}  // namespace

TEST_F(ORVCmdLnLengthMngrTest, AOneArgumentValueOutOfBoundsFailsByTheBounds) {
  const char* file = "ORVCmdLnOptOneArgLengthMngr.cpp";
  EXPECT_EQ(OneArgResult(3, 8, {"-o", "ab"}), LengthFailure(file, "ab", "0016: ab | 2 | 3 | 8"));
  EXPECT_EQ(OneArgResult(3, 8, {"-o", "abcdefghi"}),
            LengthFailure(file, "abcdefghi", "0016: abcdefghi | 9 | 3 | 8"));
  EXPECT_EQ(OneArgResult(4, 4, {"-o", "ab"}), LengthFailure(file, "ab", "0020: ab | 2 | 4"));
  EXPECT_EQ(OneArgResult(3, -1, {"-o", "ab"}), LengthFailure(file, "ab", "0019: ab | 2 | 3"));
  EXPECT_EQ(OneArgResult(1, 255, {"-o", ""}), LengthFailure(file, "", "0016:  | 0 | 1 | 255"));
  // Lengths count bytes of the 8-bit text: "é" is two.
  EXPECT_EQ(OneArgResult(0, 1, {"-o", "é"}), LengthFailure(file, "é", "0016: é | 2 | 0 | 1"));
}

TEST_F(ORVCmdLnLengthMngrTest, OneArgumentValuesWithinBoundsOrNotGivenPass) {
  EXPECT_EQ(OneArgResult(3, 8, {"-o", "abc"}), "success");
  EXPECT_EQ(OneArgResult(3, 8, {"-o", "abcdefgh"}), "success");
  EXPECT_EQ(OneArgResult(4, 4, {"-o", "abcd"}), "success");
  EXPECT_EQ(OneArgResult(3, -1, {"-o", std::string(10000, 'x').c_str()}), "success");
  EXPECT_EQ(OneArgResult(3, 8, {}), "success");
}

TEST_F(ORVCmdLnLengthMngrTest, AnOptionGivenWithoutItsValueIsNotLengthChecked) {
  // The option's own check reports the missing value; the manager passes.
  std::string result = OneArgResult(3, 8, {"-o"});
  EXPECT_NE(result.find("diagnostic ORVBC 0004: -o|-out"), std::string::npos) << result;
  ORVString value;
  ORVCmdLnAnalyzer analyzer("mk", TestMessage("USAGE"));
  ORVCmdLnOptOneArg option(analyzer, "-o", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), value,
                           1);
  ORVCmdLnOptOneArgLengthMngr length(analyzer, option, 3, 8);
  option.SetToDefined();
  EXPECT_EQ(length.Check(), 0);
}

TEST_F(ORVCmdLnLengthMngrTest, OnlyTheFirstOffendingElementIsReported) {
  ORVVector values(ORVDestroyElementsAtDelete);
  ORVCmdLnAnalyzer analyzer("mk", TestMessage("USAGE"));
  ORVCmdLnOptMultiArg option(analyzer, "-o|-out", ORVCmdLnOptOptional, TestMessage("NAME"), values,
                             0, -1, 0);
  ORVCmdLnOptMultiArgElementLengthMngr length(analyzer, option, 2, 3);
  EXPECT_EQ(length.Check(), 0);  // an empty set
  EXPECT_EQ(Analyze(analyzer, {"-o", "ab", "abc"}), 0);
  analyzer.Reset();
  values.Destroy();
  long code = Analyze(analyzer, {"-o", "abcd", "x", "y"});
  EXPECT_EQ(DescribeLastError(code), LengthFailure("ORVCmdLnOptMultiArgElementLengthMngr.cpp",
                                                   "abcd", "0016: abcd | 4 | 2 | 3"));
  ORVCmdLnAnalyzer exact("mk", TestMessage("USAGE"));
  ORVCmdLnOptMultiArg exactOption(exact, "-o|-out", ORVCmdLnOptOptional, TestMessage("NAME"),
                                  values, 0, -1, 0);
  ORVCmdLnOptMultiArgElementLengthMngr exactLength(exact, exactOption, 2, 2);
  ORVCmdLnOptMultiArgElementLengthMngr atLeast(exact, exactOption, 5, -1);
  values.Destroy();
  code = Analyze(exact, {"-o", "ab", "abc"});
  EXPECT_EQ(DescribeLastError(code),
            LengthFailure("ORVCmdLnOptMultiArgElementLengthMngr.cpp", "abc", "0020: abc | 3 | 2"));
  exact.Reset();
  values.Destroy();
  code = Analyze(exact, {"-o", "ab"});
  EXPECT_EQ(DescribeLastError(code),
            LengthFailure("ORVCmdLnOptMultiArgElementLengthMngr.cpp", "ab", "0019: ab | 2 | 5"));
}

TEST(ORVCmdLnLengthMngrDeathTest, ANullElementIsFatal) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        ORVVector values(ORVDoNothingAtDelete);
        ORVCmdLnAnalyzer analyzer("mk", ORVParamNLSMsgBldrRfHndlr());
        ORVCmdLnOptMultiArg option(analyzer, "-o", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                                   values, 0, -1, 0);
        ORVCmdLnOptMultiArgElementLengthMngr length(analyzer, option, 1, 3);
        ORVString good("ab");
        values.Add(&good, 1);
        values.Add(nullptr, 1);
        length.Check();
      },
      testing::ExitedWithCode(255),
      FatalReportPattern(
          "ORVCmdLnOptMultiArgElementLengthMngr::Check(): element 1 of the argument set is NULL",
          "src/ORVCmdLnOptMultiArgElementLengthMngr.cpp"));
}
