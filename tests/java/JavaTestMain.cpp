// The Java display tests' program: the tests, or, in a child it started, one scenario.
#include <gtest/gtest.h>

#include "JavaTestSupport.h"

int main(int argc, char** argv) {
  RunScenarioOfEnvironment();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
