// Tests of ORVString and its block: construction, growth of the storage, sharing and copy on
// write, reading, counted copies and appends, appends from the string's own characters,
// numbers, case conversion, resizing, the handler and the fatal checks; and of the
// character data classes: named values that may be set once, their upper-case kind, and
// the fixed character buffer.
#include "ORVString.h"

#include "StringsTestSupport.h"

namespace {

const auto Dim = [](const ORVString& s) { return s.GetpBlockRfHndlr()->GetDimension(); };
const auto Refs = [](const ORVString& s) { return s.GetpBlockRfHndlr()->GetRefCount(); };
// The value, "/" and the dimension of the block, or "-" without block; "!" after the value
// that is not followed by a NUL.
const auto Show = [](const ORVString& s) {
  return ValueOf(s) + (s.GetChars()[s.GetLength()] ? "!/" : "/") +
         (s.GetpBlockRfHndlr() ? std::to_string(Dim(s)) : "-");
};
const auto Abc = [] { return ORVString("abc"); };
// "ab", a NUL, then iTail.
const auto Nul = [](const char* iTail) { return MakeString("ab\0"s + iTail); };
// The dimension, ":" and the first iNbChars characters of the block with the NUL after them.
const auto Buffer = [](const ORVStringBlock& b, int iNbChars) {
  return std::to_string(b.GetDimension()) + ":" + std::string(b.GetBuffer(), iNbChars + 1);
};
// Allocated behind a string, so that its buffer cannot grow in place.
const char kNeighbour[] = "allocated behind it, so that the buffer cannot grow in place";

// The size and the first iNbChars bytes of the buffer, or "-" for none.
const auto Bytes = [](const ORVFixedCharBuffer& b, int iNbChars) {
  return std::to_string(b.GetSize()) + ":" +
         (b.GetChars() ? std::string(b.GetChars(), iNbChars) : "-");
};

}  // namespace

TEST(ORVString, ConstructionGrowthAndBlocksTakeTheDimensionNeededAndReAllocKeepsWhatFits) {
  ExpectRows({{Show(ORVString()), "/32"},
              {Show(ORVString(16, 1000)), "/16"},
              {Show(ORVString("abc")), "abc/32"},
              {Show(ORVString("abcde", 4)), "abcde/8"},
              // Below one: no block, and then a block of exactly the characters.
              {Show(ORVString(0, 0).Concat("abc", 0)), "/-"},
              {Show(ORVString(0, 0) += "seven c"), "seven c/7"},
              {Show(ORVString(-4, 99).Copy("", -1)), "/0"}});
  // {required, default, current, dimension}: the current suffices, doubling suffices, 64 is
  // not above 64 (rounded up), no default (exactly), nothing required (the default); a
  // growth step stops at the largest int: only a size that cannot be represented fails.
  const int M = INT_MAX, L = 1500000000;
  const int rows[][4] = {{10, 32, 40, 40},        {40, 32, 32, 64}, {64, 32, 32, 64},
                         {100, 32, 32, 128},      {7, 0, 0, 7},     {0, 32, 0, 32},
                         {32, 32, 0, 32},         {33, 32, 0, 64},  {M, 0, 0, M},
                         {M - 31, 32, 0, M - 31}, {M, 32, 0, M},    {L, 32, L, M}};
  for (const auto& row : rows)
    EXPECT_EQ(ORVString::CalcDimension(row[0], row[1], row[2]), row[3]) << row[0] << " " << row[2];
  // A block is at least as large as its text, and ReAlloc keeps what fits.
  ORVStringBlock block(4, "abcd", 4);
  ExpectRows({{Buffer(ORVStringBlock(10, "abcdef", 3), 3), "10:abc\0"s},
              {Buffer(ORVStringBlock(2, "abcdef", 5), 5), "5:abcde\0"s},
              {Buffer(ORVStringBlock(0, "a\0b", 3), 3), "3:a\0b\0"s},
              {Buffer(ORVStringBlock(4, nullptr, 0), 0), "4:\0"s},
              {(block.ReAlloc(1000), Buffer(block, 4)), "1000:abcd\0"s},
              {(block.ReAlloc(2), Buffer(block, 2)), "2:ab\0"s}});
}

