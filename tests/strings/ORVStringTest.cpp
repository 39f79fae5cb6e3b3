// Tests of ORVString: construction, growth of the storage, sharing and copy on write,
// reading, counted copies and appends, appends from the string's own characters,
// numbers, case conversion, resizing, class identity, the handler and the fatal checks.
#include "ORVString.h"

#include <climits>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "FatalReport.h"
#include "ORVGlobalObjectCleaner.h"

namespace {

const char kStringFile[] = "src/ORVString.cpp";

std::string Value(const ORVString& iString) {
  return std::string(iString.GetChars(), (std::size_t)iString.GetLength());
}

int Dimension(const ORVString& iString) {
  return iString.GetpBlockRfHndlr()->GetDimension();
}

unsigned long Sharers(const ORVString& iString) {
  return iString.GetpBlockRfHndlr()->GetRefCount();
}

// "ab", a NUL, then iTail.
ORVString WithEmbeddedNul(const char* iTail) {
  ORVString value("ab");
  value.Resize(3, '\0', 0);
  value += iTail;
  return value;
}

void ExpectStringFatal(const std::function<void()>& iBody, const std::string& iText,
                       const char* iFile = kStringFile) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        iBody();
      },
      testing::ExitedWithCode(255), FatalReportPattern(iText, iFile));
}

}  // namespace

TEST(ORVString, DefaultStringHasAnEmptyBlockOfThirtyTwo) {
  ORVString value;
  EXPECT_EQ(value.GetDefaultDimension(), 32);
  ASSERT_NE(value.GetpBlockRfHndlr(), nullptr);
  EXPECT_EQ(Dimension(value), 32);
  EXPECT_EQ(value.GetLength(), 0);
  EXPECT_STREQ(value.GetChars(), "");
}

TEST(ORVString, DimensionBelowOneStartsWithoutBlockAndAllocatesExactly) {
  ORVString value(0, 0);
  EXPECT_EQ(value.GetpBlockRfHndlr(), nullptr);
  ASSERT_NE(value.GetChars(), nullptr);
  EXPECT_STREQ(value.GetChars(), "");
  value += static_cast<const char*>(nullptr);  // nothing to append: still no block
  value.Concat("abc", 0);
  EXPECT_EQ(value.GetpBlockRfHndlr(), nullptr);
  value += "seven c";
  EXPECT_EQ(Dimension(value), 7);
  EXPECT_EQ(Value(value), "seven c");

  ORVString negative(-4, 99);
  EXPECT_EQ(negative.GetpBlockRfHndlr(), nullptr);
  negative.Copy("", -1);  // the empty value gets a block of 0 characters
  EXPECT_EQ(Dimension(negative), 0);
}

TEST(ORVString, GivenDimensionMakesABlockOfThatSize) {
  ORVString value(16, 1000);
  EXPECT_EQ(value.GetDefaultDimension(), 16);
  EXPECT_EQ(Dimension(value), 16);
}

TEST(ORVString, ConstructionFromTextRoundsUpToTheDefault) {
  ORVString text("abc");
  EXPECT_EQ(text.GetDefaultDimension(), 32);
  EXPECT_EQ(Dimension(text), 32);
  EXPECT_EQ(Value(text), "abc");

  ORVString fours("abcde", 4);
  EXPECT_EQ(fours.GetDefaultDimension(), 4);
  EXPECT_EQ(Dimension(fours), 8);

  ORVString null(static_cast<const char*>(nullptr));
  EXPECT_EQ(null.GetLength(), 0);
  EXPECT_EQ(Dimension(null), 32);
}

TEST(ORVString, GrowthDoublesOnceABlockExistsAndRoundsFromScratch) {
  ORVString value;
  value += std::string(40, 'a').c_str();
  EXPECT_EQ(Dimension(value), 64);
  value += std::string(60, 'b').c_str();
  EXPECT_EQ(value.GetLength(), 100);
  EXPECT_EQ(Dimension(value), 128);

  ORVString fresh(std::string(300, 'c').c_str());
  EXPECT_EQ(Dimension(fresh), 320);
  ORVString appended;
  appended += std::string(300, 'c').c_str();
  EXPECT_EQ(Dimension(appended), 320);
}

