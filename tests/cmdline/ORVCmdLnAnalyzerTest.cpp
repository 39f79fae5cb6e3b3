// Tests of ORVCmdLnAnalyzer, the option kinds and the length managers: commands declared
// in one line each, analysed, and their outcome and option values compared, with Reset;
// then the names and message texts of ORVCmdLnOpt, lookups, the string-and-number
// converter, the help manager, randomized analyses and the fatal misuses.
#include "ORVCmdLnAnalyzer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "CmdLnTestSupport.h"  // with every option kind and manager

namespace {

using Strings = std::vector<std::string>;

// The words of iText; '' stands for an empty argument.
Strings Words(const std::string& iText) {
  Strings words;
  std::istringstream stream(iText);
  for (std::string word; stream >> word;)
    words.push_back(word == "''" ? "" : word);
  return words;
}

std::string Join(const ORVVector& iStrings) {
  std::string joined;
  for (const std::string& text : Texts(iStrings))
    joined += "," + text;
  return joined.substr(!joined.empty());
}

// A command mk declared by blank-separated options "[!]<names>=<kind>", ! for mandatory:
// kind 0 takes no argument, 1 one required, ? one optional, *<min>,<max>[L] a list (L: the
// last option); #<min>,<max> adds a length manager. "~" alone: mk has no usage.
struct Command {
  explicit Command(const std::string& iDeclarations)
      : _Analyzer("mk", iDeclarations[0] == '~' ? kNoUsage
                                                : ORVParamNLSMsgBldrRfHndlr(TestMessage("USAGE"))) {
    for (std::string token : Words(iDeclarations)) {
      std::size_t equal = token.rfind('='), hash = token.find('#'), bang = token[0] == '!';
      if (equal == std::string::npos) continue;
      token[equal] = '\0';
      const char *names = &token[bang], *kind = &token[equal + 1];
      auto status = bang ? ORVCmdLnOptMandatory : ORVCmdLnOptOptional;
      int minimum = 0, maximum = -1, shortest = 0, longest = -1;
      if (hash != std::string::npos) sscanf(&token[hash + 1], "%d,%d", &shortest, &longest);
      if (*kind == '0') {
        Keep(new ORVCmdLnOptNoArg(_Analyzer, names, status, TestMessage("NAME")));
      } else if (*kind == '*' && sscanf(kind + 1, "%d,%d", &minimum, &maximum)) {
        auto* option =
            Keep(new ORVCmdLnOptMultiArg(_Analyzer, names, status, TestMessage("NAME"),
                                         *Keep(new ORVVector(ORVDestroyElementsAtDelete)), minimum,
                                         maximum, strchr(kind, 'L') != nullptr));
        if (hash != std::string::npos)
          Keep(new ORVCmdLnOptMultiArgElementLengthMngr(_Analyzer, *option, shortest, longest));
      } else {
        auto* option = Keep(new ORVCmdLnOptOneArg(_Analyzer, names, status, TestMessage("NAME"),
                                                  *Keep(new ORVString), *kind == '1'));
        if (hash != std::string::npos)
          Keep(new ORVCmdLnOptOneArgLengthMngr(_Analyzer, *option, shortest, longest));
      }
    }
  }
  template <typename Type>
  Type* Keep(Type* iObject) {
    _Kept.emplace_back(iObject);
    return iObject;
  }

