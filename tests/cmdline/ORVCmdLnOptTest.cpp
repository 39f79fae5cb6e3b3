// Tests of ORVCmdLnOpt and the analyzer's registry: name specifications, statuses, the
// message-parameter texts, registration and exact lookups.
#include "ORVCmdLnOpt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVString.h"

namespace {

std::vector<std::string> Names(const ORVCmdLnOpt& iOption) {
  std::vector<std::string> names;
  const ORVVector& set = iOption.GetNameSet();
  for (int index = 0; index < set.Size(); ++index)
    names.push_back(ORVCheckedCast<ORVString>(set[index])->GetChars());
  return names;
}

class ORVCmdLnOptTest : public CmdLnTest {
protected:
  ORVCmdLnAnalyzer _Analyzer{"mk", TestMessage("USAGE")};
};

}  // namespace

TEST_F(ORVCmdLnOptTest, NameSpecificationsGiveNamesInternalNamesAndTheCommandMark) {
  struct Case {
    const char* _Specification;
    std::vector<std::string> _Names;
    const char* _InternalNames;
    unsigned int _Associated;
  };
  const std::vector<Case> cases = {
      {" -f | -file ", {"-f", "-file"}, "-f|-file", 0},
      {"-f|-file", {"-f", "-file"}, "-f|-file", 0},
      {"|-x", {"", "-x"}, "-x", 1},
      {"-x|", {"-x", ""}, "-x", 1},
      {"", {""}, "", 1},
      {nullptr, {""}, "", 1},
      {" ", {""}, "", 1},
      {"|", {"", ""}, "", 1},
      {"-a||-b", {"-a", "", "-b"}, "-a|-b", 1},
      {"\t-a\n|\v-b\f\r|-c", {"-a", "-b", "-c"}, "-a|-b|-c", 0},
      // What follows a name up to the next bar is skipped.
      {"-a junk more|-b", {"-a", "-b"}, "-a|-b", 0},
      {"-a junk", {"-a"}, "-a", 0},
  };
  for (const Case& test : cases) {
    ORVCmdLnOptNoArg option(_Analyzer, test._Specification, ORVCmdLnOptOptional,
                            ORVParamNLSMsgBldrRfHndlr());
    const char* shown = test._Specification ? test._Specification : "(null)";
    EXPECT_EQ(Names(option), test._Names) << shown;
    EXPECT_EQ(Utf8(option.GetInternalNames()), test._InternalNames) << shown;
    EXPECT_EQ(option.IsAssociatedWithCommand(), test._Associated) << shown;
  }
}

