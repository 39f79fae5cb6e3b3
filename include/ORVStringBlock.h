// ORVStringBlock.h - the reference-counted character storage that ORVString copies share.
//
// A block owns one malloc'ed buffer of GetDimension() + 1 bytes; the strings that
// share it hold one reference each and write into it only while they hold it alone.
// A negative dimension or count is a fatal internal error, and so is running out of
// memory. Not thread-safe: a shared block carries a plain reference count.
#pragma once

#include <cstdlib>
#include <cstring>

#include "ORVMacro.h"

class ORV_EXPORT ORVStringBlock final : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVStringBlock)

public:
  // A buffer of iDimension + 1 bytes holding the empty value.
  explicit ORVStringBlock(int iDimension);
  // A buffer of max(iDimension, iNbChars) + 1 bytes holding the first iNbChars
  // characters of iText and a NUL. Inline: it makes every substring and every copy
  // that a change forces.
  ORVStringBlock(int iDimension, const char* iText, int iNbChars) {
    if (iNbChars < 0 || (!iText && iNbChars > 0)) FailOnText(iNbChars);
    _Dimension = iDimension > iNbChars ? iDimension : iNbChars;
    _pBuffer = static_cast<char*>(malloc((std::size_t)_Dimension + 1));
    if (!_pBuffer) FailOnMemory();
    if (iNbChars > 0) memcpy(_pBuffer, iText, (std::size_t)iNbChars);
    _pBuffer[iNbChars] = '\0';
  }
  ~ORVStringBlock() override;
  ORVStringBlock(const ORVStringBlock&) = delete;
  ORVStringBlock& operator=(const ORVStringBlock&) = delete;

  // Resizes the buffer to iDimension + 1 bytes, keeping what fits; a smaller
  // buffer is NUL-terminated at its new end.
  void ReAlloc(int iDimension);

  char* GetBuffer() const { return _pBuffer; }
  // Characters the buffer holds, not counting the terminating NUL.
  int GetDimension() const { return _Dimension; }

private:
  [[noreturn]] static void FailOnText(int iNbChars);
  [[noreturn]] static void FailOnMemory();

  char* _pBuffer = nullptr;
  int _Dimension = 0;
};
