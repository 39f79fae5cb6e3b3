// Tests of PEVUnicodeString: UTF-8 in and out, Latin-1 fallback, case, order, numbers.
#include "PEVUnicodeString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SuiteHelpers.h"

namespace {

// The UTF-16 units of iText.
std::vector<int> Units(const PEVUnicodeString& iText) {
  std::vector<int> units;
  for (int index = 0; index < iText.GetLengthInChar(); ++index)
    units.push_back(iText[index]);
  return units;
}

}  // namespace

TEST(PEVUnicodeString, DecodesUtf8AndWideInputInvalidBytesAsLatin1AndEditsFormatsAndUpperCases) {
  PEVUnicodeString text("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");  // a, é, €, U+1F600
  EXPECT_EQ(Units(text), std::vector<int>({'a', 0xE9, 0x20AC, 0xD83D, 0xDE00}));
  EXPECT_EQ(Utf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  // A lone continuation byte, a truncated sequence, an overlong form and a surrogate.
  EXPECT_EQ(Units(PEVUnicodeString("\x80x\xC3\xC0\xAF\xED\xA0\x80")),
            std::vector<int>({0x80, 'x', 0xC3, 0xC0, 0xAF, 0xED, 0xA0, 0x80}));
  EXPECT_TRUE(PEVUnicodeString(static_cast<const char*>(nullptr)).IsEmpty());
  EXPECT_TRUE(PEVUnicodeString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
  // A length that cuts a sequence leaves its bytes as Latin-1 characters.
  EXPECT_EQ(PEVUnicodeString("\xC3\xA9", 1).GetLengthInChar(), 1);
  // Wide characters become surrogate pairs; invalid ones the replacement character, as a
  // lone surrogate does on the way out.
  EXPECT_EQ(Units(PEVUnicodeString(L"x\U0001F600")), std::vector<int>({'x', 0xD83D, 0xDE00}));
  const wchar_t invalid[] = {(wchar_t)0x110000, 0};
  EXPECT_EQ(Units(PEVUnicodeString(invalid)), std::vector<int>({0xFFFD}));
  const char16_t units[] = {u'a', 0xD800, u'b'};
  EXPECT_EQ(Utf8(PEVUnicodeString(units, 3)), "a\uFFFDb");
  // Append, concatenate, resize, format numbers and upper case.
  text = "ab";
  ((text += "c") += PEVUnicodeString("d")) += u'e';  // each appends and returns the string
  EXPECT_EQ(Utf8(text + PEVUnicodeString("f")), "abcdef");
  text = "reset";
  text.Resize(2);
  text.Resize(4);
  EXPECT_EQ(Units(text), std::vector<int>({'r', 'e', 0, 0}));
  text.Resize(-1);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(Utf8(text.BuildFromNum(-42, "%d")), "-42");
  EXPECT_EQ(Utf8(text.BuildFromNum(5, nullptr)), "5");
  EXPECT_EQ(text.BuildFromNum(1, "%080d").GetLengthInChar(), 80);
  // Upper case covers Latin, Greek and Cyrillic.
  text = PEVUnicodeString("abc\xC3\xA9\xC3\xBF\xC4\x81\xCE\xB1\xCF\x82\xD0\xB4\xD1\x91 1\xC3\xB7");
  text.ToUpper();
  EXPECT_EQ(Utf8(text), "ABC\xC3\x89\xC5\xB8\xC4\x80\xCE\x91\xCE\xA3\xD0\x94\xD0\x81 1\xC3\xB7");
}