  // The outcome of an analysis of iArguments, then after @ the options defined and their
  // values. A failure is shortened to "<source>: <fragment> / <diagnostic>[ / <advice>]",
  // the source as in Short, the advice left out when it is the usage of mk.
  std::string Run(const std::string& iArguments) {
    Strings words = Words(iArguments);
    std::vector<const char*> arguments;
    for (const std::string& word : words)
      arguments.push_back(word.c_str());
    std::string outcome = Short(Outcome(Analyze(_Analyzer, arguments)));
    return outcome + State();  // State after the analysis
  }
  std::string State() const {
    std::string state;
    const ORVVector& options = _Analyzer.GetOptionSet();
    for (int index = 0; index < options.Size(); ++index) {
      auto* option = static_cast<ORVCmdLnOpt*>(options[index]);
      if (!option->IsDefined()) continue;
      state += " " + Utf8(option->GetNamesOrCommandNameForMsg(nullptr));
      if (auto* one = dynamic_cast<ORVCmdLnOptOneArg*>(option); one && one->ArgumentIsAdded())
        state += "[" + std::string(one->GetArgument().GetChars()) + "]";
      if (auto* list = dynamic_cast<ORVCmdLnOptMultiArg*>(option))
        state += "[" + Join(static_cast<const ORVVector&>(list->GetArgumentSet())) + "]";
    }
    return state.empty() ? state : " @" + state;
  }
  static std::string Short(std::string iText) {
    // Each replaced once, in this order.
    const std::pair<const char*, const char*> kCuts[] = {{"type 1 in src/ORVCmdLn", ""},
                                                         {"Analyzer.cpp", "A"},
                                                         {"Opt.cpp", "Opt"},
                                                         {"OptNoArg.cpp", "0"},
                                                         {"OptOneArg.cpp", "1"},
                                                         {"OptMultiArg.cpp", "*"},
                                                         {"OptOneArgLengthMngr.cpp", "1#"},
                                                         {"OptMultiArgElementLengthMngr.cpp", "*#"},
                                                         {"OptOneArgConvToStringAndInt.cpp", "C"},
                                                         {"; request ORVBC 0013: ", ": "},
                                                         {"; diagnostic ORVBC ", " / "},
                                                         {"; advice CMDLNTEST USAGE: mk", ""},
                                                         {"; advice CMDLNTEST ", " / "},
                                                         {"; advice ", " / "}};
    for (const auto& [from, to] : kCuts)
      if (std::size_t at = iText.find(from); at != std::string::npos)
        iText.replace(at, strlen(from), to);
    return iText;
  }

  ORVCmdLnAnalyzer _Analyzer;
  std::vector<std::unique_ptr<PEVBaseUnknown>> _Kept;
};

using ORVCmdLnAnalyzerTest = CmdLnTest;

constexpr int kAnalyses = 20000;

// Words an argument is made of: names, near misses, dashes, texts with separators and a
// character above the surrogates.
const std::vector<std::string> kWords = {"-a",    "-b", "-c", "-l",     "-m",  "-p",  "-h",
                                         "-help", "-?", "-A", "-hel",   "--",  "-",   "",
                                         "-x",    "x",  "ab", "abcdef", "n:1", "n:",  ":7",
                                         "a:b:c", "é",  "-é", "\"q\"",  "%1",  "a b", "-Ａ"};

}  // namespace

