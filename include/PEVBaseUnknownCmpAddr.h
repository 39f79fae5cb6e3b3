// PEVBaseUnknownCmpAddr.h - the default comparator: objects ordered by address.
//
// Two objects match only when they are the same object. GetGlobal makes the one
// shared instance on first use and registers it with the global object cleaner,
// which releases it at the end; the class-level pointer is process-wide, unlocked state.
#pragma once

#include "ORVComparator.h"
#include "ORVExport.h"

class ORV_EXPORT PEVBaseUnknownCmpAddr : public ORVComparator {
  ORV_META_OBJECT(PEVBaseUnknownCmpAddr)

public:
  ~PEVBaseUnknownCmpAddr() override;

  // 1 when iFirst's address is above iSecond's, -1 when below, 0 when equal.
  int CompareObjects(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const override;

  static PEVBaseUnknownCmpAddr* GetGlobal();

private:
  static PEVBaseUnknownCmpAddr* _pGlobal;
};
