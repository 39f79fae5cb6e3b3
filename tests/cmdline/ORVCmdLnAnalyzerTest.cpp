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
#include "ORVString.h"

namespace {

// A manager that records its checks and resets in a shared journal and answers iResult.
class ORVTestJournalMngr : public ORVCmdLnOptMngr {
public:
  ORVTestJournalMngr(ORVCmdLnAnalyzer& iAnalyzer, std::string iName,
                     std::vector<std::string>& ioJournal, long iResult = 0)
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
  std::vector<std::string>& _Journal;
  long _Result;
};

// An option that records its checks and resets in a shared journal.
class ORVTestJournalOpt : public ORVCmdLnOptNoArg {
public:
  ORVTestJournalOpt(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                    std::vector<std::string>& ioJournal)
      : ORVCmdLnOptNoArg(iAnalyzer, iNames, ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr()),
        _Journal(ioJournal) {}
  long Check() const override {
    _Journal.push_back("check " + Utf8(GetInternalNames()));
    return ORVCmdLnOptNoArg::Check();
  }
  void Reset() override {
    _Journal.push_back("reset " + Utf8(GetInternalNames()));
    ORVCmdLnOptNoArg::Reset();
  }

private:
  std::vector<std::string>& _Journal;
};

std::vector<std::string> Values(const ORVVector& iValues) {
  std::vector<std::string> values;
  for (int index = 0; index < iValues.Size(); ++index)
    values.push_back(ORVCheckedCast<ORVString>(iValues[index])->GetChars());
  return values;
}

class ORVCmdLnAnalyzerTest : public CmdLnTest {
protected:
  ORVParamNLSMsgBldrCtlgRfHndlr _Usage = TestMessage("USAGE");
  ORVCmdLnAnalyzer _Analyzer{"mk", _Usage};
  const std::string _Advice = "CMDLNTEST USAGE: mk";
};

}  // namespace

TEST_F(ORVCmdLnAnalyzerTest, NoArgumentsSucceedUnlessAnOptionIsMandatory) {
  ORVString name;
  ORVCmdLnOptOneArg optional(_Analyzer, "-o", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                             name, 1);
  EXPECT_EQ(Analyze(_Analyzer, {}), 0);
  EXPECT_EQ(_Analyzer.Analyze(nullptr, 0), 0);
  EXPECT_EQ(_Analyzer.Analyze(nullptr, -3), 0);

  ORVCmdLnOptOneArg mandatory(_Analyzer, "-n|-name", ORVCmdLnOptMandatory,
                              ORVParamNLSMsgBldrRfHndlr(), name, 1);
  long code = Analyze(_Analyzer, {});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOpt.cpp", "mk -n|-name", "0002: -n|-name", _Advice));
}

TEST_F(ORVCmdLnAnalyzerTest, AnUnknownOptionFailsEvenWhenTheCurrentOptionWantsAValue) {
  ORVString name;
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), name,
                           1);
  long code = Analyze(_Analyzer, {"-n", "-x", "value"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code), Failure("ORVCmdLnAnalyzer.cpp", "mk -x", "0001: -x", _Advice));
  // Nothing is undone: the option met before stays defined, without value.
  EXPECT_TRUE(option.IsDefined());
  EXPECT_FALSE(option.ArgumentIsAdded());
}

