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

int Sign(int iValue) {
  return (iValue > 0) - (iValue < 0);
}

class ORVStringExtCharsCmpTest : public testing::Test {
protected:
  int Compare(const PEVBaseUnknown& iFirst, const PEVBaseUnknown& iSecond) {
    return Sign(_Cmp.CompareObjects(&iFirst, &iSecond));
  }
  int CompareNoCase(const PEVBaseUnknown& iFirst, const PEVBaseUnknown& iSecond) {
    return Sign(_CmpNoCase.CompareObjects(&iFirst, &iSecond));
  }

  ORVGlobalObjectCleaner _Cleaner;
  ORVStringExtCharsCmp _Cmp;
  ORVStringExtCharsCmpNoCase _CmpNoCase;
  ORVStringExtCharsHash _Hash;
  ORVStringExtCharsHashNoCase _HashNoCase;
};

}  // namespace

TEST_F(ORVStringExtCharsCmpTest, OrdersTextsOfEitherKind) {
  ORVString apple("apple");
  ORVString pear("pear");
  ORVExtAnyChars appleChars("apple");
  ORVExtAnyString pearString("pear");
  EXPECT_EQ(Compare(apple, pear), -1);
  EXPECT_EQ(Compare(pear, apple), 1);
  EXPECT_EQ(Compare(apple, appleChars), 0);
  EXPECT_EQ(Compare(appleChars, pearString), -1);
  EXPECT_EQ(Compare(pearString, apple), 1);
  EXPECT_EQ(Compare(ORVString("Apple"), apple), -1);  // case counts
  ORVString bytes("\xe9");
  EXPECT_EQ(Compare(bytes, ORVString("z")), 1);  // strcmp compares unsigned bytes
}

TEST_F(ORVStringExtCharsCmpTest, EmptyAndDbNullTextsComeFirstAndAreEqual) {
  ORVString empty("");
  ORVExtAnyChars dbNull;
  ORVExtAnyString dbNullString;
  ORVString text("a");
  EXPECT_EQ(Compare(empty, dbNull), 0);
  EXPECT_EQ(Compare(dbNull, empty), 0);
  EXPECT_EQ(Compare(dbNull, dbNullString), 0);
  EXPECT_EQ(Compare(empty, text), -1);
  EXPECT_EQ(Compare(text, empty), 1);
  EXPECT_EQ(Compare(dbNull, text), -1);
  EXPECT_EQ(Compare(text, dbNull), 1);
  EXPECT_EQ(CompareNoCase(dbNull, empty), 0);
  EXPECT_EQ(CompareNoCase(text, dbNull), 1);
  EXPECT_EQ(CompareNoCase(dbNullString, text), -1);
}

TEST_F(ORVStringExtCharsCmpTest, NoCaseIgnoresCase) {
  EXPECT_EQ(CompareNoCase(ORVString("ABC"), ORVExtAnyChars("abc")), 0);
  EXPECT_EQ(CompareNoCase(ORVString("abc"), ORVString("ABD")), -1);
  EXPECT_EQ(CompareNoCase(ORVString("B"), ORVString("a")), 1);
  // Neither comparator may search a set sorted by the other.
  EXPECT_FALSE(ORVComparator::FirstCanBeUsedInSetSortedBySecond(_CmpNoCase, _Cmp));
  EXPECT_FALSE(ORVComparator::FirstCanBeUsedInSetSortedBySecond(_Cmp, _CmpNoCase));
  EXPECT_EQ(ORVStringExtCharsCmpNoCase::MetaObject()->GetParent(), ORVComparator::MetaObject());
}

