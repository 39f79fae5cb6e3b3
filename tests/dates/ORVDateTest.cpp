// Tests of ORVDate and the calendar rules: checks of the fields, the unset date, UTC and
// local conversions over the whole 32-bit range (with a daylight-saving change),
// comparison, the tm form and the fatal texts.
#include "ORVDate.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

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

}  // namespace

TEST(ORVDate, DefaultDateIsUnsetAndFormatsAsZeros) {
  ORVDate date;
  int year = 1, month = 1, day = 1, hour = 1, minute = 1, second = 1;
  date.GetDate(year, month, day, hour, minute, second);
  EXPECT_EQ(year + month + day + hour + minute + second, 0);
  EXPECT_EQ(DateText(date), "0000/00/00-00:00:00");
  // An unset date copies as unset.
  ORVDate copy(date);
  EXPECT_EQ(DateText(copy), "0000/00/00-00:00:00");
  ORVDate set(2004, 2, 29, 1, 2, 3);
  set.SetDate(date);
  EXPECT_EQ(DateText(set), "0000/00/00-00:00:00");
}

TEST(ORVDate, FieldsAreStoredAndReadBack) {
  ORVDate date(2004, 2, 29, 23, 59, 59);
  EXPECT_EQ(date.GetYear(), 2004);
  EXPECT_EQ(date.GetMonth(), 2);
  EXPECT_EQ(date.GetDay(), 29);
  EXPECT_EQ(date.GetHour(), 23);
  EXPECT_EQ(date.GetMinute(), 59);
  EXPECT_EQ(date.GetSecond(), 59);
  EXPECT_EQ(DateText(date), "2004/02/29-23:59:59");
  // The year is not checked.
  ORVDate ancient(-5, 1, 2, 3, 4, 5);
  EXPECT_EQ(DateText(ancient), "-005/01/02-03:04:05");
  ORVDate far(INT_MAX, 12, 31, 0, 0, 0);
  EXPECT_EQ(far.GetYear(), INT_MAX);
  ORVDate copy(far);
  EXPECT_EQ(copy.Compare(far), 0);
  ORVDate assigned;
  assigned = date;
  EXPECT_EQ(DateText(assigned), "2004/02/29-23:59:59");
}

TEST(ORVDate, LeapYearsFollowTheGregorianRule) {
  EXPECT_FALSE(ORVDateUtilities::YearIsLeap(1900));
  EXPECT_TRUE(ORVDateUtilities::YearIsLeap(2000));
  EXPECT_TRUE(ORVDateUtilities::YearIsLeap(2024));
  EXPECT_FALSE(ORVDateUtilities::YearIsLeap(2023));
  EXPECT_FALSE(ORVDateUtilities::YearIsLeap(2100));
  EXPECT_TRUE(ORVDateUtilities::YearIsLeap(0));
  EXPECT_TRUE(ORVDateUtilities::YearIsLeap(-4));

  EXPECT_FALSE(ORVDateUtilities::DayIsValid(1900, 2, 29));
  EXPECT_TRUE(ORVDateUtilities::DayIsValid(2000, 2, 29));
  EXPECT_TRUE(ORVDateUtilities::DayIsValid(2024, 2, 29));
  EXPECT_FALSE(ORVDateUtilities::DayIsValid(2023, 2, 29));
  EXPECT_FALSE(ORVDateUtilities::DayIsValid(2024, 2, 30));
  // From year 0 down February 29 is always accepted.
  EXPECT_TRUE(ORVDateUtilities::DayIsValid(0, 2, 29));
  EXPECT_TRUE(ORVDateUtilities::DayIsValid(-1, 2, 29));
  EXPECT_FALSE(ORVDateUtilities::DayIsValid(2004, 4, 31));
  EXPECT_TRUE(ORVDateUtilities::DayIsValid(2004, 12, 31));
  EXPECT_FALSE(ORVDateUtilities::DayIsValid(2004, 1, 0));
  EXPECT_FALSE(ORVDateUtilities::DayIsValid(2004, 1, -3));
  // A month below 1 takes any day up to 31; above 12 none.
  EXPECT_TRUE(ORVDateUtilities::DayIsValid(2004, 0, 31));
  EXPECT_FALSE(ORVDateUtilities::DayIsValid(2004, 0, 32));
  EXPECT_FALSE(ORVDateUtilities::DayIsValid(2004, 13, 1));
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
  EXPECT_EQ(dayOfYear, 59);
  EXPECT_EQ(weekDay, 0);  // a Sunday
  ORVDateUtilities::GetDayIdx(1970, 1, 1, dayOfYear, weekDay);
  EXPECT_EQ(weekDay, 4);  // a Thursday
  ORVDateUtilities::GetDayIdx(2000, 12, 31, dayOfYear, weekDay);
  EXPECT_EQ(dayOfYear, 365);
  EXPECT_EQ(weekDay, 0);
  ORVDateUtilities::GetDayIdx(1, 1, 1, dayOfYear, weekDay);
  EXPECT_EQ(weekDay, 1);  // a Monday
  ORVDateUtilities::GetDayIdx(0, 1, 1, dayOfYear, weekDay);
  EXPECT_EQ(weekDay, 6);  // a Saturday
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
  int weekDay = -1;
  ORVDateUtilities::GetDayIdx(INT_MAX, 12, 31, dayOfYear, weekDay);
  EXPECT_GE(weekDay, 0);
  EXPECT_LE(weekDay, 6);
  ORVDateUtilities::GetDayIdx(INT_MIN, 1, 1, dayOfYear, weekDay);
  EXPECT_GE(weekDay, 0);
  EXPECT_LE(weekDay, 6);
}

