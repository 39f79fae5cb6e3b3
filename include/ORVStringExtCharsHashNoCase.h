// ORVStringExtCharsHashNoCase.h - hash codes of ORVString and ORVExtChars objects that
// ignore case, agreeing with ORVStringExtCharsCmpNoCase.
//
// As ORVStringExtCharsHash, with each character's tolower form: the one-character text A
// gives 114. GetGlobal makes the one shared instance on first use and registers it with
// the global object cleaner (process-wide, unlocked state).
#pragma once

#include "ORVHashCoder.h"

class ORV_EXPORT ORVStringExtCharsHashNoCase : public ORVHashCoder {
  ORV_META_OBJECT(ORVStringExtCharsHashNoCase)

public:
  ~ORVStringExtCharsHashNoCase() override;

  unsigned int Code(const PEVBaseUnknown* iObject) const override;

  static ORVStringExtCharsHashNoCase* GetGlobal();

private:
  static ORVStringExtCharsHashNoCase* _pGlobal;
};
