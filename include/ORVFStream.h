// ORVFStream.h - one FILE* with integer results and the last errno, base of the file streams.
//
// A stream built on a caller's FILE* borrows it and never closes it; a stream that
// opened its file closes it when closed or destroyed. Operations on a stream without
// file set errno and the last errno to EINVAL (22). No error records are made.
// Not copyable. Not thread-safe beyond the locking of FILE itself.
#pragma once

#include <cstdio>

#include "ORVExport.h"

// Mode flags of the integer open mode.
enum ORVFStreamModeEnum {
  ORVFStreamAppend = 2,
  ORVFStreamText = 8,
};

class ORV_EXPORT ORVFStream {
public:
  virtual ~ORVFStream();
  ORVFStream(const ORVFStream&) = delete;
  ORVFStream& operator=(const ORVFStream&) = delete;

  // 1 when a file is held (clears the last errno), else 0.
  int IsOpen();
  int GetErrno() const { return _LastErrno; }
  int Rewind();
  int Error();
  int EndOfFile();
  int ClearError();
  int GetFileNo();
  // A borrowed file is forgotten, not closed; an opened one is closed (fclose's result).
  int Close();

protected:
  constexpr ORVFStream() = default;
  explicit ORVFStream(FILE* iFile);
  // Opens iPath with an fopen mode text, after closing what is held; 0 on success, else 1.
  int OpenWithModeText(const char* iPath, const char* iModeText);
  // Sets errno and the last errno to EINVAL; returns EINVAL.
  int NoFile();
  // Clears errno before a system call.
  void StartCall();
  // Keeps errno after a system call; returns iResult.
  int EndCall(int iResult);

  int _Borrowed = 0;
  int _LastErrno = 22;
  FILE* _pFile = nullptr;
};
