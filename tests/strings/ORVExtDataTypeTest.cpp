// Tests of the external data types: DbNull rules of every holder, the setters from
// another value, shared storage of the string holder, the always-null constants, the
// class tree, and the fatal reads.
#include "ORVExtDataType.h"

#include <gtest/gtest.h>

#include <string>

#include "ORVDate.h"
#include "ORVExtAnyBoolean.h"
#include "ORVExtAnyChars.h"
#include "ORVExtAnyConstPointer.h"
#include "ORVExtAnyDate.h"
#include "ORVExtAnyInteger.h"
#include "ORVExtAnyString.h"
#include "ORVExtAnyVarPointer.h"
#include "ORVExtDbNullBoolean.h"
#include "ORVExtDbNullDate.h"
#include "ORVExtDbNullInteger.h"
#include "StringsTestSupport.h"
#include "TestClasses.h"

// An ORVExtChars of its own kind, to take the paths for other classes.
class ORVTestExtChars : public ORVExtChars {
  ORV_META_OBJECT(ORVTestExtChars)

public:
  explicit ORVTestExtChars(const char* iChars) : _pChars(iChars) {}
  unsigned int IsDbNull() const override { return _pChars == nullptr; }
  const char* GetChars() const override { return _pChars; }

private:
  const char* _pChars;
};
ORV_META_OBJECT_DEFINE(ORVTestExtChars, ORVExtChars)

namespace {

const char kDataTypeFile[] = "src/ORVExtDataType.cpp";

// The class names from iClass up to the root, joined by " < ".
std::string Ancestry(const PEVMetaClass* iClass) {
  std::string names;
  for (; iClass; iClass = iClass->GetParent())
    names += (names.empty() ? "" : " < ") + std::string(iClass->GetClassName());
  return names;
}

// SetExtInteger stores through the virtual SetInteger.
class ORVTestCountingInteger : public ORVExtAnyInteger {
public:
  void SetInteger(int iValue) override {
    ++_Calls;
    ORVExtAnyInteger::SetInteger(iValue);
  }
  int _Calls = 0;
};

}  // namespace

TEST(ORVExtAnyChars, IsDbNullForNullOrEmptyTextAndTakesAnotherValueOrItsNull) {
  EXPECT_TRUE(ORVExtAnyChars().IsDbNull());
  EXPECT_TRUE(ORVExtAnyChars("").IsDbNull());
  const char text[] = "abc";
  ORVExtAnyChars chars(text), copy(chars);
  EXPECT_FALSE(chars.IsDbNull());
  EXPECT_EQ(chars.GetChars(), text);  // the pointer itself, not a copy
  EXPECT_EQ(copy.GetChars(), text);
  ORVExtAnyString owned("xyz");
  ORVExtAnyChars fromString(static_cast<const ORVExtChars&>(owned));
  EXPECT_EQ(fromString.GetChars(), owned.GetChars());
  copy.SetExtChars(ORVExtAnyChars());
  EXPECT_TRUE(copy.IsDbNull());
  copy = chars;
  EXPECT_EQ(copy.GetChars(), text);
  chars.SetToDbNull();
  EXPECT_TRUE(chars.IsDbNull());
}

TEST(ORVExtAnyString, CopiesSharesStorageAndIsDbNullWhenEmpty) {
  char text[] = "abc";
  ORVExtAnyString copied(text);
  text[0] = 'X';
  EXPECT_STREQ(copied.GetChars(), "abc");  // a copy, not the pointer
  ORVExtAnyString shared(copied);
  EXPECT_EQ(shared.GetString().GetpBlockRfHndlr(), copied.GetString().GetpBlockRfHndlr());
  shared.String() += "d";
  EXPECT_STREQ(shared.GetChars(), "abcd");
  EXPECT_STREQ(copied.GetChars(), "abc");  // copy on write
  // From any other ORVExtChars: its characters.
  ORVTestExtChars other("other");
  ORVExtAnyString fromOther(other);
  EXPECT_STREQ(fromOther.GetChars(), "other");
  EXPECT_NE(fromOther.GetChars(), other.GetChars());

  ORVExtAnyString fromString(ORVString("v")), none;
  EXPECT_FALSE(fromString.IsDbNull());
  EXPECT_STREQ(fromString.GetChars(), "v");
  EXPECT_TRUE(none.IsDbNull());
  EXPECT_EQ(none.String().GetLength(), 0);
  fromOther.SetExtChars(ORVTestExtChars(nullptr));
  EXPECT_TRUE(fromOther.IsDbNull());
  fromOther.SetChars("w");
  fromOther.SetToDbNull();
  EXPECT_TRUE(fromOther.IsDbNull());
  fromOther.SetChars("w");
  fromOther.SetChars(nullptr);
  EXPECT_TRUE(fromOther.IsDbNull());
}

