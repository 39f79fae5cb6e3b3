// Tests of ORVDate and the calendar rules: checks of the fields, the unset date, UTC and
// local conversions over the whole 32-bit range (with a daylight-saving change),
// comparison, the tm form and the fatal texts.
#include "ORVDate.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "DatesTestSupport.h"

namespace {

const char kDateFile[] = "src/ORVDate.cpp";
const char kUtilitiesFile[] = "src/ORVDateUtilities.cpp";

// The UTC calendar of the system for iTime, as "yyyy/mm/dd-hh:mm:ss".
std::string SystemUtcText(time_t iTime) {
  tm fields{};
  gmtime_r(&iTime, &fields);
  char text[40];
  strftime(text, sizeof text, "%Y/%m/%d-%H:%M:%S", &fields);
  return text;
}

// A time and the date it stands for.
struct TimeCase {
  long _Time;
  const char* _Date;
};

// Dates of iCases read from their times and times of their dates, in UTC (0) or local time.
void ExpectTimesAndDates(const std::vector<TimeCase>& iCases, unsigned int iLocal) {
  for (const TimeCase& date : iCases) {
    EXPECT_EQ(DateText(ORVDate(date._Time, iLocal)), date._Date) << date._Time;
    if (DateOf(date._Date).GetYear() > 2037) continue;
    EXPECT_EQ(DateOf(date._Date).Gettime_t(iLocal), date._Time) << date._Date;
  }
}

}  // namespace

TEST(ORVDate, UnsetDateReadsAsZerosAndCopiesAndYearsWithoutLimit) {
  ORVDate date;
  int year = 1, month = 1, day = 1, hour = 1, minute = 1, second = 1;
  date.GetDate(year, month, day, hour, minute, second);
  EXPECT_EQ(std::vector<int>({year, month, day, hour, minute, second}), std::vector<int>(6, 0));
  ORVDate set(2004, 2, 29, 1, 2, 3), assigned;
  assigned = set;
  EXPECT_EQ(DateText(assigned), "2004/02/29-01:02:03");
  set.SetDate(date);
  for (const ORVDate& unset : {date, ORVDate(date), set})
    EXPECT_EQ(DateText(unset), "0000/00/00-00:00:00");
  // The year is not checked.
  EXPECT_EQ(DateText(ORVDate(-5, 1, 2, 3, 4, 5)), "-005/01/02-03:04:05");
  EXPECT_EQ(ORVDate(ORVDate(INT_MAX, 12, 31, 0, 0, 0)).GetYear(), INT_MAX);
}

TEST(ORVDate, LeapYearsAndValidDaysFollowTheGregorianRule) {
  for (int year : {2000, 2024, 0, -4})
    EXPECT_TRUE(ORVDateUtilities::YearIsLeap(year)) << year;
  for (int year : {1900, 2023, 2100})
    EXPECT_FALSE(ORVDateUtilities::YearIsLeap(year)) << year;
  // From year 0 down February 29 is always accepted; a month below 1 takes any day up to
  // 31, a month above 12 none.
  const int kDays[][4] = {{1900, 2, 29, 0},  {2000, 2, 29, 1}, {2024, 2, 29, 1}, {2023, 2, 29, 0},
                          {2024, 2, 30, 0},  {0, 2, 29, 1},    {-1, 2, 29, 1},   {2004, 4, 31, 0},
                          {2004, 12, 31, 1}, {2004, 1, 0, 0},  {2004, 1, -3, 0}, {2004, 0, 31, 1},
                          {2004, 0, 32, 0},  {2004, 13, 1, 0}};
  for (const auto& day : kDays)
    EXPECT_EQ(ORVDateUtilities::DayIsValid(day[0], day[1], day[2]) != 0, day[3] != 0)
        << day[0] << "/" << day[1] << "/" << day[2];
}

TEST(ORVDate, DayIndexesAndWeekdays) {
  const int common[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(ORVDateUtilities::GetFirstOfMonthDayIdx(month, 0), common[month - 1]);
    EXPECT_EQ(ORVDateUtilities::GetFirstOfMonthDayIdx(month, 1),
              common[month - 1] + (month >= 3 ? 1 : 0));
  }
  int dayOfYear = -1, weekDay = -1;
  EXPECT_EQ(ORVDateUtilities::GetDayIdx(2004, 2, 29, dayOfYear, weekDay),
            59 + 365 * 2003 + 2003 / 4 - 2003 / 100);
  // Year, month, day, then the day of the year and the weekday (0 a Sunday).
  const int kDays[][5] = {{2004, 2, 29, 59, 0},
                          {1970, 1, 1, 0, 4},
                          {2000, 12, 31, 365, 0},
                          {1, 1, 1, 0, 1},
                          {0, 1, 1, 0, 6}};
  for (const auto& day : kDays) {
    ORVDateUtilities::GetDayIdx(day[0], day[1], day[2], dayOfYear, weekDay);
    EXPECT_EQ(std::vector<int>({dayOfYear, weekDay}), std::vector<int>({day[3], day[4]})) << day[0];
  }
}