TEST(ORVDate, UtcConversionCoversTheSigned32BitRange) {
  EXPECT_EQ(DateText(ORVDate(0L, 0)), "1970/01/01-00:00:00");
  EXPECT_EQ(DateText(ORVDate(2147483647L, 0)), "2038/01/19-03:14:07");
  EXPECT_EQ(DateText(ORVDate(951782400L, 0)), "2000/02/29-00:00:00");
  EXPECT_EQ(DateText(ORVDate(1078099199L, 0)), "2004/02/29-23:59:59");
  EXPECT_EQ(ORVDate(1970, 1, 1, 0, 0, 0).Gettime_t(0), 0);
  EXPECT_EQ(ORVDate(2037, 12, 31, 23, 59, 59).Gettime_t(0), 2145916799);
  EXPECT_EQ(ORVDate(2000, 2, 29, 0, 0, 0).Gettime_t(0), 951782400);
}

TEST(ORVDate, UtcConversionAgreesWithTheSystemCalendar) {
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
  // Winter: UTC + 1.
  EXPECT_EQ(DateText(ORVDate(1705320000L, 1)), "2024/01/15-13:00:00");
  EXPECT_EQ(ORVDate(2024, 1, 15, 13, 0, 0).Gettime_t(1), 1705320000);
  // The last Sunday of March 2024: 01:59:59 is followed by 03:00:00.
  EXPECT_EQ(DateText(ORVDate(1711846799L, 1)), "2024/03/31-01:59:59");
  EXPECT_EQ(DateText(ORVDate(1711846800L, 1)), "2024/03/31-03:00:00");
  EXPECT_EQ(ORVDate(2024, 3, 31, 1, 59, 59).Gettime_t(1), 1711846799);
  EXPECT_EQ(ORVDate(2024, 3, 31, 3, 0, 0).Gettime_t(1), 1711846800);
  // Summer: UTC + 2.
  EXPECT_EQ(ORVDate(2024, 7, 1, 12, 0, 0).Gettime_t(1), 1719828000);
  // 1970-01-01 00:00:00 in Paris is before the epoch; a local time may be negative.
  EXPECT_EQ(ORVDate(1970, 1, 1, 0, 0, 0).Gettime_t(1), -3600);
  EXPECT_EQ(DateText(ORVDate(-1L, 1)), "1970/01/01-00:59:59");
  EXPECT_EQ(DateText(ORVDate((long)INT32_MIN, 1)).substr(0, 4), "1901");
}

