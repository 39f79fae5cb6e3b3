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

namespace {

const char kOneArgFile[] = "ORVCmdLnOptOneArgLengthMngr.cpp";
const char kElementFile[] = "ORVCmdLnOptMultiArgElementLengthMngr.cpp";

class ORVCmdLnLengthMngrTest : public CmdLnTest {
protected:
  // The result of iArguments under a length manager of iMinimum to iMaximum for -o|-out,
  // a one-argument option, or a multi-argument one with its element length manager.
  std::string Result(bool iMulti, int iMinimum, int iMaximum,
                     const std::vector<const char*>& iArguments) {
    ORVString value;
    ORVVector values(ORVDestroyElementsAtDelete);
    ORVCmdLnAnalyzer analyzer("mk", TestMessage("USAGE"));
    ORVCmdLnOptOneArg one(analyzer, iMulti ? "-x" : "-o|-out", ORVCmdLnOptOptional,
                          TestMessage("NAME"), value, 1);
    ORVCmdLnOptMultiArg multi(analyzer, iMulti ? "-o|-out" : "-y", ORVCmdLnOptOptional,
                              TestMessage("NAME"), values, 0, -1, 0);
    ORVCmdLnOptOneArgLengthMngr oneLength(analyzer, one, iMulti ? 0 : iMinimum,
                                          iMulti ? -1 : iMaximum);
    ORVCmdLnOptMultiArgElementLengthMngr multiLength(analyzer, multi, iMulti ? iMinimum : 0,
                                                     iMulti ? iMaximum : -1);
    return Outcome(Analyze(analyzer, iArguments));
  }
  static std::string LengthFailure(const char* iFile, const std::string& iValue,
                                   const std::string& iDiagnostic) {
    return Failure(iFile, "mk -o|-out \"" + iValue + "\"", iDiagnostic, "CMDLNTEST NAME: -o|-out");
  }
};

}  // namespace

TEST_F(ORVCmdLnLengthMngrTest, AOneArgumentValueOutOfBoundsFailsByTheBounds) {
  const char* file = kOneArgFile;
  EXPECT_EQ(Result(false, 3, 8, {"-o", "ab"}), LengthFailure(file, "ab", "0016: ab | 2 | 3 | 8"));
  EXPECT_EQ(Result(false, 3, 8, {"-o", "abcdefghi"}),
            LengthFailure(file, "abcdefghi", "0016: abcdefghi | 9 | 3 | 8"));
  EXPECT_EQ(Result(false, 4, 4, {"-o", "ab"}), LengthFailure(file, "ab", "0020: ab | 2 | 4"));
  EXPECT_EQ(Result(false, 3, -1, {"-o", "ab"}), LengthFailure(file, "ab", "0019: ab | 2 | 3"));
  EXPECT_EQ(Result(false, 1, 255, {"-o", ""}), LengthFailure(file, "", "0016:  | 0 | 1 | 255"));
  // Lengths count bytes of the 8-bit text: "é" is two.
  EXPECT_EQ(Result(false, 0, 1, {"-o", "é"}), LengthFailure(file, "é", "0016: é | 2 | 0 | 1"));
  // Within the bounds, or not given, values pass.
  EXPECT_EQ(Result(false, 3, 8, {"-o", "abc"}), "success");
  EXPECT_EQ(Result(false, 3, 8, {"-o", "abcdefgh"}), "success");
  EXPECT_EQ(Result(false, 4, 4, {"-o", "abcd"}), "success");
  EXPECT_EQ(Result(false, 3, -1, {"-o", std::string(10000, 'x').c_str()}), "success");
  EXPECT_EQ(Result(false, 3, 8, {}), "success");
}

TEST_F(ORVCmdLnLengthMngrTest, AnOptionGivenWithoutItsValueIsNotLengthChecked) {
  // The option's own check reports the missing value; the manager passes.
  std::string result = Result(false, 3, 8, {"-o"});
  EXPECT_NE(result.find("diagnostic ORVBC 0004: -o|-out"), std::string::npos) << result;
  ORVString value;
  ORVCmdLnAnalyzer analyzer("mk", TestMessage("USAGE"));
  ORVCmdLnOptOneArg option(analyzer, "-o", ORVCmdLnOptOptional, kNoUsage, value, 1);
  ORVCmdLnOptOneArgLengthMngr length(analyzer, option, 3, 8);
  option.SetToDefined();
  EXPECT_EQ(length.Check(), 0);
}

TEST_F(ORVCmdLnLengthMngrTest, OnlyTheFirstOffendingElementIsReported) {
  EXPECT_EQ(Result(true, 2, 3, {}), "success");
  EXPECT_EQ(Result(true, 2, 3, {"-o", "ab", "abc"}), "success");
  EXPECT_EQ(Result(true, 2, 3, {"-o", "abcd", "x", "y"}),
            LengthFailure(kElementFile, "abcd", "0016: abcd | 4 | 2 | 3"));
  EXPECT_EQ(Result(true, 2, 2, {"-o", "ab", "abc"}),
            LengthFailure(kElementFile, "abc", "0020: abc | 3 | 2"));
  EXPECT_EQ(Result(true, 5, -1, {"-o", "abcdef", "ab"}),
            LengthFailure(kElementFile, "ab", "0019: ab | 2 | 5"));
}

TEST(ORVCmdLnLengthMngrDeathTest, ANullElementIsFatal) {
  ExpectFatal(
      [] {
        ORVVector values(ORVDoNothingAtDelete);
        ORVCmdLnAnalyzer analyzer("mk", kNoUsage);
        ORVCmdLnOptMultiArg option(analyzer, "-o", ORVCmdLnOptOptional, kNoUsage, values, 0, -1, 0);
        ORVCmdLnOptMultiArgElementLengthMngr length(analyzer, option, 1, 3);
        ORVString good("ab");
        values.Add(&good, 1);
        values.Add(nullptr, 1);
        length.Check();
      },
      "ORVCmdLnOptMultiArgElementLengthMngr::Check(): element 1 of the argument set is NULL",
      "src/ORVCmdLnOptMultiArgElementLengthMngr.cpp");
}
