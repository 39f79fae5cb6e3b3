// Tests of ORVCmdLnOpt and the analyzer's registry: name specifications, statuses, the
// message-parameter texts, registration and exact lookups.
#include "ORVCmdLnOpt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVCmdLnOptNoArg.h"

namespace {

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
  const Case kCases[] = {
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
  for (const Case& test : kCases) {
    // The analyzer keeps the options it registered: each case gets its own.
    ORVCmdLnAnalyzer analyzer("mk", TestMessage("USAGE"));
    ORVCmdLnOptNoArg option(analyzer, test._Specification, ORVCmdLnOptOptional, kNoUsage);
    SCOPED_TRACE(test._Specification ? test._Specification : "(null)");
    EXPECT_EQ(Texts(option.GetNameSet()), test._Names);
    EXPECT_EQ(Utf8(option.GetInternalNames()), test._InternalNames);
    EXPECT_EQ(option.IsAssociatedWithCommand(), test._Associated);
  }
  // SetNames replaces the names of the specification before.
  ORVCmdLnOptNoArg option(_Analyzer, "-a|-b|", ORVCmdLnOptOptional, kNoUsage);
  option.SetNames("-c");
  EXPECT_EQ(Texts(option.GetNameSet()), std::vector<std::string>{"-c"});
  EXPECT_EQ(Utf8(option.GetInternalNames()), "-c");
  EXPECT_EQ(option.IsAssociatedWithCommand(), 0u);
  EXPECT_EQ(_Analyzer.LookupOneOption("-a"), nullptr);
  EXPECT_EQ(_Analyzer.LookupOneOption(""), nullptr);
  EXPECT_EQ(_Analyzer.LookupOneOption("-c"), &option);
}

TEST_F(ORVCmdLnOptTest, MessageTextsOfNamedOptionsAndOfTheCommandsOption) {
  ORVCmdLnOptNoArg option(_Analyzer, " -f | -file ", ORVCmdLnOptOptional, kNoUsage);
  EXPECT_EQ(Utf8(option.GetCommandNameAndNamesForMsg("x")), "mk -f|-file \"x\"");
  EXPECT_EQ(Utf8(option.GetCommandNameAndNamesForMsg(nullptr)), "mk -f|-file");
  EXPECT_EQ(Utf8(option.GetNamesOrCommandNameForMsg(nullptr)), "-f|-file");
  EXPECT_EQ(Utf8(option.GetNamesOrCommandNameForMsg("")), "-f|-file \"\"");
  ORVCmdLnOptNoArg bare(_Analyzer, "", ORVCmdLnOptOptional, kNoUsage);
  EXPECT_EQ(Utf8(bare.GetCommandNameAndNamesForMsg("x")), "mk \"x\"");
  EXPECT_EQ(Utf8(bare.GetNamesOrCommandNameForMsg("x")), "mk \"x\"");
  EXPECT_EQ(Utf8(bare.GetNamesOrCommandNameForMsg(nullptr)), "mk");
  ORVCmdLnOptNoArg named(_Analyzer, "|-in|-input", ORVCmdLnOptOptional, kNoUsage);
  EXPECT_EQ(Utf8(named.GetNamesOrCommandNameForMsg(nullptr)), "mk [-in|-input]");
  EXPECT_EQ(Utf8(named.GetCommandNameAndNamesForMsg("a b")), "mk [-in|-input] \"a b\"");
  // Arguments are quoted after a blank unless the text is empty; null adds nothing.
  PEVUnicodeString text;
  ORVCmdLnOpt::ConcatArgumentForMsg(text, nullptr);
  EXPECT_EQ(Utf8(text), "");
  ORVCmdLnOpt::ConcatArgumentForMsg(text, "a");
  EXPECT_EQ(Utf8(text), "\"a\"");
  ORVCmdLnOpt::ConcatArgumentForMsg(text, "say \"hi\" café");
  ORVCmdLnOpt::ConcatArgumentForMsg(text, nullptr);
  EXPECT_EQ(Utf8(text), "\"a\" \"say \"hi\" café\"");
}

TEST_F(ORVCmdLnOptTest, OptionsRegisterInOrderAndTheLastHelpOptionWins) {
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("USAGE");
  ORVCmdLnAnalyzer analyzer("tool", usage);
  ASSERT_EQ(usage->GetNbParameters(), 1);
  EXPECT_EQ(Utf8(usage->GetParameter(0)), "tool");
  EXPECT_EQ(analyzer.GetHelpOption(), nullptr);
  ORVCmdLnOptNoArg first(analyzer, "-a", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptNoArg help1(analyzer, "-h1", ORVCmdLnOptHelp, kNoUsage);
  ORVCmdLnOptNoArg help2(analyzer, "-h2", ORVCmdLnOptHelp, kNoUsage);
  ORVCmdLnOptNoArg last(analyzer, "-b", ORVCmdLnOptMandatory, kNoUsage);
  EXPECT_EQ(Elements(analyzer.GetOptionSet()),
            std::vector<const PEVBaseUnknown*>({&first, &help1, &help2, &last}));
  EXPECT_EQ(analyzer.GetHelpOption(), &help2);
  EXPECT_EQ(analyzer.GetOptMngrSet().Size(), 0);
}

TEST_F(ORVCmdLnOptTest, LookupMatchesWholeNamesExactlyAndTheFirstRegisteredWins) {
  ORVCmdLnOptNoArg file(_Analyzer, "-f|-file", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptNoArg again(_Analyzer, "-file|-g", ORVCmdLnOptOptional, kNoUsage);
  EXPECT_EQ(_Analyzer.LookupOneOption("-f"), &file);
  EXPECT_EQ(_Analyzer.LookupOneOption("-file"), &file);
  EXPECT_EQ(_Analyzer.LookupOneOption("-g"), &again);
  for (const char* miss : {"-fi", "-fil", "-files", "-F", "-FILE", "f", "file", " -f", ""})
    EXPECT_EQ(_Analyzer.LookupOneOption(miss), nullptr) << miss;
  ORVCmdLnOptNoArg command(_Analyzer, "-c|", ORVCmdLnOptOptional, kNoUsage);
  EXPECT_EQ(_Analyzer.LookupOneOption(""), &command);
}
