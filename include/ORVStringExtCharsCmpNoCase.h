// ORVStringExtCharsCmpNoCase.h - orders ORVString and ORVExtChars objects by their text,
// ignoring case (strcasecmp).
//
// Either kind may be compared with the other. An empty text, and a DbNull ORVExtChars,
// sorts before any other text; two of them are equal. A null object, or one of another
// class, is a fatal internal error. GetGlobal makes the one shared instance on first use
// and registers it with the global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVComparator.h"

class ORV_EXPORT ORVStringExtCharsCmpNoCase : public ORVComparator {
  ORV_META_OBJECT(ORVStringExtCharsCmpNoCase)

public:
  ~ORVStringExtCharsCmpNoCase() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVStringExtCharsCmpNoCase* GetGlobal();

private:
  static ORVStringExtCharsCmpNoCase* _pGlobal;
};
