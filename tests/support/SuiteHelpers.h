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

// iBody, run in a death test, ends the process with the fatal report iText made in iFile
// and exit status 255. For fixtures that already hold the process's cleaner.
inline void ExpectFatalReport(const std::function<void()>& iBody, const std::string& iText,
                              const std::string& iFile) {
  EXPECT_EXIT(iBody(), testing::ExitedWithCode(255), FatalReportPattern(iText, iFile));
}

// The same with a cleaner of its own around iBody.
inline void ExpectFatal(const std::function<void()>& iBody, const std::string& iText,
                        const std::string& iFile) {
  ExpectFatalReport(
      [&] {
        ORVGlobalObjectCleaner cleaner;
        iBody();
      },
      iText, iFile);
}
