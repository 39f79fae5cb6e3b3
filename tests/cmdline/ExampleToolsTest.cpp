// Tests of the example tools cmpfiles, deptree, execplan and msgping, run as a user runs
// them in the sample-data directory: exit status, standard output and standard error,
// byte for byte, one run per distinct answer and failure; of the command-line mistakes,
// those of each tool's own declarations (the analyzer's tests check the others).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TemporaryDirectory.h"

#ifdef ORV_CMPFILES_PATH

namespace {

std::string Out(int iStatus, const std::string& iStdout, const std::string& iStderr = "") {
  return std::to_string(iStatus) + "\nout: " + iStdout + "\nerr: " + iStderr;
}

// Runs the tool iPath with the blank-separated arguments of each run in the sample-data
// directory, with the file _Stdout as standard output when given, under a neutral
// environment, and compares its status and outputs with _Outcome.
struct ToolRun {
  std::string _Arguments, _Outcome;
  const char* _Stdout = nullptr;
};
void ExpectRuns(const char* iPath, const std::vector<ToolRun>& iRuns) {
  for (const ToolRun& run : iRuns) {
    std::vector<std::string> words = {strrchr(iPath, '/') + 1};
    std::istringstream stream(run._Arguments);
    for (std::string word; stream >> word;)
      words.push_back(word);
    ChildResult result = RunInChild(
        [&] {
          int descriptor = run._Stdout ? open(run._Stdout, O_WRONLY) : STDOUT_FILENO;
          if (descriptor < 0 || dup2(descriptor, STDOUT_FILENO) < 0) _exit(122);
          std::vector<char*> argv;
          for (std::string& word : words)
            argv.push_back(word.data());
          argv.push_back(nullptr);
          if (chdir(ORV_EXAMPLES_DATA_DIR) != 0) _exit(120);
          execv(iPath, argv.data());
          _exit(121);
        },
        {{"PEV_CATALOG_PATH", ""}, {"LC_ALL", nullptr}, {"LC_MESSAGES", nullptr}, {"LANG", "C"}});
    EXPECT_EQ(result._Exited ? Out(result._ExitStatus, result._Stdout, result._Stderr)
                             : "signal " + std::to_string(result._Signal),
              run._Outcome)
        << run._Arguments;
  }
}

const std::string kUsage =
    "Usage: cmpfiles -f <file> <file> [<file>...] [-o <report>] [-q] [-h|-help|-?]\n";
const std::string kReport =
    "-o <report>\n    Writes the answer into the file <report> (1 to 255 "
    "characters) instead of showing it.\n";
const std::string kHelp =
    kUsage + "-f <file> <file> [<file>...]\n    The files to compare, two or more.\n" + kReport +
    "-q\n    Shows no answer: the exit status tells it. Errors are still shown.\n-h|-help|-?\n"
    "    Shows this help and stops.\n\nCompares the contents of files byte by byte.\n"
    "Exit status: 0 when all the files are the same, 1 when they differ, 2 on an error.\n";
const char kSame[] = "The files \"settings-a.conf\" \"settings-b.conf\" have the same contents.\n";

// A failure of the work: status 2, the tool's request and the library's error.
std::string Failed(const std::string& iRequest, const std::string& iError) {
  return Out(2, "", iRequest + "\n#ERR# ... - ...: " + iError + "\n\n");
}

// A command-line mistake of iTool: status 2, the request, the marker line and the advice.
std::string Mistake(const std::string& iFragment, const std::string& iDiagnostic,
                    const std::string& iAdvice = kUsage, const std::string& iTool = "cmpfiles") {
  return Out(2, "",
             "Incorrect command line: " + iTool + " " + iFragment +
                 "\n#ERR# ORVBC - 0013: " + iDiagnostic + "\n" + iAdvice + "\n");
}

}  // namespace

