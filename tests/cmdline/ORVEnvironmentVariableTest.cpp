// Tests of the environment variable and of its checker: a written value outlives the
// writer and the cleaner, reads are cached, bad names are refused, and the empty
// required variables are reported once, in order.
#include "ORVEnvironmentVariable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CmdLnTestSupport.h"
#include "ORVEnvironmentVariableChecker.h"

namespace {

const char kFile[] = "src/ORVEnvironmentVariable.cpp";

class ORVEnvironmentVariableTest : public CmdLnTest {
protected:
  void TearDown() override {
    for (const char* name : {"ORV_TEST_A", "ORV_TEST_B", "ORV_TEST_C"})
      unsetenv(name);
    CmdLnTest::TearDown();
  }
};

}  // namespace

TEST(ORVEnvironmentVariable, AWrittenValueOutlivesTheWriterAndTheCleaner) {
  // In a child, with a cleaner of its own that runs before the last look.
  std::string value(100000, 'v');
  ChildResult child = RunInChild([&] {
    {
      ORVGlobalObjectCleaner cleaner;
      auto* variable = new ORVEnvironmentVariable("ORV_TEST_A");
      variable->Write(value.c_str());
      if (value != variable->Read(0)) _exit(1);
      variable->Release();
      // Memory the writer may have freed is used again.
      std::vector<std::string> fillers(8, std::string(value.size() + 11, 'x'));
      if (value != getenv("ORV_TEST_A")) _exit(2);
    }
    if (value != getenv("ORV_TEST_A")) _exit(3);
  });
  EXPECT_EQ(child._ExitStatus, 0) << child._Stderr;
}

TEST_F(ORVEnvironmentVariableTest, ReadsAreCachedAndANullWriteIsEmpty) {
  setenv("ORV_TEST_A", "first", 1);
  ORVEnvironmentVariable variable("ORV_TEST_A");
  EXPECT_EQ(variable.Read(0), nullptr);  // not read yet
  EXPECT_TRUE(variable.IsEmpty(0));
  EXPECT_STREQ(variable.Read(1), "first");
  setenv("ORV_TEST_A", "changed", 1);
  EXPECT_STREQ(variable.Read(1), "first");  // answered from the object
  unsetenv("ORV_TEST_A");
  EXPECT_STREQ(variable.Read(1), "first");  // its own copy, not the environment's

  variable.Write(nullptr);
  EXPECT_STREQ(getenv("ORV_TEST_A"), "");
  EXPECT_TRUE(variable.IsEmpty(1));
  ORVEnvironmentVariable unset("ORV_TEST_B");
  EXPECT_EQ(unset.Read(1), nullptr);
  EXPECT_TRUE(unset.IsEmpty(1));
}

TEST_F(ORVEnvironmentVariableTest, ANameMustBeGivenAndHoldNoEqualSign) {
  // "A=B" would read and set the variable A.
  for (const char* name : {(const char*)nullptr, "", "ORV_TEST_A=ORV_TEST_B", "="}) {
    ExpectFatalReport([name] { ORVEnvironmentVariable variable(name); },
                      "A variable name must be specified", kFile);
  }
}

TEST_F(ORVEnvironmentVariableTest, TheEmptyRequiredVariablesAreReportedOnceInOrder) {
  ORVEnvironmentVariable a("ORV_TEST_A"), b("ORV_TEST_B"), c("ORV_TEST_C");
  ORVEnvironmentVariableChecker checker(TestMessage("ADVICE"));
  checker.Add(b);
  checker.Add(a);
  checker.Add(c);
  setenv("ORV_TEST_C", "set", 1);
  setenv("ORV_TEST_A", "", 1);  // empty counts as missing
  EXPECT_EQ(Outcome(checker.ReadAndCheck()),
            "type 1 in src/ORVEnvironmentVariableChecker.cpp; request ORVBC 0150; diagnostic "
            "ORVBC 0151: ORV_TEST_B, ORV_TEST_A; advice CMDLNTEST ADVICE");
  ORVEnvironmentVariableChecker ready(TestMessage("ADVICE"));
  ready.Add(c);
  EXPECT_EQ(Outcome(ready.ReadAndCheck()), "success");
}
