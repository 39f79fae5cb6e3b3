// ORVInputGuiMergingModeChecker.h - checks the merging modes a user typed: each must be
// a number from 1 to 4.
//
// A failure is a result code whose ORVError (critical, PEV_E_FAIL) carries the caller's
// request and the ORVBC diagnostic "0023" with the number read and the accepted modes.
// The checker has no state.
#pragma once

#include "ORVMacro.h"
#include "ORVNLSMsgBldr.h"

class ORVContainer;

class ORV_EXPORT ORVInputGuiMergingModeChecker : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVInputGuiMergingModeChecker)

public:
  // iValues holds ORVString elements (anything else is a fatal conversion check). 0 when
  // every one is 1, 2, 3 or 4, or there is none; else the failure of the first other.
  virtual long Check(const ORVContainer& iValues, const ORVNLSMsgBldrRfHndlr& iHRequestBldr);
};