TEST(ORVExtAnyPointers, HoldTheObjectWithoutReference) {
  ORVTestShape shape("s");
  unsigned long references = shape.GetRefCount();
  ORVExtAnyConstPointer constant(&shape);
  ORVExtAnyVarPointer variable(&shape);
  EXPECT_EQ(shape.GetRefCount(), references);
  EXPECT_FALSE(constant.IsDbNull());
  EXPECT_EQ(&constant.GetConstRef(), &shape);
  EXPECT_EQ(&variable.GetVarRef(), &shape);
  EXPECT_EQ(variable.GetConstPointer(), &shape);
  ORVExtAnyConstPointer fromVariable(static_cast<const ORVExtPointer&>(variable));
  EXPECT_EQ(fromVariable.GetConstPointer(), &shape);
  ORVExtAnyVarPointer copy(variable);
  EXPECT_EQ(copy.GetVarPointer(), &shape);

  variable.SetToDbNull();
  EXPECT_TRUE(variable.IsDbNull());
  EXPECT_EQ(variable.GetVarPointer(), nullptr);  // unchecked read: null
  EXPECT_EQ(variable.GetConstPointer(), nullptr);
  copy.SetExtVarPointer(variable);
  EXPECT_TRUE(copy.IsDbNull());
  constant.SetExtConstPointer(ORVExtAnyConstPointer());
  EXPECT_TRUE(constant.IsDbNull());
  EXPECT_EQ(constant.GetConstPointer(), nullptr);
}

TEST(ORVExtAnyInteger, HoldsAValueOrDbNullAndTakesAnotherThroughSetInteger) {
  EXPECT_TRUE(ORVExtAnyInteger().IsDbNull());
  ORVExtAnyInteger zero(0);
  EXPECT_FALSE(zero.IsDbNull());  // 0 is a value, not null
  ORVExtAnyInteger copy(zero);
  EXPECT_EQ(copy.GetInteger(), 0);
  copy.SetExtInteger(ORVExtDbNullInteger());
  EXPECT_TRUE(copy.IsDbNull());
  ORVExtAnyInteger fromNull((ORVExtDbNullInteger()));
  EXPECT_TRUE(fromNull.IsDbNull());
  fromNull = zero;
  EXPECT_FALSE(fromNull.IsDbNull());
  ORVTestCountingInteger counting;
  counting.SetExtInteger(ORVExtAnyInteger(12));
  EXPECT_EQ(counting._Calls, 1);
  EXPECT_EQ(counting.GetInteger(), 12);
}

TEST(ORVExtAnyBoolean, HoldsAValueOrDbNull) {
  EXPECT_TRUE(ORVExtAnyBoolean().IsDbNull());
  ORVExtAnyBoolean no(0u);
  EXPECT_FALSE(no.IsDbNull());
  ORVExtAnyBoolean yes(static_cast<const ORVExtBoolean&>(ORVExtAnyBoolean(1u)));
  EXPECT_EQ(yes.GetBoolean(), 1u);
  yes.SetExtBoolean(ORVExtDbNullBoolean());
  EXPECT_TRUE(yes.IsDbNull());
  yes = no;
  EXPECT_EQ(yes.GetBoolean(), 0u);
}

