// Command-line analysis against arbitrary argument arrays: the input, cut at its NULs, is
// the array (each argument in a buffer of exactly its size), analysed by a command with
// every option kind, both length managers, the help manager and a converter. An analysis
// must succeed with values that respect the declarations, or give the help report (1)
// or PEV_E_FAIL, each with an error whose text builds completely from the catalogs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnHelpMngr.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnOptMultiArgElementLengthMngr.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVCmdLnOptOneArgConvToStringAndInt.h"
#include "ORVCmdLnOptOneArgLengthMngr.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVString.h"
#include "ORVVector.h"
#include "PEVError.h"

namespace {

const int kMaxArguments = 64;

void Check(bool iHolds) {
  if (!iHolds) __builtin_trap();
}

ORVParamNLSMsgBldrCtlgRfHndlr Message(const char* iKey) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg("CMDLNTEST", iKey, nullptr));
  return builder;
}

// A command declaring every option kind: operands, a switch, bounded, mandatory and
// converted values, a counted list with element lengths and a list taking the rest.
struct Command {
  ORVParamNLSMsgBldrCtlgRfHndlr _Usage = Message("USAGEHELP");
  ORVCmdLnAnalyzer _Analyzer{"mk", _Usage};
  ORVVector _Files{ORVDestroyElementsAtDelete};
  ORVVector _Values{ORVDestroyElementsAtDelete};
  ORVVector _Rest{ORVDestroyElementsAtDelete};
  ORVString _Bounded;
  ORVString _Mandatory;
  ORVString _Pair;
  ORVCmdLnOptMultiArg _Operands{_Analyzer, "", ORVCmdLnOptOptional, Message("NAME"), _Files, 0,
                                3,         0};
  ORVCmdLnOptNoArg _Switch{_Analyzer, "-a", ORVCmdLnOptOptional, Message("QUIET")};
  ORVCmdLnOptOneArg _BoundedOption{_Analyzer,       "-b",     ORVCmdLnOptOptional,
                                   Message("NAME"), _Bounded, 1};
  ORVCmdLnOptMultiArg _ValuesOption{
      _Analyzer, "-c", ORVCmdLnOptOptional, Message("NAME"), _Values, 2, 4, 0};
  ORVCmdLnOptMultiArg _RestOption{_Analyzer, "-l", ORVCmdLnOptOptional, Message("NAME"), _Rest, 0,
                                  -1,        1};
  ORVCmdLnOptOneArg _MandatoryOption{_Analyzer,       "-m",       ORVCmdLnOptMandatory,
                                     Message("NAME"), _Mandatory, 0};
  ORVCmdLnOptOneArg _PairOption{_Analyzer, "-p", ORVCmdLnOptOptional, Message("NAME"), _Pair, 1};
  ORVCmdLnOptOneArgLengthMngr _BoundedLength{_Analyzer, _BoundedOption, 2, 5};
  ORVCmdLnOptMultiArgElementLengthMngr _ValuesLength{_Analyzer, _ValuesOption, 1, 3};
  ORVCmdLnHelpMngr _Help{_Analyzer, _Usage.Get(), Message("EXPLAINED")};
  ORVCmdLnOptOneArgConvToStringAndInt _Converter{_PairOption};
};

// The whole text of the last error of iCode, of the given type. Unless the arguments
// hold the marks themselves, it must not show the marks of a missing message or
// parameter.
std::string CheckError(long iCode, PEVErrorType iType, bool iMarksGiven) {
  PEVError* error = PEVError::PEVGetLastError(iCode, nullptr);
  Check(error != nullptr);
  Check(error->GetInformationOnErrorType() == iType);
  Check(error->IsAKindOf(ORVError::ClassName()) != 0);
  PEVUnicodeString text;
  ORVErrorDisplayToISO8859Term display;
  display.BuildMsgTxt(*error, text);
  error->Release();
  std::string shown = text.ConvertToChar().GetChars();
  if (!iMarksGiven &&
      (shown.find("!!!") != std::string::npos || shown.find("???") != std::string::npos)) {
    fprintf(stderr, "Incomplete error text:\n%s\n", shown.c_str());
    __builtin_trap();
  }
  return shown;
}

void CheckLength(const ORVVector& iStrings, int iLeast, int iMost) {
  for (int index = 0; index < iStrings.Size(); ++index) {
    int length = ORVCheckedCast<ORVString>(iStrings[index])->GetLength();
    Check(length >= iLeast && length <= iMost);
  }
}

void CheckSuccess(Command& ioCommand, bool iMarksGiven) {
  Check(ioCommand._MandatoryOption.IsDefined() != 0);
  Check(!ioCommand._Help.GetHelpOpt().IsDefined());
  Check(ioCommand._Files.Size() <= 3);
  if (ioCommand._ValuesOption.IsDefined()) {
    Check(ioCommand._Values.Size() >= 2 && ioCommand._Values.Size() <= 4);
    CheckLength(ioCommand._Values, 1, 3);
  }
  if (ioCommand._BoundedOption.ArgumentIsAdded())
    Check(ioCommand._Bounded.GetLength() >= 2 && ioCommand._Bounded.GetLength() <= 5);
  if (ioCommand._PairOption.ArgumentIsAdded()) {
    ORVString text;
    int number = 0;
    long converted = ioCommand._Converter.Convert(':', text, number);
    if (converted != 0) {
      Check(converted == PEV_E_FAIL);
      CheckError(converted, PEVErrorTypeCritical, iMarksGiven);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The test catalog first, then the library's beside it.
  setenv("PEV_CATALOG_PATH", ORV_FUZZ_CATALOG_DIR, 1);
  new ORVGlobalObjectCleaner;  // lives as long as the process
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  const char* bytes = reinterpret_cast<const char*>(iData);
  std::vector<std::unique_ptr<char[]>> storage;
  std::vector<const char*> arguments;
  bool marks = false;
  for (size_t start = 0; start < iSize && arguments.size() < kMaxArguments;) {
    size_t length = strnlen(bytes + start, iSize - start);
    storage.emplace_back(new char[length + 1]);
    memcpy(storage.back().get(), bytes + start, length);
    storage.back()[length] = '\0';
    arguments.push_back(storage.back().get());
    marks = marks || strpbrk(arguments.back(), "!?") != nullptr;
    start += length + 1;
  }
  {
    Command command;
    long code = command._Analyzer.Analyze(arguments.data(), static_cast<int>(arguments.size()));
    if (code == 0) {
      CheckSuccess(command, marks);
    } else if (code == 1) {
      Check(command._Help.GetHelpOpt().IsDefined() != 0);
      std::string text = CheckError(code, PEVErrorTypeInformation, marks);
      Check(text.rfind("Usage: mk", 0) == 0);
    } else {
      Check(code == PEV_E_FAIL);
      std::string text = CheckError(code, PEVErrorTypeCritical, marks);
      Check(text.rfind("Incorrect command line: mk", 0) == 0);
    }
  }
  PEVError::PEVCleanLastError();
  return 0;
}
