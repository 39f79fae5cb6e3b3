// Tests of ORVCmdLnAnalyzer: placing arguments (exact names, the command's option, "-"
// alone, the last-option mark), the order of the checks, the failures it makes itself,
// Reset before a second analysis and the fatal misuses.
#include "ORVCmdLnAnalyzer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnHelpMngr.h"
#include "ORVCmdLnOptMngr.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVCmdLnOptOneArgLengthMngr.h"

namespace {

using Strings = std::vector<std::string>;

// A manager that records its checks and resets in a shared journal and answers iResult.
class ORVTestJournalMngr : public ORVCmdLnOptMngr {
public:
  ORVTestJournalMngr(ORVCmdLnAnalyzer& iAnalyzer, std::string iName, Strings& ioJournal,
                     long iResult = 0)
      : ORVCmdLnOptMngr(iAnalyzer),
        _Name(std::move(iName)),
        _Journal(ioJournal),
        _Result(iResult) {}
  long Check() const override {
    _Journal.push_back("check " + _Name);
    return _Result;
  }
  void Reset() override { _Journal.push_back("reset " + _Name); }

private:
  std::string _Name;
  Strings& _Journal;
  long _Result;
};

// An option that records its checks and resets in a shared journal.
class ORVTestJournalOpt : public ORVCmdLnOptNoArg {
public:
  ORVTestJournalOpt(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames, Strings& ioJournal)
      : ORVCmdLnOptNoArg(iAnalyzer, iNames, ORVCmdLnOptOptional, kNoUsage), _Journal(ioJournal) {}
  long Check() const override {
    _Journal.push_back("check " + Utf8(GetInternalNames()));
    return ORVCmdLnOptNoArg::Check();
  }
  void Reset() override {
    _Journal.push_back("reset " + Utf8(GetInternalNames()));
    ORVCmdLnOptNoArg::Reset();
  }

private:
  Strings& _Journal;
};

class ORVCmdLnAnalyzerTest : public CmdLnTest {
protected:
  // The description of the failure the analyzer itself makes for iFragment.
  std::string Refused(const std::string& iFragment, const std::string& iDiagnostic) {
    return Failure("ORVCmdLnAnalyzer.cpp", iFragment, iDiagnostic, _Advice);
  }

  ORVParamNLSMsgBldrCtlgRfHndlr _Usage = TestMessage("USAGE");
  ORVCmdLnAnalyzer _Analyzer{"mk", _Usage};
  const std::string _Advice = "CMDLNTEST USAGE: mk";
  ORVString _Name;
  ORVVector _Files{ORVDestroyElementsAtDelete};
};

}  // namespace

TEST_F(ORVCmdLnAnalyzerTest, NoArgumentsSucceedUnlessAnOptionIsMandatory) {
  // The command's option is defined even without arguments: mandatory, it passes.
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptMandatory, kNoUsage, _Files, 0, -1, 0);
  EXPECT_FALSE(command.IsDefined());
  EXPECT_EQ(Analyze(_Analyzer, {}), 0);
  EXPECT_TRUE(command.IsDefined());
  EXPECT_EQ(_Analyzer.Analyze(nullptr, 0), 0);
  EXPECT_EQ(_Analyzer.Analyze(nullptr, -3), 0);
  ORVCmdLnOptOneArg mandatory(_Analyzer, "-n|-name", ORVCmdLnOptMandatory, kNoUsage, _Name, 1);
  long code = Analyze(_Analyzer, {});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOpt.cpp", "mk -n|-name", "0002: -n|-name", _Advice));
}

TEST_F(ORVCmdLnAnalyzerTest, UnknownNamesFailEvenWhenTheCurrentOptionWantsAValue) {
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, kNoUsage, _Name, 1);
  long code = Analyze(_Analyzer, {"-n", "-x", "value"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code), Refused("mk -x", "0001: -x"));
  // Nothing is undone: the option met before stays defined, without value.
  EXPECT_TRUE(option.IsDefined());
  EXPECT_FALSE(option.ArgumentIsAdded());
  // Names match exactly, without prefix or other case.
  ORVCmdLnOptNoArg quiet(_Analyzer, "-name|-Q", ORVCmdLnOptOptional, kNoUsage);
  for (std::string argument : {"-nam", "-NAME", "-names", "-q", "--name"}) {
    _Analyzer.Reset();
    code = Analyze(_Analyzer, {argument.c_str()});
    EXPECT_EQ(DescribeLastError(code), Refused("mk " + argument, "0001: " + argument));
  }
  EXPECT_FALSE(quiet.IsDefined());
  _Analyzer.Reset();
  EXPECT_EQ(Analyze(_Analyzer, {"-Q", "-name"}), 0);
  EXPECT_TRUE(quiet.IsDefined());
}