TEST(ORVString, ExactlyFullBlockGrowsOnTheNextUpdate) {
  ORVString full("abcd", 4);
  EXPECT_EQ(Dimension(full), 4);
  full.ToUpper();
  EXPECT_EQ(Dimension(full), 8);
  EXPECT_EQ(Value(full), "ABCD");

  ORVString other("abcd", 4);
  other += "e";
  EXPECT_EQ(Dimension(other), 8);
  EXPECT_EQ(Value(other), "abcde");
}

TEST(ORVString, CalcDimensionAppliesTheFirstRuleThatHolds) {
  EXPECT_EQ(ORVString::CalcDimension(10, 32, 40), 40);  // current suffices
  EXPECT_EQ(ORVString::CalcDimension(40, 32, 32), 64);  // doubling suffices
  EXPECT_EQ(ORVString::CalcDimension(64, 32, 32), 64);  // 64 is not above 64: rounded up
  EXPECT_EQ(ORVString::CalcDimension(100, 32, 32), 128);
  EXPECT_EQ(ORVString::CalcDimension(7, 0, 0), 7);  // no default: exactly
  EXPECT_EQ(ORVString::CalcDimension(7, -3, 0), 7);
  EXPECT_EQ(ORVString::CalcDimension(0, 32, 0), 32);  // nothing required: the default
  EXPECT_EQ(ORVString::CalcDimension(1, 32, 0), 32);
  EXPECT_EQ(ORVString::CalcDimension(32, 32, 0), 32);
  EXPECT_EQ(ORVString::CalcDimension(33, 32, 0), 64);
  EXPECT_EQ(ORVString::CalcDimension(INT_MAX, 0, 0), INT_MAX);
  EXPECT_EQ(ORVString::CalcDimension(INT_MAX - 31, 32, 0), INT_MAX - 31);
}

TEST(ORVStringDeathTest, GrowthBeyondIntIsFatal) {
  ExpectStringFatal([] { ORVString::CalcDimension(INT_MAX, 32, 0); }, "ORVString: size overflow");
  ExpectStringFatal([] { ORVString::CalcDimension(1500000000, 32, 1500000000); },
                    "ORVString: size overflow");
}

TEST(ORVString, CopiesShareTheBlockUntilOneIsChanged) {
  ORVString original("shared value");
  ORVString copy;
  copy = original;
  EXPECT_EQ(copy.GetpBlockRfHndlr(), original.GetpBlockRfHndlr());
  EXPECT_EQ(Sharers(original), 2u);
  copy += "!";
  EXPECT_EQ(Value(original), "shared value");
  EXPECT_EQ(Value(copy), "shared value!");
  EXPECT_NE(copy.GetpBlockRfHndlr(), original.GetpBlockRfHndlr());
  EXPECT_EQ(Sharers(original), 1u);
  EXPECT_EQ(Sharers(copy), 1u);
}

TEST(ORVString, CopyConstructionSharesAndTakesTheDefaultDimension) {
  ORVString original("abc", 8);
  {
    ORVString copy(original);
    EXPECT_EQ(copy.GetDefaultDimension(), 8);
    EXPECT_EQ(copy.GetpBlockRfHndlr(), original.GetpBlockRfHndlr());
    EXPECT_EQ(Sharers(original), 2u);
    EXPECT_TRUE(copy == original);
  }
  EXPECT_EQ(Sharers(original), 1u);
}

TEST(ORVString, EveryChangeOfASharedBlockLeavesTheOtherStringAlone) {
  ORVString original("abcdef", 4);
  ORVString copied(original);
  copied.Copy("xy", -1);
  EXPECT_EQ(Dimension(copied), 4);  // a fresh block for 2 characters
  ORVString resized(original);
  resized.Resize(2, ' ', 1);
  EXPECT_EQ(Value(resized), "ab");
  EXPECT_EQ(Dimension(resized), 4);
  ORVString upper(original);
  upper.ToUpper();
  ORVString lower(ORVString("ABC"));
  ORVString lowered(lower);
  lowered.ToLower();
  ORVString concatenated(original);
  concatenated.Concat(original, 3);
  EXPECT_EQ(Value(original), "abcdef");
  EXPECT_EQ(Value(copied), "xy");
  EXPECT_EQ(Value(upper), "ABCDEF");
  EXPECT_EQ(Value(lower), "ABC");
  EXPECT_EQ(Value(lowered), "abc");
  EXPECT_EQ(Value(concatenated), "abcdefabc");
  EXPECT_EQ(Sharers(original), 1u);
}

