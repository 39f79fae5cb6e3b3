// StringsTestSupport.h - helpers shared by the tests of strings and character data.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ORVString.h"
#include "SuiteHelpers.h"

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
