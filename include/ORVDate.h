// ORVDate.h - a calendar date with the time of day, to the second.
//
// A date is set (day 1 to 31) or unset (all fields 0, as the default constructor leaves
// it). Values given by program code are checked: a wrong month, day, hour, minute or
// second, reading an unset date, and a conversion to time_t outside the years 1970 to
// 2037 are fatal internal errors; dates typed by users go through ORVDateUtilities,
// which reports errors. Times are seconds since 1970 in the signed 32-bit range; local
// time follows the process's TZ.
#pragma once

#include <ctime>

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVDate : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVDate)

public:
  // An unset date.
  ORVDate();
  ORVDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond);
  ORVDate(const ORVDate& iOther);
  ORVDate(long iTime, unsigned int iLocal);
  explicit ORVDate(const tm& iTM);
  ORVDate& operator=(const ORVDate& iOther) = default;

  // Checks month, day (for that year and month), hour, minute and second, in this order;
  // the year is not checked.
  virtual void SetDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond);
  // Copies the six fields as they are: an unset date copies as unset.
  virtual void SetDate(const ORVDate& iOther);
  // iTime in local time (iLocal not 0) or UTC. The time must fit a signed 32-bit time_t
  // and, in UTC, not be negative.
  virtual void SetDate(long iTime, unsigned int iLocal);
  virtual void SetDate(const tm& iTM);
  // The six fields, unchecked (zeros for an unset date).
  virtual void GetDate(int& oYear, int& oMonth, int& oDay, int& oHour, int& oMinute,
                       int& oSecond) const;
  virtual int GetYear() const;
  virtual int GetMonth() const;
  virtual int GetDay() const;
  virtual int GetHour() const;
  virtual int GetMinute() const;
  virtual int GetSecond() const;
  // Seconds since 1970-01-01 00:00:00 UTC of this date read in local time (mktime, the
  // daylight-saving state found by the system) or in UTC. Years 1970 to 2037 only.
  virtual long Gettime_t(unsigned int iLocal) const;
  // The fields with the day of the year and of the week, tm_isdst -1.
  virtual tm GetTM() const;

  // The difference of the first field that differs, from the year down; 0 when equal.
  int Compare(const ORVDate& iOther) const;

private:
  // Fatal for an unset date.
  void CheckIsSet() const;

  int _Year = 0;
  unsigned char _Month = 0;
  unsigned char _Day = 0;  // 0: never set
  unsigned char _Hour = 0;
  unsigned char _Minute = 0;
  unsigned char _Second = 0;
};
