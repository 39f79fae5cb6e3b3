// ORVMappedCodeConvCodeToExtChars.h - presents a mapped code as an ORVExtChars of its
// code text, for the volatile iterators.
//
// The converted value points at the code's characters without copying them: the mapped
// code must stay alive and unchanged while the value is used. An object that is not a
// mapped code is a fatal internal error (the conversion check).
#pragma once

#include "ORVConvertor.h"
#include "ORVExtAnyChars.h"

class ORV_EXPORT ORVMappedCodeConvCodeToExtChars : public ORVConvertor {
  ORV_META_OBJECT(ORVMappedCodeConvCodeToExtChars)

public:
  // Null makes the converted value DbNull.
  void Set(const PEVBaseUnknown* iObject) override;
  // The ORVExtAnyChars holder, or null when the converted value is DbNull.
  const PEVBaseUnknown* GetConverted() const override;

private:
  ORVExtAnyChars _Converted;
};
