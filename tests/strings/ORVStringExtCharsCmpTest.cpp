// Tests of the comparators and hash coders of texts and external integers: their orders
// (DbNull and empty texts first), mixed ORVString and ORVExtChars arguments, the hash
// examples and embedded NULs, agreement of codes with equality, their use in sorted
// vectors and hash tables, the shared instances, and the fatal checks.
#include "ORVStringExtCharsCmp.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ORVExtAnyChars.h"
#include "ORVExtAnyInteger.h"
#include "ORVExtAnyString.h"
#include "ORVExtDbNullInteger.h"
#include "ORVExtIntegerCmp.h"
#include "ORVHashTable.h"
#include "ORVSortedVector.h"
#include "ORVStringExtCharsCmpNoCase.h"
#include "ORVStringExtCharsHash.h"
#include "ORVStringExtCharsHashNoCase.h"
#include "StringsTestSupport.h"
#include "TestClasses.h"

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

TEST_F(ORVStringExtCharsCmpTest, OrdersTextsOfEitherKindWithCaseOrWithout) {
  ORVString apple("apple"), pear("pear");
  ORVExtAnyChars appleChars("apple");
  ORVExtAnyString pearString("pear");
  EXPECT_EQ(BothOrders(_Cmp, apple, pear), "-1 1");
  EXPECT_EQ(BothOrders(_Cmp, apple, appleChars), "0 0");
  EXPECT_EQ(BothOrders(_Cmp, appleChars, pearString), "-1 1");
  EXPECT_EQ(BothOrders(_Cmp, apple, pearString), "-1 1");
  EXPECT_EQ(BothOrders(_Cmp, ORVString("Apple"), apple), "-1 1");          // case counts
  EXPECT_EQ(BothOrders(_Cmp, ORVString("\xe9"), ORVString("z")), "1 -1");  // unsigned bytes
  EXPECT_EQ(BothOrders(_CmpNoCase, ORVString("ABC"), ORVExtAnyChars("abc")), "0 0");
  EXPECT_EQ(BothOrders(_CmpNoCase, ORVString("abc"), ORVString("ABD")), "-1 1");
  EXPECT_EQ(BothOrders(_CmpNoCase, ORVString("B"), ORVString("a")), "1 -1");
  // Neither comparator may search a set sorted by the other.
  EXPECT_FALSE(ORVComparator::FirstCanBeUsedInSetSortedBySecond(_CmpNoCase, _Cmp));
  EXPECT_FALSE(ORVComparator::FirstCanBeUsedInSetSortedBySecond(_Cmp, _CmpNoCase));
}

TEST_F(ORVStringExtCharsCmpTest, EmptyAndDbNullTextsComeFirstAndAreEqual) {
  ORVString empty(""), text("a");
  ORVExtAnyChars dbNull;
  ORVExtAnyString dbNullString;
  for (const ORVComparator* cmp :
       {(const ORVComparator*)&_Cmp, (const ORVComparator*)&_CmpNoCase}) {
    EXPECT_EQ(BothOrders(*cmp, empty, dbNull), "0 0");
    EXPECT_EQ(BothOrders(*cmp, dbNull, dbNullString), "0 0");
    EXPECT_EQ(BothOrders(*cmp, empty, text), "-1 1");
    EXPECT_EQ(BothOrders(*cmp, dbNull, text), "-1 1");
    EXPECT_EQ(BothOrders(*cmp, dbNullString, text), "-1 1");
  }
}

