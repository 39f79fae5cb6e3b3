// ORVIFStream.h - input file stream: raw reads and delimited lines.
#pragma once

#include "ORVFStream.h"

class ORV_EXPORT ORVIFStream : public ORVFStream {
public:
  ORVIFStream() = default;
  // Borrows iFile; a null file leaves the stream without file (last errno 22).
  explicit ORVIFStream(FILE* iFile);
  // Opens with "r" when iMode has ORVFStreamText, else "rb".
  ORVIFStream(const char* iPath, int iMode);
  ORVIFStream(const char* iPath, const char* iModeText);

  int Open(const char* iPath, int iMode);
  int Open(const char* iPath, const char* iModeText);

  // Up to iSize bytes; returns the count read (0 without file or buffer).
  unsigned int Read(char* oBuffer, const unsigned int iSize);
  // Reads up to the delimiter (taken, not stored) or iSize - 1 characters, zero-
  // terminated. 1 when the file reports an error or nothing was taken, else 0.
  int Getline(char* oBuffer, const unsigned int iSize, const int iDelimiter);
};
