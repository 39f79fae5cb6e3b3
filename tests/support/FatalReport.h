// FatalReport.h - the exact text of a fatal report, for comparing with what a test saw.
#pragma once

#include <cstring>
#include <string>

// Escapes the regular-expression characters of iText (gtest's POSIX extended syntax).
inline std::string EscapeForRegex(const std::string& iText) {
  std::string escaped;
  for (char character : iText)
    escaped += (strchr("\\^$.|?*+()[]{}", character) ? "\\" : "") + std::string(1, character);
  return escaped;
}

// The two lines a terminal shows for a fatal check with iText made in iFile.
// The line number is matched by the regular expression this returns.
inline std::string FatalReportPattern(const std::string& iText, const std::string& iFile) {
  return "^#ERR# Fatal internal error: '" + EscapeForRegex(iText) +
         "' on file: " + EscapeForRegex(iFile) + " at line: [0-9]+\nContact your administrator\n$";
}

// The same text with the line number given, for exact comparison.
inline std::string FatalReportText(const std::string& iText, const std::string& iFile, int iLine) {
  return "#ERR# Fatal internal error: '" + iText + "' on file: " + iFile +
         " at line: " + std::to_string(iLine) + "\nContact your administrator\n";
}
