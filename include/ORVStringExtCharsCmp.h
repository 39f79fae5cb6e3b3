// ORVStringExtCharsCmp.h - orders ORVString and ORVExtChars objects by their text,
// case-sensitively (strcmp).
//
// Either kind may be compared with the other. An empty text, and a DbNull ORVExtChars,
// sorts before any other text; two of them are equal. A null object, or one of another
// class, is a fatal internal error. GetGlobal makes the one shared instance on first use
// and registers it with the global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVComparator.h"

class ORV_EXPORT ORVStringExtCharsCmp : public ORVComparator {
  ORV_META_OBJECT(ORVStringExtCharsCmp)

public:
  ~ORVStringExtCharsCmp() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVStringExtCharsCmp* GetGlobal();

private:
  static ORVStringExtCharsCmp* _pGlobal;
};
