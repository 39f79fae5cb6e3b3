#include "ORVUtilities.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ORVExtChars.h"
#include "ORVFatal.h"

// The text utilities: words, numbers, list formats, Unicode comparisons and the
// program form of free text.

namespace {

// A separator holding a backslash or an underscore would appear again in the escapes.
void CheckFieldSeparator(const ORVString& iSeparator) {
  const char* separator = iSeparator.GetChars();
  for (int i = 0; i < iSeparator.GetLength(); ++i)
    if (separator[i] == '\\' || separator[i] == '_')
      ORV_FATAL("The field separator is " << separator);
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
