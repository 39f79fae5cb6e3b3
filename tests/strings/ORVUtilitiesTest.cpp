// Tests of ORVUtilities' text operations: identifier texts, words, lengths, numeric
// formats, unicode comparisons, integer conversion and the one-line program form of free
// text, with random texts for the conversions and the escaping; and of its platform side:
// instance creation and interface queries with their error records, the terminal
// displays' installation, and external commands with their exit statuses and output lines.
#include "ORVUtilities.h"

#include <sys/resource.h>
#include <unistd.h>

#include "StringsTestSupport.h"

namespace {

using U = ORVUtilities;

const auto Format = [](const std::string& iText, const std::string& iSeparator) {
  return ValueOf(U::FormatFreeTextForProgram(MakeString(iText), MakeString(iSeparator)));
};
const auto Translate = [](const std::string& iFormatted, const std::string& iSeparator) {
  return ValueOf(
      U::TranslateFormattedForProgramFreeText(MakeString(iFormatted), MakeString(iSeparator)));
};
// Words -1 to 4 of iText, each followed by "|".
const auto Words = [](const char* iText, char iSeparator) {
  std::string words;
  for (int index = -1; index <= 4; ++index)
    words += ValueOf(U::GetWord(iText, index, iSeparator)) + "|";
  return words;
};
// "converted value" of iText, where the value is 99 before the conversion.
const auto Converted = [](const char* iText) {
  int value = 99;
  unsigned int converted = U::ConvertStringToInt(iText, value);
  return std::to_string(converted) + " " + std::to_string(value);
};

// A random text from an alphabet rich in the characters the escaping cares about.
std::string RandomText(std::mt19937& ioRandom, const std::string& iAlphabet, int iMaxLength) {
  std::string text;
  int length = std::uniform_int_distribution<int>(0, iMaxLength)(ioRandom);
  std::uniform_int_distribution<std::size_t> pick(0, iAlphabet.size() - 1);
  for (int i = 0; i < length; ++i)
    text += iAlphabet[pick(ioRandom)];
  return text;
}

const auto Guid = [](const _GUID& iId) { return ValueOf(ORVUtilities::ConvertGUIDToString(iId)); };
// iCode and the last error of a failed creation (request 0500) or query (0504), described.
const auto Failed = [](long iCode, const char* iRequest, const std::string& iDiagnostic) {
  return std::to_string(iCode) + " type 1 in src/ORVUtilitiesPlatform.cpp; request ORVBC " +
         iRequest + "; diagnostic ORVBC " + iDiagnostic + "; advice ORVBC 0502";
};
// Whether the child exited, its exit status and its standard output.
const auto Ended = [](const ChildResult& c) {
  return std::to_string(c._Exited) + " " + std::to_string(c._ExitStatus) + " " + c._Stdout;
};
// A new pending critical error with iCode and no messages, made by the library.
const auto NewError = [](long iCode) {
  return new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr(),
                      ORVNLSMsgBldrRfHndlr(), PEVErrorTypeCritical, iCode);
};

// The code of creating iClass, a name or an identifier, for IUnknown, and the last error
// recorded for it, as described; what was made is released.
const auto Created = [](auto iClass, unsigned long iContext, IUnknown* iOuter = nullptr) {
  void* made = nullptr;
  long code = ORVUtilities::PEVCreateClassInstance(iClass, iOuter, iContext, IID_IUnknown, &made);
  if (made) static_cast<PEVBaseUnknown*>(made)->Release();
  return std::to_string(code) + " " + DescribeLastError(code);
};

}  // namespace

