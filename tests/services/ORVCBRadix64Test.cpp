// Tests of radix-64 coding: edge values, lengths, round trips and bytes outside the
// alphabet.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <random>
#include <string>

#include "ChildProcess.h"
#include "ORVCBRadix64.h"
#include "ORVRadix64.h"

namespace {

TEST(ORVCBRadix64, CodesEdgeValues) {
  struct Case {
    unsigned int _Value;
    int _Length;
    const char* _Text;
  };
  for (const Case& c :
       {Case{0, 1, "+"}, Case{63, 1, "z"}, Case{64, 2, "-+"}, Case{0, 6, "++++++"},
        Case{4095, 2, "zz"}, Case{0xFFFFFFFFu, 6, "1zzzzz"}, Case{0x80000000u, 6, "0+++++"}})
    EXPECT_STREQ(radix64_code(c._Value, c._Length), c._Text) << c._Value << "/" << c._Length;
  EXPECT_STREQ(ORVRadix64::Convert(64, 2), "-+");
  EXPECT_EQ(ORVRadix64::Convert("-+"), 64u);
}

TEST(ORVCBRadix64, RoundTripsAtEveryLengthThatHoldsTheValue) {
  std::mt19937 random(14);
  std::vector<uint32_t> values = {0, 1, 63, 64, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
  for (int i = 0; i < 100000; ++i)
    values.push_back((uint32_t)random());
  for (uint32_t value : values)
    for (int length = 6; length >= 1 && (length == 6 || value < (1ull << (6 * length))); --length)
      ASSERT_EQ(radix64_decode(radix64_code(value, length)), value) << value << "/" << length;
  for (int length = 1; length <= 5; ++length) {
    uint32_t largest = (uint32_t)((1ull << (6 * length)) - 1);
    EXPECT_EQ(radix64_decode(radix64_code(largest, length)), largest) << length;
  }
}

TEST(ORVCBRadix64, DecodingStopsAtTheEndAndTakesOtherBytesAsZero) {
  EXPECT_EQ(radix64_decode(""), 0u);
  EXPECT_EQ(radix64_decode("z"), 63u);
  EXPECT_EQ(radix64_decode("zzzzzzzz"), 0xFFFFFFFFu);  // six characters only, modulo 2^32
  EXPECT_EQ(radix64_decode("\xFF-"), 1u);
  EXPECT_EQ(radix64_decode("-\x80"), 64u);
}

TEST(ORVCBRadix64, BadLengthsAndValuesAreProgrammingErrors) {
  struct Case {
    unsigned int _Value;
    int _Length;
    const char* _Text;
  };
  for (const Case& c : {Case{64, 1, "Radix64 result is too short\n\n"},
                        Case{5, 0, "Radix64 result string length should be in \\[1\\.\\.6\\]\n"},
                        Case{5, 7, "Radix64 result string length should be in \\[1\\.\\.6\\]\n"}}) {
    ChildResult child = RunInChild([&] { radix64_code(c._Value, c._Length); });
    EXPECT_EQ(child._Signal, SIGABRT);
    EXPECT_THAT(child._Stderr,
                testing::MatchesRegex(std::string("^#ERR# Fatal internal error at "
                                                  "src/ORVCBRadix64\\.cpp:[0-9]+: ") +
                                      c._Text + "$"));
  }
}

}  // namespace