TEST(ORVString, AssignmentOfItselfOrOfAStringWithoutBlock) {
  ORVString value("same");
  ORVString& alias = value;
  value = alias;
  EXPECT_EQ(Value(value), "same");
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
}

TEST(ORVString, CompareWithNullLooksAtTheFirstCharacter) {
  EXPECT_EQ(ORVString().Compare(nullptr), 0);
  EXPECT_EQ(ORVString(0, 0).Compare(nullptr), 0);
  EXPECT_EQ(ORVString("a").Compare(nullptr), 1);
  EXPECT_EQ(WithEmbeddedNul("x").SubString(2, 2).Compare(nullptr), 0);  // a NUL first
}

TEST(ORVString, SubStringTakesTheCountedCharacters) {
  ORVString value("abcdef", 4);
  ORVString last = value.SubString(5, 1);
  EXPECT_EQ(Value(last), "f");
  EXPECT_EQ(last.GetDefaultDimension(), 4);
  EXPECT_EQ(Dimension(last), 4);
  EXPECT_TRUE(value.SubString(0, 6) == value);
  EXPECT_EQ(Value(value.SubString(1, 0)), "");
  EXPECT_EQ(Value(value.SubString(1, 5)), "bcdef");
  EXPECT_EQ(Dimension(value.SubString(1, 5)), 8);
  EXPECT_EQ(Value(WithEmbeddedNul("cd").SubString(1, 3)), std::string("b\0c", 3));
  EXPECT_EQ(Value(value), "abcdef");

  ORVString exact(std::string(5, 'z').c_str(), 0);
  EXPECT_EQ(Dimension(exact.SubString(0, 3)), 3);
}

TEST(ORVStringDeathTest, SubStringOutOfBoundsIsFatal) {
  const char bounds[] =
      "ORVString::SubString(): iStartPos >= _Length OR iStartPos + iNbCharsToExtract > _Length";
  ExpectStringFatal([] { ORVString().SubString(0, 0); }, bounds);
  ExpectStringFatal([] { ORVString(0, 0).SubString(0, 0); }, bounds);
  ExpectStringFatal([] { ORVString("abc").SubString(3, 0); }, bounds);
  ExpectStringFatal([] { ORVString("abc").SubString(1, 3); }, bounds);
  ExpectStringFatal([] { ORVString("abc").SubString(2, INT_MAX); }, bounds);
  ExpectStringFatal([] { ORVString("abc").SubString(INT_MAX, INT_MAX); }, bounds);
  const char negative[] = "ORVString::SubString(): iStartPos < 0 OR iNbCharsToExtract < 0";
  ExpectStringFatal([] { ORVString("abc").SubString(-1, 1); }, negative);
  ExpectStringFatal([] { ORVString("abc").SubString(0, -1); }, negative);
  ExpectStringFatal([] { ORVString("abc").SubString(INT_MIN, 2); }, negative);
}

TEST(ORVString, CopyCountsLikeTheUtilities) {
  ORVString value("old value");
  EXPECT_EQ(Value(value.Copy("abcdef", 3)), "abc");
  EXPECT_EQ(Value(value.Copy("ab", 5)), "ab");
  EXPECT_EQ(Value(value.Copy("abc", 0)), "");
  EXPECT_EQ(Value(value.Copy("abcdef", -1)), "abcdef");
  EXPECT_EQ(Value(value.Copy(static_cast<const char*>(nullptr), 4)), "");
  value = "assigned";
  EXPECT_EQ(Value(value), "assigned");
  value = static_cast<const char*>(nullptr);
  EXPECT_EQ(Value(value), "");
  EXPECT_EQ(value.GetChars()[0], '\0');

  ORVString source = WithEmbeddedNul("cd");
  EXPECT_EQ(Value(value.Copy(source, 4)), std::string("ab\0c", 4));
  EXPECT_EQ(Value(value.Copy(source, 100)), std::string("ab\0cd", 5));
  EXPECT_EQ(Value(value.Copy(source, 0)), "");
}

