#include "ORVMessageDisplayToISO8859Term.h"

#include "ORVOFStream.h"

ORV_META_OBJECT_DEFINE(ORVMessageDisplayToISO8859Term, ORVMessageDisplayToTerm)

void ORVMessageDisplayToISO8859Term::Display(const PEVUnicodeString& iText, unsigned int iNewLine) {
  PEVString characters = iText.ConvertToChar();
  ORVStdout.Write(characters.GetChars(), (unsigned int)characters.GetLength());
  if (iNewLine) ORVStdout << endl;
}

long ORVMessageDisplayToISO8859Term::GetDisplayError(PEVError*& oError, unsigned int) {
  oError = nullptr;
  return 0;
}
