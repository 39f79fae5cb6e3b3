#include "PEVUnicodeString.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendCodePoint(std::u16string& ioUnits, char32_t iCodePoint) {
  if (iCodePoint < 0x10000) {
    ioUnits.push_back((char16_t)iCodePoint);
    return;
  }
  iCodePoint -= 0x10000;
  ioUnits.push_back((char16_t)(0xD800 + (iCodePoint >> 10)));
  ioUnits.push_back((char16_t)(0xDC00 + (iCodePoint & 0x3FF)));
}

// Length of the valid UTF-8 sequence at iText (at most iRemaining bytes) and its code
// point; 0 when the bytes there do not form one.
int DecodeUtf8(const unsigned char* iText, std::size_t iRemaining, char32_t& oCodePoint) {
  unsigned char lead = iText[0];
  int length;
  char32_t minimum;
  if (lead < 0x80) {
    oCodePoint = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, oCodePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, oCodePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, oCodePoint = lead & 0x07;
  } else {
    return 0;
  }
  if ((std::size_t)length > iRemaining) return 0;
  for (int i = 1; i < length; ++i) {
    if ((iText[i] & 0xC0) != 0x80) return 0;
    oCodePoint = (oCodePoint << 6) | (iText[i] & 0x3F);
  }
  if (oCodePoint < minimum || oCodePoint > 0x10FFFF) return 0;
  if (oCodePoint >= 0xD800 && oCodePoint <= 0xDFFF) return 0;
  return length;
}

void AppendUtf8(std::u16string& ioUnits, const char* iText, std::size_t iLength) {
  const auto* bytes = (const unsigned char*)iText;
  std::size_t position = 0;
  while (position < iLength) {
    char32_t codePoint;
    int length = DecodeUtf8(bytes + position, iLength - position, codePoint);
    if (length == 0) {
      ioUnits.push_back((char16_t)bytes[position]);  // taken as Latin-1
      ++position;
      continue;
    }
    AppendCodePoint(ioUnits, codePoint);
    position += (std::size_t)length;
  }
}

void EncodeUtf8(std::string& ioText, char32_t iCodePoint) {
  if (iCodePoint < 0x80) {
    ioText.push_back((char)iCodePoint);
  } else if (iCodePoint < 0x800) {
    ioText.push_back((char)(0xC0 | (iCodePoint >> 6)));
    ioText.push_back((char)(0x80 | (iCodePoint & 0x3F)));
  } else if (iCodePoint < 0x10000) {
    ioText.push_back((char)(0xE0 | (iCodePoint >> 12)));
    ioText.push_back((char)(0x80 | ((iCodePoint >> 6) & 0x3F)));
    ioText.push_back((char)(0x80 | (iCodePoint & 0x3F)));
  } else {
    ioText.push_back((char)(0xF0 | (iCodePoint >> 18)));
    ioText.push_back((char)(0x80 | ((iCodePoint >> 12) & 0x3F)));
    ioText.push_back((char)(0x80 | ((iCodePoint >> 6) & 0x3F)));
    ioText.push_back((char)(0x80 | (iCodePoint & 0x3F)));
  }
}

char16_t UpperOf(char16_t iUnit) {
  if (iUnit >= u'a' && iUnit <= u'z') return (char16_t)(iUnit - 0x20);
  if (iUnit < 0xE0) return iUnit;
  if (iUnit <= 0xFE) return iUnit == 0xF7 ? iUnit : (char16_t)(iUnit - 0x20);
  if (iUnit == 0xFF) return 0x178;
  // Latin Extended-A pairs capital/small letters; the parity of the capital changes
  // at the three places where the block skips a code point.
  if (iUnit >= 0x100 && iUnit <= 0x137) return (iUnit & 1) ? (char16_t)(iUnit - 1) : iUnit;
  if (iUnit >= 0x139 && iUnit <= 0x148) return (iUnit & 1) ? iUnit : (char16_t)(iUnit - 1);
  if (iUnit >= 0x14A && iUnit <= 0x177) return (iUnit & 1) ? (char16_t)(iUnit - 1) : iUnit;
  if (iUnit >= 0x179 && iUnit <= 0x17E) return (iUnit & 1) ? iUnit : (char16_t)(iUnit - 1);
  if (iUnit == 0x3AC) return 0x386;
  if (iUnit >= 0x3AD && iUnit <= 0x3AF) return (char16_t)(iUnit - 0x25);
  if (iUnit == 0x3C2) return 0x3A3;
  if (iUnit >= 0x3B1 && iUnit <= 0x3CB) return (char16_t)(iUnit - 0x20);
  if (iUnit == 0x3CC) return 0x38C;
  if (iUnit == 0x3CD || iUnit == 0x3CE) return (char16_t)(iUnit - 0x3F);
  if (iUnit >= 0x430 && iUnit <= 0x44F) return (char16_t)(iUnit - 0x20);
  if (iUnit >= 0x450 && iUnit <= 0x45F) return (char16_t)(iUnit - 0x50);
  return iUnit;
}

}  // namespace

