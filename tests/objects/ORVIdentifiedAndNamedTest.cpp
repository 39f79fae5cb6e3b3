// Tests of identified objects and of objects with family and name: the dump, the
// comparators and their hash coders agree, plain strings and search keys stand for real
// objects in sorted and hashed containers, the identifier convertors, and the misuses
// are fatal with their texts.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "ORVFamilyAndName.h"
#include "ORVFamilyAndNameCmpFamilyCodeValNameVal.h"
#include "ORVFamilyAndNameCmpFamilyNameVal.h"
#include "ORVFamilyAndNameHashFamilyCodeValNameVal.h"
#include "ORVFamilyAndNameHashFamilyNameVal.h"
#include "ORVHashTable.h"
#include "ORVIdAndParentId.h"
#include "ORVIdObjConvIdToExtChars.h"
#include "ORVIdObjConvIdToString.h"
#include "ORVIdentifiedObjectCmpIdVal.h"
#include "ORVIdentifiedObjectHashIdVal.h"
#include "ORVMappedCode.h"
#include "ORVOFStream.h"
#include "ORVObjWithFamilyCmpFamily.h"
#include "ORVObjWithFamilyHashFamily.h"
#include "ORVSearchOnFamily.h"
#include "ORVSearchOnFamilyAndName.h"
#include "ORVSortedVector.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"

// The test class lives outside the unnamed namespace: its meta-object defines members
// that only a registered class uses.
class ORVTestNamed : public ORVFamilyAndName {
  ORV_META_OBJECT(ORVTestNamed)

public:
  ORVTestNamed(const ORVMappedCode& iFamily, const char* iName)
      : _pFamily(&iFamily), _Name(iName) {}
  const ORVMappedCode& GetFamily() const override { return *_pFamily; }
  const ORVString& GetName() const override { return _Name; }
  const ORVMappedCode* _pFamily;
  ORVString _Name;
};
ORV_META_OBJECT_DEFINE(ORVTestNamed, ORVFamilyAndName)

namespace {

class ORVIdentifiedAndNamedTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
  // Two distinct families with the same code, and another.
  ORVMappedCode _Tools{"TOOL"};
  ORVMappedCode _ToolsAgain{"TOOL"};
  ORVMappedCode _Files{"FILE"};
  ORVObjWithFamilyCmpFamily& _ByFamily = *ORVObjWithFamilyCmpFamily::GetGlobal();
  ORVFamilyAndNameCmpFamilyNameVal& _ByName = *ORVFamilyAndNameCmpFamilyNameVal::GetGlobal();
  ORVFamilyAndNameCmpFamilyCodeValNameVal& _ByCode =
      *ORVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal();
  ORVObjWithFamilyHashFamily& _FamilyHash = *ORVObjWithFamilyHashFamily::GetGlobal();
  ORVFamilyAndNameHashFamilyNameVal& _NameHash = *ORVFamilyAndNameHashFamilyNameVal::GetGlobal();
  ORVFamilyAndNameHashFamilyCodeValNameVal& _CodeHash =
      *ORVFamilyAndNameHashFamilyCodeValNameVal::GetGlobal();
  ORVTestNamed _Named{_Tools, "make"};
};
using ORVIdentifiedAndNamedDeathTest = ORVIdentifiedAndNamedTest;

TEST_F(ORVIdentifiedAndNamedTest, DumpAndContainersSeeTheIdentifierTextWhichConvertorsExpose) {
  const ORVIdentifiedObjectCmpIdVal& comparator = *ORVIdentifiedObjectCmpIdVal::GetGlobal();
  const ORVIdentifiedObjectHashIdVal& coder = *ORVIdentifiedObjectHashIdVal::GetGlobal();
  ORVString key("beta"), missing("delta"), parent("tool");
  ORVIdAndParentId alpha("alpha", parent), beta(key, parent), gamma("gamma", parent);
  FILE* file = tmpfile();
  {
    ORVOFStream stream(file);
    stream << alpha;
  }
  char address[32];
  snprintf(address, sizeof address, "%p", static_cast<const void*>(&alpha));
  EXPECT_EQ(
      ReadStream(file) + " " + alpha.GetParentId().GetChars(),
      std::string("Addr: ") + address + " Class: ORVIdAndParentId Identifier: \"alpha\" tool");
  fclose(file);
  ORVSortedVector sorted(comparator, ORVDoNothingAtDelete);
  ORVHashTable hashed(coder, comparator, ORVDoNothingAtDelete, 4);
  for (ORVIdAndParentId* object : {&gamma, &alpha, &beta}) {
    sorted.Add(object, ORVDoNotNotify);
    hashed.Add(object, ORVDoNotNotify);
  }
  ORVExtAnyChars chars("gamma");
  EXPECT_EQ(std::vector<PEVBaseUnknown*>({sorted.LookupOne(&key), hashed.LookupOne(&key),
                                          sorted.LookupOne(&chars), hashed.LookupOne(&chars),
                                          hashed.LookupOne(&missing)}),
            std::vector<PEVBaseUnknown*>({&beta, &beta, &gamma, &gamma, nullptr}));
  // The convertors expose the identifier without copy.
  ORVIdObjConvIdToExtChars toChars;
  toChars.Set(&alpha);
  const auto* converted = static_cast<const ORVExtChars*>(toChars.GetConverted());
  EXPECT_EQ(converted->GetChars(), alpha.GetIdentifier().GetChars());
  toChars.Set(nullptr);
  EXPECT_TRUE(converted->IsDbNull());
  ORVIdObjConvIdToString toString(&alpha);
  EXPECT_EQ(toString.GetConverted(), &alpha.GetIdentifier());
  toString.Set(nullptr);
  EXPECT_EQ(toString.GetConverted(), nullptr);
}

