#include "ORVFileUtilities.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <vector>

#include "ORVFatal.h"
#include "ORVLibraryError.h"
#include "ORVString.h"
#include "ORVVector.h"
#include "PEVError.h"

const char ORVFileUtilities::_ForbiddenCharacters[10] = "\"?\\/<>*|:";

namespace {

// CompareFileContents reads its files in blocks of this size.
constexpr unsigned int kBlockSize = 32000;

bool IsSeparator(char iCharacter) {
  return iCharacter == '/' || iCharacter == '\\';
}

// The text after position iPosition of iText.
ORVString Tail(const ORVString& iText, int iPosition) {
  ORVString tail;
  int count = iText.GetLength() - iPosition - 1;
  tail.Copy(iText.GetChars() + iPosition + 1, count);
  return tail;
}

// The success code of every operation.
// A name holding a NUL byte: the system would read its C text, another name.
bool HoldsNul(const ORVString& iName) {
  return strlen(iName.GetChars()) != (std::size_t)iName.GetLength();
}

long Success() {
  return PEVError::GetReturn(PEVReturnSuccess, nullptr, nullptr, __FILE__, __LINE__);
}

// The system's text for iErrno, as the last parameter of every file message.
const char* SystemText(int iErrno) {
  return strerror(iErrno);
}

}  // namespace

unsigned int ORVFileUtilities::ComparePath(const ORVString& iPath1, const ORVString& iPath2) {
  int length = iPath1.GetLength();
  if (length != iPath2.GetLength()) return 0;
  const char* path1 = iPath1.GetChars();
  const char* path2 = iPath2.GetChars();
  for (int i = 0; i < length; ++i) {
    if (path1[i] != path2[i] && !IsSeparator(path1[i]) && !IsSeparator(path2[i])) return 0;
  }
  return 1;
}

void ORVFileUtilities::ExtractExtensionFromFileName(const ORVString& iFileName, ORVString& oBase,
                                                    ORVString& oExtension, unsigned int& oHasDot) {
  ORVString name(iFileName);  // NOLINT(performance-unnecessary-copy-initialization): the outputs
                              // may be the input itself
  int dot = name.GetLength() - 1;
  while (dot >= 0 && name.GetChars()[dot] != '.')
    --dot;
  if (dot < 0) {
    oBase = name;
    oExtension = "";
    oHasDot = 0;
    return;
  }
  oBase.Copy(name, dot);
  oExtension = Tail(name, dot);
  oHasDot = 1;
}

void ORVFileUtilities::ExtractPathAndExtFromFileFullPath(const ORVString& iFileFullPath,
                                                         ORVString& oPath, ORVString& oBase,
                                                         ORVString& oExtension,
                                                         unsigned int& oHasDot) {
  // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): the outputs may be the input
  ORVString fullPath(iFileFullPath);
  int separator = fullPath.GetLength() - 1;
  while (separator >= 0 && !IsSeparator(fullPath.GetChars()[separator]))
    --separator;
  ORVString fileName = Tail(fullPath, separator);
  oPath.Copy(fullPath, separator + 1);
  ExtractExtensionFromFileName(fileName, oBase, oExtension, oHasDot);
}

void ORVFileUtilities::ReplaceSeparators(const ORVString& iIn, char iSeparator, ORVString& oOut) {
  if (!IsSeparator(iSeparator))
    ORV_FATAL("Separator values " << iSeparator << " and neither \\ nor /");
  ORVString out;
  const char* in = iIn.GetChars();
  for (int i = 0; i < iIn.GetLength(); ++i) {
    char character = IsSeparator(in[i]) ? iSeparator : in[i];
    out.Concat(&character, 1);
  }
  oOut = out;
}

long ORVFileUtilities::FileOpen(const ORVString& iFileName, const ORVString& iMode, FILE*& oFile) {
  oFile = nullptr;
  if (!HoldsNul(iFileName)) oFile = fopen(iFileName.GetChars(), iMode.GetChars());
  if (oFile) return Success();
  int error = HoldsNul(iFileName) ? EINVAL : errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0201>(iFileName, SystemText(error)));
}

