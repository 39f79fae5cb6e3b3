// Tests of the small services: radix-64 coding (edge values, lengths, round trips and
// bytes outside the alphabet) and the identifiers made with it (their form, the counter
// within a second, a child after fork); the trace (the switch, the component filter and
// the line format); the perf_ counters (the switch, the table and time formats, print
// mode, a reset during an open measure) and the performance timer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ChildProcess.h"
#include "ORVCBPerformance.h"
#include "ORVCBRadix64.h"
#include "ORVCBTrace.h"
#include "ORVCBUUID.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVPerformanceTimer.h"
#include "ORVRadix64.h"

namespace {

using Case = std::tuple<unsigned int, int, const char*>;

TEST(ORVCBRadix64, CodesEdgeValuesAndDecodesAnyText) {
  for (auto [value, length, text] :
       {Case{0, 1, "+"}, Case{63, 1, "z"}, Case{64, 2, "-+"}, Case{0, 6, "++++++"},
        Case{4095, 2, "zz"}, Case{0xFFFFFFFFu, 6, "1zzzzz"}, Case{0x80000000u, 6, "0+++++"}})
    EXPECT_STREQ(radix64_code(value, length), text) << value << "/" << length;
  EXPECT_STREQ(ORVRadix64::Convert(64, 2), "-+");
  EXPECT_EQ(ORVRadix64::Convert("-+"), 64u);
  // Decoding stops at the end, reads six characters only (modulo 2^32), and takes bytes
  // outside the alphabet as zero.
  EXPECT_EQ(std::vector<unsigned int>({radix64_decode(""), radix64_decode("z"),
                                       radix64_decode("zzzzzzzz"), radix64_decode("\xFF-"),
                                       radix64_decode("-\x80")}),
            std::vector<unsigned int>({0, 63, 0xFFFFFFFFu, 1, 64}));
}

TEST(ORVCBRadix64, RoundTripsAtEveryLengthThatHoldsTheValue) {
  std::mt19937 random(14);
  std::vector<uint32_t> values = {0, 1, 63, 64, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
  for (int length = 1; length <= 5; ++length)
    values.push_back((uint32_t)((1ull << (6 * length)) - 1));
  for (int i = 0; i < 100000; ++i)
    values.push_back((uint32_t)random());
  for (uint32_t value : values)
    for (int length = 6; length >= 1 && (length == 6 || value < (1ull << (6 * length))); --length)
      ASSERT_EQ(radix64_decode(radix64_code(value, length)), value) << value << "/" << length;
}

TEST(ORVCBRadix64, BadLengthsAndValuesAreProgrammingErrors) {
  for (auto [value, length, text] :
       {Case{64, 1, "Radix64 result is too short\n\n"},
        Case{5, 0, "Radix64 result string length should be in \\[1\\.\\.6\\]\n"},
        Case{5, 7, "Radix64 result string length should be in \\[1\\.\\.6\\]\n"}}) {
    ChildResult child =
        RunInChild([value = value, length = length] { radix64_code(value, length); });
    EXPECT_EQ(child._Signal, SIGABRT);
    EXPECT_THAT(child._Stderr,
                testing::MatchesRegex(std::string("^#ERR# Fatal internal error at "
                                                  "src/ORVCBRadix64\\.cpp:[0-9]+: ") +
                                      text + "$"));
  }
}

// The counter of an identifier: the low 16 bits of its last group.
unsigned int Counter(const std::string& iId) {
  return radix64_decode(iId.substr(16).c_str()) & 0xFFFF;
}

// The process id of an identifier: the 32 bits before the counter.
uint32_t ProcessOf(const std::string& iId) {
  return (uint32_t)radix64_decode(iId.substr(12, 4).c_str()) << 8 |
         radix64_decode(iId.substr(16).c_str()) >> 16;
}

// Identifiers of one second differ only in the counter; a child after fork makes its own.
TEST(ORVCBUUID, IdentifiersCountWithinASecondAndDifferInAChild) {
  std::string first, second;
  for (int attempt = 0; attempt < 3; ++attempt) {
    first = uuid_gen();
    second = uuid_gen();
    if (first.substr(0, 16) == second.substr(0, 16)) break;  // else the second ticked
  }
  EXPECT_THAT(first, testing::MatchesRegex("^[-+0-9A-Za-z]{20}$"));
  EXPECT_EQ(first.substr(0, 16), second.substr(0, 16));
  EXPECT_EQ(Counter(second), (Counter(first) + 1) & 0xFFFF);
  ChildResult child = RunInChild([] {
    std::string first = uuid_gen();
    printf("%s %s %d", first.c_str(), uuid_gen(), (int)getpid());
  });
  std::string after = uuid_gen();
  ASSERT_GT(child._Stdout.size(), 42u);
  std::string inChild = child._Stdout.substr(0, 20);
  // The child's counter starts again, and each identifier holds its own process's id.
  EXPECT_EQ(Counter(inChild), 0u);
  EXPECT_EQ(Counter(child._Stdout.substr(21, 20)), 1u);
  EXPECT_EQ(ProcessOf(inChild), std::stoul(child._Stdout.substr(42)));
  EXPECT_EQ(ProcessOf(after), (uint32_t)getpid());
}

TEST(ORVCBTrace, SwitchAndFilterFromTheEnvironmentOrTheComponentSetFirst) {
  struct Case {
    const char *_Variable, *_Component;
    bool _Set;
    const char *_Answers, *_Lines;  // "@" stands for a time stamp of today
  };
  auto today = [] {
    time_t now = time(nullptr);
    char date[16];
    strftime(date, sizeof date, "%Y/%m/%d", localtime(&now));
    return std::string(date);
  };
  for (const Case& c :
       {Case{nullptr, nullptr, false, "00", ""},
        Case{"all", nullptr, false, "11", "@net 1\n@sys two\n"},
        Case{"net", nullptr, false, "10", "@net 1\n"}, Case{"net", "sys", true, "01", "@sys two\n"},
        Case{"all", nullptr, true, "00", ""}}) {
    const std::string before = today();
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
    // Either date, should the day change during the run.
    const std::string stamp =
        "(" + before + "|" + today() + ") [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{6}: ";
    std::string lines = "^";
    for (const char* at = c._Lines; *at; ++at)
      lines += *at == '@' ? stamp : std::string(1, *at);
    EXPECT_THAT(child._Stdout, testing::MatchesRegex(lines + "$"));
  }
}

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

// A reset during an open measure keeps its start: the monotonic clock counts from boot,
// and a lost start would count seconds.
TEST(ORVCBPerformance, PrintModeShowsEachMeasureAndTimesSplitAndAResetKeepsTheStart) {
  ChildResult child = RunInChild(
      [] {
        perf_reset_time();
        perf_begin(&_Read);
        perf_reset();
        perf_end(&_Read);
        perf_print_time("step");
        int seconds = -1, microseconds = -1, total = -1, rest = -1;
        perf_get_partial(&_Read, &seconds, &microseconds);
        perf_get_total(&_Read, &total, &rest);
        printf("%d %d %d %d\n", seconds, microseconds < 1000000, total, _Read.calls);
      },
      {{"ORVCB_PERF", "print"}});
  EXPECT_THAT(child._Stdout,
              testing::MatchesRegex("^  0\\.[0-9]{6} read\n"
                                    "step:   0\\.[0-9]{6} - from last measure:   0\\.[0-9]{6}\n"
                                    "0 1 0 0\n$"));
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
