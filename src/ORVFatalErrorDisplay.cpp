#include "ORVFatalErrorDisplay.h"

#include <climits>

#include "ORVExit.h"
#include "ORVFatal.h"
#include "ORVFatalErrorDisplayToTerm.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVFatalErrorDisplay, PEVBaseUnknown)

ORVFatalErrorDisplay* ORVFatalErrorDisplay::_pFatalErrorDisplay = nullptr;

ORVFatalErrorDisplay::~ORVFatalErrorDisplay() {
  ORVForgetGlobal(_pFatalErrorDisplay, this);
}

ORVFatalErrorDisplay* ORVFatalErrorDisplay::GetGlobal() {
  return ORVMakeGlobal<ORVFatalErrorDisplayToTerm>(_pFatalErrorDisplay);
}

void ORVFatalErrorDisplay::SetGlobal(ORVFatalErrorDisplay& iDisplay) {
  _pFatalErrorDisplay = &iDisplay;
}

namespace {

enum ReportState { NoReport, DisplayedReport, DirectReport };
ReportState reportState = NoReport;

// The stream of a report made while another one is under way: standard error itself,
// whatever became of the displays and of ORVStderr.
ORVOFStream& DirectStream() {
  static ORVOFStream* stream = new ORVOFStream(stderr);
  return *stream;
}

}  // namespace

ORVOFStream& ORVFatalReportBegin() {
  ORVOFStream* stream;
  if (reportState != NoReport) {
    reportState = DirectReport;
    stream = &DirectStream();
  } else {
    reportState = DisplayedReport;
    stream = &ORVFatalErrorDisplay::GetGlobal()->GetOutputStream();
  }
  *stream << "#ERR# "
          << "Fatal internal error: '";
  return *stream;
}

void ORVFatalReportEnd(ORVOFStream& ioStream, const char* iFile, int iLine) {
  ioStream << "' on file: " << iFile << " at line: " << iLine << endl
           << "Contact your administrator" << endl;
  if (reportState == DisplayedReport) ORVFatalErrorDisplay::GetGlobal()->Display();
  ORVExit(-1);
}

int ORVCheckedSize(long long iSize, const char* iWhat, const char* iFile, int iLine) {
  if (iSize >= 0 && iSize <= INT_MAX) return (int)iSize;
  ORVOFStream& stream = ORVFatalReportBegin();
  stream << iWhat << ": size overflow";
  ORVFatalReportEnd(stream, iFile, iLine);
}
