// Tests of the option kinds: what each takes, the failures of one argument too many and
// of too few, the bounds tables of the multi-argument option, and Reset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVString.h"

namespace {

class ORVCmdLnOptKindsTest : public CmdLnTest {
protected:
  ORVParamNLSMsgBldrCtlgRfHndlr _Usage = TestMessage("USAGE");
  ORVCmdLnAnalyzer _Analyzer{"mk", _Usage};
  const std::string _Advice = "CMDLNTEST USAGE: mk";
  ORVVector _Values{ORVDestroyElementsAtDelete};
};

// The last error of one analysis of iArguments by a fresh command mk whose only option
// is -v with the given bounds; "success" when it succeeds.
std::string MultiArgResult(int iMinimum, int iMaximum, const std::vector<const char*>& iArguments) {
  ORVVector values(ORVDestroyElementsAtDelete);
  ORVCmdLnAnalyzer analyzer("mk", TestMessage("USAGE"));
  ORVCmdLnOptMultiArg option(analyzer, "-v|-value", ORVCmdLnOptOptional,
                             ORVParamNLSMsgBldrRfHndlr(), values, iMinimum, iMaximum, 0);
  long code = Analyze(analyzer, iArguments);
  if (code == 0) return "success";
  std::string description = DescribeLastError(code);
  PEVError::PEVCleanLastError();
  return description;
}

std::string MultiArgFailure(const std::string& iFragment, const std::string& iDiagnostic) {
  return "type 1 in src/ORVCmdLnOptMultiArg.cpp; request ORVBC 0013: mk -v|-value" + iFragment +
         "; diagnostic ORVBC " + iDiagnostic + "; advice CMDLNTEST USAGE: mk";
}

}  // namespace

TEST_F(ORVCmdLnOptKindsTest, ANoArgumentOptionRefusesAPlainArgument) {
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q|-quiet", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  EXPECT_FALSE(quiet.AcceptsOneMoreArgument());
  EXPECT_FALSE(quiet.IsTheLastOption());
  long code = Analyze(_Analyzer, {"-quiet", "now"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptNoArg.cpp", "mk -q|-quiet \"now\"", "0003: -q|-quiet", _Advice));

  // With an option for the command's arguments, the argument goes there.
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                              _Values, 0, -1, 0);
  _Analyzer.Reset();
  EXPECT_EQ(Analyze(_Analyzer, {"-quiet", "now"}), 0);
  EXPECT_EQ(_Values.Size(), 1);
  // The command's own no-argument option refuses with the command name.
  ORVCmdLnAnalyzer bare("mk", _Usage);
  ORVCmdLnOptNoArg none(bare, "|-n", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  code = Analyze(bare, {"x"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptNoArg.cpp", "mk [-n] \"x\"", "0003: mk [-n]", _Advice));
}

TEST_F(ORVCmdLnOptKindsTest, AOneArgumentOptionKeepsItsFirstValue) {
  ORVString name("before");
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), name,
                           1);
  EXPECT_TRUE(option.AcceptsOneMoreArgument());
  EXPECT_FALSE(option.IsTheLastOption());
  long code = Analyze(_Analyzer, {"-n", "first", "-n", "second"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptOneArg.cpp", "mk -n \"second\"", "0009: -n", _Advice));
  EXPECT_STREQ(name.GetChars(), "first");
  EXPECT_EQ(&option.GetArgument(), &name);
  EXPECT_TRUE(option.ArgumentIsAdded());
  EXPECT_FALSE(option.AcceptsOneMoreArgument());
}

TEST_F(ORVCmdLnOptKindsTest, AOneArgumentOptionWithoutItsRequiredValueFailsItsCheck) {
  ORVString name;
  ORVString level;
  ORVCmdLnOptOneArg required(_Analyzer, "-n", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                             name, 1);
  ORVCmdLnOptOneArg optional(_Analyzer, "-l", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                             level, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"-l"}), 0);
  EXPECT_TRUE(optional.IsDefined());
  EXPECT_FALSE(optional.ArgumentIsAdded());
  _Analyzer.Reset();
  long code = Analyze(_Analyzer, {"-l", "-n"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptOneArg.cpp", "mk -n", "0004: -n", _Advice));
  // A mandatory option not given reports the missing option, not the missing value.
  ORVCmdLnAnalyzer other("mk", _Usage);
  ORVCmdLnOptOneArg mandatory(other, "-m", ORVCmdLnOptMandatory, ORVParamNLSMsgBldrRfHndlr(), name,
                              1);
  code = Analyze(other, {});
  EXPECT_EQ(DescribeLastError(code), Failure("ORVCmdLnOpt.cpp", "mk -m", "0002: -m", _Advice));
}

TEST_F(ORVCmdLnOptKindsTest, OneArgumentResetForgetsTheValueButLeavesTheString) {
  ORVString name;
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), name,
                           1);
  EXPECT_EQ(Analyze(_Analyzer, {"-n", "a"}), 0);
  option.Reset();
  EXPECT_FALSE(option.IsDefined());
  EXPECT_FALSE(option.ArgumentIsAdded());
  EXPECT_STREQ(name.GetChars(), "a");
  EXPECT_EQ(option.AddArgument("b"), 0);
  EXPECT_STREQ(name.GetChars(), "b");
}

