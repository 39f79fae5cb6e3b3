// SuiteHelpers.h - small checks and texts shared by several suites.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FatalReport.h"
#include "ORVGlobalObjectCleaner.h"
#include "PEVUnicodeString.h"

// The text as UTF-8, embedded NULs kept.
inline std::string Utf8(const PEVUnicodeString& iText) {
  PEVString converted = iText.ConvertToChar();
  return std::string(converted.GetChars(), (std::size_t)converted.GetLength());
}

// iBody, run with a cleaner in a death test, ends the process with the fatal report iText
// made in iFile and exit status 255.
inline void ExpectFatal(const std::function<void()>& iBody, const std::string& iText,
                        const std::string& iFile) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        iBody();
      },
      testing::ExitedWithCode(255), FatalReportPattern(iText, iFile));
}
