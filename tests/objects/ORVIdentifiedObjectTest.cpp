// Tests of identified objects: the dump, look-ups by identifier in sorted and hashed
// containers with a plain string as key, and the identifier convertors.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ORVExtAnyChars.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVHashTable.h"
#include "ORVIdAndParentId.h"
#include "ORVIdObjConvIdToExtChars.h"
#include "ORVIdObjConvIdToString.h"
#include "ORVIdentifiedObjectCmpIdVal.h"
#include "ORVIdentifiedObjectHashIdVal.h"
#include "ORVOFStream.h"
#include "ORVSortedVector.h"
#include "ObjectsTestSupport.h"
#include "SuiteHelpers.h"

namespace {

class ORVIdentifiedObjectTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
};

TEST_F(ORVIdentifiedObjectTest, DumpShowsTheWholeAddressClassAndIdentifier) {
  char path[] = "/tmp/orv-dump-XXXXXX";
  int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  FILE* file = fdopen(fd, "w+");
  ORVIdAndParentId object(ORVString("tool/make"), ORVString("tool"));
  {
    ORVOFStream stream(file);
    stream << object;
  }
  fflush(file);
  rewind(file);
  char text[256] = {};
  size_t length = fread(text, 1, sizeof text - 1, file);
  fclose(file);
  remove(path);
  char address[32];
  snprintf(address, sizeof address, "%p", static_cast<const void*>(&object));
  EXPECT_EQ(std::string(text, length),
            std::string("Addr: ") + address + " Class: ORVIdAndParentId Identifier: \"tool/make\"");
  EXPECT_STREQ(object.GetParentId().GetChars(), "tool");
}

TEST_F(ORVIdentifiedObjectTest, ContainersFindObjectsByTheirIdentifierText) {
  const ORVIdentifiedObjectCmpIdVal& comparator = *ORVIdentifiedObjectCmpIdVal::GetGlobal();
  const ORVIdentifiedObjectHashIdVal& coder = *ORVIdentifiedObjectHashIdVal::GetGlobal();
  ORVTestIdentified alpha("alpha"), beta("beta"), gamma("gamma");
  ORVSortedVector sorted(comparator, ORVDoNothingAtDelete);
  ORVHashTable hashed(coder, comparator, ORVDoNothingAtDelete, 4);
  for (ORVTestIdentified* object : {&gamma, &alpha, &beta}) {
    sorted.Add(object, 0);
    hashed.Add(object, 0);
  }
  ORVString key("beta");
  ORVExtAnyChars chars("gamma");
  EXPECT_EQ(comparator.CompareObjects(&beta, &key), 0);
  EXPECT_EQ(coder.Code(&beta), coder.Code(&key));
  EXPECT_LT(comparator.CompareObjects(&alpha, &beta), 0);
  EXPECT_EQ(sorted.LookupOne(&key), &beta);
  EXPECT_EQ(hashed.LookupOne(&key), &beta);
  EXPECT_EQ(sorted.LookupOne(&chars), &gamma);
  EXPECT_EQ(hashed.LookupOne(&chars), &gamma);
  ORVString missing("delta");
  EXPECT_EQ(hashed.LookupOne(&missing), nullptr);
}

TEST_F(ORVIdentifiedObjectTest, ConvertorsExposeTheIdentifierWithoutCopy) {
  ORVTestIdentified object("id-7");
  ORVIdObjConvIdToExtChars toChars;
  EXPECT_TRUE(static_cast<const ORVExtChars*>(toChars.GetConverted())->IsDbNull());
  toChars.Set(&object);
  const auto* chars = static_cast<const ORVExtChars*>(toChars.GetConverted());
  EXPECT_EQ(chars->GetChars(), object.GetIdentifier().GetChars());
  toChars.Set(nullptr);
  EXPECT_TRUE(chars->IsDbNull());
  ORVIdObjConvIdToString toString(&object);
  EXPECT_EQ(toString.GetConverted(), &object.GetIdentifier());
  toString.Set(nullptr);
  EXPECT_EQ(toString.GetConverted(), nullptr);
}

TEST(ORVIdentifiedObjectDeathTest, NullAndForeignObjectsAreFatal) {
  ORVString text("x");
  ExpectFatal([&] { ORVIdentifiedObjectCmpIdVal::GetGlobal()->CompareObjects(nullptr, &text); },
              "pObj1 == NULL OR pObj2 == NULL", "src/ORVStringExtCharsCmp.cpp");
  ExpectFatal([&] { ORVIdObjConvIdToString().Set(&text); },
              "ORVConversionCheck::Check: object is not a \"ORVIdentifiedObject\" but a "
              "\"ORVString\"",
              "src/ORVMacro.cpp");
}

}  // namespace
