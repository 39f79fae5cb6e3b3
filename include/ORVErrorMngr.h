// ORVErrorMngr.h - displays errors as they come and keeps the most severe as main error.
//
// Every display goes to the global error display and ends by forgetting the last
// error. The main error is held with one reference. Severity ranks fatal (2) above
// critical (1) above warning (3) above information (4); any other type ranks as
// information. When asked to compare, the first error of the highest rank stays main.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class PEVError;

class ORV_EXPORT ORVErrorMngr : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVErrorMngr)

public:
  ORVErrorMngr() = default;
  ~ORVErrorMngr() override;
  ORVErrorMngr(const ORVErrorMngr&) = delete;
  ORVErrorMngr& operator=(const ORVErrorMngr&) = delete;

  // A code of 0 only forgets the last error.
  virtual void DisplayAndKeepError(long iCode, unsigned int iOnlyIfMoreSevere);
  virtual void DisplayAndKeepError(PEVError& iError, unsigned int iOnlyIfMoreSevere);
  // Displays without touching the main error.
  virtual void DisplayAndForgetError(long iCode);
  virtual void DisplayAndForgetError(PEVError& iError);
  // The failure code carrying the main error (made the last error), or 0 without one.
  virtual long ReturnSuccessOrError() const;
  virtual long SetMainError(PEVError* iError);
  // The main error with a reference for the caller, or null; returns 0.
  virtual long GetMainError(PEVError*& oError) const;
  virtual long GetMainErrorReturnCode() const;
  // Displays iError; it becomes main when there is none, when iOnlyIfMoreSevere is 0,
  // or when it ranks above the main error.
  virtual void DisplayAndChangeMainError(PEVError& iError, unsigned int iOnlyIfMoreSevere);

private:
  PEVError* _pMainError = nullptr;
};
