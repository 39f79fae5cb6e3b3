#include "ORVFStream.h"

#include <cerrno>

ORVFStream::ORVFStream(FILE* iFile) : _Borrowed(1), _LastErrno(0), _pFile(iFile) {
  if (!iFile) {
    _Borrowed = 0;
    NoFile();
  }
}

ORVFStream::~ORVFStream() {
  if (_pFile && !_Borrowed) fclose(_pFile);
}

int ORVFStream::IsOpen() {
  if (!_pFile) {
    _LastErrno = EINVAL;
    return 0;
  }
  _LastErrno = 0;
  return 1;
}

int ORVFStream::Rewind() {
  if (!_pFile) return NoFile();
  StartCall();
  rewind(_pFile);
  EndCall(0);
  return _LastErrno;
}

int ORVFStream::Error() {
  if (!_pFile) return NoFile();
  StartCall();
  return EndCall(ferror(_pFile));
}

int ORVFStream::EndOfFile() {
  if (!_pFile) return NoFile();
  StartCall();
  return EndCall(feof(_pFile));
}

int ORVFStream::ClearError() {
  if (!_pFile) return NoFile();
  StartCall();
  clearerr(_pFile);
  EndCall(0);
  return _LastErrno;
}

int ORVFStream::GetFileNo() {
  if (!_pFile) return NoFile();
  StartCall();
  return EndCall(fileno(_pFile));
}

int ORVFStream::Close() {
  if (!_pFile) return NoFile();
  if (_Borrowed) {
    _Borrowed = 0;
    _LastErrno = 0;
    _pFile = nullptr;
    return 0;
  }
  StartCall();
  int result = fclose(_pFile);
  _pFile = nullptr;
  return EndCall(result);
}

int ORVFStream::OpenWithModeText(const char* iPath, const char* iModeText) {
  if (_pFile) Close();
  _Borrowed = 0;
  if (!iPath || !iModeText) {
    _pFile = nullptr;
    NoFile();
    return 1;
  }
  StartCall();
  _pFile = fopen(iPath, iModeText);
  if (_pFile) return EndCall(ferror(_pFile));
  if (errno == 0) errno = EINVAL;
  EndCall(1);
  return 1;
}

int ORVFStream::NoFile() {
  errno = EINVAL;
  _LastErrno = EINVAL;
  return EINVAL;
}

void ORVFStream::StartCall() {
  errno = 0;
  _LastErrno = 0;
}

int ORVFStream::EndCall(int iResult) {
  _LastErrno = errno;
  return iResult;
}
