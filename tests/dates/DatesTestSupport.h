// DatesTestSupport.h - helpers shared by the tests of dates: texts of dates and a fixed
// time zone for the local-time cases.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "ORVDate.h"
#include "ORVDateUtilities.h"
#include "SuiteHelpers.h"

// Central European time without zone files: UTC+1, daylight saving (UTC+2) from the last
// Sunday of March at 02:00 to the last Sunday of October at 03:00.
inline constexpr char kParisTimeZone[] = "CET-1CEST,M3.5.0,M10.5.0/3";

// "yyyy/mm/dd-hh:mm:ss" of the fields of iDate.
inline std::string DateText(const ORVDate& iDate) {
  return ORVDateUtilities::ConvertDateToStringForProgram(iDate).GetChars();
}

// The date of the fields written in iText as "yyyy/mm/dd-hh:mm:ss".
inline ORVDate DateOf(const char* iText) {
  int fields[6] = {};
  sscanf(iText, "%d/%d/%d-%d:%d:%d", &fields[0], &fields[1], &fields[2], &fields[3], &fields[4],
         &fields[5]);
  return ORVDate(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
}

// Sets TZ for the life of the object and restores the previous value after.
class ScopedTimeZone {
public:
  explicit ScopedTimeZone(const char* iZone) {
    if (const char* previous = getenv("TZ")) _Previous = previous;
    setenv("TZ", iZone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    _Previous ? setenv("TZ", _Previous->c_str(), 1) : unsetenv("TZ");
    tzset();
  }

private:
  std::optional<std::string> _Previous;
};
