// PEVUnicodeString.h - the text type of every national-language message.
//
// Holds UTF-16 code units; lengths count code units. 8-bit input is decoded as
// UTF-8, each byte of an invalid sequence taken as the Latin-1 character of that
// value, so any byte string converts; 8-bit output is encoded as UTF-8.
#pragma once

#include <string>

#include "PEVExport.h"
#include "PEVString.h"

class PEV_EXPORT PEVUnicodeString {
public:
  PEVUnicodeString() = default;
  PEVUnicodeString(const char* iText);  // NOLINT: implicit by design; null is empty
  PEVUnicodeString(const char* iText, int iLength);
  PEVUnicodeString(const wchar_t* iText);  // NOLINT: implicit by design; null is empty
  PEVUnicodeString(const char16_t* iUnits, int iCount);

  PEVUnicodeString& operator=(const char* iText);
  PEVUnicodeString& operator+=(const PEVUnicodeString& iOther);
  PEVUnicodeString& operator+=(const char* iText);
  PEVUnicodeString& operator+=(char16_t iUnit);

  int GetLengthInChar() const { return (int)_Units.size(); }
  bool IsEmpty() const { return _Units.empty(); }
  // The text as UTF-8.
  PEVString ConvertToChar() const;
  // The code units, terminated by a zero unit.
  const char16_t* GetUnits() const { return _Units.c_str(); }
  char16_t operator[](int iIndex) const { return _Units[(std::size_t)iIndex]; }

  // Replaces the text by iNumber written with the printf format iFormat ("%d" when null).
  PEVUnicodeString& BuildFromNum(int iNumber, const char* iFormat);
  // Upper-cases in place: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters.
  PEVUnicodeString& ToUpper();
  // 1 when identical, 2 when equal apart from case, 0 otherwise.
  int Compare(const PEVUnicodeString& iOther) const;
  // Truncates to, or pads with zero units up to, iLength units.
  void Resize(int iLength);

  bool operator==(const PEVUnicodeString& iOther) const { return _Units == iOther._Units; }
  bool operator!=(const PEVUnicodeString& iOther) const { return _Units != iOther._Units; }
  // Orders by code unit values.
  bool operator<(const PEVUnicodeString& iOther) const { return _Units < iOther._Units; }
  bool operator>(const PEVUnicodeString& iOther) const { return _Units > iOther._Units; }

private:
  std::u16string _Units;
};

PEV_EXPORT PEVUnicodeString operator+(const PEVUnicodeString& iLeft,
                                      const PEVUnicodeString& iRight);