TEST(ExampleTools, CmpfilesAnswersMistakesAndFailures) {
  TemporaryDirectory scratch;
  const std::string report = scratch.Path("report.txt"), &dir = scratch.GetPath();
  const std::string ab = "-f settings-a.conf settings-b.conf", name(256, 'r');
  const std::string stdoutFailed = "Cannot write the answer on the standard output";
  const std::string full = "The standard output refused the text: No space left on device.";
  ExpectRuns(
      ORV_CMPFILES_PATH,
      {
          {ab, Out(0, kSame)},
          {ab + " settings-changed.conf",
           Out(1,
               "The files \"settings-a.conf\" \"settings-b.conf\" \"settings-changed.conf\" "
               "differ.\n")},
          {"-o " + report + " " + ab, Out(0, "")},
          // A directory in place of the report is refused by the file display.
          {ab + " -o " + dir,
           Failed("Cannot write the report \"" + dir + "\"",
                  "Cannot write the messages to \"" + dir +
                      "\": it is a directory.\nGive the name of a file to write the messages to.")},
          {"-f settings-a.conf no-such-file.conf",
           Failed("Cannot compare the files \"settings-a.conf\" \"no-such-file.conf\"",
                  "Cannot open the file \"no-such-file.conf\": No such file or directory.")},
          // A directory's size differs from the file's: still an error, not "differ".
          {"-f settings-a.conf " + dir,
           Failed("Cannot compare the files \"settings-a.conf\" \"" + dir + "\"",
                  "\"" + dir +
                      "\" is a directory: only files can be compared.\nGive the names of files, "
                      "not of directories.")},
          // A failed write on standard output is an error; nothing to write, nothing fails.
          {ab, Failed(stdoutFailed, full), "/dev/full"},
          {"-q " + ab, Out(0, ""), "/dev/full"},
          {"-q", Mistake("-f", "The option -f must be given.")},
          {"-f settings-a.conf", Mistake("-f", "The option -f needs at least 2 values.")},
          // The report name is length checked before the help manager: -h does not hide it.
          {"-h -o " + name,
           Mistake("-o \"" + name + "\"",
                   "The value \"" + name + "\" has 256 characters; it must have from 1 to 255.",
                   kReport)},
          // -f is missing and -q is given twice: the help is the answer all the same.
          {"-q -? -q", Out(0, kHelp + "\n\n")},
      });
  EXPECT_EQ(ReadWholeFile(report), kSame);
}

// A target met again on its own path is marked and not followed.
TEST(ExampleTools, DeptreeMarksATargetNeededByItself) {
  ExpectRuns(ORV_DEPTREE_PATH,
             {{"-f nested-cycles.txt",
               Out(0,
                   "- f\n   +- e\n       +- b\n           +- a\n           !   +- d\n"
                   "           !       +- c\n           !           +- b (needed by itself: not "
                   "followed)\n           +- c\n               +- b (needed by itself: not "
                   "followed)\n")}});
}

// b and c close a cycle inside the cycle a, b, c, d: one step.
TEST(ExampleTools, ExecplanRanksACycleAsOneStepAndShowsTheGraphOnRequest) {
  ExpectRuns(ORV_EXECPLAN_PATH,
             {{"-f nested-cycles.txt -g",
               Out(0,
                   "1: \"a\" \"d\" \"b\" \"c\" (a cycle of 4 targets)\n2: \"e\"\n3: \"f\"\n"
                   "The graph of the steps:\n> 1:  \"a\" \"d\" \"b\" \"c\"\n> 2:  \"e\"\n> 3:  "
                   "\"f\"\n")}});
}

// An option of the other mode is refused before any socket opens.
TEST(ExampleTools, MsgpingRefusesAnOptionOfTheOtherMode) {
  ExpectRuns(ORV_MSGPING_PATH,
             {{"-server -n 5", Mistake("-n", "-n is an option of the client mode only.",
                                       "-n <count>\n    Client: the number of messages to send (1 "
                                       "to 10000000), 1000 unless given.\n",
                                       "msgping")}});
}

#else

TEST(ExampleTools, NotBuilt) {
  GTEST_SKIP() << "the example tools are not built (ORV_BUILD_EXAMPLES=OFF)";
}

#endif