TEST_F(ORVCmdLnAnalyzerTest, DeclaredCommandsAnalyseTheirArgumentsAndNeedAResetBeforeTheNext) {
  const std::tuple<const char*, const char*, const char*> kCases[] = {
      // The command's option is defined even without arguments: mandatory, it passes.
      {"!=*0,-1", "", "success @ mk[]"},
      {"=*0,-1 !-n|-name=1", "", "Opt: mk -n|-name / 0002: -n|-name @ mk[]"},
      // Unknown names fail even when the current option wants a value; nothing is undone.
      {"-n=1", "-n -x value", "A: mk -x / 0001: -x @ -n"},
      // "-" alone is an argument; without a current option it is a stray one, quoted.
      {"-v=1", "-v -", "success @ -v[-]"},
      {"", "-", "A: mk \"-\" / 0003: mk"},
      {"~", "x", "A: mk \"x\" / 0003: mk / <none>"},
      // Given again, -n is current but full: "e" goes to the command's option.
      {"-n=1 -q=0 =*0,-1", "a -n b c -q d -n e", "success @ -n[b] -q mk[a,c,d,e]"},
      // The last option takes what follows, then the command's option does, without
      // looking for options; a command's option that is the last takes options too.
      {"-q=0 -e=*0,2L =*0,-1", "f -e -q -x -e -", "success @ -e[-q,-x] mk[f,-e,-]"},
      {"-q=0 =*0,-1L", "-q -z", "success @ mk[-q,-z]"},
      // Two options with one name: the first is always selected.
      {"-v=1 -w|-v=1", "-v a -v b", "1: mk -v \"b\" / 0009: -v @ -v[a]"},
      // A failing argument ends the analysis at once.
      {"-q=0 !-n=1", "-q stray -n x", "0: mk -q \"stray\" / 0003: -q @ -q"},
      {"|-n=0", "x", "0: mk [-n] \"x\" / 0003: mk [-n] @ mk [-n]"},
      // A value that is not required may be missing; a required one fails the check.
      {"-l=? -n=1", "-l", "success @ -l"},
      {"-l=? -n=1", "-l -n", "1: mk -n / 0004: -n @ -l -n"},
      // One value too many fails at once, too few fail the check, by the bounds.
      {"-v=*1,1", "-v a b", "*: mk -v \"b\" / 0009: -v @ -v[a]"},
      {"-v=*2,2", "-v a b c", "*: mk -v \"c\" / 0010: -v | 2 @ -v[a,b]"},
      {"-v=*1,3", "-v a b c d", "*: mk -v \"d\" / 0011: -v | 1 | 3 @ -v[a,b,c]"},
      {"-v=*0,2", "-v a b c", "*: mk -v \"c\" / 0012: -v | 2 @ -v[a,b]"},
      {"-v=*1,1", "-v", "*: mk -v / 0004: -v @ -v[]"},
      {"-v=*2,2", "-v a", "*: mk -v / 0005: -v | 2 @ -v[a]"},
      {"-v=*2,5", "-v a", "*: mk -v / 0006: -v | 2 | 5 @ -v[a]"},
      {"-v|-value=*3,-1", "-value a", "*: mk -v|-value / 0007: -v|-value | 3 @ -v|-value[a]"},
      // Length managers, with the option's usage as advice; lengths count bytes.
      {"-o=1#3,8", "-o ab", "1#: mk -o \"ab\" / 0016: ab | 2 | 3 | 8 / NAME: -o @ -o[ab]"},
      {"-o=1#4,4", "-o ab", "1#: mk -o \"ab\" / 0020: ab | 2 | 4 / NAME: -o @ -o[ab]"},
      {"-o=1#3,-1", "-o ab", "1#: mk -o \"ab\" / 0019: ab | 2 | 3 / NAME: -o @ -o[ab]"},
      {"-o=1#1,255", "-o ''", "1#: mk -o \"\" / 0016:  | 0 | 1 | 255 / NAME: -o @ -o[]"},
      {"-o=1#0,1", "-o é", "1#: mk -o \"é\" / 0016: é | 2 | 0 | 1 / NAME: -o @ -o[é]"},
      {"-o=1#3,8", "-o abcdefgh", "success @ -o[abcdefgh]"},
      // The option's own check reports a missing value.
      {"-o=1#3,8", "-o", "1: mk -o / 0004: -o @ -o"},
      // Only the first offending element of a list is reported.
      {"-o=*0,-1#2,3", "-o abcd x",
       "*#: mk -o \"abcd\" / 0016: abcd | 4 | 2 | 3 / NAME: -o @ -o[abcd,x]"},
  };
  for (const auto& [declarations, arguments, result] : kCases)
    EXPECT_EQ(Command(declarations).Run(arguments), result) << declarations << " <- " << arguments;
  // Without bounds any number is taken; without maximum any length.
  std::string arguments = "-o", values;
  for (int index = 0; index < 1000; ++index) {
    arguments += " " + std::to_string(index);
    values += (index ? "," : "") + std::to_string(index);
  }
  EXPECT_EQ(Command("-o=*0,-1").Run(arguments), "success @ -o[" + values + "]");
  std::string text(10000, 'x');
  EXPECT_EQ(Command("-o=1#3,-1").Run("-o " + text), "success @ -o[" + text + "]");
  // No arguments at all, given without array.
  Command command("!=*0,-1");
  EXPECT_EQ(command._Analyzer.Analyze(nullptr, 0), 0);
  EXPECT_EQ(command._Analyzer.Analyze(nullptr, -3), 0);
  // Added directly, a value beyond the maximum fails too.
  Command bounded("=*0,1");
  EXPECT_EQ(bounded.Run("a"), "success @ mk[a]");
  EXPECT_EQ(Command::Short(
                Outcome(ORVCheckedCast<ORVCmdLnOpt>(bounded._Kept[1].get())->AddArgument("e"))),
            "*: mk \"e\" / 0012: mk | 1");
  EXPECT_EQ(bounded.State(), " @ mk[a]");
  // Reset is needed before a second analysis.
  Command again("-n=1 =*0,2");
  EXPECT_EQ(again.Run("-n a f1 f2"), "success @ -n[a] mk[f1,f2]");
  // Without Reset the options are still full.
  EXPECT_EQ(again.Run("-n b"), "*: mk \"b\" / 0012: mk | 2 @ -n[a] mk[f1,f2]");
  again._Analyzer.Reset();
  EXPECT_EQ(again.State(), "");
  // Reset leaves the caller's string and container as they were.
  EXPECT_STREQ(ORVCheckedCast<ORVString>(again._Kept[0].get())->GetChars(), "a");
  EXPECT_EQ(Texts(*ORVCheckedCast<ORVVector>(again._Kept[2].get())), Strings({"f1", "f2"}));
  ORVCheckedCast<ORVVector>(again._Kept[2].get())->Destroy();
  EXPECT_EQ(again.Run("-n b f3"), "success @ -n[b] mk[f3]");
}

