// Tests of the perf_ counters (the switch, the table and time formats, print mode, and
// a reset during an open measure) and of the performance timer's switch and measures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "ORVCBPerformance.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVPerformanceTimer.h"

namespace {

perf_counter _Read = {"read", 0, 0, 0, 0, nullptr, 0};
perf_counter _Write = {"write", 0, 0, 0, 0, nullptr, 0};

TEST(ORVCBPerformance, TablesFollowTheSwitch) {
  for (auto [value, table] : {std::pair<const char*, const char*>{nullptr, ""},
                              {"1",
                               "\n      time  ncall  time/call name\n"
                               "---------------------------------------\n"
                               "  0.000000      0            write\n"
                               "  4.500000      3   1.500000 read\n"}}) {
    ChildResult child = RunInChild(
        [] {
          // Registers both records (read first), then gives them known calls and totals.
          perf_begin(&_Read);
          perf_end(&_Read);
          perf_begin(&_Write);
          perf_end(&_Write);
          perf_reset();
          _Read.calls = 3;
          _Read.total = 4500000000;  // 1.5 s a call
          perf_print();
          printf("calls %d %d\n", _Read.calls, _Write.calls);
        },
        {{"ORVCB_PERF", value}});
    EXPECT_EQ(child._Stdout, table + std::string(value ? "calls 3 0\n" : "calls 3 1\n"))
        << (value ? value : "unset");
  }
}

TEST(ORVCBPerformance, PrintModeShowsEachMeasureAndTimesSplit) {
  ChildResult child = RunInChild(
      [] {
        perf_reset_time();
        perf_begin(&_Read);
        perf_end(&_Read);
        perf_print_time("step");
        int seconds = -1, microseconds = -1;
        perf_get_partial(&_Read, &seconds, &microseconds);
        printf("%d %d\n", seconds, microseconds < 1000000);
      },
      {{"ORVCB_PERF", "print"}});
  EXPECT_THAT(child._Stdout,
              testing::MatchesRegex("^  0\\.[0-9]{6} read\n"
                                    "step:   0\\.[0-9]{6} - from last measure:   0\\.[0-9]{6}\n"
                                    "0 1\n$"));
}

TEST(ORVCBPerformance, ResetDuringAMeasureKeepsItsStart) {
  ChildResult child = RunInChild(
      [] {
        // The monotonic clock counts from boot: a lost start would count seconds.
        perf_begin(&_Read);
        perf_reset();
        perf_end(&_Read);
        int seconds = -1, microseconds = -1;
        perf_get_total(&_Read, &seconds, &microseconds);
        printf("%d %d", seconds, _Read.calls);
      },
      {{"ORVCB_PERF", "1"}});
  EXPECT_EQ(child._Stdout, "0 0");
}

TEST(ORVPerformanceTimer, TracesSwitchAndMeasures) {
  for (const char* value : {(const char*)nullptr, "", "yes"}) {
    ChildResult child = RunInChild(
        [] {
          ORVGlobalObjectCleaner cleaner;
          ORVPerformanceTimer* timer = ORVPerformanceTimer::GetGlobal();
          printf("%u", ORVPerformanceTimer::IsActive());
          ORVPerformanceTimer::ActivateTraces();
          printf("%u", ORVPerformanceTimer::IsActive());
          ORVPerformanceTimer::DesactivateTraces();
          printf("%u %d", ORVPerformanceTimer::IsActive(),
                 timer == ORVPerformanceTimer::GetGlobal());
          timer->StartTimer();
          for (volatile long i = 0; i < 30000000; ++i) {
          }
          timer->StopTimer();
          timer->GetGlobalTime();
          timer->GetGlobalTime();
          printf(" %d %d", timer->GetElapsedTime() >= timer->GetCPUTime() - 1,
                 ORVGlobalElapsedTime >= ORVLastGlobalElapsedTime && ORVGlobalCPUTime > 0);
        },
        {{"ORV_PERFORMANCE_TRACES", value}});
    EXPECT_EQ(child._Stdout, std::string(value ? "1" : "0") + "10 1 1 1")
        << (value ? value : "unset");
  }
}

}  // namespace
