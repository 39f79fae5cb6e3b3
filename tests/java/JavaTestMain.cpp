// The Java display tests' program: the tests, or, in a child it started, one scenario.
#include <gtest/gtest.h>

#include "JavaTestSupport.h"

// For the leak check of a sanitizer build: the JVM and its zip library keep what they
// allocate (class data, compiled code, the jar's inflater) until the process ends.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libjvm.so\nleak:libzip.so\nleak:libz.so\n";
}

int main(int argc, char** argv) {
  RunScenarioOfEnvironment();
  testing::InitGoogleTest(&argc, argv);
  // A process with a JVM cannot be forked: death tests start this program again.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
