// ORVMessageDisplayToAsciiFile.h - messages written to a file as 8-bit (UTF-8) text.
//
// OpenFile creates or empties the file (a directory of that name is refused with
// ORVCMD "6030"/"6031"); Display and CloseFile before a successful OpenFile, or after
// CloseFile, are fatal internal errors. The first write failure is kept with one
// reference: nothing more is written, GetDisplayError hands it out and CloseFile returns
// it. The destructor releases that error and closes a file still open.
#pragma once

#include <cstdio>

#include "ORVMessageDisplayToFile.h"
#include "ORVString.h"

class ORV_EXPORT ORVMessageDisplayToAsciiFile : public ORVMessageDisplayToFile {
  ORV_META_OBJECT(ORVMessageDisplayToAsciiFile)

public:
  explicit ORVMessageDisplayToAsciiFile(const ORVString& iFileName);
  ~ORVMessageDisplayToAsciiFile() override;
  ORVMessageDisplayToAsciiFile(const ORVMessageDisplayToAsciiFile&) = delete;
  ORVMessageDisplayToAsciiFile& operator=(const ORVMessageDisplayToAsciiFile&) = delete;

  void Display(const PEVUnicodeString& iText, unsigned int iNewLine) override;
  // Always returns 0.
  long GetDisplayError(PEVError*& oError, unsigned int iForget) override;

  // A file already open is closed first (its close failure is returned).
  virtual long OpenFile();
  // The kept write error, when there is one, else the result of the close.
  virtual long CloseFile();

private:
  // Fatal unless the file is open.
  void CheckOpened() const;
  // The open failure of the file, with the system text of iErrno.
  long OpenFailure(int iErrno) const;

  ORVString _FileName;
  FILE* _pFile = nullptr;
  int _Opened = 0;
  PEVError* _pError = nullptr;
};