TEST_F(ORVCmdLnOptTest, SetNamesReplacesTheNamesOfTheSpecificationBefore) {
  ORVCmdLnOptNoArg option(_Analyzer, "-a|-b|", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  option.SetNames("-c");
  EXPECT_EQ(Names(option), std::vector<std::string>{"-c"});
  EXPECT_EQ(Utf8(option.GetInternalNames()), "-c");
  EXPECT_EQ(option.IsAssociatedWithCommand(), 0u);
  EXPECT_EQ(_Analyzer.LookupOneOption("-a"), nullptr);
  EXPECT_EQ(_Analyzer.LookupOneOption(""), nullptr);
  EXPECT_EQ(_Analyzer.LookupOneOption("-c"), &option);
}

TEST_F(ORVCmdLnOptTest, MessageTextsOfANamedOption) {
  ORVCmdLnOptNoArg option(_Analyzer, " -f | -file ", ORVCmdLnOptOptional,
                          ORVParamNLSMsgBldrRfHndlr());
  EXPECT_EQ(Utf8(option.GetCommandNameAndNamesForMsg("x")), "mk -f|-file \"x\"");
  EXPECT_EQ(Utf8(option.GetCommandNameAndNamesForMsg(nullptr)), "mk -f|-file");
  EXPECT_EQ(Utf8(option.GetNamesOrCommandNameForMsg(nullptr)), "-f|-file");
  EXPECT_EQ(Utf8(option.GetNamesOrCommandNameForMsg("")), "-f|-file \"\"");
}

TEST_F(ORVCmdLnOptTest, MessageTextsOfTheCommandsOption) {
  ORVCmdLnOptNoArg bare(_Analyzer, "", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  EXPECT_EQ(Utf8(bare.GetCommandNameAndNamesForMsg("x")), "mk \"x\"");
  EXPECT_EQ(Utf8(bare.GetNamesOrCommandNameForMsg("x")), "mk \"x\"");
  EXPECT_EQ(Utf8(bare.GetNamesOrCommandNameForMsg(nullptr)), "mk");

  ORVCmdLnOptNoArg named(_Analyzer, "|-in|-input", ORVCmdLnOptOptional,
                         ORVParamNLSMsgBldrRfHndlr());
  EXPECT_EQ(Utf8(named.GetNamesOrCommandNameForMsg(nullptr)), "mk [-in|-input]");
  EXPECT_EQ(Utf8(named.GetCommandNameAndNamesForMsg("a b")), "mk [-in|-input] \"a b\"");
}

TEST_F(ORVCmdLnOptTest, ConcatArgumentQuotesAfterABlankUnlessTheTextIsEmpty) {
  PEVUnicodeString text;
  ORVCmdLnOpt::ConcatArgumentForMsg(text, nullptr);
  EXPECT_EQ(Utf8(text), "");
  ORVCmdLnOpt::ConcatArgumentForMsg(text, "a");
  EXPECT_EQ(Utf8(text), "\"a\"");
  ORVCmdLnOpt::ConcatArgumentForMsg(text, "say \"hi\" café");
  EXPECT_EQ(Utf8(text), "\"a\" \"say \"hi\" café\"");
  ORVCmdLnOpt::ConcatArgumentForMsg(text, nullptr);
  EXPECT_EQ(Utf8(text), "\"a\" \"say \"hi\" café\"");
}

TEST_F(ORVCmdLnOptTest, StatusesAndTheUsageBuilderParameter) {
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("NAME");
  ORVCmdLnOptNoArg mandatory(_Analyzer, " -n ", ORVCmdLnOptMandatory, usage);
  ORVCmdLnOptNoArg help(_Analyzer, "-hh", ORVCmdLnOptHelp, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptNoArg other(_Analyzer, "-o", (ORVCmdLnOptStatusEnum)7, ORVParamNLSMsgBldrRfHndlr());
  EXPECT_TRUE(mandatory.IsMandatory());
  EXPECT_FALSE(mandatory.IsHelpOption());
  EXPECT_TRUE(help.IsHelpOption());
  EXPECT_FALSE(help.IsMandatory());
  EXPECT_FALSE(other.IsMandatory());
  EXPECT_FALSE(other.IsHelpOption());
  // The usage line names the option as its specification was written.
  ASSERT_EQ(usage->GetNbParameters(), 1);
  EXPECT_EQ(Utf8(usage->GetParameter(0)), " -n ");
  EXPECT_EQ(mandatory.GetHUsageBldr().Get(), usage.Get());
  EXPECT_FALSE(help.GetHUsageBldr());
  EXPECT_EQ(&mandatory.GetCmdLnAnalyzer(), &_Analyzer);
}

TEST_F(ORVCmdLnOptTest, OptionsRegisterInOrderAndTheLastHelpOptionWins) {
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("USAGE");
  ORVCmdLnAnalyzer analyzer("tool", usage);
  ASSERT_EQ(usage->GetNbParameters(), 1);
  EXPECT_EQ(Utf8(usage->GetParameter(0)), "tool");
  EXPECT_EQ(analyzer.GetHShortUsageBldr().Get(), usage.Get());
  EXPECT_EQ(Utf8(analyzer.GetCommandName()), "tool");
  EXPECT_EQ(analyzer.GetHelpOption(), nullptr);

  ORVCmdLnOptNoArg first(analyzer, "-a", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptNoArg help1(analyzer, "-h1", ORVCmdLnOptHelp, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptNoArg help2(analyzer, "-h2", ORVCmdLnOptHelp, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptNoArg last(analyzer, "-b", ORVCmdLnOptMandatory, ORVParamNLSMsgBldrRfHndlr());
  const ORVVector& options = analyzer.GetOptionSet();
  ASSERT_EQ(options.Size(), 4);
  EXPECT_EQ(options[0], &first);
  EXPECT_EQ(options[1], &help1);
  EXPECT_EQ(options[2], &help2);
  EXPECT_EQ(options[3], &last);
  EXPECT_EQ(analyzer.GetHelpOption(), &help2);
  EXPECT_EQ(analyzer.GetOptMngrSet().Size(), 0);
}

TEST_F(ORVCmdLnOptTest, AnAnalyzerWithoutShortUsageHasAnEmptyHandler) {
  ORVCmdLnAnalyzer analyzer("tool", ORVParamNLSMsgBldrRfHndlr());
  EXPECT_FALSE(analyzer.GetHShortUsageBldr());
}

TEST_F(ORVCmdLnOptTest, LookupMatchesWholeNamesExactlyAndTheFirstRegisteredWins) {
  ORVCmdLnOptNoArg file(_Analyzer, "-f|-file", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  ORVCmdLnOptNoArg again(_Analyzer, "-file|-g", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  EXPECT_EQ(_Analyzer.LookupOneOption("-f"), &file);
  EXPECT_EQ(_Analyzer.LookupOneOption("-file"), &file);
  EXPECT_EQ(_Analyzer.LookupOneOption("-g"), &again);
  for (const char* miss : {"-fi", "-fil", "-files", "-F", "-FILE", "f", "file", " -f", ""})
    EXPECT_EQ(_Analyzer.LookupOneOption(miss), nullptr) << miss;
  ORVCmdLnOptNoArg command(_Analyzer, "-c|", ORVCmdLnOptOptional, ORVParamNLSMsgBldrRfHndlr());
  EXPECT_EQ(_Analyzer.LookupOneOption(""), &command);
}

TEST_F(ORVCmdLnOptTest, AnOptionSharesItsUsageBuilderAndFreesItsNames) {
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("NAME");
  {
    ORVCmdLnAnalyzer analyzer("mk", ORVParamNLSMsgBldrRfHndlr());
    ORVCmdLnOptNoArg option(analyzer, "-a|-b|-c", ORVCmdLnOptOptional, usage);
    EXPECT_EQ(usage->GetRefCount(), 2u);
  }
  EXPECT_EQ(usage->GetRefCount(), 1u);
}