TEST_F(ORVStringExtCharsCmpTest, HashExamples) {
  ORVString upperA("A");
  ORVExtAnyChars lowerA("a");
  EXPECT_EQ(_Hash.Code(&upperA), 82u);         // 1 * 17 + 65
  EXPECT_EQ(_HashNoCase.Code(&upperA), 114u);  // 1 * 17 + 97
  EXPECT_EQ(_HashNoCase.Code(&lowerA), 114u);
  ORVString empty("");
  EXPECT_EQ(_Hash.Code(&empty), 0u);
  ORVString ab("ab");
  EXPECT_EQ(_Hash.Code(&ab), (2u * 17 + 97) * 17 + 98);
  // A byte above 127 counts as a negative number, in 32-bit arithmetic.
  ORVString high("\xe9");
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

TEST_F(ORVStringExtCharsCmpTest, AStringIsHashedPastItsNulsAnExtCharsToItsNul) {
  ORVString withNul = MakeString(std::string("ab\0c", 4));
  ORVString shortString("ab");
  ORVExtAnyChars asChars(withNul.GetChars());  // stops at the NUL: "ab"
  uint32_t ab = (2u * 17 + 97) * 17 + 98;
  uint32_t abNulC = (((4u * 17 + 97) * 17 + 98) * 17 + 0) * 17 + 99;
  EXPECT_EQ(_Hash.Code(&withNul), abNulC);
  EXPECT_EQ(_Hash.Code(&asChars), ab);
  EXPECT_EQ(_Hash.Code(&shortString), ab);
  EXPECT_EQ(_HashNoCase.Code(&withNul), abNulC);
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
    EXPECT_EQ(Compare(firstString, firstAsExt), 0);
    EXPECT_EQ(_Hash.Code(&firstString), _Hash.Code(&firstAsExt));
    ASSERT_EQ(CompareNoCase(firstString, secondChars), 0) << first << " " << second;
    EXPECT_EQ(_HashNoCase.Code(&firstString), _HashNoCase.Code(&secondChars)) << first;
    EXPECT_EQ(Compare(firstString, secondChars) == 0, first == second);
  }
}

TEST_F(ORVStringExtCharsCmpTest, KeysAHashTableAndASortedVectorByText) {
  std::vector<ORVString*> names;
  for (const char* name : {"delta", "alpha", "charlie", "bravo", "echo"})
    names.push_back(new ORVString(name));
  ORVHashTable table(_HashNoCase, _CmpNoCase, ORVReleaseElementsAtDelete, 0);
  ORVSortedVector sorted(_Cmp, ORVDoNothingAtDelete);
  for (ORVString* name : names) {
    table.Add(name, 0);
    sorted.Append(name);
  }
  sorted.Sort();
  ORVExtAnyChars pattern("CHARLIE");
  EXPECT_EQ(table.LookupOne(&pattern), names[2]);
  ORVExtAnyChars exact("charlie");
  EXPECT_TRUE(sorted.SearchUsesSort(_Cmp));
  EXPECT_EQ(sorted.LookupOne(&exact), names[2]);
  EXPECT_EQ(sorted.LookupOne(&pattern), nullptr);
  EXPECT_EQ(sorted[0], names[1]);
  EXPECT_EQ(sorted[4], names[4]);
}

TEST_F(ORVStringExtCharsCmpTest, GlobalsAreSharedAndRegistered) {
  ORVStringExtCharsCmp* cmp = ORVStringExtCharsCmp::GetGlobal();
  EXPECT_EQ(ORVStringExtCharsCmp::GetGlobal(), cmp);
  EXPECT_EQ(ORVStringExtCharsCmpNoCase::GetGlobal(), ORVStringExtCharsCmpNoCase::GetGlobal());
  EXPECT_EQ(ORVStringExtCharsHash::GetGlobal(), ORVStringExtCharsHash::GetGlobal());
  EXPECT_EQ(ORVStringExtCharsHashNoCase::GetGlobal(), ORVStringExtCharsHashNoCase::GetGlobal());
  EXPECT_EQ(ORVExtIntegerCmp::GetGlobal(), ORVExtIntegerCmp::GetGlobal());
  EXPECT_EQ(cmp->GetRefCount(), 1u);  // the cleaner's reference
}

TEST(ORVStringExtCharsCmpGlobal, ANewCleanerGetsANewGlobal) {
  // Registered with the cleaner, which releases it: the next cleaner's global is new and
  // usable (a freed one would fail under the sanitizers).
  for (int round = 0; round < 2; ++round) {
    ORVGlobalObjectCleaner cleaner;
    ORVString a("a");
    EXPECT_EQ(ORVStringExtCharsHash::GetGlobal()->Code(&a), 114u);
    EXPECT_EQ(ORVStringExtCharsCmp::GetGlobal()->CompareObjects(&a, &a), 0);
  }
}

