// ORVOFStream.h - output file stream, and the process's standard output and error streams.
//
// Every operation but operator<< flushes after writing and returns the fflush result
// (1 without file). operator<< writes without flushing and does nothing without file.
// ORVStdout and ORVStderr borrow stdout and stderr; they are usable from any static
// initialiser of a file that includes this header, and for the whole life of the
// process: they are never destroyed and never close the standard streams.
#pragma once

#include "ORVFStream.h"

class ORV_EXPORT ORVOFStream : public ORVFStream {
public:
  constexpr ORVOFStream() = default;
  // Borrows iFile; a null file leaves the stream without file (last errno 22).
  explicit ORVOFStream(FILE* iFile);
  // Opens with "a"/"w" (ORVFStreamText) or "ab"/"wb", appending with ORVFStreamAppend.
  ORVOFStream(const char* iPath, int iMode);
  ORVOFStream(const char* iPath, const char* iModeText);

  int Open(const char* iPath, int iMode);
  int Open(const char* iPath, const char* iModeText);

  int Write(const char* iText, const unsigned int iSize);
  int Print(const char* iFormat, ...) __attribute__((format(printf, 2, 3)));
  int Putc(int iCharacter);
  int Puts(const char* iText);
  int Flush();
  // Appends the whole content of the file at iPath, read as text when iMode has
  // ORVFStreamText. 0 on success, 1 when reading, writing or closing failed.
  int CatFile(const char* iPath, const int& iMode);

  ORVOFStream& operator<<(const char* iText);
  ORVOFStream& operator<<(char iCharacter);
  ORVOFStream& operator<<(unsigned char iCharacter);
  ORVOFStream& operator<<(const void* iPointer);  // "0x" and the address in hexadecimal
  ORVOFStream& operator<<(int iNumber);
  ORVOFStream& operator<<(long iNumber);
  ORVOFStream& operator<<(unsigned int iNumber);
  ORVOFStream& operator<<(unsigned long iNumber);
  ORVOFStream& operator<<(double iNumber);
  ORVOFStream& operator<<(long double iNumber);
  ORVOFStream& operator<<(ORVOFStream& (*iManipulator)(ORVOFStream&)) {
    return iManipulator(*this);
  }

private:
  friend class ORVStandardStreamsInit;
  // Makes this stream borrow a standard stream.
  void AttachStandardStream(FILE* iFile);
  // Flushes, keeping errno; returns fflush's result.
  int FlushAfterWrite();
};

// Writes a line feed and flushes.
ORV_EXPORT ORVOFStream& endl(ORVOFStream& ioStream);
// Flushes.
ORV_EXPORT ORVOFStream& flush(ORVOFStream& ioStream);

extern ORV_EXPORT ORVOFStream& ORVStdout;
extern ORV_EXPORT ORVOFStream& ORVStderr;

// Sets up ORVStdout and ORVStderr before the static initialisers of the including
// file run; the first of these objects to be constructed does the work.
class ORV_EXPORT ORVStandardStreamsInit {
public:
  ORVStandardStreamsInit();
  ~ORVStandardStreamsInit();
};
static ORVStandardStreamsInit orvStandardStreamsInit;
