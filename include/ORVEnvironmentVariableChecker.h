// ORVEnvironmentVariableChecker.h - reports the required environment variables that are
// not set.
//
// Refers to the variables added (plain pointers, not owned: they must outlive the
// checker) and holds the advice builder it was given. A failure is a result code whose
// ORVError (critical, PEV_E_FAIL) names every empty variable, in the order they were
// added.
#pragma once

#include "ORVNLSMsgBldr.h"
#include "ORVVector.h"

class ORVEnvironmentVariable;

class ORV_EXPORT ORVEnvironmentVariableChecker : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVEnvironmentVariableChecker)

public:
  explicit ORVEnvironmentVariableChecker(const ORVNLSMsgBldrRfHndlr& iHAdviceBldr);
  ORVEnvironmentVariableChecker(const ORVEnvironmentVariableChecker&) = delete;
  ORVEnvironmentVariableChecker& operator=(const ORVEnvironmentVariableChecker&) = delete;

  virtual void Add(ORVEnvironmentVariable& iVariable);
  // Reads every variable as needed; 0 when none is empty.
  virtual long ReadAndCheck();

private:
  ORVVector _Variables;
  ORVNLSMsgBldrRfHndlr _HAdviceBldr;
};
