// Tests of the Java fatal-error display and of the installation of the Java displays:
// the report's lines reach the receiver one call each from a file of its own that is
// gone afterwards, a planted link is never followed, and a display that cannot reach
// Java puts the report on standard error instead of starting another one.
#include "ORVFatalErrorDisplayToSwing.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <string>

#include "FatalReport.h"
#include "JavaTestSupport.h"
#include "ORVError.h"
#include "ORVErrorDisplayToSwing.h"
#include "ORVFatalErrorDisplayToTerm.h"
#include "ORVInputValuePrefix.h"
#include "ORVMessageDisplayToSwing.h"
#include "ORVOFStream.h"
#include "ORVRefHandler.h"
#include "ORVSwingUtilities.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"

namespace {

// The names in iDirectory.
std::set<std::string> Entries(const std::string& iDirectory) {
  std::set<std::string> names;
  DIR* directory = opendir(iDirectory.c_str());
  if (!directory) return {"<cannot list>"};
  while (dirent* entry = readdir(directory)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.insert(name);
  }
  closedir(directory);
  return names;
}

// A report's two lines as a regular expression, each possibly framed as the receiver
// writes what it got.
std::string Report(const std::string& iText, const std::string& iFile, bool iInJava) {
  std::string first = EscapeForRegex("#ERR# Fatal internal error: '" + iText +
                                     "' on file: " + iFile + " at line: ") +
                      "[0-9]+\n";
  std::string second = "Contact your administrator\n";
  if (!iInJava) return first + second;
  return "DisplayFatalError\\(" + first + "\\)\nDisplayFatalError\\(" + second + "\\)\n";
}

void ExpectEndedWith(const ChildResult& iChild, const std::string& iStderrPattern) {
  EXPECT_TRUE(iChild._Exited);
  EXPECT_EQ(iChild._ExitStatus, 255);
  EXPECT_TRUE(std::regex_match(iChild._Stderr, std::regex(iStderrPattern)))
      << "standard error:\n"
      << iChild._Stderr << "\npattern:\n"
      << iStderrPattern;
}

// The Java displays installed over the JVM of iClassPath (none when empty).
void InstallJavaDisplays(const std::string& iClassPath) {
  new ORVGlobalObjectCleaner();  // never destroyed: the scenario ends in a fatal report
  ORVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing();
  if (!iClassPath.empty()) ORVSwingUtilities::SetJNIEnvVariable(StartJvm(iClassPath));
}

// Shows a message, or an error of the type ORV_JAVA_TEST_TYPE names, on the global display.
void DisplayOnce() {
  const char* type = getenv("ORV_JAVA_TEST_TYPE");
  if (!type) {
    ORVMessageDisplay::GetGlobal()->Display("hello", 1);
    return;
  }
  ORVError error("f", 1, ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr(),
                 (PEVErrorType)atoi(type), PEV_E_FAIL);
  ORVErrorDisplay::GetGlobal()->Display(error);
}

JAVA_SCENARIO(TwoLineReportThroughAPlantedLink) {
  InstallJavaDisplays(RecorderClassPath());
  std::string directory = getenv("ORV_TMP");
  std::string predictable = directory + "/SCMFatalErrorFile.txt" + std::to_string(getpid());
  if (symlink((directory + "/target").c_str(), predictable.c_str()) != 0) _exit(3);
  ORVInputValuePrefix prefix;
  prefix.GetValueLengthMini();
}

JAVA_SCENARIO(LongUndecodableLine) {
  InstallJavaDisplays(RecorderClassPath());
  std::string text = std::string(3000, 'x') + "\xC3\xA9 \xFF\xFE \xC3!";
  ORVRefHandler::Fail(text.c_str(), nullptr, nullptr, nullptr, nullptr);
}

JAVA_SCENARIO(NoEnvironment) {
  InstallJavaDisplays("");
  ORVSwingUtilities::GetJNIEnvVariable();
}

JAVA_SCENARIO(MissingClass) {
  InstallJavaDisplays("/nonexistent");
  DisplayOnce();
}

JAVA_SCENARIO(MissingMethods) {
  InstallJavaDisplays(WithoutMethodsClassPath());
  DisplayOnce();
}

class ORVFatalErrorDisplayToSwingTest : public TemporaryDirectoryTest {
protected:
  ChildResult Run(const char* iScenario, const char* iType = nullptr) {
    std::vector<std::pair<std::string, std::string>> environment = {{"ORV_TMP", Path("")}};
    environment.back().second.pop_back();  // no trailing slash
    if (iType) environment.emplace_back("ORV_JAVA_TEST_TYPE", iType);
    return RunScenario(iScenario, environment);
  }
};

}  // namespace

