// Word splitting and numeric formats against arbitrary bytes. The first byte chooses the
// separator, the rest up to its first NUL is the text. The words from GetWord must be
// the runs between separators, in order, none empty and none holding the separator,
// with an empty word past the last; GetNbChars must stop at its limit without reading
// beyond it; ConvertStringToInt must agree with a plain decimal reading, and a number
// it accepts must print and read back the same; the list format must print numbers up
// to its count in exactly its width.
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ORVUtilities.h"
#include "PEVError.h"

namespace {

void Check(bool iHolds) {
  if (!iHolds) __builtin_trap();
}

void CheckWords(const char* iText, char iSeparator) {
  std::vector<std::string> expected;
  std::string current;
  for (const char* position = iText; *position; ++position) {
    if (*position != iSeparator) {
      current += *position;
      continue;
    }
    if (!current.empty()) expected.push_back(current);
    current.clear();
  }
  if (!current.empty()) expected.push_back(current);
  for (size_t index = 0; index < expected.size() && index < 64; ++index) {
    ORVString word = ORVUtilities::GetWord(iText, static_cast<int>(index) + 1, iSeparator);
    Check(expected[index] == word.GetChars());
    Check(word.GetLength() == static_cast<int>(expected[index].size()));
  }
  if (expected.size() < 64)
    Check(ORVUtilities::GetWord(iText, static_cast<int>(expected.size()) + 1, iSeparator)
              .GetLength() == 0);
  Check(ORVUtilities::GetWord(iText, 0, iSeparator).GetLength() == 0);
  Check(ORVUtilities::GetWord(iText, -1, iSeparator).GetLength() == 0);
}

// The bytes without a NUL, in a buffer of their size: a read past iMax is a finding.
void CheckNbChars(const char* iBytes, size_t iSize) {
  std::vector<char> buffer(iBytes, iBytes + iSize);
  for (char& character : buffer)
    if (character == '\0') character = 'x';
  for (size_t max = 0; max <= iSize; max += 1 + iSize / 8) {
    int length = ORVUtilities::GetNbChars(buffer.data(), static_cast<int>(max));
    Check(length == static_cast<int>(max));
  }
  std::vector<char> terminated(iBytes, iBytes + iSize);
  terminated.push_back('\0');
  int whole = ORVUtilities::GetNbChars(terminated.data(), -1);
  Check(whole == static_cast<int>(strlen(terminated.data())));
  Check(ORVUtilities::GetNbChars(terminated.data(), static_cast<int>(iSize) + 1) == whole);
}

// Blanks, a sign and at least one digit, nothing after: the whole text is a number.
bool ReadDecimal(const char* iText, long& oValue) {
  const char* position = iText;
  while (isspace(static_cast<unsigned char>(*position)))
    ++position;
  bool negative = *position == '-';
  if (*position == '-' || *position == '+') ++position;
  if (!isdigit(static_cast<unsigned char>(*position))) return false;
  long value = 0;
  for (; isdigit(static_cast<unsigned char>(*position)); ++position)
    if (value <= static_cast<long>(INT_MAX) + 1) value = value * 10 + (*position - '0');
  if (*position) return false;
  oValue = negative ? -value : value;
  return oValue >= INT_MIN && oValue <= INT_MAX;
}

void CheckInt(const char* iText) {
  int value = 12345;
  unsigned int whole = ORVUtilities::ConvertStringToInt(ORVString(iText), value);
  long expected = 0;
  Check((whole == 1) == ReadDecimal(iText, expected));
  if (!*iText) Check(value == 0);
  if (!whole) return;
  Check(value == expected);
  char printed[16];
  snprintf(printed, sizeof printed, "%d", value);
  int again = 0;
  Check(ORVUtilities::ConvertStringToInt(ORVString(printed), again) == 1 && again == value);
}

void CheckFormats(int iNumber, char iFill) {
  char printed[16];
  int size = snprintf(printed, sizeof printed, "%d", iNumber);
  Check(ORVUtilities::GetIntAsStrSize(iNumber) == size);
  if (iNumber < 0 || iFill == '\0' || iFill == '%' || iFill == '-') return;
  ORVString format = ORVUtilities::GetListItemIdxFormat(iNumber, iFill);
  if (iFill != '0' && iFill != ' ') return;  // other fills are flags printf may refuse
  for (int item : {0, 1, iNumber / 2, iNumber}) {
    char line[32];
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wformat-nonliteral"
    int width = snprintf(line, sizeof line, format.GetChars(), item);
#pragma clang diagnostic pop
    Check(width == size);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  char separator = static_cast<char>(iData[0]);
  const char* bytes = reinterpret_cast<const char*>(iData) + 1;
  size_t size = iSize - 1;
  std::vector<char> text(bytes, bytes + strnlen(bytes, size));
  text.push_back('\0');
  CheckWords(text.data(), separator);
  CheckNbChars(bytes, size);
  CheckInt(text.data());
  int number = 0;
  memcpy(&number, iData, std::min<size_t>(iSize, sizeof number));
  CheckFormats(number, separator);
  CheckFormats(static_cast<int>(size), separator);
  PEVError::PEVCleanLastError();
  return 0;
}
