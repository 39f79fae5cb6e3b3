// StringsTestSupport.h - helpers shared by the tests of strings and character data.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "ORVString.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

// The whole value of a string, NULs included.
inline std::string ValueOf(const ORVString& iString) {
  return std::string(iString.GetChars(), (std::size_t)iString.GetLength());
}

// The values of the strings, NULs included, each followed by "|".
template <class... Strings>
std::string Values(const Strings&... iStrings) {
  return ((ValueOf(iStrings) + "|") + ...);
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

// Each computed text against the one expected, in the order of the rows.
using Row = std::pair<std::string, std::string>;
inline void ExpectRows(std::initializer_list<Row> iRows) {
  for (const Row& row : iRows)
    EXPECT_EQ(row.first, row.second) << "row " << &row - iRows.begin();
}

// Each body, run in a death test with a cleaner, ends the process with its fatal report,
// made in iFile.
using FatalRow = std::pair<std::function<void()>, std::string>;
inline void ExpectFatals(const std::string& iFile, std::initializer_list<FatalRow> iRows) {
  for (const auto& [body, text] : iRows)
    ExpectFatal(body, text, iFile);
}
