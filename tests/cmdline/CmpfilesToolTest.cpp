// Tests of the example tool cmpfiles, run as a user runs it: its exit status and what
// it writes on standard output and standard error, byte for byte, for answers, every
// kind of command-line mistake and the failures of the work itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleToolRun.h"
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
const char kSame[] = "The files \"settings-a.conf\" \"settings-b.conf\" have the same contents.\n";

std::string Outcome(int iStatus, const std::string& iStdout, const std::string& iStderr) {
  return std::to_string(iStatus) + "\nout: " + iStdout + "\nerr: " + iStderr;
}

// A failure of the work: status 2, the tool's request and the library's error.
std::string Failed(const std::string& iRequest, const std::string& iError) {
  return Outcome(2, "", iRequest + "\n#ERR# ... - ...: " + iError + "\n\n");
}

// What a command-line mistake does: status 2 and on standard error the request, the
// marker line, the advice and an empty line.
std::string Mistake(const std::string& iFragment, const std::string& iDiagnostic,
                    const std::string& iAdvice = kUsage) {
  return Outcome(2, "",
                 "Incorrect command line: cmpfiles " + iFragment +
                     "\n#ERR# ORVBC - 0013: " + iDiagnostic + "\n" + iAdvice + "\n");
}

// Runs of cmpfiles in the sample-data directory: the arguments, the outcome and the file
// standing for standard output, if any.
struct CmpfilesRun {
  std::vector<std::string> _Arguments;
  std::string _Outcome;
  const char* _Stdout = nullptr;
};

void ExpectRuns(const std::vector<CmpfilesRun>& iRuns) {
  for (const CmpfilesRun& run : iRuns) {
    std::string shown;
    for (const std::string& argument : run._Arguments)
      shown += argument + " ";
    EXPECT_EQ(RunExampleTool(ORV_CMPFILES_PATH, "cmpfiles", run._Arguments, ORV_EXAMPLES_DATA_DIR,
                             run._Stdout),
              run._Outcome)
        << shown;
  }
}

}  // namespace

TEST(CmpfilesTool, AnswersOnStandardOutputInAFileOrByTheExitStatusAndFailuresOfTheWork) {
  TemporaryDirectory scratch;
  const std::string report = scratch.Path("report.txt"), &directory = scratch.GetPath();
  const std::string onlyFiles = "\"" + directory +
                                "\" is a directory: only files can be compared.\n"
                                "Give the names of files, not of directories.";
  const std::string refused = "The standard output refused the text: No space left on device.";
  ExpectRuns({
      {{"-f", "settings-a.conf", "settings-b.conf"}, Outcome(0, kSame, "")},
      {{"-f", "settings-a.conf", "settings-b.conf", "settings-changed.conf"},
       Outcome(1,
               "The files \"settings-a.conf\" \"settings-b.conf\" \"settings-changed.conf\" "
               "differ.\n",
               "")},
      {{"-q", "-f", "settings-a.conf", "settings-changed.conf"}, Outcome(1, "", "")},
      {{"-f", "settings-a.conf", "settings-b.conf", "-q"}, Outcome(0, "", "")},
      {{"-o", report, "-f", "settings-a.conf", "settings-b.conf"}, Outcome(0, "", "")},
      // A directory in place of the report is refused by the file display.
      {{"-f", "settings-a.conf", "settings-b.conf", "-o", directory},
       Failed("Cannot write the report \"" + directory + "\"",
              "Cannot write the messages to \"" + directory +
                  "\": it is a directory.\nGive the name of a file to write the messages to.")},
      {{"-f", "settings-a.conf", "no-such-file.conf"},
       Failed("Cannot compare the files \"settings-a.conf\" \"no-such-file.conf\"",
              "Cannot open the file \"no-such-file.conf\": No such file or directory.")},
      // A directory's size differs from the file's: still an error, not "differ".
      {{"-f", "settings-a.conf", directory},
       Failed("Cannot compare the files \"settings-a.conf\" \"" + directory + "\"", onlyFiles)},
      {{"-q", "-f", directory, directory},
       Failed("Cannot compare the files \"" + directory + "\" \"" + directory + "\"", onlyFiles)},
      // A failed write on standard output is an error; nothing to write, nothing fails.
      {{"-f", "settings-a.conf", "settings-b.conf"},
       Failed("Cannot write the answer on the standard output", refused),
       "/dev/full"},
      {{"-help"}, Failed("Cannot write the answer on the standard output", refused), "/dev/full"},
      {{"-q", "-f", "settings-a.conf", "settings-b.conf"}, Outcome(0, "", ""), "/dev/full"},
  });
  EXPECT_EQ(ReadWholeFile(report), kSame);
}

TEST(CmpfilesTool, CommandLineMistakesAndTheHelp) {
  const std::string longName(256, 'r'), unknown = "The option -";
  const std::string tooLong =
      Mistake("-o \"" + longName + "\"",
              "The value \"" + longName + "\" has 256 characters; it must have from 1 to 255.",
              kReportUsage);
  const std::string missing = Mistake("-f", "The option -f must be given.");
  std::vector<CmpfilesRun> runs = {
      // Unknown options, prefixes and other cases, even while -f still wants files.
      {{"-f", "settings-a.conf", "settings-b.conf", "-x"},
       Mistake("-x", unknown + "x is unknown.")},
      {{"-F", "settings-a.conf"}, Mistake("-F", unknown + "F is unknown.")},
      {{"-hel"}, Mistake("-hel", unknown + "hel is unknown.")},
      {{"-HELP"}, Mistake("-HELP", unknown + "HELP is unknown.")},
      {{"-f", "-z"}, Mistake("-z", unknown + "z is unknown.")},
      // Missing and miscounted values.
      {{}, missing},
      {{"-q"}, missing},
      {{"-f", "settings-a.conf"}, Mistake("-f", "The option -f needs at least 2 values.")},
      {{"-f", "a", "b", "-o"}, Mistake("-o", "The option -o needs a value.")},
      {{"-f", "a", "b", "-o", "r1", "r2"},
       Mistake("-o \"r2\"", "The option -o takes only one value.")},
      // Stray arguments.
      {{"-"}, Mistake("\"-\"", "cmpfiles takes no argument here.")},
      {{"a.conf", "-f"}, Mistake("\"a.conf\"", "cmpfiles takes no argument here.")},
      {{"-f", "a", "b", "-q", "c"}, Mistake("-q \"c\"", "-q takes no argument here.")},
      // The report name is length checked, before the help manager: -h does not hide it.
      {{"-o", "", "-f", "a", "b"},
       Mistake("-o \"\"", "The value \"\" has 0 characters; it must have from 1 to 255.",
               kReportUsage)},
      {{"-f", "a", "b", "-o", longName}, tooLong},
      {{"-h", "-o", longName}, tooLong},
  };
  // -f is missing and -q is given twice: the help is the answer all the same.
  for (const char* name : {"-h", "-help", "-?"})
    runs.push_back({{"-q", name, "-q"}, Outcome(0, std::string(kHelp) + "\n\n", "")});
  ExpectRuns(runs);
}

#else

TEST(CmpfilesTool, NotBuilt) {
  GTEST_SKIP() << "the example tools are not built (ORV_BUILD_EXAMPLES=OFF)";
}

#endif
