// Tests of the performance timer: the traces switch from the environment and measures
// over the platform's counters.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVPerformanceTimer.h"

namespace {

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
