// Tests of ORVDate and the calendar rules: checks of the fields, the unset date, UTC and
// local conversions over the whole 32-bit range (with a daylight-saving change),
// comparison, the tm form and the fatal texts; of ORVDateUtilities' texts and sums: the
// program form of dates in its two variants with every error and its parameter, time
// spans, adding spans across month and year ends, and the text forms of a date; and
// randomized runs of the date texts and sums: 100 000 texts for each reader and 100 000
// spans added to dates, every answer a success whose value reads back the same or a
// failure code whose error can be displayed, nothing ending the process.
#include "ORVDate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <ctime>
#include <random>

#include "ErrorRecord.h"
#include "ORVDateUtilities.h"
#include "ORVError.h"
#include "ORVNLSMsgBldrFromString.h"
#include "SuiteHelpers.h"
#include "TestStrings.h"

namespace {

// Central European time without zone files: UTC+1, daylight saving (UTC+2) from the last
// Sunday of March at 02:00 to the last Sunday of October at 03:00.
constexpr char kParisTimeZone[] = "CET-1CEST,M3.5.0,M10.5.0/3";

// "yyyy/mm/dd-hh:mm:ss" of the fields of iDate.
std::string DateText(const ORVDate& iDate) {
  return ORVDateUtilities::ConvertDateToStringForProgram(iDate).GetChars();
}

// The date of the fields written in iText as "yyyy/mm/dd-hh:mm:ss".
ORVDate DateOf(const char* iText) {
  int f[6] = {};
  sscanf(iText, "%d/%d/%d-%d:%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5]);
  return ORVDate(f[0], f[1], f[2], f[3], f[4], f[5]);
}

// "years/months/days-hours:minutes:seconds" of the six values of a span.
std::string SpanText(const int iValues[6]) {
  std::string text = std::to_string(iValues[0]);
  for (int field = 1; field < 6; ++field)
    text += "//-::"[field - 1] + std::to_string(iValues[field]);
  return text;
}

// Sets TZ for the rest of the process: every test that reads local time sets its zone.
void SetTimeZone(const char* iZone) {
  setenv("TZ", iZone, 1);
  tzset();
}

// Paris local time and a caller's request and advice for every text operation; the last
// error is forgotten after each test.
class ORVDateUtilitiesTest : public testing::Test {
protected:
  ORVDateUtilitiesTest() {
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

  // Reads iText as a date into ioDate, in the short form when oTimeGiven is given.
  long ReadDate(const ORVString& iText, ORVDate& ioDate, unsigned int* oTimeGiven = nullptr) {
    return oTimeGiven
               ? ORVDateUtilities::ConvertStringForProgramToDate(iText, _Request, _Advice,
                                                                 *oTimeGiven, ioDate)
               : ORVDateUtilities::ConvertStringForProgramToDate(iText, _Request, _Advice, ioDate);
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

  // The values of the span read from iText, "failed" before them when it is refused.
  std::string Span(const ORVString& iText) {
    int v[6] = {-1, -1, -1, -1, -1, -1};
    long code = ReadSpan(iText, v);
    if (code == 0) return SpanText(v);
    EXPECT_EQ(DateError(code), "ORVBC 7729: " + std::string(iText.GetChars()));
    return "failed " + SpanText(v);
  }

  // Whether the text of the next error is built: on every 97th (building loads the
  // catalog each time).
  bool BuildThisOne() { return ++_Errors % 97 == 0; }

  ORVNLSMsgBldrRfHndlr _Request, _Advice;
  int _Errors = 0;
};

constexpr int kRuns = 100000;

// Texts built from date-like fields, separators and stray characters, so that both
// successes and every kind of failure come up often.
struct DateTextMaker {
  // A field, mostly a number below iLimit from iBase.
  std::string Field(int iBase, int iLimit) {
    int kind = Pick(20);
    if (kind == 0) return "";
    if (kind == 1) return std::to_string(Pick(100000)) + "9999999";  // beyond int
    if (kind == 2) return "-" + std::to_string(Pick(70));
    if (kind == 3) return std::string(1, "x +.:/-"[Pick(7)]) + std::to_string(Pick(60));
    return (Pick(4) == 0 ? "0" : "") + std::to_string(iBase + Pick(iLimit));
  }
  char Separator(const char* iUsual) {
    return Pick(25) == 0 ? "/-: x"[Pick(5)] : iUsual[Pick((int)strlen(iUsual))];
  }
  // A date text: mostly six fields, with mostly the right separators.
  std::string Date() {
    std::string text = Field(1960, 90);
    const char* separators[] = {"/", "/", "-", ":", ":"};
    const int limits[] = {13, 32, 25, 61, 61};
    // The member calls are sequenced: each separator is drawn before the field after it.
    for (int i = 1, fields = Pick(3) == 0 ? 1 + Pick(6) : 6; i < fields; ++i)
      text.append(1, Separator(separators[i - 1])).append(Field(0, limits[i - 1]));
    if (Pick(10) == 0) text += Separator("-:/");
    return text;
  }
  // A span text: up to six fields with any of the span separators.
  std::string Span() {
    std::string text = Field(0, 100);
    for (int i = 0, fields = Pick(6); i < fields; ++i)
      text.append(1, Separator("/-:")).append(Field(0, 100));
    return text;
  }
  int Pick(int iCount) { return std::uniform_int_distribution<int>(0, iCount - 1)(_Random); }
  std::mt19937 _Random;
};

// Whether a date text that was read holds an hour: something after the "-" that ends
// the day (the two "/" are the last ones, no field that was read holds one).
bool HourIsGiven(const std::string& iText) {
  std::size_t dash = iText.find('-', iText.rfind('/'));
  return dash != std::string::npos && dash + 1 < iText.size();
}

}  // namespace

TEST(ORVDate, UnsetDatesCopiesTheTmFormAndComparisonTakeEveryYearAndALeapSecond) {
  ORVDate date, set(2004, 2, 29, 1, 2, 3);
  EXPECT_EQ(DateText(ORVDate(set)), "2004/02/29-01:02:03");
  set.SetDate(date);
  for (const ORVDate& unset : {date, ORVDate(date), set})
    EXPECT_EQ(DateText(unset), "0000/00/00-00:00:00");
  // The year is not checked.
  EXPECT_EQ(DateText(ORVDate(-5, 1, 2, 3, 4, 5)), "-005/01/02-03:04:05");
  // A leap second and years at the int limits come through the tm form without a fatal
  // report or an overflow.
  tm fields = ORVDate(2016, 12, 31, 23, 59, 59).GetTM();
  fields.tm_sec = 60;
  EXPECT_EQ(DateText(ORVDate(fields)), "2016/12/31-23:59:59");
  fields.tm_year = INT_MAX;
  EXPECT_EQ(ORVDate(fields).GetYear(), INT_MAX);
  EXPECT_EQ(ORVDate(INT_MIN, 1, 1, 0, 0, 0).GetTM().tm_year, INT_MIN);
  EXPECT_EQ(ORVDate(INT_MAX, 1, 1, 0, 0, 0).GetTM().tm_year, INT_MAX - 1900);
  // Comparison gives the difference of the first differing field.
  ORVDate june(2004, 6, 15, 12, 30, 30);
  const std::pair<const char*, int> kOthers[] = {
      {"2004/09/01-00:00:00", -3}, {"2004/06/10-23:00:00", 5},   {"2004/06/15-13:00:00", -1},
      {"2004/06/15-12:00:59", 30}, {"2004/06/15-12:30:59", -29}, {"2002/12/31-23:59:59", 2}};
  for (const auto& [other, difference] : kOthers)
    EXPECT_EQ(june.Compare(DateOf(other)), difference) << other;
  // Years far apart keep the sign of their difference.
  EXPECT_GT(ORVDate(INT_MAX, 1, 1, 0, 0, 0).Compare(ORVDate(INT_MIN, 1, 1, 0, 0, 0)), 0);
  EXPECT_LT(ORVDate(INT_MIN, 1, 1, 0, 0, 0).Compare(ORVDate(INT_MAX, 1, 1, 0, 0, 0)), 0);
}

TEST(ORVDate, ValidDaysAndWeekdaysFollowTheGregorianRule) {
  // From year 0 down February 29 is always accepted; a month below 1 takes any day up to
  // 31, a month above 12 none.
  const int kDays[][4] = {{1900, 2, 29, 0}, {2000, 2, 29, 1}, {2024, 2, 29, 1},  {2024, 2, 30, 0},
                          {0, 2, 29, 1},    {2004, 4, 31, 0}, {2004, 12, 31, 1}, {2004, 1, 0, 0},
                          {2004, 0, 31, 1}, {2004, 13, 1, 0}};
  for (const auto& d : kDays)
    EXPECT_EQ(ORVDateUtilities::DayIsValid(d[0], d[1], d[2]) != 0, d[3] != 0)
        << d[0] << "/" << d[1] << "/" << d[2];
  EXPECT_TRUE(ORVDateUtilities::YearIsLeap(-4));
  int dayOfYear = 0, weekDay = -1;
  EXPECT_EQ(ORVDateUtilities::GetDayIdx(2004, 2, 29, dayOfYear, weekDay),
            59 + 365 * 2003 + 2003 / 4 - 2003 / 100);
  // Every day from year -401 to 2401 has the day of the year and the weekday (0 a Sunday)
  // of the system's proleptic calendar.
  tm fields{};
  fields.tm_year = -401 - 1900;
  fields.tm_mday = 1;
  for (time_t time = timegm(&fields); gmtime_r(&time, &fields)->tm_year <= 2401 - 1900;
       time += 86400) {
    ORVDateUtilities::GetDayIdx(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, dayOfYear,
                                weekDay);
    ASSERT_EQ(std::vector<int>({dayOfYear, weekDay}),
              std::vector<int>({fields.tm_yday, fields.tm_wday}))
        << fields.tm_year + 1900 << "/" << fields.tm_mon + 1 << "/" << fields.tm_mday;
  }
  // Years at the ends of int: no overflow, a weekday within 0..6.
  for (int year : {INT_MAX, INT_MIN}) {
    ORVDateUtilities::GetDayIdx(year, year == INT_MAX ? 12 : 1, 1, dayOfYear, weekDay);
    EXPECT_TRUE(weekDay >= 0 && weekDay <= 6) << year << ": " << weekDay;
  }
}

// The first, the last and a random second of every day from 1970 to 2037 read as the
// system's UTC calendar and back; in UTC the local conversion is the UTC one; local time
// follows the time zone and its daylight saving.
TEST(ORVDate, UtcConversionCoversTheSigned32BitRangeAndLocalTimeFollowsTheZone) {
  EXPECT_EQ(DateText(ORVDate(2147483647L, 0)), "2038/01/19-03:14:07");
  SetTimeZone("UTC0");
  std::mt19937 random(1970);
  for (long day = 0; day * 86400 + 86399 <= 2145916799; ++day) {
    long some = day * 86400 + (long)(random() % 86400);
    for (long time : {day * 86400, day * 86400 + 86399, some}) {
      time_t system = time;
      tm fields{};
      char text[40];
      strftime(text, sizeof text, "%Y/%m/%d-%H:%M:%S", gmtime_r(&system, &fields));
      ASSERT_EQ(DateText(ORVDate(time, 0)), text) << time;
      ASSERT_EQ(ORVDate(time, 0).Gettime_t(0), time);
    }
    ASSERT_EQ(DateText(ORVDate(some, 1)), DateText(ORVDate(some, 0)));
    ASSERT_EQ(ORVDate(some, 1).Gettime_t(1), some);
  }
  SetTimeZone(kParisTimeZone);
  // Winter UTC + 1 (midnight of 1970-01-01 in Paris is before the epoch); on the last
  // Sunday of March 2024, 01:59:59 is followed by 03:00:00 of summer time, UTC + 2.
  const std::pair<long, const char*> kTimes[] = {{-3600, "1970/01/01-00:00:00"},
                                                 {1711846799, "2024/03/31-01:59:59"},
                                                 {1711846800, "2024/03/31-03:00:00"}};
  for (const auto& [time, text] : kTimes) {
    EXPECT_EQ(DateText(ORVDate(time, 1)), text) << time;
    EXPECT_EQ(DateOf(text).Gettime_t(1), time) << text;
  }
  EXPECT_EQ(DateText(ORVDate((long)INT32_MIN, 1)).substr(0, 4), "1901");
}

TEST(ORVDateDeathTest, WrongFieldsUnsetDatesAndTimesOutOfRangeAreFatal) {
  const char* const kDate = "src/ORVDate.cpp";
  const char* const kUtilities = "src/ORVDateUtilities.cpp";
  ORVDate unset;
  const char kUnset[] = "SetDate() must be called before";
  const std::tuple<std::function<void()>, const char*, const char*> kFatal[] = {
      {[] { ORVDate(2004, 13, 1, 0, 0, 0); }, "Month = 13 > 12", kDate},
      {[] { ORVDate(2004, 0, 40, 99, 0, 0); }, "Month = 0 > 12", kDate},
      {[] { ORVDate(2003, 2, 29, 99, 0, 0); }, "The day 29 is invalid for year 2003 and month 2",
       kDate},
      {[] { ORVDate(2004, 2, 29, 24, 60, 60); }, "Hour = 24", kDate},
      {[] { ORVDate(2004, 2, 29, -1, 0, 0); }, "Hour = -1", kDate},
      {[] { ORVDate(2004, 2, 29, 0, 60, 60); }, "Minute = 60", kDate},
      {[] { ORVDate(2004, 2, 29, 0, 0, 60); }, "Second = 60", kDate},
      {[] { ORVDateUtilities::GetFirstOfMonthDayIdx(13, 0); }, "Invalid month 13", kUtilities},
      {[] { ORVDateUtilities::GetFirstOfMonthDayIdx(0, 1); }, "Invalid month 0", kUtilities},
      {[] { ORVDate(2038, 1, 1, 0, 0, 0).Gettime_t(0); },
       "The year = 2038 but it must be between 1970 and 2037", kDate},
      {[] { ORVDate(1969, 12, 31, 23, 59, 59).Gettime_t(1); },
       "The year = 1969 but it must be between 1970 and 2037", kDate},
      {[] { ORVDate(-1L, 0); }, "Time = -1 < 0", kDate},
      {[] { ORVDate(2147483648L, 0); }, "Time = 2147483648 does not fit a 32-bit time_t", kDate},
      {[] { ORVDate(-2147483649L, 1); }, "Time = -2147483649 does not fit a 32-bit time_t", kDate}};
  for (const auto& [body, text, file] : kFatal)
    ExpectFatal(body, text, file);
  for (auto field : {&ORVDate::GetYear, &ORVDate::GetMonth, &ORVDate::GetDay, &ORVDate::GetHour,
                     &ORVDate::GetMinute, &ORVDate::GetSecond})
    ExpectFatal([&] { (unset.*field)(); }, kUnset, kDate);
}

TEST_F(ORVDateUtilitiesTest, ProgramTextsOfDatesAndSpansGiveTheirValuesOrAnErrorNamingTheField) {
  // Short form or not, a text, then the key of the diagnostic with its parameter when that
  // is not the whole text; the date read into stays as it was. The short form reports the
  // same errors for what it reads and drops only the last "-" of a date alone.
  const std::tuple<int, const char*, const char*> kTexts[] = {
      {0, "2004/02/29", "7722"},
      {0, "99999999999/01/01-00:00:00", "7723"},
      {0, "2004/2x/29-00:00:00", "7724"},
      {0, "2004/02/-00:00:00", "7725"},
      {0, "2004/02/29-x:00:00", "7726"},
      {0, "2004/02/29-00:1.5:00", "7727"},
      {0, "2004/02/29-00:00:00:00", "7728"},
      {0, "2004/13/01-00:00:00", "7730: 13"},
      {1, "2003/02/29", "7731: 29"},
      {0, "2004/02/29-24:00:00", "7732: 24"},
      {1, "2004/02/29-1:60", "7733: 60"},
      {0, "2004/02/29-00:00:60", "7734: 60"}};
  ORVDate date(2001, 1, 1, 0, 0, 0);
  unsigned int timeGiven = 9;
  for (const auto& [shortForm, text, expected] : kTexts)
    EXPECT_EQ(
        DateError(ReadDate(text, date, shortForm ? &timeGiven : nullptr)),
        "ORVBC " + std::string(expected) + (strlen(expected) == 4 ? ": " + std::string(text) : ""));
  EXPECT_EQ(DateText(date), "2001/01/01-00:00:00");
  EXPECT_EQ(ReadDate("2004/02/29-", date, &timeGiven), 0);
  EXPECT_EQ(DateText(date) + " " + std::to_string(timeGiven), "2004/02/29-00:00:00 0");
  // Spans are read by the separators they hold; a final "-" ends the text.
  const std::pair<const char*, const char*> kSpans[] = {{"2/3", "0/2/3-0:0:0"},
                                                        {"3-12:5", "0/0/3-12:5:0"},
                                                        {"1/2/3-", "1/2/3-0:0:0"},
                                                        {"2147483647", "0/0/2147483647-0:0:0"}};
  for (const auto& [text, values] : kSpans)
    EXPECT_EQ(Span(text), values) << text;
  for (const char* text : {"", "1:2:3:4", "1/2/3/4", "1/2/3-4:5:6:7"})
    EXPECT_EQ(Span(text), "failed 0/0/0-0:0:0") << text;
  // A NUL byte is an invalid character of spans and dates, never a separator, however
  // many there are.
  for (const std::string& bytes :
       {std::string("1\0:2", 4), std::string("5\0", 2), std::string("\0", 1),
        std::string("1/2/3-4:5:6") + std::string(64, '\0') + "7", "1" + std::string(1000, '\0'),
        std::string("2004/01\0/05", 11), std::string("2004/01/05\0-10:00:00", 20),
        std::string("2004/01/05-10:00:00\0", 20)}) {
    SCOPED_TRACE(bytes.size());
    ORVString text = MakeString(bytes);
    EXPECT_EQ(Span(text), "failed 0/0/0-0:0:0");
    ORVDate date;
    EXPECT_EQ(ReadDate(text, date), PEV_E_FAIL);
  }
}

TEST_F(ORVDateUtilitiesTest, AddingSpansGoesByTheSecondsThenByTheCalendar) {
  // A date, "+" or "-", a span, then the date after it or "fail" when it is left as it was,
  // "fail" and the date when a failing step keeps the earlier steps' changes. Sums of
  // days and seconds alone, and of months alone, are checked against a model by the
  // randomized tests.
  const char* const kSums[] = {
      // Months keep the day within the month; days and seconds come first.
      "2004/01/31-10:20:30 + 0/1/0-0:0:0 = 2004/02/29-10:20:30",
      "2004/01/30-00:00:00 + 0/1/1-0:0:0 = 2004/02/29-00:00:00",
      // Dates outside the years of time fail instead of ending the process, before or
      // after the sum (Paris midnight of 1970-01-01 is an hour before the epoch).

      "2038/01/01-00:00:00 - 0/0/0-0:0:0 = fail",
      "2037/12/31-12:00:00 + 0/0/1-0:0:0 = fail",

      "1970/02/01-00:30:00 - 0/1/0-0:0:0 = fail",
      "1970/01/01-02:00:00 - 0/0/0-1:30:0 = fail",
      // Spans that overflow 32 bits fail; a negative part is fine while the partial sums
      // stay positive; a failing step keeps the earlier steps' changes.
      "2004/06/01-00:00:00 + 0/0/24801-0:0:0 = fail",
      "2004/06/01-00:00:00 + 0/0/0-0:0:-1 = fail",
      "2004/06/01-00:00:00 + 0/0/24800-596523:0:0 = fail",

      "2004/06/01-00:00:00 + 0/0/-1-0:0:90000 = 2004/06/01-01:00:00",
      "2037/06/15-08:00:00 + 1/0/1-0:0:0 = fail 2037/06/16-08:00:00",
  };
  for (const char* row : kSums) {
    SCOPED_TRACE(row);
    int d[6], s[6];
    char sign = 0, after[40] = "";
    ASSERT_EQ(sscanf(row, "%d/%d/%d-%d:%d:%d %c %d/%d/%d-%d:%d:%d = %39[^\n]", &d[0], &d[1], &d[2],
                     &d[3], &d[4], &d[5], &sign, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5], after),
              14);
    ORVDate sum(d[0], d[1], d[2], d[3], d[4], d[5]);
    std::string before = DateText(sum), expected = after;
    long code = ORVDateUtilities::AddTimeSpanToDate(sum, s[0], s[1], s[2], s[3], s[4], s[5],
                                                    sign == '+', _Request, _Advice);
    bool fails = expected.rfind("fail", 0) == 0;
    EXPECT_EQ(fails ? DateError(code) : std::to_string(code), fails ? "ORVBC 7735" : "0");
    if (fails) expected = expected == "fail" ? before : expected.substr(5);
    EXPECT_EQ(DateText(sum), expected);
  }
}

TEST_F(ORVDateUtilitiesTest, DateTextsAndTheCurrentDate) {
  // The tests run in the C locale.
  EXPECT_EQ(Utf8(ORVDateUtilities::ConvertDateToStringForMsg(ORVDate(2004, 2, 29, 23, 59, 59))),
            "Sun Feb 29 23:59:59 2004");
  long before = (long)time(nullptr), now = ORVDateUtilities::GetSystemTime();
  ORVDate current = ORVDateUtilities::GetCurrentDate(0),
          local = ORVDateUtilities::GetCurrentDate(1);
  long after = (long)time(nullptr);
  for (long seen : {now, current.Gettime_t(0), local.Gettime_t(1)})
    EXPECT_TRUE(seen >= before && seen <= after) << before << " <= " << seen << " <= " << after;
}

TEST_F(ORVDateUtilitiesTest, DateAndSpanTextsReadBackOrFailWithADisplayableError) {
  DateTextMaker maker{std::mt19937(2004)};
  int successes[3] = {0, 0, 0};  // the full and short forms of dates, then spans
  for (int i = 0; i < kRuns; ++i) {
    std::string text = maker.Date(), spanText = maker.Span();
    SCOPED_TRACE(text + " and the span " + spanText);
    int values[6], again[6];
    long code = ReadSpan(spanText.c_str(), values);
    if (code != 0) {
      ASSERT_EQ(DateError(code, BuildThisOne()), "ORVBC 7729: " + spanText);
    } else {
      ++successes[2];
      // The full form of the span reads back as the same six values, none negative.
      ASSERT_GE(*std::min_element(values, values + 6), 0);
      ASSERT_EQ(ReadSpan(SpanText(values).c_str(), again), 0) << SpanText(values);
      ASSERT_EQ(SpanText(again), SpanText(values));
    }
    for (int form = 0; form < 2; ++form) {
      ORVDate date, again;
      unsigned int timeGiven = 7;
      long code = ReadDate(text.c_str(), date, form ? &timeGiven : nullptr);
      if (code != 0) {
        std::string diagnostic = DateError(code, BuildThisOne());
        int key = atoi(diagnostic.c_str() + 6);
        ASSERT_TRUE(diagnostic.rfind("ORVBC ", 0) == 0 && key >= 7722 && key <= 7734) << diagnostic;
        ASSERT_EQ(DateText(date), "0000/00/00-00:00:00");
        continue;
      }
      ++successes[form];
      // The program text of the date reads back as the same date.
      ASSERT_EQ(ReadDate(DateText(date).c_str(), again), 0);
      ASSERT_EQ(again.Compare(date), 0) << DateText(date);
      ASSERT_EQ(timeGiven, form ? (HourIsGiven(text) ? 1u : 0u) : 7u);
    }
  }
  EXPECT_GT(successes[0], kRuns / 50);
  EXPECT_GT(successes[1], successes[0]);
  EXPECT_GT(successes[2], kRuns / 20);
}

// In UTC, where no clock time comes twice, so that sums of seconds have one answer.
TEST_F(ORVDateUtilitiesTest, AddedSpansGiveDatesOfTheRangeOrFail) {
  SetTimeZone("UTC0");
  DateTextMaker maker{std::mt19937(1789)};
  std::uniform_int_distribution<long> times(-86400L * 400, INT32_MAX);
  auto amount = [&](int iLimit) {
    int kind = maker.Pick(8);
    if (kind == 0)
      return maker.Pick(2) ? INT32_MAX - maker.Pick(1000) : INT32_MIN + maker.Pick(1000);
    if (kind == 1) return -maker.Pick(iLimit);
    return kind < 4 ? 0 : maker.Pick(iLimit);
  };
  int successes = 0;
  for (int i = 0; i < kRuns; ++i) {
    ORVDate date(times(maker._Random), 1), before(date);
    const int span[6] = {amount(40),   amount(500),    amount(30000),
                         amount(1000), amount(100000), amount(10000000)};
    const auto& [years, months, days, hours, minutes, seconds] = span;
    unsigned int add = (unsigned int)maker.Pick(2);
    SCOPED_TRACE(DateText(before) + " " + SpanText(span) + " add " + std::to_string(add));
    long code = ORVDateUtilities::AddTimeSpanToDate(date, years, months, days, hours, minutes,
                                                    seconds, add, _Request, _Advice);
    if (code != 0) {
      ASSERT_EQ(DateError(code, BuildThisOne()), "ORVBC 7735");
      // Whatever was kept lies within the years of time_t or is the untouched date.
      ASSERT_TRUE(date.Compare(before) == 0 || (date.GetYear() >= 1970 && date.GetYear() <= 2037));
      continue;
    }
    ++successes;
    ASSERT_TRUE(date.GetYear() >= 1970 && date.GetYear() <= 2037 && date.Gettime_t(1) >= 0);
    // Without years and months the sum is plain arithmetic on seconds.
    if (years == 0 && months == 0) {
      long long total = seconds + 60LL * minutes + 3600LL * hours + 86400LL * days;
      ASSERT_EQ(date.Gettime_t(1), before.Gettime_t(1) + (add ? total : -total));
    }
    // Years and months alone keep the clock time and move by whole months.
    if (days == 0 && hours == 0 && minutes == 0 && seconds == 0) {
      long long monthsMoved = (long long)(date.GetYear() - before.GetYear()) * 12 +
                              (date.GetMonth() - before.GetMonth());
      ASSERT_EQ(monthsMoved, (add ? 1 : -1) * (12LL * years + months));
      ASSERT_EQ(date.Gettime_t(1) % 86400, before.Gettime_t(1) % 86400);
      ASSERT_LE(date.GetDay(), before.GetDay());
    }
  }
  EXPECT_GT(successes, kRuns / 10);
}
