// Tests of PEVBaseUnknown: reference counting, class-level allocation, interface queries.
#include "PEVBaseUnknown.h"

#include <gtest/gtest.h>

#include "TestClasses.h"

TEST(PEVBaseUnknown, NewObjectHoldsOneReferenceAndLastReleaseDestroysIt) {
  int before = ORVTestShape::_LiveCount;
  auto* shape = new ORVTestShape("counted");
  EXPECT_EQ(shape->GetRefCount(), 1u);
  EXPECT_EQ(shape->AddRef(), 2u);
  EXPECT_EQ(shape->Release(), 1u);
  EXPECT_EQ(ORVTestShape::_LiveCount, before + 1);
  EXPECT_EQ(shape->Release(), 0u);
  EXPECT_EQ(ORVTestShape::_LiveCount, before);
  EXPECT_EQ(ORVTestShape::_DestroyedNames.back(), "counted");
}

TEST(PEVBaseUnknown, CopyStartsWithItsOwnReference) {
  ORVTestShape original("a");
  original.AddRef();
  ORVTestShape copy(original);
  EXPECT_EQ(copy.GetRefCount(), 1u);
  EXPECT_EQ(original.GetRefCount(), 2u);
}

TEST(PEVBaseUnknown, QueryInterfaceAnswersUnknownAndEveryClassOfTheChain) {
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
  for (int i = 0; i < 4; ++i)
    circle->Release();
}

TEST(PEVBaseUnknown, QueryInterfaceByNameFollowsTheClassTree) {
  auto* square = new ORVTestSquare();
  void* result = nullptr;
  EXPECT_EQ(square->QueryInterface("ORVTestShape", &result), PEV_S_OK);
  EXPECT_EQ(result, static_cast<void*>(square));
  EXPECT_EQ(square->QueryInterface("ORVTestCircle", &result), PEV_E_NOINTERFACE);
  EXPECT_EQ(square->QueryInterface(static_cast<const char*>(nullptr), &result), PEV_E_NOINTERFACE);
  square->Release();
  square->Release();
}

TEST(PEVBaseUnknown, DispatchSlotsReportNoTypeInformation) {
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
}

TEST(PEVBaseUnknown, RootAnswersItsOwnIdentity) {
  EXPECT_STREQ(PEVBaseUnknown::ClassName(), "PEVBaseUnknown");
  EXPECT_EQ(PEVBaseUnknown::MetaObject()->GetParent(), nullptr);
  EXPECT_EQ(PEVBaseUnknown::MetaObject()->GetTypeOfClass(), PEVTypeOfClassImplementation);
}
