// Tests of the address hash coder: the codes of chosen addresses and the global instance.
#include "PEVBaseUnknownHashAddr.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "ORVGlobalObjectCleaner.h"

namespace {

unsigned int CodeOf(uintptr_t iAddress) {
  PEVBaseUnknownHashAddr coder;
  return coder.Code(reinterpret_cast<const PEVBaseUnknown*>(iAddress));
}

}  // namespace

TEST(PEVBaseUnknownHashAddr, StartsFromTheMostSignificantByteAndCountsEveryByte) {
  EXPECT_EQ(CodeOf(0), 0u);
  EXPECT_EQ(CodeOf(1), 1u);              // bytes 00 .. 00 01
  EXPECT_EQ(CodeOf(0x0102), 16777617u);  // 1 x 16777619 xor 2
  // A first byte of 1 multiplied seven times by the prime, modulo 2^32.
  EXPECT_EQ(CodeOf(uintptr_t{1} << 56), 878009595u);
  // Every byte counts: addresses that differ only in their high bytes get different codes.
  EXPECT_NE(CodeOf(0x0000000100001000u), CodeOf(0x0000000200001000u));
  EXPECT_NE(CodeOf(0x7f0000001000u), CodeOf(0x1000u));
}

TEST(PEVBaseUnknownHashAddr, GlobalInstanceIsSharedAndForgottenWhenReleased) {
  {
    ORVGlobalObjectCleaner cleaner;
    PEVBaseUnknownHashAddr* global = PEVBaseUnknownHashAddr::GetGlobal();
    EXPECT_EQ(PEVBaseUnknownHashAddr::GetGlobal(), global);
    EXPECT_EQ(cleaner.GetCount(), 1);
    EXPECT_TRUE(global->IsAKindOf("ORVHashCoder"));
  }
  ORVGlobalObjectCleaner next;
  PEVBaseUnknownHashAddr::GetGlobal();
  EXPECT_EQ(next.GetCount(), 1);
}
