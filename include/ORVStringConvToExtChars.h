// ORVStringConvToExtChars.h - presents an ORVString as an ORVExtChars.
//
// The converted value points at the string's characters without copying them: the
// string must stay alive and unchanged while the converted value is used. An empty
// string gives a DbNull value. An object that is not an ORVString is a fatal internal
// error (the conversion check).
#pragma once

#include "ORVConvertor.h"
#include "ORVExtAnyChars.h"

class ORV_EXPORT ORVStringConvToExtChars : public ORVConvertor {
  ORV_META_OBJECT(ORVStringConvToExtChars)

public:
  ORVStringConvToExtChars() = default;

  // Null leaves nothing converted.
  void Set(const PEVBaseUnknown* iObject) override;
  // The ORVExtAnyChars holder, or null when nothing is converted.
  const PEVBaseUnknown* GetConverted() const override;

private:
  int _NothingConverted = 1;
  ORVExtAnyChars _Converted;
};
