// Tests of the Java fatal-error display and of the installation of the Java displays:
// a report reaches the receiver one call per line from a private file that is gone
// afterwards, and a display that cannot reach Java puts it on standard error instead.
#include "ORVFatalErrorDisplayToSwing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
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

std::set<std::string> Entries(const std::string& iDirectory) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(iDirectory))
    names.insert(entry.path().filename());
  return names;
}

// The report's two lines as a regular expression; iInJava: as the receiver echoes them.
std::string Report(const std::string& iText, const std::string& iFile, bool iInJava) {
  std::string lines[] = {EscapeForRegex("#ERR# Fatal internal error: '" + iText +
                                        "' on file: " + iFile + " at line: ") +
                             "[0-9]+\n",
                         "Contact your administrator\n"};
  if (!iInJava) return lines[0] + lines[1];
  return "DisplayFatalError\\(" + lines[0] + "\\)\nDisplayFatalError\\(" + lines[1] + "\\)\n";
}

// Installs the Java displays over a JVM of iClassPath (no environment when empty) and
// shows a message, or an error of the type ORV_JAVA_TEST_TYPE names.
void DisplayOnJavaDisplays(const char* iClassPath) {
  new ORVGlobalObjectCleaner();  // the scenario ends in a fatal report
  ORVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing();
  if (!*iClassPath) ORVSwingUtilities::GetJNIEnvVariable();
  ORVSwingUtilities::SetJNIEnvVariable(StartJvm(iClassPath));
  if (const char* type = getenv("ORV_JAVA_TEST_TYPE")) {
    ORVError error("f", 1, {}, {}, {}, (PEVErrorType)atoi(type), PEV_E_FAIL);
    ORVErrorDisplay::GetGlobal()->Display(error);
  }
  ORVMessageDisplay::GetGlobal()->Display("hello", 1);
}

JAVA_SCENARIO(TwoLineReportBesideAPlantedLink) {
  std::string directory = getenv("ORV_TMP");
  std::string predictable = directory + "/SCMFatalErrorFile.txt" + std::to_string(getpid());
  if (symlink((directory + "/target").c_str(), predictable.c_str()) != 0) _exit(3);
  DisplayOnJavaDisplays(ORV_RECORDER_JAR);
  ORVInputValuePrefix().GetValueLengthMini();
}
JAVA_SCENARIO(LongLineOfAnyBytes) {
  DisplayOnJavaDisplays(ORV_RECORDER_JAR);
  ORVRefHandler::Fail((std::string(3000, 'x') + "\xC3\xA9 \xFF\xFE \xC3!").c_str(), "", "", "", "");
}
// Over the class path that ORV_JAVA_TEST_PATH gives.
JAVA_SCENARIO(DisplayOverClassPath) {
  DisplayOnJavaDisplays(getenv("ORV_JAVA_TEST_PATH"));
}

class ORVFatalErrorDisplayToSwingTest : public TemporaryDirectoryTest {
protected:
  void SetUp() override { setenv("ORV_TMP", _Directory.GetPath().c_str(), 1); }
  void TearDown() override { unsetenv("ORV_TMP"); }

  // Scenario iName ends with the report status and standard error matching iPattern,
  // leaving nothing in the report directory but what the test put there.
  void ExpectEnds(const char* iName, const std::string& iPattern, const char* iType = nullptr,
                  const char* iClassPath = nullptr) {
    ChildResult child =
        RunScenario(iName, {{"ORV_JAVA_TEST_TYPE", iType}, {"ORV_JAVA_TEST_PATH", iClassPath}});
    EXPECT_EQ(child._ExitStatus, 255) << iName;
    EXPECT_THAT(child._Stderr, testing::MatchesRegex(iPattern)) << iName;
    for (const std::string& name : Entries(_Directory.GetPath())) {
      struct stat status {};
      EXPECT_TRUE(name == "target" ||
                  (lstat(Path(name).c_str(), &status) == 0 && S_ISLNK(status.st_mode)))
          << name << " left by " << iName;
    }
  }
};

}  // namespace

// The link planted at the process's predictable name is neither followed nor removed.
// Invalid UTF-8 bytes arrive as the Latin-1 characters of their values.
TEST_F(ORVFatalErrorDisplayToSwingTest, EachLineOfTheReportIsOneCallAndItsFileIsGone) {
  WriteWholeFile(Path("target"), "untouched");
  ExpectEnds("TwoLineReportBesideAPlantedLink",
             Report("ValueLengthMini must be greater or equal than 0",
                    "src/ORVInputValuePrefix.cpp", true));
  EXPECT_EQ(ReadWholeFile(Path("target")), "untouched");
  EXPECT_EQ(Entries(_Directory.GetPath()).size(), 2u);
  ExpectEnds("LongLineOfAnyBytes",
             Report(std::string(3000, 'x') + "\\u00e9 \\u00ff\\u00fe \\u00c3!",
                    "src/ORVRefHandler.cpp", true));
}

// What the fatal display echoes, then the report of the display that could not reach
// Java, for a message or an error of each type.
TEST_F(ORVFatalErrorDisplayToSwingTest, WhatCannotReachJavaGoesToStandardError) {
  const std::string noClass = EscapeForRegex(
      "Unable to find recording class ORVCMJSERVICES_PACKAGE 'ORVJniError' in "
      "ORVFatalErrorDisplayToSwing.\n");
  const std::string noMethod = "Unable to find recording method 'ORVError.Display";
  const std::string message = "src/ORVMessageDisplayToSwing.cpp";
  const std::string error = "src/ORVErrorDisplayToSwing.cpp";
  auto over = [&](const std::string& iPattern, const char* iType, const char* iClassPath) {
    ExpectEnds("DisplayOverClassPath", iPattern, iType, iClassPath);
  };
  over(
      "JNI Environment pointer is not initialized\\.\n" +
          Report("JNI Environment pointer is not initialized.", "src/ORVSwingUtilities.cpp", false),
      nullptr, "");
  over(noClass + Report("Unable to find recording class 'ORVCMJSERVICES_PACKAGE ORVJniError'.",
                        message, false),
       nullptr, "/nonexistent");
  over(noClass + Report("Unable to find recording class ORVCMJSERVICES_PACKAGE 'ORVJniError'.",
                        error, false),
       "1", "/nonexistent");
  const char* methods[] = {"Message", "CriticalError", "FatalError", "WarningError",
                           "InformationError"};
  for (const char* type : {"", "1", "2", "3", "4"})
    over(EscapeForRegex(noMethod + "FatalError'.\n") +
             Report(noMethod + methods[atoi(type)] + "'.", *type ? error : message, false),
         *type ? type : nullptr, ORV_WITHOUT_METHODS_JAR);
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
    struct stat status {};
    EXPECT_EQ(stat(name.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(ReadWholeFile(name), "report");
  }
  EXPECT_NE(names[0], names[1]);
  EXPECT_EQ(Entries(_Directory.GetPath()).size(), 1u);  // the second stream removed the first
  display->Release();
  EXPECT_TRUE(Entries(_Directory.GetPath()).empty());
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
