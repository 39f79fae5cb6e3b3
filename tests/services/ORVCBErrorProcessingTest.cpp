// Tests of the error hook, the default table, the programming-error reports, guarded
// allocation and the text utilities.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
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

// What the capturing table was handed: one "level key: p1 | p2" per message.
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

const long kFail = PEV_E_FAIL;

// A report of err_prog or err_prog_warning made in the library's iFile.
std::string ReportPattern(const char* iKind, const char* iFile, const std::string& iText) {
  return std::string("^#ERR# ") + iKind + " at " + iFile + ":[0-9]+: " + iText + "\n$";
}

class ORVCBErrorProcessing : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
};

TEST_F(ORVCBErrorProcessing, WithoutTableOnlyFallbackLinesAreWritten) {
  ChildResult child = RunInChild([] {
    err_msg("ORVSYS", 1, "NOMEM", nullptr);
    err_msg_record("caller.c", 3, 3);
    err_display();
  });
  EXPECT_TRUE(child._Exited);
  EXPECT_EQ(child._ExitStatus, 0);
  EXPECT_EQ(child._Stderr,
            "Unable to process the error message \"NOMEM\"\nUnable to create the error message\n");
}

TEST_F(ORVCBErrorProcessing, ParametersArriveAsOneNullTerminatedList) {
  err_start(&kCapture);
  _Seen.clear();
  err_msg("C", 0, "NONE", nullptr);
  err_msg("C", 1, "ONE", "a", nullptr);
  err_msg("C", 2, "THREE", "a", "b", "c", nullptr);
  EXPECT_THAT(_Seen, testing::ElementsAre("0 NONE:", "1 ONE: a", "2 THREE: a b c"));
  err_start(nullptr);
}

TEST_F(ORVCBErrorProcessing, SeverityTwoStaysTheLastErrorWithTheLatestMessagePerLevel) {
  ErrorProcessingStart();
  err_msg("ORVSYS", 0, "OPEN", "old.txt", nullptr);
  err_msg("ORVSYS", 0, "OPEN", "new.txt", nullptr);
  err_msg("ORVSYS", 1, "NOENT_FILE", nullptr);
  err_msg_record("caller.c", 12, 2);
  EXPECT_EQ(DescribeLastError(kFail),
            "type 1 in caller.c; request ORVSYS OPEN: new.txt; diagnostic ORVSYS NOENT_FILE; "
            "advice <none>");
  err_display();
  EXPECT_EQ(DescribeLastError(kFail), "<no last error>");
  err_start(nullptr);
}

TEST_F(ORVCBErrorProcessing, SeveritiesDisplayOrExitAsTheirTypes) {
  struct Case {
    int _Severity;
    int _ExitStatus;
    bool _OnStderr;
  };
  for (const Case& c : {Case{0, 0, false}, Case{1, 0, false}, Case{3, 127, true}}) {
    ChildResult child = RunInChild([&] {
      ErrorProcessingStart();
      err_msg("ORVSYS", 1, "NOSPC", nullptr);
      err_msg_record("caller.c", 5, c._Severity);
      printf("after\n");
    });
    EXPECT_EQ(child._ExitStatus, c._ExitStatus) << c._Severity;
    const std::string& shown = c._OnStderr ? child._Stderr : child._Stdout;
    EXPECT_NE(shown.find("There is no space left on the device."), std::string::npos) << shown;
    EXPECT_EQ(child._Stdout.find("after") != std::string::npos, c._ExitStatus == 0);
  }
}

