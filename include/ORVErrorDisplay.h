// ORVErrorDisplay.h - where errors are shown to the user.
//
// The global error display is process-wide and has no default: a client installs one
// (a terminal or a Java display) with SetGlobal; GetGlobal without one is a fatal
// internal error. SetGlobal neither releases the previous display nor registers the new
// one; a destroyed display stops being the global one.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class PEVError;

class ORV_EXPORT ORVErrorDisplay : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVErrorDisplay)

public:
  ~ORVErrorDisplay() override;

  virtual void Display(PEVError& iError) = 0;
  // Displays the error behind iCode, if any, then forgets the last error in every case.
  virtual void DisplayAndCleanLastError(long iCode);

  static ORVErrorDisplay* GetGlobal();
  static void SetGlobal(ORVErrorDisplay& iDisplay);

private:
  static ORVErrorDisplay* _pGlobalErrorDisplay;
};
