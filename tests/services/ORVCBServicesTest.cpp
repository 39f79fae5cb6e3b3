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

TEST(ORVCBRadix64, CodesEdgeValuesRoundTripsAnyValueAndDecodesAnyText) {
  for (auto [value, length, text] :
       {Case{0, 1, "+"}, Case{63, 1, "z"}, Case{64, 2, "-+"}, Case{0, 6, "++++++"},
        Case{4095, 2, "zz"}, Case{0xFFFFFFFFu, 6, "1zzzzz"}, Case{0x80000000u, 6, "0+++++"}}) {
    EXPECT_STREQ(radix64_code(value, length), text) << value << "/" << length;
    EXPECT_EQ(radix64_decode(text), value) << text;
  }
  EXPECT_STREQ(ORVRadix64::Convert(64, 2), "-+");
  EXPECT_EQ(ORVRadix64::Convert("-+"), 64u);
  // Values of every magnitude round-trip at every length that holds them.
  std::mt19937 random(14);
  for (int i = 0; i < 100000; ++i)
    for (uint32_t value = uint32_t(random()) >> (i % 32), length = 6;
         length >= 1 && (length == 6 || value < (1ull << (6 * length))); --length)
      ASSERT_EQ(radix64_decode(radix64_code(value, int(length))), value) << value << "/" << length;
  // Decoding stops at the end, reads six characters only (modulo 2^32), and takes bytes
  // outside the alphabet as zero.
  EXPECT_EQ(std::vector<unsigned int>({radix64_decode(""), radix64_decode("zzzzzzzz"),
                                       radix64_decode("\xFF-"), radix64_decode("-\x80")}),
            std::vector<unsigned int>({0, 0xFFFFFFFFu, 1, 64}));
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

// Identifiers of one second differ only in the counter, the low 16 bits of the last
// group, after the 32 bits of the process id; a child after fork makes its own.
TEST(ORVCBUUID, IdentifiersCountWithinASecondAndDifferInAChild) {
  auto counter = [](const std::string& iId) {
    return radix64_decode(iId.substr(16).c_str()) & 0xFFFF;
  };
  auto process = [](const std::string& iId) {
    return (uint32_t)radix64_decode(iId.substr(12, 4).c_str()) << 8 |
           radix64_decode(iId.substr(16).c_str()) >> 16;
  };
  std::string first = uuid_gen(), second = uuid_gen();
  if (first.substr(0, 16) != second.substr(0, 16))
    first = uuid_gen(), second = uuid_gen();  // the second ticked: once more
  EXPECT_THAT(first, testing::MatchesRegex("^[-+0-9A-Za-z]{20}$"));
  EXPECT_EQ(first.substr(0, 16), second.substr(0, 16));
  EXPECT_EQ(counter(second), (counter(first) + 1) & 0xFFFF);
  ChildResult child = RunInChild([] {
    std::string first = uuid_gen();
    printf("%s %s %d", first.c_str(), uuid_gen(), (int)getpid());
  });
  ASSERT_GT(child._Stdout.size(), 42u);
  const std::string inChild = child._Stdout.substr(0, 20);
  // The child's counter starts again, and each identifier holds its own process's id.
  EXPECT_EQ(std::tuple(counter(inChild), counter(child._Stdout.substr(21, 20)), process(inChild),
                       process(uuid_gen())),
            std::tuple(0u, 1u, (uint32_t)std::stoul(child._Stdout.substr(42)), (uint32_t)getpid()));
}

TEST(ORVCBTrace, SwitchAndFilterFromTheEnvironmentOrTheComponentSetFirst) {
  auto today = [] {
    time_t now = time(nullptr);
    char date[16];
    return std::string(date, strftime(date, sizeof date, "%Y/%m/%d", localtime(&now)));
  };
  // The variable, the component set first if any ("" sets none), the answers and the
  // lines ("@" stands for a time stamp of today).
  for (auto [variable, component, answers, lines] :
       {std::tuple<const char*, const char*, const char*, const char*>{nullptr, nullptr, "00", ""},
        {"all", nullptr, "11", "@net 1\n@sys two\n"},
        {"net", nullptr, "10", "@net 1\n"},
        {"net", "sys", "01", "@sys two\n"},
        {"all", "", "00", ""}}) {
    const std::string before = today();
    ChildResult child = RunInChild(
        [component = component] {
          if (component) trc_set_component(*component ? component : nullptr);
          int net = trc_print("net", "net %d\n", 1);
          int sys = trc_print("sys", "sys %s\n", "two");
          fprintf(stderr, "%d%d", net, sys);
        },
        {{"ORVCB_TRACE", variable}});
    SCOPED_TRACE(std::string(variable ? variable : "unset") + (component ? " set" : ""));
    EXPECT_EQ(child._Stderr, answers);
    // Either date, should the day change during the run.
    std::string pattern = "^";
    for (const char* at = lines; *at; ++at)
      pattern += *at == '@'
                     ? "(" + before + "|" + today() + ") [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{6}: "
                     : std::string(1, *at);
    EXPECT_THAT(child._Stdout, testing::MatchesRegex(pattern + "$"));
  }
}

perf_counter _Read = {"read", 0, 0, 0, 0, nullptr, 0};
perf_counter _Write = {"write", 0, 0, 0, 0, nullptr, 0};

TEST(ORVCBPerformance, TablesFollowTheSwitch) {
  for (auto [value, table] : {std::pair<const char*, const char*>{nullptr, "calls 3 1\n"},
                              {"1",
                               "\n      time  ncall  time/call name\n"
                               "---------------------------------------\n"
                               "  0.000000      0            write\n"
                               "  4.500000      3   1.500000 read\ncalls 3 0\n"}}) {
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
    EXPECT_EQ(child._Stdout, table) << (value ? value : "unset");
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