TEST_F(ORVCmdLnAnalyzerTest, StrayArgumentsAndALoneDash) {
  ORVCmdLnOptOneArg option(_Analyzer, "-v", ORVCmdLnOptOptional, kNoUsage, _Name, 1);
  EXPECT_EQ(Analyze(_Analyzer, {"-v", "-"}), 0);
  EXPECT_STREQ(_Name.GetChars(), "-");
  // Without a current option an argument, "-" too, is a stray argument, quoted.
  ORVCmdLnAnalyzer bare("mk", _Usage);
  long code = Analyze(bare, {"-"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code), Refused("mk \"-\"", "0003: mk"));
  bare.Reset();
  EXPECT_EQ(DescribeLastError(Analyze(bare, {"some file"})),
            Refused("mk \"some file\"", "0003: mk"));
  ORVCmdLnAnalyzer withoutUsage("mk", kNoUsage);
  EXPECT_EQ(DescribeLastError(Analyze(withoutUsage, {"x"})),
            Failure("ORVCmdLnAnalyzer.cpp", "mk \"x\"", "0003: mk", "<none>"));
  // With the command's option, it goes there.
  ORVCmdLnOptMultiArg command(bare, "", ORVCmdLnOptOptional, kNoUsage, _Files, 0, -1, 0);
  bare.Reset();
  EXPECT_EQ(Analyze(bare, {"-", "a"}), 0);
  EXPECT_EQ(Texts(_Files), Strings({"-", "a"}));
}

TEST_F(ORVCmdLnAnalyzerTest, AFullNamedOptionHandsFurtherArgumentsToTheCommandsOption) {
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, kNoUsage, _Name, 1);
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, kNoUsage, _Files, 0, -1, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"a", "-n", "b", "c", "-q", "d", "-n", "e"}), 0);
  EXPECT_STREQ(_Name.GetChars(), "b");
  // Given again, -n is current but full: "e" goes to the command's option.
  EXPECT_EQ(Texts(_Files), Strings({"a", "c", "d", "e"}));
}

TEST_F(ORVCmdLnAnalyzerTest, TheLastOptionTakesEverythingThatFollows) {
  ORVVector rest(ORVDestroyElementsAtDelete);
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptMultiArg exec(_Analyzer, "-e", ORVCmdLnOptOptional, kNoUsage, rest, 0, 2, 1);
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, kNoUsage, _Files, 0, -1, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"f", "-e", "-q", "-x", "-e", "-"}), 0);
  EXPECT_EQ(Texts(rest), Strings({"-q", "-x"}));
  // Once the last option is full its arguments go to the command's option, still
  // without looking for options.
  EXPECT_EQ(Texts(_Files), Strings({"f", "-e", "-"}));
  EXPECT_FALSE(quiet.IsDefined());
  // A command's option that is the last takes options as arguments.
  ORVCmdLnAnalyzer other("mk", _Usage);
  ORVCmdLnOptNoArg otherQuiet(other, "-q", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptMultiArg last(other, "", ORVCmdLnOptOptional, kNoUsage, rest, 0, -1, 1);
  rest.Destroy();
  EXPECT_EQ(Analyze(other, {"-q", "-z"}), 0);
  EXPECT_EQ(Texts(rest), Strings({"-q", "-z"}));
  EXPECT_FALSE(otherQuiet.IsDefined());
}

TEST_F(ORVCmdLnAnalyzerTest, TwoOptionsWithOneNameAlwaysSelectTheFirst) {
  ORVString second;
  ORVCmdLnOptOneArg one(_Analyzer, "-v", ORVCmdLnOptOptional, kNoUsage, _Name, 1);
  ORVCmdLnOptOneArg two(_Analyzer, "-w|-v", ORVCmdLnOptOptional, kNoUsage, second, 1);
  long code = Analyze(_Analyzer, {"-v", "a", "-v", "b"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptOneArg.cpp", "mk -v \"b\"", "0009: -v", _Advice));
  EXPECT_STREQ(_Name.GetChars(), "a");
  EXPECT_FALSE(two.IsDefined());
  EXPECT_STREQ(second.GetChars(), "");
}

TEST_F(ORVCmdLnAnalyzerTest, OptionsThenManagersAreCheckedInRegistrationOrder) {
  Strings journal;
  ORVTestJournalMngr m1(_Analyzer, "m1", journal);
  ORVTestJournalOpt a(_Analyzer, "-a", journal);
  ORVTestJournalMngr m2(_Analyzer, "m2", journal);
  ORVTestJournalOpt b(_Analyzer, "-b", journal);
  EXPECT_EQ(Analyze(_Analyzer, {"-b"}), 0);
  EXPECT_EQ(journal, Strings({"check -a", "check -b", "check m1", "check m2"}));
  journal.clear();
  _Analyzer.Reset();
  EXPECT_EQ(journal, Strings({"reset -a", "reset -b", "reset m1", "reset m2"}));
  EXPECT_FALSE(b.IsDefined());
  EXPECT_EQ(Elements(_Analyzer.GetOptMngrSet()), std::vector<const PEVBaseUnknown*>({&m1, &m2}));
}