long ORVFileUtilities::FileClose(FILE* iFile, const ORVString& iFileName) {
  if (fclose(iFile) == 0) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0202>(iFileName, SystemText(error)));
}

long ORVFileUtilities::FileGetString(char* oBuffer, int iSize, FILE* iFile,
                                     unsigned int& oEndOfFile, const ORVString& iFileName) {
  oEndOfFile = 0;
  if (fgets(oBuffer, iSize, iFile)) return Success();
  int error = errno;
  oEndOfFile = 1;
  if (iSize > 0) oBuffer[0] = '\0';
  if (!ferror(iFile)) return Success();
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0205>(iFileName, SystemText(error)));
}

long ORVFileUtilities::FilePutString(const char* iText, FILE* iFile, const ORVString& iFileName) {
  if (fputs(iText, iFile) >= 0) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0203>(iFileName, SystemText(error)));
}

long ORVFileUtilities::FileRead(void* oBuffer, unsigned int iSize, unsigned int iCount, FILE* iFile,
                                unsigned int& oDone, const ORVString& iFileName) {
  oDone = (unsigned int)fread(oBuffer, iSize, iCount, iFile);
  if (!ferror(iFile)) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0209>(iFileName, SystemText(error)));
}

long ORVFileUtilities::FileWrite(const void* iBuffer, unsigned int iSize, unsigned int iCount,
                                 FILE* iFile, unsigned int& oDone, const ORVString& iFileName) {
  oDone = (unsigned int)fwrite(iBuffer, iSize, iCount, iFile);
  if (!ferror(iFile)) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0212>(iFileName, SystemText(error)));
}

long ORVFileUtilities::FileSeek(FILE* iFile, long iOffset, int iOrigin,
                                const ORVString& iFileName) {
  if (fseek(iFile, iOffset, iOrigin) == 0) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0210>(iFileName, SystemText(error)));
}

long ORVFileUtilities::FileTell(FILE* iFile, long& oPosition, const ORVString& iFileName) {
  oPosition = ftell(iFile);
  if (oPosition != -1) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0211>(iFileName, SystemText(error)));
}

long ORVFileUtilities::MkDir(const ORVString& iDirName, mode_t iMode) {
  if (!HoldsNul(iDirName) && mkdir(iDirName.GetChars(), iMode) == 0) return Success();
  int error = HoldsNul(iDirName) ? EINVAL : errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0206>(iDirName, SystemText(error)));
}

long ORVFileUtilities::ChDir(const ORVString& iDirName) {
  if (!HoldsNul(iDirName) && chdir(iDirName.GetChars()) == 0) return Success();
  int error = HoldsNul(iDirName) ? EINVAL : errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0214>(iDirName, SystemText(error)));
}

long ORVFileUtilities::Rename(const ORVString& iOldName, const ORVString& iNewName) {
  bool nul = HoldsNul(iOldName) || HoldsNul(iNewName);
  if (!nul && rename(iOldName.GetChars(), iNewName.GetChars()) == 0) return Success();
  int error = nul ? EINVAL : errno;
  return ORV_LIBRARY_ERROR(
      ORVMakeCatalogMessage<ORVBC_0215>(iOldName, iNewName, SystemText(error)));
}

long ORVFileUtilities::FileRemove(const ORVString& iFileName, unsigned int iMissingIsFine) {
  if (HoldsNul(iFileName))
    return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0207>(iFileName, SystemText(EINVAL)));
  if (remove(iFileName.GetChars()) == 0 || (iMissingIsFine && errno == ENOENT)) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0207>(iFileName, SystemText(error)));
}

long ORVFileUtilities::DirRemove(const ORVString& iDirName, unsigned int iMissingIsFine) {
  if (HoldsNul(iDirName))
    return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0208>(iDirName, SystemText(EINVAL)));
  if (rmdir(iDirName.GetChars()) == 0 || (iMissingIsFine && errno == ENOENT)) return Success();
  int error = errno;
  return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0208>(iDirName, SystemText(error)));
}