TEST_F(ORVStringExtCharsCmpTest, HashExamples) {
  ORVString upperA("A"), empty(""), ab("ab"), high("\xe9");
  ORVExtAnyChars lowerA("a");
  EXPECT_EQ(_Hash.Code(&upperA), 82u);         // 1 * 17 + 65
  EXPECT_EQ(_HashNoCase.Code(&upperA), 114u);  // 1 * 17 + 97
  EXPECT_EQ(_HashNoCase.Code(&lowerA), 114u);
  EXPECT_EQ(_Hash.Code(&empty), 0u);
  EXPECT_EQ(_Hash.Code(&ab), (2u * 17 + 97) * 17 + 98);
  // A byte above 127 counts as a negative number, in 32-bit arithmetic.
  EXPECT_EQ(_Hash.Code(&high), (unsigned int)(17 - 23));
  EXPECT_EQ(_HashNoCase.Code(&high), (unsigned int)(17 - 23));
  // Long texts wrap modulo 2^32.
  std::string longText(100, 'z');
  uint32_t expected = 100;
  for (char character : longText)
    expected = expected * 17 + (uint32_t)character;
  ORVString longString(longText.c_str());
  EXPECT_EQ(_Hash.Code(&longString), expected);
}

// The coders read what the comparators compare: the text up to its first NUL.
TEST_F(ORVStringExtCharsCmpTest, AStringIsHashedAsComparedToItsFirstNul) {
  ORVString withNul = MakeString(std::string("ab\0c", 4));
  ORVString otherTail = MakeString(std::string("ab\0d", 4));
  ORVExtAnyChars asChars(withNul.GetChars());  // stops at the NUL: "ab"
  const uint32_t ab = (2u * 17 + 97) * 17 + 98;
  ASSERT_EQ(_Cmp.CompareObjects(&withNul, &otherTail), 0);
  EXPECT_EQ(_Hash.Code(&withNul), ab);
  EXPECT_EQ(_Hash.Code(&otherTail), ab);
  EXPECT_EQ(_HashNoCase.Code(&otherTail), ab);
  EXPECT_EQ(_Hash.Code(&asChars), ab);
}

TEST_F(ORVStringExtCharsCmpTest, EqualTextsGetEqualCodes) {
  std::mt19937 generator(11);
  const char alphabet[] = "aAbBzZ09 _-\xe9\xc9";
  for (int round = 0; round < 2000; ++round) {
    std::string first, second;
    int length = (int)(generator() % 6);
    for (int i = 0; i < length; ++i) {
      first += alphabet[generator() % (sizeof(alphabet) - 1)];
      char character = first.back();
      // The same letter in either case, for the case-blind pair.
      if (generator() % 2 && isalpha((unsigned char)character))
        character =
            (char)(islower((unsigned char)character) ? toupper(character) : tolower(character));
      second += character;
    }
    ORVString firstString(first.c_str());
    ORVExtAnyChars secondChars(second.c_str());
    ORVExtAnyString firstAsExt(first.c_str());
    if (first.empty()) continue;  // a DbNull ORVExtChars has no code
    EXPECT_EQ(_Cmp.CompareObjects(&firstString, &firstAsExt), 0);
    EXPECT_EQ(_Hash.Code(&firstString), _Hash.Code(&firstAsExt));
    ASSERT_EQ(_CmpNoCase.CompareObjects(&firstString, &secondChars), 0) << first << " " << second;
    EXPECT_EQ(_HashNoCase.Code(&firstString), _HashNoCase.Code(&secondChars)) << first;
    EXPECT_EQ(_Cmp.CompareObjects(&firstString, &secondChars) == 0, first == second);
  }
}

TEST(ORVStringExtCharsCmpGlobal, GlobalsAreSharedRegisteredAndRenewedWithEachCleaner) {
  // Registered with the cleaner, which releases them: the next cleaner's globals are new
  // and usable (a freed one would fail under the sanitizers).
  for (int round = 0; round < 2; ++round) {
    ORVGlobalObjectCleaner cleaner;
    ORVString a("a");
    ORVStringExtCharsCmp* cmp = ORVStringExtCharsCmp::GetGlobal();
    EXPECT_EQ(ORVStringExtCharsCmp::GetGlobal(), cmp);
    EXPECT_EQ(cmp->GetRefCount(), 1u);  // the cleaner's reference
    EXPECT_EQ(cmp->CompareObjects(&a, &a), 0);
    EXPECT_EQ(ORVStringExtCharsHash::GetGlobal()->Code(&a), 114u);
    EXPECT_EQ(ORVStringExtCharsCmpNoCase::GetGlobal(), ORVStringExtCharsCmpNoCase::GetGlobal());
    EXPECT_EQ(ORVStringExtCharsHash::GetGlobal(), ORVStringExtCharsHash::GetGlobal());
    EXPECT_EQ(ORVStringExtCharsHashNoCase::GetGlobal(), ORVStringExtCharsHashNoCase::GetGlobal());
    EXPECT_EQ(ORVExtIntegerCmp::GetGlobal(), ORVExtIntegerCmp::GetGlobal());
  }
}

