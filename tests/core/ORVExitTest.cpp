// Tests of ORVExit: stack trace on standard output, immediate exit, core dump on request.
#include "ORVExit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "ChildProcess.h"
#include "FatalReport.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVRefHandler.h"

namespace {

void SayGoodbye() {
  fputs("atexit ran\n", stdout);
}

}  // namespace

TEST(ORVExit, PrintsTheStackAndEndsAtOnceWithTheStatus) {
  ChildResult child = RunInChild([] {
    atexit(SayGoodbye);
    fputs("written before the trace ", stdout);
    setvbuf(stderr, nullptr, _IOFBF, 1024);
    fputs("buffered on stderr", stderr);
    ORVExit(3);
  });
  EXPECT_EQ(child._ExitStatus, 3);
  EXPECT_EQ(child._Stdout.rfind("written before the trace Stack trace:\n", 0), 0u) << child._Stdout;
  EXPECT_NE(child._Stdout.find("ORVExit"), std::string::npos) << child._Stdout;
  EXPECT_EQ(child._Stdout.find("atexit ran"), std::string::npos);
  EXPECT_EQ(child._Stderr, "");  // _exit flushes no buffer
}

// ORV_DUMP_CORE set to a value aborts, after the report of a fatal check; set empty, the
// process exits normally.
TEST(ORVExit, DumpCoreSetToAValueAbortsAndSetEmptyExitsNormally) {
  ChildResult child = RunInChild([] { ORVExit(-1); }, {{"ORV_DUMP_CORE", "1"}});
  EXPECT_EQ(child._Signal, SIGABRT);
  child = RunInChild([] { ORVExit(-1); }, {{"ORV_DUMP_CORE", ""}});
  EXPECT_EQ(child._ExitStatus, 255);
  child = RunInChild(
      [] {
        ORVGlobalObjectCleaner cleaner;
        ORVRefHandler::Fail("core wanted", nullptr, nullptr, nullptr, nullptr);
      },
      {{"ORV_DUMP_CORE", "yes"}});
  EXPECT_EQ(child._Signal, SIGABRT);
  EXPECT_EQ(child._Stderr,
            FatalReportText("core wanted", "src/ORVRefHandler.cpp",
                            std::stoi(child._Stderr.substr(child._Stderr.find("line: ") + 6))));
}
