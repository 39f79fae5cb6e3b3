// Tests of the character data classes: named values that may be set once, their
// upper-case kind, and the fixed character buffer.
#include "ORVCharData.h"

#include <gtest/gtest.h>

#include <cstring>

#include "ORVFixedCharBuffer.h"
#include "ORVUpperCharData.h"
#include "StringsTestSupport.h"

TEST(ORVCharData, StartsUndefinedOrDefinedWithTheValue) {
  ORVCharData undefined("colour", 0);
  EXPECT_EQ(ValueOf(undefined.GetName()), "colour");
  EXPECT_FALSE(undefined.IsDefined());
  ORVCharData defined("colour", "red", 1);
  EXPECT_TRUE(defined.IsDefined());
  EXPECT_EQ(ValueOf(defined.GetValue()), "red");
}

TEST(ORVCharData, SetsAgainUnlessSetOnce) {
  ORVCharData value("size", 0);
  value.SetValue("small");
  value.SetValue("large");
  EXPECT_EQ(ValueOf(value.GetValue()), "large");
  value.SetValue(nullptr);
  EXPECT_TRUE(value.IsDefined());
  EXPECT_EQ(ValueOf(value.GetValue()), "");

  ORVCharData once("size", 1);
  once.SetValue("small");  // the first setting of a set-once value is allowed
  EXPECT_EQ(ValueOf(once.GetValue()), "small");
}

TEST(ORVCharDataDeathTest, ReadingUndefinedOrSettingTwiceIsFatal) {
  ExpectFatal(
      [] {
        ORVCharData value("colour", 0);
        value.GetValue();
      },
      "ORVCharData::GetValue(): colour: The value must be defined", "src/ORVCharData.cpp");
  ExpectFatal(
      [] {
        ORVCharData value("colour", "red", 1);
        value.SetValue("blue");
      },
      "ORVCharData::SetValue(): colour: The value is already defined", "src/ORVCharData.cpp");
}

TEST(ORVUpperCharData, StoresUpperCase) {
  ORVUpperCharData built("code", "abc", 0);
  EXPECT_EQ(ValueOf(built.GetValue()), "ABC");
  built.SetValue("x-y 1");
  EXPECT_EQ(ValueOf(built.GetValue()), "X-Y 1");
  EXPECT_EQ(ORVUpperCharData::MetaObject()->GetParent(), ORVCharData::MetaObject());
}

TEST(ORVUpperCharDataDeathTest, KeepsTheSetOnceRule) {
  ExpectFatal(
      [] {
        ORVUpperCharData value("code", "abc", 1);
        value.SetValue("def");
      },
      "ORVCharData::SetValue(): code: The value is already defined", "src/ORVCharData.cpp");
}

TEST(ORVFixedCharBuffer, CopiesATextWithItsNul) {
  ORVFixedCharBuffer text("hello");
  EXPECT_EQ(text.GetSize(), 6);
  EXPECT_STREQ(text.GetChars(), "hello");
  ORVFixedCharBuffer none(static_cast<const char*>(nullptr));
  EXPECT_EQ(none.GetChars(), nullptr);
  EXPECT_EQ(none.GetSize(), 0);
}

TEST(ORVFixedCharBuffer, CopiesBytesWithoutAddingANul) {
  const char data[] = {'a', '\0', 'b'};
  ORVFixedCharBuffer bytes(data, 3);
  ASSERT_EQ(bytes.GetSize(), 3);
  EXPECT_EQ(memcmp(bytes.GetChars(), data, 3), 0);
  ORVFixedCharBuffer empty(data, 0);
  EXPECT_EQ(empty.GetChars(), nullptr);
  EXPECT_EQ(empty.GetSize(), 0);
  ORVFixedCharBuffer nothingToCopy(nullptr, 0);
  EXPECT_EQ(nothingToCopy.GetChars(), nullptr);
}

TEST(ORVFixedCharBuffer, AllocatesAnEmptyTextOfTheSize) {
  ORVFixedCharBuffer buffer(16);
  ASSERT_EQ(buffer.GetSize(), 16);
  EXPECT_STREQ(buffer.GetChars(), "");
  strcpy(buffer.GetChars(), "fifteen chars..");  // the buffer is the user's to write
  EXPECT_STREQ(buffer.GetChars(), "fifteen chars..");
  ORVFixedCharBuffer none(0);
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
