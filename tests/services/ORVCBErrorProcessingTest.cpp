// Tests of the error hook, the default table, the programming-error reports, guarded
// allocation and the text utilities.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "AllocationFailure.h"
#include "ChildProcess.h"
#include "ErrorRecord.h"
#include "ORVCBErrorProcessing.h"
#include "ORVCBErrorTranslators.h"
#include "ORVCBMemory.h"
#include "ORVCBUtilities.h"
#include "ORVGlobalObjectCleaner.h"
#include "PEVTypes.h"

namespace {

// What the capturing table was handed: one "level key: p1 p2" per message.
std::vector<std::string> _Seen;
void CaptureMsg(const char*, int iLevel, const char* iKey, const char* const* iParameters) {
  std::string seen = std::to_string(iLevel) + " " + iKey + ":";
  for (const char* const* p = iParameters; *p; ++p)
    seen += std::string(" ") + *p;
  _Seen.push_back(seen);
}
void CaptureRecord(const char*, int, int) {}
void CaptureDisplay() {}
const err_handlers kCapture = {CaptureMsg, CaptureRecord, CaptureDisplay};

TEST(ORVCBErrorProcessing, HookGetsTheParametersAndSeverityTwoStaysTheLastError) {
  ORVGlobalObjectCleaner cleaner;
  err_start(&kCapture);
  _Seen.clear();
  err_msg("C", 0, "NONE", nullptr);
  err_msg("C", 1, "ONE", "a", nullptr);
  err_msg("C", 2, "THREE", "a", "b", "c", nullptr);
  EXPECT_THAT(_Seen, testing::ElementsAre("0 NONE:", "1 ONE: a", "2 THREE: a b c"));
  // The default table keeps the latest message per level.
  ErrorProcessingStart();
  err_msg("ORVSYS", 0, "OPEN", "old.txt", nullptr);
  err_msg("ORVSYS", 0, "OPEN", "new.txt", nullptr);
  err_msg("ORVSYS", 1, "NOENT_FILE", nullptr);
  err_msg_record("caller.c", 12, 2);
  EXPECT_EQ(DescribeLastError(PEV_E_FAIL),
            "type 1 in caller.c; request ORVSYS OPEN: new.txt; diagnostic ORVSYS NOENT_FILE; "
            "advice <none>");
  err_display();
  EXPECT_EQ(DescribeLastError(PEV_E_FAIL), "<no last error>");
  err_start(nullptr);
}

TEST(ORVCBErrorProcessing, SeveritiesDisplayOrExitAsTheirTypes) {
  for (auto [severity, status] : {std::pair{0, 0}, {1, 0}, {3, 127}}) {
    ChildResult child = RunInChild([severity = severity] {
      ORVGlobalObjectCleaner cleaner;
      ErrorProcessingStart();
      err_msg("ORVSYS", 1, "NOSPC", nullptr);
      err_msg_record("caller.c", 5, severity);
      printf("after\n");
    });
    EXPECT_EQ(child._ExitStatus, status) << severity;
    // Severity 3 shows the error on standard error.
    EXPECT_THAT(status ? child._Stderr : child._Stdout,
                testing::HasSubstr("There is no space left on the device."));
    EXPECT_EQ(child._Stdout.find("after") != std::string::npos, status == 0);
  }
}

TEST(ORVCBErrorProcessing, LevelsSeveritiesAndNullSizesOutOfRangeAreProgrammingErrors) {
  const std::tuple<std::function<void()>, const char*, const char*> cases[] = {
      {[] { err_msg("ORVSYS", 3, "NOMEM", nullptr); }, "ErrorProcessing",
       "Unknown error message type \\(3\\)\n"},
      {[] { err_msg_record("caller.c", 1, 4); }, "ErrorProcessing", "Wrong error type \\(4\\)\n"},
      {[] { mem_alloc(0); }, "Memory", "Null memory size"},
      {[] { mem_realloc(mem_alloc(8), 0); }, "Memory", "Null memory size"}};
  for (const auto& [body, file, text] : cases) {
    ChildResult child = RunInChild([&body = body] {
      ErrorProcessingStart();
      body();
    });
    EXPECT_EQ(child._Signal, SIGABRT) << child._Stderr;
    EXPECT_THAT(child._Stderr, testing::MatchesRegex(std::string("^#ERR# Fatal internal error at "
                                                                 "src/ORVCB") +
                                                     file + "\\.cpp:[0-9]+: " + text + "\n$"));
  }
}

TEST(ORVCBErrorProcessing, ReportsAreCutToTheBufferKeepingTheFinalNewline) {
  std::string prefix = "#ERR# Warning at caller.c:7: ", fits(100, 'x'), huge(3000, 'x');
  for (auto [text, newline, expected] : std::vector<std::tuple<std::string, bool, std::string>>{
           {fits, true, prefix + fits + "\n\n"},
           {fits, false, prefix + fits + "\n"},
           {huge, true, prefix + huge.substr(0, 1022 - prefix.size()) + "\n\n"},
           {huge, false, prefix + huge.substr(0, 1023 - prefix.size()) + "\n"}}) {
    ChildResult child = RunInChild([&text = text, newline = newline] {
      err_prog_warning("caller.c", 7, newline ? "%s\n" : "%s", text.c_str());
    });
    EXPECT_EQ(child._ExitStatus, 0);
    EXPECT_EQ(child._Stderr, expected) << text.size() << (newline ? " with newline" : "");
  }
}

TEST(ORVCBErrorProcessing,
     WithoutTableOnlyFallbackLinesAreWrittenAndFailedAllocationsKeepTheBlock) {
  ChildResult child = RunInChild([] {
    err_msg("ORVSYS", 1, "NOMEM", nullptr);
    err_msg_record("caller.c", 3, 3);
    err_display();
    // The caller gets null and its block back untouched.
    char* block = (char*)mem_alloc(4);
    strcpy(block, "abc");
    FailAllocation(1);
    void* same = mem_realloc(block, 4000000000u);
    FailAllocation(1);
    void* none = mem_alloc(100);
    printf("%d%d %s", same == nullptr, none == nullptr, block);
    mem_free(block);
    mem_free(nullptr);
  });
  EXPECT_EQ(child._Stdout, "11 abc");
  EXPECT_EQ(child._Stderr,
            "Unable to process the error message \"NOMEM\"\nUnable to create the error message\n"
            "Not enough memory to allocate 4000000000 bytes\n"
            "Unable to create the error message\n"
            "Not enough memory to allocate 100 bytes\n"
            "Unable to create the error message\n");
}

TEST(ORVCBErrorProcessing, ExhaustedMemoryEndsTheProcessOnceEvenWhenReportingNeedsMemory) {
  // Then the record's own error cannot be made either; then the request's builder fails.
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[] { FailAllocation(1), mem_alloc(100); }, "Not enough memory to allocate 100 bytes\n"},
      {[] { FailAllocations(1, 2), mem_alloc(100); },
       "Not enough memory to allocate 100 bytes\nNot enough memory to allocate 1 bytes\n$"},
      {[] { FailAllocation(1), errno = EAGAIN, sys_error("caller.c", 9, SYS_FORK, 0, 0); },
       "Not enough memory to allocate 1 bytes\n"}};
  for (const auto& [body, text] : cases) {
    ChildResult child = RunInChild([&body = body] {
      ErrorProcessingStart();
      body();
    });
    EXPECT_EQ(child._ExitStatus, 127) << text;
    EXPECT_THAT(child._Stderr, testing::MatchesRegex(std::string("^") + text + ".*"));
  }
}

TEST(ORVCBUtilities, TextsAndNames) {
  for (auto [path, last] : {std::pair{"a/b/c", "c"}, {"abc", "abc"}, {"a/b/", ""}})
    EXPECT_STREQ(last_component(path), last) << path;
  const char* path = "x/y";
  EXPECT_EQ(last_component(path), path + 2);
  char text[] = "MiXed \xC9t\xE9 9";
  to_lower(text);
  EXPECT_STREQ(text, "mixed \xC9t\xE9 9");
  to_upper(text);
  EXPECT_STREQ(text, "MIXED \xC9T\xE9 9");
  EXPECT_EQ(std::string(day_name(0)) + day_name(3) + day_name(6) + os_name(), "SunWedSatLinux");
}

}  // namespace