TEST_F(ORVIdentifiedAndNamedTest, EqualObjectsHashEquallyUnderEveryKeyAndSearchKeysFindThem) {
  const std::tuple<const ORVComparator*, const ORVHashCoder*, const char*> kinds[] = {
      {&_ByFamily, &_FamilyHash, "family"},
      {&_ByName, &_NameHash, "name"},
      {&_ByCode, &_CodeHash, "code"}};
  std::vector<ORVTestNamed> objects = {{_Tools, "make"},      {_Tools, "make"},    {_Tools, "cc"},
                                       {_ToolsAgain, "make"}, {_ToolsAgain, "ld"}, {_Files, "make"},
                                       {_Files, ""}};
  for (const auto& [comparator, coder, key] : kinds)
    for (const ORVTestNamed& first : objects)
      for (const ORVTestNamed& second : objects) {
        SCOPED_TRACE(key);
        int order = comparator->CompareObjects(&first, &second);
        EXPECT_EQ(order, -comparator->CompareObjects(&second, &first));
        EXPECT_TRUE(order != 0 || coder->Code(&first) == coder->Code(&second));
      }
  ORVTestNamed &make = objects[0], &makeAgain = objects[3], &cc = objects[2], &file = objects[6];
  EXPECT_EQ(std::vector<int>({_ByName.CompareObjects(&make, &objects[1]),
                              _ByCode.CompareObjects(&make, &makeAgain),
                              _ByName.CompareObjects(&make, &makeAgain),
                              _ByCode.CompareObjects(&objects[4], &make) < 0}),
            std::vector<int>({0, 0, &_Tools < &_ToolsAgain ? -1 : 1, 1}));
  // Search keys stand for real objects.
  ORVSortedVector sorted(_ByName, ORVDoNothingAtDelete);
  ORVHashTable hashed(_CodeHash, _ByCode, ORVDoNothingAtDelete, 4);
  ORVHashTable byFamily(_FamilyHash, _ByFamily, ORVDoNothingAtDelete, 4);
  for (ORVTestNamed* object : {&make, &cc, &file}) {
    sorted.Add(object, ORVDoNotNotify);
    hashed.Add(object, ORVDoNotNotify);
    byFamily.Add(object, ORVDoNotNotify);
  }
  ORVSearchOnFamilyAndName key(_Tools, ORVString("cc"));
  EXPECT_EQ(sorted.LookupOne(&key), &cc);
  key.SetFamily(_ToolsAgain);  // another family object with the same code
  key.SetName(ORVString("make"));
  ORVSearchOnFamily family(_Files);
  EXPECT_EQ(std::vector<PEVBaseUnknown*>(
                {hashed.LookupOne(&key), sorted.LookupOne(&key), byFamily.LookupOne(&family)}),
            std::vector<PEVBaseUnknown*>({&make, nullptr, &file}));
  EXPECT_TRUE(_ByName.SortsSetAsSecondCanBeUsed(_ByFamily));
  EXPECT_FALSE(_ByName.SortsSetAsSecondCanBeUsed(_ByCode));
}

TEST_F(ORVIdentifiedAndNamedDeathTest, MisusesAreFatalWithTheirTexts) {
  ORVString text("x");
  const std::string family = "ObjWithFamilyCmpHashFamily",
                    name = "FamilyAndNameCmpHashFamilyNameVal",
                    code = "FamilyAndNameCmpHashFamilyCodeValNameVal";
  auto notA = [](const char* iClass, const char* iActual) {
    return std::string("ORVConversionCheck::Check: object is not a \"") + iClass + "\" but a \"" +
           iActual + "\"";
  };
  const struct {
    std::function<void()> _Body;
    std::string _Text;
    std::string _File;  // src/ORV<file>.cpp
  } cases[] = {
      {[&] { _ByFamily.CompareObjects(&_Named, nullptr); }, "pObj1 == NULL or pObj2 == NULL",
       family},
      {[&] { _FamilyHash.Code(nullptr); }, "pObj1 == NULL", family},
      {[&] { _ByName.CompareObjects(nullptr, &_Named); }, "pObj1 or pObj2 is NULL", name},
      {[&] { _NameHash.Code(nullptr); }, "pObj1 is NULL", name},
      {[&] { _ByCode.CompareObjects(&_Named, nullptr); }, "pObj1 or pObj2 is NULL", code},
      {[&] { _CodeHash.Code(nullptr); }, "pObj1 is NULL", code},
      {[] { ORVSearchOnFamily().GetFamily(); }, "_pFamily == NULL", "SearchOnFamily"},
      {[] { ORVSearchOnFamilyAndName().GetFamily(); }, "_pFamily == NULL", "SearchOnFamilyAndName"},
      {[&] { _ByName.CompareObjects(&_Named, &_Tools); }, notA("ORVFamilyAndName", "ORVMappedCode"),
       "Macro"},
      {[&] { ORVIdentifiedObjectCmpIdVal::GetGlobal()->CompareObjects(nullptr, &text); },
       "pObj1 == NULL OR pObj2 == NULL", "StringExtCharsCmp"},
      {[&] { ORVIdObjConvIdToString().Set(&text); }, notA("ORVIdentifiedObject", "ORVString"),
       "Macro"}};
  for (const auto& fatal : cases) {
    SCOPED_TRACE(fatal._Text);
    ExpectFatalReport(fatal._Body, fatal._Text, "src/ORV" + fatal._File + ".cpp");
  }
}

}  // namespace
