// Randomized analyses: argument arrays drawn from option names, near misses and random
// bytes, fed to a command with every option kind, every manager and a converter. Every
// analysis must end with success, or with a failure whose error builds a complete text
// from the shipped catalogs; the option values must respect their declarations.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnHelpMngr.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnOptMultiArgElementLengthMngr.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVCmdLnOptOneArgConvToStringAndInt.h"
#include "ORVCmdLnOptOneArgLengthMngr.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVString.h"

namespace {

constexpr int kAnalyses = 20000;

// Words an argument is made of: names, near misses, dashes, texts with separators.
const std::vector<std::string> kWords = {
    "-a", "-b", "-c", "-l",     "-m",  "-p", "-h", "-help", "-?", "-A", "-hel",  "--", "-",  "",
    "-x", "x",  "ab", "abcdef", "n:1", "n:", ":7", "a:b:c", "é",  "-é", "\"q\"", "%1", "a b"};

std::string RandomArgument(std::mt19937& ioRandom) {
  std::uniform_int_distribution<int> kind(0, 9);
  if (kind(ioRandom) > 0) return kWords[ioRandom() % kWords.size()];
  // Random bytes, invalid UTF-8 included, never NUL.
  std::string text;
  int length = (int)(ioRandom() % 12);
  for (int index = 0; index < length; ++index)
    text.push_back((char)(1 + ioRandom() % 255));
  return text;
}

// The command and its declarations, built once per test.
struct FuzzCommand {
  static ORVParamNLSMsgBldrCtlgRfHndlr Name() { return TestMessage("NAME"); }
  ORVParamNLSMsgBldrCtlgRfHndlr _Usage = TestMessage("USAGEHELP");
  ORVCmdLnAnalyzer _Analyzer{"mk", _Usage};
  ORVVector _Files{ORVDestroyElementsAtDelete}, _Values{ORVDestroyElementsAtDelete},
      _Rest{ORVDestroyElementsAtDelete};
  ORVString _Bounded, _Mandatory, _Pair;
  ORVCmdLnOptMultiArg _Command{_Analyzer, "", ORVCmdLnOptOptional, Name(), _Files, 0, 3, 0};
  ORVCmdLnOptNoArg _Switch{_Analyzer, "-a", ORVCmdLnOptOptional, TestMessage("QUIET")};
  ORVCmdLnOptOneArg _BoundedOption{_Analyzer, "-b", ORVCmdLnOptOptional, Name(), _Bounded, 1};
  ORVCmdLnOptMultiArg _ValuesOption{_Analyzer, "-c", ORVCmdLnOptOptional, Name(), _Values, 2, 4, 0};
  ORVCmdLnOptMultiArg _RestOption{_Analyzer, "-l", ORVCmdLnOptOptional, Name(), _Rest, 0, -1, 1};
  ORVCmdLnOptOneArg _MandatoryOption{_Analyzer, "-m", ORVCmdLnOptMandatory, Name(), _Mandatory, 0};
  ORVCmdLnOptOneArg _PairOption{_Analyzer, "-p", ORVCmdLnOptOptional, Name(), _Pair, 1};
  ORVCmdLnOptOneArgLengthMngr _BoundedLength{_Analyzer, _BoundedOption, 2, 5};
  ORVCmdLnOptMultiArgElementLengthMngr _ValuesLength{_Analyzer, _ValuesOption, 1, 3};
  ORVCmdLnHelpMngr _Help{_Analyzer, _Usage.Get(), TestMessage("EXPLAINED")};
  ORVCmdLnOptOneArgConvToStringAndInt _Converter{_PairOption};

