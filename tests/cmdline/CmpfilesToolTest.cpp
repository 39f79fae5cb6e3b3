// Tests of the example tool cmpfiles, run as a user runs it: its exit status and what
// it writes on standard output and standard error, byte for byte, for answers, every
// kind of command-line mistake and the failures of the work itself.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TemporaryDirectory.h"

#ifdef ORV_CMPFILES_PATH

namespace {

const char kUsage[] =
    "Usage: cmpfiles -f <file> <file> [<file>...] [-o <report>] [-q] [-h|-help|-?]\n";
const char kReportUsage[] =
    "-o <report>\n"
    "    Writes the answer into the file <report> (1 to 255 characters) instead of showing it.\n";
const char kHelp[] =
    "Usage: cmpfiles -f <file> <file> [<file>...] [-o <report>] [-q] [-h|-help|-?]\n"
    "-f <file> <file> [<file>...]\n"
    "    The files to compare, two or more.\n"
    "-o <report>\n"
    "    Writes the answer into the file <report> (1 to 255 characters) instead of showing it.\n"
    "-q\n"
    "    Shows no answer: the exit status tells it. Errors are still shown.\n"
    "-h|-help|-?\n"
    "    Shows this help and stops.\n"
    "\n"
    "Compares the contents of files byte by byte.\n"
    "Exit status: 0 when all the files are the same, 1 when they differ, 2 on an error.\n";

// Runs cmpfiles with iArguments in the sample-data directory, in English.
ChildResult RunCmpfiles(const std::vector<std::string>& iArguments) {
  return RunInChild(
      [&iArguments] {
        std::vector<char*> argv = {const_cast<char*>("cmpfiles")};
        for (const std::string& argument : iArguments)
          argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        if (chdir(ORV_EXAMPLES_DATA_DIR) != 0) _exit(120);
        execv(ORV_CMPFILES_PATH, argv.data());
        _exit(121);
      },
      {{"PEV_CATALOG_PATH", ""}, {"LC_ALL", nullptr}, {"LC_MESSAGES", nullptr}, {"LANG", "C"}});
}

// The terminal text of a command-line mistake: request, marker line, advice, empty line.
std::string Mistake(const std::string& iFragment, const std::string& iDiagnostic,
                    const std::string& iAdvice = kUsage) {
  return "Incorrect command line: " + iFragment + "\n#ERR# ORVBC - 0013: " + iDiagnostic + "\n" +
         iAdvice + "\n";
}

void ExpectMistake(const std::vector<std::string>& iArguments, const std::string& iExpected) {
  ChildResult result = RunCmpfiles(iArguments);
  EXPECT_TRUE(result._Exited);
  EXPECT_EQ(result._ExitStatus, 2);
  EXPECT_EQ(result._Stdout, "");
  EXPECT_EQ(result._Stderr, iExpected);
}

}  // namespace

TEST(CmpfilesTool, SameAndDifferentFilesAnswerOnStandardOutput) {
  ChildResult same = RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf"});
  EXPECT_EQ(same._ExitStatus, 0);
  EXPECT_EQ(same._Stdout,
            "The files \"settings-a.conf\" \"settings-b.conf\" have the same contents.\n");
  EXPECT_EQ(same._Stderr, "");

  ChildResult different =
      RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf", "settings-changed.conf"});
  EXPECT_EQ(different._ExitStatus, 1);
  EXPECT_EQ(
      different._Stdout,
      "The files \"settings-a.conf\" \"settings-b.conf\" \"settings-changed.conf\" differ.\n");
  EXPECT_EQ(different._Stderr, "");
}

TEST(CmpfilesTool, QuietAnswersWithTheExitStatusOnly) {
  ChildResult result = RunCmpfiles({"-q", "-f", "settings-a.conf", "settings-changed.conf"});
  EXPECT_EQ(result._ExitStatus, 1);
  EXPECT_EQ(result._Stdout, "");
  EXPECT_EQ(result._Stderr, "");
  result = RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf", "-q"});
  EXPECT_EQ(result._ExitStatus, 0);
  EXPECT_EQ(result._Stdout, "");
}

TEST(CmpfilesTool, TheReportGoesToTheFileOfOptionO) {
  TemporaryDirectory scratch;
  const std::string& directory = scratch.GetPath();
  std::string report = scratch.Path("report.txt");
  ChildResult result = RunCmpfiles({"-o", report, "-f", "settings-a.conf", "settings-b.conf"});
  EXPECT_EQ(result._ExitStatus, 0);
  EXPECT_EQ(result._Stdout, "");
  EXPECT_EQ(result._Stderr, "");
  EXPECT_EQ(ReadWholeFile(report),
            "The files \"settings-a.conf\" \"settings-b.conf\" have the same contents.\n");

  // A directory in place of the report is refused by the file display.
  result = RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf", "-o", directory});
  EXPECT_EQ(result._ExitStatus, 2);
  EXPECT_EQ(result._Stdout, "");
  EXPECT_EQ(result._Stderr, "Cannot write the report \"" + directory +
                                "\"\n#ERR# ... - ...: Cannot write the messages to \"" + directory +
                                "\": it is a directory.\n"
                                "Give the name of a file to write the messages to.\n\n");
}

