#include "ORVErrorDisplayToTerm.h"

#include "ORVErrorDisplayText.h"
#include "PEVError.h"

ORV_META_OBJECT_DEFINE(ORVErrorDisplayToTerm, ORVErrorDisplay)

namespace {

const char* OrDots(const char* iText) {
  return iText && *iText ? iText : "...";
}

}  // namespace

void ORVErrorDisplayToTerm::BuildMsgTxt(PEVError& iError, PEVUnicodeString& oText) {
  ORVBuildErrorDisplayText(iError, oText);
}

void ORVBuildErrorDisplayText(PEVError& iError, PEVUnicodeString& oText) {
  oText = iError.GetNLSRequest();
  if (!oText.IsEmpty()) oText += "\n";
  const char* catalog = OrDots(iError.GetMsgCatalog());
  const char* msgId = OrDots(iError.GetMsgId());

  PEVErrorType type = iError.GetInformationOnErrorType();
  bool marked =
      type == PEVErrorTypeCritical || type == PEVErrorTypeFatal || type == PEVErrorTypeWarning;
  if (type == PEVErrorTypeWarning) oText += "!WNG! ";
  if (type == PEVErrorTypeCritical || type == PEVErrorTypeFatal) oText += "#ERR# ";
  if (type == PEVErrorTypeFatal) oText += "FATAL ERROR ";
  if (marked) {
    oText += catalog;
    oText += " - ";
    oText += msgId;
  }
  if (type == PEVErrorTypeFatal) {
    char* file = nullptr;
    if (iError.GetSourceFileName(&file) != PEV_S_OK) file = nullptr;
    PEVUnicodeString line;
    line.BuildFromNum(iError.GetSourceLineNumber(), "%d");
    oText += " IN ";
    oText += file;
    oText += " AT LINE ";
    oText += line;
  }

  PEVUnicodeString diagnostic = iError.GetNLSDiagnostic();
  if (!diagnostic.IsEmpty()) {
    if (marked) oText += ": ";
    oText += diagnostic;
    oText += "\n";
  } else if (marked) {
    oText += "\n";
  }
  PEVUnicodeString advice = iError.GetNLSAdvice();
  if (!advice.IsEmpty()) {
    oText += advice;
    oText += "\n";
  }
  oText += "\n";
}