TEST(ORVUtilities, GUIDTextWordsCountsWidthsUnicodeOrdersAndIntegersOfTheWholeTextInTheIntRange) {
  _GUID guid = {0x0123ABCDu, 0x00EF, 0xA1B2, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
  _GUID full = {0xFFFFFFFFu, 0xFFFF, 0xFFFF, {255, 255, 255, 255, 255, 255, 255, 255}};
  char numbered[16];
  snprintf(numbered, sizeof numbered, U::GetListItemIdxFormat(1000, '0').GetChars(), 42);
  ExpectRows(
      {{ValueOf(U::ConvertGUIDToString(guid)), "{0123ABCD-00EF-A1B2-0123-456789ABCDEF}"},
       {ValueOf(U::ConvertGUIDToString(full)), "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"},
       // No word before the first or after the last.
       {Words("  a  bb c", ' '), "||a|bb|c||"},
       {Words("x,,y,", ','), "||x|y|||"},
       {Words(nullptr, ' '), "||||||"},
       // The widths count the sign.
       {Values(U::GetListItemIdxFormat(250, '0'), U::GetListItemIdxFormat(250, ' ')), "%03d|%3d|"},
       {Values(U::GetListItemIdxFormat(-5, '0')), "%02d|"},
       {numbered, "0042"}});
  // Three characters and no terminating NUL: a read past them is a fault under asan.
  static const char unterminated[3] = {'x', 'y', 'z'};
  const std::tuple<const char*, int, int> counts[] = {
      {"abcdef", 3, 3}, {"abcdef", -1, 6},    {"abcdef", 0, 0},    {"abcdef", 100, 6},
      {nullptr, 5, 0},  {unterminated, 3, 3}, {unterminated, 2, 2}};
  for (const auto& [text, maximum, count] : counts)
    EXPECT_EQ(U::GetNbChars(text, maximum), count) << maximum;
  const int widths[][2] = {{0, 1}, {250, 3}, {-5, 2}, {INT_MAX, 10}, {INT_MIN, 11}};
  for (const auto& width : widths)
    EXPECT_EQ(U::GetIntAsStrSize(width[0]), width[1]) << width[0];
  const auto Orders = [](const char* iFirst, const char* iSecond) {
    return std::to_string(U::CompareUnicodeStrings(iFirst, iSecond)) + " " +
           std::to_string(U::CompareUnicodeStringsNoCase(iFirst, iSecond));
  };
  // With case, then without; beyond ASCII, Greek and Latin-1 letters compare apart from
  // case too.
  ExpectRows({{Orders("abc", "abd"), "-1 -1"},
              {Orders("ab", "abc"), "-1 -1"},
              {Orders("", ""), "0 0"},
              {Orders("abc", "ABC"), "1 0"},
              {Orders("\xce\xb1\xce\xb2", "\xce\x91\xce\x92"), "1 0"},
              {Orders("\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89"), "1 0"}});
  // Integer conversion needs the whole text in the int range and keeps what it read.
  // Blanks and a sign may come first; on failure the value read so far is kept.
  ExpectRows({{Converted(" \t+12"), "1 12"},
              {Converted("12x"), "0 12"},
              {Converted("x1"), "0 0"},
              {Converted(""), "0 0"},
              {Converted("2147483647"), "1 2147483647"},
              {Converted("-2147483648"), "1 -2147483648"},
              {Converted("2147483648"), "0 2147483647"},
              {Converted("-2147483649"), "0 -2147483648"},
              // An earlier range error does not make a later conversion fail.
              {(errno = ERANGE, Converted("5")), "1 5"}});
}

TEST(ORVUtilities, FreeTextEscapesSeparatorNewlineAndBackslashAndTranslationUndoesThem) {
  // A separator of several characters is matched whole, and only where it fits; an empty
  // separator matches nothing. Unknown escapes stand as written, a final backslash too.
  ExpectRows({{Format("a;b\nc\\d", ";"), "a\\_b\\nc\\\\d"},
              {Format("", ";"), "\\0"},
              {Format("a|||b", "||"), "a\\_|b"},
              {Format("a;b\n", ""), "a;b\\n"},
              {Translate("", ";"), ""},
              {Translate("\\_", "<->"), "<->"},
              {Translate("\\x\\0y", ";"), "\\x\\0y"},
              {Translate("ab\\", ";"), "ab\\"},
              {Translate("\\_", ""), ""}});
  std::mt19937 random(1789);
  const std::string alphabet = ";|:,\n\\n_0ab \t\x01\xe9\0"s;
  for (int i = 0; i < 20000; ++i) {
    std::string separator = RandomText(random, alphabet, 3);
    if (separator.find_first_of("\\_") != std::string::npos) continue;  // refused separators
    std::string text = RandomText(random, alphabet, 40), formatted = Format(text, separator);
    SCOPED_TRACE("text \"" + text + "\" separator \"" + separator + "\" formatted " + formatted);
    ASSERT_EQ(Translate(formatted, separator), text);
    ASSERT_EQ(formatted.find('\n'), std::string::npos);
    // The escapes bring backslashes, "n", "_" and "0": a separator without them never shows.
    ASSERT_TRUE(separator.empty() || separator.find_first_of("\\n_0") != std::string::npos ||
                formatted.find(separator) == std::string::npos);
  }
  // Translating any text gives a text that round-trips.
  random.seed(1515);
  for (int i = 0; i < 100000; ++i) {
    std::string text = Translate(RandomText(random, "\\\\\\n_0;ab\n", 24), ";");
    ASSERT_EQ(Translate(Format(text, ";"), ";"), text);
  }
}

TEST(ORVUtilitiesDeathTest, SeparatorWithABackslashOrAnUnderscoreIsFatalForBothDirections) {
  // Checked even for the empty text, which needs no scan.
  ExpectFatals("src/ORVUtilities.cpp",
               {{[] { U::FormatFreeTextForProgram("", "\\"); }, "The field separator is \\"},
                {[] { U::FormatFreeTextForProgram("a_b", "_"); }, "The field separator is _"},
                {[] { U::TranslateFormattedForProgramFreeText("a", ";\\;"); },
                 "The field separator is ;\\;"}});
}

TEST(ORVUtilities, FailedCreationsAndQueriesRecordWhatFailedUnlessThePlatformDid) {
  ASSERT_EQ(PEVRegisterCreatableClass("ORVTestCircle", ORVTestCircle::ClassId(),
                                      []() -> PEVBaseUnknown* { return new ORVTestCircle(); }),
            0);
  const long kNotRegistered = PEV_REGDB_E_CLASSNOTREG;
  const std::string square = Guid(ORVTestSquare::ClassId()),
                    circle = Guid(ORVTestCircle::ClassId());
  ExpectRows(
      {// A null name is no class; the message shows it empty.
       {Created(static_cast<const char*>(nullptr), 0),
        Failed(kNotRegistered, "0500", "0503:  | 0")},
       {Created(ORVTestSquare::ClassId(), 3),
        Failed(kNotRegistered, "0500", "0501: " + square + " | 3")},
       {Created("NoSuchClass", 7), Failed(kNotRegistered, "0500", "0503: NoSuchClass | 7")}});
  const std::string text = LastErrorText(kNotRegistered);
  EXPECT_TRUE(text.find("!!!") == std::string::npos &&
              text.find("NoSuchClass") != std::string::npos)
      << text;
  // The platform's own code comes back, whatever it is.
  ORVTestShape outer;
  EXPECT_EQ(Created(ORVTestCircle::ClassId(), 0, &outer),
            Failed(PEV_CLASS_E_NOAGGREGATION, "0500", "0501: " + circle + " | 0"));

  // An error the platform recorded for the code stays the last error: only the look-up's
  // reference was added and given back.
  PEVError* platformError = new PEVError(0);
  platformError->SetReturnCode(kNotRegistered);
  PEVError::GetReturn(PEVReturnError, platformError, nullptr, __FILE__, __LINE__);
  void* made = nullptr;
  EXPECT_EQ(ORVUtilities::PEVCreateClassInstance("NoSuchClass", nullptr, 0, IID_IUnknown, &made),
            kNotRegistered);
  EXPECT_EQ(PEVError::PEVGetLastError(kNotRegistered, nullptr), platformError);
  EXPECT_EQ(platformError->Release(), 1u);
  // A pending failure of the library with the general failure code is not reported again.
  ASSERT_EQ(PEVRegisterCreatableClass("ORVTestNothing", ORVTestSquare::ClassId(),
                                      []() -> PEVBaseUnknown* { return nullptr; }),
            0);
  PEVError::GetReturn(PEVReturnError, NewError(PEV_E_FAIL), nullptr, __FILE__, __LINE__);
  EXPECT_EQ(Created("ORVTestNothing", 0), Failed(PEV_E_FAIL, "0500", "0503: ORVTestNothing | 0"));
  PEVUnregisterCreatableClass("ORVTestNothing");
  // Queries answer known interfaces only.
  ORVTestCircle* asked = new ORVTestCircle("asked");
  // The code of the query and the last error recorded for it, as described.
  const auto Queried = [&](const _GUID& iId, void** oResult) {
    long code = ORVUtilities::QueryInterface(*asked, iId, oResult);
    return std::to_string(code) + (code ? " " + DescribeLastError(code) : "");
  };
  void* result = nullptr;
  ASSERT_EQ(Queried(ORVTestShape::ClassId(), &result), "0");
  EXPECT_EQ(result, asked);
  EXPECT_EQ(asked->Release(), 1u);  // the query's reference
  ExpectRows({{Queried(ORVTestSquare::ClassId(), &result),
               Failed(PEV_E_NOINTERFACE, "0504", "0505: ORVTestCircle | " + square)},
              {Queried(IID_IUnknown, nullptr),
               Failed(PEV_E_POINTER, "0504", "0505: ORVTestCircle | " + Guid(IID_IUnknown))}});
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(asked->Release(), 0u);
  PEVUnregisterCreatableClass("ORVTestCircle");
  PEVError::PEVCleanLastError();
}

TEST(ORVUtilities, TerminalDisplaysGoGlobalAndCommandsReturnTheirStatusAndDisplayTheirLines) {
  {
    ORVGlobalObjectCleaner cleaner;
    ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
    EXPECT_EQ(std::to_string(cleaner.GetCount()) + " " + ORVMessageDisplay::GetGlobal()->IsA() +
                  " " + ORVErrorDisplay::GetGlobal()->IsA(),
              "2 ORVMessageDisplayToISO8859Term ORVErrorDisplayToISO8859Term");
  }
  // Released with the cleaner, they are no longer the global displays: the output of a
  // command has nowhere to go.
  ExpectFatal([] { ORVUtilities::ExecuteExternalCommand("echo line"); },
              "A global object displayer should have been set", "src/ORVMessageDisplay.cpp");
  ChildResult child = RunInChild([] {
    ORVGlobalObjectCleaner cleaner;
    ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
    ORVMessageDisplay::GetGlobal()->Display("a message", 1);
    ORVError* error = NewError(PEV_E_FAIL);
    ORVErrorDisplay::GetGlobal()->Display(*error);
    error->Release();
  });
  EXPECT_EQ(Ended(child), "1 0 a message\n");
  EXPECT_NE(child._Stderr.find("#ERR#"), std::string::npos) << child._Stderr;
  // Commands return their exit status and display every line in pieces of 1023 bytes.
  ORVGlobalObjectCleaner cleaner;
  auto* display = new ORVMessageDisplayToString();
  ORVGlobalObjectCleaner::Add(display);
  ORVMessageDisplay::SetGlobal(*display);
  // The exit status of iCommand, a space and the lines it displayed.
  const auto Run = [display](const ORVString& iCommand) {
    display->Clear();
    int status = ORVUtilities::ExecuteExternalCommand(iCommand);
    return std::to_string(status) + " " + Utf8(display->GetMessage());
  };
  const std::string piece(1023, '0');
  ExpectRows(
      {{Run("printf 'first\\n\\nthird\\n'; exit 3"), "3 first\n\nthird\n"},
       {Run("printf 'no newline'"), "0 no newline\n"},
       {Run("exit 255"), "255 "},
       {Run("orv-no-such-command-here 2>/dev/null"), "127 "},  // the shell's failure
       // Killed by a signal: 128 + its number.
       {Run("echo before; kill -9 $$"), "137 before\n"},
       {Run("printf '%03000d\\n' 0"), "0 " + piece + "\n" + piece + "\n" + piece.substr(69) + "\n"},
       // A line that fills the buffer exactly is one line, with no empty line after it.
       {Run("printf '%01023d\\n%02046d\\nend\\n' 0 0"),
        "0 " + piece + "\n" + piece + "\n" + piece + "\nend\n"}});
  // Without a free file descriptor popen cannot make its pipe: nothing is read.
  child = RunInChild([&] {
    // The same calls once with descriptors free: the sanitizers' type checks need a pipe
    // the first time they meet a class.
    ORVString command("echo never");
    Run("true");
    rlimit limit = {3, 3};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(10);
    for (int descriptor = 3; descriptor < 1024; ++descriptor)
      close(descriptor);
    _exit(Run(command) == "-1 " ? 0 : 11);
  });
  EXPECT_EQ(Ended(child), "1 0 ") << child._Stderr;
  // Pending standard output is written before the command runs, which writes to a copy of
  // standard output beside the captured output.
  child = RunInChild([] {
    if (dup2(1, 5) != 5) _exit(10);
    ORVStdout << "before ";
    ORVUtilities::ExecuteExternalCommand("echo direct >&5; echo captured");
    ORVStdout << "after" << endl;
  });
  EXPECT_EQ(Ended(child), "1 0 before direct\nafter\n");
}
