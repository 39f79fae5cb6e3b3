// Tests of the example tool cmpfiles, run as a user runs it: its exit status and what
// it writes on standard output and standard error, byte for byte, for answers, every
// kind of command-line mistake and the failures of the work itself.
#include <fcntl.h>
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

std::string Outcome(int iStatus, const std::string& iStdout, const std::string& iStderr) {
  return std::to_string(iStatus) + "\nout: " + iStdout + "\nerr: " + iStderr;
}

// The exit status (or "signal"), standard output and standard error of cmpfiles run with
// iArguments in the sample-data directory, in English; with iStandardOutput, its
// standard output is that file.
std::string RunCmpfiles(const std::vector<std::string>& iArguments,
                        const char* iStandardOutput = nullptr) {
  ChildResult result = RunInChild(
      [&iArguments, iStandardOutput] {
        if (iStandardOutput) {
          int descriptor = open(iStandardOutput, O_WRONLY);
          if (descriptor < 0 || dup2(descriptor, STDOUT_FILENO) < 0) _exit(122);
        }
        std::vector<char*> argv = {const_cast<char*>("cmpfiles")};
        for (const std::string& argument : iArguments)
          argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        if (chdir(ORV_EXAMPLES_DATA_DIR) != 0) _exit(120);
        execv(ORV_CMPFILES_PATH, argv.data());
        _exit(121);
      },
      {{"PEV_CATALOG_PATH", ""}, {"LC_ALL", nullptr}, {"LC_MESSAGES", nullptr}, {"LANG", "C"}});
  if (!result._Exited) return "signal " + std::to_string(result._Signal);
  return Outcome(result._ExitStatus, result._Stdout, result._Stderr);
}

// What a command-line mistake does: status 2 and on standard error the request, the
// marker line, the advice and an empty line.
std::string Mistake(const std::string& iFragment, const std::string& iDiagnostic,
                    const std::string& iAdvice = kUsage) {
  return Outcome(2, "",
                 "Incorrect command line: " + iFragment + "\n#ERR# ORVBC - 0013: " + iDiagnostic +
                     "\n" + iAdvice + "\n");
}

const char kSame[] = "The files \"settings-a.conf\" \"settings-b.conf\" have the same contents.\n";

}  // namespace

TEST(CmpfilesTool, AnswersOnStandardOutputInAFileOrByTheExitStatusOnly) {
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf"}), Outcome(0, kSame, ""));
  EXPECT_EQ(
      RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf", "settings-changed.conf"}),
      Outcome(
          1,
          "The files \"settings-a.conf\" \"settings-b.conf\" \"settings-changed.conf\" differ.\n",
          ""));
  EXPECT_EQ(RunCmpfiles({"-q", "-f", "settings-a.conf", "settings-changed.conf"}),
            Outcome(1, "", ""));
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf", "-q"}), Outcome(0, "", ""));
  TemporaryDirectory scratch;
  std::string report = scratch.Path("report.txt");
  EXPECT_EQ(RunCmpfiles({"-o", report, "-f", "settings-a.conf", "settings-b.conf"}),
            Outcome(0, "", ""));
  EXPECT_EQ(ReadWholeFile(report), kSame);
}

TEST(CmpfilesTool, FailuresOfTheWorkAreErrorsWithTheToolsRequest) {
  // A directory in place of the report is refused by the file display.
  TemporaryDirectory scratch;
  const std::string& directory = scratch.GetPath();
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf", "-o", directory}),
            Outcome(2, "",
                    "Cannot write the report \"" + directory +
                        "\"\n#ERR# ... - ...: Cannot write the messages to \"" + directory +
                        "\": it is a directory.\n"
                        "Give the name of a file to write the messages to.\n\n"));
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf", "no-such-file.conf"}),
            Outcome(2, "",
                    "Cannot compare the files \"settings-a.conf\" \"no-such-file.conf\"\n"
                    "#ERR# ... - ...: Cannot open the file \"no-such-file.conf\": No such file or "
                    "directory.\n\n"));
}

TEST(CmpfilesTool, ADirectoryIsRefusedBeforeSizesAreCompared) {
  TemporaryDirectory scratch;
  const std::string& directory = scratch.GetPath();
  const std::string refused = "\"" + directory +
                              "\" is a directory: only files can be compared.\n"
                              "Give the names of files, not of directories.\n\n";
  // A directory's size differs from the file's: still an error, not "differ".
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf", directory}),
            Outcome(2, "",
                    "Cannot compare the files \"settings-a.conf\" \"" + directory +
                        "\"\n#ERR# ... - ...: " + refused));
  EXPECT_EQ(RunCmpfiles({"-q", "-f", directory, directory}),
            Outcome(2, "",
                    "Cannot compare the files \"" + directory + "\" \"" + directory +
                        "\"\n#ERR# ... - ...: " + refused));
}