TEST_F(ORVCmdLnAnalyzerTest, TheFirstFailingCheckEndsTheChecks) {
  Strings journal;
  ORVTestJournalOpt a(_Analyzer, "-a", journal);
  ORVCmdLnOptOneArg first(_Analyzer, "-m", ORVCmdLnOptMandatory, kNoUsage, _Name, 1);
  ORVCmdLnOptOneArg second(_Analyzer, "-p", ORVCmdLnOptMandatory, kNoUsage, _Name, 1);
  ORVTestJournalOpt b(_Analyzer, "-b", journal);
  ORVTestJournalMngr m1(_Analyzer, "m1", journal, PEV_E_FAIL);
  long code = Analyze(_Analyzer, {});
  EXPECT_EQ(DescribeLastError(code), Failure("ORVCmdLnOpt.cpp", "mk -m", "0002: -m", _Advice));
  EXPECT_EQ(journal, Strings{"check -a"});
  // With the options right, the first failing manager decides; later ones are not asked.
  ORVTestJournalMngr m2(_Analyzer, "m2", journal);
  _Analyzer.Reset();
  journal.clear();
  EXPECT_EQ(Analyze(_Analyzer, {"-m", "x", "-p", "y"}), PEV_E_FAIL);
  EXPECT_EQ(journal, Strings({"check -a", "check -b", "check m1"}));
}

TEST_F(ORVCmdLnAnalyzerTest, HelpSkipsTheOptionChecksButNotTheManagers) {
  ORVString output;
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("USAGEHELP");
  ORVCmdLnAnalyzer analyzer("mk", usage);
  ORVCmdLnOptOneArg mandatory(analyzer, "-n", ORVCmdLnOptMandatory, kNoUsage, _Name, 1);
  ORVCmdLnOptOneArg report(analyzer, "-o", ORVCmdLnOptOptional, kNoUsage, output, 1);
  ORVCmdLnOptOneArgLengthMngr length(analyzer, report, 3, 8);
  ORVCmdLnHelpMngr help(analyzer, usage.Get(), ORVNLSMsgBldrRfHndlr());
  // The missing -n is not reported: the help is the answer.
  EXPECT_EQ(Analyze(analyzer, {"-h"}), 1);
  analyzer.Reset();
  // A manager registered before the help manager still fails first.
  long code = Analyze(analyzer, {"-o", "ab", "-h"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code), Failure("ORVCmdLnOptOneArgLengthMngr.cpp", "mk -o \"ab\"",
                                             "0016: ab | 2 | 3 | 8", "<none>"));
  analyzer.Reset();
  // Without help the mandatory option is checked again.
  code = Analyze(analyzer, {"-o", "abc"});
  EXPECT_EQ(DescribeLastError(code), Failure("ORVCmdLnOpt.cpp", "mk -n", "0002: -n",
                                             "CMDLNTEST USAGEHELP: mk | -h|-help|-?"));
}

TEST_F(ORVCmdLnAnalyzerTest, ResetIsNeededBeforeASecondAnalysis) {
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, kNoUsage, _Name, 1);
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, kNoUsage, _Files, 0, 2, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"-n", "a", "f1", "f2"}), 0);
  // Without Reset the options are still full.
  long code = Analyze(_Analyzer, {"-n", "b"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptMultiArg.cpp", "mk \"b\"", "0012: mk | 2", _Advice));
  _Analyzer.Reset();
  EXPECT_FALSE(option.IsDefined());
  EXPECT_FALSE(option.ArgumentIsAdded());
  EXPECT_EQ(command.GetCount(), 0);
  // Reset leaves the caller's string and container as they were.
  EXPECT_STREQ(_Name.GetChars(), "a");
  EXPECT_EQ(_Files.Size(), 2);
  _Files.Destroy();
  EXPECT_EQ(Analyze(_Analyzer, {"-n", "b", "f3"}), 0);
  EXPECT_STREQ(_Name.GetChars(), "b");
  EXPECT_EQ(Texts(_Files), Strings{"f3"});
}

TEST_F(ORVCmdLnAnalyzerTest, AFailingArgumentEndsTheAnalysisAtOnce) {
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptMandatory, kNoUsage, _Name, 1);
  long code = Analyze(_Analyzer, {"-q", "stray", "-n", "x"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptNoArg.cpp", "mk -q \"stray\"", "0003: -q", _Advice));
  EXPECT_FALSE(option.IsDefined());
}

TEST(ORVCmdLnAnalyzerDeathTest, ANullArgumentArrayOrArgumentIsFatal) {
  ExpectFatal([] { ORVCmdLnAnalyzer("mk", kNoUsage).Analyze(nullptr, 1); },
              "ORVCmdLnAnalyzer::Analyze(): iArguments is NULL", "src/ORVCmdLnAnalyzer.cpp");
  ExpectFatal(
      [] {
        ORVCmdLnAnalyzer analyzer("mk", kNoUsage);
        ORVCmdLnOptNoArg quiet(analyzer, "-q", ORVCmdLnOptOptional, kNoUsage);
        Analyze(analyzer, {"-q", nullptr});
      },
      "ORVCmdLnAnalyzer::Analyze(): iArguments[1] is NULL", "src/ORVCmdLnAnalyzer.cpp");
}
