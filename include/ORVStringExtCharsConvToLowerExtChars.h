// ORVStringExtCharsConvToLowerExtChars.h - presents an ORVString or an ORVExtChars as a
// lower-case ORVExtChars.
//
// The converted value is a copy held by the convertor, valid until the next Set. An
// object of another class is a fatal internal error (the conversion check).
#pragma once

#include "ORVConvertor.h"
#include "ORVExtAnyString.h"

class ORV_EXPORT ORVStringExtCharsConvToLowerExtChars : public ORVConvertor {
  ORV_META_OBJECT(ORVStringExtCharsConvToLowerExtChars)

public:
  ORVStringExtCharsConvToLowerExtChars() = default;

  // Null leaves nothing converted.
  void Set(const PEVBaseUnknown* iObject) override;
  // The ORVExtAnyString holder, or null when nothing is converted.
  const PEVBaseUnknown* GetConverted() const override;

private:
  int _NothingConverted = 1;
  ORVExtAnyString _Converted;
};
