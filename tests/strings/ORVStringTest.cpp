// Tests of ORVString: construction, growth of the storage, sharing and copy on write,
// reading, counted copies and appends, appends from the string's own characters,
// numbers, case conversion, resizing, class identity, the handler and the fatal checks.
#include "ORVString.h"

#include <climits>
#include <functional>
#include <string>

#include "StringsTestSupport.h"

namespace {

const char kStringFile[] = "src/ORVString.cpp";

int Dimension(const ORVString& iString) {
  return iString.GetpBlockRfHndlr()->GetDimension();
}

unsigned long Sharers(const ORVString& iString) {
  return iString.GetpBlockRfHndlr()->GetRefCount();
}

// "ab", a NUL, then iTail.
ORVString WithEmbeddedNul(const char* iTail) {
  return MakeString(std::string("ab\0", 3) + iTail);
}

void ExpectStringFatal(const std::function<void()>& iBody, const std::string& iText) {
  ExpectFatal(iBody, iText, kStringFile);
}

}  // namespace

TEST(ORVString, ConstructionTakesTheDefaultDimensionAndRoundsTheBlockUpToIt) {
  const std::string long300(300, 'c');
  const struct {
    ORVString _String;
    int _Default, _Dimension;
    std::string _Value;
  } cases[] = {
      {ORVString(), 32, 32, ""},
      {ORVString(16, 1000), 16, 16, ""},
      {ORVString("abc"), 32, 32, "abc"},
      {ORVString("abcde", 4), 4, 8, "abcde"},
      {ORVString(static_cast<const char*>(nullptr)), 32, 32, ""},
      {ORVString(long300.c_str()), 32, 320, long300},
  };
  for (const auto& example : cases) {
    SCOPED_TRACE(&example - cases);
    EXPECT_EQ(example._String.GetDefaultDimension(), example._Default);
    EXPECT_EQ(Dimension(example._String), example._Dimension);
    EXPECT_EQ(ValueOf(example._String), example._Value);
  }
}

TEST(ORVString, DimensionBelowOneStartsWithoutBlockAndAllocatesExactly) {
  ORVString value(0, 0);
  EXPECT_EQ(value.GetpBlockRfHndlr(), nullptr);
  EXPECT_STREQ(value.GetChars(), "");
  value += static_cast<const char*>(nullptr);  // nothing to append: still no block
  value.Concat("abc", 0);
  EXPECT_EQ(value.GetpBlockRfHndlr(), nullptr);
  value += "seven c";
  EXPECT_EQ(Dimension(value), 7);
  EXPECT_EQ(ValueOf(value), "seven c");

  ORVString negative(-4, 99);
  EXPECT_EQ(negative.GetpBlockRfHndlr(), nullptr);
  negative.Copy("", -1);  // the empty value gets a block of 0 characters
  EXPECT_EQ(Dimension(negative), 0);
}

TEST(ORVString, CalcDimensionAppliesTheFirstRuleThatHolds) {
  // {required, default, current, dimension}: the current suffices, doubling suffices, 64 is
  // not above 64 (rounded up), no default (exactly), nothing required (the default); a
  // growth step stops at the largest int: only a size that cannot be represented fails.
  const int M = INT_MAX, L = 1500000000, H = 1100000000;
  const int rows[][4] = {{10, 32, 40, 40},   {40, 32, 32, 64}, {64, 32, 32, 64},
                         {100, 32, 32, 128}, {7, 0, 0, 7},     {7, -3, 0, 7},
                         {0, 32, 0, 32},     {1, 32, 0, 32},   {32, 32, 0, 32},
                         {33, 32, 0, 64},    {M, 0, 0, M},     {M - 31, 32, 0, M - 31},
                         {M, 32, 0, M},      {L, 32, L, M},    {H + 1, 32, H, M}};
  for (const auto& row : rows)
    EXPECT_EQ(ORVString::CalcDimension(row[0], row[1], row[2]), row[3]) << row[0] << " " << row[2];
}

TEST(ORVString, CopiesShareTheBlockUntilEachIsChanged) {
  ORVString original("abcdef", 4);
  ORVString copied(original), resized(original), upper(original), appended(original), assigned;
  assigned = original;
  EXPECT_EQ(appended.GetDefaultDimension(), 4);  // a copy takes the default dimension too
  EXPECT_EQ(copied.GetpBlockRfHndlr(), original.GetpBlockRfHndlr());
  EXPECT_EQ(assigned.GetpBlockRfHndlr(), original.GetpBlockRfHndlr());
  {
    ORVString scoped(original);
    EXPECT_EQ(Sharers(original), 7u);
  }
  EXPECT_EQ(Sharers(original), 6u);
  appended.Concat(original, 3);
  copied.Copy("xy", -1);
  resized.Resize(2, ' ', 1);
  upper.ToUpper();
  assigned += "!";
  ORVString lowered(upper);
  lowered.ToLower();
  EXPECT_EQ(ValueOf(original) + "|" + ValueOf(copied) + "|" + ValueOf(resized) + "|" +
                ValueOf(upper) + "|" + ValueOf(appended) + "|" + ValueOf(assigned) + "|" +
                ValueOf(lowered),
            "abcdef|xy|ab|ABCDEF|abcdefabc|abcdef!|abcdef");
  EXPECT_EQ(Dimension(copied), 4);  // a fresh block for 2 characters
  EXPECT_EQ(Dimension(resized), 4);
  EXPECT_EQ(Sharers(original), 1u);
  EXPECT_EQ(Sharers(assigned), 1u);
}

