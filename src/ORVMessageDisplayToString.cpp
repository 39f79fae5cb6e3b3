#include "ORVMessageDisplayToString.h"

ORV_META_OBJECT_DEFINE(ORVMessageDisplayToString, ORVMessageDisplay)

void ORVMessageDisplayToString::Display(const PEVUnicodeString& iText, unsigned int iNewLine) {
  _Message += iText;
  if (iNewLine) _Message += "\n";
}

long ORVMessageDisplayToString::GetDisplayError(PEVError*& oError, unsigned int) {
  oError = nullptr;
  return 0;
}

PEVUnicodeString ORVMessageDisplayToString::GetMessage() {
  return _Message;
}

void ORVMessageDisplayToString::Clear() {
  _Message = PEVUnicodeString();
}
