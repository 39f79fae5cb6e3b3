#include "TextFileTestSupport.h"

#include "ErrorRecord.h"
#include "ORVError.h"
#include "ORVExtChars.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVVolatileOneWayIteratorForTextFile.h"

std::vector<std::string> ReadAllLines(ORVVolatileOneWayIteratorForTextFile& ioIterator,
                                      int iMaxCalls) {
  std::vector<std::string> lines;
  for (int call = 0; call < iMaxCalls; ++call) {
    const PEVBaseUnknown* line = reinterpret_cast<const PEVBaseUnknown*>(&lines);
    long code = ioIterator.Next(line);
    if (code != 0) {
      PEVError* last = PEVError::PEVGetLastError(code, nullptr);
      std::string text = "<no error record>";
      if (last) {
        text = DescribeMessage(ORVCheckedCast<ORVError>(last)->GetHDiagnosticBldr());
        last->Release();
      }
      lines.push_back("<" + text + ">" + (line ? " with a line" : ""));
      continue;
    }
    if (!line) return lines;
    const auto* chars = ORVCheckedCast<ORVExtChars>(line);
    lines.push_back(chars->IsDbNull() ? "<DbNull>" : chars->GetChars());
  }
  lines.push_back("<more>");
  return lines;
}

ORVNLSMsgBldrRfHndlr MakeReadingContext(const std::string& iFileName) {
  ORVNLSMsgBldrRfHndlr context;
  context.Set(ORVRfHndlrAdopt,
              new ORVNLSMsgBldrFromString(("Reading " + iFileName).c_str(), "TEST", "READ"));
  return context;
}
