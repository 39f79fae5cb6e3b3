#include "ORVUtilities.h"

#include <sys/wait.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ORVCatalogKeys.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVFatal.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplayToISO8859Term.h"
#include "ORVOFStream.h"
#include "PEVClassFactory.h"

namespace {

// ExecuteExternalCommand reads the output in pieces of at most this size, NUL included.
constexpr int kLineBufferSize = 1024;

void CheckFieldSeparator(const ORVString& iSeparator) {
  if (iSeparator.GetLength() == 1 && iSeparator.GetChars()[0] == '\\')
    ORV_FATAL("The field separator is \\");
}

// True when iText at iPosition starts with the whole of a non-empty iSeparator.
bool SeparatorAt(const ORVString& iText, int iPosition, const ORVString& iSeparator) {
  int length = iSeparator.GetLength();
  if (length == 0 || length > iText.GetLength() - iPosition) return false;
  return memcmp(iText.GetChars() + iPosition, iSeparator.GetChars(), (std::size_t)length) == 0;
}

// Appends one character, a NUL included (Concat stops at a NUL).
void AppendCharacter(ORVString& ioText, char iCharacter) {
  if (iCharacter == '\0')
    ioText.Resize(ioText.GetLength() + 1, '\0', 0);
  else
    ioText.Concat(&iCharacter, 1);
}

// The failure left by the platform for iCode when it recorded one; otherwise a new
// critical error with iCode and the given messages. A last error made by the library
// is older than the call (the platform makes no ORVError): it would tell of another
// failure that happened to have the same code, such as the general failure code.
long FailureWithRecord(long iCode, const ORVNLSMsgBldrRfHndlr& iRequest,
                       const ORVNLSMsgBldrRfHndlr& iDiagnostic) {
  PEVError* lastError = PEVError::PEVGetLastError(iCode, nullptr);
  if (lastError) {
    bool fromPlatform = !lastError->IsAKindOf(ORVError::ClassName());
    lastError->Release();
    if (fromPlatform) return iCode;
  }
  ORVError* error = new ORVError(__FILE__, __LINE__, iRequest, iDiagnostic,
                                 ORVMakeCatalogMessage<ORVBC_0502>(), PEVErrorTypeCritical, iCode);
  return PEVError::GetReturn(2, error, nullptr, __FILE__, __LINE__);
}

// The exit status of a command from its wait status: the exit code, 128 + the signal
// number of a command killed by a signal, -1 when the wait failed.
int ExitStatus(int iWaitStatus) {
  if (iWaitStatus == -1) return -1;
  if (WIFEXITED(iWaitStatus)) return WEXITSTATUS(iWaitStatus);
  if (WIFSIGNALED(iWaitStatus)) return 128 + WTERMSIG(iWaitStatus);
  return -1;
}

}  // namespace

ORVString ORVUtilities::ConvertGUIDToString(const _GUID& iGUID) {
  char text[39];
  snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
           (unsigned int)iGUID.Data1, (unsigned int)iGUID.Data2, (unsigned int)iGUID.Data3,
           (unsigned int)iGUID.Data4[0], (unsigned int)iGUID.Data4[1], (unsigned int)iGUID.Data4[2],
           (unsigned int)iGUID.Data4[3], (unsigned int)iGUID.Data4[4], (unsigned int)iGUID.Data4[5],
           (unsigned int)iGUID.Data4[6], (unsigned int)iGUID.Data4[7]);
  return ORVString(text);
}

ORVString ORVUtilities::GetWord(const char* iText, int iIndex, char iSeparator) {
  ORVString word;
  if (!iText || iIndex < 1) return word;
  const char* position = iText;
  for (int number = 1; *position; ++number) {
    while (*position && *position == iSeparator)
      ++position;
    if (!*position) break;
    const char* start = position;
    while (*position && *position != iSeparator)
      ++position;
    if (number == iIndex) {
      word.Copy(start, (int)(position - start));
      break;
    }
  }
  return word;
}

int ORVUtilities::GetNbChars(const char* iText, int iMax) {
  if (!iText) return 0;
  if (iMax < 0) return ORV_CHECKED_SIZE(strlen(iText), "ORVUtilities::GetNbChars");
  return (int)strnlen(iText, (std::size_t)iMax);
}

int ORVUtilities::GetIntAsStrSize(int iNumber) {
  return snprintf(nullptr, 0, "%d", iNumber);
}

ORVString ORVUtilities::GetListItemIdxFormat(int iCount, char iFill) {
  ORVString format("%");
  if (iFill != ' ') format.Concat(&iFill, 1);
  format += GetIntAsStrSize(iCount);
  format += "d";
  return format;
}

int ORVUtilities::CompareUnicodeStrings(const PEVUnicodeString& iLeft,
                                        const PEVUnicodeString& iRight) {
  if (iLeft < iRight) return -1;
  if (iLeft > iRight) return 1;
  return 0;
}

int ORVUtilities::CompareUnicodeStringsNoCase(const PEVUnicodeString& iLeft,
                                              const PEVUnicodeString& iRight) {
  int sameness = iLeft.Compare(iRight);
  if (sameness == 1 || sameness == 2) return 0;
  PEVUnicodeString left(iLeft);
  PEVUnicodeString right(iRight);
  return CompareUnicodeStrings(left.ToUpper(), right.ToUpper());
}