TEST_F(ORVCmdLnAnalyzerTest,
       NamesGiveInternalNamesAndTheCommandMarkAndLookupsMatchWholeNamesInOrder) {
  auto names = [](const ORVCmdLnOpt& iOption) {
    return Join(iOption.GetNameSet()) + " / " + Utf8(iOption.GetInternalNames()) + " / " +
           std::to_string(iOption.IsAssociatedWithCommand());
  };
  const std::pair<const char*, const char*> kCases[] = {
      {" -f | -file ", "-f,-file / -f|-file / 0"},
      {"|-x", ",-x / -x / 1"},
      {"-x|", "-x, / -x / 1"},
      {"", " /  / 1"},
      {nullptr, " /  / 1"},
      {"|", ", /  / 1"},
      {"-a||-b", "-a,,-b / -a|-b / 1"},
      {"\t-a\n|\v-b\f\r|-c", "-a,-b,-c / -a|-b|-c / 0"},
      // What follows a name up to the next bar is skipped.
      {"-a junk more|-b", "-a,-b / -a|-b / 0"}};
  for (const auto& [specification, expected] : kCases) {
    ORVCmdLnAnalyzer analyzer("mk", kNoUsage);
    EXPECT_EQ(names(ORVCmdLnOptNoArg(analyzer, specification, ORVCmdLnOptOptional, kNoUsage)),
              expected)
        << (specification ? specification : "(null)");
  }
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("USAGE");
  ORVCmdLnAnalyzer analyzer("tool", usage);
  ASSERT_EQ(usage->GetNbParameters(), 1);
  EXPECT_EQ(Utf8(usage->GetParameter(0)), "tool");
  EXPECT_EQ(analyzer.GetHelpOption(), nullptr);
  ORVCmdLnOptNoArg file(analyzer, "-f|-file", ORVCmdLnOptOptional, kNoUsage);
  ORVCmdLnOptNoArg help1(analyzer, "-h1", ORVCmdLnOptHelp, kNoUsage);
  ORVCmdLnOptNoArg again(analyzer, "-file|-g", ORVCmdLnOptHelp, kNoUsage);
  ORVCmdLnOptNoArg named(analyzer, "|-in|-input", ORVCmdLnOptMandatory, kNoUsage);
  ORVCmdLnOptNoArg renamed(analyzer, "-a|-b|", ORVCmdLnOptOptional, kNoUsage);
  // SetNames replaces the names given at construction.
  renamed.SetNames("-c");
  EXPECT_EQ(names(renamed), "-c / -c / 0");
  const ORVCmdLnOpt* order[] = {&file, &help1, &again, &named, &renamed};
  ASSERT_EQ(analyzer.GetOptionSet().Size(), 5);
  for (int index = 0; index < 5; ++index)
    EXPECT_EQ(analyzer.GetOptionSet()[index], order[index]) << index;
  // The last help option wins; for a name, the first registered one.
  EXPECT_EQ(analyzer.GetHelpOption(), &again);
  EXPECT_EQ(analyzer.LookupOneOption("-file"), &file);
  EXPECT_EQ(analyzer.LookupOneOption("-g"), &again);
  EXPECT_EQ(analyzer.LookupOneOption("-c"), &renamed);
  for (const char* miss : {"-a", "-fi", "-files", "-F", "-FILE", "file", " -f", "--f"})
    EXPECT_EQ(analyzer.LookupOneOption(miss), nullptr) << miss;
  EXPECT_EQ(analyzer.LookupOneOption(""), &named);
  // Message texts; arguments are quoted after a blank unless the text is empty.
  EXPECT_EQ(Utf8(named.GetCommandNameAndNamesForMsg("a b")), "tool [-in|-input] \"a b\"");
  PEVUnicodeString text;
  for (const char* argument : {(const char*)nullptr, "a", "say \"hi\" café", (const char*)nullptr})
    ORVCmdLnOpt::ConcatArgumentForMsg(text, argument);
  EXPECT_EQ(Utf8(text), "\"a\" \"say \"hi\" café\"");
}