TEST(ORVDate, WeekdaysFollowOneAnotherAcrossEveryYearAndStayInRange) {
  int dayOfYear = 0, previous = 0;
  ORVDateUtilities::GetDayIdx(-401, 1, 1, dayOfYear, previous);
  for (int year = -401; year <= 2401; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        if (!ORVDateUtilities::DayIsValid(year, month, day)) continue;
        // Before year 1 DayIsValid keeps February 29 of common years; the calendar skips it.
        if (month == 2 && day == 29 && !ORVDateUtilities::YearIsLeap(year)) continue;
        if (year == -401 && month == 1 && day == 1) continue;
        int weekDay = -1;
        ORVDateUtilities::GetDayIdx(year, month, day, dayOfYear, weekDay);
        ASSERT_EQ(weekDay, (previous + 1) % 7) << year << "/" << month << "/" << day;
        previous = weekDay;
      }
    }
  }
  // Years at the ends of int: no overflow, a weekday within 0..6.
  for (int year : {INT_MAX, INT_MIN}) {
    int weekDay = -1;
    ORVDateUtilities::GetDayIdx(year, year == INT_MAX ? 12 : 1, 1, dayOfYear, weekDay);
    EXPECT_TRUE(weekDay >= 0 && weekDay <= 6) << year << ": " << weekDay;
  }
}

TEST(ORVDate, UtcConversionCoversTheSigned32BitRangeAndAgreesWithTheSystem) {
  // The day ends from 1970 to 2037 are checked against the system below.
  ExpectTimesAndDates({{0, "1970/01/01-00:00:00"}, {2147483647, "2038/01/19-03:14:07"}}, 0);
  std::mt19937 random(1970);
  std::uniform_int_distribution<long> times(0, INT32_MAX);
  for (int i = 0; i < 20000; ++i) {
    long time = times(random);
    ORVDate date(time, 0);
    ASSERT_EQ(DateText(date), SystemUtcText((time_t)time)) << time;
    if (date.GetYear() <= 2037) {
      ASSERT_EQ(date.Gettime_t(0), time) << time;
    }
  }
  // Every first and last second of a day from 1970 to 2037.
  for (long day = 0; day * 86400 + 86399 <= 2145916799; ++day) {
    for (long time : {day * 86400, day * 86400 + 86399}) {
      ORVDate date(time, 0);
      ASSERT_EQ(DateText(date), SystemUtcText((time_t)time)) << time;
      ASSERT_EQ(date.Gettime_t(0), time);
    }
  }
}

TEST(ORVDate, LocalTimeFollowsTheTimeZoneAndItsDaylightSaving) {
  ScopedTimeZone zone(kParisTimeZone);
  // Winter UTC + 1; on the last Sunday of March 2024, 01:59:59 is followed by 03:00:00;
  // summer UTC + 2; midnight of 1970-01-01 in Paris is before the epoch.
  ExpectTimesAndDates({{1705320000, "2024/01/15-13:00:00"},
                       {1711846799, "2024/03/31-01:59:59"},
                       {1711846800, "2024/03/31-03:00:00"},
                       {1719828000, "2024/07/01-12:00:00"},
                       {-3600, "1970/01/01-00:00:00"},
                       {-1, "1970/01/01-00:59:59"}},
                      1);
  EXPECT_EQ(DateText(ORVDate((long)INT32_MIN, 1)).substr(0, 4), "1901");
  // In UTC the local conversion is the UTC one.
  ScopedTimeZone utc("UTC0");
  std::mt19937 random(2038);
  std::uniform_int_distribution<long> times(0, INT32_MAX);
  for (int i = 0; i < 2000; ++i) {
    long time = times(random);
    ORVDate local(time, 1);
    ASSERT_EQ(DateText(local), DateText(ORVDate(time, 0)));
    if (local.GetYear() <= 2037) {
      ASSERT_EQ(local.Gettime_t(1), time);
    }
  }
}

// A leap second and years at the int limits come through the tm form without a fatal
// report or an overflow.
TEST(ORVDate, TmFormTakesALeapSecondAndExtremeYears) {
  tm fields = ORVDate(2016, 12, 31, 23, 59, 59).GetTM();
  fields.tm_sec = 60;
  EXPECT_EQ(DateText(ORVDate(fields)), "2016/12/31-23:59:59");
  fields.tm_year = INT_MAX;
  EXPECT_EQ(ORVDate(fields).GetYear(), INT_MAX);
  EXPECT_EQ(ORVDate(INT_MIN, 1, 1, 0, 0, 0).GetTM().tm_year, INT_MIN);
  EXPECT_EQ(ORVDate(INT_MAX, 1, 1, 0, 0, 0).GetTM().tm_year, INT_MAX - 1900);
}

