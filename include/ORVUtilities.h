// ORVUtilities.h - small text operations, platform wrappers and the running of commands.
//
// Words, lengths, numeric formats, unicode comparisons, text-to-integer conversion, the
// one-line program form of free text and back, identifier texts, instance creation and
// interface queries that always leave an error record on failure, the installation of
// terminal displays and external commands. A backslash field separator is a fatal
// internal error; user-facing failures are result codes with ORVError records. No
// instances; the container algorithms join this class later.
#pragma once

#include "ORVExport.h"
#include "ORVString.h"
#include "PEVTypes.h"
#include "PEVUnicodeString.h"

class ORV_EXPORT ORVUtilities {
public:
  ORVUtilities() = delete;

  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper-case hexadecimal.
  static ORVString ConvertGUIDToString(const _GUID& iGUID);
  // Word number iIndex (from 1) of iText, words being runs of characters other than
  // iSeparator; empty when there are fewer words, for iIndex below 1 and for a null text.
  static ORVString GetWord(const char* iText, int iIndex, char iSeparator);
  // 0 for a null text; strlen for a negative iMax; else the length up to iMax, reading
  // no character beyond iMax.
  static int GetNbChars(const char* iText, int iMax);
  // The number of characters of iNumber printed with "%d".
  static int GetIntAsStrSize(int iNumber);
  // A printf format numbering items up to iCount: "%", iFill unless blank, the width, "d".
  static ORVString GetListItemIdxFormat(int iCount, char iFill);
  // -1, 0 or 1 by the code units.
  static int CompareUnicodeStrings(const PEVUnicodeString& iLeft, const PEVUnicodeString& iRight);
  // 0 when equal apart from case; else the order of the upper-case copies.
  static int CompareUnicodeStringsNoCase(const PEVUnicodeString& iLeft,
                                         const PEVUnicodeString& iRight);
  // 1 when the whole text is a decimal int. oValue holds what was read even on failure
  // (0 for an empty text, INT_MAX or INT_MIN beyond the int range).
  static unsigned int ConvertStringToInt(const ORVString& iText, int& oValue);
  // The text as one field of a iSeparator-delimited line: the separator becomes "\_", a
  // newline "\n" and a backslash "\\"; the empty text is "\0". An empty separator
  // matches nothing.
  static ORVString FormatFreeTextForProgram(const ORVString& iText, const ORVString& iSeparator);
  // The inverse of FormatFreeTextForProgram.
  static ORVString TranslateFormattedForProgramFreeText(const ORVString& iFormatted,
                                                        const ORVString& iSeparator);

  // The platform's instance creation. A failure keeps the platform's error when the last
  // error of its code is one; otherwise it gets an ORVError (ORVBC 0500, 0501 or 0503,
  // 0502) with the platform's code.
  static long PEVCreateClassInstance(const _GUID& iClassId, IUnknown* iOuter,
                                     unsigned long iContext, const _GUID& iInterfaceId,
                                     void** oResult);
  static long PEVCreateClassInstance(const char* iClassName, IUnknown* iOuter,
                                     unsigned long iContext, const _GUID& iInterfaceId,
                                     void** oResult);
  // iObject's QueryInterface; succeeds only with a result pointer. A failure is recorded
  // as above, with ORVBC 0504, 0505, 0502.
  static long QueryInterface(PEVBaseUnknown& iObject, const _GUID& iInterfaceId, void** oResult);

  // Installs terminal message and error displays as the global ones, registered with the
  // global object cleaner (which must exist).
  static void MakeAndSetAsGlobalDisplayToTerm();
  // Runs iCommand with the shell and shows each line of its standard output on the
  // global message display. The command's exit code; 128 + the signal number for a
  // command killed by a signal; -1 when it cannot be started or waited for.
  static int ExecuteExternalCommand(const ORVString& iCommand);
};
