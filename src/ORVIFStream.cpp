#include "ORVIFStream.h"

#include <cerrno>
#include <cstring>

namespace {

const char* InputModeText(int iMode) {
  return (iMode & ORVFStreamText) ? "r" : "rb";
}

}  // namespace

ORVIFStream::ORVIFStream(FILE* iFile) : ORVFStream(iFile) {}

ORVIFStream::ORVIFStream(const char* iPath, int iMode) {
  Open(iPath, iMode);
}

ORVIFStream::ORVIFStream(const char* iPath, const char* iModeText) {
  Open(iPath, iModeText);
}

int ORVIFStream::Open(const char* iPath, int iMode) {
  return OpenWithModeText(iPath, InputModeText(iMode));
}

int ORVIFStream::Open(const char* iPath, const char* iModeText) {
  return OpenWithModeText(iPath, iModeText);
}

unsigned int ORVIFStream::Read(char* oBuffer, const unsigned int iSize) {
  if (!_pFile) {
    NoFile();
    return 0;
  }
  clearerr(_pFile);
  if (!oBuffer) return 0;
  oBuffer[0] = '\0';
  if (iSize == 0) return 0;
  StartCall();
  return (unsigned int)EndCall((int)fread(oBuffer, 1, iSize, _pFile));
}

int ORVIFStream::Getline(char* oBuffer, const unsigned int iSize, const int iDelimiter) {
  if (oBuffer) memset(oBuffer, 0, iSize);
  if (!_pFile || !oBuffer || iSize < 2) {
    NoFile();
    return 1;
  }
  StartCall();
  unsigned int stored = 0;
  unsigned int taken = 0;
  while (stored < iSize - 1) {
    int character = getc(_pFile);
    if (character == EOF) break;
    ++taken;
    if (character == (unsigned char)iDelimiter) break;  // the delimiter is a byte
    oBuffer[stored++] = (char)character;
  }
  EndCall(0);
  return ferror(_pFile) || taken == 0 ? 1 : 0;
}