TEST_F(ORVCmdLnAnalyzerTest, NamesMatchExactlyWithoutPrefixOrOtherCase) {
  ORVCmdLnOptNoArg option(_Analyzer, "-name|-Q", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  for (const char* argument : {"-nam", "-NAME", "-names", "-q", "--name"}) {
    long code = Analyze(_Analyzer, {argument});
    EXPECT_EQ(DescribeLastError(code),
              Failure("ORVCmdLnAnalyzer.cpp", std::string("mk ") + argument,
                      std::string("0001: ") + argument, _Advice));
  }
  EXPECT_FALSE(option.IsDefined());
  EXPECT_EQ(Analyze(_Analyzer, {"-Q", "-name"}), 0);
  EXPECT_TRUE(option.IsDefined());
}

TEST_F(ORVCmdLnAnalyzerTest, ALoneDashIsAnArgument) {
  ORVString value;
  ORVCmdLnOptOneArg option(_Analyzer, "-v", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), value,
                           1);
  EXPECT_EQ(Analyze(_Analyzer, {"-v", "-"}), 0);
  EXPECT_STREQ(value.GetChars(), "-");

  // Without a current option it is a stray argument.
  ORVCmdLnAnalyzer bare("mk", _Usage);
  long code = Analyze(bare, {"-"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnAnalyzer.cpp", "mk \"-\"", "0003: mk", _Advice));

  // With the command's option, it goes there.
  ORVVector files(ORVDestroyElementsAtDelete);
  ORVCmdLnOptMultiArg command(bare, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), files, 0,
                              -1, 0);
  bare.Reset();
  EXPECT_EQ(Analyze(bare, {"-", "a"}), 0);
  EXPECT_EQ(Values(files), (std::vector<std::string>{"-", "a"}));
}

TEST_F(ORVCmdLnAnalyzerTest, AStrayArgumentWithoutOptionsQuotesTheArgument) {
  long code = Analyze(_Analyzer, {"some file"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnAnalyzer.cpp", "mk \"some file\"", "0003: mk", _Advice));
  ORVCmdLnAnalyzer withoutUsage("mk", ORVParamNLSMsgBldrRfHndlr());
  code = Analyze(withoutUsage, {"x"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnAnalyzer.cpp", "mk \"x\"", "0003: mk", "<none>"));
}

TEST_F(ORVCmdLnAnalyzerTest, TheCommandsOptionIsDefinedEvenWithoutArguments) {
  ORVVector files(ORVDestroyElementsAtDelete);
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptMandatory, ORVParamNLSMsgBldrRfHndlr(),
                              files, 0, -1, 0);
  EXPECT_FALSE(command.IsDefined());
  EXPECT_EQ(Analyze(_Analyzer, {}), 0);
  EXPECT_TRUE(command.IsDefined());
}

TEST_F(ORVCmdLnAnalyzerTest, AFullNamedOptionHandsFurtherArgumentsToTheCommandsOption) {
  ORVVector files(ORVDestroyElementsAtDelete);
  ORVString name;
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), name,
                           1);
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                              files, 0, -1, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"a", "-n", "b", "c", "-q", "d", "-n", "e"}), 0);
  EXPECT_STREQ(name.GetChars(), "b");
  // Given again, -n is current but full: "e" goes to the command's option.
  EXPECT_EQ(Values(files), (std::vector<std::string>{"a", "c", "d", "e"}));
}

TEST_F(ORVCmdLnAnalyzerTest, TheLastOptionTakesEverythingThatFollows) {
  ORVVector rest(ORVDestroyElementsAtDelete);
  ORVVector files(ORVDestroyElementsAtDelete);
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptMultiArg exec(_Analyzer, "-e", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), rest,
                           0, 2, 1);
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                              files, 0, -1, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"f", "-e", "-q", "-x", "-e", "-"}), 0);
  EXPECT_EQ(Values(rest), (std::vector<std::string>{"-q", "-x"}));
  // Once the last option is full its arguments go to the command's option, still
  // without looking for options.
  EXPECT_EQ(Values(files), (std::vector<std::string>{"f", "-e", "-"}));
  EXPECT_FALSE(quiet.IsDefined());
}

TEST_F(ORVCmdLnAnalyzerTest, ACommandsOptionThatIsTheLastTakesOptionsAsArguments) {
  ORVVector files(ORVDestroyElementsAtDelete);
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                              files, 0, -1, 1);
  EXPECT_EQ(Analyze(_Analyzer, {"-q", "-z"}), 0);
  EXPECT_EQ(Values(files), (std::vector<std::string>{"-q", "-z"}));
  EXPECT_FALSE(quiet.IsDefined());
}

