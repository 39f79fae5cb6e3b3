// Tests of the trace: the switch, the component filter and the line format.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "ChildProcess.h"
#include "ORVCBTrace.h"

namespace {

const char* const kLine = "[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{6}: ";

// Traces one line of "net" and one of "sys", writing the answers on standard error.
void TraceTwoComponents() {
  int net = trc_print("net", "net %d\n", 1);
  int sys = trc_print("sys", "sys %s\n", "two");
  fprintf(stderr, "%d%d", net, sys);
}

TEST(ORVCBTrace, SwitchAndFilterFromTheEnvironment) {
  struct Case {
    const char* _Value;
    const char* _Answers;
    int _Lines;
  };
  for (const Case& c : {Case{nullptr, "00", 0}, Case{"all", "11", 2}, Case{"net", "10", 1}}) {
    ChildResult child = RunInChild(TraceTwoComponents, {{"ORVCB_TRACE", c._Value}});
    EXPECT_EQ(child._Stderr, c._Answers) << (c._Value ? c._Value : "unset");
    std::string pattern = "^";
    if (c._Lines >= 1) pattern += std::string(kLine) + "net 1\n";
    if (c._Lines == 2) pattern += std::string(kLine) + "sys two\n";
    EXPECT_THAT(child._Stdout, testing::MatchesRegex(pattern + "$"));
  }
}

TEST(ORVCBTrace, ComponentSetFirstWinsOverTheEnvironment) {
  ChildResult child = RunInChild(
      [] {
        trc_set_component("sys");
        TraceTwoComponents();
      },
      {{"ORVCB_TRACE", "net"}});
  EXPECT_EQ(child._Stderr, "01");
  EXPECT_THAT(child._Stdout, testing::MatchesRegex(std::string("^") + kLine + "sys two\n$"));
  ChildResult off = RunInChild(
      [] {
        trc_set_component(nullptr);
        TraceTwoComponents();
      },
      {{"ORVCB_TRACE", "all"}});
  EXPECT_EQ(off._Stderr, "00");
  EXPECT_EQ(off._Stdout, "");
}

TEST(ORVCBTrace, TimeStampIsTheWallClockOfTheFirstLine) {
  ChildResult child = RunInChild([] {
    time_t before = time(nullptr);
    trc_set_component("all");
    trc_print("x", "\n");
    struct tm local;
    localtime_r(&before, &local);
    fprintf(stderr, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  });
  // Only the date is compared: seconds may pass between the two clock readings.
  ASSERT_GE(child._Stdout.size(), 10u);
  EXPECT_EQ(child._Stdout.substr(0, 10), child._Stderr);
}

}  // namespace