TEST(ORVDate, LocalTimeInUtcIsTheUtcConversion) {
  ScopedTimeZone zone("UTC0");
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

TEST(ORVDate, TmFormCarriesTheDayIndexes) {
  ORVDate date(2004, 2, 29, 23, 58, 57);
  tm fields = date.GetTM();
  EXPECT_EQ(fields.tm_year, 104);
  EXPECT_EQ(fields.tm_mon, 1);
  EXPECT_EQ(fields.tm_mday, 29);
  EXPECT_EQ(fields.tm_hour, 23);
  EXPECT_EQ(fields.tm_min, 58);
  EXPECT_EQ(fields.tm_sec, 57);
  EXPECT_EQ(fields.tm_yday, 59);
  EXPECT_EQ(fields.tm_wday, 0);
  EXPECT_EQ(fields.tm_isdst, -1);
  EXPECT_EQ(ORVDate(fields).Compare(date), 0);
  ORVDate fromTm;
  fromTm.SetDate(fields);
  EXPECT_EQ(DateText(fromTm), "2004/02/29-23:58:57");
}

TEST(ORVDate, ComparisonGivesTheFirstDifferingField) {
  ORVDate date(2004, 6, 15, 12, 30, 30);
  EXPECT_EQ(date.Compare(ORVDate(2004, 6, 15, 12, 30, 30)), 0);
  EXPECT_GT(ORVDate(2005, 1, 1, 0, 0, 0).Compare(ORVDate(2004, 12, 31, 23, 59, 59)), 0);
  EXPECT_EQ(ORVDate(2006, 1, 1, 0, 0, 0).Compare(ORVDate(2004, 12, 31, 23, 59, 59)), 2);
  EXPECT_EQ(date.Compare(ORVDate(2004, 9, 1, 0, 0, 0)), -3);
  EXPECT_EQ(date.Compare(ORVDate(2004, 6, 10, 23, 0, 0)), 5);
  EXPECT_EQ(date.Compare(ORVDate(2004, 6, 15, 13, 0, 0)), -1);
  EXPECT_EQ(date.Compare(ORVDate(2004, 6, 15, 12, 0, 59)), 30);
  EXPECT_EQ(date.Compare(ORVDate(2004, 6, 15, 12, 30, 59)), -29);
  // Years far apart keep the sign of their difference.
  EXPECT_GT(ORVDate(INT_MAX, 1, 1, 0, 0, 0).Compare(ORVDate(INT_MIN, 1, 1, 0, 0, 0)), 0);
  EXPECT_LT(ORVDate(INT_MIN, 1, 1, 0, 0, 0).Compare(ORVDate(INT_MAX, 1, 1, 0, 0, 0)), 0);
  // An unset other date compares as zeros.
  EXPECT_GT(date.Compare(ORVDate()), 0);
}

TEST(ORVDateDeathTest, WrongFieldsAreFatalInTheirOrder) {
  ExpectDateFatal([] { ORVDate(2004, 13, 1, 0, 0, 0); }, "Month = 13 > 12", kDateFile);
  ExpectDateFatal([] { ORVDate(2004, 0, 40, 99, 0, 0); }, "Month = 0 > 12", kDateFile);
  ExpectDateFatal([] { ORVDate(2003, 2, 29, 99, 0, 0); },
                  "The day 29 is invalid for year 2003 and month 2", kDateFile);
  ExpectDateFatal([] { ORVDate(2004, 2, 29, 24, 60, 60); }, "Hour = 24", kDateFile);
  ExpectDateFatal([] { ORVDate(2004, 2, 29, -1, 0, 0); }, "Hour = -1", kDateFile);
  ExpectDateFatal([] { ORVDate(2004, 2, 29, 0, 60, 60); }, "Minute = 60", kDateFile);
  ExpectDateFatal([] { ORVDate(2004, 2, 29, 0, 0, 60); }, "Second = 60", kDateFile);
  tm fields{};
  fields.tm_year = 104;
  fields.tm_mon = 12;
  fields.tm_mday = 1;
  ExpectDateFatal([&] { ORVDate{fields}; }, "Month = 13 > 12", kDateFile);
}

TEST(ORVDateDeathTest, ReadingAnUnsetDateIsFatal) {
  const char text[] = "SetDate() must be called before";
  ORVDate unset;
  ExpectDateFatal([&] { unset.GetYear(); }, text, kDateFile);
  ExpectDateFatal([&] { unset.GetMonth(); }, text, kDateFile);
  ExpectDateFatal([&] { unset.GetDay(); }, text, kDateFile);
  ExpectDateFatal([&] { unset.GetHour(); }, text, kDateFile);
  ExpectDateFatal([&] { unset.GetMinute(); }, text, kDateFile);
  ExpectDateFatal([&] { unset.GetSecond(); }, text, kDateFile);
  ExpectDateFatal([&] { unset.Gettime_t(0); }, text, kDateFile);
  ExpectDateFatal([&] { unset.GetTM(); }, text, kDateFile);
  ExpectDateFatal([&] { unset.Compare(ORVDate(2004, 1, 1, 0, 0, 0)); }, text, kDateFile);
  ExpectDateFatal([&] { ORVDateUtilities::ConvertDateToStringForMsg(unset); }, text, kDateFile);
}

TEST(ORVDateDeathTest, TimesOutsideTheirRangeAreFatal) {
  ExpectDateFatal([] { ORVDate(2038, 1, 1, 0, 0, 0).Gettime_t(0); },
                  "The year = 2038 but it must be between 1970 and 2037", kDateFile);
  ExpectDateFatal([] { ORVDate(1969, 12, 31, 23, 59, 59).Gettime_t(1); },
                  "The year = 1969 but it must be between 1970 and 2037", kDateFile);
  ExpectDateFatal([] { ORVDate(-1L, 0); }, "Time = -1 < 0", kDateFile);
  ExpectDateFatal([] { ORVDate(-31536000L, 0); }, "Time = -31536000 < 0", kDateFile);
  ExpectDateFatal([] { ORVDate(2147483648L, 0); }, "Time = 2147483648 does not fit a 32-bit time_t",
                  kDateFile);
  ExpectDateFatal([] { ORVDate(-2147483649L, 1); },
                  "Time = -2147483649 does not fit a 32-bit time_t", kDateFile);
}

TEST(ORVDateDeathTest, InvalidMonthIndexIsFatal) {
  ExpectDateFatal([] { ORVDateUtilities::GetFirstOfMonthDayIdx(13, 0); }, "Invalid month 13",
                  kUtilitiesFile);
  ExpectDateFatal([] { ORVDateUtilities::GetFirstOfMonthDayIdx(0, 1); }, "Invalid month 0",
                  kUtilitiesFile);
  int dayOfYear = 0, weekDay = 0;
  ExpectDateFatal([&] { ORVDateUtilities::GetDayIdx(2004, -1, 1, dayOfYear, weekDay); },
                  "Invalid month -1", kUtilitiesFile);
}
