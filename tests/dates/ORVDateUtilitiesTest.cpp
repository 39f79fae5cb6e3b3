// Tests of ORVDateUtilities' texts and sums: the program form of dates in its two
// variants with every error and its parameter, time spans, adding spans across month
// and year ends and a daylight-saving change, and the text forms of a date.
#include "ORVDateUtilities.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

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

  // Reads iText in the full form (iShort 0) or the short form, which sets oTimeGiven.
  long Parse(const char* iText, int iShort, ORVDate& oDate, unsigned int& oTimeGiven) {
    if (!iShort)
      return ORVDateUtilities::ConvertStringForProgramToDate(iText, _Request, _Advice, oDate);
    return ORVDateUtilities::ConvertStringForProgramToDate(iText, _Request, _Advice, oTimeGiven,
                                                           oDate);
  }
  // "years/months/days-hours:minutes:seconds" of a parsed span, or "failed".
  std::string Span(const ORVString& iText) {
    int years = -1, months = -1, days = -1, hours = -1, minutes = -1, seconds = -1;
    long code = ORVDateUtilities::ConvertStringForProgramToTimeSpan(
        iText, _Request, _Advice, years, months, days, hours, minutes, seconds);
    std::string values = std::to_string(years) + "/" + std::to_string(months) + "/" +
                         std::to_string(days) + "-" + std::to_string(hours) + ":" +
                         std::to_string(minutes) + ":" + std::to_string(seconds);
    return code == 0 ? values : "failed " + values;
  }
  // The last error of iCode is the date error of iDiagnostic ("ORVBC key: parameter").
  void ExpectDateError(long iCode, const std::string& iDiagnostic) {
    ASSERT_EQ(iCode, PEV_E_FAIL);
    EXPECT_EQ(DescribeLastError(iCode),
              "type 1 in src/ORVDateUtilities.cpp; request Read the date; diagnostic " +
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

TEST_F(ORVDateUtilitiesTest, ProgramTextsGiveTheDateAndWhetherATimeIsGiven) {
  // A text, its date, then the time-given flag: the full form leaves it as it was (9), the
  // short form takes a date alone or a cut time. Years are not range-checked here.
  const char* const kTexts[] = {"2004/02/29-23:59:59", "2004/02/29-23:59:59", "9",
                                "1970/1/1-0:0:0",      "1970/01/01-00:00:00", "9",
                                "3000/12/31-00:00:00", "3000/12/31-00:00:00", "9",
                                "-1/02/29-00:00:00",   "-001/02/29-00:00:00", "9",
                                "2004/02/29",          "2004/02/29-00:00:00", "0",
                                "2004/02/29-",         "2004/02/29-00:00:00", "0",
                                "2004/02/29-7",        "2004/02/29-07:00:00", "1",
                                "2004/02/29-7:30",     "2004/02/29-07:30:00", "1",
                                "2004/02/29-7:30:15",  "2004/02/29-07:30:15", "1"};
  for (std::size_t i = 0; i < std::size(kTexts); i += 3) {
    ORVDate date;
    unsigned int timeGiven = 9;
    EXPECT_EQ(Parse(kTexts[i], kTexts[i + 2][0] != '9', date, timeGiven), 0) << kTexts[i];
    EXPECT_EQ(DateText(date) + " " + std::to_string(timeGiven),
              std::string(kTexts[i + 1]) + " " + kTexts[i + 2]);
  }
}

TEST_F(ORVDateUtilitiesTest, EveryDateErrorNamesItsFieldOrValueAndLeavesTheDate) {
  // The key of the diagnostic, its parameter when that is not the whole text, then the
  // texts. The short form reports the same errors for what it reads, an empty field after
  // a colon included; only the last "-" of a date alone is dropped.
  const char* const kFull[][8] = {
      {"7722", "", "2004", "2004/02", "2004/02/29", "2004/02/29-", "2004/02/29-12",
       "2004/02/29-12:30"},
      {"7723", "", "x/02/29-00:00:00", "/02/29-00:00:00", "99999999999/01/01-00:00:00"},
      {"7724", "", "2004/2x/29-00:00:00"},
      {"7725", "", "2004/02/-00:00:00"},
      {"7726", "", "2004/02/29-x:00:00"},
      {"7727", "", "2004/02/29-00:1.5:00"},
      {"7728", "", "2004/02/29-00:00:", "2004/02/29-00:00:00:00"},
      {"7730", "13", "2004/13/01-00:00:00"},
      {"7730", "0", "2004/0/01-00:00:00"},
      {"7730", "-1", "2004/-1/01-00:00:00"},
      {"7731", "29", "2003/02/29-00:00:00", "1900/02/29-00:00:00"},
      {"7731", "31", "2004/04/31-00:00:00"},
      {"7731", "0", "2004/04/0-00:00:00"},
      {"7732", "24", "2004/02/29-24:00:00"},
      {"7732", "-1", "2004/02/29--1:00:00"},
      {"7733", "60", "2004/02/29-00:60:00"},
      {"7734", "60", "2004/02/29-00:00:60"},
      {"7734", "-1", "2004/02/29-00:00:-1"}};
  const char* const kShort[][8] = {
      {"7722", "", "2004", "2004/02"},   {"7730", "13", "2004/13/01"},
      {"7731", "29", "2003/02/29"},      {"7725", "", "2004/02/2x"},
      {"7732", "25", "2004/02/29-25"},   {"7726", "", "2004/02/29-x", "2004/02/29--"},
      {"7733", "99", "2004/02/29-1:99"}, {"7727", "", "2004/02/29-7:"},
      {"7728", "", "2004/02/29-7:30:"}};
  auto check = [this](const auto& iRows, int iShort) {
    for (const auto& row : iRows) {
      for (const char* const* text = row + 2; text < row + 8 && *text; ++text) {
        SCOPED_TRACE(*text);
        ORVDate date(2001, 1, 1, 0, 0, 0);
        unsigned int timeGiven = 0;
        long code = Parse(*text, iShort, date, timeGiven);
        ExpectDateError(code, std::string("ORVBC ") + row[0] + ": " + (*row[1] ? row[1] : *text));
        EXPECT_EQ(DateText(date), "2001/01/01-00:00:00");
      }
    }
  };
  check(kFull, 0);
  check(kShort, 1);
  ORVDate unset;
  long code = ORVDateUtilities::ConvertStringForProgramToDate("2004/13/01-00:00:00", {}, {}, unset);
  EXPECT_EQ(DateText(unset), "0000/00/00-00:00:00");
  // Without request or advice.
  EXPECT_EQ(DescribeLastError(code),
            "type 1 in src/ORVDateUtilities.cpp; request <none>; diagnostic ORVBC 7730: 13; "
            "advice <none>");
  EXPECT_NE(LastErrorText(code).find("13"), std::string::npos) << LastErrorText(code);
}

TEST_F(ORVDateUtilitiesTest, TimeSpansAreReadByTheSeparatorsTheyHold) {
  // Texts, each followed by its values; a final "-" ends the text.
  const char* const kSpans[] = {
      "5",           "0/0/5-0:0:0", "2/3",    "0/2/3-0:0:0",  "1:30",       "0/0/0-1:30:0",
      "1:2:3",       "0/0/0-1:2:3", "3-12",   "0/0/3-12:0:0", "3-12:5",     "0/0/3-12:5:0",
      "1/2/3-4:5:6", "1/2/3-4:5:6", "1/2/3",  "1/2/3-0:0:0",  "1/2/3-4",    "1/2/3-4:0:0",
      "1/2-3:4:5",   "0/1/2-3:4:5", "0",      "0/0/0-0:0:0",  "007/0",      "0/7/0-0:0:0",
      "5-",          "0/0/5-0:0:0", "1/2/3-", "1/2/3-0:0:0",  "2147483647", "0/0/2147483647-0:0:0"};
  for (std::size_t i = 0; i < std::size(kSpans); i += 2)
    EXPECT_EQ(Span(kSpans[i]), kSpans[i + 1]) << kSpans[i];
  for (const char* text :
       {"", "-5", "-", "x", "1:2:3:4", "1/2/3/4", "1/", "1/2/", "1:", "1:2:", "1/2:3", "1-2-3",
        "1--2", "1-2/3", "1/2/3-4:5:6:7", "1.5", "2147483648", "5 -", "1/-1"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Span(text), "failed 0/0/0-0:0:0");
    ExpectDateError(PEV_E_FAIL, std::string("ORVBC 7729: ") + text);
  }
}

// A NUL byte is an invalid character, never a separator, however many there are.
TEST_F(ORVDateUtilitiesTest, TextsHoldingANulByteAreRefused) {
  auto withNuls = [](const std::string& iText) {
    ORVString text;
    text.Copy(nullptr, 0);
    for (char character : iText) {
      if (character == '\0')
        text.Resize(text.GetLength() + 1, '\0', 0);
      else
        text.Concat(&character, 1);
    }
    return text;
  };
  for (const std::string& text :
       {std::string("1\0:2", 4), std::string("5\0", 2), std::string("\0", 1),
        std::string("1/2/3-4:5:6") + std::string(64, '\0') + "7", "1" + std::string(1000, '\0')}) {
    SCOPED_TRACE(text.size());
    EXPECT_EQ(Span(withNuls(text)), "failed 0/0/0-0:0:0");
  }
  ORVDate date;
  for (const std::string& text :
       {std::string("2004/01\0/05", 11), std::string("2004/01/05\0-10:00:00", 20),
        std::string("2004/01/05-10:00:00\0", 20)}) {
    SCOPED_TRACE(text.size());
    EXPECT_EQ(
        ORVDateUtilities::ConvertStringForProgramToDate(withNuls(text), _Request, _Advice, date),
        PEV_E_FAIL);
  }
}

TEST_F(ORVDateUtilitiesTest, AddingSpansGoesByTheSecondsThenByTheCalendar) {
  // A date, "+" or "-", a span, then the date after it or "fail" when it is left as it was,
  // "fail" and the date when a failing step keeps the earlier steps' changes.
  const char* const kSums[] = {
      // Months keep the day within the month, and years go by months.
      "2004/01/31-10:20:30 + 0/1/0-0:0:0 = 2004/02/29-10:20:30",
      "2003/01/31-10:20:30 + 0/1/0-0:0:0 = 2003/02/28-10:20:30",
      "2004/03/15-00:00:00 - 0/13/0-0:0:0 = 2003/02/15-00:00:00",
      "2004/12/15-00:00:00 + 0/1/0-0:0:0 = 2005/01/15-00:00:00",
      "2005/01/15-00:00:00 - 0/12/0-0:0:0 = 2004/01/15-00:00:00",
      "2004/01/15-00:00:00 - 0/1/0-0:0:0 = 2003/12/15-00:00:00",
      "2003/12/15-00:00:00 + 1/25/0-0:0:0 = 2007/01/15-00:00:00",
      "2007/01/15-00:00:00 - 0/24/0-0:0:0 = 2005/01/15-00:00:00",
      "2004/02/29-12:00:00 + 1/0/0-0:0:0 = 2005/02/28-12:00:00",
      // Days and seconds come first, then the calendar. Sums of days and seconds alone,
      // across month and year ends and daylight-saving changes, are checked against plain
      // arithmetic on seconds by the randomized tests.
      "2004/01/30-00:00:00 + 0/1/1-0:0:0 = 2004/02/29-00:00:00",
      "2004/02/29-00:00:00 + 0/0/0-0:0:0 = 2004/02/29-00:00:00",
      // Months keep the clock time across a daylight-saving change.
      "2024/03/30-12:00:00 + 0/1/0-0:0:0 = 2024/04/30-12:00:00",
      // Dates outside the years of time fail instead of ending the process, before or
      // after the sum (Paris midnight of 1970-01-01 is an hour before the epoch).
      "1969/12/31-12:00:00 + 0/0/1-0:0:0 = fail",
      "2038/01/01-00:00:00 - 0/0/0-0:0:0 = fail",
      "2037/12/31-12:00:00 + 0/0/1-0:0:0 = fail",
      "2037/12/31-12:00:00 + 1/0/0-0:0:0 = fail",
      "2037/12/31-12:00:00 + 0/1/0-0:0:0 = fail",
      "1970/01/01-12:00:00 - 0/0/1-0:0:0 = fail",
      "1970/01/01-12:00:00 - 0/1/0-0:0:0 = fail",
      "1970/02/01-00:30:00 - 0/1/0-0:0:0 = fail",
      "1970/01/01-02:00:00 - 0/0/0-1:30:0 = fail",
      // Spans that overflow 32 bits fail; a negative part is fine while the partial sums
      // stay positive; a failing step keeps the earlier steps' changes.
      "2004/06/01-00:00:00 + 0/0/24801-0:0:0 = fail",
      "2004/06/01-00:00:00 + 0/0/0-0:0:-1 = fail",
      "2004/06/01-00:00:00 + 0/0/0-0:2147483647:0 = fail",
      "2004/06/01-00:00:00 + 0/0/0-2147483647:0:0 = fail",
      "2004/06/01-00:00:00 + 0/0/24800-596523:0:0 = fail",
      "2004/06/01-00:00:00 + 2147483647/0/0-0:0:0 = fail",
      "2004/06/01-00:00:00 - 0/-2147483648/0-0:0:0 = fail",
      "2004/06/01-00:00:00 + -2147483648/-2147483648/0-0:0:0 = fail",
      "2004/06/01-00:00:00 + 0/0/-1-0:0:90000 = 2004/06/01-01:00:00",
      "2037/06/15-08:00:00 + 1/0/1-0:0:0 = fail 2037/06/16-08:00:00",
  };
  for (const char* row : kSums) {
    SCOPED_TRACE(row);
    int date[6], span[6];
    char sign = 0, after[40] = "";
    ASSERT_EQ(sscanf(row, "%d/%d/%d-%d:%d:%d %c %d/%d/%d-%d:%d:%d = %39[^\n]", &date[0], &date[1],
                     &date[2], &date[3], &date[4], &date[5], &sign, &span[0], &span[1], &span[2],
                     &span[3], &span[4], &span[5], after),
              14);
    ORVDate sum(date[0], date[1], date[2], date[3], date[4], date[5]);
    std::string before = DateText(sum), expected = after;
    long code = ORVDateUtilities::AddTimeSpanToDate(
        sum, span[0], span[1], span[2], span[3], span[4], span[5], sign == '+', _Request, _Advice);
    if (expected.rfind("fail", 0) == 0) {
      ExpectDateError(code, "ORVBC 7735");
      expected = expected == "fail" ? before : expected.substr(5);
    } else {
      EXPECT_EQ(code, 0);
    }
    EXPECT_EQ(DateText(sum), expected);
  }
}

TEST_F(ORVDateUtilitiesTest, DateTextsAndTheCurrentDate) {
  ORVDate date(2004, 2, 29, 23, 59, 59);
  EXPECT_STREQ(ORVDateUtilities::ConvertDateToStringForProgram(date).GetChars(),
               "2004/02/29-23:59:59");
  // The tests run in the C locale.
  EXPECT_EQ(Utf8(ORVDateUtilities::ConvertDateToStringForMsg(date)), "Sun Feb 29 23:59:59 2004");
  EXPECT_EQ(Utf8(ORVDateUtilities::ConvertDateToStringForMsg(DateOf("1970/01/01-00:00:00"))),
            "Thu Jan  1 00:00:00 1970");
  long before = (long)time(nullptr);
  long now = ORVDateUtilities::GetSystemTime();
  ORVDate current = ORVDateUtilities::GetCurrentDate(0);
  ORVDate local = ORVDateUtilities::GetCurrentDate(1);
  long after = (long)time(nullptr);
  for (long seen : {now, current.Gettime_t(0), local.Gettime_t(1)})
    EXPECT_TRUE(seen >= before && seen <= after) << before << " <= " << seen << " <= " << after;
}
