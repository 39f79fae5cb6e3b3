// The program form of free text against arbitrary bytes: the first byte chooses a
// separator (none, one or several characters taken from the input), the rest is the
// text, NULs included. What FormatFreeTextForProgram writes must read back to the same
// text, hold no newline, and hold no separator when the separator uses none of the
// escape letters. Any text must also read back without harm, and what it reads to must
// be written and read to the same value again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "ORVUtilities.h"
#include "PEVError.h"

namespace {

void Check(bool iHolds) {
  if (!iHolds) __builtin_trap();
}

// The bytes as a string, NULs included (a Concat stops at a NUL).
ORVString Bytes(const char* iBytes, size_t iSize) {
  ORVString text;
  for (size_t index = 0; index < iSize; ++index) {
    if (iBytes[index] == '\0')
      text.Resize(text.GetLength() + 1, '\0', 0);
    else
      text.Concat(iBytes + index, 1);
  }
  return text;
}

bool Contains(const ORVString& iText, const ORVString& iPart) {
  if (iPart.GetLength() == 0 || iPart.GetLength() > iText.GetLength()) return false;
  return memmem(iText.GetChars(), static_cast<size_t>(iText.GetLength()), iPart.GetChars(),
                static_cast<size_t>(iPart.GetLength())) != nullptr;
}

void CheckRoundTrip(const ORVString& iText, const ORVString& iSeparator) {
  ORVString formatted = ORVUtilities::FormatFreeTextForProgram(iText, iSeparator);
  Check(formatted.GetLength() > 0);
  Check(!memchr(formatted.GetChars(), '\n', static_cast<size_t>(formatted.GetLength())));
  Check(formatted.GetChars()[formatted.GetLength()] == '\0');
  bool plain = !memchr(iSeparator.GetChars(), 'n', static_cast<size_t>(iSeparator.GetLength())) &&
               !memchr(iSeparator.GetChars(), '0', static_cast<size_t>(iSeparator.GetLength()));
  if (plain) Check(!Contains(formatted, iSeparator));
  ORVString back = ORVUtilities::TranslateFormattedForProgramFreeText(formatted, iSeparator);
  Check(back == iText);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  const char* bytes = reinterpret_cast<const char*>(iData) + 1;
  size_t size = iSize - 1;
  // A separator of 0 to 3 characters from the front of the text; a backslash or an
  // underscore in a separator is the caller's fault, so those become other characters.
  size_t separatorLength = std::min<size_t>(iData[0] & 3, size);
  ORVString separator;
  for (size_t index = 0; index < separatorLength; ++index) {
    char character = bytes[index];
    if (character == '\\' || character == '_' || character == '\0') character = ';';
    separator.Concat(&character, 1);
  }
  ORVString text = Bytes(bytes, size);
  CheckRoundTrip(text, separator);

  ORVString read = ORVUtilities::TranslateFormattedForProgramFreeText(text, separator);
  Check(read.GetChars()[read.GetLength()] == '\0');
  ORVString written = ORVUtilities::FormatFreeTextForProgram(read, separator);
  Check(ORVUtilities::TranslateFormattedForProgramFreeText(written, separator) == read);
  PEVError::PEVCleanLastError();
  return 0;
}