TEST(ORVString, ConcatCountsLikeCopy) {
  ORVString value("x");
  value.Concat("abcdef", 3).Concat("gh", 5).Concat("ij", 0).Concat("kl", -1);
  value.Concat(static_cast<const char*>(nullptr), 3);
  EXPECT_EQ(Value(value), "xabcghkl");
  value.Concat(WithEmbeddedNul("cd"), 4);
  EXPECT_EQ(Value(value), std::string("xabcghklab\0c", 12));
  value.Concat(ORVString("yz"), 100);
  EXPECT_EQ(Value(value), std::string("xabcghklab\0cyz", 14));
  EXPECT_EQ(value.GetChars()[14], '\0');
}

TEST(ORVString, OneCharacterAppendStoresInPlaceOnlyWhenItMay) {
  ORVString value("abc", 4);
  value.Concat("d", 1);  // 4 characters in a block of 4: grown first
  EXPECT_EQ(Dimension(value), 8);
  const char* buffer = value.GetChars();
  value.Concat("efg", 1);
  EXPECT_EQ(value.GetChars(), buffer);  // room left: stored where it is
  value.Concat("", 1);                  // a NUL is no character
  EXPECT_EQ(Value(value), "abcde");
  EXPECT_EQ(value.GetChars()[5], '\0');

  ORVString copy(value);
  copy.Concat("!", 1);
  EXPECT_EQ(Value(value), "abcde");
  EXPECT_EQ(Value(copy), "abcde!");
  EXPECT_NE(copy.GetpBlockRfHndlr(), value.GetpBlockRfHndlr());

  ORVString blockless(0, 0);
  blockless.Concat("z", 1);
  EXPECT_EQ(Value(blockless), "z");
  EXPECT_EQ(Dimension(blockless), 1);
  blockless.Concat(blockless.GetChars(), 1);  // exactly full and its own character
  EXPECT_EQ(Value(blockless), "zz");
}

TEST(ORVString, AppendingAStringTakesItsNuls) {
  ORVString value("<");
  value += WithEmbeddedNul("z");
  value += ">";
  value += static_cast<const char*>(nullptr);
  EXPECT_EQ(Value(value), std::string("<ab\0z>", 6));
}

TEST(ORVString, NumbersAppendTheirWholeDecimalForm) {
  ORVString value;
  value += -5;
  EXPECT_EQ(Value(value), "-5");
  value = "";
  value += 4294967295u;
  EXPECT_EQ(Value(value), "4294967295");
  value = "";
  value += LONG_MIN;
  EXPECT_EQ(Value(value), "-9223372036854775808");
  value = "";
  value += ULONG_MAX;
  EXPECT_EQ(Value(value), "18446744073709551615");
  value = "";
  value += INT_MIN;
  value += ' ';  // a char is a number: its code
  EXPECT_EQ(Value(value), "-214748364832");
}

TEST(ORVString, AppendingItselfReadsTheValueBeforeTheStorageMoves) {
  ORVString small("abc");
  small += small;
  EXPECT_EQ(Value(small), "abcabc");

  // 32 characters fill the block exactly: the append reallocates first.
  std::string full(32, 'q');
  full[0] = 'Q';
  ORVString growing(full.c_str());
  ORVString neighbour("allocated behind it, so that the buffer cannot grow in place");
  EXPECT_EQ(Dimension(growing), 32);
  growing += growing;
  EXPECT_EQ(Value(growing), full + full);
  EXPECT_EQ(Dimension(growing), 64);

  ORVString shared("abcd", 4);
  ORVString other(shared);
  shared += shared;
  EXPECT_EQ(Value(shared), "abcdabcd");
  EXPECT_EQ(Value(other), "abcd");
  EXPECT_EQ(Sharers(other), 1u);
}

TEST(ORVString, ConcatOfItsOwnCharactersReadsThemFirst) {
  ORVString value("abcd", 4);
  value.Concat(value, 2);
  EXPECT_EQ(Value(value), "abcdab");
  value.Concat(value.GetChars() + 1, 3);
  EXPECT_EQ(Value(value), "abcdabbcd");
  value.Concat(value.GetChars() + 5, -1);
  EXPECT_EQ(Value(value), "abcdabbcdbbcd");

  ORVString shared("wxyz", 4);
  ORVString other(shared);
  shared.Concat(shared.GetChars() + 2, 2);
  EXPECT_EQ(Value(shared), "wxyzyz");
  EXPECT_EQ(Value(other), "wxyz");
}