TEST_F(ORVCmdLnOptKindsTest, MultiArgumentAddsNewStringsUpToItsMaximum) {
  ORVCmdLnOptMultiArg option(_Analyzer, "-v", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                             _Values, 0, 2, 0);
  EXPECT_EQ(&option.GetArgumentSet(), &_Values);
  EXPECT_EQ(option.AddArgument("a"), 0);
  EXPECT_EQ(option.AddArgument("b"), 0);
  EXPECT_FALSE(option.AcceptsOneMoreArgument());
  EXPECT_EQ(option.AddArgument("c"), PEV_E_FAIL);
  ASSERT_EQ(_Values.Size(), 2);
  EXPECT_STREQ(ORVCheckedCast<ORVString>(_Values[1])->GetChars(), "b");
  EXPECT_EQ(option.GetCount(), 2);
  option.Reset();
  EXPECT_EQ(option.GetCount(), 0);
  EXPECT_EQ(_Values.Size(), 2);
  EXPECT_TRUE(option.AcceptsOneMoreArgument());
}

TEST_F(ORVCmdLnOptKindsTest, OneValueTooManyFailsAtOnceByTheBounds) {
  EXPECT_EQ(MultiArgResult(1, 1, {"-v", "a", "b"}), MultiArgFailure(" \"b\"", "0009: -v|-value"));
  EXPECT_EQ(MultiArgResult(2, 2, {"-v", "a", "b", "c"}),
            MultiArgFailure(" \"c\"", "0010: -v|-value | 2"));
  EXPECT_EQ(MultiArgResult(0, 0, {"-v", "a"}), MultiArgFailure(" \"a\"", "0010: -v|-value | 0"));
  EXPECT_EQ(MultiArgResult(1, 3, {"-v", "a", "b", "c", "d"}),
            MultiArgFailure(" \"d\"", "0011: -v|-value | 1 | 3"));
  EXPECT_EQ(MultiArgResult(0, 2, {"-v", "a", "b", "c"}),
            MultiArgFailure(" \"c\"", "0012: -v|-value | 2"));
  EXPECT_EQ(MultiArgResult(-5, 1, {"-v", "a", "b"}),
            MultiArgFailure(" \"b\"", "0012: -v|-value | 1"));
}

TEST_F(ORVCmdLnOptKindsTest, TooFewValuesFailTheCheckByTheBounds) {
  EXPECT_EQ(MultiArgResult(1, 1, {"-v"}), MultiArgFailure("", "0004: -v|-value"));
  EXPECT_EQ(MultiArgResult(2, 2, {"-v", "a"}), MultiArgFailure("", "0005: -v|-value | 2"));
  EXPECT_EQ(MultiArgResult(2, 5, {"-v", "a"}), MultiArgFailure("", "0006: -v|-value | 2 | 5"));
  EXPECT_EQ(MultiArgResult(3, -1, {"-value", "a", "b"}),
            MultiArgFailure("", "0007: -v|-value | 3"));
  // Within the bounds, or not given at all: no check fails.
  EXPECT_EQ(MultiArgResult(2, 2, {"-v", "a", "b"}), "success");
  EXPECT_EQ(MultiArgResult(3, -1, {}), "success");
  EXPECT_EQ(MultiArgResult(0, 2, {"-v"}), "success");
}

TEST_F(ORVCmdLnOptKindsTest, NoBoundsTakeAnyNumberOfValues) {
  std::vector<std::string> texts;
  std::vector<const char*> arguments = {"-v"};
  for (int index = 0; index < 1000; ++index)
    texts.push_back(std::to_string(index));
  for (const std::string& text : texts)
    arguments.push_back(text.c_str());
  EXPECT_EQ(MultiArgResult(0, -1, arguments), "success");
  EXPECT_EQ(MultiArgResult(0, -1, {"-v"}), "success");
  EXPECT_EQ(MultiArgResult(-1, -1, {"-v", "a"}), "success");
}

TEST_F(ORVCmdLnOptKindsTest, TheCommandsMultiArgumentOptionFailsWithTheCommandName) {
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                              _Values, 2, 3, 0);
  long code = Analyze(_Analyzer, {"a"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptMultiArg.cpp", "mk", "0006: mk | 2 | 3", _Advice));
  _Analyzer.Reset();
  _Values.Destroy();
  code = Analyze(_Analyzer, {"a", "b", "c", "d"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptMultiArg.cpp", "mk \"d\"", "0011: mk | 2 | 3", _Advice));
}
