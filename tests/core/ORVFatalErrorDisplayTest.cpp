// Tests of the fatal report: its exact form on a terminal, the display it goes through,
// the report without cleaner and a report started inside another one.
#include "ORVFatalErrorDisplay.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "ORVFatalErrorDisplayToTerm.h"
#include "ORVOFStream.h"
#include "ORVRefHandler.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"

namespace {

const char kHandlerFile[] = "src/ORVRefHandler.cpp";

// Collects the report in a temporary file and shows it, framed, on standard error.
class ORVTestFramingDisplay : public ORVFatalErrorDisplay {
public:
  ORVTestFramingDisplay() : _File(tmpfile()), _Stream(_File) {}
  ~ORVTestFramingDisplay() override { fclose(_File); }
  ORVOFStream& GetOutputStream() override { return _Stream; }
  void Display() override { fprintf(stderr, "[framed]%s[/framed]\n", ReadStream(_File).c_str()); }

private:
  FILE* _File;
  ORVOFStream _Stream;
};

// A display that fails while it shows the report.
class ORVTestFailingDisplay : public ORVFatalErrorDisplayToTerm {
public:
  void Display() override {
    ORVRefHandler::Fail("display failed", nullptr, nullptr, nullptr, nullptr);
  }
};

// A child that reports iText through the display iMake makes, set as the global one (its
// standard error stream closed first on request); it must end with status 255.
ChildResult ReportThrough(ORVFatalErrorDisplay* (*iMake)(), const char* iText,
                          bool iCloseStandardError = false) {
  ChildResult child = RunInChild([&] {
    ORVGlobalObjectCleaner cleaner;
    ORVFatalErrorDisplay* display = iMake();
    ORVGlobalObjectCleaner::Add(display);
    ORVFatalErrorDisplay::SetGlobal(*display);
    if (iCloseStandardError) ORVStderr.Close();
    ORVRefHandler::Fail(iText, nullptr, nullptr, nullptr, nullptr);
  });
  EXPECT_EQ(child._ExitStatus, 255);
  return child;
}
ORVFatalErrorDisplay* MakeFailing() {
  return new ORVTestFailingDisplay();
}

// The report of Fail(iText) as a regular expression, without its anchors.
std::string Report(const char* iText) {
  std::string pattern = FatalReportPattern(iText, kHandlerFile);
  return pattern.substr(1, pattern.size() - 2);
}

}  // namespace

TEST(ORVFatalErrorDisplayDeathTest,
     ReportGoesThroughTheGlobalDisplayThatSetGlobalTakesNoReferenceOf) {
  {
    ORVGlobalObjectCleaner cleaner;
    ORVFatalErrorDisplay* terminal = ORVFatalErrorDisplay::GetGlobal();
    EXPECT_EQ(&terminal->GetOutputStream(), &ORVStderr);
    auto* framing = new ORVTestFramingDisplay();
    ORVFatalErrorDisplay::SetGlobal(*framing);
    EXPECT_EQ(ORVFatalErrorDisplay::GetGlobal(), framing);
    EXPECT_EQ(terminal->GetRefCount(), 1u);
    EXPECT_EQ(cleaner.GetCount(), 1);
    framing->Release();  // a destroyed display stops being the global one
    EXPECT_NE(ORVFatalErrorDisplay::GetGlobal(), framing);
  }
  ChildResult child = ReportThrough(
      []() -> ORVFatalErrorDisplay* { return new ORVTestFramingDisplay(); }, "through the display");
  EXPECT_THAT(child._Stderr, testing::MatchesRegex("\\[framed\\]" + Report("through the display") +
                                                   "\\[/framed\\]\n"));
}

TEST(ORVFatalErrorDisplayDeathTest, WithoutCleanerOnlyTheMissingCleanerIsReported) {
  ASSERT_EQ(ORVGlobalObjectCleaner::GetInstance(), nullptr);
  ExpectFatalReport([] { ORVRefHandler::Fail("never shown", nullptr, nullptr, nullptr, nullptr); },
                    "One global object cleaner must exist", "src/ORVGlobalObjectCleaner.cpp");
}

TEST(ORVFatalErrorDisplayDeathTest, AFailingDisplayOrAClosedStreamStillReportsOnStandardError) {
  ChildResult child = ReportThrough(MakeFailing, "first");
  EXPECT_THAT(child._Stderr, testing::MatchesRegex(Report("first") + Report("display failed")));
  // One stack trace: the second report ends the process before the first one could.
  EXPECT_EQ(child._Stdout.find("Stack trace:"), child._Stdout.rfind("Stack trace:"));
  // The first report is lost; the nested one is not.
  child = ReportThrough(MakeFailing, "lost", true);
  EXPECT_THAT(child._Stderr, testing::MatchesRegex(Report("display failed")));
}