TEST(CmpfilesTool, AFailedWriteOnStandardOutputIsAnError) {
  const std::string refused =
      "Cannot write the answer on the standard output\n"
      "#ERR# ... - ...: The standard output refused the text: No space left on device.\n\n";
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf"}, "/dev/full"),
            Outcome(2, "", refused));
  EXPECT_EQ(RunCmpfiles({"-help"}, "/dev/full"), Outcome(2, "", refused));
  // Nothing to write: nothing fails.
  EXPECT_EQ(RunCmpfiles({"-q", "-f", "settings-a.conf", "settings-b.conf"}, "/dev/full"),
            Outcome(0, "", ""));
}

TEST(CmpfilesTool, CommandLineMistakes) {
  // Unknown options, prefixes and other cases, even while -f still wants files.
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf", "settings-b.conf", "-x"}),
            Mistake("cmpfiles -x", "The option -x is unknown."));
  EXPECT_EQ(RunCmpfiles({"-F", "settings-a.conf"}),
            Mistake("cmpfiles -F", "The option -F is unknown."));
  EXPECT_EQ(RunCmpfiles({"-hel"}), Mistake("cmpfiles -hel", "The option -hel is unknown."));
  EXPECT_EQ(RunCmpfiles({"-HELP"}), Mistake("cmpfiles -HELP", "The option -HELP is unknown."));
  EXPECT_EQ(RunCmpfiles({"-f", "-z"}), Mistake("cmpfiles -z", "The option -z is unknown."));
  // Missing and miscounted values.
  EXPECT_EQ(RunCmpfiles({}), Mistake("cmpfiles -f", "The option -f must be given."));
  EXPECT_EQ(RunCmpfiles({"-q"}), Mistake("cmpfiles -f", "The option -f must be given."));
  EXPECT_EQ(RunCmpfiles({"-f", "settings-a.conf"}),
            Mistake("cmpfiles -f", "The option -f needs at least 2 values."));
  EXPECT_EQ(RunCmpfiles({"-f", "a", "b", "-o"}),
            Mistake("cmpfiles -o", "The option -o needs a value."));
  EXPECT_EQ(RunCmpfiles({"-f", "a", "b", "-o", "r1", "r2"}),
            Mistake("cmpfiles -o \"r2\"", "The option -o takes only one value."));
  // Stray arguments.
  EXPECT_EQ(RunCmpfiles({"-"}), Mistake("cmpfiles \"-\"", "cmpfiles takes no argument here."));
  EXPECT_EQ(RunCmpfiles({"a.conf", "-f"}),
            Mistake("cmpfiles \"a.conf\"", "cmpfiles takes no argument here."));
  EXPECT_EQ(RunCmpfiles({"-f", "a", "b", "-q", "c"}),
            Mistake("cmpfiles -q \"c\"", "-q takes no argument here."));
}

TEST(CmpfilesTool, TheReportNameIsLengthChecked) {
  EXPECT_EQ(RunCmpfiles({"-o", "", "-f", "a", "b"}),
            Mistake("cmpfiles -o \"\"",
                    "The value \"\" has 0 characters; it must have from 1 to 255.", kReportUsage));
  std::string longName(256, 'r');
  std::string tooLong =
      Mistake("cmpfiles -o \"" + longName + "\"",
              "The value \"" + longName + "\" has 256 characters; it must have from 1 to 255.",
              kReportUsage);
  EXPECT_EQ(RunCmpfiles({"-f", "a", "b", "-o", longName}), tooLong);
  // The length manager comes before the help manager: -h does not hide the mistake.
  EXPECT_EQ(RunCmpfiles({"-h", "-o", longName}), tooLong);
}

TEST(CmpfilesTool, TheHelpAnswersOnStandardOutputWithoutChecks) {
  // -f is missing and -q is given twice: the help is the answer all the same.
  for (const char* name : {"-h", "-help", "-?"})
    EXPECT_EQ(RunCmpfiles({"-q", name, "-q"}), Outcome(0, std::string(kHelp) + "\n\n", "")) << name;
}

#else

TEST(CmpfilesTool, NotBuilt) {
  GTEST_SKIP() << "the example tools are not built (ORV_BUILD_EXAMPLES=OFF)";
}

#endif
