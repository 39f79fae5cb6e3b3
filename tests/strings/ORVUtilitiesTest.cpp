// Tests of ORVUtilities' text operations: identifier texts, words, lengths, numeric
// formats, unicode comparisons, integer conversion and the one-line program form of free
// text, with random texts for the conversions and the escaping.
#include "ORVUtilities.h"

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

// What ConvertStringToInt must answer, worked out apart: blanks, a sign, at least one
// digit and nothing else, within the int range; oValue receives the number (the random
// texts are short enough for a long long).
bool IsIntText(const std::string& iText, long long& oValue) {
  std::size_t start = iText.find_first_not_of(" \t\n\v\f\r");
  if (start == std::string::npos) return false;
  std::size_t digits = start + (iText[start] == '+' || iText[start] == '-');
  if (digits == iText.size() || iText.find_first_not_of("0123456789", digits) != std::string::npos)
    return false;
  oValue = std::stoll(iText);
  return oValue >= INT_MIN && oValue <= INT_MAX;
}

// A random text from an alphabet rich in the characters the escaping cares about.
std::string RandomText(std::mt19937& ioRandom, const std::string& iAlphabet, int iMaxLength) {
  std::string text;
  int length = std::uniform_int_distribution<int>(0, iMaxLength)(ioRandom);
  std::uniform_int_distribution<std::size_t> pick(0, iAlphabet.size() - 1);
  for (int i = 0; i < length; ++i)
    text += iAlphabet[pick(ioRandom)];
  return text;
}

}  // namespace

TEST(ORVUtilities, GUIDTextWordsCountsNumberWidthsAndUnicodeComparisons) {
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
              {Orders("abc", "abc"), "0 0"},
              {Orders("ab", "abc"), "-1 -1"},
              {Orders("Zeta", "alpha"), "-1 1"},
              {Orders("", ""), "0 0"},
              {Orders("abc", "ABC"), "1 0"},
              {Orders("abc", "ABD"), "1 -1"},
              {Orders("\xce\xb1\xce\xb2", "\xce\x91\xce\x92"), "1 0"},
              {Orders("\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89"), "1 0"}});
}

TEST(ORVUtilities, IntegerConversionNeedsTheWholeTextInTheIntRangeAndKeepsWhatItRead) {
  // Successes on short texts are the random test's; here the values kept on failure.
  ExpectRows({{Converted("12x"), "0 12"},
              {Converted(""), "0 0"},
              {Converted("2147483647"), "1 2147483647"},
              {Converted("-2147483648"), "1 -2147483648"},
              {Converted("2147483648"), "0 2147483647"},
              {Converted("-2147483649"), "0 -2147483648"},
              {Converted("99999999999999999999999"), "0 2147483647"},
              // An earlier range error does not make a later conversion fail.
              {(errno = ERANGE, Converted("5")), "1 5"}});
  std::mt19937 random(20040229);
  int successes = 0;
  for (int i = 0; i < 100000; ++i) {
    std::string text = RandomText(random, "0123456789000999+- \tx", 14);
    int value = -1;
    long long expected = 0;
    unsigned int converted = U::ConvertStringToInt(text.c_str(), value);
    ASSERT_EQ(converted, IsIntText(text, expected) ? 1u : 0u) << "\"" << text << "\"";
    ASSERT_EQ(converted ? value : expected, expected) << "\"" << text << "\"";
    successes += converted;
  }
  EXPECT_GT(successes, 5000);
}

TEST(ORVUtilities, FreeTextEscapesSeparatorNewlineAndBackslashAndTranslationUndoesThem) {
  // A separator of several characters is matched whole, and only where it fits; an empty
  // separator matches nothing. Unknown escapes stand as written, a final backslash too.
  ExpectRows({{Format("a;b\nc\\d", ";"), "a\\_b\\nc\\\\d"},
              {Format("", ";"), "\\0"},
              {Format("0", ";"), "0"},
              {Format("a|||b", "||"), "a\\_|b"},
              {Format("a|", "||"), "a|"},
              {Format("a;b\n", ""), "a;b\\n"},
              {Translate("a\\_b\\nc\\\\d", ";"), "a;b\nc\\d"},
              {Translate("\\0", ";"), ""},
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
