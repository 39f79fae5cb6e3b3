// Tests of the external data types: DbNull rules of every holder, the setters from
// another value, shared storage of the string holder, the always-null constants, the
// class tree, and the fatal reads; and the convertors of texts: an ORVString seen as an
// ORVExtChars without copy, the lower- and upper-case copies, nothing converted for null
// and the conversion checks; and of the comparators and hash coders of texts and external
// integers: their orders (DbNull and empty texts first), mixed ORVString and ORVExtChars
// arguments, the hash examples and embedded NULs, agreement of codes with equality on
// random texts, the shared instances, and the fatal checks.
#include "ORVExtDataType.h"

#include "ORVStringConvToExtChars.h"
#include "ORVStringExtCharsCmp.h"
#include "StringsTestSupport.h"

namespace {

// "1" for each DbNull value, "0" for the others.
template <class... Values>
std::string Nulls(const Values&... iValues) {
  return ((iValues.IsDbNull() ? std::string("1") : std::string("0")) + ...);
}

// The names of T's ancestors up to the root, joined by " < ".
template <class T>
std::string Parents() {
  std::string names;
  for (const PEVMetaClass* meta = T::MetaObject()->GetParent(); meta; meta = meta->GetParent())
    names += (names.empty() ? "" : " < ") + std::string(meta->GetClassName());
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

// The characters of a converted value, "<null>" for nothing and "<DbNull>" for DbNull.
std::string Converted(const ORVConvertor& iConvertor) {
  const PEVBaseUnknown* converted = iConvertor.GetConverted();
  if (!converted) return "<null>";
  const auto* chars = ORVCheckedCast<ORVExtChars>(converted);
  return chars->IsDbNull() ? "<DbNull>" : chars->GetChars();
}

// iCmp's answers for (iFirst, iSecond) and for (iSecond, iFirst), as "a b": signs only,
// or the values themselves with iExact.
std::string BothOrders(const ORVComparator& iCmp, const PEVBaseUnknown& iFirst,
                       const PEVBaseUnknown& iSecond, bool iExact = false) {
  int forward = iCmp.CompareObjects(&iFirst, &iSecond);
  int backward = iCmp.CompareObjects(&iSecond, &iFirst);
  if (!iExact) {
    forward = (forward > 0) - (forward < 0);
    backward = (backward > 0) - (backward < 0);
  }
  return std::to_string(forward) + " " + std::to_string(backward);
}

}  // namespace

TEST(ORVExtAnyValues, TextsPointersIntegersBooleansAndDatesHoldAValueOrDbNullUnderTheirKinds) {
  const char text[] = "abc";
  ORVExtAnyChars chars(text), copy(chars), none, empty(""), other("other");
  ORVExtAnyString owned("xyz");
  ORVExtAnyChars fromString(static_cast<const ORVExtChars&>(owned));
  // The pointers themselves, not copies.
  EXPECT_EQ(std::make_tuple(Nulls(none, empty, chars), chars.GetChars(), copy.GetChars(),
                            fromString.GetChars()),
            std::make_tuple("110", &text[0], &text[0], owned.GetChars()));
  ExpectRows({{(copy.SetExtChars(none), Nulls(copy)), "1"},
              {(copy = chars, copy.GetChars()), "abc"},
              {(chars.SetToDbNull(), Nulls(chars)), "1"}});
  // The string kind copies, shares its storage and is DbNull when empty.
  char buffer[] = "abc";
  ORVExtAnyString copied(buffer);
  buffer[0] = 'X';  // a copy, not the pointer
  ORVExtAnyString shared(copied), fromORVString(ORVString("v")), noString;
  EXPECT_EQ(shared.GetString().GetpBlockRfHndlr(), copied.GetString().GetpBlockRfHndlr());
  shared.String() += "d";            // copy on write
  ORVExtAnyString fromOther(other);  // from any other ORVExtChars: its characters
  EXPECT_NE(fromOther.GetChars(), other.GetChars());
  ExpectRows(
      {{std::string(copied.GetChars()) + " " + shared.GetChars() + " " + fromOther.GetChars() +
            " " + fromORVString.GetChars(),
        "abc abcd other v"},
       {Nulls(fromORVString, noString) + std::to_string(noString.String().GetLength()), "010"},
       {(fromOther.SetExtChars(ORVExtAnyChars()), Nulls(fromOther)), "1"},
       {(fromOther.SetChars("w"), fromOther.SetChars(nullptr), Nulls(fromOther)), "1"}});
  // The pointers hold the object without reference.
  ORVTestShape shape("s");
  unsigned long references = shape.GetRefCount();
  ORVExtAnyConstPointer constant(&shape);
  ORVExtAnyVarPointer variable(&shape), copyPointer(variable);
  ORVExtAnyConstPointer fromVariable(static_cast<const ORVExtPointer&>(variable));
  EXPECT_EQ(std::make_tuple(shape.GetRefCount(), Nulls(constant, variable), &constant.GetConstRef(),
                            &variable.GetVarRef(), variable.GetConstPointer(),
                            fromVariable.GetConstPointer(), copyPointer.GetVarPointer()),
            std::make_tuple(references, "00", &shape, &shape, &shape, &shape, &shape));
  variable.SetToDbNull();
  copyPointer.SetExtVarPointer(variable);
  constant.SetExtConstPointer(ORVExtAnyConstPointer());
  // Unchecked reads: null.
  EXPECT_EQ(std::make_tuple(Nulls(variable, copyPointer, constant), variable.GetVarPointer(),
                            variable.GetConstPointer(), constant.GetConstPointer()),
            std::make_tuple("111", nullptr, nullptr, nullptr));
  ORVExtAnyInteger zero(0), copyInteger(zero), fromNull((ORVExtDbNullInteger()));
  // 0 is a value, not null.
  EXPECT_EQ(Nulls(ORVExtAnyInteger(), zero, fromNull) + std::to_string(copyInteger.GetInteger()),
            "1010");
  copyInteger.SetExtInteger(ORVExtDbNullInteger());
  fromNull = zero;
  EXPECT_EQ(Nulls(copyInteger, fromNull), "10");
  ORVTestCountingInteger counting;
  counting.SetExtInteger(ORVExtAnyInteger(12));
  EXPECT_EQ(std::make_pair(counting._Calls, counting.GetInteger()), std::make_pair(1, 12));

  ORVExtAnyBoolean no(0u), yes(static_cast<const ORVExtBoolean&>(ORVExtAnyBoolean(1u)));
  EXPECT_EQ(Nulls(ORVExtAnyBoolean(), no) + std::to_string(yes.GetBoolean()), "101");
  ExpectRows({{(yes.SetExtBoolean(ORVExtDbNullBoolean()), Nulls(yes, ORVExtDbNullBoolean())), "11"},
              {(yes = no, std::to_string(yes.GetBoolean())), "0"}});

  ORVDate date(2001, 2, 3, 4, 5, 6);
  ORVExtAnyDate value(date), noDate;
  date.SetDate(1999, 1, 1, 0, 0, 0);  // a copy of the date
  EXPECT_EQ(value.GetDate().Compare(ORVDate(2001, 2, 3, 4, 5, 6)), 0);
  value.Date().SetDate(2010, 10, 10, 10, 10, 10);  // changed in place
  ORVExtAnyDate copyDate(value);
  EXPECT_EQ(copyDate.GetDate().Compare(ORVDate(2010, 10, 10, 10, 10, 10)), 0);
  copyDate.SetExtDate(ORVExtDbNullDate());
  EXPECT_EQ(Nulls(value, copyDate, noDate), "011");
  int year = -1, month = -1, day = -1, hour = -1, minute = -1, second = -1;
  noDate.Date().GetDate(year, month, day, hour, minute, second);  // unchecked: an unset date
  EXPECT_EQ(year + month + day + hour + minute + second, 0);
  // Their classes; the others' are checked by the comparators' and the string holder's kind
  // checks.
  const std::string base = " < ORVExtDataType < PEVBaseUnknown";
  ExpectRows({{Parents<ORVExtAnyConstPointer>(), "ORVExtConstPointer < ORVExtPointer" + base},
              {Parents<ORVExtAnyVarPointer>(), "ORVExtVarPointer < ORVExtPointer" + base},
              {Parents<ORVExtAnyBoolean>(), "ORVExtBoolean" + base},
              {Parents<ORVExtDbNullDate>(), "ORVExtDate" + base}});
}

TEST(ORVExtDataTypeDeathTest, ReadingDbNullConvertingOrComparingAnotherClassOrNullIsFatal) {
  const char null[] = "The Value is null";
  ORVExtAnyChars chars("x"), dbNull;
  ORVTestShape shape("s");
  ExpectFatals("src/ORVExtDataType.cpp", {{[] { ORVExtAnyChars("").GetChars(); }, null},
                                          {[&] { ORVStringExtCharsHash().Code(&dbNull); }, null},
                                          {[] { ORVExtAnyString().GetString(); }, null},
                                          {[] { ORVExtAnyString().GetChars(); }, null},
                                          {[] { ORVExtAnyInteger().GetInteger(); }, null},
                                          {[] { ORVExtAnyBoolean().GetBoolean(); }, null},
                                          {[] { ORVExtAnyDate().GetDate(); }, null},
                                          {[] { ORVExtAnyConstPointer().GetConstRef(); }, null},
                                          {[] { ORVExtAnyVarPointer().GetVarRef(); }, null}});
  ExpectFatal([] { ORVExtDbNullInteger().GetInteger(); },
              "No GetInteger() for a ORVExtDbNullInteger", "src/ORVExtDbNullInteger.cpp");
  ExpectFatal([] { ORVExtDbNullBoolean().GetBoolean(); },
              "No GetBoolean() for a ORVExtDbNullBoolean", "src/ORVExtDbNullBoolean.cpp");
  ExpectFatal([] { ORVExtDbNullDate().GetDate(); }, "No GetDate() for a ORVExtDbNullDate",
              "src/ORVExtDbNullDate.cpp");
  const std::string check = "ORVConversionCheck::Check: object is not a ";
  ExpectFatals("src/ORVMacro.cpp", {{[&] { ORVStringConvToExtChars().Set(&chars); },
                                     check + "\"ORVString\" but a \"ORVExtAnyChars\""},
                                    {[&] { ORVStringExtCharsConvToUpperExtChars().Set(&shape); },
                                     check + "\"ORVExtChars\" but a \"ORVTestShape\""}});
  ORVString a("a");
  ORVExtAnyInteger one(1);
  ORVTestCircle circle("c");
  const std::string neither = " is neither an ORVString nor an ORVExtChars but a ",
                    both = "pObj1 == NULL OR pObj2 == NULL";
  ExpectFatals("src/ORVStringExtCharsCmp.cpp",
               {{[&] { ORVStringExtCharsCmp().CompareObjects(&a, nullptr); }, both},
                {[&] { ORVStringExtCharsCmp().CompareObjects(&shape, &a); },
                 "pObj1" + neither + "ORVTestShape"}});
  ExpectFatals("src/ORVStringExtCharsCmpNoCase.cpp",
               {{[&] { ORVStringExtCharsCmpNoCase().CompareObjects(&a, &circle); },
                 "pObj2" + neither + "ORVTestCircle"}});
  ExpectFatals("src/ORVStringExtCharsHash.cpp",
               {{[] { ORVStringExtCharsHash().Code(nullptr); }, "pObject == NULL"}});
  ExpectFatals("src/ORVStringExtCharsHashNoCase.cpp",
               {{[&] { ORVStringExtCharsHashNoCase().Code(&shape); },
                 "pObject" + neither + "ORVTestShape"}});
  ExpectFatals(
      "src/ORVExtIntegerCmp.cpp",
      {{[&] { ORVExtIntegerCmp().CompareObjects(nullptr, &one); }, both},
       {[&] { ORVExtIntegerCmp().CompareObjects(&a, &one); }, "pObj1 is not an ORVExtInteger"},
       {[&] { ORVExtIntegerCmp().CompareObjects(&one, &a); }, "pObj2 is not an ORVExtInteger"}});
}

TEST(ORVStringConvToExtChars, PointsAtTheStringsCharactersAndTheCaseConvertorsCopyThem) {
  ORVStringConvToExtChars convertor;
  ORVStringExtCharsConvToLowerExtChars lower;
  ORVStringExtCharsConvToUpperExtChars upper;
  ORVString text("word"), empty(""), mixed("MiXed 1");
  ORVExtAnyChars chars("AbC"), dbNull;
  ORVExtAnyString shared("dEf");
  // Each source is left as it was: the shared storage is copied for the conversion.
  const auto Both = [&](const PEVBaseUnknown* iSource) {
    return (lower.Set(iSource), Converted(lower)) + " " + (upper.Set(iSource), Converted(upper));
  };
  ExpectRows({{Converted(convertor) + " " + Converted(lower), "<null> <null>"},  // none yet
              {(convertor.Set(&empty), Converted(convertor)), "<DbNull>"},
              {(convertor.Set(nullptr), Converted(convertor)), "<null>"},
              {Both(&mixed), "mixed 1 MIXED 1"},
              {Both(&chars), "abc ABC"},
              {Both(&shared), "def DEF"},
              {ValueOf(mixed) + chars.GetChars() + shared.GetChars(), "MiXed 1AbCdEf"},
              {Both(&dbNull), "<DbNull> <DbNull>"},
              {Both(nullptr), "<null> <null>"}});
  convertor.Set(&text);
  EXPECT_STREQ(convertor.GetConverted()->IsA(), "ORVExtAnyChars");
  EXPECT_EQ(ORVCheckedCast<ORVExtChars>(convertor.GetConverted())->GetChars(), text.GetChars());
}

TEST(ORVStringExtCharsCmp, GlobalsAreRenewedWithEachCleanerAndOrderDbNullFirstAndCodeAlike) {
  // Registered with the cleaner, which releases them: the next cleaner's globals are new
  // and usable (a freed one would fail under the sanitizers).
  for (int round = 0; round < 2; ++round) {
    ORVGlobalObjectCleaner cleaner;
    ORVString a("a");
    ORVStringExtCharsCmp* cmp = ORVStringExtCharsCmp::GetGlobal();
    EXPECT_EQ(
        std::make_tuple(ORVStringExtCharsCmp::GetGlobal(), cmp->GetRefCount(),
                        cmp->CompareObjects(&a, &a), ORVStringExtCharsHash::GetGlobal()->Code(&a)),
        std::make_tuple(cmp, 1ul, 0, 114u));  // the cleaner's reference
    EXPECT_TRUE(
        ORVStringExtCharsCmpNoCase::GetGlobal() == ORVStringExtCharsCmpNoCase::GetGlobal() &&
        ORVStringExtCharsHash::GetGlobal() == ORVStringExtCharsHash::GetGlobal() &&
        ORVStringExtCharsHashNoCase::GetGlobal() == ORVStringExtCharsHashNoCase::GetGlobal() &&
        ORVExtIntegerCmp::GetGlobal() == ORVExtIntegerCmp::GetGlobal());
  }
  ORVGlobalObjectCleaner cleaner;
  ORVStringExtCharsCmp cmp;
  ORVStringExtCharsCmpNoCase cmpNoCase;
  ORVStringExtCharsHash hash;
  ORVStringExtCharsHashNoCase hashNoCase;
  ORVString apple("apple"), pear("pear"), empty(""), text("a");
  ORVExtAnyChars appleChars("apple"), dbNull;
  ORVExtAnyString pearString("pear");
  // Equal texts of either kind are the random test's.
  ExpectRows({{BothOrders(cmp, apple, pear), "-1 1"},
              {BothOrders(cmp, appleChars, pearString), "-1 1"},
              {BothOrders(cmp, ORVString("Apple"), apple), "-1 1"},          // case counts
              {BothOrders(cmp, ORVString("\xe9"), ORVString("z")), "1 -1"},  // unsigned bytes
              {BothOrders(cmpNoCase, ORVString("abc"), ORVString("ABD")), "-1 1"}});
  // Empty and DbNull texts come first and are equal.
  for (const ORVComparator* order : {(const ORVComparator*)&cmp, (const ORVComparator*)&cmpNoCase})
    EXPECT_EQ(BothOrders(*order, empty, dbNull) + "|" + BothOrders(*order, empty, text) + "|" +
                  BothOrders(*order, dbNull, text),
              "0 0|-1 1|-1 1");
  // Neither comparator may search a set sorted by the other.
  EXPECT_FALSE(ORVComparator::FirstCanBeUsedInSetSortedBySecond(cmpNoCase, cmp) ||
               ORVComparator::FirstCanBeUsedInSetSortedBySecond(cmp, cmpNoCase));
  // The integer comparator puts DbNull below every value, in both argument orders; two
  // DbNull values are equal.
  ORVExtIntegerCmp integers;
  ORVExtAnyInteger minus(-5), zero(0), null;
  ORVExtDbNullInteger alwaysNull;
  ExpectRows({{BothOrders(integers, minus, zero, true), "-1 1"},
              {BothOrders(integers, zero, zero, true), "0 0"},
              {BothOrders(integers, alwaysNull, zero, true), "-1 1"},
              {BothOrders(integers, null, alwaysNull, true), "0 0"}});

  // The coders read what the comparators compare: a string up to its first NUL.
  ORVString upperA("A"), high("\xe9"), longString(std::string(100, 'z').c_str());
  ORVString withNul = MakeString(std::string("ab\0c", 4)),
            otherTail = MakeString(std::string("ab\0d", 4));
  uint32_t longCode = 100;  // long texts wrap modulo 2^32
  for (int i = 0; i < 100; ++i)
    longCode = longCode * 17 + 'z';
  const std::string ab = std::to_string((2u * 17 + 97) * 17 + 98);
  const auto Codes = [](const ORVHashCoder& iCoder, const PEVBaseUnknown& iObject) {
    return std::to_string(iCoder.Code(&iObject));
  };
  ASSERT_EQ(cmp.CompareObjects(&withNul, &otherTail), 0);
  ExpectRows(
      {{Codes(hash, upperA), "82"},         // 1 * 17 + 65
       {Codes(hashNoCase, upperA), "114"},  // 1 * 17 + 97
       {Codes(hash, empty), "0"},
       // A byte above 127 counts as a negative number, in 32-bit arithmetic.
       {Codes(hash, high) + " " + Codes(hashNoCase, high),
        std::to_string((unsigned int)(17 - 23)) + " " + std::to_string((unsigned int)(17 - 23))},
       {Codes(hash, longString), std::to_string(longCode)},
       {Codes(hash, withNul), ab},
       {Codes(hashNoCase, otherTail), ab}});
  // Equal texts get equal codes, with case or without.
  std::mt19937 generator(11);
  const char alphabet[] = "aAbBzZ09 _-\xe9\xc9";
  for (int round = 0; round < 2000; ++round) {
    std::string first, second;
    // Not empty: a DbNull ORVExtChars has no code. The same letter in either case, for the
    // case-blind pair.
    for (int i = 0, length = 1 + (int)(generator() % 5); i < length; ++i) {
      first += alphabet[generator() % (sizeof(alphabet) - 1)];
      const bool flip = generator() % 2 && isalpha((unsigned char)first.back());
      second += (char)(flip ? first.back() ^ 0x20 : first.back());
    }
    ORVString firstString(first.c_str());
    ORVExtAnyChars secondChars(second.c_str());
    ORVExtAnyString firstAsExt(first.c_str());
    ASSERT_EQ(std::make_tuple(cmp.CompareObjects(&firstString, &firstAsExt),
                              hash.Code(&firstString) == hash.Code(&firstAsExt),
                              cmpNoCase.CompareObjects(&firstString, &secondChars),
                              hashNoCase.Code(&firstString) == hashNoCase.Code(&secondChars),
                              cmp.CompareObjects(&firstString, &secondChars) == 0),
              std::make_tuple(0, true, 0, true, first == second))
        << first << " " << second;
  }
}