long ORVFileUtilities::ElementType(const ORVString& iName, unsigned int& oExists,
                                   unsigned int& oIsLink, unsigned int& oIsDirectory) {
  oExists = oIsLink = oIsDirectory = 0;
  if (HoldsNul(iName))
    return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0213>(iName, SystemText(EINVAL)));
  struct stat status;
  if (lstat(iName.GetChars(), &status) != 0) {
    int error = errno;
    if (error == ENOENT) return Success();
    return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0213>(iName, SystemText(error)));
  }
  oIsLink = S_ISLNK(status.st_mode) ? 1 : 0;
  if (oIsLink && stat(iName.GetChars(), &status) != 0) {
    int error = errno;
    if (error == ENOENT) return Success();
    return ORV_LIBRARY_ERROR(ORVMakeCatalogMessage<ORVBC_0213>(iName, SystemText(error)));
  }
  oExists = 1;
  oIsDirectory = S_ISDIR(status.st_mode) ? 1 : 0;
  return Success();
}

long ORVFileUtilities::CompareFileContents(const ORVVector& iFilePaths, unsigned int& oSame) {
  int count = iFilePaths.Size();
  if (count < 2) ORV_FATAL("NbFiles = " << count << " but it must be greater than 1");
  std::vector<const ORVString*> names((std::size_t)count);
  for (int i = 0; i < count; ++i) {
    const PEVBaseUnknown* element = iFilePaths[i];
    if (!element || !element->IsAKindOf(ORVString::ClassName()))
      ORV_FATAL("FilePathSet[" << i << "] == NULL");
    names[(std::size_t)i] = static_cast<const ORVString*>(element);
  }

  std::vector<FILE*> files;
  long result = Success();
  for (int i = 0; i < count && result == 0; ++i) {
    FILE* file = nullptr;
    result = FileOpen(*names[(std::size_t)i], "rb", file);
    if (result == 0) files.push_back(file);
  }

  oSame = 1;
  long firstSize = 0;
  for (std::size_t i = 0; i < files.size() && result == 0 && oSame; ++i) {
    long size = 0;
    result = FileSeek(files[i], 0, SEEK_END, *names[i]);
    if (result == 0) result = FileTell(files[i], size, *names[i]);
    if (result != 0) break;
    if (i == 0) firstSize = size;
    if (size != firstSize) oSame = 0;
  }
  for (std::size_t i = 0; i < files.size() && result == 0 && oSame; ++i)
    result = FileSeek(files[i], 0, SEEK_SET, *names[i]);

  std::vector<char> firstBlock(kBlockSize), otherBlock(kBlockSize);
  bool lastPass = false;
  while (result == 0 && oSame && !lastPass) {
    unsigned int firstDone = 0;
    result = FileRead(firstBlock.data(), 1, kBlockSize, files[0], firstDone, *names[0]);
    lastPass = firstDone < kBlockSize;
    for (std::size_t i = 1; i < files.size() && result == 0 && oSame; ++i) {
      unsigned int done = 0;
      result = FileRead(otherBlock.data(), 1, kBlockSize, files[i], done, *names[i]);
      if (result == 0 &&
          (done != firstDone || memcmp(firstBlock.data(), otherBlock.data(), done) != 0))
        oSame = 0;
    }
  }

  for (std::size_t i = 0; i < files.size(); ++i) {
    if (result == 0)
      result = FileClose(files[i], *names[i]);
    else
      fclose(files[i]);
  }
  return result;
}

const char* ORVFileUtilities::GetWindowsFileNameForbiddenCharacters() {
  return _ForbiddenCharacters;
}

unsigned int ORVFileUtilities::CheckWindowsFileName(const char* iName) {
  if (!iName) return 1;
  for (const char* character = iName; *character; ++character) {
    if ((unsigned char)*character < 32 || strchr(_ForbiddenCharacters, *character)) return 0;
  }
  return 1;
}