TEST_F(ORVCmdLnAnalyzerTest, ConvertsAtTheLastSeparatorToATextAndANumber) {
  Command command("-p=1");
  ORVCmdLnOptOneArgConvToStringAndInt converter(
      *ORVCheckedCast<ORVCmdLnOptOneArg>(command._Kept[1].get()));
  // The result, the text and the number (which starts at -99) of iArgument's conversion.
  auto convert = [&](const char* iArgument, char iSeparator) {
    command._Analyzer.Reset();
    ORVString text("unchanged");
    int number = -99;
    EXPECT_EQ(Analyze(command._Analyzer, {"-p", iArgument}), 0);
    std::string result = Command::Short(Outcome(converter.Convert(iSeparator, text, number)));
    return result + " [" + text.GetChars() + "] " + std::to_string(number);
  };
  const std::tuple<const char*, char, const char*> kCases[] = {
      {"name:12", ':', "success [name] 12"},
      {":5", ':', "success [] 5"},
      {"x:-2147483648", ':', "success [x] -2147483648"},
      {"key=value=9", '=', "success [key=value] 9"},
      {"name", ':', "C: mk -p \"name\" / 0018: name | : / NAME: -p [name] -99"},
      // A NUL separator is never found in the characters.
      {"a:1", '\0', "C: mk -p \"a:1\" / 0018: a:1 |  / NAME: -p [a:1] -99"},
      // An empty number text changes nothing; otherwise what the conversion read is stored.
      {"name:", ':', "C: mk -p \"name:\" / 0015:  / NAME: -p [name] -99"},
      {"name:x", ':', "C: mk -p \"name:x\" / 0015: x / NAME: -p [name] 0"},
      {"name:12 ", ':', "C: mk -p \"name:12 \" / 0015: 12  / NAME: -p [name] 12"},
      // Beyond int, as the range error of a 32-bit long.
      {"n:2147483648", ':',
       "C: mk -p \"n:2147483648\" / 0015: 2147483648 / NAME: -p [n] 2147483647"},
      {"n:-99999999999999999999", ':',
       "C: mk -p \"n:-99999999999999999999\" / 0015: -99999999999999999999 / NAME: -p [n] "
       "-2147483648"},
  };
  for (const auto& [argument, separator, result] : kCases)
    EXPECT_EQ(convert(argument, separator), result) << argument;
  // The text may be the option's own string.
  ORVString& argument = *ORVCheckedCast<ORVString>(command._Kept[0].get());
  int number = 0;
  convert("left:right:3", ':');
  EXPECT_EQ(converter.Convert(':', argument, number), 0);
  EXPECT_EQ(std::string(argument.GetChars()) + " " + std::to_string(number), "left:right 3");
  argument = "plain";
  EXPECT_EQ(converter.Convert(':', argument, number), PEV_E_FAIL);
  EXPECT_STREQ(argument.GetChars(), "plain");
}

