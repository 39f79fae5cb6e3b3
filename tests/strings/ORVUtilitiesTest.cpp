// Tests of ORVUtilities' text operations: identifier texts, words, lengths, numeric
// formats, unicode comparisons, integer conversion and the one-line program form of free
// text, with random texts for the conversions and the escaping.
#include "ORVUtilities.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>
#include <tuple>

#include "StringsTestSupport.h"

namespace {

const char kFile[] = "src/ORVUtilities.cpp";

std::string Format(const std::string& iText, const std::string& iSeparator) {
  return ValueOf(ORVUtilities::FormatFreeTextForProgram(MakeString(iText), MakeString(iSeparator)));
}

std::string Translate(const std::string& iFormatted, const std::string& iSeparator) {
  return ValueOf(ORVUtilities::TranslateFormattedForProgramFreeText(MakeString(iFormatted),
                                                                    MakeString(iSeparator)));
}

// Words -1 to 4 of iText, joined by "|".
std::string Words(const char* iText, char iSeparator) {
  std::string words;
  for (int index = -1; index <= 4; ++index)
    words += ValueOf(ORVUtilities::GetWord(iText, index, iSeparator)) + (index < 4 ? "|" : "");
  return words;
}

// "converted value" of each text, joined by "|"; the value is 99 before each conversion.
std::string Conversions(std::initializer_list<const char*> iTexts) {
  std::string results;
  for (const char* text : iTexts) {
    int value = 99;
    unsigned int converted = ORVUtilities::ConvertStringToInt(text, value);
    results +=
        (results.empty() ? "" : "|") + std::to_string(converted) + " " + std::to_string(value);
  }
  return results;
}

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

TEST(ORVUtilities, GUIDTextIsUpperCaseHexadecimalInBraces) {
  _GUID guid = {0x0123ABCDu, 0x00EF, 0xA1B2, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
  _GUID zero = {};
  _GUID full = {0xFFFFFFFFu, 0xFFFF, 0xFFFF, {255, 255, 255, 255, 255, 255, 255, 255}};
  EXPECT_EQ(ValueOf(ORVUtilities::ConvertGUIDToString(guid)) + " " +
                ValueOf(ORVUtilities::ConvertGUIDToString(zero)) + " " +
                ValueOf(ORVUtilities::ConvertGUIDToString(full)),
            "{0123ABCD-00EF-A1B2-0123-456789ABCDEF} {00000000-0000-0000-0000-000000000000} "
            "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");
}

TEST(ORVUtilities, WordsAreRunsBetweenSeparators) {
  EXPECT_EQ(Words("  a  bb c", ' '), "||a|bb|c|");  // none before the first or after the last
  EXPECT_EQ(Words("x,,y,", ','), "||x|y||");
  EXPECT_EQ(Words("whole", ' '), "||whole|||");
  EXPECT_EQ(Words("   ", ' '), "|||||");
  EXPECT_EQ(Words("", ' '), "|||||");
  EXPECT_EQ(Words(nullptr, ' '), "|||||");
}

TEST(ORVUtilities, CountsAndNumberWidths) {
  // Three characters and no terminating NUL: a read past them is a fault under asan.
  static const char unterminated[3] = {'x', 'y', 'z'};
  const std::tuple<const char*, int, int> counts[] = {
      {"abcdef", 3, 3}, {"abcdef", -1, 6}, {"abcdef", 0, 0},     {"abcdef", 100, 6},
      {nullptr, 5, 0},  {nullptr, -1, 0},  {unterminated, 3, 3}, {unterminated, 2, 2}};
  for (const auto& [text, maximum, count] : counts)
    EXPECT_EQ(ORVUtilities::GetNbChars(text, maximum), count) << maximum;
  // The widths count the sign.
  const int widths[][2] = {{0, 1}, {250, 3}, {-5, 2}, {INT_MAX, 10}, {INT_MIN, 11}};
  for (const auto& width : widths)
    EXPECT_EQ(ORVUtilities::GetIntAsStrSize(width[0]), width[1]) << width[0];
  const std::tuple<int, char, const char*> formats[] = {
      {250, '0', "%03d"}, {250, ' ', "%3d"}, {-5, '0', "%02d"}, {7, '0', "%01d"}};
  for (const auto& [number, fill, format] : formats)
    EXPECT_EQ(ValueOf(ORVUtilities::GetListItemIdxFormat(number, fill)), format);
  std::string format = ValueOf(ORVUtilities::GetListItemIdxFormat(1000, '0'));
  char numbered[16];
  snprintf(numbered, sizeof numbered, format.c_str(), 42);
  EXPECT_STREQ(numbered, "0042");
}

TEST(ORVUtilities, UnicodeComparisonsOrderByUnitsAndIgnoreCaseOnRequest) {
  // {first, second, with case, without case}; beyond ASCII, Greek and Latin-1 letters
  // compare apart from case too.
  const std::tuple<const char*, const char*, int, int> rows[] = {
      {"abc", "abd", -1, -1},
      {"abd", "abc", 1, 1},
      {"abc", "abc", 0, 0},
      {"ab", "abc", -1, -1},
      {"Zeta", "alpha", -1, 1},
      {"alpha", "Zeta", 1, -1},
      {"", "", 0, 0},
      {"abc", "ABC", 1, 0},
      {"abc", "ABD", 1, -1},
      {"\xce\xb1\xce\xb2", "\xce\x91\xce\x92", 1, 0},
      {"\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89", 1, 0}};
  for (const auto& [first, second, withCase, withoutCase] : rows) {
    EXPECT_EQ(ORVUtilities::CompareUnicodeStrings(first, second), withCase) << first << second;
    EXPECT_EQ(ORVUtilities::CompareUnicodeStringsNoCase(first, second), withoutCase)
        << first << second;
  }
}

TEST(ORVUtilities, IntegerConversionNeedsTheWholeTextInTheIntRangeAndKeepsWhatItRead) {
  EXPECT_EQ(Conversions({"42", "-7", "+3", " 8", "8 ", "12x", "", "0x10", "-"}),
            "1 42|1 -7|1 3|1 8|0 8|0 12|0 0|0 0|0 0");
  EXPECT_EQ(Conversions({"2147483647", "-2147483648", "2147483648", "-2147483649",
                         "99999999999999999999999", "-99999999999999999999999"}),
            "1 2147483647|1 -2147483648|0 2147483647|0 -2147483648|0 2147483647|0 -2147483648");
  // An earlier range error does not make a later conversion fail.
  errno = ERANGE;
  EXPECT_EQ(Conversions({"5"}), "1 5");
}

TEST(ORVUtilities, IntegerConversionAgreesWithTheDigitsOnRandomTexts) {
  std::mt19937 random(20040229);
  int successes = 0;
  for (int i = 0; i < 100000; ++i) {
    std::string text = RandomText(random, "0123456789000999+- \tx", 14);
    int value = -1;
    long long expected = 0;
    unsigned int converted = ORVUtilities::ConvertStringToInt(text.c_str(), value);
    ASSERT_EQ(converted, IsIntText(text, expected) ? 1u : 0u) << "\"" << text << "\"";
    if (!converted) continue;
    ++successes;
    ASSERT_EQ(value, expected) << "\"" << text << "\"";
  }
  EXPECT_GT(successes, 5000);
}

TEST(ORVUtilities, FreeTextEscapesSeparatorNewlineAndBackslashAndTranslationUndoesThem) {
  // {text, separator, formatted}. A separator of several characters is matched whole, and
  // only where it fits; an empty separator matches nothing.
  const char* const formats[][3] = {{"a;b\nc\\d", ";", "a\\_b\\nc\\\\d"},
                                    {"", ";", "\\0"},
                                    {"0", ";", "0"},
                                    {"end\\", ";", "end\\\\"},
                                    {"a|||b", "||", "a\\_|b"},
                                    {"a|", "||", "a|"},
                                    {"||", "||", "\\_"},
                                    {"a;b\n", "", "a;b\\n"}};
  for (const auto& row : formats)
    EXPECT_EQ(Format(row[0], row[1]), row[2]) << row[0];
  // {formatted, separator, text}: unknown escapes stand as written, a final backslash too.
  const char* const translations[][3] = {{"a\\_b\\nc\\\\d", ";", "a;b\nc\\d"},
                                         {"\\0", ";", ""},
                                         {"", ";", ""},
                                         {"\\_", "<->", "<->"},
                                         {"\\x\\0y", ";", "\\x\\0y"},
                                         {"ab\\", ";", "ab\\"},
                                         {"\\", ";", "\\"},
                                         {"\\_", "", ""}};
  for (const auto& row : translations)
    EXPECT_EQ(Translate(row[0], row[1]), row[2]) << row[0];
}

TEST(ORVUtilities, FreeTextRoundTripHoldsForRandomTextsAndSeparators) {
  std::mt19937 random(1789);
  const std::string alphabet(";|:,\n\\n_0ab \t\x01\xe9\0", 16);
  for (int i = 0; i < 20000; ++i) {
    std::string separator = RandomText(random, alphabet, 3);
    if (separator.find_first_of("\\_") != std::string::npos) continue;  // refused separators
    std::string text = RandomText(random, alphabet, 40);
    std::string formatted = Format(text, separator);
    ASSERT_EQ(Translate(formatted, separator), text)
        << "text \"" << text << "\" separator \"" << separator << "\" formatted " << formatted;
    ASSERT_EQ(formatted.find('\n'), std::string::npos) << formatted;
    // The escapes bring backslashes, "n", "_" and "0": a separator without them never shows.
    if (!separator.empty() && separator.find_first_of("\\n_0") == std::string::npos) {
      ASSERT_EQ(formatted.find(separator), std::string::npos)
          << "text \"" << text << "\" separator \"" << separator << "\"";
    }
  }
}

TEST(ORVUtilities, TranslatingAnyTextGivesATextThatRoundTrips) {
  std::mt19937 random(1515);
  const std::string alphabet = "\\\\\\n_0;ab\n";
  for (int i = 0; i < 100000; ++i) {
    std::string formatted = RandomText(random, alphabet, 24);
    std::string text = Translate(formatted, ";");
    ASSERT_EQ(Translate(Format(text, ";"), ";"), text) << formatted;
  }
}

TEST(ORVUtilitiesDeathTest, BackslashSeparatorIsFatalForBothDirections) {
  const char report[] = "The field separator is \\";
  ExpectFatal([] { ORVUtilities::FormatFreeTextForProgram("text", "\\"); }, report, kFile);
  ExpectFatal([] { ORVUtilities::TranslateFormattedForProgramFreeText("text", "\\"); }, report,
              kFile);
  // Even for the empty text, which needs no scan.
  ExpectFatal([] { ORVUtilities::FormatFreeTextForProgram("", "\\"); }, report, kFile);
  // A separator holding either character would come back in the escapes.
  ExpectFatal([] { ORVUtilities::FormatFreeTextForProgram("a_b", "_"); },
              "The field separator is _", kFile);
  ExpectFatal([] { ORVUtilities::TranslateFormattedForProgramFreeText("a", ";\\;"); },
              "The field separator is ;\\;", kFile);
}