TEST(ORVString, AssignmentOfItselfOrOfAStringWithoutBlock) {
  ORVString value("same");
  ORVString& alias = value;
  value = alias;
  EXPECT_EQ(ValueOf(value), "same");
  EXPECT_EQ(Sharers(value), 1u);

  ORVString target("old", 8);
  ORVString blockless(0, 0);
  target = blockless;
  EXPECT_EQ(target.GetLength(), 0);
  EXPECT_EQ(Dimension(target), 8);  // its own default, for the empty value
  EXPECT_EQ(blockless.GetpBlockRfHndlr(), nullptr);
  ORVString copyOfBlockless(blockless);
  ASSERT_NE(copyOfBlockless.GetpBlockRfHndlr(), nullptr);
  EXPECT_EQ(copyOfBlockless.GetLength(), 0);
}

TEST(ORVString, EqualityComparesAllBytesAndCompareStopsAtTheFirstNul) {
  ORVString first = WithEmbeddedNul("cd");
  ORVString second = WithEmbeddedNul("ce");
  EXPECT_EQ(first.GetLength(), 5);
  EXPECT_FALSE(first == second);
  EXPECT_TRUE(first != second);
  EXPECT_TRUE(first == WithEmbeddedNul("cd"));
  EXPECT_EQ(first.Compare("ab"), 0);
  EXPECT_EQ(second.Compare("ab"), 0);
  EXPECT_FALSE(ORVString("ab") == first);  // same characters up to the NUL, other length
  EXPECT_LT(ORVString("abc").Compare("abd"), 0);
  EXPECT_GT(ORVString("abd").Compare("abc"), 0);
  // Against null only the first character counts.
  EXPECT_EQ(ORVString().Compare(nullptr), 0);
  EXPECT_EQ(ORVString(0, 0).Compare(nullptr), 0);
  EXPECT_EQ(ORVString("a").Compare(nullptr), 1);
  EXPECT_EQ(WithEmbeddedNul("x").SubString(2, 2).Compare(nullptr), 0);  // a NUL first
}

TEST(ORVString, SubStringTakesTheCountedCharacters) {
  ORVString value("abcdef", 4);
  ORVString last = value.SubString(5, 1);
  EXPECT_EQ(ValueOf(last), "f");
  EXPECT_EQ(last.GetDefaultDimension(), 4);
  EXPECT_EQ(Dimension(last), 4);
  EXPECT_TRUE(value.SubString(0, 6) == value);
  EXPECT_EQ(ValueOf(value.SubString(1, 0)), "");
  EXPECT_EQ(ValueOf(value.SubString(1, 5)), "bcdef");
  EXPECT_EQ(Dimension(value.SubString(1, 5)), 8);
  EXPECT_EQ(ValueOf(WithEmbeddedNul("cd").SubString(1, 3)), std::string("b\0c", 3));
  ORVString exact(std::string(5, 'z').c_str(), 0);
  EXPECT_EQ(Dimension(exact.SubString(0, 3)), 3);
}

TEST(ORVStringDeathTest, SubStringOutOfBoundsIsFatal) {
  const char bounds[] =
      "ORVString::SubString(): iStartPos >= _Length OR iStartPos + iNbCharsToExtract > _Length";
  const char negative[] = "ORVString::SubString(): iStartPos < 0 OR iNbCharsToExtract < 0";
  ExpectStringFatal([] { ORVString().SubString(0, 0); }, bounds);
  ExpectStringFatal([] { ORVString(0, 0).SubString(0, 0); }, bounds);
  // {start, count} on "abc".
  const int rows[][2] = {{3, 0},  {1, 3},  {2, INT_MAX}, {INT_MAX, INT_MAX},
                         {-1, 1}, {0, -1}, {INT_MIN, 2}};
  for (const auto& row : rows)
    ExpectStringFatal([&] { ORVString("abc").SubString(row[0], row[1]); },
                      row[0] < 0 || row[1] < 0 ? negative : bounds);
}

