// The text-file line iterator against arbitrary file contents. The first byte chooses
// the mode: growable, or a fixed maximum length of 0 to 30 (lengths down to 1 met
// often), with lines counted or not. The lines read must be the lines of the content
// (split at newlines, a carriage return before a newline dropped, shown up to a NUL,
// an empty one DbNull); in fixed mode exactly the overlong lines must fail, with
// PEV_E_FAIL, and the next call must go on with the next line. The line number and the
// growable buffer's length must end as the content says.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ORVExtChars.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVVolatileOneWayIteratorForTextFile.h"
#include "PEVError.h"

namespace {

const int kGrowableStart = 2040;

void Check(bool iHolds) {
  if (!iHolds) __builtin_trap();
}

ORVNLSMsgBldrRfHndlr gContext;

struct Line {
  std::string raw;  // without its newline
  bool terminated;
};

std::vector<Line> SplitLines(const std::string& iContent) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < iContent.size()) {
    size_t end = iContent.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back({iContent.substr(start), false});
      break;
    }
    lines.push_back({iContent.substr(start, end - start), true});
    start = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  new ORVGlobalObjectCleaner;  // lives as long as the process
  gContext.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString("Reading content", "FUZZ", "READ"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  int mode = iData[0];
  // 31: growable, 30: 0 (only empty lines), 0 to 7: 1 to 8, else the value itself.
  int low = mode & 0x1f;
  int maxLength = low == 31 ? -1 : low == 30 ? 0 : low < 8 ? low + 1 : low;
  int lineNumber = (mode & 0x20) ? -1 : (mode >> 6);
  std::string content(reinterpret_cast<const char*>(iData) + 1, iSize - 1);
  FILE* file = content.empty() ? fopen("/dev/null", "r")
                               : fmemopen(const_cast<char*>(content.data()), content.size(), "r");
  if (!file) abort();
  std::vector<Line> lines = SplitLines(content);
  int expectedLength = maxLength < 0 ? kGrowableStart : maxLength;
  {
    ORVVolatileOneWayIteratorForTextFile iterator("content", file, lineNumber, maxLength, gContext);
    for (const Line& line : lines) {
      std::string text = line.raw;
      if (line.terminated && !text.empty() && text.back() == '\r') text.pop_back();
      bool tooLong = maxLength >= 0 && static_cast<int>(text.size()) > maxLength;
      if (maxLength < 0)
        while (static_cast<int>(line.raw.size()) >= expectedLength)
          expectedLength *= 2;
      const PEVBaseUnknown* read = nullptr;
      long code = iterator.Next(read);
      if (tooLong) {
        Check(code == PEV_E_FAIL && read == nullptr);
        PEVError::PEVCleanLastError();
        continue;
      }
      Check(code == 0 && read != nullptr);
      const auto* chars = ORVCheckedCast<ORVExtChars>(read);
      text = text.substr(0, text.find('\0'));
      if (text.empty())
        Check(chars->IsDbNull() != 0);
      else
        Check(!chars->IsDbNull() && text == chars->GetChars());
    }
    const PEVBaseUnknown* end = &iterator;
    Check(iterator.Next(end) == 0 && end == nullptr);
    Check(iterator.GetLineNumber() ==
          (lineNumber < 0 ? lineNumber : lineNumber + static_cast<int>(lines.size())));
    Check(iterator.GetMaxLength() == expectedLength);
  }
  fclose(file);
  PEVError::PEVCleanLastError();
  return 0;
}
