// Tests of the object model: PEVBaseUnknown's reference counting and interface queries,
// PEVMetaClass records and kind-of questions, PEVCreateClassInstance over the registry of
// creatable classes.
#include <gtest/gtest.h>

#include "PEVBaseUnknown.h"
#include "PEVClassFactory.h"
#include "PEVMetaClass.h"
#include "TestClasses.h"

namespace {

TEST(PEVBaseUnknown, NewObjectsAndCopiesHoldOneReferenceQueriesAddOneAndDispatchReportsNoTypes) {
  auto* shape = new ORVTestShape("counted");
  EXPECT_EQ(shape->AddRef(), 2u);
  EXPECT_EQ(shape->Release(), 1u);
  EXPECT_EQ(shape->Release(), 0u);
  EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "counted");
  ORVTestShape original("a");
  original.AddRef();
  ORVTestShape copy(original);
  EXPECT_EQ(copy.GetRefCount(), 1u);
  EXPECT_EQ(original.GetRefCount(), 2u);
  // Each answered query adds a reference; a refused one or a null output adds none.
  ORVTestCircle circle;
  void* result = nullptr;
  EXPECT_EQ(circle.QueryInterface(IID_IUnknown, &result), PEV_S_OK);
  EXPECT_EQ(circle.QueryInterface(ORVTestShape::ClassId(), &result), PEV_S_OK);
  EXPECT_EQ(circle.QueryInterface(ORVTestSquare::ClassId(), &result), PEV_E_NOINTERFACE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(circle.QueryInterface(IID_IUnknown, nullptr), PEV_E_POINTER);
  EXPECT_EQ(circle.QueryInterface("ORVTestShape", &result), PEV_S_OK);
  EXPECT_EQ(result, static_cast<void*>(&circle));
  EXPECT_EQ(circle.QueryInterface("ORVTestSquare", &result), PEV_E_NOINTERFACE);
  EXPECT_EQ(circle.QueryInterface(static_cast<const char*>(nullptr), &result), PEV_E_NOINTERFACE);
  EXPECT_EQ(circle.QueryInterface("ORVTestShape", nullptr), PEV_E_POINTER);
  EXPECT_EQ(circle.GetRefCount(), 4u);
  // The dispatch slots report no type information; the root is its own identity.
  unsigned int count = 7;
  EXPECT_EQ(copy.GetTypeInfoCount(&count), PEV_S_OK);
  EXPECT_EQ(count, 0u);
  void* info = &count;
  EXPECT_EQ(copy.GetTypeInfo(0, 0, &info), PEV_E_NOTIMPL);
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(copy.Invoke(0, IID_IUnknown, 0, 0, nullptr, nullptr, nullptr, nullptr), PEV_E_NOTIMPL);
  EXPECT_EQ(copy.IsNull(), 0u);
  EXPECT_EQ(copy.IsEqual(&copy), 1u);
  EXPECT_EQ(copy.GetImpl(), &copy);
  EXPECT_STREQ(PEVBaseUnknown::ClassName(), "PEVBaseUnknown");
}

// One record per class name, whatever the later arguments; kind-of questions walk the
// parents and match whole names; identifiers are distinct and find their class.
TEST(PEVMetaClass, OneRecordPerNameKindOfWalksTheParentsAndIdentifiersFindTheirClass) {
  PEVMetaClass* root = PEVBaseUnknown::MetaObject();
  PEVMetaClass* base = fct_RetrieveMetaObject("TestMetaBase", PEVTypeOfClassImplementation, root,
                                              "PEVNull", "TovakBase", 24);
  EXPECT_EQ(fct_RetrieveMetaObject("TestMetaBase", PEVTypeOfClassUnknown, nullptr, "X", "Y", 99),
            base);
  EXPECT_EQ(fct_RetrieveMetaObject(nullptr, PEVTypeOfClassImplementation, root, "", "", 0),
            nullptr);
  PEVMetaClass* derived =
      fct_RetrieveMetaObject("TestMetaDerived", PEVTypeOfClassImplementation, base, "", "", 8);
  EXPECT_TRUE(derived->IsAKindOf("TestMetaBase") && derived->IsAKindOf("PEVBaseUnknown"));
  EXPECT_FALSE(base->IsAKindOf("TestMetaDerived") || derived->IsAKindOf("TestMeta"));
  EXPECT_FALSE(derived->IsAKindOf(static_cast<const char*>(nullptr)));
  EXPECT_TRUE(derived->IsAKindOf(base) && !base->IsAKindOf(derived));
  EXPECT_FALSE(derived->IsAKindOf(static_cast<const PEVMetaClass*>(nullptr)));
  EXPECT_NE(base->GetClassId(), derived->GetClassId());
  EXPECT_EQ(fct_FindMetaObject(derived->GetClassId()), derived);
  EXPECT_EQ(fct_FindMetaObject({1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}}), nullptr);
}

