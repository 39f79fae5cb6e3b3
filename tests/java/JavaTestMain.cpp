// The Java display tests' program: the tests, or, in a child it started, one scenario.
#include <gtest/gtest.h>

#include "JavaTestSupport.h"

int main(int argc, char** argv) {
  RunScenarioOfEnvironment();
  testing::InitGoogleTest(&argc, argv);
  // A process with a JVM cannot be forked: death tests start this program again.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
