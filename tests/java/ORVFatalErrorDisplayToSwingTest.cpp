// Tests of the Java fatal-error display and of the installation of the Java displays:
// a report reaches the receiver one call per line from a private file that is gone
// afterwards, and a display that cannot reach Java puts it on standard error instead.
#include "ORVFatalErrorDisplayToSwing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>

#include "JavaTestSupport.h"
#include "ORVError.h"
#include "ORVErrorDisplayToSwing.h"
#include "ORVInputValuePrefix.h"
#include "ORVMessageDisplayToSwing.h"
#include "ORVOFStream.h"
#include "ORVRefHandler.h"
#include "ORVSwingUtilities.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"

namespace {

// The file iName of the report directory, which ORV_TMP names.
std::string Path(const std::string& iName) {
  return getenv("ORV_TMP") + ("/" + iName);
}

std::set<std::string> Entries(const std::string& iDirectory) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(iDirectory))
    names.insert(entry.path().filename());
  return names;
}

// The report's two lines as a regular expression; iInJava: as the receiver echoes them.
std::string Report(const std::string& iText, const std::string& iFile, bool iInJava) {
  std::string call = iInJava ? "DisplayFatalError\\(" : "", end = iInJava ? "\\)\n" : "";
  return call +
         EscapeForRegex("#ERR# Fatal internal error: '" + iText + "' on file: " + iFile +
                        " at line: ") +
         "[0-9]+\n" + end + call + "Contact your administrator\n" + end;
}

// Installs the Java displays over a JVM of iClassPath (no environment when empty) and
// shows a message, or first an error of type iType when one is given.
void DisplayOnJavaDisplays(const char* iClassPath, int iType = -1) {
  new ORVGlobalObjectCleaner();  // the process ends in a fatal report
  ORVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing();
  if (!*iClassPath) ORVSwingUtilities::GetJNIEnvVariable();
  ORVSwingUtilities::SetJNIEnvVariable(StartJvm(iClassPath));
  if (iType >= 0) {
    ORVError error("f", 1, {}, {}, {}, (PEVErrorType)iType, PEV_E_FAIL);
    ORVErrorDisplay::GetGlobal()->Display(error);
  }
  ORVMessageDisplay::GetGlobal()->Display("hello", 1);
}

class ORVFatalErrorDisplayToSwingTest : public testing::Test {
protected:
  // A death test's child runs the test again: it keeps the directory of its parent.
  void SetUp() override {
    if (!getenv("ORV_TMP")) setenv("ORV_TMP", _Directory.emplace().GetPath().c_str(), 1);
  }
  void TearDown() override { unsetenv("ORV_TMP"); }

  // iBody, run in a new process of this program, ends it with the report status and
  // standard error matching iPattern, leaving nothing in the report directory but what the
  // test put there.
  void ExpectEnds(const std::function<void()>& iBody, const std::string& iPattern) {
    EXPECT_EXIT(iBody(), testing::ExitedWithCode(255), "^(" + iPattern + ")$");
    for (const std::string& name : Entries(Path("")))
      EXPECT_TRUE(name == "target" || std::filesystem::is_symlink(Path(name))) << name;
  }

  std::optional<TemporaryDirectory> _Directory;
};

}  // namespace

// The link planted at the process's predictable name is neither followed nor removed.
// Invalid UTF-8 bytes arrive as the Latin-1 characters of their values.
TEST_F(ORVFatalErrorDisplayToSwingTest, EachLineOfTheReportIsOneCallAndItsFileIsGone) {
  WriteWholeFile(Path("target"), "untouched");
  ExpectEnds(
      [] {
        std::string predictable = Path("SCMFatalErrorFile.txt") + std::to_string(getpid());
        if (symlink(Path("target").c_str(), predictable.c_str()) != 0) _exit(3);
        DisplayOnJavaDisplays(ORV_RECORDER_JAR);
        ORVInputValuePrefix().GetValueLengthMini();
      },
      Report("ValueLengthMini must be greater or equal than 0", "src/ORVInputValuePrefix.cpp",
             true));
  EXPECT_EQ(ReadWholeFile(Path("target")), "untouched");
  EXPECT_EQ(Entries(Path("")).size(), 2u);
  ExpectEnds(
      [] {
        DisplayOnJavaDisplays(ORV_RECORDER_JAR);
        std::string text = std::string(3000, 'x') + "\xC3\xA9 \xFF\xFE \xC3!";
        ORVRefHandler::Fail(text.c_str(), "", "", "", "");
      },
      Report(std::string(3000, 'x') + "\\u00e9 \\u00ff\\u00fe \\u00c3!", "src/ORVRefHandler.cpp",
             true));
}