TEST(ORVString, CopyOfItsOwnCharactersReadsThemFirst) {
  ORVString tail("abcdef");
  tail.Copy(tail.GetChars() + 2, -1);
  EXPECT_EQ(Value(tail), "cdef");
  ORVString prefix("abcdef");
  prefix.Copy(prefix, 2);
  EXPECT_EQ(Value(prefix), "ab");

  ORVString full("abcd", 4);  // exactly full: the copy reallocates first
  ORVString neighbour("allocated behind it, so that the buffer cannot grow in place");
  full.Copy(full.GetChars(), 4);
  EXPECT_EQ(Value(full), "abcd");
  EXPECT_EQ(Dimension(full), 8);

  ORVString shared("abcdef");
  ORVString other(shared);
  shared.Copy(shared.GetChars() + 1, 3);
  EXPECT_EQ(Value(shared), "bcd");
  EXPECT_EQ(Value(other), "abcdef");
}

TEST(ORVString, CaseConversionStopsAtTheFirstNul) {
  ORVString value = WithEmbeddedNul("cd");
  value.ToUpper();
  EXPECT_EQ(Value(value), std::string("AB\0cd", 5));
  ORVString mixed("MiXeD 1-2 \xE9\xFF");
  mixed.ToLower();
  EXPECT_EQ(Value(mixed), "mixed 1-2 \xE9\xFF");  // the C locale leaves high bytes alone
  ORVString empty(0, 0);
  empty.ToUpper();
  EXPECT_EQ(Value(empty), "");
}

TEST(ORVString, ResizePadsCutsOrLeavesAlone) {
  ORVString value("abcd");
  value.Resize(2, 'x', 0);
  EXPECT_EQ(Value(value), "abcd");
  value.Resize(4, 'x', 1);
  EXPECT_EQ(Value(value), "abcd");
  value.Resize(6, 'x', 0);
  EXPECT_EQ(Value(value), "abcdxx");
  value.Resize(2, 'x', 1);
  EXPECT_EQ(Value(value), "ab");
  EXPECT_EQ(value.GetChars()[2], '\0');
  value.Resize(0, 'x', 1);
  EXPECT_EQ(Value(value), "");
  value.Resize(40, '-', 0);
  EXPECT_EQ(Value(value), std::string(40, '-'));
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

TEST(ORVString, ClassIdentity) {
  EXPECT_STREQ(ORVString::ClassName(), "ORVString");
  EXPECT_EQ(ORVString::MetaObject()->GetParent(), PEVBaseUnknown::MetaObject());
  EXPECT_EQ(ORVString::MetaObject()->GetInstanceSize(), sizeof(ORVString));
  ORVString value;
  const PEVBaseUnknown& object = value;
  EXPECT_STREQ(object.IsA(), "ORVString");
  EXPECT_EQ(object.GetMetaObject(), ORVString::MetaObject());
  EXPECT_TRUE(object.IsAKindOf("PEVBaseUnknown"));
  EXPECT_FALSE(object.IsAKindOf("ORVStringBlock"));
  EXPECT_EQ(ORVCheckedCast<ORVString>(&object), &value);
  EXPECT_EQ(ORVString::CreateItself(), nullptr);
}

TEST(ORVString, HandlerKeepsAHeapStringAlive) {
  ORVStringRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, new ORVString("held"));
  EXPECT_EQ(handler->GetLength(), 4);
  EXPECT_EQ(Value(*handler), "held");
  ORVStringRfHndlr copy(handler);
  EXPECT_EQ(handler->GetRefCount(), 2u);
  *copy += "!";  // the handlers share the object, not a value
  EXPECT_EQ(Value(*handler), "held!");
  PEVBaseUnknownRfHndlr root;
  root = copy;
  EXPECT_EQ(handler->GetRefCount(), 3u);
  EXPECT_EQ(handler.GetManagedMetaObject(), ORVString::MetaObject());
}

TEST(ORVStringDeathTest, HandlerRefusesAnotherClass) {
  ExpectStringFatal(
      [] {
        ORVStringRfHndlr handler;
        handler.Set(ORVRfHndlrAdopt, ORVCheckedCastToVar<ORVString>(new ORVStringBlock(1)));
      },
      "ORVConversionCheck::Check: object is not a \"ORVString\" but a \"ORVStringBlock\"",
      "src/ORVMacro.cpp");
  ExpectStringFatal([] { (void)new ORVStringRfHndlr(); }, "xxxRfHndlr::operator new",
                    "src/ORVRefHandler.cpp");
}
