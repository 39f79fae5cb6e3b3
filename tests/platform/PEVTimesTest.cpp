// Tests of the platform's CPU and elapsed time counters.
#include "PEVTimes.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(PEVTimes, CountersMeasureFromTheirReset) {
  ASSERT_EQ(PEVStartLibServices(), 0);
  int first = PEVResetTimes(-1);
  EXPECT_GE(first, 0);
  EXPECT_NE(PEVResetTimes(-1), first);
  usleep(30 * 1000);
  int cpu = -1, elapsed = -1;
  ASSERT_EQ(PEVGetTimes(first, &cpu, &elapsed), 0);
  EXPECT_GE(elapsed, 30);
  EXPECT_GE(cpu, 0);
  EXPECT_LE(cpu, elapsed + 10);  // sleeping costs no CPU
  EXPECT_EQ(PEVResetTimes(first), first);
  ASSERT_EQ(PEVGetTimes(first, &cpu, &elapsed), 0);
  EXPECT_LT(elapsed, 30);
  // An unknown handle or a missing output fails.
  EXPECT_EQ(PEVGetTimes(-1, &cpu, &elapsed), -1);
  EXPECT_EQ(PEVGetTimes(1 << 20, &cpu, &elapsed), -1);
  EXPECT_EQ(PEVGetTimes(first, nullptr, &elapsed), -1);
}