TEST_F(ORVCBErrorProcessing, LevelsSeveritiesAndNullSizesOutOfRangeAreProgrammingErrors) {
  struct Case {
    std::function<void()> _Body;
    const char* _File;
    const char* _Text;
  };
  const char* processing = "src/ORVCBErrorProcessing.cpp";
  const char* memory = "src/ORVCBMemory.cpp";
  const Case cases[] = {
      {[] { err_msg("ORVSYS", 3, "NOMEM", nullptr); }, processing,
       "Unknown error message type \\(3\\)\n"},
      {[] { err_msg_record("caller.c", 1, 4); }, processing, "Wrong error type \\(4\\)\n"},
      {[] { mem_alloc(0); }, memory, "Null memory size"},
      {[] { mem_alloc(-5); }, memory, "Null memory size"},
      {[] { mem_realloc(mem_alloc(8), 0); }, memory, "Null memory size"}};
  for (const Case& c : cases) {
    ChildResult child = RunInChild([&] {
      ErrorProcessingStart();
      c._Body();
    });
    EXPECT_EQ(child._Signal, SIGABRT) << child._Stderr;
    EXPECT_THAT(child._Stderr,
                testing::MatchesRegex(ReportPattern("Fatal internal error", c._File, c._Text)));
  }
}

TEST_F(ORVCBErrorProcessing, ReportsAreCutToTheBufferKeepingTheFinalNewline) {
  struct Case {
    size_t _Length;
    const char* _End;
    std::string _Expected;
  };
  std::string prefix = "#ERR# Warning at caller.c:7: ";
  std::string fits(100, 'x'), huge(3000, 'x');
  for (const Case& c :
       {Case{100, "\n", prefix + fits + "\n\n"}, Case{100, "", prefix + fits + "\n"},
        Case{3000, "\n", prefix + huge.substr(0, 1022 - prefix.size()) + "\n\n"},
        Case{3000, "", prefix + huge.substr(0, 1023 - prefix.size()) + "\n"}}) {
    std::string text(c._Length, 'x');
    ChildResult child =
        RunInChild([&] { err_prog_warning("caller.c", 7, *c._End ? "%s\n" : "%s", text.c_str()); });
    EXPECT_EQ(child._ExitStatus, 0);
    EXPECT_EQ(child._Stderr, c._Expected) << c._Length << (*c._End ? " with newline" : "");
  }
}

TEST_F(ORVCBErrorProcessing, FailedAllocationsAreReportedAndKeepTheBlock) {
  // Without a table the caller gets null and its block back untouched.
  ChildResult child = RunInChild([] {
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
            "Not enough memory to allocate 4000000000 bytes\n"
            "Unable to create the error message\n"
            "Not enough memory to allocate 100 bytes\n"
            "Unable to create the error message\n");
}

TEST_F(ORVCBErrorProcessing, ExhaustedMemoryEndsTheProcessOnceEvenWhenReportingNeedsMemory) {
  ChildResult once = RunInChild([] {
    ErrorProcessingStart();
    FailAllocation(1);
    mem_alloc(100);
  });
  EXPECT_EQ(once._ExitStatus, 127);
  EXPECT_THAT(once._Stderr, testing::StartsWith("Not enough memory to allocate 100 bytes\n"));
  // The record's own error cannot be made either.
  ChildResult nested = RunInChild([] {
    ErrorProcessingStart();
    FailAllocations(1, 2);
    mem_alloc(100);
  });
  EXPECT_EQ(nested._ExitStatus, 127);
  EXPECT_EQ(nested._Stderr,
            "Not enough memory to allocate 100 bytes\nNot enough memory to allocate 1 bytes\n");
  ChildResult builder = RunInChild([] {
    ErrorProcessingStart();
    FailAllocation(1);
    errno = EAGAIN;
    sys_error("caller.c", 9, SYS_FORK, nullptr, nullptr);
  });
  EXPECT_EQ(builder._ExitStatus, 127);
  // The request's builder fails first.
  EXPECT_THAT(builder._Stderr, testing::StartsWith("Not enough memory to allocate 1 bytes\n"));
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
  EXPECT_STREQ(day_name(0), "Sun");
  EXPECT_STREQ(day_name(3), "Wed");
  EXPECT_STREQ(day_name(6), "Sat");
  EXPECT_STREQ(os_name(), "Linux");
}

}  // namespace
