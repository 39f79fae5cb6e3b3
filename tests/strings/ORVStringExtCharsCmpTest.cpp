// Tests of the comparators and hash coders of texts and external integers: their orders
// (DbNull and empty texts first), mixed ORVString and ORVExtChars arguments, the hash
// examples and embedded NULs, agreement of codes with equality on random texts, the shared
// instances, and the fatal checks.
#include "ORVStringExtCharsCmp.h"

#include "StringsTestSupport.h"

namespace {

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

class ORVStringExtCharsCmpTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
  ORVStringExtCharsCmp _Cmp;
  ORVStringExtCharsCmpNoCase _CmpNoCase;
  ORVStringExtCharsHash _Hash;
  ORVStringExtCharsHashNoCase _HashNoCase;
};

}  // namespace

TEST_F(ORVStringExtCharsCmpTest, OrderTextsWithCaseOrWithoutAndIntegersWithEmptyOrDbNullFirst) {
  ORVString apple("apple"), pear("pear"), empty(""), text("a");
  ORVExtAnyChars appleChars("apple"), dbNull;
  ORVExtAnyString pearString("pear");
  // Equal texts of either kind are the random test's.
  ExpectRows({{BothOrders(_Cmp, apple, pear), "-1 1"},
              {BothOrders(_Cmp, appleChars, pearString), "-1 1"},
              {BothOrders(_Cmp, ORVString("Apple"), apple), "-1 1"},          // case counts
              {BothOrders(_Cmp, ORVString("\xe9"), ORVString("z")), "1 -1"},  // unsigned bytes
              {BothOrders(_CmpNoCase, ORVString("abc"), ORVString("ABD")), "-1 1"},
              {BothOrders(_CmpNoCase, ORVString("B"), ORVString("a")), "1 -1"}});
  // Empty and DbNull texts come first and are equal.
  for (const ORVComparator* cmp : {(const ORVComparator*)&_Cmp, (const ORVComparator*)&_CmpNoCase})
    EXPECT_EQ(BothOrders(*cmp, empty, dbNull) + "|" + BothOrders(*cmp, empty, text) + "|" +
                  BothOrders(*cmp, dbNull, text),
              "0 0|-1 1|-1 1");
  // Neither comparator may search a set sorted by the other.
  EXPECT_FALSE(ORVComparator::FirstCanBeUsedInSetSortedBySecond(_CmpNoCase, _Cmp) ||
               ORVComparator::FirstCanBeUsedInSetSortedBySecond(_Cmp, _CmpNoCase));
  // The integer comparator puts DbNull below every value, in both argument orders; two
  // DbNull values are equal.
  ORVExtIntegerCmp cmp;
  ORVExtAnyInteger minus(-5), zero(0), null;
  ORVExtDbNullInteger alwaysNull;
  ExpectRows({{BothOrders(cmp, minus, zero, true), "-1 1"},
              {BothOrders(cmp, zero, zero, true), "0 0"},
              {BothOrders(cmp, null, minus, true), "-1 1"},
              {BothOrders(cmp, alwaysNull, zero, true), "-1 1"},
              {BothOrders(cmp, null, alwaysNull, true), "0 0"}});
}

// The coders read what the comparators compare: a string up to its first NUL.
TEST_F(ORVStringExtCharsCmpTest, HashExamplesAndAStringHashedAsComparedToItsFirstNul) {
  ORVString upperA("A"), empty(""), high("\xe9"), longString(std::string(100, 'z').c_str());
  ORVString withNul = MakeString(std::string("ab\0c", 4)),
            otherTail = MakeString(std::string("ab\0d", 4));
  ORVExtAnyChars lowerA("a"), asChars(withNul.GetChars());  // stops at the NUL: "ab"
  uint32_t longCode = 100;                                  // long texts wrap modulo 2^32
  for (int i = 0; i < 100; ++i)
    longCode = longCode * 17 + 'z';
  const std::string ab = std::to_string((2u * 17 + 97) * 17 + 98);
  const auto Codes = [](const ORVHashCoder& iCoder, const PEVBaseUnknown& iObject) {
    return std::to_string(iCoder.Code(&iObject));
  };
  ASSERT_EQ(_Cmp.CompareObjects(&withNul, &otherTail), 0);
  ExpectRows(
      {{Codes(_Hash, upperA), "82"},         // 1 * 17 + 65
       {Codes(_HashNoCase, upperA), "114"},  // 1 * 17 + 97
       {Codes(_HashNoCase, lowerA), "114"},
       {Codes(_Hash, empty), "0"},
       // A byte above 127 counts as a negative number, in 32-bit arithmetic.
       {Codes(_Hash, high) + " " + Codes(_HashNoCase, high),
        std::to_string((unsigned int)(17 - 23)) + " " + std::to_string((unsigned int)(17 - 23))},
       {Codes(_Hash, longString), std::to_string(longCode)},
       {Codes(_Hash, withNul), ab},
       {Codes(_Hash, otherTail), ab},
       {Codes(_HashNoCase, otherTail), ab},
       {Codes(_Hash, asChars), ab}});
}

TEST_F(ORVStringExtCharsCmpTest, EqualTextsGetEqualCodes) {
  std::mt19937 generator(11);
  const char alphabet[] = "aAbBzZ09 _-\xe9\xc9";
  for (int round = 0; round < 2000; ++round) {
    std::string first, second;
    int length = 1 + (int)(generator() % 5);  // a DbNull ORVExtChars has no code
    for (int i = 0; i < length; ++i) {
      first += alphabet[generator() % (sizeof(alphabet) - 1)];
      // The same letter in either case, for the case-blind pair.
      const bool flip = generator() % 2 && isalpha((unsigned char)first.back());
      second += (char)(flip ? first.back() ^ 0x20 : first.back());
    }
    ORVString firstString(first.c_str());
    ORVExtAnyChars secondChars(second.c_str());
    ORVExtAnyString firstAsExt(first.c_str());
    ASSERT_EQ(std::make_tuple(_Cmp.CompareObjects(&firstString, &firstAsExt),
                              _Hash.Code(&firstString) == _Hash.Code(&firstAsExt),
                              _CmpNoCase.CompareObjects(&firstString, &secondChars),
                              _HashNoCase.Code(&firstString) == _HashNoCase.Code(&secondChars),
                              _Cmp.CompareObjects(&firstString, &secondChars) == 0),
              std::make_tuple(0, true, 0, true, first == second))
        << first << " " << second;
  }
}

TEST(ORVStringExtCharsCmpGlobal, GlobalsAreSharedRegisteredAndRenewedWithEachCleaner) {
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
}

TEST(ORVStringExtCharsCmpDeathTest, NullObjectsOtherClassesAndDbNullAreFatal) {
  ORVString a("a");
  ORVExtAnyInteger one(1);
  ORVTestShape shape("s");
  ORVTestCircle circle("c");
  ORVExtAnyChars dbNull;
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
  ExpectFatals("src/ORVExtDataType.cpp",
               {{[&] { ORVStringExtCharsHash().Code(&dbNull); }, "The Value is null"}});
  ExpectFatals(
      "src/ORVExtIntegerCmp.cpp",
      {{[&] { ORVExtIntegerCmp().CompareObjects(nullptr, &one); }, both},
       {[&] { ORVExtIntegerCmp().CompareObjects(&a, &one); }, "pObj1 is not an ORVExtInteger"},
       {[&] { ORVExtIntegerCmp().CompareObjects(&one, &a); }, "pObj2 is not an ORVExtInteger"}});
}