TEST(ORVExtAnyDate, HoldsACopyOfTheDate) {
  ORVDate date(2001, 2, 3, 4, 5, 6);
  ORVExtAnyDate value(date);
  date.SetDate(1999, 1, 1, 0, 0, 0);
  EXPECT_FALSE(value.IsDbNull());
  EXPECT_EQ(value.GetDate().GetYear(), 2001);
  EXPECT_EQ(value.GetDate().GetSecond(), 6);
  value.Date().SetDate(2010, 10, 10, 10, 10, 10);  // changed in place
  EXPECT_EQ(value.GetDate().GetYear(), 2010);
  ORVExtAnyDate copy(value);
  EXPECT_EQ(copy.GetDate().Compare(value.GetDate()), 0);
  copy.SetExtDate(ORVExtDbNullDate());
  EXPECT_TRUE(copy.IsDbNull());
  ORVExtAnyDate none;
  EXPECT_TRUE(none.IsDbNull());
  int year = -1, month = -1, day = -1, hour = -1, minute = -1, second = -1;
  none.Date().GetDate(year, month, day, hour, minute, second);  // unchecked: an unset date
  EXPECT_EQ(year + month + day + hour + minute + second, 0);
}

TEST(ORVExtDataType, ClassTree) {
  const std::string base = " < ORVExtDataType < PEVBaseUnknown";
  EXPECT_EQ(Ancestry(ORVExtAnyChars::MetaObject()), "ORVExtAnyChars < ORVExtChars" + base);
  EXPECT_EQ(Ancestry(ORVExtAnyString::MetaObject()), "ORVExtAnyString < ORVExtChars" + base);
  EXPECT_EQ(Ancestry(ORVExtAnyConstPointer::MetaObject()),
            "ORVExtAnyConstPointer < ORVExtConstPointer < ORVExtPointer" + base);
  EXPECT_EQ(Ancestry(ORVExtAnyVarPointer::MetaObject()),
            "ORVExtAnyVarPointer < ORVExtVarPointer < ORVExtPointer" + base);
  EXPECT_EQ(Ancestry(ORVExtDbNullInteger::MetaObject()),
            "ORVExtDbNullInteger < ORVExtInteger" + base);
  EXPECT_EQ(Ancestry(ORVExtAnyBoolean::MetaObject()), "ORVExtAnyBoolean < ORVExtBoolean" + base);
  EXPECT_EQ(Ancestry(ORVExtDbNullDate::MetaObject()), "ORVExtDbNullDate < ORVExtDate" + base);
  EXPECT_TRUE(ORVExtDbNullBoolean().IsDbNull());
}

TEST(ORVExtDataTypeDeathTest, ReadingADbNullValueIsFatal) {
  const char null[] = "The Value is null";
  ExpectFatal([] { ORVExtAnyChars("").GetChars(); }, null, kDataTypeFile);
  ExpectFatal([] { ORVExtAnyString().GetString(); }, null, kDataTypeFile);
  ExpectFatal([] { ORVExtAnyString().GetChars(); }, null, kDataTypeFile);
  ExpectFatal([] { ORVExtAnyInteger().GetInteger(); }, null, kDataTypeFile);
  ExpectFatal([] { ORVExtAnyBoolean().GetBoolean(); }, null, kDataTypeFile);
  ExpectFatal([] { ORVExtAnyDate().GetDate(); }, null, kDataTypeFile);
  ExpectFatal([] { ORVExtAnyConstPointer().GetConstRef(); }, null, kDataTypeFile);
  ExpectFatal([] { ORVExtAnyVarPointer().GetVarRef(); }, null, kDataTypeFile);
}

TEST(ORVExtDataTypeDeathTest, TheAlwaysNullConstantsHaveNoValue) {
  ExpectFatal([] { ORVExtDbNullInteger().GetInteger(); },
              "No GetInteger() for a ORVExtDbNullInteger", "src/ORVExtDbNullInteger.cpp");
  ExpectFatal([] { ORVExtDbNullBoolean().GetBoolean(); },
              "No GetBoolean() for a ORVExtDbNullBoolean", "src/ORVExtDbNullBoolean.cpp");
  ExpectFatal([] { ORVExtDbNullDate().GetDate(); }, "No GetDate() for a ORVExtDbNullDate",
              "src/ORVExtDbNullDate.cpp");
}
