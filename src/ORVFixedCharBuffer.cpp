#include "ORVFixedCharBuffer.h"

#include <cstdlib>
#include <cstring>

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVFixedCharBuffer, PEVBaseUnknown)

ORVFixedCharBuffer::ORVFixedCharBuffer(const char* iText) {
  if (!iText) return;
  long long size = (long long)strlen(iText) + 1;
  Allocate(ORV_CHECKED_SIZE(size, "ORVFixedCharBuffer"), "ORVFixedCharBuffer(const char*)");
  // NOLINTNEXTLINE(clang-analyzer-core.NonNullParamChecker): the size is at least 1, so allocated
  memcpy(_pBuffer, iText, (std::size_t)_Size);
}

ORVFixedCharBuffer::ORVFixedCharBuffer(const char* iData, int iSize) {
  const char* operation = "ORVFixedCharBuffer(const char*, int)";
  if (iSize > 0 && !iData) ORV_FATAL(operation << ": iData is NULL");
  Allocate(iSize, operation);
  if (_Size > 0) memcpy(_pBuffer, iData, (std::size_t)_Size);
}

ORVFixedCharBuffer::ORVFixedCharBuffer(int iSize) {
  Allocate(iSize, "ORVFixedCharBuffer(int)");
  if (_Size > 0) _pBuffer[0] = '\0';
}

ORVFixedCharBuffer::~ORVFixedCharBuffer() {
  free(_pBuffer);
  _pBuffer = nullptr;
}

char* ORVFixedCharBuffer::GetChars() const {
  return _pBuffer;
}

int ORVFixedCharBuffer::GetSize() const {
  return _Size;
}

void ORVFixedCharBuffer::Allocate(int iSize, const char* iOperation) {
  if (iSize < 0) ORV_FATAL(iOperation << ": iSize < 0");
  if (iSize == 0) return;
  _pBuffer = static_cast<char*>(malloc((std::size_t)iSize));
  if (!_pBuffer) ORV_FATAL("ORVFixedCharBuffer: out of memory");
  _Size = iSize;
}
