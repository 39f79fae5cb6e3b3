// Tests of the environment variable and of its checker.
#include "ORVEnvironmentVariable.h"

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "CmdLnTestSupport.h"
#include "ORVEnvironmentVariableChecker.h"

TEST(ORVEnvironmentVariable, AWrittenValueOutlivesTheWriterAndTheCleaner) {
  std::string value(100000, 'v');
  ChildResult child = RunInChild([&] {
    {
      ORVGlobalObjectCleaner cleaner;
      auto* variable = new ORVEnvironmentVariable("ORV_TEST_A");
      variable->Write(value.c_str());
      if (value != variable->Read(0)) _exit(1);
      variable->Release();
      std::vector<std::string> reuse(8, std::string(value.size() + 11, 'x'));  // freed memory
      if (value != getenv("ORV_TEST_A")) _exit(2);
    }
    if (value != getenv("ORV_TEST_A")) _exit(3);
  });
  EXPECT_EQ(child._ExitStatus, 0);
}

TEST_F(CmdLnTest, AVariableIsReadOnceAndANullWriteIsEmpty) {
  setenv("ORV_TEST_A", "first", 1);
  ORVEnvironmentVariable variable("ORV_TEST_A");
  EXPECT_EQ(variable.Read(0), nullptr);  // not read yet
  EXPECT_STREQ(variable.Read(1), "first");
  unsetenv("ORV_TEST_A");
  EXPECT_STREQ(variable.Read(1), "first");  // its own copy, not the environment's
  variable.Write(nullptr);
  EXPECT_STREQ(getenv("ORV_TEST_A"), "");
  EXPECT_TRUE(variable.IsEmpty(1));
  unsetenv("ORV_TEST_A");
  // "A=B" would read and set the variable A.
  for (const char* name : {(const char*)nullptr, "", "ORV_TEST_A=B", "="})
    ExpectFatalReport([name] { ORVEnvironmentVariable bad(name); },
                      "A variable name must be specified", "src/ORVEnvironmentVariable.cpp");
}

TEST_F(CmdLnTest, TheEmptyRequiredVariablesAreReportedOnceInOrder) {
  ORVEnvironmentVariable a("ORV_TEST_A"), b("ORV_TEST_B"), c("ORV_TEST_C");
  ORVEnvironmentVariableChecker checker(TestMessage("ADVICE")), ready(TestMessage("ADVICE"));
  for (ORVEnvironmentVariable* variable : {&b, &a, &c})
    checker.Add(*variable);
  ready.Add(c);
  setenv("ORV_TEST_C", "set", 1);
  setenv("ORV_TEST_A", "", 1);  // empty counts as missing
  EXPECT_EQ(Outcome(checker.ReadAndCheck()),
            "type 1 in src/ORVEnvironmentVariableChecker.cpp; request ORVBC 0150; diagnostic "
            "ORVBC 0151: ORV_TEST_B, ORV_TEST_A; advice CMDLNTEST ADVICE");
  EXPECT_EQ(Outcome(ready.ReadAndCheck()), "success");
  unsetenv("ORV_TEST_A");
  unsetenv("ORV_TEST_C");
}
