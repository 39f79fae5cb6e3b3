// Tests of the comparators and the address hash coder: the address comparator, the codes
// of chosen addresses, and the global instances of both.
#include "ORVComparator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <tuple>

#include "ContainerTestClasses.h"
#include "PEVBaseUnknownCmpAddr.h"
#include "PEVBaseUnknownHashAddr.h"

namespace {

const PEVBaseUnknown* Address(uintptr_t iAddress) {
  return reinterpret_cast<const PEVBaseUnknown*>(iAddress);
}

}  // namespace

// As unsigned numbers: above 2^63 still compares above.
TEST(ORVComparatorTest, AddressComparatorOrdersAddressesAsUnsignedNumbers) {
  PEVBaseUnknownCmpAddr comparator;
  const std::tuple<uintptr_t, uintptr_t, int> rows[] = {
      {0, 0, 0}, {0x1000, 0x2000, -1}, {UINTPTR_MAX, 1, 1}, {uintptr_t{1} << 63, 0x7fff, 1}};
  for (const auto& [first, second, order] : rows)
    EXPECT_EQ(comparator.CompareObjects(Address(first), Address(second)), order) << first;
}

// From the most significant byte, every byte counting: 1 x 16777619 xor 2, and a first
// byte of 1 multiplied seven times by the prime modulo 2^32.
TEST(ORVComparatorTest, AddressCoderStartsFromTheMostSignificantByteAndCountsEveryByte) {
  PEVBaseUnknownHashAddr coder;
  auto code = [&](uintptr_t iAddress) { return coder.Code(Address(iAddress)); };
  EXPECT_EQ(code(0x0102), 16777617u);
  EXPECT_EQ(code(uintptr_t{1} << 56), 878009595u);
}

// One instance registered with the cleaner, forgotten when released: the next cleaner
// gets a fresh one.
TEST(ORVComparatorTest, GlobalInstancesAreSharedAndForgottenWhenReleased) {
  const std::pair<std::function<PEVBaseUnknown*()>, const char*> globals[] = {
      {[] { return PEVBaseUnknownCmpAddr::GetGlobal(); }, "ORVComparator"},
      {[] { return PEVBaseUnknownHashAddr::GetGlobal(); }, "ORVHashCoder"}};
  for (const auto& [global, kind] : globals) {
    {
      ORVGlobalObjectCleaner cleaner;
      PEVBaseUnknown* first = global();
      EXPECT_EQ(global(), first);
      EXPECT_EQ(cleaner.GetCount(), 1);
      EXPECT_EQ(first->GetRefCount(), 1u);
      EXPECT_TRUE(first->IsAKindOf(kind));
    }
    ORVGlobalObjectCleaner next;
    global();
    EXPECT_EQ(next.GetCount(), 1);
  }
}
