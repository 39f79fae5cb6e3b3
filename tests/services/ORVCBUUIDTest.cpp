// Tests of the identifiers: their form, the counter within a second, and a child after
// fork.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "ORVCBRadix64.h"
#include "ORVCBUUID.h"

namespace {

// The counter of an identifier: the low 16 bits of its last group.
unsigned int Counter(const std::string& iId) {
  return radix64_decode(iId.substr(16).c_str()) & 0xFFFF;
}

TEST(ORVCBUUID, IdentifiersOfOneSecondDifferOnlyInTheCounter) {
  std::string first, second;
  for (int attempt = 0; attempt < 3; ++attempt) {
    first = uuid_gen();
    second = uuid_gen();
    if (first.substr(0, 16) == second.substr(0, 16)) break;  // else the second ticked
  }
  EXPECT_THAT(first, testing::MatchesRegex("^[-+0-9A-Za-z]{20}$"));
  EXPECT_EQ(first.substr(0, 16), second.substr(0, 16));
  EXPECT_EQ(Counter(second), (Counter(first) + 1) & 0xFFFF);
}

TEST(ORVCBUUID, AChildAfterForkMakesItsOwnIdentifiers) {
  std::string before = uuid_gen();
  ChildResult child = RunInChild([] {
    std::string first = uuid_gen();
    printf("%s %s", first.c_str(), uuid_gen());
  });
  std::string after = uuid_gen();
  ASSERT_EQ(child._Stdout.size(), 41u);
  std::string inChild = child._Stdout.substr(0, 20);
  EXPECT_NE(inChild, before);
  EXPECT_NE(inChild, after);
  // The child's counter starts again, and its process group differs.
  EXPECT_EQ(Counter(inChild), 0u);
  EXPECT_EQ(Counter(child._Stdout.substr(21)), 1u);
  EXPECT_NE(inChild.substr(8, 12), after.substr(8, 12));
}

}  // namespace
