// Tests of PEVMetaClass and fct_RetrieveMetaObject: one record per name, kind-of questions.
#include "PEVMetaClass.h"

#include <gtest/gtest.h>

#include "PEVBaseUnknown.h"

TEST(PEVMetaClass, OneRecordPerClassNameWhateverTheLaterArguments) {
  PEVMetaClass* root = PEVBaseUnknown::MetaObject();
  PEVMetaClass* first = fct_RetrieveMetaObject("TestMetaOnce", PEVTypeOfClassImplementation, root,
                                               "PEVNull", "TovakBase", 24);
  PEVMetaClass* second =
      fct_RetrieveMetaObject("TestMetaOnce", PEVTypeOfClassUnknown, nullptr, "X", "Y", 99);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->GetParent(), root);
  EXPECT_EQ(first->GetInstanceSize(), 24u);
  EXPECT_STREQ(first->GetFrameworkName(), "TovakBase");
  EXPECT_EQ(fct_RetrieveMetaObject(nullptr, PEVTypeOfClassImplementation, root, "", "", 0),
            nullptr);
}

// Kind-of questions walk the parents; identifiers are distinct and find their class.
TEST(PEVMetaClass, KindOfWalksTheParentsAndIdentifiersFindTheirClass) {
  PEVMetaClass* root = PEVBaseUnknown::MetaObject();
  PEVMetaClass* base =
      fct_RetrieveMetaObject("TestMetaBase", PEVTypeOfClassImplementation, root, "", "", 8);
  PEVMetaClass* derived =
      fct_RetrieveMetaObject("TestMetaDerived", PEVTypeOfClassImplementation, base, "", "", 8);
  EXPECT_TRUE(derived->IsAKindOf("TestMetaDerived"));
  EXPECT_TRUE(derived->IsAKindOf("TestMetaBase"));
  EXPECT_TRUE(derived->IsAKindOf("PEVBaseUnknown"));
  EXPECT_FALSE(base->IsAKindOf("TestMetaDerived"));
  EXPECT_FALSE(derived->IsAKindOf("TestMeta"));  // names match whole, not by prefix
  EXPECT_FALSE(derived->IsAKindOf(static_cast<const char*>(nullptr)));
  EXPECT_TRUE(derived->IsAKindOf(base));
  EXPECT_FALSE(base->IsAKindOf(derived));
  EXPECT_FALSE(derived->IsAKindOf(static_cast<const PEVMetaClass*>(nullptr)));
  EXPECT_NE(base->GetClassId(), derived->GetClassId());
  EXPECT_EQ(fct_FindMetaObject(base->GetClassId()), base);
  EXPECT_EQ(fct_FindMetaObject(derived->GetClassId()), derived);
  CLSID unknown = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_EQ(fct_FindMetaObject(unknown), nullptr);
}