TEST(ORVExtIntegerCmp, OrdersValuesWithDbNullFirst) {
  ORVExtIntegerCmp cmp;
  ORVExtAnyInteger minus(-5), zero(0), big(2147483647), null;
  ORVExtDbNullInteger alwaysNull;
  EXPECT_EQ(BothOrders(cmp, minus, zero, true), "-1 1");
  EXPECT_EQ(BothOrders(cmp, minus, big, true), "-1 1");
  EXPECT_EQ(BothOrders(cmp, zero, zero, true), "0 0");
  // DbNull below every value, in both argument orders; two DbNull values are equal.
  EXPECT_EQ(BothOrders(cmp, null, minus, true), "-1 1");
  EXPECT_EQ(BothOrders(cmp, alwaysNull, zero, true), "-1 1");
  EXPECT_EQ(BothOrders(cmp, null, alwaysNull, true), "0 0");
}

TEST(ORVStringExtCharsCmpDeathTest, NullObjectsAndOtherClassesAreFatal) {
  const char kCmpFile[] = "src/ORVStringExtCharsCmp.cpp";
  ORVString a("a");
  ORVTestShape shape("s");
  ORVTestCircle circle("c");
  ExpectFatal([&] { ORVStringExtCharsCmp().CompareObjects(&a, nullptr); },
              "pObj1 == NULL OR pObj2 == NULL", kCmpFile);
  ExpectFatal([&] { ORVStringExtCharsCmp().CompareObjects(&shape, &a); },
              "pObj1 is neither an ORVString nor an ORVExtChars but a ORVTestShape", kCmpFile);
  ExpectFatal([&] { ORVStringExtCharsCmpNoCase().CompareObjects(&a, &circle); },
              "pObj2 is neither an ORVString nor an ORVExtChars but a ORVTestCircle",
              "src/ORVStringExtCharsCmpNoCase.cpp");
}

TEST(ORVStringExtCharsHashDeathTest, NullObjectsOtherClassesAndDbNullAreFatal) {
  ORVTestShape shape("s");
  ORVExtAnyChars dbNull;
  ExpectFatal([] { ORVStringExtCharsHash().Code(nullptr); }, "pObject == NULL",
              "src/ORVStringExtCharsHash.cpp");
  ExpectFatal([&] { ORVStringExtCharsHashNoCase().Code(&shape); },
              "pObject is neither an ORVString nor an ORVExtChars but a ORVTestShape",
              "src/ORVStringExtCharsHashNoCase.cpp");
  ExpectFatal([&] { ORVStringExtCharsHash().Code(&dbNull); }, "The Value is null",
              "src/ORVExtDataType.cpp");
}

TEST(ORVExtIntegerCmpDeathTest, NullObjectsAndOtherClassesAreFatal) {
  const char kFile[] = "src/ORVExtIntegerCmp.cpp";
  ORVExtAnyInteger one(1);
  ORVString text("1");
  ExpectFatal([&] { ORVExtIntegerCmp().CompareObjects(nullptr, &one); },
              "pObj1 == NULL OR pObj2 == NULL", kFile);
  ExpectFatal([&] { ORVExtIntegerCmp().CompareObjects(&text, &one); },
              "pObj1 is not an ORVExtInteger", kFile);
  ExpectFatal([&] { ORVExtIntegerCmp().CompareObjects(&one, &text); },
              "pObj2 is not an ORVExtInteger", kFile);
}
