#include "ORVOFStream.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdarg>
#include <cstdint>

namespace {

const char* OutputModeText(int iMode) {
  bool text = (iMode & ORVFStreamText) != 0;
  bool append = (iMode & ORVFStreamAppend) != 0;
  if (text) return append ? "a" : "w";
  return append ? "ab" : "wb";
}

constexpr std::size_t kCatBlockSize = 16384;

// The standard streams are never destroyed: the union does not run the member's
// destructor, so writes from any static destructor still find a live stream.
union StandardStream {
  constexpr StandardStream() : _Stream() {}
  ~StandardStream() {}
  ORVOFStream _Stream;
};
StandardStream standardOutput;
StandardStream standardError;
int standardStreamsInitCount = 0;

}  // namespace

ORVOFStream& ORVStdout = standardOutput._Stream;
ORVOFStream& ORVStderr = standardError._Stream;

ORVStandardStreamsInit::ORVStandardStreamsInit() {
  if (standardStreamsInitCount++ != 0) return;
  ORVStdout.AttachStandardStream(stdout);
  ORVStderr.AttachStandardStream(stderr);
}

ORVStandardStreamsInit::~ORVStandardStreamsInit() {
  if (--standardStreamsInitCount != 0) return;
  ORVStdout.Flush();
  ORVStderr.Flush();
}

void ORVOFStream::AttachStandardStream(FILE* iFile) {
  _Borrowed = 1;
  _LastErrno = 0;
  _pFile = iFile;
}

ORVOFStream::ORVOFStream(FILE* iFile) : ORVFStream(iFile) {}

ORVOFStream::ORVOFStream(const char* iPath, int iMode) {
  Open(iPath, iMode);
}

ORVOFStream::ORVOFStream(const char* iPath, const char* iModeText) {
  Open(iPath, iModeText);
}

int ORVOFStream::Open(const char* iPath, int iMode) {
  return OpenWithModeText(iPath, OutputModeText(iMode));
}

int ORVOFStream::Open(const char* iPath, const char* iModeText) {
  return OpenWithModeText(iPath, iModeText);
}

int ORVOFStream::FlushAfterWrite() {
  return EndCall(fflush(_pFile));
}

int ORVOFStream::Write(const char* iText, const unsigned int iSize) {
  if (!_pFile) return NoFile(), 1;
  if (!iText || iSize == 0) return 0;
  StartCall();
  fwrite(iText, 1, iSize, _pFile);
  int error = ferror(_pFile);
  if (error) return EndCall(error);
  return FlushAfterWrite();
}

int ORVOFStream::Print(const char* iFormat, ...) {
  if (!_pFile || !iFormat) return NoFile(), 1;
  StartCall();
  va_list arguments;
  va_start(arguments, iFormat);
  vfprintf(_pFile, iFormat, arguments);
  va_end(arguments);
  return FlushAfterWrite();
}

int ORVOFStream::Putc(int iCharacter) {
  if (!_pFile) return NoFile(), 1;
  StartCall();
  fputc(iCharacter, _pFile);
  return FlushAfterWrite();
}

int ORVOFStream::Puts(const char* iText) {
  if (!_pFile) return NoFile(), 1;
  StartCall();
  if (iText) fputs(iText, _pFile);
  return FlushAfterWrite();
}

int ORVOFStream::Flush() {
  if (!_pFile) return NoFile(), 1;
  StartCall();
  return FlushAfterWrite();
}

int ORVOFStream::CatFile(const char* iPath, const int& iMode) {
  if (!_pFile) return NoFile(), 1;
  if (!iPath) return 0;
  StartCall();
  FILE* source = fopen(iPath, (iMode & ORVFStreamText) ? "r" : "rb");
  if (!source) {
    if (errno == 0) errno = EINVAL;
    return EndCall(1);
  }
  // The stream's own file would grow as fast as it is read, without end.
  struct stat sourceStatus, targetStatus;
  if (fstat(fileno(source), &sourceStatus) == 0 && fstat(fileno(_pFile), &targetStatus) == 0 &&
      sourceStatus.st_dev == targetStatus.st_dev && sourceStatus.st_ino == targetStatus.st_ino) {
    fclose(source);
    errno = EINVAL;
    return EndCall(1);
  }
  char block[kCatBlockSize];
  int failed = 0;
  for (;;) {
    std::size_t count = fread(block, 1, sizeof block, source);
    if (count && fwrite(block, 1, count, _pFile) != count) failed = 1;
    if (failed || count < sizeof block) break;
  }
  if (ferror(source)) failed = 1;
  int lastErrno = errno;
  if (fflush(_pFile) != 0) failed = 1, lastErrno = errno;
  if (fclose(source) != 0 && !failed) failed = 1, lastErrno = errno;
  errno = lastErrno;
  return EndCall(failed);
}

ORVOFStream& ORVOFStream::operator<<(const char* iText) {
  if (_pFile && iText) fputs(iText, _pFile);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(char iCharacter) {
  if (_pFile) fputc((unsigned char)iCharacter, _pFile);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(unsigned char iCharacter) {
  if (_pFile) fputc(iCharacter, _pFile);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(const void* iPointer) {
  if (_pFile) fprintf(_pFile, "0x%lx", (unsigned long)(uintptr_t)iPointer);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(int iNumber) {
  if (_pFile) fprintf(_pFile, "%d", iNumber);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(long iNumber) {
  if (_pFile) fprintf(_pFile, "%ld", iNumber);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(unsigned int iNumber) {
  if (_pFile) fprintf(_pFile, "%u", iNumber);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(unsigned long iNumber) {
  if (_pFile) fprintf(_pFile, "%lu", iNumber);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(double iNumber) {
  if (_pFile) fprintf(_pFile, "%lg", iNumber);
  return *this;
}

ORVOFStream& ORVOFStream::operator<<(long double iNumber) {
  if (_pFile) fprintf(_pFile, "%Lg", iNumber);
  return *this;
}

ORVOFStream& endl(ORVOFStream& ioStream) {
  ioStream.Putc('\n');
  return ioStream;
}

ORVOFStream& flush(ORVOFStream& ioStream) {
  ioStream.Flush();
  return ioStream;
}
