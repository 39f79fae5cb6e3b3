// Tests of objects with family and name: the four comparators and their hash coders
// agree, search keys stand for real objects in sorted and hashed containers, and the
// misuses are fatal with their texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ORVFamilyAndNameCmpFamilyCodeValNameVal.h"
#include "ORVFamilyAndNameCmpFamilyNameVal.h"
#include "ORVFamilyAndNameHashFamilyCodeValNameVal.h"
#include "ORVFamilyAndNameHashFamilyNameVal.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVHashTable.h"
#include "ORVObjWithFamilyCmpFamily.h"
#include "ORVObjWithFamilyHashFamily.h"
#include "ORVSearchOnFamily.h"
#include "ORVSearchOnFamilyAndName.h"
#include "ORVSortedVector.h"
#include "ObjectsTestSupport.h"
#include "SuiteHelpers.h"

namespace {

class ORVFamilyAndNameTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
  // Two distinct families with the same code, and another.
  ORVMappedCode _Tools{"TOOL"};
  ORVMappedCode _ToolsAgain{"TOOL"};
  ORVMappedCode _Files{"FILE"};
};

struct Kind {
  const char* _Name;
  std::function<const ORVComparator*()> _Comparator;
  std::function<const ORVHashCoder*()> _Coder;
};

const Kind kKinds[] = {
    {"family", [] { return ORVObjWithFamilyCmpFamily::GetGlobal(); },
     [] { return ORVObjWithFamilyHashFamily::GetGlobal(); }},
    {"family and name", [] { return ORVFamilyAndNameCmpFamilyNameVal::GetGlobal(); },
     [] { return ORVFamilyAndNameHashFamilyNameVal::GetGlobal(); }},
    {"code and name", [] { return ORVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal(); },
     [] { return ORVFamilyAndNameHashFamilyCodeValNameVal::GetGlobal(); }}};

TEST_F(ORVFamilyAndNameTest, EqualObjectsHashEquallyUnderEveryKey) {
  std::vector<ORVTestNamed> objects = {{_Tools, "make"},      {_Tools, "make"},    {_Tools, "cc"},
                                       {_ToolsAgain, "make"}, {_ToolsAgain, "ld"}, {_Files, "make"},
                                       {_Files, ""}};
  for (const Kind& kind : kKinds) {
    const ORVComparator& comparator = *kind._Comparator();
    const ORVHashCoder& coder = *kind._Coder();
    for (const ORVTestNamed& first : objects)
      for (const ORVTestNamed& second : objects) {
        int order = comparator.CompareObjects(&first, &second);
        EXPECT_EQ(order, -comparator.CompareObjects(&second, &first)) << kind._Name;
        if (order == 0) {
          EXPECT_EQ(coder.Code(&first), coder.Code(&second)) << kind._Name;
        }
      }
  }
  const ORVTestNamed& make = objects[0];
  const ORVTestNamed& makeAgain = objects[3];
  EXPECT_EQ(ORVFamilyAndNameCmpFamilyNameVal::GetGlobal()->CompareObjects(&make, &objects[1]), 0);
  EXPECT_EQ(ORVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal()->CompareObjects(&make, &makeAgain),
            0);
  int byAddress = &_Tools < &_ToolsAgain ? -1 : 1;
  EXPECT_EQ(ORVFamilyAndNameCmpFamilyNameVal::GetGlobal()->CompareObjects(&make, &makeAgain),
            byAddress);
  EXPECT_LT(
      ORVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal()->CompareObjects(&objects[4], &make), 0);
}

