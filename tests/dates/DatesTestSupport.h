// DatesTestSupport.h - helpers shared by the tests of dates: texts of dates and a fixed
// time zone for the local-time cases.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>

#include "FatalReport.h"
#include "ORVDate.h"
#include "ORVDateUtilities.h"
#include "ORVGlobalObjectCleaner.h"

// Central European time without zone files: UTC+1, daylight saving (UTC+2) from the last
// Sunday of March at 02:00 to the last Sunday of October at 03:00.
inline constexpr char kParisTimeZone[] = "CET-1CEST,M3.5.0,M10.5.0/3";

// "yyyy/mm/dd-hh:mm:ss" of the fields of iDate.
inline std::string DateText(const ORVDate& iDate) {
  return ORVDateUtilities::ConvertDateToStringForProgram(iDate).GetChars();
}

// Sets TZ for the life of the object and restores the previous value after.
class ScopedTimeZone {
public:
  explicit ScopedTimeZone(const char* iZone) {
    const char* previous = getenv("TZ");
    _HadPrevious = previous != nullptr;
    if (previous) _Previous = previous;
    setenv("TZ", iZone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (_HadPrevious)
      setenv("TZ", _Previous.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
  bool _HadPrevious = false;
  std::string _Previous;
};

// iBody, run with a cleaner, ends the process with the fatal report iText made in iFile.
inline void ExpectDateFatal(const std::function<void()>& iBody, const std::string& iText,
                            const char* iFile) {
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        iBody();
      },
      testing::ExitedWithCode(255), FatalReportPattern(iText, iFile));
}
