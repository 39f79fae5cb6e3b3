#include "ORVErrorDisplayToISO8859Term.h"

#include "ORVOFStream.h"
#include "PEVError.h"

ORV_META_OBJECT_DEFINE(ORVErrorDisplayToISO8859Term, ORVErrorDisplayToTerm)

void ORVErrorDisplayToISO8859Term::Display(PEVError& iError) {
  PEVUnicodeString text;
  BuildMsgTxt(iError, text);
  PEVString characters = text.ConvertToChar();
  PEVErrorType type = iError.GetInformationOnErrorType();
  bool severe = type == PEVErrorTypeCritical || type == PEVErrorTypeFatal;
  ORVOFStream& stream = severe ? ORVStderr : ORVStdout;
  stream.Write(characters.GetChars(), (unsigned int)characters.GetLength());  // and flushes
}
