// ORVFileUtilities.h - file-system operations with error records, and path texts.
//
// Every operation that returns a long gives 0 on success and, on failure, the failure
// code of an ORVError (critical, PEV_E_FAIL) whose diagnostic is an ORVBC message with
// the file name and the system's text for errno (Rename: both names, then the text).
// The text operations never fail; broken rules (a bad separator, fewer than two files to
// compare, an element that is not a string) are fatal internal errors. No instances.
#pragma once

#include <sys/types.h>
#include <cstdio>

#include "ORVExport.h"

class ORVString;
class ORVVector;

class ORV_EXPORT ORVFileUtilities {
public:
  ORVFileUtilities() = delete;

  // 1 when the paths have the same length and match at every position, where a "/" or
  // "\" on either side matches any character; else 0.
  static unsigned int ComparePath(const ORVString& iPath1, const ORVString& iPath2);
  // Cuts at the last ".": oBase before it, oExtension after it, oHasDot 1. Without a dot
  // oBase is the whole name, oExtension empty and oHasDot 0.
  static void ExtractExtensionFromFileName(const ORVString& iFileName, ORVString& oBase,
                                           ORVString& oExtension, unsigned int& oHasDot);
  // oPath ends with the last "/" or "\" (empty without one); the rest is cut as above.
  static void ExtractPathAndExtFromFileFullPath(const ORVString& iFileFullPath, ORVString& oPath,
                                                ORVString& oBase, ORVString& oExtension,
                                                unsigned int& oHasDot);
  // oOut is iIn with every "/" and "\" replaced by iSeparator, which must be one of them.
  static void ReplaceSeparators(const ORVString& iIn, char iSeparator, ORVString& oOut);

  static long FileOpen(const ORVString& iFileName, const ORVString& iMode, FILE*& oFile);
  static long FileClose(FILE* iFile, const ORVString& iFileName);
  // One line, or at most iSize - 1 bytes. At the end of the file oEndOfFile is 1 and the
  // buffer empty: a success unless the file is in error.
  static long FileGetString(char* oBuffer, int iSize, FILE* iFile, unsigned int& oEndOfFile,
                            const ORVString& iFileName);
  static long FilePutString(const char* iText, FILE* iFile, const ORVString& iFileName);
  static long FileRead(void* oBuffer, unsigned int iSize, unsigned int iCount, FILE* iFile,
                       unsigned int& oDone, const ORVString& iFileName);
  static long FileWrite(const void* iBuffer, unsigned int iSize, unsigned int iCount, FILE* iFile,
                        unsigned int& oDone, const ORVString& iFileName);
  static long FileSeek(FILE* iFile, long iOffset, int iOrigin, const ORVString& iFileName);
  static long FileTell(FILE* iFile, long& oPosition, const ORVString& iFileName);
  static long MkDir(const ORVString& iDirName, mode_t iMode);
  static long ChDir(const ORVString& iDirName);
  static long Rename(const ORVString& iOldName, const ORVString& iNewName);
  // A missing file is a success when iMissingIsFine is not 0.
  static long FileRemove(const ORVString& iFileName, unsigned int iMissingIsFine);
  static long DirRemove(const ORVString& iDirName, unsigned int iMissingIsFine);
  // Nothing there is a success with oExists 0; a link whose target is missing gives
  // oExists 0 and oIsLink 1. A link's oIsDirectory is its target's.
  static long ElementType(const ORVString& iName, unsigned int& oExists, unsigned int& oIsLink,
                          unsigned int& oIsDirectory);
  // oSame is 1 when all the files of iFilePaths (ORVString elements, at least two) have
  // the same bytes. Reads in blocks of 32000 bytes.
  static long CompareFileContents(const ORVVector& iFilePaths, unsigned int& oSame);
  // The characters a Windows file name cannot hold, as a zero-terminated text.
  static const char* GetWindowsFileNameForbiddenCharacters();
  // 0 when iName holds a control character (0 to 31) or a forbidden one; else 1. A null
  // name is taken as empty.
  static unsigned int CheckWindowsFileName(const char* iName);

private:
  static const char _ForbiddenCharacters[10];
};
