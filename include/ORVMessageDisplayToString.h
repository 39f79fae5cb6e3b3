// ORVMessageDisplayToString.h - a display that collects the texts in one string.
#pragma once

#include "ORVMessageDisplay.h"

class ORV_EXPORT ORVMessageDisplayToString : public ORVMessageDisplay {
  ORV_META_OBJECT(ORVMessageDisplayToString)

public:
  // Appends iText, and "\n" when iNewLine is not 0.
  void Display(const PEVUnicodeString& iText, unsigned int iNewLine) override;
  // Null error, 0.
  long GetDisplayError(PEVError*& oError, unsigned int iForget) override;

  // A copy of what was collected.
  virtual PEVUnicodeString GetMessage();
  virtual void Clear();

private:
  PEVUnicodeString _Message;
};
