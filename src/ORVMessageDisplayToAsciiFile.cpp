#include "ORVMessageDisplayToAsciiFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ORVError.h"
#include "ORVFatal.h"
#include "ORVFileUtilities.h"
#include "ORVLibraryError.h"

ORV_META_OBJECT_DEFINE(ORVMessageDisplayToAsciiFile, ORVMessageDisplayToFile)

ORVMessageDisplayToAsciiFile::ORVMessageDisplayToAsciiFile(const ORVString& iFileName)
    : _FileName(iFileName) {}

ORVMessageDisplayToAsciiFile::~ORVMessageDisplayToAsciiFile() {
  if (_pError) _pError->Release();
  if (_Opened) fclose(_pFile);
}

void ORVMessageDisplayToAsciiFile::Display(const PEVUnicodeString& iText, unsigned int iNewLine) {
  CheckOpened();
  if (_pError) return;
  PEVUnicodeString text(iText);
  if (iNewLine) text += "\n";
  long result = ORVFileUtilities::FilePutString(text.ConvertToChar().GetChars(), _pFile, _FileName);
  if (result != 0) _pError = ORVError::GetOrMakeLastError(result);
}

long ORVMessageDisplayToAsciiFile::GetDisplayError(PEVError*& oError, unsigned int iForget) {
  oError = _pError;
  if (!_pError) return 0;
  if (iForget)
    _pError = nullptr;  // the display's reference passes to the caller
  else
    oError->AddRef();
  return 0;
}

long ORVMessageDisplayToAsciiFile::OpenFile() {
  if (_Opened) {
    // Reopening: the previous handle is closed rather than lost.
    _Opened = 0;
    long closed = ORVFileUtilities::FileClose(_pFile, _FileName);
    _pFile = nullptr;
    if (closed != 0) return closed;
  }
  unsigned int exists = 0, isLink = 0, isDirectory = 0;
  long result = ORVFileUtilities::ElementType(_FileName, exists, isLink, isDirectory);
  if (result != 0) return result;
  if (exists && isDirectory)
    return ORV_LIBRARY_ERROR_WITH_ADVICE(ORVMakeCatalogMessage<ORVCMD_6030>(_FileName),
                                         ORVMakeCatalogMessage<ORVCMD_6031>());
  // A dangling link would create its target wherever it points. A name that was no link
  // is opened without following one put there since; a link to an existing file is
  // written through, never creating one.
  if (!exists && isLink) return OpenFailure(ELOOP);
  int flags = O_WRONLY | O_TRUNC | (isLink ? 0 : O_CREAT | O_NOFOLLOW);
  int descriptor = open(_FileName.GetChars(), flags, 0666);
  if (descriptor < 0) return OpenFailure(errno);
  FILE* file = fdopen(descriptor, "w");
  if (!file) {
    int error = errno;
    close(descriptor);
    return OpenFailure(error);
  }
  _pFile = file;
  _Opened = 1;
  return result;
}

long ORVMessageDisplayToAsciiFile::CloseFile() {
  CheckOpened();
  FILE* file = _pFile;
  _pFile = nullptr;
  _Opened = 0;
  long result = ORVFileUtilities::FileClose(file, _FileName);
  if (!_pError) return result;
  _pError->AddRef();
  return PEVError::GetReturn(PEVReturnError, _pError, nullptr, __FILE__, __LINE__);
}

long ORVMessageDisplayToAsciiFile::OpenFailure(int iErrno) const {
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0201>(_FileName, strerror(iErrno)));
}

void ORVMessageDisplayToAsciiFile::CheckOpened() const {
  if (!_Opened) ORV_FATAL("OpenFile must be called before");
}
