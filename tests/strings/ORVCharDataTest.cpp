// Tests of the character data classes: named values that may be set once, their
// upper-case kind, and the fixed character buffer.
#include "ORVCharData.h"

#include <gtest/gtest.h>

#include <cstring>

#include "ORVFixedCharBuffer.h"
#include "ORVUpperCharData.h"
#include "StringsTestSupport.h"

TEST(ORVCharData, StartsUndefinedOrDefinedAndSetsAgainUnlessSetOnce) {
  ORVCharData value("size", 0);
  EXPECT_EQ(ValueOf(value.GetName()), "size");
  EXPECT_FALSE(value.IsDefined());
  value.SetValue("small");
  value.SetValue("large");
  EXPECT_EQ(ValueOf(value.GetValue()), "large");
  value.SetValue(nullptr);
  EXPECT_TRUE(value.IsDefined());
  EXPECT_EQ(ValueOf(value.GetValue()), "");

  ORVCharData defined("colour", "red", 1);
  EXPECT_TRUE(defined.IsDefined());
  EXPECT_EQ(ValueOf(defined.GetValue()), "red");
  ORVCharData once("size", 1);
  once.SetValue("small");  // the first setting of a set-once value is allowed
  EXPECT_EQ(ValueOf(once.GetValue()), "small");
  // The upper-case kind stores upper case.
  ORVUpperCharData upper("code", "abc", 0);
  EXPECT_EQ(ValueOf(upper.GetValue()), "ABC");
  upper.SetValue("x-y 1");
  EXPECT_EQ(ValueOf(upper.GetValue()), "X-Y 1");
}

TEST(ORVCharDataDeathTest, ReadingUndefinedOrSettingTwiceIsFatal) {
  const char kFile[] = "src/ORVCharData.cpp";
  ExpectFatal([] { ORVCharData("colour", 0).GetValue(); },
              "ORVCharData::GetValue(): colour: The value must be defined", kFile);
  ExpectFatal([] { ORVCharData("colour", "red", 1).SetValue("blue"); },
              "ORVCharData::SetValue(): colour: The value is already defined", kFile);
  ExpectFatal([] { ORVUpperCharData("code", "abc", 1).SetValue("def"); },
              "ORVCharData::SetValue(): code: The value is already defined", kFile);
}

TEST(ORVFixedCharBuffer, CopiesATextWithItsNulOrBytesWithout) {
  ORVFixedCharBuffer text("hello"), none(static_cast<const char*>(nullptr));
  EXPECT_EQ(text.GetSize(), 6);
  EXPECT_STREQ(text.GetChars(), "hello");
  EXPECT_EQ(none.GetChars(), nullptr);
  EXPECT_EQ(none.GetSize(), 0);
  const char data[] = {'a', '\0', 'b'};
  ORVFixedCharBuffer bytes(data, 3), empty(data, 0), nothingToCopy(nullptr, 0);
  ASSERT_EQ(bytes.GetSize(), 3);
  EXPECT_EQ(memcmp(bytes.GetChars(), data, 3), 0);
  EXPECT_EQ(empty.GetChars(), nullptr);
  EXPECT_EQ(empty.GetSize(), 0);
  EXPECT_EQ(nothingToCopy.GetChars(), nullptr);
}

TEST(ORVFixedCharBuffer, AllocatesAnEmptyTextOfTheSize) {
  ORVFixedCharBuffer buffer(16), none(0);
  ASSERT_EQ(buffer.GetSize(), 16);
  EXPECT_STREQ(buffer.GetChars(), "");
  strcpy(buffer.GetChars(), "fifteen chars..");  // the buffer is the user's to write
  EXPECT_STREQ(buffer.GetChars(), "fifteen chars..");
  EXPECT_EQ(none.GetChars(), nullptr);
  EXPECT_EQ(none.GetSize(), 0);
}

TEST(ORVFixedCharBufferDeathTest, RefusesNegativeSizesAndNullData) {
  const char kFile[] = "src/ORVFixedCharBuffer.cpp";
  ExpectFatal([] { ORVFixedCharBuffer buffer(-1); }, "ORVFixedCharBuffer(int): iSize < 0", kFile);
  ExpectFatal([] { ORVFixedCharBuffer buffer("abc", -2); },
              "ORVFixedCharBuffer(const char*, int): iSize < 0", kFile);
  ExpectFatal([] { ORVFixedCharBuffer buffer(nullptr, 4); },
              "ORVFixedCharBuffer(const char*, int): iData is NULL", kFile);
}