PEVUnicodeString::PEVUnicodeString(const char* iText) {
  if (iText) AppendUtf8(_Units, iText, strlen(iText));
}

PEVUnicodeString::PEVUnicodeString(const char* iText, int iLength) {
  if (iText && iLength > 0) AppendUtf8(_Units, iText, (std::size_t)iLength);
}

PEVUnicodeString::PEVUnicodeString(const wchar_t* iText) {
  if (!iText) return;
  for (const wchar_t* p = iText; *p; ++p) {
    auto codePoint = (char32_t)*p;
    bool valid = codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
    AppendCodePoint(_Units, valid ? codePoint : kReplacement);
  }
}

PEVUnicodeString::PEVUnicodeString(const char16_t* iUnits, int iCount) {
  if (iUnits && iCount > 0) _Units.assign(iUnits, (std::size_t)iCount);
}

PEVUnicodeString& PEVUnicodeString::operator=(const char* iText) {
  _Units.clear();
  if (iText) AppendUtf8(_Units, iText, strlen(iText));
  return *this;
}

PEVUnicodeString& PEVUnicodeString::operator+=(const PEVUnicodeString& iOther) {
  _Units += iOther._Units;
  return *this;
}

PEVUnicodeString& PEVUnicodeString::operator+=(const char* iText) {
  if (iText) AppendUtf8(_Units, iText, strlen(iText));
  return *this;
}

PEVUnicodeString& PEVUnicodeString::operator+=(char16_t iUnit) {
  _Units.push_back(iUnit);
  return *this;
}

PEVString PEVUnicodeString::ConvertToChar() const {
  std::string text;
  text.reserve(_Units.size());
  for (std::size_t i = 0; i < _Units.size(); ++i) {
    char32_t unit = _Units[i];
    bool high = unit >= 0xD800 && unit <= 0xDBFF;
    bool pairFollows =
        high && i + 1 < _Units.size() && _Units[i + 1] >= 0xDC00 && _Units[i + 1] <= 0xDFFF;
    if (pairFollows) {
      EncodeUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (_Units[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      EncodeUtf8(text, kReplacement);  // a lone surrogate has no UTF-8 form
    } else {
      EncodeUtf8(text, unit);
    }
  }
  return PEVString(text.c_str(), (int)text.size());
}

PEVUnicodeString& PEVUnicodeString::BuildFromNum(int iNumber, const char* iFormat) {
  const char* format = iFormat ? iFormat : "%d";
  char buffer[64];
  int length = snprintf(buffer, sizeof buffer, format, iNumber);
  _Units.clear();
  if (length <= 0) return *this;
  if ((std::size_t)length < sizeof buffer) {
    AppendUtf8(_Units, buffer, (std::size_t)length);
    return *this;
  }
  std::vector<char> large((std::size_t)length + 1);
  snprintf(large.data(), large.size(), format, iNumber);
  AppendUtf8(_Units, large.data(), (std::size_t)length);
  return *this;
}

PEVUnicodeString& PEVUnicodeString::ToUpper() {
  for (char16_t& unit : _Units)
    unit = UpperOf(unit);
  return *this;
}

int PEVUnicodeString::Compare(const PEVUnicodeString& iOther) const {
  if (_Units == iOther._Units) return 1;
  if (_Units.size() != iOther._Units.size()) return 0;
  for (std::size_t i = 0; i < _Units.size(); ++i)
    if (UpperOf(_Units[i]) != UpperOf(iOther._Units[i])) return 0;
  return 2;
}

void PEVUnicodeString::Resize(int iLength) {
  _Units.resize(iLength > 0 ? (std::size_t)iLength : 0);
}

PEVUnicodeString operator+(const PEVUnicodeString& iLeft, const PEVUnicodeString& iRight) {
  PEVUnicodeString result(iLeft);
  result += iRight;
  return result;
}
