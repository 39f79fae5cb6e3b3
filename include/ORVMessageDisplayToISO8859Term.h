// ORVMessageDisplayToISO8859Term.h - messages written to standard output as 8-bit text.
//
// The text goes to ORVStdout converted by the platform string (UTF-8); a new line ends
// it with endl, otherwise the stream is flushed. Never keeps an error.
#pragma once

#include "ORVMessageDisplayToTerm.h"

class ORV_EXPORT ORVMessageDisplayToISO8859Term : public ORVMessageDisplayToTerm {
  ORV_META_OBJECT(ORVMessageDisplayToISO8859Term)

public:
  void Display(const PEVUnicodeString& iText, unsigned int iNewLine) override;
  // Null error, 0.
  long GetDisplayError(PEVError*& oError, unsigned int iForget) override;
};
