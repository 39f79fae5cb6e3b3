// Tests of ORVDateUtilities' texts and sums: the program form of dates in its two
// variants with every error and its parameter, time spans, adding spans across month
// and year ends and a daylight-saving change, and the text forms of a date.
#include "ORVDateUtilities.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <string>

#include "DatesTestSupport.h"
#include "ErrorRecord.h"
#include "ORVError.h"
#include "ORVNLSMsgBldrFromString.h"

namespace {

// Caller's request and advice for every text operation; the last error is forgotten after
// each test, and local time is Paris time.
class ORVDateUtilitiesTest : public testing::Test {
protected:
  ORVDateUtilitiesTest() : _Zone(kParisTimeZone) {
    _Request.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString("Read the date", "TEST", "1"));
    _Advice.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString("Type it again", "TEST", "2"));
  }
  void TearDown() override { PEVError::PEVCleanLastError(); }

  long Parse(const char* iText, ORVDate& oDate) {
    return ORVDateUtilities::ConvertStringForProgramToDate(iText, _Request, _Advice, oDate);
  }
  long ParseShort(const char* iText, unsigned int& oTimeGiven, ORVDate& oDate) {
    return ORVDateUtilities::ConvertStringForProgramToDate(iText, _Request, _Advice, oTimeGiven,
                                                           oDate);
  }
  // "years/months/days-hours:minutes:seconds" of a parsed span, or "failed".
  std::string Span(const char* iText) {
    int years = -1, months = -1, days = -1, hours = -1, minutes = -1, seconds = -1;
    long code = ORVDateUtilities::ConvertStringForProgramToTimeSpan(
        iText, _Request, _Advice, years, months, days, hours, minutes, seconds);
    std::string values = std::to_string(years) + "/" + std::to_string(months) + "/" +
                         std::to_string(days) + "-" + std::to_string(hours) + ":" +
                         std::to_string(minutes) + ":" + std::to_string(seconds);
    return code == 0 ? values : "failed " + values;
  }
  long Add(ORVDate& ioDate, int iYears, int iMonths, int iDays, int iHours, int iMinutes,
           int iSeconds, unsigned int iAdd = 1) {
    return ORVDateUtilities::AddTimeSpanToDate(ioDate, iYears, iMonths, iDays, iHours, iMinutes,
                                               iSeconds, iAdd, _Request, _Advice);
  }
  // The last error of iCode is the date error of iDiagnostic ("ORVBC key: parameter").
  void ExpectDateError(long iCode, const std::string& iDiagnostic) {
    ASSERT_EQ(iCode, PEV_E_FAIL);
    EXPECT_EQ(DescribeLastError(iCode),
              "type 1 in src/ORVDateUtilities.cpp; request Read the "
              "date; diagnostic " +
                  iDiagnostic + "; advice Type it again");
    std::string text = LastErrorText(iCode);
    EXPECT_EQ(text.find("!!!"), std::string::npos) << text;
    EXPECT_EQ(text.find("???"), std::string::npos) << text;
  }

  ScopedTimeZone _Zone;
  ORVNLSMsgBldrRfHndlr _Request;
  ORVNLSMsgBldrRfHndlr _Advice;
};

}  // namespace

