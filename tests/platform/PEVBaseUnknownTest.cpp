// Tests of PEVBaseUnknown: reference counting, class-level allocation, interface queries.
#include "PEVBaseUnknown.h"

#include <gtest/gtest.h>

#include "TestClasses.h"

TEST(PEVBaseUnknown, NewObjectsAndCopiesHoldOneReferenceAndTheLastReleaseDestroys) {
  int before = ORVTestShape::_LiveCount;
  auto* shape = new ORVTestShape("counted");
  EXPECT_EQ(shape->GetRefCount(), 1u);
  EXPECT_EQ(shape->AddRef(), 2u);
  EXPECT_EQ(shape->Release(), 1u);
  EXPECT_EQ(ORVTestShape::_LiveCount, before + 1);
  EXPECT_EQ(shape->Release(), 0u);
  EXPECT_EQ(ORVTestShape::_LiveCount, before);
  EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "counted");
  ORVTestShape original("a");
  original.AddRef();
  ORVTestShape copy(original);
  EXPECT_EQ(copy.GetRefCount(), 1u);
  EXPECT_EQ(original.GetRefCount(), 2u);
}

TEST(PEVBaseUnknown, QueryInterfaceByIdentifierOrNameAnswersEveryClassOfTheChain) {
  auto* circle = new ORVTestCircle();
  void* result = nullptr;
  EXPECT_EQ(circle->QueryInterface(IID_IUnknown, &result), PEV_S_OK);
  EXPECT_EQ(result, static_cast<void*>(circle));
  EXPECT_EQ(circle->QueryInterface(ORVTestShape::ClassId(), &result), PEV_S_OK);
  EXPECT_EQ(circle->QueryInterface(PEVBaseUnknown::ClassId(), &result), PEV_S_OK);
  EXPECT_EQ(circle->GetRefCount(), 4u);
  EXPECT_EQ(circle->QueryInterface(ORVTestSquare::ClassId(), &result), PEV_E_NOINTERFACE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(circle->QueryInterface(IID_IUnknown, nullptr), PEV_E_POINTER);
  EXPECT_EQ(circle->GetRefCount(), 4u);
  EXPECT_EQ(circle->QueryInterface("ORVTestShape", &result), PEV_S_OK);
  EXPECT_EQ(result, static_cast<void*>(circle));
  EXPECT_EQ(circle->QueryInterface("ORVTestSquare", &result), PEV_E_NOINTERFACE);
  EXPECT_EQ(circle->QueryInterface(static_cast<const char*>(nullptr), &result), PEV_E_NOINTERFACE);
  EXPECT_EQ(circle->GetRefCount(), 5u);
  for (int i = 0; i < 5; ++i)
    circle->Release();
}
TEST(PEVBaseUnknown, DispatchSlotsReportNoTypeInformationAndTheRootItsOwnIdentity) {
  ORVTestShape shape;
  unsigned int count = 7;
  EXPECT_EQ(shape.GetTypeInfoCount(&count), PEV_S_OK);
  EXPECT_EQ(count, 0u);
  void* info = &count;
  EXPECT_EQ(shape.GetTypeInfo(0, 0, &info), PEV_E_NOTIMPL);
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(shape.Invoke(0, IID_IUnknown, 0, 0, nullptr, nullptr, nullptr, nullptr), PEV_E_NOTIMPL);
  EXPECT_EQ(shape.IsNull(), 0u);
  EXPECT_EQ(shape.IsEqual(&shape), 1u);
  EXPECT_EQ(shape.GetImpl(), &shape);
  EXPECT_STREQ(PEVBaseUnknown::ClassName(), "PEVBaseUnknown");
  EXPECT_EQ(PEVBaseUnknown::MetaObject()->GetParent(), nullptr);
  EXPECT_EQ(PEVBaseUnknown::MetaObject()->GetTypeOfClass(), PEVTypeOfClassImplementation);
}
