// first - the smallest program on ORVBasic: the one "Getting started" builds.
//
//   first <file>...
//
// Shows the size of every file named, and for a file that cannot be read the error, as
// a tool of the suite does. Exit status 0, or 2 when an error was shown or the
// standard output could not be written.
#include <cstdio>

#include "ORVErrorMngr.h"
#include "ORVFileUtilities.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplay.h"
#include "ORVString.h"
#include "ORVUtilities.h"
#include "ORVVector.h"

namespace {

// A failure is a result code (0 is success) whose error record the library keeps.
long FileSize(const ORVString& iName, long& oSize) {
  FILE* file = nullptr;
  long code = ORVFileUtilities::FileOpen(iName, "rb", file);
  if (code != 0) return code;
  code = ORVFileUtilities::FileSeek(file, 0, SEEK_END, iName);
  if (code == 0) code = ORVFileUtilities::FileTell(file, oSize, iName);
  long closed = ORVFileUtilities::FileClose(file, iName);
  return code != 0 ? code : closed;
}

}  // namespace

int main(int argc, char** argv) {
  // First of all: the library's globals register with the cleaner, which releases them.
  ORVGlobalObjectCleaner cleaner;
  // Messages on standard output, errors on standard error.
  ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
  ORVErrorMngr errors;

  // Containers hold plain pointers; this one deletes its elements when it goes.
  ORVVector names(ORVDestroyElementsAtDelete);
  for (int index = 1; index < argc; ++index)
    names.Append(new ORVString(argv[index]));

  for (int index = 0; index < names.Size(); ++index) {
    const ORVString& name = *static_cast<ORVString*>(names[index]);
    long size = 0;
    long code = FileSize(name, size);
    if (code != 0) {
      errors.DisplayAndKeepError(code, 1);  // request, "#ERR#" line and advice on stderr
      continue;
    }
    ORVString line(name);
    line += ": ";
    line += size;
    line += " bytes";
    ORVMessageDisplay::GetGlobal()->Display(line.GetChars(), 1);
  }
  // A lost answer (a full disk) shows only as the stream's state: never exit 0 then.
  if (fflush(stdout) != 0 || ferror(stdout)) return 2;
  return errors.ReturnSuccessOrError() == 0 ? 0 : 2;
}
