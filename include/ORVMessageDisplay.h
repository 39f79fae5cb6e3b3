// ORVMessageDisplay.h - where finished national-language texts are sent.
//
// The global message display is process-wide and has no default: a client installs
// one (terminal, Java) with SetGlobal; GetGlobal without one is a fatal internal error.
// SetGlobal neither releases the previous display nor registers the new one; a
// destroyed display stops being the global one. A display that cannot write keeps the
// error it met for GetDisplayError.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "PEVUnicodeString.h"

class PEVError;

class ORV_EXPORT ORVMessageDisplay : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVMessageDisplay)

public:
  ~ORVMessageDisplay() override;

  // Shows iText; a non-zero iNewLine ends the line after it.
  virtual void Display(const PEVUnicodeString& iText, unsigned int iNewLine) = 0;
  // The error a previous Display met, with a reference for the caller, or null; a
  // non-zero iForget makes the display forget it. Returns 0 when there is nothing else
  // to report.
  virtual long GetDisplayError(PEVError*& oError, unsigned int iForget) = 0;

  static ORVMessageDisplay* GetGlobal();
  static void SetGlobal(ORVMessageDisplay& iDisplay);

private:
  static ORVMessageDisplay* _pGlobalMessageDisplay;
};
