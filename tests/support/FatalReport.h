// FatalReport.h - the exact text of a fatal report, for comparing with what a test saw.
#pragma once

#include <string>

// The two lines a terminal shows for a fatal check with iText made in iFile.
// The line number is matched by the regular expression this returns.
std::string FatalReportPattern(const std::string& iText, const std::string& iFile);

// The same text with the line number given, for exact comparison.
std::string FatalReportText(const std::string& iText, const std::string& iFile, int iLine);

// Escapes the regular-expression characters of iText (gtest's POSIX extended syntax).
std::string EscapeForRegex(const std::string& iText);