TEST(ORVString, CopyCountsLikeTheUtilities) {
  ORVString value("old value");
  EXPECT_EQ(ValueOf(value.Copy("abcdef", 3)), "abc");
  EXPECT_EQ(ValueOf(value.Copy("ab", 5)), "ab");
  EXPECT_EQ(ValueOf(value.Copy("abc", 0)), "");
  EXPECT_EQ(ValueOf(value.Copy("abcdef", -1)), "abcdef");
  EXPECT_EQ(ValueOf(value.Copy(static_cast<const char*>(nullptr), 4)), "");
  EXPECT_EQ(ValueOf(value = "assigned"), "assigned");
  EXPECT_EQ(ValueOf(value = static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(value.GetChars()[0], '\0');
  ORVString source = WithEmbeddedNul("cd");
  EXPECT_EQ(ValueOf(value.Copy(source, 4)), std::string("ab\0c", 4));
  EXPECT_EQ(ValueOf(value.Copy(source, 100)), std::string("ab\0cd", 5));
  EXPECT_EQ(ValueOf(value.Copy(source, 0)), "");
}

TEST(ORVString, ConcatCountsLikeCopyAndAppendingAStringTakesItsNuls) {
  ORVString value("x");
  value.Concat("abcdef", 3).Concat("gh", 5).Concat("ij", 0).Concat("kl", -1);
  EXPECT_EQ(ValueOf(value.Concat(static_cast<const char*>(nullptr), 3)), "xabcghkl");
  EXPECT_EQ(ValueOf(value.Concat(WithEmbeddedNul("cd"), 4)), std::string("xabcghklab\0c", 12));
  EXPECT_EQ(ValueOf(value.Concat(ORVString("yz"), 100)), std::string("xabcghklab\0cyz", 14));
  EXPECT_EQ(value.GetChars()[14], '\0');

  ORVString appended("<");
  appended += WithEmbeddedNul("z");
  appended += ">";
  EXPECT_EQ(ValueOf(appended += static_cast<const char*>(nullptr)), std::string("<ab\0z>", 6));
}

TEST(ORVString, OneCharacterAppendStoresInPlaceOnlyWhenItMay) {
  ORVString value("abc", 4);
  value.Concat("d", 1);  // 4 characters in a block of 4: grown first
  EXPECT_EQ(Dimension(value), 8);
  const char* buffer = value.GetChars();
  value.Concat("efg", 1);
  EXPECT_EQ(value.GetChars(), buffer);  // room left: stored where it is
  value.Concat("", 1);                  // a NUL is no character
  EXPECT_EQ(ValueOf(value), "abcde");
  EXPECT_EQ(value.GetChars()[5], '\0');

  ORVString copy(value);
  copy.Concat("!", 1);
  EXPECT_EQ(ValueOf(value), "abcde");
  EXPECT_EQ(ValueOf(copy), "abcde!");

  ORVString blockless(0, 0);
  EXPECT_EQ(ValueOf(blockless.Concat("z", 1)), "z");
  EXPECT_EQ(Dimension(blockless), 1);
  blockless.Concat(blockless.GetChars(), 1);  // exactly full and its own character
  EXPECT_EQ(ValueOf(blockless), "zz");
}

TEST(ORVString, NumbersAppendTheirWholeDecimalForm) {
  auto appended = [](auto iNumber) {
    ORVString text("<");
    text += iNumber;
    return ValueOf(text);
  };
  EXPECT_EQ(appended(-5), "<-5");
  EXPECT_EQ(appended(INT_MIN), "<-2147483648");
  EXPECT_EQ(appended(4294967295u), "<4294967295");
  EXPECT_EQ(appended(LONG_MIN), "<-9223372036854775808");
  EXPECT_EQ(appended(ULONG_MAX), "<18446744073709551615");
  EXPECT_EQ(appended(' '), "<32");  // a char is a number: its code
}

TEST(ORVString, AppendingItselfReadsTheValueBeforeTheStorageMoves) {
  ORVString small("abc");
  EXPECT_EQ(ValueOf(small += small), "abcabc");

  // 32 characters fill the block exactly: the append reallocates first.
  std::string full(32, 'q');
  full[0] = 'Q';
  ORVString growing(full.c_str());
  ORVString neighbour("allocated behind it, so that the buffer cannot grow in place");
  EXPECT_EQ(Dimension(growing), 32);
  EXPECT_EQ(ValueOf(growing += growing), full + full);
  EXPECT_EQ(Dimension(growing), 64);

  ORVString shared("abcd", 4);
  ORVString other(shared);
  EXPECT_EQ(ValueOf(shared += shared), "abcdabcd");
  EXPECT_EQ(ValueOf(other), "abcd");
  EXPECT_EQ(Sharers(other), 1u);
}

TEST(ORVString, ConcatOfItsOwnCharactersReadsThemFirst) {
  ORVString value("abcd", 4);
  EXPECT_EQ(ValueOf(value.Concat(value, 2)), "abcdab");
  EXPECT_EQ(ValueOf(value.Concat(value.GetChars() + 1, 3)), "abcdabbcd");
  EXPECT_EQ(ValueOf(value.Concat(value.GetChars() + 5, -1)), "abcdabbcdbbcd");

  ORVString shared("wxyz", 4);
  ORVString other(shared);
  EXPECT_EQ(ValueOf(shared.Concat(shared.GetChars() + 2, 2)), "wxyzyz");
  EXPECT_EQ(ValueOf(other), "wxyz");
}

TEST(ORVString, CopyOfItsOwnCharactersReadsThemFirst) {
  ORVString tail("abcdef"), prefix("abcdef");
  EXPECT_EQ(ValueOf(tail.Copy(tail.GetChars() + 2, -1)), "cdef");
  EXPECT_EQ(ValueOf(prefix.Copy(prefix, 2)), "ab");

  ORVString full("abcd", 4);  // exactly full: the copy reallocates first
  ORVString neighbour("allocated behind it, so that the buffer cannot grow in place");
  EXPECT_EQ(ValueOf(full.Copy(full.GetChars(), 4)), "abcd");
  EXPECT_EQ(Dimension(full), 8);

  ORVString shared("abcdef");
  ORVString other(shared);
  EXPECT_EQ(ValueOf(shared.Copy(shared.GetChars() + 1, 3)), "bcd");
  EXPECT_EQ(ValueOf(other), "abcdef");
}

TEST(ORVString, CaseConversionStopsAtTheFirstNul) {
  ORVString value = WithEmbeddedNul("cd");
  value.ToUpper();
  EXPECT_EQ(ValueOf(value), std::string("AB\0cd", 5));
  ORVString mixed("MiXeD 1-2 \xE9\xFF");
  mixed.ToLower();
  EXPECT_EQ(ValueOf(mixed), "mixed 1-2 \xE9\xFF");  // the C locale leaves high bytes alone
  ORVString empty(0, 0);
  empty.ToUpper();
  EXPECT_EQ(ValueOf(empty), "");
}

TEST(ORVString, ResizePadsCutsOrLeavesAlone) {
  ORVString value("abcd");
  const struct {
    int _Length;
    char _Fill;
    unsigned int _AllowShrink;
    std::string _Expected;
  } steps[] = {{2, 'x', 0, "abcd"}, {4, 'x', 1, "abcd"}, {6, 'x', 0, "abcdxx"},
               {2, 'x', 1, "ab"},   {0, 'x', 1, ""},     {40, '-', 0, std::string(40, '-')}};
  for (const auto& step : steps) {
    value.Resize(step._Length, step._Fill, step._AllowShrink);
    EXPECT_EQ(ValueOf(value), step._Expected) << "after Resize(" << step._Length << ")";
    EXPECT_EQ(value.GetChars()[value.GetLength()], '\0');
  }
  EXPECT_EQ(Dimension(value), 64);
}

TEST(ORVStringDeathTest, NegativeCountsAndLengthsAreFatal) {
  ExpectStringFatal([] { ORVString("abc").Copy(ORVString("x"), -1); },
                    "ORVString::Copy(const ORVString&, int): iNbChars < 0");
  ExpectStringFatal([] { ORVString("abc").Concat(ORVString("x"), -2); },
                    "ORVString::Concat(const ORVString&, int): iNbChars < 0");
  ExpectStringFatal([] { ORVString("abc").Resize(-1, 'x', 1); },
                    "ORVString::Resize(): iNewLength < 0");
  ExpectStringFatal([] { ORVString("abc").Resize(-1, 'x', 0); },
                    "ORVString::Resize(): iNewLength < 0");
}

TEST(ORVStringDeathTest, HandlerRefusesAnotherClass) {
  ExpectFatal(
      [] {
        ORVStringRfHndlr handler;
        handler.Set(ORVRfHndlrAdopt, ORVCheckedCastToVar<ORVString>(new ORVStringBlock(1)));
      },
      "ORVConversionCheck::Check: object is not a \"ORVString\" but a \"ORVStringBlock\"",
      "src/ORVMacro.cpp");
  ExpectFatal([] { (void)new ORVStringRfHndlr(); }, "xxxRfHndlr::operator new",
              "src/ORVRefHandler.cpp");
}

TEST(ORVString, AHandlerSharesTheHeapStringItHolds) {
  ORVStringRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, new ORVString("held"));
  EXPECT_EQ(handler.GetManagedMetaObject(), ORVString::MetaObject());
  ORVStringRfHndlr copy(handler);
  EXPECT_EQ(handler->GetRefCount(), 2u);
  *copy += "!";  // the handlers share the object, not a value
  EXPECT_EQ(ValueOf(*handler), "held!");
}
