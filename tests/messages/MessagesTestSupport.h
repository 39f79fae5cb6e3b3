// MessagesTestSupport.h - helpers shared by the tests of messages, displays and errors.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FatalReport.h"
#include "ORVGlobalObjectCleaner.h"
#include "PEVUnicodeString.h"

// The text as UTF-8.
inline std::string Utf8(const PEVUnicodeString& iText) {
  return iText.ConvertToChar().GetChars();
}

// iBody, run with a cleaner, ends the process with the fatal report iText made in iFile.
inline void ExpectFatal(const std::function<void()>& iBody, const std::string& iText,
                        const char* iFile) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        iBody();
      },
      testing::ExitedWithCode(255), FatalReportPattern(iText, iFile));
}
