// Tests of the option kinds: what each takes, the failures of one argument too many and
// of too few, the bounds tables of the multi-argument option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"

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
  ORVCmdLnOptMultiArg option(analyzer, "-v|-value", ORVCmdLnOptOptional, kNoUsage, values, iMinimum,
                             iMaximum, 0);
  return Outcome(Analyze(analyzer, iArguments));
}

std::string MultiArgFailure(const std::string& iFragment, const std::string& iDiagnostic) {
  return "type 1 in src/ORVCmdLnOptMultiArg.cpp; request ORVBC 0013: mk -v|-value" + iFragment +
         "; diagnostic ORVBC " + iDiagnostic + "; advice CMDLNTEST USAGE: mk";
}

}  // namespace

TEST_F(ORVCmdLnOptKindsTest, ANoArgumentOptionRefusesAPlainArgument) {
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q|-quiet", ORVCmdLnOptOptional, kNoUsage);
  EXPECT_FALSE(quiet.AcceptsOneMoreArgument());
  EXPECT_FALSE(quiet.IsTheLastOption());
  long code = Analyze(_Analyzer, {"-quiet", "now"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptNoArg.cpp", "mk -q|-quiet \"now\"", "0003: -q|-quiet", _Advice));
  // The command's own no-argument option refuses with the command name.
  ORVCmdLnAnalyzer bare("mk", _Usage);
  ORVCmdLnOptNoArg none(bare, "|-n", ORVCmdLnOptOptional, kNoUsage);
  code = Analyze(bare, {"x"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptNoArg.cpp", "mk [-n] \"x\"", "0003: mk [-n]", _Advice));
}

TEST_F(ORVCmdLnOptKindsTest, AOneArgumentOptionKeepsItsFirstValueAndMayWantNone) {
  ORVString name("before"), level;
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, kNoUsage, name, 1);
  ORVCmdLnOptOneArg optional(_Analyzer, "-l", ORVCmdLnOptOptional, kNoUsage, level, 0);
  EXPECT_TRUE(option.AcceptsOneMoreArgument());
  EXPECT_FALSE(option.IsTheLastOption());
  long code = Analyze(_Analyzer, {"-n", "first", "-n", "second"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptOneArg.cpp", "mk -n \"second\"", "0009: -n", _Advice));
  EXPECT_STREQ(name.GetChars(), "first");
  EXPECT_TRUE(option.ArgumentIsAdded());
  EXPECT_FALSE(option.AcceptsOneMoreArgument());
  // A value that is not required may be missing; a required one fails the check.
  _Analyzer.Reset();
  EXPECT_EQ(Analyze(_Analyzer, {"-l"}), 0);
  EXPECT_TRUE(optional.IsDefined());
  EXPECT_FALSE(optional.ArgumentIsAdded());
  _Analyzer.Reset();
  code = Analyze(_Analyzer, {"-l", "-n"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptOneArg.cpp", "mk -n", "0004: -n", _Advice));
}

TEST_F(ORVCmdLnOptKindsTest, MultiArgumentBoundsDecideTheFailures) {
  // One value too many fails at once; too few fail the check; within the bounds, or not
  // given at all, no check fails; without bounds any number is taken.
  const std::pair<std::string, std::string> kResults[] = {
      {MultiArgResult(1, 1, {"-v", "a", "b"}), MultiArgFailure(" \"b\"", "0009: -v|-value")},
      {MultiArgResult(2, 2, {"-v", "a", "b", "c"}),
       MultiArgFailure(" \"c\"", "0010: -v|-value | 2")},
      {MultiArgResult(0, 0, {"-v", "a"}), MultiArgFailure(" \"a\"", "0010: -v|-value | 0")},
      {MultiArgResult(1, 3, {"-v", "a", "b", "c", "d"}),
       MultiArgFailure(" \"d\"", "0011: -v|-value | 1 | 3")},
      {MultiArgResult(0, 2, {"-v", "a", "b", "c"}),
       MultiArgFailure(" \"c\"", "0012: -v|-value | 2")},
      {MultiArgResult(-5, 1, {"-v", "a", "b"}), MultiArgFailure(" \"b\"", "0012: -v|-value | 1")},
      {MultiArgResult(1, 1, {"-v"}), MultiArgFailure("", "0004: -v|-value")},
      {MultiArgResult(2, 2, {"-v", "a"}), MultiArgFailure("", "0005: -v|-value | 2")},
      {MultiArgResult(2, 5, {"-v", "a"}), MultiArgFailure("", "0006: -v|-value | 2 | 5")},
      {MultiArgResult(3, -1, {"-value", "a", "b"}), MultiArgFailure("", "0007: -v|-value | 3")},
      {MultiArgResult(2, 2, {"-v", "a", "b"}), "success"},
      {MultiArgResult(3, -1, {}), "success"},
      {MultiArgResult(0, 2, {"-v"}), "success"},
      {MultiArgResult(0, -1, {"-v"}), "success"},
      {MultiArgResult(-1, -1, {"-v", "a"}), "success"},
  };
  for (const auto& result : kResults)
    EXPECT_EQ(result.first, result.second);
  std::vector<std::string> texts;
  std::vector<const char*> arguments = {"-v"};
  for (int index = 0; index < 1000; ++index)
    texts.push_back(std::to_string(index));
  for (const std::string& text : texts)
    arguments.push_back(text.c_str());
  EXPECT_EQ(MultiArgResult(0, -1, arguments), "success");
}

TEST_F(ORVCmdLnOptKindsTest, TheCommandsMultiArgumentOptionFailsWithTheCommandName) {
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, kNoUsage, _Values, 2, 3, 0);
  long code = Analyze(_Analyzer, {"a"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptMultiArg.cpp", "mk", "0006: mk | 2 | 3", _Advice));
  _Analyzer.Reset();
  _Values.Destroy();
  code = Analyze(_Analyzer, {"a", "b", "c", "d"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptMultiArg.cpp", "mk \"d\"", "0011: mk | 2 | 3", _Advice));
  // Added directly, a value beyond the maximum fails too.
  EXPECT_EQ(command.AddArgument("e"), PEV_E_FAIL);
  EXPECT_EQ(command.GetCount(), 3);
}
