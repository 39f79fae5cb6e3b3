// TestStrings.h - strings made from and read back as standard strings, NUL bytes kept.
#pragma once

#include <cstddef>
#include <string>

#include "ORVString.h"

// The whole value of a string, NULs included.
inline std::string ValueOf(const ORVString& iString) {
  return std::string(iString.GetChars(), (std::size_t)iString.GetLength());
}

// iText as a string, NULs included.
inline ORVString MakeString(const std::string& iText) {
  ORVString text;
  text.Copy(nullptr, 0);
  for (char character : iText) {
    if (character == '\0')
      text.Resize(text.GetLength() + 1, '\0', 0);
    else
      text.Concat(&character, 1);
  }
  return text;
}
