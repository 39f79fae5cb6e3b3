// ORVRadix64.h - the radix-64 coding of ORVCBRadix64.h as a class of static operations.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVRadix64 : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVRadix64)

public:
  // radix64_code: valid until the next coding.
  static const char* Convert(unsigned int iValue, int iLength);
  // radix64_decode.
  static unsigned int Convert(const char* iText);
};
