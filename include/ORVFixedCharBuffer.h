// ORVFixedCharBuffer.h - a character buffer of fixed size that the object owns.
//
// The buffer is allocated at construction and freed with the object; it may be null
// (size 0). A negative size, a null source with bytes to copy, or an exhausted memory is a
// fatal internal error. Not copyable: the buffer has one owner.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVFixedCharBuffer : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVFixedCharBuffer)

public:
  // A copy of iText with its NUL (size length + 1); null for a null text (size 0).
  explicit ORVFixedCharBuffer(const char* iText);
  // A copy of iSize bytes of iData, no NUL added; null for size 0.
  ORVFixedCharBuffer(const char* iData, int iSize);
  // iSize bytes whose first is NUL; null for size 0.
  explicit ORVFixedCharBuffer(int iSize);
  ORVFixedCharBuffer(const ORVFixedCharBuffer&) = delete;
  ORVFixedCharBuffer& operator=(const ORVFixedCharBuffer&) = delete;
  ~ORVFixedCharBuffer() override;

  // The buffer, writable by its user, or null.
  virtual char* GetChars() const;
  // Its size in bytes.
  virtual int GetSize() const;

private:
  // Allocates iSize bytes (null for 0); fatal for a negative size or no memory.
  void Allocate(int iSize, const char* iOperation);

  char* _pBuffer = nullptr;
  int _Size = 0;
};
