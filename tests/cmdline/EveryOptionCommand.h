// EveryOptionCommand.h - the command of the randomized command-line test and of its
// fuzz target: every option kind, both length managers, the help manager and a
// converter, and the one check of an analysis's outcome against the declarations.
// Header-only: the fuzz target includes it without the test support.
#pragma once

#include <string>

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
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVString.h"
#include "ORVVector.h"
#include "PEVError.h"

// A new builder of the test catalog CMDLNTEST.
inline ORVParamNLSMsgBldrCtlgRfHndlr EveryOptionMessage(const char* iKey) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg("CMDLNTEST", iKey, nullptr));
  return builder;
}

// Operands, a switch, bounded, mandatory and converted values, a counted list with
// element lengths and a list taking the rest.
struct EveryOptionCommand {
  static ORVParamNLSMsgBldrCtlgRfHndlr Name() { return EveryOptionMessage("NAME"); }
  ORVParamNLSMsgBldrCtlgRfHndlr _Usage = EveryOptionMessage("USAGEHELP");
  ORVCmdLnAnalyzer _Analyzer{"mk", _Usage};
  ORVVector _Files{ORVDestroyElementsAtDelete}, _Values{ORVDestroyElementsAtDelete},
      _Rest{ORVDestroyElementsAtDelete};
  ORVString _Bounded, _Mandatory, _Pair;
  ORVCmdLnOptMultiArg _Operands{_Analyzer, "", ORVCmdLnOptOptional, Name(), _Files, 0, 3, 0};
  ORVCmdLnOptNoArg _Switch{_Analyzer, "-a", ORVCmdLnOptOptional, EveryOptionMessage("QUIET")};
  ORVCmdLnOptOneArg _BoundedOption{_Analyzer, "-b", ORVCmdLnOptOptional, Name(), _Bounded, 1};
  ORVCmdLnOptMultiArg _ValuesOption{_Analyzer, "-c", ORVCmdLnOptOptional, Name(), _Values, 2, 4, 0};
  ORVCmdLnOptMultiArg _RestOption{_Analyzer, "-l", ORVCmdLnOptOptional, Name(), _Rest, 0, -1, 1};
  ORVCmdLnOptOneArg _MandatoryOption{_Analyzer, "-m", ORVCmdLnOptMandatory, Name(), _Mandatory, 0};
  ORVCmdLnOptOneArg _PairOption{_Analyzer, "-p", ORVCmdLnOptOptional, Name(), _Pair, 1};
  ORVCmdLnOptOneArgLengthMngr _BoundedLength{_Analyzer, _BoundedOption, 2, 5};
  ORVCmdLnOptMultiArgElementLengthMngr _ValuesLength{_Analyzer, _ValuesOption, 1, 3};
  ORVCmdLnHelpMngr _Help{_Analyzer, _Usage.Get(), EveryOptionMessage("EXPLAINED")};
  ORVCmdLnOptOneArgConvToStringAndInt _Converter{_PairOption};

  void Reset() {
    _Analyzer.Reset();
    _Files.Destroy();
    _Values.Destroy();
    _Rest.Destroy();
  }
};

// What is wrong with the last error of iCode: it must be an ORVError of iType whose
// terminal text starts with iStart, holds iPart, and, unless the arguments hold the
// marks themselves, shows no mark of a missing message or parameter. Empty when right.
inline std::string EveryOptionErrorProblem(long iCode, PEVErrorType iType, const char* iStart,
                                           const char* iPart, bool iMarksGiven) {
  PEVError* error = PEVError::PEVGetLastError(iCode, nullptr);
  if (!error) return "no last error";
  bool right =
      error->GetInformationOnErrorType() == iType && error->IsAKindOf(ORVError::ClassName()) != 0;
  PEVUnicodeString text;
  ORVErrorDisplayToISO8859Term().BuildMsgTxt(*error, text);
  error->Release();
  std::string shown = text.ConvertToChar().GetChars();
  right = right && shown.rfind(iStart, 0) == 0 && shown.find(iPart) != std::string::npos;
  bool marks = shown.find("!!!") != std::string::npos || shown.find("???") != std::string::npos;
  return right && (iMarksGiven || !marks) ? std::string() : "wrong error: " + shown;
}

// What is wrong with an analysis that gave iCode: success with values within their
// declarations, the help report (1), or PEV_E_FAIL with the command line's error. Empty
// when right. The last error stays for the caller to clean.
inline std::string EveryOptionOutcomeProblem(EveryOptionCommand& ioCommand, long iCode,
                                             bool iMarksGiven) {
  EveryOptionCommand& c = ioCommand;
  if (iCode == 1 && !c._Help.GetHelpOpt().IsDefined()) return "help report without the help option";
  if (iCode == 1)
    return EveryOptionErrorProblem(iCode, PEVErrorTypeInformation,
                                   "Usage: mk -n <name> [-h|-help|-?]\n", "", iMarksGiven);
  if (iCode != 0 && iCode != PEV_E_FAIL) return "unexpected code " + std::to_string(iCode);
  if (iCode != 0)
    return EveryOptionErrorProblem(iCode, PEVErrorTypeCritical, "Incorrect command line: mk",
                                   "\n#ERR# ORVBC - 0013: ", iMarksGiven);
  if (!c._MandatoryOption.IsDefined()) return "success without the mandatory option";
  if (c._Help.GetHelpOpt().IsDefined()) return "success with the help option";
  if (c._Files.Size() > 3) return "too many operands";
  if (c._ValuesOption.IsDefined() && (c._Values.Size() < 2 || c._Values.Size() > 4))
    return "wrong count of -c values";
  for (int index = 0; c._ValuesOption.IsDefined() && index < c._Values.Size(); ++index) {
    int length = ORVCheckedCast<ORVString>(c._Values[index])->GetLength();
    if (length < 1 || length > 3) return "-c value of length " + std::to_string(length);
  }
  int bounded = c._Bounded.GetLength();
  if (c._BoundedOption.ArgumentIsAdded() && (bounded < 2 || bounded > 5))
    return "-b value of length " + std::to_string(bounded);
  ORVString text;
  int number = 0;
  long converted = c._PairOption.ArgumentIsAdded() ? c._Converter.Convert(':', text, number) : 0;
  if (converted == 0) return std::string();
  if (converted != PEV_E_FAIL) return "conversion code " + std::to_string(converted);
  return EveryOptionErrorProblem(converted, PEVErrorTypeCritical, "", "", iMarksGiven);
}
