// Tests of the trace: the switch, the component filter and the line format.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <regex>
#include <string>

#include "ChildProcess.h"
#include "ORVCBTrace.h"

namespace {

TEST(ORVCBTrace, SwitchAndFilterFromTheEnvironmentOrTheComponentSetFirst) {
  struct Case {
    const char *_Variable, *_Component;
    bool _Set;
    const char *_Answers, *_Lines;  // "@" stands for a time stamp
  };
  for (const Case& c :
       {Case{nullptr, nullptr, false, "00", ""},
        Case{"all", nullptr, false, "11", "@net 1\n@sys two\n"},
        Case{"net", nullptr, false, "10", "@net 1\n"}, Case{"net", "sys", true, "01", "@sys two\n"},
        Case{"all", nullptr, true, "00", ""}}) {
    ChildResult child = RunInChild(
        [&] {
          if (c._Set) trc_set_component(c._Component);
          int net = trc_print("net", "net %d\n", 1);
          int sys = trc_print("sys", "sys %s\n", "two");
          fprintf(stderr, "%d%d", net, sys);
        },
        {{"ORVCB_TRACE", c._Variable}});
    SCOPED_TRACE(std::string(c._Variable ? c._Variable : "unset") + (c._Set ? " set" : ""));
    EXPECT_EQ(child._Stderr, c._Answers);
    const std::regex stamp("[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{6}: ");
    EXPECT_EQ(std::regex_replace(child._Stdout, stamp, "@"), c._Lines);
  }
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
