// ORVErrorDisplayToSwing.h - errors sent to the Java front end.
//
// The text is the one a terminal shows (markers included), sent as UTF-16 to the Java
// static method of the error's type: DisplayCriticalError, DisplayFatalError,
// DisplayWarningError or DisplayInformationError (any other type). No JNI environment,
// or a Java class or method missing, is a fatal internal error. An exception the Java
// method throws is described on standard error and cleared.
#pragma once

#include "ORVErrorDisplay.h"
#include "PEVUnicodeString.h"

class ORV_EXPORT ORVErrorDisplayToSwing : public ORVErrorDisplay {
  ORV_META_OBJECT(ORVErrorDisplayToSwing)

public:
  void Display(PEVError& iError) override;
  // As ORVErrorDisplayToTerm::BuildMsgTxt.
  virtual void BuildMsgTxt(PEVError& iError, PEVUnicodeString& oText);
};
