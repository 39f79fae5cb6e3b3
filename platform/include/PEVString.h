// PEVString.h - 8-bit text of the platform: catalog names, keys, converted messages.
//
// A plain value type holding its own copy of the characters (UTF-8 where it comes
// from a PEVUnicodeString). A null text builds the empty string.
#pragma once

#include <string>

#include "PEVExport.h"

class PEV_EXPORT PEVString {
public:
  PEVString() = default;
  PEVString(const char* iText) : _Text(iText ? iText : "") {}  // NOLINT: implicit by design
  PEVString(const char* iText, int iLength) : _Text(iText ? iText : "", iText ? iLength : 0) {}

  const char* GetChars() const { return _Text.c_str(); }
  operator const char*() const { return _Text.c_str(); }  // NOLINT: implicit by design
  int GetLength() const { return (int)_Text.size(); }
  bool IsEmpty() const { return _Text.empty(); }

  bool operator==(const PEVString& iOther) const { return _Text == iOther._Text; }
  bool operator!=(const PEVString& iOther) const { return _Text != iOther._Text; }

private:
  std::string _Text;
};
