#include "ORVDate.h"

#include <climits>
#include <cstdint>

#include "ORVDateUtilities.h"
#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVDate, PEVBaseUnknown)

namespace {

constexpr long kSecondsPerDay = 86400;
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2037;

}  // namespace

ORVDate::ORVDate() = default;

ORVDate::ORVDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond) {
  SetDate(iYear, iMonth, iDay, iHour, iMinute, iSecond);
}

ORVDate::ORVDate(const ORVDate& iOther) : PEVBaseUnknown() {
  SetDate(iOther);
}

ORVDate::ORVDate(long iTime, unsigned int iLocal) {
  SetDate(iTime, iLocal);
}

ORVDate::ORVDate(const tm& iTM) {
  SetDate(iTM);
}

void ORVDate::SetDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond) {
  if (iMonth < 1 || iMonth > 12) ORV_FATAL("Month = " << iMonth << " > 12");
  if (!ORVDateUtilities::DayIsValid(iYear, iMonth, iDay))
    ORV_FATAL("The day " << iDay << " is invalid for year " << iYear << " and month " << iMonth);
  if (iHour < 0 || iHour > 23) ORV_FATAL("Hour = " << iHour);
  if (iMinute < 0 || iMinute > 59) ORV_FATAL("Minute = " << iMinute);
  if (iSecond < 0 || iSecond > 59) ORV_FATAL("Second = " << iSecond);
  _Year = iYear;
  _Month = (unsigned char)iMonth;
  _Day = (unsigned char)iDay;
  _Hour = (unsigned char)iHour;
  _Minute = (unsigned char)iMinute;
  _Second = (unsigned char)iSecond;
}

void ORVDate::SetDate(const ORVDate& iOther) {
  _Year = iOther._Year;
  _Month = iOther._Month;
  _Day = iOther._Day;
  _Hour = iOther._Hour;
  _Minute = iOther._Minute;
  _Second = iOther._Second;
}

void ORVDate::SetDate(long iTime, unsigned int iLocal) {
  // Dates keep the range of a signed 32-bit time_t.
  if (iTime < INT32_MIN || iTime > INT32_MAX)
    ORV_FATAL("Time = " << iTime << " does not fit a 32-bit time_t");
  if (iLocal) {
    time_t time = (time_t)iTime;
    tm local{};
    if (!localtime_r(&time, &local)) ORV_FATAL("No local time for the time " << iTime);
    SetDate(local);
    return;
  }
  if (iTime < 0) ORV_FATAL("Time = " << iTime << " < 0");
  long days = iTime / kSecondsPerDay;
  long years = (days - (days + 671) / 1461) / 365;
  long dayIdx = days - (365 * years + (years + 1) / 4);
  if (dayIdx < 0) ORV_FATAL("DayIdx = " << dayIdx << " < 0");
  int year = kFirstYear + (int)years;
  unsigned int leap = ORVDateUtilities::YearIsLeap(year);
  int month = 12;
  while (month > 1 && ORVDateUtilities::GetFirstOfMonthDayIdx(month, leap) > dayIdx)
    --month;
  int day = (int)dayIdx - ORVDateUtilities::GetFirstOfMonthDayIdx(month, leap) + 1;
  long seconds = iTime - kSecondsPerDay * days;
  int hour = (int)(seconds / 3600);
  int minute = (int)((seconds - 3600L * hour) / 60);
  SetDate(year, month, day, hour, minute, (int)(seconds % 60));
}

void ORVDate::SetDate(const tm& iTM) {
  // A tm year near INT_MAX would overflow the sum; a leap second (60) is taken as 59.
  long long year = (long long)iTM.tm_year + 1900;
  SetDate(year > INT_MAX ? INT_MAX : (int)year, iTM.tm_mon + 1, iTM.tm_mday, iTM.tm_hour,
          iTM.tm_min, iTM.tm_sec > 59 ? 59 : iTM.tm_sec);
}

void ORVDate::GetDate(int& oYear, int& oMonth, int& oDay, int& oHour, int& oMinute,
                      int& oSecond) const {
  oYear = _Year;
  oMonth = _Month;
  oDay = _Day;
  oHour = _Hour;
  oMinute = _Minute;
  oSecond = _Second;
}

int ORVDate::GetYear() const {
  CheckIsSet();
  return _Year;
}

int ORVDate::GetMonth() const {
  CheckIsSet();
  return _Month;
}

int ORVDate::GetDay() const {
  CheckIsSet();
  return _Day;
}

int ORVDate::GetHour() const {
  CheckIsSet();
  return _Hour;
}

int ORVDate::GetMinute() const {
  CheckIsSet();
  return _Minute;
}

int ORVDate::GetSecond() const {
  CheckIsSet();
  return _Second;
}

long ORVDate::Gettime_t(unsigned int iLocal) const {
  CheckIsSet();
  if (_Year < kFirstYear || _Year > kLastYear)
    ORV_FATAL("The year = " << _Year << " but it must be between 1970 and 2037");
  if (iLocal) {
    tm local = GetTM();
    return (long)mktime(&local);
  }
  int dayOfYear =
      ORVDateUtilities::GetFirstOfMonthDayIdx(_Month, ORVDateUtilities::YearIsLeap(_Year)) + _Day -
      1;
  long days = 365L * (_Year - kFirstYear) + (_Year - 1969) / 4 + dayOfYear;
  return kSecondsPerDay * days + 3600L * _Hour + 60L * _Minute + _Second;
}

tm ORVDate::GetTM() const {
  CheckIsSet();
  tm result{};
  // Years below INT_MIN + 1900 have no tm year: the earliest one stands for them.
  long long year = (long long)_Year - 1900;
  result.tm_year = year < INT_MIN ? INT_MIN : (int)year;
  result.tm_mon = _Month - 1;
  result.tm_mday = _Day;
  result.tm_hour = _Hour;
  result.tm_min = _Minute;
  result.tm_sec = _Second;
  ORVDateUtilities::GetDayIdx(_Year, _Month, _Day, result.tm_yday, result.tm_wday);
  result.tm_isdst = -1;
  return result;
}

int ORVDate::Compare(const ORVDate& iOther) const {
  CheckIsSet();
  if (_Year != iOther._Year) {
    // The difference of years beyond int keeps its sign.
    long long difference = (long long)_Year - iOther._Year;
    if (difference > INT_MAX) return INT_MAX;
    if (difference < INT_MIN) return INT_MIN;
    return (int)difference;
  }
  if (_Month != iOther._Month) return _Month - iOther._Month;
  if (_Day != iOther._Day) return _Day - iOther._Day;
  if (_Hour != iOther._Hour) return _Hour - iOther._Hour;
  if (_Minute != iOther._Minute) return _Minute - iOther._Minute;
  return _Second - iOther._Second;
}

void ORVDate::CheckIsSet() const {
  if (_Day == 0) ORV_FATAL("SetDate() must be called before");
}
