// Tests of the character data classes: named values that may be set once, their
// upper-case kind, and the fixed character buffer.
#include "ORVCharData.h"

#include "StringsTestSupport.h"

namespace {

// The size and the first iNbChars bytes of the buffer, or "-" for none.
const auto Bytes = [](const ORVFixedCharBuffer& b, int iNbChars) {
  return std::to_string(b.GetSize()) + ":" +
         (b.GetChars() ? std::string(b.GetChars(), iNbChars) : "-");
};

}  // namespace

TEST(ORVCharData, StartsUndefinedOrDefinedAndSetsAgainUnlessSetOnce) {
  ORVCharData value("size", 0), defined("colour", "red", 1), once("size", 1);
  ORVUpperCharData upper("code", "abc", 0);  // the upper-case kind stores upper case
  EXPECT_EQ(std::to_string(value.IsDefined()) + std::to_string(defined.IsDefined()), "01");
  value.SetValue("small");
  once.SetValue("small");  // the first setting of a set-once value is allowed
  ExpectRows(
      {{Values(value.GetName(), defined.GetValue(), once.GetValue(), upper.GetValue()),
        "size|red|small|ABC|"},
       {(value.SetValue("large"), ValueOf(value.GetValue())), "large"},
       {(value.SetValue(nullptr), ValueOf(value.GetValue()) + std::to_string(value.IsDefined())),
        "1"},
       {(upper.SetValue("x-y 1"), ValueOf(upper.GetValue())), "X-Y 1"}});
}

TEST(ORVFixedCharBuffer, CopiesATextWithItsNulOrBytesWithoutOrAllocatesAnEmptyText) {
  const char data[] = {'a', '\0', 'b'};
  ORVFixedCharBuffer buffer(16);
  strcpy(buffer.GetChars(), "fifteen chars..");  // the buffer is the user's to write
  ExpectRows({{Bytes(ORVFixedCharBuffer("hello"), 6), std::string("6:hello", 8)},
              {Bytes(ORVFixedCharBuffer(static_cast<const char*>(nullptr)), 0), "0:-"},
              {Bytes(ORVFixedCharBuffer(data, 3), 3), std::string("3:a\0b", 5)},
              {Bytes(ORVFixedCharBuffer(data, 0), 0), "0:-"},
              {Bytes(ORVFixedCharBuffer(nullptr, 0), 0), "0:-"},
              {Bytes(ORVFixedCharBuffer(16), 1), std::string("16:", 4)},
              {Bytes(ORVFixedCharBuffer(0), 0), "0:-"},
              {Bytes(buffer, 16), std::string("16:fifteen chars..", 19)}});
}

TEST(ORVCharDataDeathTest, ReadingUndefinedSettingTwiceOrBadBufferSizesAreFatal) {
  ExpectFatals("src/ORVCharData.cpp",
               {{[] { ORVCharData("colour", 0).GetValue(); },
                 "ORVCharData::GetValue(): colour: The value must be defined"},
                {[] { ORVCharData("colour", "red", 1).SetValue("blue"); },
                 "ORVCharData::SetValue(): colour: The value is already defined"},
                {[] { ORVUpperCharData("code", "abc", 1).SetValue("def"); },
                 "ORVCharData::SetValue(): code: The value is already defined"}});
  ExpectFatals(
      "src/ORVFixedCharBuffer.cpp",
      {{[] { ORVFixedCharBuffer(-1); }, "ORVFixedCharBuffer(int): iSize < 0"},
       {[] { ORVFixedCharBuffer("abc", -2); }, "ORVFixedCharBuffer(const char*, int): iSize < 0"},
       {[] { ORVFixedCharBuffer(nullptr, 4); },
        "ORVFixedCharBuffer(const char*, int): iData is NULL"}});
}