  void Reset() {
    _Analyzer.Reset();
    _Files.Destroy();
    _Values.Destroy();
    _Rest.Destroy();
  }
};

// The whole terminal text of the last error of iCode; fails the test without one.
std::string ErrorText(long iCode, PEVErrorType& oType) {
  PEVError* error = PEVError::PEVGetLastError(iCode, nullptr);
  if (!error) return "<no last error>";
  oType = error->GetInformationOnErrorType();
  EXPECT_TRUE(error->IsAKindOf(ORVError::ClassName()));
  PEVUnicodeString text;
  ORVErrorDisplayToISO8859Term display;
  display.BuildMsgTxt(*error, text);
  error->Release();
  return Utf8(text);
}

class ORVCmdLnAnalyzerFuzzTest : public CmdLnTest {};

}  // namespace

TEST_F(ORVCmdLnAnalyzerFuzzTest, RandomArgumentArraysEndInSuccessOrADisplayableError) {
  FuzzCommand command;
  std::mt19937 random(20240611);
  int successes = 0, failures = 0, helps = 0;
  for (int analysis = 0; analysis < kAnalyses; ++analysis) {
    command.Reset();
    std::vector<std::string> texts;
    // Half of the arrays give the mandatory option first, so that some succeed.
    if (random() % 2) texts.push_back("-m");
    int count = (int)(random() % 9);
    for (int index = 0; index < count; ++index)
      texts.push_back(RandomArgument(random));
    std::vector<const char*> arguments;
    std::string shown;
    for (const std::string& text : texts) {
      arguments.push_back(text.c_str());
      shown += "[" + text + "] ";
    }
    long code = Analyze(command._Analyzer, arguments);
    if (code == 0) {
      ++successes;
      ASSERT_TRUE(command._MandatoryOption.IsDefined()) << shown;
      ASSERT_FALSE(command._Help.GetHelpOpt().IsDefined()) << shown;
      ASSERT_LE(command._Files.Size(), 3) << shown;
      if (command._ValuesOption.IsDefined()) {
        ASSERT_GE(command._Values.Size(), 2) << shown;
        ASSERT_LE(command._Values.Size(), 4) << shown;
      }
      if (command._BoundedOption.ArgumentIsAdded()) {
        ASSERT_GE(command._Bounded.GetLength(), 2) << shown;
        ASSERT_LE(command._Bounded.GetLength(), 5) << shown;
      }
      if (command._PairOption.ArgumentIsAdded()) {
        ORVString text;
        int number = 0;
        long converted = command._Converter.Convert(':', text, number);
        if (converted != 0) {
          PEVErrorType type = PEVErrorTypeNone;
          std::string message = ErrorText(converted, type);
          ASSERT_EQ(type, PEVErrorTypeCritical) << shown;
          ASSERT_EQ(message.find("!!!"), std::string::npos) << shown << message;
        }
      }
      PEVError::PEVCleanLastError();
      continue;
    }
    PEVErrorType type = PEVErrorTypeNone;
    std::string message = ErrorText(code, type);
    if (code == 1) {
      ++helps;
      ASSERT_EQ(type, PEVErrorTypeInformation) << shown;
      ASSERT_TRUE(command._Help.GetHelpOpt().IsDefined()) << shown;
      ASSERT_EQ(message.rfind("Usage: mk -n <name> [-h|-help|-?]\n", 0), 0u) << shown << message;
    } else {
      ++failures;
      ASSERT_EQ(code, PEV_E_FAIL) << shown;
      ASSERT_EQ(type, PEVErrorTypeCritical) << shown;
      ASSERT_EQ(message.rfind("Incorrect command line: mk", 0), 0u) << shown << message;
      ASSERT_NE(message.find("\n#ERR# ORVBC - 0013: "), std::string::npos) << shown << message;
    }
    ASSERT_EQ(message.find("!!!"), std::string::npos) << shown << message;
    ASSERT_EQ(message.find("???"), std::string::npos) << shown << message;
    PEVError::PEVCleanLastError();
  }
  // The draw reaches every outcome often.
  EXPECT_GT(successes, kAnalyses / 20);
  EXPECT_GT(failures, kAnalyses / 2);
  EXPECT_GT(helps, kAnalyses / 50);
}
