// Tests of ORVCmdLnHelpMngr: the help option and its names, the composed help text, the
// help result as an information error (shown on a terminal by the cmpfiles tool tests).
#include "ORVCmdLnHelpMngr.h"

#include <gtest/gtest.h>

#include <string>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVError.h"

namespace {

const char kHelpWithExplanation[] =
    "Usage: mk -n <name> [-h|-help|-?]\n"
    "-n|-name <name>\n"
    "    the name\n"
    "-q\n"
    "    says nothing\n"
    "-h|-help|-?\n"
    "    Shows this help and stops.\n"
    "\n"
    "Explains mk.\n"
    "On two lines.\n";

class ORVCmdLnHelpMngrTest : public CmdLnTest {
protected:
  ORVParamNLSMsgBldrCtlgRfHndlr _Usage = TestMessage("USAGEHELP");
  ORVCmdLnAnalyzer _Analyzer{"mk", _Usage};
  ORVString _Name;
  ORVCmdLnOptOneArg _NameOption{_Analyzer,           "-n|-name", ORVCmdLnOptMandatory,
                                TestMessage("NAME"), _Name,      1};
  ORVCmdLnOptNoArg _Silent{_Analyzer, "-s", ORVCmdLnOptOptional, kNoUsage};
  ORVCmdLnOptNoArg _Quiet{_Analyzer, "-q", ORVCmdLnOptOptional, TestMessage("QUIET")};
};

}  // namespace

TEST_F(ORVCmdLnHelpMngrTest, AddsTheHelpOptionWhereItIsConstructed) {
  ORVCmdLnHelpMngr help(_Analyzer, _Usage.Get(), ORVNLSMsgBldrRfHndlr());
  ORVCmdLnOptNoArg after(_Analyzer, "-z", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptNoArg& option = help.GetHelpOpt();
  EXPECT_EQ(_Analyzer.GetHelpOption(), &option);
  EXPECT_EQ(_Analyzer.GetOptionSet()[3], &option);
  EXPECT_EQ(_Analyzer.GetOptMngrSet()[0], &help);
  // The short usage gets the help names after the command name (the advice below).
  EXPECT_EQ(Utf8(option.GetHUsageBldr()->Build()), "-h|-help|-?\n    Shows this help and stops.");
  // Without explanation the help ends with the last usage line.
  std::string expected = kHelpWithExplanation;
  EXPECT_EQ(Utf8(help.GetHelp()), expected.erase(expected.find("\nExplains")));
  // Given an argument, it is refused like any no-argument option.
  long code = Analyze(_Analyzer, {"-?", "x"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptNoArg.cpp", "mk -h|-help|-? \"x\"", "0003: -h|-help|-?",
                    "CMDLNTEST USAGEHELP: mk | -h|-help|-?"));
}

TEST_F(ORVCmdLnHelpMngrTest, EveryHelpNameAnswersWithTheHelpTextAsAnInformation) {
  ORVCmdLnHelpMngr help(_Analyzer, _Usage.Get(), TestMessage("EXPLAINED"));
  EXPECT_EQ(Utf8(help.GetHelp()), kHelpWithExplanation);
  for (const char* name : {"-h", "-help", "-?"}) {
    _Analyzer.Reset();
    long code = Analyze(_Analyzer, {name});
    ASSERT_EQ(code, 1) << name;
    EXPECT_EQ(DescribeLastError(code),
              "type 4 in src/ORVCmdLnHelpMngr.cpp; request <none>; "
              "diagnostic " +
                  std::string(kHelpWithExplanation) + "; advice <none>");
    PEVError* last = PEVError::PEVGetLastError(code, nullptr);
    const ORVNLSMsgBldrRfHndlr& diagnostic = ORVCheckedCast<ORVError>(last)->GetHDiagnosticBldr();
    EXPECT_EQ(std::string(diagnostic->GetMsgCatalogName()) + " " + diagnostic->GetMsgId(),
              "ORVBC CONCAT");
    EXPECT_EQ(last->GetReturnCode(), 1);
    last->Release();
  }
  // Other letter cases are not help.
  for (const char* name : {"-H", "-HELP", "-Help"}) {
    _Analyzer.Reset();
    EXPECT_EQ(Analyze(_Analyzer, {name}), PEV_E_FAIL) << name;
    EXPECT_FALSE(help.GetHelpOpt().IsDefined());
  }
}

TEST(ORVCmdLnHelpMngrDeathTest, HelpWithoutShortUsageIsFatal) {
  ExpectFatal(
      [] {
        ORVCmdLnAnalyzer analyzer("mk", kNoUsage);
        ORVCmdLnHelpMngr help(analyzer, nullptr, ORVNLSMsgBldrRfHndlr());
        Analyze(analyzer, {"-h"});
      },
      "xxxRfHndlr::operator->(): Pointer == NULL", "src/ORVRefHandler.cpp");
}