TEST(CmpfilesTool, AnUnreadableFileIsAnErrorWithTheToolsRequest) {
  ChildResult result = RunCmpfiles({"-f", "settings-a.conf", "no-such-file.conf"});
  EXPECT_EQ(result._ExitStatus, 2);
  EXPECT_EQ(result._Stdout, "");
  EXPECT_EQ(result._Stderr,
            "Cannot compare the files \"settings-a.conf\" \"no-such-file.conf\"\n"
            "#ERR# ... - ...: Cannot open the file \"no-such-file.conf\": No such file or "
            "directory.\n\n");
}

TEST(CmpfilesTool, UnknownOptionsPrefixesAndOtherCases) {
  ExpectMistake({"-f", "settings-a.conf", "settings-b.conf", "-x"},
                Mistake("cmpfiles -x", "The option -x is unknown."));
  ExpectMistake({"-F", "settings-a.conf"}, Mistake("cmpfiles -F", "The option -F is unknown."));
  ExpectMistake({"-hel"}, Mistake("cmpfiles -hel", "The option -hel is unknown."));
  ExpectMistake({"-HELP"}, Mistake("cmpfiles -HELP", "The option -HELP is unknown."));
  // Unknown even while -f still wants files.
  ExpectMistake({"-f", "-z"}, Mistake("cmpfiles -z", "The option -z is unknown."));
}

TEST(CmpfilesTool, MissingAndMiscountedValues) {
  ExpectMistake({}, Mistake("cmpfiles -f", "The option -f must be given."));
  ExpectMistake({"-q"}, Mistake("cmpfiles -f", "The option -f must be given."));
  ExpectMistake({"-f", "settings-a.conf"},
                Mistake("cmpfiles -f", "The option -f needs at least 2 values."));
  ExpectMistake({"-f", "a", "b", "-o"}, Mistake("cmpfiles -o", "The option -o needs a value."));
  ExpectMistake({"-f", "a", "b", "-o", "r1", "r2"},
                Mistake("cmpfiles -o \"r2\"", "The option -o takes only one value."));
}

TEST(CmpfilesTool, StrayArguments) {
  ExpectMistake({"-"}, Mistake("cmpfiles \"-\"", "cmpfiles takes no argument here."));
  ExpectMistake({"a.conf", "-f"},
                Mistake("cmpfiles \"a.conf\"", "cmpfiles takes no argument here."));
  ExpectMistake({"-f", "a", "b", "-q", "c"},
                Mistake("cmpfiles -q \"c\"", "-q takes no argument here."));
}

TEST(CmpfilesTool, TheReportNameIsLengthChecked) {
  ExpectMistake(
      {"-o", "", "-f", "a", "b"},
      Mistake("cmpfiles -o \"\"", "The value \"\" has 0 characters; it must have from 1 to 255.",
              kReportUsage));
  std::string longName(256, 'r');
  ExpectMistake(
      {"-f", "a", "b", "-o", longName},
      Mistake("cmpfiles -o \"" + longName + "\"",
              "The value \"" + longName + "\" has 256 characters; it must have from 1 to 255.",
              kReportUsage));
  // The length manager comes before the help manager: -h does not hide the mistake.
  ExpectMistake(
      {"-h", "-o", longName},
      Mistake("cmpfiles -o \"" + longName + "\"",
              "The value \"" + longName + "\" has 256 characters; it must have from 1 to 255.",
              kReportUsage));
}

TEST(CmpfilesTool, TheHelpAnswersOnStandardOutputWithoutChecks) {
  for (const char* name : {"-h", "-help", "-?"}) {
    // -f is missing and -q is given twice: the help is the answer all the same.
    ChildResult result = RunCmpfiles({"-q", name, "-q"});
    EXPECT_EQ(result._ExitStatus, 0) << name;
    EXPECT_EQ(result._Stdout, std::string(kHelp) + "\n\n") << name;
    EXPECT_EQ(result._Stderr, "") << name;
  }
}

#else

TEST(CmpfilesTool, NotBuilt) {
  GTEST_SKIP() << "the example tools are not built (ORV_BUILD_EXAMPLES=OFF)";
}

#endif