TEST(ORVString, CopiesShareTheBlockUntilChangedEqualityTakesAllBytesAndCompareStopsAtANul) {
  ORVString original("abcdef", 4);
  ORVString copied(original), resized(original), upper(original), appended(original), assigned;
  assigned = original;
  EXPECT_EQ(Refs(ORVString(original)), 7ul);  // with a temporary copy
  EXPECT_EQ(Refs(original), 6ul);
  // Fresh blocks of the copies' default dimension; the original is alone again.
  ExpectRows({{Show(appended.Concat(original, 3)), "abcdefabc/12"},
              {Show(copied.Copy("xy", -1)), "xy/4"},
              {(resized.Resize(2, ' ', 1), Show(resized)), "ab/4"},
              {(upper.ToUpper(), Show(upper)), "ABCDEF/8"},
              {Show(assigned += "!"), "abcdef!/32"},  // its own default
              {Show(original) + " " + std::to_string(Refs(original)), "abcdef/8 1"}});
  ORVString& alias = original;
  ORVString target("old", 8), blockless(0, 0);
  ExpectRows({{std::to_string(Refs(original = alias)), "1"},  // itself
              {Show(target = blockless), "/8"},  // the empty value, in a block of its default
              {Show(blockless), "/-"},
              {Show(ORVString(blockless)), "/0"}});
  // Equality compares all bytes, Compare stops at the first NUL and SubString counts.
  const ORVString first = Nul("cd");
  // "ab" has the same characters up to the NUL, but another length.
  EXPECT_TRUE(first != Nul("ce") && first == Nul("cd") && first == ORVString(first) &&
              !(ORVString("ab") == first));
  // Against null only the first character counts.
  EXPECT_EQ(
      std::make_tuple(first.Compare("ab"), ORVString("abc").Compare("abd") < 0,
                      ORVString("abd").Compare("abc") > 0, ORVString(0, 0).Compare(nullptr),
                      ORVString("a").Compare(nullptr), first.SubString(2, 2).Compare(nullptr)),
      std::make_tuple(0, true, true, 0, 1, 0));
  ORVString value("abcdef", 4), exact("zzzzz", 0);
  ExpectRows({{Show(value.SubString(5, 1)), "f/4"},
              {Show(value.SubString(1, 0)), "/4"},
              {Show(Nul("cd").SubString(1, 3)), "b\0c/32"s},
              {Show(exact.SubString(0, 3)), "zzz/3"}});
}

TEST(ORVString, CopyAndConcatCountAlikeTakeNulsAppendInPlaceWhenTheyMayAndReadOwnCharactersFirst) {
  const ORVString source = Nul("cd");
  const auto Both = [](auto iText, int iCount) {
    return Show(ORVString("old").Copy(iText, iCount)) + " " +
           Show(ORVString("x").Concat(iText, iCount));
  };
  ExpectRows({{Both("abcdef", 3), "abc/32 xabc/32"},
              {Both("ab", 5), "ab/32 xab/32"},
              {Both(static_cast<const char*>(nullptr), 4), "/32 x/32"},
              {Both(source, 4), "ab\0c/32 xab\0c/32"s},
              {Both(source, 100), "ab\0cd/32 xab\0cd/32"s},
              {Both(source, 0), "/32 x/32"}});
  ORVString assigned("x"), appended("<"), numbers("<");
  ExpectRows({{Show(assigned = "assigned"), "assigned/32"},
              {Show(assigned = static_cast<const char*>(nullptr)), "/32"},
              {Show((appended += Nul("z")) += ">"), "<ab\0z>/32"s},
              {Show(appended += static_cast<const char*>(nullptr)), "<ab\0z>/32"s},
              // Numbers append their whole decimal form; a char is a number: ' ' is 32.
              {Show(((((numbers += -5) += INT_MIN) += 4294967295u) += LONG_MIN) += ULONG_MAX),
               "<-5-21474836484294967295-922337203685477580818446744073709551615/128"},
              {ValueOf(numbers += ' ').substr(64), "32"}});
  // One-character appends store in place only when they may.
  ORVString value("abc", 4), blockless(0, 0);
  EXPECT_EQ(Show(value.Concat("d", 1)), "abcd/8");  // 4 characters in a block of 4: grown first
  const char* buffer = value.GetChars();
  value.Concat("efg", 1);
  EXPECT_EQ(value.GetChars(), buffer);  // room left: stored where it is
  value.Concat("", 1);                  // a NUL is no character
  ORVString copy(value);
  copy.Concat("!", 1);
  ExpectRows({{std::string(value.GetChars(), 6), "abcde\0"s},
              {ValueOf(copy), "abcde!"},
              {Show(blockless.Concat("z", 1)), "z/1"},
              // Exactly full and its own character.
              {Show(blockless.Concat(blockless.GetChars(), 1)), "zz/2"}});
  // Appending or copying its own characters reads them before the storage moves; 32
  // characters fill the block exactly: the append reallocates first.
  const std::string full = "Q" + std::string(31, 'q');
  ORVString small("abc"), growing(full.c_str()), neighbour(kNeighbour);
  ORVString shared("abcd", 4), other(shared), own("abcd", 4), wxyz("wxyz", 4), otherWxyz(wxyz);
  ORVString tail("abcdef"), prefix("abcdef"), abcdef("abcdef"), otherAbcdef(abcdef);
  ExpectRows({{Show(small += small), "abcabc/32"},
              {Show(growing += growing), full + full + "/64"},
              {Show(shared += shared), "abcdabcd/8"},
              {Show(other) + " " + std::to_string(Refs(other)), "abcd/4 1"},
              {ValueOf(own.Concat(own, 2)), "abcdab"},
              {ValueOf(own.Concat(own.GetChars() + 1, 3)), "abcdabbcd"},
              {Values(wxyz.Concat(wxyz.GetChars() + 2, 2), otherWxyz), "wxyzyz|wxyz|"},
              {ValueOf(tail.Copy(tail.GetChars() + 2, -1)), "cdef"},
              {Values(abcdef.Copy(abcdef.GetChars() + 1, 3), otherAbcdef), "bcd|abcdef|"}});
  ORVString exact("abcd", 4), behind(kNeighbour);  // exactly full: the copy reallocates first
  EXPECT_EQ(Show(exact.Copy(exact.GetChars(), 4)), "abcd/8");
}