TEST_F(ORVCmdLnAnalyzerTest, TwoOptionsWithOneNameAlwaysSelectTheFirst) {
  ORVString first;
  ORVString second;
  ORVCmdLnOptOneArg one(_Analyzer, "-v", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), first,
                        1);
  ORVCmdLnOptOneArg two(_Analyzer, "-w|-v", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                        second, 1);
  long code = Analyze(_Analyzer, {"-v", "a", "-v", "b"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptOneArg.cpp", "mk -v \"b\"", "0009: -v", _Advice));
  EXPECT_STREQ(first.GetChars(), "a");
  EXPECT_FALSE(two.IsDefined());
  EXPECT_STREQ(second.GetChars(), "");
}

TEST_F(ORVCmdLnAnalyzerTest, OptionsThenManagersAreCheckedInRegistrationOrder) {
  std::vector<std::string> journal;
  ORVTestJournalMngr m1(_Analyzer, "m1", journal);
  ORVTestJournalOpt a(_Analyzer, "-a", journal);
  ORVTestJournalMngr m2(_Analyzer, "m2", journal);
  ORVTestJournalOpt b(_Analyzer, "-b", journal);
  EXPECT_EQ(Analyze(_Analyzer, {"-b"}), 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"check -a", "check -b", "check m1", "check m2"}));
  journal.clear();
  _Analyzer.Reset();
  EXPECT_EQ(journal, (std::vector<std::string>{"reset -a", "reset -b", "reset m1", "reset m2"}));
  EXPECT_FALSE(b.IsDefined());
  const ORVVector& managers = _Analyzer.GetOptMngrSet();
  ASSERT_EQ(managers.Size(), 2);
  EXPECT_EQ(managers[0], &m1);
  EXPECT_EQ(managers[1], &m2);
}

TEST_F(ORVCmdLnAnalyzerTest, TheFirstFailingCheckEndsTheChecks) {
  std::vector<std::string> journal;
  ORVString value;
  ORVTestJournalOpt a(_Analyzer, "-a", journal);
  ORVCmdLnOptOneArg first(_Analyzer, "-m", ORVCmdLnOptMandatory, ORVParamNLSMsgBldrRfHndlr(), value,
                          1);
  ORVCmdLnOptOneArg second(_Analyzer, "-p", ORVCmdLnOptMandatory, ORVParamNLSMsgBldrRfHndlr(),
                           value, 1);
  ORVTestJournalOpt b(_Analyzer, "-b", journal);
  ORVTestJournalMngr m1(_Analyzer, "m1", journal, PEV_E_FAIL);
  long code = Analyze(_Analyzer, {});
  EXPECT_EQ(DescribeLastError(code), Failure("ORVCmdLnOpt.cpp", "mk -m", "0002: -m", _Advice));
  EXPECT_EQ(journal, std::vector<std::string>{"check -a"});

  // With the options right, the first failing manager decides; later ones are not asked.
  ORVTestJournalMngr m2(_Analyzer, "m2", journal);
  _Analyzer.Reset();
  journal.clear();
  EXPECT_EQ(Analyze(_Analyzer, {"-m", "x", "-p", "y"}), PEV_E_FAIL);
  EXPECT_EQ(journal, (std::vector<std::string>{"check -a", "check -b", "check m1"}));
}

TEST_F(ORVCmdLnAnalyzerTest, HelpSkipsTheOptionChecksButNotTheManagers) {
  ORVString name;
  ORVString output;
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("USAGEHELP");
  ORVCmdLnAnalyzer analyzer("mk", usage);
  ORVCmdLnOptOneArg mandatory(analyzer, "-n", ORVCmdLnOptMandatory, ORVParamNLSMsgBldrRfHndlr(),
                              name, 1);
  ORVCmdLnOptOneArg report(analyzer, "-o", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), output,
                           1);
  ORVCmdLnOptOneArgLengthMngr length(analyzer, report, 3, 8);
  ORVCmdLnHelpMngr help(analyzer, usage.Get(), ORVNLSMsgBldrRfHndlr());

  // The missing -n is not reported: the help is the answer.
  EXPECT_EQ(Analyze(analyzer, {"-h"}), 1);
  analyzer.Reset();
  // A manager registered before the help manager still fails first.
  long code = Analyze(analyzer, {"-o", "ab", "-h"});
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code),
            "type 1 in src/ORVCmdLnOptOneArgLengthMngr.cpp; request ORVBC 0013: mk -o \"ab\"; "
            "diagnostic ORVBC 0016: ab | 2 | 3 | 8; advice <none>");
  analyzer.Reset();
  // Without help the mandatory option is checked again.
  code = Analyze(analyzer, {"-o", "abc"});
  EXPECT_EQ(DescribeLastError(code), Failure("ORVCmdLnOpt.cpp", "mk -n", "0002: -n",
                                             "CMDLNTEST USAGEHELP: mk | -h|-help|-?"));
}

