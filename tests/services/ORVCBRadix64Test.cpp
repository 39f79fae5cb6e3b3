// Tests of radix-64 coding (edge values, lengths, round trips and bytes outside the
// alphabet) and of the identifiers made with it: their form, the counter within a
// second, and a child after fork.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ChildProcess.h"
#include "ORVCBRadix64.h"
#include "ORVCBUUID.h"
#include "ORVRadix64.h"

namespace {

using Case = std::tuple<unsigned int, int, const char*>;

TEST(ORVCBRadix64, CodesEdgeValuesAndDecodesAnyText) {
  for (auto [value, length, text] :
       {Case{0, 1, "+"}, Case{63, 1, "z"}, Case{64, 2, "-+"}, Case{0, 6, "++++++"},
        Case{4095, 2, "zz"}, Case{0xFFFFFFFFu, 6, "1zzzzz"}, Case{0x80000000u, 6, "0+++++"}})
    EXPECT_STREQ(radix64_code(value, length), text) << value << "/" << length;
  EXPECT_STREQ(ORVRadix64::Convert(64, 2), "-+");
  EXPECT_EQ(ORVRadix64::Convert("-+"), 64u);
  // Decoding stops at the end, reads six characters only (modulo 2^32), and takes bytes
  // outside the alphabet as zero.
  for (auto [text, value] : {std::pair<const char*, unsigned int>{"", 0},
                             {"z", 63},
                             {"zzzzzzzz", 0xFFFFFFFFu},
                             {"\xFF-", 1},
                             {"-\x80", 64}})
    EXPECT_EQ(radix64_decode(text), value) << text;
}

TEST(ORVCBRadix64, RoundTripsAtEveryLengthThatHoldsTheValue) {
  std::mt19937 random(14);
  std::vector<uint32_t> values = {0, 1, 63, 64, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
  for (int length = 1; length <= 5; ++length)
    values.push_back((uint32_t)((1ull << (6 * length)) - 1));
  for (int i = 0; i < 100000; ++i)
    values.push_back((uint32_t)random());
  for (uint32_t value : values)
    for (int length = 6; length >= 1 && (length == 6 || value < (1ull << (6 * length))); --length)
      ASSERT_EQ(radix64_decode(radix64_code(value, length)), value) << value << "/" << length;
}

TEST(ORVCBRadix64, BadLengthsAndValuesAreProgrammingErrors) {
  for (auto [value, length, text] :
       {Case{64, 1, "Radix64 result is too short\n\n"},
        Case{5, 0, "Radix64 result string length should be in \\[1\\.\\.6\\]\n"},
        Case{5, 7, "Radix64 result string length should be in \\[1\\.\\.6\\]\n"}}) {
    ChildResult child =
        RunInChild([value = value, length = length] { radix64_code(value, length); });
    EXPECT_EQ(child._Signal, SIGABRT);
    EXPECT_THAT(child._Stderr,
                testing::MatchesRegex(std::string("^#ERR# Fatal internal error at "
                                                  "src/ORVCBRadix64\\.cpp:[0-9]+: ") +
                                      text + "$"));
  }
}

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
