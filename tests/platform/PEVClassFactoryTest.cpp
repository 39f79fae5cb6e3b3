// Tests of PEVCreateClassInstance over the registry of creatable classes.
#include "PEVClassFactory.h"

#include <gtest/gtest.h>

#include "TestClasses.h"

namespace {

PEVBaseUnknown* MakeCircle() {
  return new ORVTestCircle("factory");
}
PEVBaseUnknown* MakeNothing() {
  return nullptr;
}

class PEVClassFactoryTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(PEVRegisterCreatableClass("ORVTestCircle", ORVTestCircle::ClassId(), MakeCircle),
              PEV_S_OK);
  }
  void TearDown() override { PEVUnregisterCreatableClass("ORVTestCircle"); }
};

}  // namespace

TEST_F(PEVClassFactoryTest, CreatesByNameAndByIdentifierAndReleasesOnARefusedInterface) {
  void* result = nullptr;
  ASSERT_EQ(PEVCreateClassInstance("ORVTestCircle", nullptr, 0, IID_IUnknown, &result), 0);
  auto* byName = static_cast<PEVBaseUnknown*>(result);
  EXPECT_STREQ(byName->IsA(), "ORVTestCircle");
  EXPECT_EQ(byName->GetRefCount(), 1u);
  byName->Release();
  ASSERT_EQ(PEVCreateClassInstance(ORVTestCircle::ClassId(), nullptr, 0, ORVTestShape::ClassId(),
                                   &result),
            0);
  static_cast<PEVBaseUnknown*>(result)->Release();
  // A refused interface releases the new instance.
  int live = ORVTestShape::_LiveCount;
  result = &live;
  EXPECT_EQ(PEVCreateClassInstance("ORVTestCircle", nullptr, 0, ORVTestSquare::ClassId(), &result),
            PEV_E_NOINTERFACE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
}

TEST_F(PEVClassFactoryTest, FailuresGiveTheirCodes) {
  void* result = nullptr;
  EXPECT_EQ(PEVCreateClassInstance("NoSuchClass", nullptr, 0, IID_IUnknown, &result),
            PEV_REGDB_E_CLASSNOTREG);
  EXPECT_EQ(PEVCreateClassInstance(ORVTestSquare::ClassId(), nullptr, 0, IID_IUnknown, &result),
            PEV_REGDB_E_CLASSNOTREG);
  ORVTestShape outer;
  EXPECT_EQ(PEVCreateClassInstance("ORVTestCircle", &outer, 0, IID_IUnknown, &result),
            PEV_CLASS_E_NOAGGREGATION);
  EXPECT_EQ(PEVCreateClassInstance("ORVTestCircle", nullptr, 0, IID_IUnknown, nullptr),
            PEV_E_POINTER);
  EXPECT_EQ(
      PEVCreateClassInstance(static_cast<const char*>(nullptr), nullptr, 0, IID_IUnknown, &result),
      PEV_REGDB_E_CLASSNOTREG);
  PEVRegisterCreatableClass("Empty", ORVTestSquare::ClassId(), MakeNothing);
  EXPECT_EQ(PEVCreateClassInstance("Empty", nullptr, 0, IID_IUnknown, &result), PEV_E_FAIL);
  PEVUnregisterCreatableClass("Empty");
  EXPECT_TRUE(PEVFailed(PEV_REGDB_E_CLASSNOTREG));
  // Registration needs a name and a factory.
  EXPECT_EQ(PEVRegisterCreatableClass(nullptr, ORVTestCircle::ClassId(), MakeCircle),
            PEV_E_INVALIDARG);
  EXPECT_EQ(PEVRegisterCreatableClass("X", ORVTestCircle::ClassId(), nullptr), PEV_E_INVALIDARG);
  EXPECT_EQ(PEVUnregisterCreatableClass("NeverRegistered"), PEV_REGDB_E_CLASSNOTREG);
}