// Creation by name and by identifier; a refused interface releases the new instance.
TEST(PEVClassFactory, CreatesByNameOrIdentifierAndFailuresGiveTheirCodes) {
  void* result = nullptr;
  auto create = [&](auto iClass, const IID& iInterface, PEVBaseUnknown* iOuter = nullptr) {
    return PEVCreateClassInstance(iClass, iOuter, 0, iInterface, &result);
  };
  const CLSID& circle = ORVTestCircle::ClassId();
  auto makeCircle = []() -> PEVBaseUnknown* { return new ORVTestCircle("factory"); };
  ASSERT_EQ(PEVRegisterCreatableClass("ORVTestCircle", circle, makeCircle), 0);
  ASSERT_EQ(create("ORVTestCircle", IID_IUnknown), 0);
  EXPECT_EQ(static_cast<PEVBaseUnknown*>(result)->Release(), 0u);
  ASSERT_EQ(create(circle, ORVTestShape::ClassId()), 0);
  static_cast<PEVBaseUnknown*>(result)->Release();
  int live = ORVTestShape::_LiveCount;
  EXPECT_EQ(create("ORVTestCircle", ORVTestSquare::ClassId()), PEV_E_NOINTERFACE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
  EXPECT_EQ(create("NoSuchClass", IID_IUnknown), PEV_REGDB_E_CLASSNOTREG);
  EXPECT_EQ(create(ORVTestSquare::ClassId(), IID_IUnknown), PEV_REGDB_E_CLASSNOTREG);
  EXPECT_EQ(create(static_cast<const char*>(nullptr), IID_IUnknown), PEV_REGDB_E_CLASSNOTREG);
  ORVTestShape outer;
  EXPECT_EQ(create("ORVTestCircle", IID_IUnknown, &outer), PEV_CLASS_E_NOAGGREGATION);
  EXPECT_EQ(PEVCreateClassInstance("ORVTestCircle", nullptr, 0, IID_IUnknown, nullptr),
            PEV_E_POINTER);
  EXPECT_EQ(PEVUnregisterCreatableClass("ORVTestCircle"), 0);
  PEVRegisterCreatableClass("Empty", ORVTestSquare::ClassId(), [] { return (PEVBaseUnknown*)0; });
  EXPECT_EQ(create("Empty", IID_IUnknown), PEV_E_FAIL);
  PEVUnregisterCreatableClass("Empty");
  // Registration needs a name and a factory.
  EXPECT_EQ(PEVRegisterCreatableClass(nullptr, circle, makeCircle), PEV_E_INVALIDARG);
  EXPECT_EQ(PEVRegisterCreatableClass("X", circle, nullptr), PEV_E_INVALIDARG);
  EXPECT_EQ(PEVUnregisterCreatableClass("NeverRegistered"), PEV_REGDB_E_CLASSNOTREG);
}

}  // namespace
