// DatesTestSupport.h - helpers shared by the tests of dates: texts of dates and spans, a
// fixed time zone for the local-time cases and the fixture of the text operations.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "ErrorRecord.h"
#include "ORVDate.h"
#include "ORVDateUtilities.h"
#include "ORVError.h"
#include "ORVNLSMsgBldrFromString.h"
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
  int f[6] = {};
  sscanf(iText, "%d/%d/%d-%d:%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5]);
  return ORVDate(f[0], f[1], f[2], f[3], f[4], f[5]);
}

// "years/months/days-hours:minutes:seconds" of the six values of a span.
inline std::string SpanText(const int iValues[6]) {
  std::string text = std::to_string(iValues[0]);
  for (int field = 1; field < 6; ++field)
    text += "//-::"[field - 1] + std::to_string(iValues[field]);
  return text;
}

// Sets TZ for the rest of the process: every test that reads local time sets its zone.
inline void SetTimeZone(const char* iZone) {
  setenv("TZ", iZone, 1);
  tzset();
}

// Paris local time and a caller's request and advice for every text operation; the last
// error is forgotten after each test.
class DatesTest : public testing::Test {
protected:
  DatesTest() {
    SetTimeZone(kParisTimeZone);
    _Request.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString("Read the date", "TEST", "1"));
    _Advice.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString("Type it again", "TEST", "2"));
  }
  void TearDown() override { PEVError::PEVCleanLastError(); }
  // Reads the span iText into the six values oV.
  long ReadSpan(const ORVString& iText, int* oV) {
    return ORVDateUtilities::ConvertStringForProgramToTimeSpan(iText, _Request, _Advice, oV[0],
                                                               oV[1], oV[2], oV[3], oV[4], oV[5]);
  }

  // The diagnostic ("ORVBC key: parameter") of the last error of iCode, checked to be a
  // date error of the caller's request whose text, when iBuild, is built from the shipped
  // catalog without a fallback marker; the last error is forgotten.
  std::string DateError(long iCode, bool iBuild = true) {
    EXPECT_EQ(iCode, PEV_E_FAIL);
    std::string all = DescribeLastError(iCode), text = iBuild ? LastErrorText(iCode) : "";
    EXPECT_TRUE(text.find("!!!") == std::string::npos && text.find("???") == std::string::npos)
        << text;
    PEVError::PEVCleanLastError();
    const std::string head = "type 1 in src/ORVDateUtilities.cpp; request Read the date; ";
    std::size_t end = all.rfind("; advice Type it again");
    EXPECT_TRUE(all.rfind(head + "diagnostic ", 0) == 0 && end + 22 == all.size()) << all;
    return all.substr(head.size() + 11, end - head.size() - 11);
  }

  ORVNLSMsgBldrRfHndlr _Request, _Advice;
};
