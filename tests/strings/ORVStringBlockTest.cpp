// Tests of ORVStringBlock: buffer sizes, contents, resizing and the fatal checks.
#include "ORVStringBlock.h"

#include <cstring>
#include <string>

#include "SuiteHelpers.h"

TEST(ORVStringBlock, BlockIsAtLeastAsLargeAsItsText) {
  ORVStringBlock empty(12), none(0);
  EXPECT_EQ(empty.GetDimension(), 12);
  EXPECT_STREQ(empty.GetBuffer(), "");
  EXPECT_EQ(none.GetDimension(), 0);
  EXPECT_STREQ(none.GetBuffer(), "");
  ORVStringBlock roomy(10, "abcdef", 3), tight(2, "abcdef", 5);
  EXPECT_EQ(roomy.GetDimension(), 10);
  EXPECT_STREQ(roomy.GetBuffer(), "abc");
  EXPECT_EQ(tight.GetDimension(), 5);
  EXPECT_STREQ(tight.GetBuffer(), "abcde");
  ORVStringBlock nuls(0, "a\0b", 3), nothing(4, nullptr, 0);
  EXPECT_EQ(memcmp(nuls.GetBuffer(), "a\0b\0", 4), 0);
  EXPECT_STREQ(nothing.GetBuffer(), "");
}

TEST(ORVStringBlock, ReAllocKeepsTheContentsAndTheHeapBlockIsCounted) {
  ORVStringBlock block(4, "abcd", 4);
  block.ReAlloc(1000);
  EXPECT_EQ(block.GetDimension(), 1000);
  EXPECT_STREQ(block.GetBuffer(), "abcd");
  block.ReAlloc(2);
  EXPECT_EQ(block.GetDimension(), 2);
  EXPECT_STREQ(block.GetBuffer(), "ab");

  EXPECT_EQ(ORVStringBlock::MetaObject()->GetParent(), PEVBaseUnknown::MetaObject());
  auto* counted = new ORVStringBlock(1);
  EXPECT_STREQ(counted->IsA(), "ORVStringBlock");
  EXPECT_EQ(counted->GetRefCount(), 1u);
  EXPECT_EQ(counted->Release(), 0u);
}

TEST(ORVStringBlockDeathTest, NegativeSizesAndMissingTextAreFatal) {
  const char kBlockFile[] = "src/ORVStringBlock.cpp";
  ExpectFatal([] { ORVStringBlock block(-1); }, "ORVStringBlock::ORVStringBlock(): iDimension < 0",
              kBlockFile);
  ExpectFatal([] { ORVStringBlock(4).ReAlloc(-2); }, "ORVStringBlock::ReAlloc(): iDimension < 0",
              kBlockFile);
  ExpectFatal([] { ORVStringBlock block(4, "abc", -1); },
              "ORVStringBlock::ORVStringBlock(): iNbChars < 0", kBlockFile);
  ExpectFatal([] { ORVStringBlock block(4, nullptr, 2); },
              "ORVStringBlock::ORVStringBlock(): iText is NULL", kBlockFile);
}
