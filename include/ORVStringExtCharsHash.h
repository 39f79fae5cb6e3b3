// ORVStringExtCharsHash.h - hash codes of ORVString and ORVExtChars objects, agreeing
// with ORVStringExtCharsCmp.
//
// The code starts as the length and takes each character, as a signed byte, as
// code * 17 + character in 32-bit arithmetic: the one-character text A gives 82. Both
// kinds are hashed up to their first NUL, as the comparator reads them, so that texts
// it finds equal get equal codes. A null object, one of another class, and a DbNull
// ORVExtChars are fatal internal errors. GetGlobal makes the one shared instance on
// first use and registers it with the global object cleaner (process-wide, unlocked
// state).
#pragma once

#include "ORVHashCoder.h"

class ORV_EXPORT ORVStringExtCharsHash : public ORVHashCoder {
  ORV_META_OBJECT(ORVStringExtCharsHash)

public:
  ~ORVStringExtCharsHash() override;

  unsigned int Code(const PEVBaseUnknown* iObject) const override;

  static ORVStringExtCharsHash* GetGlobal();

private:
  static ORVStringExtCharsHash* _pGlobal;
};