using ORVCmdLnHelpMngrTest = CmdLnTest;

TEST_F(ORVCmdLnHelpMngrTest, AddsTheHelpOptionAndAnswersEveryHelpNameBeforeTheOptionChecks) {
  const std::string information = "type 4 in src/ORVCmdLnHelpMngr.cpp; request <none>; diagnostic ";
  const std::string explained =
      "Usage: mk -n <name> [-h|-help|-?]\n-n|-name <name>\n    the name\n-q\n    says nothing\n"
      "-h|-help|-?\n    Shows this help and stops.\n\nExplains mk.\nOn two lines.\n";
  ORVParamNLSMsgBldrCtlgRfHndlr helpUsage = TestMessage("USAGEHELP");
  ORVCmdLnAnalyzer analyzer("mk", helpUsage);
  ORVString name, output;
  ORVCmdLnOptOneArg nameOption(analyzer, "-n|-name", ORVCmdLnOptMandatory, TestMessage("NAME"),
                               name, 1);
  ORVCmdLnOptNoArg quiet(analyzer, "-q", ORVCmdLnOptOptional, TestMessage("QUIET"));
  ORVCmdLnOptOneArg report(analyzer, "-o", ORVCmdLnOptOptional, kNoUsage, output, 1);
  ORVCmdLnOptOneArgLengthMngr length(analyzer, report, 3, 8);
  ORVCmdLnHelpMngr help(analyzer, helpUsage.Get(), TestMessage("EXPLAINED"));
  ORVCmdLnOptNoArg after(analyzer, "-z", ORVCmdLnOptOptional, kNoUsage);
  const auto run = [&](std::vector<const char*> iArguments) {
    analyzer.Reset();
    return Command::Short(Outcome(Analyze(analyzer, iArguments)));
  };
  ORVCmdLnOptNoArg& option = help.GetHelpOpt();
  EXPECT_EQ(analyzer.GetOptionSet()[3], &option);  // after -n, -q and -o
  EXPECT_EQ(analyzer.GetOptMngrSet()[1], &help);
  // The short usage gets the help names after the command name (the advice below).
  EXPECT_EQ(Utf8(option.GetHUsageBldr()->Build()), "-h|-help|-?\n    Shows this help and stops.");
  EXPECT_EQ(Utf8(help.GetHelp()), explained);
  // Without explanation the help ends with the last usage line.
  ORVParamNLSMsgBldrCtlgRfHndlr usage = TestMessage("USAGEHELP");
  ORVCmdLnAnalyzer plain("mk", usage);
  EXPECT_EQ(Utf8(ORVCmdLnHelpMngr(plain, usage.Get(), ORVNLSMsgBldrRfHndlr()).GetHelp()),
            "Usage: mk -n <name> [-h|-help|-?]\n-h|-help|-?\n    Shows this help and stops.\n");
  const std::string advice = " / USAGEHELP: mk | -h|-help|-?";
  EXPECT_EQ(run({"-?", "x"}), "0: mk -h|-help|-? \"x\" / 0003: -h|-help|-?" + advice);
  // The missing -n is not reported: the help is the answer; but a manager registered
  // before the help manager still fails first.
  EXPECT_EQ(run({"-o", "ab", "-h"}), "1#: mk -o \"ab\" / 0016: ab | 2 | 3 | 8 / <none>");
  EXPECT_EQ(run({"-o", "abc"}), "Opt: mk -n|-name / 0002: -n|-name" + advice);
  for (const char* helpName : {"-h", "-help", "-?"}) {
    EXPECT_EQ(run({helpName}), information + explained + " / <none>") << helpName;
    long code = Analyze(analyzer, {});  // the help option is still defined
    PEVError* last = PEVError::PEVGetLastError(code, nullptr);
    const ORVNLSMsgBldrRfHndlr& diagnostic = ORVCheckedCast<ORVError>(last)->GetHDiagnosticBldr();
    EXPECT_EQ(std::string(diagnostic->GetMsgCatalogName()) + " " + diagnostic->GetMsgId() + " " +
                  std::to_string(last->GetReturnCode()),
              "ORVBC CONCAT 1");
    last->Release();
  }
}