TEST_F(ORVFamilyAndNameTest, SearchKeysFindRealObjects) {
  ORVTestNamed make(_Tools, "make"), cc(_Tools, "cc"), copy(_Files, "copy");
  const auto& byName = *ORVFamilyAndNameCmpFamilyNameVal::GetGlobal();
  ORVSortedVector sorted(byName, ORVDoNothingAtDelete);
  ORVHashTable hashed(*ORVFamilyAndNameHashFamilyCodeValNameVal::GetGlobal(),
                      *ORVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal(), ORVDoNothingAtDelete,
                      4);
  for (ORVTestNamed* object : {&make, &cc, &copy}) {
    sorted.Add(object, 0);
    hashed.Add(object, 0);
  }
  ORVSearchOnFamilyAndName key(_Tools, ORVString("cc"));
  EXPECT_EQ(sorted.LookupOne(&key), &cc);
  key.SetFamily(_ToolsAgain);  // another family object with the same code
  key.SetName(ORVString("make"));
  EXPECT_EQ(hashed.LookupOne(&key), &make);
  EXPECT_EQ(sorted.LookupOne(&key), nullptr);

  ORVSearchOnFamily family(_Files);
  ORVHashTable byFamily(*ORVObjWithFamilyHashFamily::GetGlobal(),
                        *ORVObjWithFamilyCmpFamily::GetGlobal(), ORVDoNothingAtDelete, 4);
  for (ORVTestNamed* object : {&make, &cc, &copy})
    byFamily.Add(object, 0);
  EXPECT_EQ(byFamily.LookupOne(&family), &copy);
  EXPECT_TRUE(byName.SortsSetAsSecondCanBeUsed(*ORVObjWithFamilyCmpFamily::GetGlobal()));
  EXPECT_FALSE(
      byName.SortsSetAsSecondCanBeUsed(*ORVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal()));
}

TEST(ORVFamilyAndNameDeathTest, MisusesAreFatalWithTheirTexts) {
  ORVMappedCode family("TOOL");
  ORVTestNamed named(family, "make");
  struct Case {
    std::function<void()> _Body;
    const char* _Text;
    const char* _File;
  };
  const char* familyFile = "src/ORVObjWithFamilyCmpHashFamily.cpp";
  const char* nameFile = "src/ORVFamilyAndNameCmpHashFamilyNameVal.cpp";
  const char* codeFile = "src/ORVFamilyAndNameCmpHashFamilyCodeValNameVal.cpp";
  const Case cases[] = {
      {[&] { ORVObjWithFamilyCmpFamily::GetGlobal()->CompareObjects(&named, nullptr); },
       "pObj1 == NULL or pObj2 == NULL", familyFile},
      {[] { ORVObjWithFamilyHashFamily::GetGlobal()->Code(nullptr); }, "pObj1 == NULL", familyFile},
      {[&] { ORVFamilyAndNameCmpFamilyNameVal::GetGlobal()->CompareObjects(nullptr, &named); },
       "pObj1 or pObj2 is NULL", nameFile},
      {[] { ORVFamilyAndNameHashFamilyNameVal::GetGlobal()->Code(nullptr); }, "pObj1 is NULL",
       nameFile},
      {[&] {
         ORVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal()->CompareObjects(&named, nullptr);
       },
       "pObj1 or pObj2 is NULL", codeFile},
      {[] { ORVFamilyAndNameHashFamilyCodeValNameVal::GetGlobal()->Code(nullptr); },
       "pObj1 is NULL", codeFile},
      {[] { ORVSearchOnFamily().GetFamily(); }, "_pFamily == NULL", "src/ORVSearchOnFamily.cpp"},
      {[] { ORVSearchOnFamilyAndName().GetFamily(); }, "_pFamily == NULL",
       "src/ORVSearchOnFamilyAndName.cpp"},
      {[&] { ORVFamilyAndNameCmpFamilyNameVal::GetGlobal()->CompareObjects(&named, &family); },
       "ORVConversionCheck::Check: object is not a \"ORVFamilyAndName\" but a \"ORVMappedCode\"",
       "src/ORVMacro.cpp"}};
  for (const Case& c : cases)
    ExpectFatal(c._Body, c._Text, c._File);
}

}  // namespace