TEST_F(ORVFatalErrorDisplayToSwingTest, ATwoLineReportIsTwoCallsAndItsFileIsGone) {
  // A link planted at the predictable name of the process's report file is not
  // followed: its target keeps its content, and only the link and the target remain.
  WriteWholeFile(Path("target"), "untouched");
  ChildResult child = Run("TwoLineReportThroughAPlantedLink");
  ExpectEndedWith(child, Report("ValueLengthMini must be greater or equal than 0",
                                "src/ORVInputValuePrefix.cpp", true));
  EXPECT_EQ(ReadWholeFile(Path("target")), "untouched");
  std::set<std::string> entries = Entries(Path(""));
  EXPECT_EQ(entries.erase("target"), 1u);
  ASSERT_EQ(entries.size(), 1u);
  const std::string& link = *entries.begin();
  EXPECT_EQ(link.rfind("SCMFatalErrorFile.txt", 0), 0u) << link;
  struct stat status {};
  EXPECT_EQ(lstat(Path(link).c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
}

TEST_F(ORVFatalErrorDisplayToSwingTest, ALongLineOfAnyBytesArrivesAsOneCall) {
  // 3000 bytes and more in one call; é decoded, each byte of an invalid sequence taken as
  // the Latin-1 character of its value.
  ChildResult child = Run("LongUndecodableLine");
  std::string text = std::string(3000, 'x') + "\\u00e9 \\u00ff\\u00fe \\u00c3!";
  ExpectEndedWith(child, Report(text, "src/ORVRefHandler.cpp", true));
  EXPECT_TRUE(Entries(Path("")).empty());
}

TEST_F(ORVFatalErrorDisplayToSwingTest, WithoutEnvironmentTheReportGoesToStandardError) {
  ChildResult child = Run("NoEnvironment");
  ExpectEndedWith(child, "JNI Environment pointer is not initialized\\.\n" +
                             Report("JNI Environment pointer is not initialized.",
                                    "src/ORVSwingUtilities.cpp", false));
  EXPECT_TRUE(Entries(Path("")).empty());
}

TEST_F(ORVFatalErrorDisplayToSwingTest, AMissingClassOrMethodIsReportedOnStandardError) {
  const std::string noClass = EscapeForRegex(
      "Unable to find recording class ORVCMJSERVICES_PACKAGE 'ORVJniError' in "
      "ORVFatalErrorDisplayToSwing.\n");
  const std::string noFatalMethod =
      EscapeForRegex("Unable to find recording method 'ORVError.DisplayFatalError'.\n");
  const std::string messageFile = "src/ORVMessageDisplayToSwing.cpp";
  const std::string errorFile = "src/ORVErrorDisplayToSwing.cpp";
  struct Case {
    const char* _Scenario;
    const char* _Type;  // null: a message
    std::string _Expected;
  } cases[] = {
      {"MissingClass", nullptr,
       noClass + Report("Unable to find recording class 'ORVCMJSERVICES_PACKAGE ORVJniError'.",
                        messageFile, false)},
      {"MissingClass", "1",
       noClass + Report("Unable to find recording class ORVCMJSERVICES_PACKAGE 'ORVJniError'.",
                        errorFile, false)},
      {"MissingMethods", nullptr,
       noFatalMethod + Report("Unable to find recording method 'ORVError.DisplayMessage'.",
                              messageFile, false)},
      {"MissingMethods", "1",
       noFatalMethod + Report("Unable to find recording method 'ORVError.DisplayCriticalError'.",
                              errorFile, false)},
      {"MissingMethods", "2",
       noFatalMethod + Report("Unable to find recording method 'ORVError.DisplayFatalError'.",
                              errorFile, false)},
      {"MissingMethods", "3",
       noFatalMethod + Report("Unable to find recording method 'ORVError.DisplayWarningError'.",
                              errorFile, false)},
      {"MissingMethods", "4",
       noFatalMethod + Report("Unable to find recording method 'ORVError.DisplayInformationError'.",
                              errorFile, false)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c._Scenario) + " " + (c._Type ? c._Type : "message"));
    ExpectEndedWith(Run(c._Scenario, c._Type), c._Expected);
    EXPECT_TRUE(Entries(Path("")).empty());
  }
}

namespace {

// The display's report file, without a JVM: these run in the sanitizer build too.
class ORVFatalErrorDisplayToSwingFileTest : public TemporaryDirectoryTest {
protected:
  void SetUp() override { setenv("ORV_TMP", _Directory.GetPath().c_str(), 1); }
  void TearDown() override { unsetenv("ORV_TMP"); }

  ORVGlobalObjectCleaner _Cleaner;
};

std::string NameOf(const ORVFatalErrorDisplayToSwing& iDisplay) {
  return iDisplay.GetFileName() ? iDisplay.GetFileName()->GetChars() : "<none>";
}

bool Exists(const std::string& iPath) {
  struct stat status {};
  return lstat(iPath.c_str(), &status) == 0;
}

}  // namespace

TEST_F(ORVFatalErrorDisplayToSwingFileTest, EachStreamIsANewPrivateFileAndOnlyTheLastStays) {
  auto* display = new ORVFatalErrorDisplayToSwing();
  display->GetOutputStream() << "first" << flush;
  std::string first = NameOf(*display);
  std::string prefix = Path("SCMFatalErrorFile.txt") + std::to_string(getpid());
  EXPECT_EQ(first.rfind(prefix, 0), 0u) << first;
  EXPECT_EQ(first.size(), prefix.size() + 6);
  struct stat status {};
  ASSERT_EQ(stat(first.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);
  EXPECT_EQ(ReadWholeFile(first), "first");

  // A second stream closes and removes the first file.
  display->GetOutputStream() << "second" << flush;
  std::string second = NameOf(*display);
  EXPECT_NE(second, first);
  EXPECT_FALSE(Exists(first));
  EXPECT_EQ(ReadWholeFile(second), "second");
  display->Release();
  EXPECT_FALSE(Exists(second));
}

TEST_F(ORVFatalErrorDisplayToSwingFileTest, WithoutItsFileTheDisplaySendsAndRemovesNothing) {
  // The report went to standard error: Display neither needs a JNI environment nor
  // touches a file of the name it would have made.
  setenv("ORV_TMP", Path("missing").c_str(), 1);
  ORVFatalErrorDisplayToSwing display;
  EXPECT_EQ(&display.GetOutputStream(), &ORVStderr);
  EXPECT_EQ(display.GetFileName(), nullptr);
  display.Display();
  EXPECT_EQ(Entries(_Directory.GetPath()), std::set<std::string>{});
}

TEST(ORVSwingUtilities, TheCleanerReleasesTheJavaDisplaysAndNoGlobalPointsAtThem) {
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