// Randomized analyses: argument arrays drawn from option names, near misses and random
// bytes, fed to a command with every option kind, every manager and a converter. Every
// analysis must end with success, or with a failure whose error builds a complete text
// from the shipped catalogs; the option values must respect their declarations.
TEST_F(ORVCmdLnAnalyzerTest, RandomArgumentArraysEndInSuccessOrADisplayableError) {
  EveryOptionCommand command;
  std::mt19937 random(20240611);
  int successes = 0, failures = 0, helps = 0;
  for (int analysis = 0; analysis < kAnalyses; ++analysis) {
    command.Reset();
    std::vector<std::string> texts;
    // Half of the arrays give the mandatory option first, so that some succeed.
    if (random() % 2) texts.push_back("-m");
    for (int count = (int)(random() % 9); count > 0; --count) {
      if (random() % 10) {
        texts.push_back(kWords[random() % kWords.size()]);
        continue;
      }
      std::string bytes(random() % 12, ' ');  // random bytes, invalid UTF-8 included, never NUL
      for (char& byte : bytes)
        byte = (char)(1 + random() % 255);
      texts.push_back(bytes);
    }
    std::vector<const char*> arguments;
    for (const std::string& text : texts)
      arguments.push_back(text.c_str());
    long code = Analyze(command._Analyzer, arguments);
    ++(code == 0 ? successes : code == 1 ? helps : failures);
    ASSERT_EQ(EveryOptionOutcomeProblem(command, code, false), "") << testing::PrintToString(texts);
    PEVError::PEVCleanLastError();
  }
  // The draw reaches every outcome often.
  EXPECT_GT(successes, kAnalyses / 20);
  EXPECT_GT(failures, kAnalyses / 2);
  EXPECT_GT(helps, kAnalyses / 50);
}

TEST(ORVCmdLnAnalyzerDeathTest, NullArgumentsNullListElementsAndHelpWithoutUsageAreFatal) {
  ExpectFatal([] { ORVCmdLnAnalyzer("mk", kNoUsage).Analyze(nullptr, 1); },
              "ORVCmdLnAnalyzer::Analyze(): iArguments is NULL", "src/ORVCmdLnAnalyzer.cpp");
  ExpectFatal(
      [] {
        Command command("-q=0");
        Analyze(command._Analyzer, {"-q", nullptr});
      },
      "ORVCmdLnAnalyzer::Analyze(): iArguments[1] is NULL", "src/ORVCmdLnAnalyzer.cpp");
  ExpectFatal(
      [] {
        Command command("-o=*0,-1#1,3");
        auto* values = ORVCheckedCast<ORVVector>(command._Kept[0].get());
        values->Add(new ORVString("ab"), 1);
        values->Add(nullptr, 1);
        command.Run("");
      },
      "ORVCmdLnOptMultiArgElementLengthMngr::Check(): element 1 of the argument set is NULL",
      "src/ORVCmdLnOptMultiArgElementLengthMngr.cpp");
  ExpectFatal(
      [] {
        ORVCmdLnAnalyzer analyzer("mk", kNoUsage);
        ORVCmdLnHelpMngr help(analyzer, nullptr, ORVNLSMsgBldrRfHndlr());
        Analyze(analyzer, {"-h"});
      },
      "xxxRfHndlr::operator->(): Pointer == NULL", "src/ORVRefHandler.cpp");
}