unsigned int ORVUtilities::ConvertStringToInt(const ORVString& iText, int& oValue) {
  oValue = 0;
  if (iText.GetLength() == 0) return 0;
  const char* text = iText.GetChars();
  char* end = nullptr;
  errno = 0;
  long value = strtol(text, &end, 10);
  // A value beyond int fails as the range error of a 32-bit long would.
  bool inRange = errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  oValue = (int)value;
  return inRange && end == text + iText.GetLength() ? 1 : 0;
}

ORVString ORVUtilities::FormatFreeTextForProgram(const ORVString& iText,
                                                 const ORVString& iSeparator) {
  CheckFieldSeparator(iSeparator);
  if (iText.GetLength() == 0) return ORVString("\\0");
  ORVString formatted;
  const char* text = iText.GetChars();
  int position = 0;
  while (position < iText.GetLength()) {
    if (SeparatorAt(iText, position, iSeparator)) {
      formatted.Concat("\\_", 2);
      position += iSeparator.GetLength();
      continue;
    }
    char character = text[position++];
    if (character == '\n')
      formatted.Concat("\\n", 2);
    else if (character == '\\')
      formatted.Concat("\\\\", 2);
    else
      AppendCharacter(formatted, character);
  }
  return formatted;
}

ORVString ORVUtilities::TranslateFormattedForProgramFreeText(const ORVString& iFormatted,
                                                             const ORVString& iSeparator) {
  CheckFieldSeparator(iSeparator);
  ORVString text;
  if (iFormatted.GetLength() == 0 || iFormatted == ORVString("\\0")) return text;
  const char* formatted = iFormatted.GetChars();
  int length = iFormatted.GetLength();
  bool backslashPending = false;
  for (int position = 0; position < length; ++position) {
    char character = formatted[position];
    if (!backslashPending) {
      if (character == '\\')
        backslashPending = true;
      else
        AppendCharacter(text, character);
      continue;
    }
    backslashPending = false;
    if (character == '\\')
      text.Concat("\\", 1);
    else if (character == 'n')
      text.Concat("\n", 1);
    else if (character == '_')
      text += iSeparator;
    else {
      text.Concat("\\", 1);
      AppendCharacter(text, character);
    }
  }
  if (backslashPending) text.Concat("\\", 1);
  return text;
}

long ORVUtilities::PEVCreateClassInstance(const _GUID& iClassId, IUnknown* iOuter,
                                          unsigned long iContext, const _GUID& iInterfaceId,
                                          void** oResult) {
  long code = ::PEVCreateClassInstance(iClassId, iOuter, iContext, iInterfaceId, oResult);
  if (code == 0) return code;
  return FailureWithRecord(
      code, ORVMakeCatalogMessage<ORVBC_0500>(),
      ORVMakeCatalogMessage<ORVBC_0501>(ConvertGUIDToString(iClassId), (int)iContext));
}

long ORVUtilities::PEVCreateClassInstance(const char* iClassName, IUnknown* iOuter,
                                          unsigned long iContext, const _GUID& iInterfaceId,
                                          void** oResult) {
  long code = ::PEVCreateClassInstance(iClassName, iOuter, iContext, iInterfaceId, oResult);
  if (code == 0) return code;
  return FailureWithRecord(code, ORVMakeCatalogMessage<ORVBC_0500>(),
                           ORVMakeCatalogMessage<ORVBC_0503>(iClassName, (int)iContext));
}

long ORVUtilities::QueryInterface(PEVBaseUnknown& iObject, const _GUID& iInterfaceId,
                                  void** oResult) {
  long code = iObject.QueryInterface(iInterfaceId, oResult);
  if (code == 0 && oResult) return code;
  return FailureWithRecord(
      code, ORVMakeCatalogMessage<ORVBC_0504>(),
      ORVMakeCatalogMessage<ORVBC_0505>(iObject.GetMetaObject()->GetClassName(),
                                        ConvertGUIDToString(iInterfaceId)));
}

void ORVUtilities::MakeAndSetAsGlobalDisplayToTerm() {
  ORVMessageDisplay* messageDisplay = new ORVMessageDisplayToISO8859Term();
  ORVErrorDisplay* errorDisplay = new ORVErrorDisplayToISO8859Term();
  ORVGlobalObjectCleaner::Add(messageDisplay);
  ORVGlobalObjectCleaner::Add(errorDisplay);
  ORVMessageDisplay::SetGlobal(*messageDisplay);
  ORVErrorDisplay::SetGlobal(*errorDisplay);
}

int ORVUtilities::ExecuteExternalCommand(const ORVString& iCommand) {
  ORVStdout.Flush();
  FILE* output = popen(iCommand.GetChars(), "r");
  if (!output) return -1;
  char line[kLineBufferSize];
  bool lineWasCut = false;
  while (fgets(line, sizeof line, output)) {
    std::size_t length = strlen(line);
    bool complete = length > 0 && line[length - 1] == '\n';
    if (complete) line[--length] = '\0';
    // The newline alone that ends a line cut at the buffer's size is no line of its own.
    bool onlyEndOfCutLine = lineWasCut && complete && length == 0;
    lineWasCut = !complete;
    if (onlyEndOfCutLine) continue;
    ORVMessageDisplay::GetGlobal()->Display(PEVUnicodeString(line), 1);
    ORVStdout.Flush();
  }
  return ExitStatus(pclose(output));
}
