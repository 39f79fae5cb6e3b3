// Tests of the paths that end the process: ORVExit (stack trace on standard output,
// immediate exit, core dump on request), the fatal report (its exact form, the display it
// goes through, a report started inside another one) and ORVGlobalObjectCleaner
// (registration, release order, growth, lifecycle errors).
#include <gmock/gmock.h>

#include "ChildProcess.h"
#include "ORVExit.h"
#include "ORVFatalErrorDisplayToTerm.h"
#include "ORVOFStream.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"
#include "TestClasses.h"

namespace {

const char kHandlerFile[] = "src/ORVRefHandler.cpp";

TEST(ORVExit, PrintsTheStackAndEndsAtOnceWithTheStatusOrAbortsWhenDumpCoreIsSet) {
  ChildResult child = RunInChild([] {
    atexit([] { fputs("atexit ran\n", stdout); });
    fputs("written before the trace ", stdout);
    setvbuf(stderr, nullptr, _IOFBF, 1024);
    fputs("buffered on stderr", stderr);
    ORVExit(3);
  });
  // _exit runs no atexit function and flushes no buffer.
  EXPECT_EQ(std::make_tuple(child._ExitStatus, child._Stderr,
                            child._Stdout.rfind("written before the trace Stack trace:\n", 0),
                            child._Stdout.find("atexit ran")),
            std::make_tuple(3, "", 0u, std::string::npos))
      << child._Stdout;
  EXPECT_NE(child._Stdout.find("ORVExit"), std::string::npos) << child._Stdout;
  // ORV_DUMP_CORE set to a value aborts, after the report of a fatal check; set empty, the
  // process exits normally.
  EXPECT_EQ(RunInChild([] { ORVExit(-1); }, {{"ORV_DUMP_CORE", "1"}})._Signal, SIGABRT);
  EXPECT_EQ(RunInChild([] { ORVExit(-1); }, {{"ORV_DUMP_CORE", ""}})._ExitStatus, 255);
  child = RunInChild(
      [] {
        ORVGlobalObjectCleaner cleaner;
        ORVRefHandler::Fail("core wanted", nullptr, nullptr, nullptr, nullptr);
      },
      {{"ORV_DUMP_CORE", "yes"}});
  EXPECT_EQ(child._Signal, SIGABRT);
  EXPECT_EQ(child._Stderr,
            FatalReportText("core wanted", kHandlerFile,
                            std::stoi(child._Stderr.substr(child._Stderr.find("line: ") + 6))));
}

// Collects the report in a temporary file and shows it, framed, on standard error.
struct ORVTestFramingDisplay : ORVFatalErrorDisplay {
  ORVTestFramingDisplay() : _File(tmpfile()), _Stream(_File) {}
  ~ORVTestFramingDisplay() override { fclose(_File); }
  ORVOFStream& GetOutputStream() override { return _Stream; }
  void Display() override { fprintf(stderr, "[framed]%s[/framed]\n", ReadStream(_File).c_str()); }
  FILE* _File;
  ORVOFStream _Stream;
};

// A display that fails while it shows the report.
struct ORVTestFailingDisplay : ORVFatalErrorDisplayToTerm {
  void Display() override {
    ORVRefHandler::Fail("display failed", nullptr, nullptr, nullptr, nullptr);
  }
};

// A child that reports iText through a framing or a failing display set as the global one
// (its standard error stream closed first on request); it must end with status 255.
ChildResult ReportThrough(bool iFraming, const char* iText, bool iCloseStandardError = false) {
  ChildResult child = RunInChild([&] {
    ORVGlobalObjectCleaner cleaner;
    ORVFatalErrorDisplay* display =
        iFraming ? (ORVFatalErrorDisplay*)new ORVTestFramingDisplay() : new ORVTestFailingDisplay();
    ORVGlobalObjectCleaner::Add(display);
    ORVFatalErrorDisplay::SetGlobal(*display);
    if (iCloseStandardError) ORVStderr.Close();
    ORVRefHandler::Fail(iText, nullptr, nullptr, nullptr, nullptr);
  });
  EXPECT_EQ(child._ExitStatus, 255);
  return child;
}

// The report of Fail(iText) as a regular expression, without its anchors.
std::string Report(const char* iText) {
  std::string pattern = FatalReportPattern(iText, kHandlerFile);
  return pattern.substr(1, pattern.size() - 2);
}

TEST(ORVFatalErrorDisplayDeathTest, ReportGoesThroughTheGlobalDisplayOrEndsOnStandardErrorAlone) {
  {
    ORVGlobalObjectCleaner cleaner;
    ORVFatalErrorDisplay* terminal = ORVFatalErrorDisplay::GetGlobal();
    auto* framing = new ORVTestFramingDisplay();
    ORVFatalErrorDisplay::SetGlobal(*framing);
    EXPECT_EQ(std::make_tuple(&terminal->GetOutputStream(), ORVFatalErrorDisplay::GetGlobal(),
                              terminal->GetRefCount(), cleaner.GetCount()),
              std::make_tuple(&ORVStderr, framing, 1ul, 1));
    framing->Release();  // a destroyed display stops being the global one
    EXPECT_NE(ORVFatalErrorDisplay::GetGlobal(), framing);
  }
  ChildResult child = ReportThrough(true, "through the display");
  EXPECT_THAT(child._Stderr, testing::MatchesRegex("\\[framed\\]" + Report("through the display") +
                                                   "\\[/framed\\]\n"));
  // A failing display, a closed stream or a missing cleaner still end in a report.
  child = ReportThrough(false, "first");
  EXPECT_THAT(child._Stderr, testing::MatchesRegex(Report("first") + Report("display failed")));
  // One stack trace: the second report ends the process before the first one could.
  EXPECT_EQ(child._Stdout.find("Stack trace:"), child._Stdout.rfind("Stack trace:"));
  // The first report is lost; the nested one is not.
  child = ReportThrough(false, "lost", true);
  EXPECT_THAT(child._Stderr, testing::MatchesRegex(Report("display failed")));
  // Without cleaner, registering the terminal display fails first, which is the only report.
  ASSERT_EQ(ORVGlobalObjectCleaner::GetInstance(), nullptr);
  ExpectFatalReport([] { ORVRefHandler::Fail("never shown", nullptr, nullptr, nullptr, nullptr); },
                    "One global object cleaner must exist", "src/ORVGlobalObjectCleaner.cpp");
}

const char kCleanerFile[] = "src/ORVGlobalObjectCleaner.cpp";

// A global whose release registers another one, as a badly written global would.
struct ORVTestRegistersAtRelease : ORVTestShape {
  ~ORVTestRegistersAtRelease() override { ORVGlobalObjectCleaner::Add(new ORVTestShape()); }
};

TEST(ORVGlobalObjectCleaner, ReleasesInReverseOrderOnlyTheRegisteredReferencesAndMayBeFollowed) {
  ORVTestShape::_DestroyedNames.clear();
  {
    ORVGlobalObjectCleaner cleaner;
    EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), &cleaner);
    for (int i = 0; i < 101; ++i) {
      auto* shape = new ORVTestShape(std::to_string(i));
      EXPECT_EQ(ORVGlobalObjectCleaner::Add(shape), shape);
      EXPECT_EQ(cleaner.GetCapacity(), i < 100 ? 100 : 200);
    }
    EXPECT_EQ(cleaner.GetCount(), 101);
  }
  ASSERT_EQ(ORVTestShape::_DestroyedNames.size(), 101u);
  for (int i = 0; i < 101; ++i)  // the last one made goes first
    EXPECT_EQ(ORVTestShape::_DestroyedNames[(std::size_t)i], std::to_string(100 - i));
  EXPECT_EQ(ORVGlobalObjectCleaner::GetInstance(), nullptr);
  // A cleaner releases only the reference registered, and another may follow it.
  ORVTestShape shape;
  {
    ORVGlobalObjectCleaner first;
    shape.AddRef();
    ORVGlobalObjectCleaner::Add(&shape);
    EXPECT_STREQ(ORVFatalErrorDisplay::GetGlobal()->IsA(), "ORVFatalErrorDisplayToTerm");
    EXPECT_EQ(first.GetCount(), 2);  // the shape and the display, made once
  }
  ORVGlobalObjectCleaner second;
  EXPECT_EQ(std::make_tuple(shape.GetRefCount(), ORVGlobalObjectCleaner::GetInstance(),
                            second.GetCount()),
            std::make_tuple(1ul, &second, 0));
  // The later cleaner gets a fresh fatal error display, made and registered again.
  EXPECT_STREQ(ORVFatalErrorDisplay::GetGlobal()->IsA(), "ORVFatalErrorDisplayToTerm");
  EXPECT_EQ(second.GetCount(), 1);
}

TEST(ORVGlobalObjectCleanerDeathTest, SecondCleanerNullObjectOrRegistrationAtDestructionIsFatal) {
  ExpectFatal([] { ORVGlobalObjectCleaner second; }, "Only one global object cleaner can exist",
              kCleanerFile);
  ExpectFatal([] { ORVGlobalObjectCleaner::Add(nullptr); }, "ORVGlobalObjectCleaner::Add(<NULL>)",
              kCleanerFile);
  // The object registered in the body is released when the check's cleaner goes.
  ExpectFatal([] { ORVGlobalObjectCleaner::Add(new ORVTestRegistersAtRelease()); },
              "ORVGlobalObjectCleaner::Add(...) during or after destruction", kCleanerFile);
}

}  // namespace
