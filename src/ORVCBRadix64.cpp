#include "ORVCBRadix64.h"

#include <cstdint>

#include "ORVCBErrorProcessing.h"
#include "ORVCBRadix64Alphabet.h"

namespace {

char _Result[7];
// Character to value, built on the first decoding; 0 outside the alphabet.
unsigned char _Values[256];
bool _HaveValues = false;

}  // namespace

const char* radix64_code(unsigned int iValue, int iLength) {
  if (iLength < 1 || iLength > 6)
    err_prog(__FILE__, __LINE__, "Radix64 result string length should be in [1..%d]", 6);
  if (iLength < 6 && (uint64_t)iValue >= ((uint64_t)1 << (6 * iLength)))
    err_prog(__FILE__, __LINE__, "Radix64 result is too short\n");
  uint64_t value = iValue;
  for (int i = 5; i >= 0; --i, value >>= 6)
    _Result[i] = ORVCBRadix64Alphabet[value & 63];
  _Result[6] = '\0';
  return _Result + 6 - iLength;
}

unsigned int radix64_decode(const char* iText) {
  if (!_HaveValues) {
    for (int value = 0; value < 64; ++value)
      _Values[(unsigned char)ORVCBRadix64Alphabet[value]] = (unsigned char)value;
    _HaveValues = true;
  }
  uint32_t value = 0;
  // A shorter text ends at its NUL: what is missing counts as absent, not as zeros.
  for (int i = 0; i < 6 && iText[i]; ++i)
    value = value * 64 + _Values[(unsigned char)iText[i]];
  return value;
}