TEST(ORVString, CaseConversionStopsAtTheFirstNulResizeFitsAndAHandlerSharesItsString) {
  ORVString value = Nul("cd"), mixed("MiXeD 1-2 \xE9\xFF"), empty(0, 0);
  value.ToUpper();
  mixed.ToLower();  // the C locale leaves high bytes alone
  empty.ToUpper();
  EXPECT_EQ(Values(value, mixed, empty), "AB\0cd|mixed 1-2 \xE9\xFF||"s);
  ORVString text("abcd");
  // {length, fill, shrink allowed, value}
  const std::tuple<int, char, unsigned int, std::string> steps[] = {
      {2, 'x', 0, "abcd"}, {4, 'x', 1, "abcd"}, {6, 'x', 0, "abcdxx"},
      {2, 'x', 1, "ab"},   {0, 'x', 1, ""},     {40, '-', 0, std::string(40, '-')}};
  for (const auto& [length, fill, shrink, expected] : steps) {
    text.Resize(length, fill, shrink);
    EXPECT_EQ(std::string(text.GetChars(), text.GetLength() + 1), expected + '\0') << length;
  }
  EXPECT_EQ(Dim(text), 64);
  ORVStringRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, new ORVString("held"));
  ORVStringRfHndlr copy(handler);
  *copy += "!";  // the handlers share the object, not a value
  EXPECT_EQ(
      std::make_tuple(handler.GetManagedMetaObject(), handler->GetRefCount(), ValueOf(*handler)),
      std::make_tuple(ORVString::MetaObject(), 2ul, "held!"));
}

