#include "ORVRadix64.h"

#include "ORVCBRadix64.h"

ORV_META_OBJECT_DEFINE(ORVRadix64, PEVBaseUnknown)

const char* ORVRadix64::Convert(unsigned int iValue, int iLength) {
  return radix64_code(iValue, iLength);
}

unsigned int ORVRadix64::Convert(const char* iText) {
  return radix64_decode(iText);
}
