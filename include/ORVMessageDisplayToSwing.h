// ORVMessageDisplayToSwing.h - messages sent to the Java front end.
//
// Each text is one call of the Java static method DisplayMessage(String), as UTF-16;
// the new-line flag is not passed on. No JNI environment, or a Java class or method
// missing, is a fatal internal error. An exception the Java method throws is described
// on standard error and cleared. Never keeps an error.
#pragma once

#include "ORVMessageDisplay.h"

class ORV_EXPORT ORVMessageDisplayToSwing : public ORVMessageDisplay {
  ORV_META_OBJECT(ORVMessageDisplayToSwing)

public:
  void Display(const PEVUnicodeString& iText, unsigned int iNewLine) override;
  // Null error, 0.
  long GetDisplayError(PEVError*& oError, unsigned int iForget) override;
};