TEST_F(ORVDateUtilitiesTest, FullFormGivesTheDate) {
  ORVDate date;
  ASSERT_EQ(Parse("2004/02/29-23:59:59", date), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-23:59:59");
  ASSERT_EQ(Parse("1970/1/1-0:0:0", date), 0);
  EXPECT_EQ(DateText(date), "1970/01/01-00:00:00");
  // Years are not range-checked here.
  ASSERT_EQ(Parse("3000/12/31-00:00:00", date), 0);
  EXPECT_EQ(DateText(date), "3000/12/31-00:00:00");
  ASSERT_EQ(Parse("-1/02/29-00:00:00", date), 0);
  EXPECT_EQ(date.GetYear(), -1);
}

TEST_F(ORVDateUtilitiesTest, ShortFormAcceptsADateAloneOrACutTime) {
  ORVDate date;
  unsigned int timeGiven = 9;
  ASSERT_EQ(ParseShort("2004/02/29", timeGiven, date), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-00:00:00");
  EXPECT_EQ(timeGiven, 0u);
  timeGiven = 9;
  ASSERT_EQ(ParseShort("2004/02/29-", timeGiven, date), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-00:00:00");
  EXPECT_EQ(timeGiven, 0u);
  ASSERT_EQ(ParseShort("2004/02/29-7", timeGiven, date), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-07:00:00");
  EXPECT_EQ(timeGiven, 1u);
  ASSERT_EQ(ParseShort("2004/02/29-7:30", timeGiven, date), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-07:30:00");
  EXPECT_EQ(timeGiven, 1u);
  ASSERT_EQ(ParseShort("2004/02/29-7:30:15", timeGiven, date), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-07:30:15");
  EXPECT_EQ(timeGiven, 1u);
}

TEST_F(ORVDateUtilitiesTest, ShortFormRefusesAnEmptyFieldAfterAColon) {
  ORVDate date(2001, 1, 1, 0, 0, 0);
  unsigned int timeGiven = 9;
  ExpectDateError(ParseShort("2004/02/29-7:", timeGiven, date), "ORVBC 7727: 2004/02/29-7:");
  ExpectDateError(ParseShort("2004/02/29-7:30:", timeGiven, date), "ORVBC 7728: 2004/02/29-7:30:");
  // The date is left as it was.
  EXPECT_EQ(DateText(date), "2001/01/01-00:00:00");
}

TEST_F(ORVDateUtilitiesTest, EveryDateErrorNamesItsFieldOrValue) {
  struct Case {
    const char* _Text;
    std::string _Diagnostic;
  } cases[] = {
      {"", "ORVBC 7722: "},
      {"2004", "ORVBC 7722: 2004"},
      {"2004/02", "ORVBC 7722: 2004/02"},
      {"2004/02/29", "ORVBC 7722: 2004/02/29"},
      {"2004/02/29-", "ORVBC 7722: 2004/02/29-"},
      {"2004/02/29-12", "ORVBC 7722: 2004/02/29-12"},
      {"2004/02/29-12:30", "ORVBC 7722: 2004/02/29-12:30"},
      {"x/02/29-00:00:00", "ORVBC 7723: x/02/29-00:00:00"},
      {"/02/29-00:00:00", "ORVBC 7723: /02/29-00:00:00"},
      {"99999999999/01/01-00:00:00", "ORVBC 7723: 99999999999/01/01-00:00:00"},
      {"2004/2x/29-00:00:00", "ORVBC 7724: 2004/2x/29-00:00:00"},
      {"2004/02/-00:00:00", "ORVBC 7725: 2004/02/-00:00:00"},
      {"2004/02/29-x:00:00", "ORVBC 7726: 2004/02/29-x:00:00"},
      {"2004/02/29-00:1.5:00", "ORVBC 7727: 2004/02/29-00:1.5:00"},
      {"2004/02/29-00:00:", "ORVBC 7728: 2004/02/29-00:00:"},
      {"2004/02/29-00:00:00:00", "ORVBC 7728: 2004/02/29-00:00:00:00"},
      {"2004/13/01-00:00:00", "ORVBC 7730: 13"},
      {"2004/0/01-00:00:00", "ORVBC 7730: 0"},
      {"2004/-1/01-00:00:00", "ORVBC 7730: -1"},
      {"2003/02/29-00:00:00", "ORVBC 7731: 29"},
      {"1900/02/29-00:00:00", "ORVBC 7731: 29"},
      {"2004/04/31-00:00:00", "ORVBC 7731: 31"},
      {"2004/04/0-00:00:00", "ORVBC 7731: 0"},
      {"2004/02/29-24:00:00", "ORVBC 7732: 24"},
      {"2004/02/29--1:00:00", "ORVBC 7732: -1"},
      {"2004/02/29-00:60:00", "ORVBC 7733: 60"},
      {"2004/02/29-00:00:60", "ORVBC 7734: 60"},
      {"2004/02/29-00:00:-1", "ORVBC 7734: -1"},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE(example._Text);
    ORVDate date;
    ExpectDateError(Parse(example._Text, date), example._Diagnostic);
    EXPECT_EQ(DateText(date), "0000/00/00-00:00:00");
  }
}

TEST_F(ORVDateUtilitiesTest, ShortFormReportsTheSameErrorsForWhatItReads) {
  unsigned int timeGiven = 0;
  ORVDate date;
  ExpectDateError(ParseShort("2004", timeGiven, date), "ORVBC 7722: 2004");
  ExpectDateError(ParseShort("2004/02", timeGiven, date), "ORVBC 7722: 2004/02");
  ExpectDateError(ParseShort("2004/13/01", timeGiven, date), "ORVBC 7730: 13");
  ExpectDateError(ParseShort("2003/02/29", timeGiven, date), "ORVBC 7731: 29");
  ExpectDateError(ParseShort("2004/02/2x", timeGiven, date), "ORVBC 7725: 2004/02/2x");
  ExpectDateError(ParseShort("2004/02/29-25", timeGiven, date), "ORVBC 7732: 25");
  ExpectDateError(ParseShort("2004/02/29-x", timeGiven, date), "ORVBC 7726: 2004/02/29-x");
  ExpectDateError(ParseShort("2004/02/29-1:99", timeGiven, date), "ORVBC 7733: 99");
  // Only the last "-" of a date alone is dropped.
  ExpectDateError(ParseShort("2004/02/29--", timeGiven, date), "ORVBC 7726: 2004/02/29--");
}

TEST_F(ORVDateUtilitiesTest, ErrorsWorkWithoutRequestOrAdvice) {
  ORVDate date;
  long code = ORVDateUtilities::ConvertStringForProgramToDate(
      "2004/13/01-00:00:00", ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr(), date);
  ASSERT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code),
            "type 1 in src/ORVDateUtilities.cpp; request <none>; "
            "diagnostic ORVBC 7730: 13; advice <none>");
  EXPECT_NE(LastErrorText(code).find("13"), std::string::npos) << LastErrorText(code);
}

TEST_F(ORVDateUtilitiesTest, TimeSpansAreReadByTheSeparatorsTheyHold) {
  EXPECT_EQ(Span("5"), "0/0/5-0:0:0");
  EXPECT_EQ(Span("2/3"), "0/2/3-0:0:0");
  EXPECT_EQ(Span("1:30"), "0/0/0-1:30:0");
  EXPECT_EQ(Span("1:2:3"), "0/0/0-1:2:3");
  EXPECT_EQ(Span("3-12"), "0/0/3-12:0:0");
  EXPECT_EQ(Span("3-12:5"), "0/0/3-12:5:0");
  EXPECT_EQ(Span("1/2/3-4:5:6"), "1/2/3-4:5:6");
  EXPECT_EQ(Span("1/2/3"), "1/2/3-0:0:0");
  EXPECT_EQ(Span("1/2/3-4"), "1/2/3-4:0:0");
  EXPECT_EQ(Span("1/2-3:4:5"), "0/1/2-3:4:5");
  EXPECT_EQ(Span("0"), "0/0/0-0:0:0");
  EXPECT_EQ(Span("007/0"), "0/7/0-0:0:0");
  // A final "-" ends the text.
  EXPECT_EQ(Span("5-"), "0/0/5-0:0:0");
  EXPECT_EQ(Span("1/2/3-"), "1/2/3-0:0:0");
  EXPECT_EQ(Span("2147483647"), "0/0/2147483647-0:0:0");
}

TEST_F(ORVDateUtilitiesTest, BadTimeSpansFailWithTheWholeText) {
  for (const char* text :
       {"", "-5", "-", "x", "1:2:3:4", "1/2/3/4", "1/", "1/2/", "1:", "1:2:", "1/2:3", "1-2-3",
        "1--2", "1-2/3", "1/2/3-4:5:6:7", "1.5", "2147483648", "5 -", "1/-1"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Span(text), "failed 0/0/0-0:0:0");
    long code = PEV_E_FAIL;
    ExpectDateError(code, std::string("ORVBC 7729: ") + text);
  }
}

TEST_F(ORVDateUtilitiesTest, AddingMonthsKeepsTheDayWithinTheMonth) {
  ORVDate date(2004, 1, 31, 10, 20, 30);
  ASSERT_EQ(Add(date, 0, 1, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-10:20:30");
  date.SetDate(2003, 1, 31, 10, 20, 30);
  ASSERT_EQ(Add(date, 0, 1, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2003/02/28-10:20:30");
  date.SetDate(2004, 3, 15, 0, 0, 0);
  ASSERT_EQ(Add(date, 0, 13, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2003/02/15-00:00:00");
  date.SetDate(2004, 12, 15, 0, 0, 0);
  ASSERT_EQ(Add(date, 0, 1, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2005/01/15-00:00:00");
  ASSERT_EQ(Add(date, 0, 12, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2004/01/15-00:00:00");
  ASSERT_EQ(Add(date, 0, 1, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2003/12/15-00:00:00");
  ASSERT_EQ(Add(date, 1, 25, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2007/01/15-00:00:00");
  ASSERT_EQ(Add(date, 0, 24, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2005/01/15-00:00:00");
  date.SetDate(2004, 2, 29, 12, 0, 0);
  ASSERT_EQ(Add(date, 1, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2005/02/28-12:00:00");
}

TEST_F(ORVDateUtilitiesTest, AddingSecondsCrossesDayMonthAndYearEnds) {
  ORVDate date(2003, 2, 28, 23, 59, 59);
  ASSERT_EQ(Add(date, 0, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(DateText(date), "2003/03/01-00:00:00");
  date.SetDate(2004, 2, 28, 12, 0, 0);
  ASSERT_EQ(Add(date, 0, 0, 1, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-12:00:00");
  date.SetDate(2004, 12, 31, 23, 30, 0);
  ASSERT_EQ(Add(date, 0, 0, 0, 0, 45, 0), 0);
  EXPECT_EQ(DateText(date), "2005/01/01-00:15:00");
  ASSERT_EQ(Add(date, 0, 0, 0, 0, 45, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2004/12/31-23:30:00");
  ASSERT_EQ(Add(date, 0, 0, 366, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2003/12/31-23:30:00");
  // Days and seconds first, then the calendar.
  date.SetDate(2004, 1, 30, 0, 0, 0);
  ASSERT_EQ(Add(date, 0, 1, 1, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-00:00:00");
  // A nothing span changes nothing.
  ASSERT_EQ(Add(date, 0, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2004/02/29-00:00:00");
}

TEST_F(ORVDateUtilitiesTest, DaysAreSecondsAcrossADaylightSavingChange) {
  // The night of March 30 to 31, 2024 lasts 23 hours in Paris.
  ORVDate date(2024, 3, 30, 12, 0, 0);
  ASSERT_EQ(Add(date, 0, 0, 1, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2024/03/31-13:00:00");
  ASSERT_EQ(Add(date, 0, 0, 1, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2024/03/30-12:00:00");
  // Months go by the calendar: the clock time stays.
  ASSERT_EQ(Add(date, 0, 1, 0, 0, 0, 0), 0);
  EXPECT_EQ(DateText(date), "2024/04/30-12:00:00");
  date.SetDate(2024, 3, 31, 1, 59, 59);
  ASSERT_EQ(Add(date, 0, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(DateText(date), "2024/03/31-03:00:00");
}

TEST_F(ORVDateUtilitiesTest, DatesOutsideTheYearsOfTimeFailInsteadOfEndingTheProcess) {
  ORVDate date(1969, 12, 31, 12, 0, 0);
  ExpectDateError(Add(date, 0, 0, 1, 0, 0, 0), "ORVBC 7735");
  date.SetDate(2038, 1, 1, 0, 0, 0);
  ExpectDateError(Add(date, 0, 0, 0, 0, 0, 0, 0), "ORVBC 7735");
  EXPECT_EQ(DateText(date), "2038/01/01-00:00:00");
  // Results beyond 2037 or before 1970.
  date.SetDate(2037, 12, 31, 12, 0, 0);
  ExpectDateError(Add(date, 0, 0, 1, 0, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, 1, 0, 0, 0, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, 0, 1, 0, 0, 0, 0), "ORVBC 7735");
  EXPECT_EQ(DateText(date), "2037/12/31-12:00:00");
  date.SetDate(1970, 1, 1, 12, 0, 0);
  ExpectDateError(Add(date, 0, 0, 1, 0, 0, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, 0, 1, 0, 0, 0, 0, 0), "ORVBC 7735");
  // Paris midnight of 1970-01-01 is an hour before the epoch.
  date.SetDate(1970, 2, 1, 0, 30, 0);
  ExpectDateError(Add(date, 0, 1, 0, 0, 0, 0, 0), "ORVBC 7735");
  date.SetDate(1970, 1, 1, 2, 0, 0);
  ExpectDateError(Add(date, 0, 0, 0, 1, 30, 0, 0), "ORVBC 7735");
  EXPECT_EQ(DateText(date), "1970/01/01-02:00:00");
}

TEST_F(ORVDateUtilitiesTest, SpansThatOverflowed32BitsFail) {
  ORVDate date(2004, 6, 1, 0, 0, 0);
  ExpectDateError(Add(date, 0, 0, 24801, 0, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, 0, 0, 0, 0, 0, -1), "ORVBC 7735");
  ExpectDateError(Add(date, 0, 0, 0, 0, INT_MAX, 0), "ORVBC 7735");
  ExpectDateError(Add(date, 0, 0, 0, INT_MAX, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, 0, 0, 24800, INT_MAX / 3600, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, INT_MAX, 0, 0, 0, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, 0, INT_MIN, 0, 0, 0, 0, 0), "ORVBC 7735");
  ExpectDateError(Add(date, INT_MIN, INT_MIN, 0, 0, 0, 0), "ORVBC 7735");
  EXPECT_EQ(DateText(date), "2004/06/01-00:00:00");
  // A negative part is fine while the partial sums stay positive.
  ASSERT_EQ(Add(date, 0, 0, -1, 0, 0, 90000), 0);
  EXPECT_EQ(DateText(date), "2004/06/01-01:00:00");
}

TEST_F(ORVDateUtilitiesTest, FailingStepKeepsTheEarlierStepsChanges) {
  ORVDate date(2037, 6, 15, 8, 0, 0);
  ExpectDateError(Add(date, 1, 0, 1, 0, 0, 0), "ORVBC 7735");
  EXPECT_EQ(DateText(date), "2037/06/16-08:00:00");
}

TEST_F(ORVDateUtilitiesTest, DateTextsForProgramAndMessage) {
  ORVDate date(2004, 2, 29, 23, 59, 59);
  EXPECT_STREQ(ORVDateUtilities::ConvertDateToStringForProgram(date).GetChars(),
               "2004/02/29-23:59:59");
  // The tests run in the C locale.
  EXPECT_EQ(ORVDateUtilities::ConvertDateToStringForMsg(date).ConvertToChar().GetChars(),
            std::string("Sun Feb 29 23:59:59 2004"));
  ORVDate epoch(1970, 1, 1, 0, 0, 0);
  EXPECT_EQ(ORVDateUtilities::ConvertDateToStringForMsg(epoch).ConvertToChar().GetChars(),
            std::string("Thu Jan  1 00:00:00 1970"));
}

TEST_F(ORVDateUtilitiesTest, CurrentDateIsTheSystemTime) {
  long before = (long)time(nullptr);
  long now = ORVDateUtilities::GetSystemTime();
  ORVDate current = ORVDateUtilities::GetCurrentDate(0);
  ORVDate local = ORVDateUtilities::GetCurrentDate(1);
  long after = (long)time(nullptr);
  EXPECT_GE(now, before);
  EXPECT_LE(now, after);
  EXPECT_GE(current.Gettime_t(0), before);
  EXPECT_LE(current.Gettime_t(0), after);
  EXPECT_GE(local.Gettime_t(1), before);
  EXPECT_LE(local.Gettime_t(1), after);
}
