// ORVExtIntegerCmp.h - orders ORVExtInteger values, DbNull first.
//
// Two DbNull values are equal. A null object, or one that is not an ORVExtInteger, is a
// fatal internal error. GetGlobal makes the one shared instance on first use and
// registers it with the global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVComparator.h"

class ORV_EXPORT ORVExtIntegerCmp : public ORVComparator {
  ORV_META_OBJECT(ORVExtIntegerCmp)

public:
  ~ORVExtIntegerCmp() override;

  // -1, 0 or 1.
  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVExtIntegerCmp* GetGlobal();

private:
  static ORVExtIntegerCmp* _pGlobal;
};
