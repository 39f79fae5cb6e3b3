// cmpfiles - compares files by content, as a tool of the suite is written.
//
//   cmpfiles -f <file> <file> [<file>...] [-o <report>] [-q] [-h|-help|-?]
//
// Exit status 0 when all the files have the same bytes, 1 when they differ, 2 on an
// error (a user mistake on the command line, a directory or a file that cannot be
// read, a report or a standard output that cannot be written). The help exits with 0.
// Every text comes from the tool's catalog CMPFILES or from the library's catalogs;
// errors go through an ORVErrorMngr to the terminal error display (standard error),
// answers to the global message display (standard output) or to the report file.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ExampleTool.h"
#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnHelpMngr.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVCmdLnOptOneArgLengthMngr.h"
#include "ORVError.h"
#include "ORVErrorMngr.h"
#include "ORVFileUtilities.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplay.h"
#include "ORVMessageDisplayToAsciiFile.h"
#include "ORVOFStream.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVString.h"
#include "ORVUtilities.h"
#include "ORVVector.h"

namespace {

// The tool's catalog and its keys (catalogs/en/CMPFILES.msg).
constexpr char kCatalog[] = "CMPFILES";
constexpr char kShortUsageKey[] = "0001";
constexpr char kFilesUsageKey[] = "0002";
constexpr char kReportUsageKey[] = "0003";
constexpr char kQuietUsageKey[] = "0004";
constexpr char kExplainedUsageKey[] = "0005";
constexpr char kSameKey[] = "0010";
constexpr char kDifferentKey[] = "0011";
constexpr char kCompareRequestKey[] = "0012";
constexpr char kReportRequestKey[] = "0013";
constexpr char kDirectoryKey[] = "0014";
constexpr char kDirectoryAdviceKey[] = "0015";
constexpr char kStandardOutputRequestKey[] = "0016";
constexpr char kStandardOutputKey[] = "0017";

constexpr int kReportNameMaximum = 255;

enum ExitStatus { kSame = 0, kDifferent = 1, kError = 2 };

// A new builder of the tool's message iKey with iParameters.
template <typename... Parameters>
ORVParamNLSMsgBldrCtlgRfHndlr Message(const char* iKey, const Parameters&... iParameters) {
  return ToolMessage(kCatalog, iKey, iParameters...);
}

// The file names, each in double quotes, separated by blanks.
PEVUnicodeString FileList(const ORVVector& iFiles) {
  PEVUnicodeString list;
  for (int index = 0; index < iFiles.Size(); ++index)
    ORVCmdLnOpt::ConcatArgumentForMsg(list, static_cast<ORVString*>(iFiles[index])->GetChars());
  return list;
}

// A critical failure of the tool's own finding, as the library makes its failures: no
// request (the caller gives it), a diagnostic and an advice.
long ToolFailure(const ORVNLSMsgBldrRfHndlr& iDiagnostic, const ORVNLSMsgBldrRfHndlr& iAdvice) {
  ORVError* error = new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), iDiagnostic, iAdvice,
                                 PEVErrorTypeCritical, PEV_E_FAIL);
  return PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
}

// Refuses a directory among iFiles before anything is compared: its size says nothing
// of its contents. A file that does not exist is left to the comparison to report.
long CheckNoDirectory(const ORVVector& iFiles) {
  for (int index = 0; index < iFiles.Size(); ++index) {
    const ORVString& name = *static_cast<ORVString*>(iFiles[index]);
    unsigned int exists = 0, isLink = 0, isDirectory = 0;
    long code = ORVFileUtilities::ElementType(name, exists, isLink, isDirectory);
    if (code != 0) return code;
    if (exists && isDirectory)
      return ToolFailure(Message(kDirectoryKey, name.GetChars()), Message(kDirectoryAdviceKey));
  }
  return 0;
}

// Shows the failure iCode with the request iRequest in place of the library's none.
int Fail(ORVErrorMngr& ioErrors, long iCode, const ORVNLSMsgBldrRfHndlr& iRequest) {
  ORVError::ReplaceLastErrorRequest(iCode, iRequest);
  ioErrors.DisplayAndKeepError(iCode, 1);
  return kError;
}

// Writes iAnswer as the only line of the file iReport.
long WriteReport(const ORVString& iReport, const PEVUnicodeString& iAnswer) {
  ORVMessageDisplayToAsciiFile report(iReport);
  long code = report.OpenFile();
  if (code != 0) return code;
  report.Display(iAnswer, 1);
  return report.CloseFile();
}

int Run(int iArgc, char** iArgv, ORVErrorMngr& ioErrors) {
  ORVParamNLSMsgBldrCtlgRfHndlr shortUsage = Message(kShortUsageKey);
  ORVCmdLnAnalyzer analyzer("cmpfiles", shortUsage);
  ORVVector files(ORVDestroyElementsAtDelete);
  ORVString report;
  ORVCmdLnOptMultiArg filesOption(analyzer, "-f", ORVCmdLnOptMandatory, Message(kFilesUsageKey),
                                  files, 2, -1, 0);
  ORVCmdLnOptOneArg reportOption(analyzer, "-o", ORVCmdLnOptOptional, Message(kReportUsageKey),
                                 report, 1);
  ORVCmdLnOptNoArg quietOption(analyzer, "-q", ORVCmdLnOptOptional, Message(kQuietUsageKey));
  // Before the help: a report name out of bounds is reported even with -h.
  ORVCmdLnOptOneArgLengthMngr reportLength(analyzer, reportOption, 1, kReportNameMaximum);
  ORVCmdLnHelpMngr help(analyzer, shortUsage.Get(), Message(kExplainedUsageKey));

  int status = 0;
  if (!AnalyzeToolCommandLine(analyzer, iArgc, iArgv, ioErrors, kSame, kError, status))
    return status;

  unsigned int same = 0;
  long code = CheckNoDirectory(files);
  if (code == 0) code = ORVFileUtilities::CompareFileContents(files, same);
  if (code != 0) return Fail(ioErrors, code, Message(kCompareRequestKey, FileList(files)));
  PEVUnicodeString answer = Message(same ? kSameKey : kDifferentKey, FileList(files))->Build();
  if (reportOption.ArgumentIsAdded()) {
    code = WriteReport(report, answer);
    if (code != 0) return Fail(ioErrors, code, Message(kReportRequestKey, report.GetChars()));
  } else if (!quietOption.IsDefined()) {
    ORVMessageDisplay::GetGlobal()->Display(answer, 1);
  }
  return same ? kSame : kDifferent;
}

// Checks that everything written on standard output reached it: a full disk or a
// closed pipe shows only as the stream's error flag or at the last flush, and some file
// systems report at close. The descriptor is closed, not the stream: ORVStdout borrows
// stdout until the process ends and flushes it then.
int FinishStandardOutput(ORVErrorMngr& ioErrors, int iStatus) {
  errno = 0;
  bool failed = fflush(stdout) != 0 || ferror(stdout);
  int error = errno != 0 ? errno : ORVStdout.GetErrno();
  if (!failed && close(STDOUT_FILENO) != 0 && errno != EBADF) {
    failed = true;
    error = errno;
  }
  if (!failed) return iStatus;
  long code = ToolFailure(Message(kStandardOutputKey, strerror(error != 0 ? error : EIO)),
                          ORVNLSMsgBldrRfHndlr());
  return Fail(ioErrors, code, Message(kStandardOutputRequestKey));
}

}  // namespace

int main(int argc, char** argv) {
  ORVGlobalObjectCleaner cleaner;
  ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
  ORVErrorMngr errors;
  return FinishStandardOutput(errors, Run(argc, argv, errors));
}