// What the fatal display echoes, then the report of the display that could not reach
// Java, for a message or an error of each type.
TEST_F(ORVFatalErrorDisplayToSwingTest, WhatCannotReachJavaGoesToStandardError) {
  auto over = [&](const std::string& iEcho, const std::string& iReport, const char* iFile,
                  int iType, const char* iClassPath) {
    ExpectEnds([&] { DisplayOnJavaDisplays(iClassPath, iType); },
               EscapeForRegex(iEcho + "\n") + Report(iReport, iFile, false));
  };
  const std::string noEnv = "JNI Environment pointer is not initialized.";
  over(noEnv, noEnv, "src/ORVSwingUtilities.cpp", -1, "");
  const std::string noClass = "Unable to find recording class ORVCMJSERVICES_PACKAGE 'ORVJniError'";
  const char* message = "src/ORVMessageDisplayToSwing.cpp";
  const char* error = "src/ORVErrorDisplayToSwing.cpp";
  over(noClass + " in ORVFatalErrorDisplayToSwing.",
       "Unable to find recording class 'ORVCMJSERVICES_PACKAGE ORVJniError'.", message, -1,
       "/nonexistent");
  over(noClass + " in ORVFatalErrorDisplayToSwing.", noClass + ".", error, 1, "/nonexistent");
  const std::string noMethod = "Unable to find recording method 'ORVError.Display";
  const char* methods[] = {"Message", "CriticalError", "FatalError", "WarningError",
                           "InformationError"};
  for (int type = 0; type <= 4; ++type)
    over(noMethod + "FatalError'.", noMethod + methods[type] + "'.", type ? error : message,
         type ? type : -1, ORV_WITHOUT_METHODS_JAR);
}

// The report file, without a JVM.
TEST_F(ORVFatalErrorDisplayToSwingTest, EachStreamIsANewPrivateFileAndOnlyTheLastStays) {
  ORVGlobalObjectCleaner cleaner;
  auto* display = new ORVFatalErrorDisplayToSwing();
  std::string names[2];
  for (std::string& name : names) {
    display->GetOutputStream() << "report" << flush;
    name = display->GetFileName()->GetChars();
    EXPECT_THAT(name, testing::MatchesRegex(EscapeForRegex(Path("SCMFatalErrorFile.txt")) +
                                            std::to_string(getpid()) + "......"));
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(name).permissions(), perms::owner_read | perms::owner_write);
    EXPECT_EQ(ReadWholeFile(name), "report");
  }
  EXPECT_NE(names[0], names[1]);
  EXPECT_EQ(Entries(Path("")).size(), 1u);  // the second stream removed the first
  display->Release();
  EXPECT_TRUE(Entries(Path("")).empty());
  // Without its file, Display needs no JNI environment and touches nothing.
  setenv("ORV_TMP", Path("missing").c_str(), 1);
  ORVFatalErrorDisplayToSwing failed;
  EXPECT_EQ(&failed.GetOutputStream(), &ORVStderr);
  failed.Display();
}

TEST_F(ORVFatalErrorDisplayToSwingTest, TheCleanerReleasesTheJavaDisplaysAndTheirGlobals) {
  {
    ORVGlobalObjectCleaner cleaner;
    ORVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing();
    EXPECT_TRUE(ORVMessageDisplay::GetGlobal()->IsAKindOf("ORVMessageDisplayToSwing"));
    EXPECT_TRUE(ORVErrorDisplay::GetGlobal()->IsAKindOf("ORVErrorDisplayToSwing"));
    EXPECT_TRUE(ORVFatalErrorDisplay::GetGlobal()->IsAKindOf("ORVFatalErrorDisplayToSwing"));
    EXPECT_EQ(cleaner.GetCount(), 3);
  }
  ORVGlobalObjectCleaner cleaner;
  EXPECT_TRUE(ORVFatalErrorDisplay::GetGlobal()->IsAKindOf("ORVFatalErrorDisplayToTerm"));
  ExpectFatalReport([] { ORVMessageDisplay::GetGlobal(); },
                    "A global object displayer should have been set", "src/ORVMessageDisplay.cpp");
  ExpectFatalReport([] { ORVErrorDisplay::GetGlobal(); },
                    "A global object displayer should have been set", "src/ORVErrorDisplay.cpp");
}
