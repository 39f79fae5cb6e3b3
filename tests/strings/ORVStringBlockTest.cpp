// Tests of ORVStringBlock: buffer sizes, contents, resizing and the fatal checks.
#include "ORVStringBlock.h"

#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "FatalReport.h"
#include "ORVGlobalObjectCleaner.h"

namespace {

const char kBlockFile[] = "src/ORVStringBlock.cpp";

void ExpectBlockFatal(const std::function<void()>& iBody, const std::string& iText) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        iBody();
      },
      testing::ExitedWithCode(255), FatalReportPattern(iText, kBlockFile));
}

}  // namespace

TEST(ORVStringBlock, EmptyBlockOfTheGivenDimension) {
  ORVStringBlock block(12);
  EXPECT_EQ(block.GetDimension(), 12);
  EXPECT_STREQ(block.GetBuffer(), "");
  ORVStringBlock none(0);
  EXPECT_EQ(none.GetDimension(), 0);
  EXPECT_STREQ(none.GetBuffer(), "");
}

TEST(ORVStringBlock, TextBlockIsAtLeastAsLargeAsTheText) {
  ORVStringBlock roomy(10, "abcdef", 3);
  EXPECT_EQ(roomy.GetDimension(), 10);
  EXPECT_STREQ(roomy.GetBuffer(), "abc");
  ORVStringBlock tight(2, "abcdef", 5);
  EXPECT_EQ(tight.GetDimension(), 5);
  EXPECT_STREQ(tight.GetBuffer(), "abcde");
  ORVStringBlock nuls(0, "a\0b", 3);
  EXPECT_EQ(memcmp(nuls.GetBuffer(), "a\0b\0", 4), 0);
  ORVStringBlock nothing(4, nullptr, 0);
  EXPECT_STREQ(nothing.GetBuffer(), "");
}

TEST(ORVStringBlock, ReAllocKeepsTheContents) {
  ORVStringBlock block(4, "abcd", 4);
  block.ReAlloc(1000);
  EXPECT_EQ(block.GetDimension(), 1000);
  EXPECT_STREQ(block.GetBuffer(), "abcd");
  block.ReAlloc(2);
  EXPECT_EQ(block.GetDimension(), 2);
  EXPECT_STREQ(block.GetBuffer(), "ab");
}

TEST(ORVStringBlock, ClassIdentity) {
  EXPECT_STREQ(ORVStringBlock::ClassName(), "ORVStringBlock");
  EXPECT_EQ(ORVStringBlock::MetaObject()->GetParent(), PEVBaseUnknown::MetaObject());
  auto* block = new ORVStringBlock(1);
  EXPECT_STREQ(block->IsA(), "ORVStringBlock");
  EXPECT_EQ(block->GetRefCount(), 1u);
  EXPECT_EQ(block->Release(), 0u);
}

TEST(ORVStringBlockDeathTest, NegativeSizesAndMissingTextAreFatal) {
  ExpectBlockFatal([] { ORVStringBlock block(-1); },
                   "ORVStringBlock::ORVStringBlock(): iDimension < 0");
  ExpectBlockFatal([] { ORVStringBlock(4).ReAlloc(-2); },
                   "ORVStringBlock::ReAlloc(): iDimension < 0");
  ExpectBlockFatal([] { ORVStringBlock block(4, "abc", -1); },
                   "ORVStringBlock::ORVStringBlock(): iNbChars < 0");
  ExpectBlockFatal([] { ORVStringBlock block(4, nullptr, 2); },
                   "ORVStringBlock::ORVStringBlock(): iText is NULL");
}