TEST(ORVDate, ComparisonGivesTheFirstDifferingField) {
  ORVDate date(2004, 6, 15, 12, 30, 30);
  const std::pair<const char*, int> kOthers[] = {
      {"2004/06/15-12:30:30", 0},  {"2004/09/01-00:00:00", -3}, {"2004/06/10-23:00:00", 5},
      {"2004/06/15-13:00:00", -1}, {"2004/06/15-12:00:59", 30}, {"2004/06/15-12:30:59", -29}};
  for (const auto& other : kOthers)
    EXPECT_EQ(date.Compare(DateOf(other.first)), other.second) << other.first;
  EXPECT_GT(DateOf("2005/01/01-00:00:00").Compare(DateOf("2004/12/31-23:59:59")), 0);
  EXPECT_EQ(DateOf("2006/01/01-00:00:00").Compare(DateOf("2004/12/31-23:59:59")), 2);
  // Years far apart keep the sign of their difference; an unset date compares as zeros.
  EXPECT_GT(ORVDate(INT_MAX, 1, 1, 0, 0, 0).Compare(ORVDate(INT_MIN, 1, 1, 0, 0, 0)), 0);
  EXPECT_LT(ORVDate(INT_MIN, 1, 1, 0, 0, 0).Compare(ORVDate(INT_MAX, 1, 1, 0, 0, 0)), 0);
  EXPECT_GT(date.Compare(ORVDate()), 0);
}

TEST(ORVDateDeathTest, WrongFieldsAreFatalInTheirOrder) {
  ExpectFatal([] { ORVDate(2004, 13, 1, 0, 0, 0); }, "Month = 13 > 12", kDateFile);
  ExpectFatal([] { ORVDate(2004, 0, 40, 99, 0, 0); }, "Month = 0 > 12", kDateFile);
  ExpectFatal([] { ORVDate(2003, 2, 29, 99, 0, 0); },
              "The day 29 is invalid for year 2003 and month 2", kDateFile);
  ExpectFatal([] { ORVDate(2004, 2, 29, 24, 60, 60); }, "Hour = 24", kDateFile);
  ExpectFatal([] { ORVDate(2004, 2, 29, -1, 0, 0); }, "Hour = -1", kDateFile);
  ExpectFatal([] { ORVDate(2004, 2, 29, 0, 60, 60); }, "Minute = 60", kDateFile);
  ExpectFatal([] { ORVDate(2004, 2, 29, 0, 0, 60); }, "Second = 60", kDateFile);
  tm fields{};
  fields.tm_year = 104;
  fields.tm_mon = 12;
  fields.tm_mday = 1;
  ExpectFatal([&] { ORVDate{fields}; }, "Month = 13 > 12", kDateFile);
  ExpectFatal([] { ORVDateUtilities::GetFirstOfMonthDayIdx(13, 0); }, "Invalid month 13",
              kUtilitiesFile);
  ExpectFatal([] { ORVDateUtilities::GetFirstOfMonthDayIdx(0, 1); }, "Invalid month 0",
              kUtilitiesFile);
  int dayOfYear = 0, weekDay = 0;
  ExpectFatal([&] { ORVDateUtilities::GetDayIdx(2004, -1, 1, dayOfYear, weekDay); },
              "Invalid month -1", kUtilitiesFile);
}

TEST(ORVDateDeathTest, ReadingAnUnsetDateIsFatal) {
  const char text[] = "SetDate() must be called before";
  ORVDate unset;
  for (auto field : {&ORVDate::GetYear, &ORVDate::GetMonth, &ORVDate::GetDay, &ORVDate::GetHour,
                     &ORVDate::GetMinute, &ORVDate::GetSecond})
    ExpectFatal([&] { (unset.*field)(); }, text, kDateFile);
  ExpectFatal([&] { unset.Gettime_t(0); }, text, kDateFile);
  ExpectFatal([&] { unset.GetTM(); }, text, kDateFile);
  ExpectFatal([&] { unset.Compare(ORVDate(2004, 1, 1, 0, 0, 0)); }, text, kDateFile);
  ExpectFatal([&] { ORVDateUtilities::ConvertDateToStringForMsg(unset); }, text, kDateFile);
}

TEST(ORVDateDeathTest, TimesOutsideTheirRangeAreFatal) {
  ExpectFatal([] { ORVDate(2038, 1, 1, 0, 0, 0).Gettime_t(0); },
              "The year = 2038 but it must be between 1970 and 2037", kDateFile);
  ExpectFatal([] { ORVDate(1969, 12, 31, 23, 59, 59).Gettime_t(1); },
              "The year = 1969 but it must be between 1970 and 2037", kDateFile);
  ExpectFatal([] { ORVDate(-1L, 0); }, "Time = -1 < 0", kDateFile);
  ExpectFatal([] { ORVDate(-31536000L, 0); }, "Time = -31536000 < 0", kDateFile);
  ExpectFatal([] { ORVDate(2147483648L, 0); }, "Time = 2147483648 does not fit a 32-bit time_t",
              kDateFile);
  ExpectFatal([] { ORVDate(-2147483649L, 1); }, "Time = -2147483649 does not fit a 32-bit time_t",
              kDateFile);
}
