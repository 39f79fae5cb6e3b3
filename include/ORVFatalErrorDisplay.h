// ORVFatalErrorDisplay.h - where fatal internal errors are reported.
//
// A fatal report is written into the global display's output stream, then the
// display shows it and the process ends. The global display is process-wide: the
// first GetGlobal makes a terminal display and registers it with the global object
// cleaner, which releases it at the end; a display set with SetGlobal is registered
// by whoever made it. A destroyed display stops being the global one.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORVOFStream;

class ORV_EXPORT ORVFatalErrorDisplay : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVFatalErrorDisplay)

public:
  ~ORVFatalErrorDisplay() override;

  // The stream the report is written into.
  virtual ORVOFStream& GetOutputStream() = 0;
  // Shows what was written; called once, after the whole report.
  virtual void Display() = 0;

  static ORVFatalErrorDisplay* GetGlobal();
  // Replaces the global display; neither releases the previous one nor registers this one.
  static void SetGlobal(ORVFatalErrorDisplay& iDisplay);

private:
  static ORVFatalErrorDisplay* _pFatalErrorDisplay;
};
