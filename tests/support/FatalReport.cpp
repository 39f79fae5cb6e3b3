#include "FatalReport.h"

#include <cstring>

std::string EscapeForRegex(const std::string& iText) {
  std::string escaped;
  for (char character : iText) {
    if (strchr("\\^$.|?*+()[]{}", character)) escaped += '\\';
    escaped += character;
  }
  return escaped;
}

std::string FatalReportPattern(const std::string& iText, const std::string& iFile) {
  return "^#ERR# Fatal internal error: '" + EscapeForRegex(iText) +
         "' on file: " + EscapeForRegex(iFile) + " at line: [0-9]+\nContact your administrator\n$";
}

std::string FatalReportText(const std::string& iText, const std::string& iFile, int iLine) {
  return "#ERR# Fatal internal error: '" + iText + "' on file: " + iFile +
         " at line: " + std::to_string(iLine) + "\nContact your administrator\n";
}