TEST(ORVExtIntegerCmp, OrdersValuesWithDbNullFirst) {
  ORVExtIntegerCmp cmp;
  ORVExtAnyInteger minus(-5), zero(0), big(2147483647), null;
  ORVExtDbNullInteger alwaysNull;
  EXPECT_EQ(cmp.CompareObjects(&minus, &zero), -1);
  EXPECT_EQ(cmp.CompareObjects(&big, &minus), 1);
  EXPECT_EQ(cmp.CompareObjects(&zero, &zero), 0);
  // DbNull below every value, in both argument orders; two DbNull values are equal.
  EXPECT_EQ(cmp.CompareObjects(&null, &minus), -1);
  EXPECT_EQ(cmp.CompareObjects(&minus, &null), 1);
  EXPECT_EQ(cmp.CompareObjects(&alwaysNull, &zero), -1);
  EXPECT_EQ(cmp.CompareObjects(&zero, &alwaysNull), 1);
  EXPECT_EQ(cmp.CompareObjects(&null, &alwaysNull), 0);
  EXPECT_EQ(cmp.CompareObjects(&alwaysNull, &null), 0);
}

TEST(ORVStringExtCharsCmpDeathTest, NullObjectsAndOtherClassesAreFatal) {
  const char kCmpFile[] = "src/ORVStringExtCharsCmp.cpp";
  const char kNoCaseFile[] = "src/ORVStringExtCharsCmpNoCase.cpp";
  ExpectFatal(
      [] {
        ORVString a("a");
        ORVStringExtCharsCmp().CompareObjects(&a, nullptr);
      },
      "pObj1 == NULL OR pObj2 == NULL", kCmpFile);
  ExpectFatal(
      [] {
        ORVTestShape shape("s");
        ORVString a("a");
        ORVStringExtCharsCmp().CompareObjects(&shape, &a);
      },
      "pObj1 is neither an ORVString nor an ORVExtChars but a ORVTestShape", kCmpFile);
  ExpectFatal(
      [] {
        ORVTestCircle circle("c");
        ORVString a("a");
        ORVStringExtCharsCmpNoCase().CompareObjects(&a, &circle);
      },
      "pObj2 is neither an ORVString nor an ORVExtChars but a ORVTestCircle", kNoCaseFile);
}

TEST(ORVStringExtCharsHashDeathTest, NullObjectsOtherClassesAndDbNullAreFatal) {
  ExpectFatal([] { ORVStringExtCharsHash().Code(nullptr); }, "pObject == NULL",
              "src/ORVStringExtCharsHash.cpp");
  ExpectFatal(
      [] {
        ORVTestShape shape("s");
        ORVStringExtCharsHashNoCase().Code(&shape);
      },
      "pObject is neither an ORVString nor an ORVExtChars but a ORVTestShape",
      "src/ORVStringExtCharsHashNoCase.cpp");
  ExpectFatal(
      [] {
        ORVExtAnyChars dbNull;
        ORVStringExtCharsHash().Code(&dbNull);
      },
      "The Value is null", "src/ORVExtDataType.cpp");
}

TEST(ORVExtIntegerCmpDeathTest, NullObjectsAndOtherClassesAreFatal) {
  const char kFile[] = "src/ORVExtIntegerCmp.cpp";
  ExpectFatal(
      [] {
        ORVExtAnyInteger one(1);
        ORVExtIntegerCmp().CompareObjects(nullptr, &one);
      },
      "pObj1 == NULL OR pObj2 == NULL", kFile);
  ExpectFatal(
      [] {
        ORVExtAnyInteger one(1);
        ORVString text("1");
        ORVExtIntegerCmp().CompareObjects(&text, &one);
      },
      "pObj1 is not an ORVExtInteger", kFile);
  ExpectFatal(
      [] {
        ORVExtAnyInteger one(1);
        ORVString text("1");
        ORVExtIntegerCmp().CompareObjects(&one, &text);
      },
      "pObj2 is not an ORVExtInteger", kFile);
}