TEST(ORVStringDeathTest, OutOfBoundsNegativeCountsAndOtherClassesAreFatal) {
  const std::string bounds =
      "ORVString::SubString(): iStartPos >= _Length OR iStartPos + iNbCharsToExtract > _Length";
  const std::string negative = "ORVString::SubString(): iStartPos < 0 OR iNbCharsToExtract < 0";
  ExpectFatals(
      "src/ORVString.cpp",
      {{[] { ORVString(0, 0).SubString(0, 0); }, bounds},
       {[] { Abc().SubString(3, 0); }, bounds},
       {[] { Abc().SubString(1, 3); }, bounds},
       {[] { Abc().SubString(2, INT_MAX); }, bounds},
       {[] { Abc().SubString(-1, 1); }, negative},
       {[] { Abc().SubString(0, -1); }, negative},
       {[] { Abc().Copy(Abc(), -1); }, "ORVString::Copy(const ORVString&, int): iNbChars < 0"},
       {[] { Abc().Concat(Abc(), -2); }, "ORVString::Concat(const ORVString&, int): iNbChars < 0"},
       {[] { Abc().Resize(-1, 'x', 0); }, "ORVString::Resize(): iNewLength < 0"}});
  const std::string block = "ORVStringBlock::ORVStringBlock(): ";
  ExpectFatals(
      "src/ORVStringBlock.cpp",
      {{[] { ORVStringBlock(-1); }, block + "iDimension < 0"},
       {[] { ORVStringBlock(4).ReAlloc(-2); }, "ORVStringBlock::ReAlloc(): iDimension < 0"},
       {[] { ORVStringBlock(4, "abc", -1); }, block + "iNbChars < 0"},
       {[] { ORVStringBlock(4, nullptr, 2); }, block + "iText is NULL"}});
  ExpectFatal([] { ORVCheckedCastToVar<ORVString>(new ORVStringBlock(1)); },
              "ORVConversionCheck::Check: object is not a \"ORVString\" but a \"ORVStringBlock\"",
              "src/ORVMacro.cpp");
  ExpectFatal([] { (void)new ORVStringRfHndlr(); }, "xxxRfHndlr::operator new",
              "src/ORVRefHandler.cpp");
  const std::string defined = ": The value is already defined";
  ExpectFatals("src/ORVCharData.cpp",
               {{[] { ORVCharData("colour", 0).GetValue(); },
                 "ORVCharData::GetValue(): colour: The value must be defined"},
                {[] { ORVCharData("colour", "red", 1).SetValue("blue"); },
                 "ORVCharData::SetValue(): colour" + defined},
                {[] { ORVUpperCharData("code", "abc", 1).SetValue("def"); },
                 "ORVCharData::SetValue(): code" + defined}});
  ExpectFatals(
      "src/ORVFixedCharBuffer.cpp",
      {{[] { ORVFixedCharBuffer(-1); }, "ORVFixedCharBuffer(int): iSize < 0"},
       {[] { ORVFixedCharBuffer("abc", -2); }, "ORVFixedCharBuffer(const char*, int): iSize < 0"},
       {[] { ORVFixedCharBuffer(nullptr, 4); },
        "ORVFixedCharBuffer(const char*, int): iData is NULL"}});
}

TEST(ORVCharData, ValuesMayBeSetOnceAndTheFixedBufferCopiesOrAllocates) {
  ORVCharData value("size", 0), defined("colour", "red", 1), once("size", 1);
  ORVUpperCharData upper("code", "abc", 0);  // the upper-case kind stores upper case
  // The first setting of a set-once value is allowed.
  ExpectRows(
      {{std::to_string(value.IsDefined()) + std::to_string(defined.IsDefined()), "01"},
       {(value.SetValue("small"), once.SetValue("small"),
         Values(value.GetName(), defined.GetValue(), once.GetValue(), upper.GetValue())),
        "size|red|small|ABC|"},
       {(value.SetValue("large"), ValueOf(value.GetValue())), "large"},
       {(value.SetValue(nullptr), ValueOf(value.GetValue()) + std::to_string(value.IsDefined())),
        "1"},
       {(upper.SetValue("x-y 1"), ValueOf(upper.GetValue())), "X-Y 1"}});
  // The fixed buffer copies a text with its NUL or bytes without, or allocates an empty text.
  const char data[] = {'a', '\0', 'b'};
  ORVFixedCharBuffer buffer(16);
  strcpy(buffer.GetChars(), "fifteen chars..");  // the buffer is the user's to write
  ExpectRows({{Bytes(ORVFixedCharBuffer("hello"), 6), std::string("6:hello", 8)},
              {Bytes(ORVFixedCharBuffer(static_cast<const char*>(nullptr)), 0), "0:-"},
              {Bytes(ORVFixedCharBuffer(data, 3), 3), std::string("3:a\0b", 5)},
              {Bytes(ORVFixedCharBuffer(nullptr, 0), 0), "0:-"},
              {Bytes(ORVFixedCharBuffer(16), 1), std::string("16:", 4)},
              {Bytes(ORVFixedCharBuffer(0), 0), "0:-"},
              {Bytes(buffer, 16), std::string("16:fifteen chars..", 19)}});
}