TEST_F(ORVCmdLnAnalyzerTest, ResetIsNeededBeforeASecondAnalysis) {
  ORVString name;
  ORVVector files(ORVDestroyElementsAtDelete);
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(), name,
                           1);
  ORVCmdLnOptMultiArg command(_Analyzer, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                              files, 0, 2, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"-n", "a", "f1", "f2"}), 0);
  // Without Reset the options are still full.
  long code = Analyze(_Analyzer, {"-n", "b"});
  EXPECT_EQ(DescribeLastError(code),
            "type 1 in src/ORVCmdLnOptMultiArg.cpp; request ORVBC 0013: mk \"b\"; diagnostic "
            "ORVBC 0012: mk | 2; advice " +
                _Advice);
  _Analyzer.Reset();
  EXPECT_FALSE(option.IsDefined());
  EXPECT_FALSE(option.ArgumentIsAdded());
  EXPECT_EQ(command.GetCount(), 0);
  // Reset leaves the caller's string and container as they were.
  EXPECT_STREQ(name.GetChars(), "a");
  EXPECT_EQ(files.Size(), 2);
  files.Destroy();
  EXPECT_EQ(Analyze(_Analyzer, {"-n", "b", "f3"}), 0);
  EXPECT_STREQ(name.GetChars(), "b");
  EXPECT_EQ(Values(files), std::vector<std::string>{"f3"});
}

TEST_F(ORVCmdLnAnalyzerTest, AFailingArgumentEndsTheAnalysisAtOnce) {
  ORVString name;
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptOneArg option(_Analyzer, "-n", ORVCmdLnOptMandatory, ORVParamNLSMsgBldrRfHndlr(), name,
                           1);
  long code = Analyze(_Analyzer, {"-q", "stray", "-n", "x"});
  EXPECT_EQ(DescribeLastError(code),
            Failure("ORVCmdLnOptNoArg.cpp", "mk -q \"stray\"", "0003: -q", _Advice));
  EXPECT_FALSE(option.IsDefined());
}

TEST_F(ORVCmdLnAnalyzerTest, AnOptionGivenTwiceIsCurrentAgain) {
  ORVVector values(ORVDestroyElementsAtDelete);
  ORVCmdLnOptNoArg quiet(_Analyzer, "-q", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptMultiArg option(_Analyzer, "-v", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr(),
                             values, 0, -1, 0);
  EXPECT_EQ(Analyze(_Analyzer, {"-q", "-v", "a", "-q", "-v", "b", "-q"}), 0);
  EXPECT_EQ(Values(values), (std::vector<std::string>{"a", "b"}));
}

TEST(ORVCmdLnAnalyzerDeathTest, ANullArgumentArrayOrArgumentIsFatal) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        ORVCmdLnAnalyzer analyzer("mk", ORVParamNLSMsgBldrRfHndlr());
        analyzer.Analyze(nullptr, 1);
      },
      testing::ExitedWithCode(255),
      FatalReportPattern("ORVCmdLnAnalyzer::Analyze(): iArguments is NULL",
                         "src/ORVCmdLnAnalyzer.cpp"));
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        ORVCmdLnAnalyzer analyzer("mk", ORVParamNLSMsgBldrRfHndlr());
        ORVCmdLnOptNoArg quiet(analyzer, "-q", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
        Analyze(analyzer, {"-q", nullptr});
      },
      testing::ExitedWithCode(255),
      FatalReportPattern("ORVCmdLnAnalyzer::Analyze(): iArguments[1] is NULL",
                         "src/ORVCmdLnAnalyzer.cpp"));
}
